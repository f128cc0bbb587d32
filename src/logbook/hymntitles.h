// SPDX-License-Identifier: GPL-3.0-or-later
// The titles offered for the lines of a new service: by hymn number from the hymnal when one is set (its title
// wins, being the book the congregation sings from) or else the title the log last used with that number; and
// every title either of them knows, for completion.
#pragma once

#include "logbook/planner.h"
#include "store/entrystore.h"
#include "store/hymnkey.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace Logbook {

// A whole line typed where its title goes: "378 Amazing Grace" is hymn 378, as the log would read it back.
struct NumberedLine {
    QString number;         // as typed: "378", "#14", "12a"
    qsizetype titleAt = -1; // where the title starts in the line; -1 when the line is not a number and a title
};

// The number the line starts with and where its title starts: a number is digits with an optional "#" before them
// and one letter after them ("12a", where "1st" is a word), followed by blanks and more text.
NumberedLine numberedLine(QStringView line);

class HymnTitles {
public:
    // Reads the log's planner and the hymnal (none: nullptr, or a store that is no hymnal text) once.
    HymnTitles(const Planner &log, const EntryStore *hymnal);

    // The title for the hymn a typed number stands for (HymnKey::ofNumber); empty when neither knows it. So "14",
    // "014" and "#14" are one hymn, and "14*" in the log is hymn 14.
    QString titleFor(const HymnKey &hymn) const;
    // The number a title stands for, as the hymnal (or else the log) writes it; empty when the title is unknown or
    // belongs to more than one number.
    QString numberFor(const QString &title) const;
    // The number as it goes into the log: in the form the log already
    // writes that hymn in ("12" for a typed "#012" where the log has "12"), else bare, without a leading "#" and
    // leading zeros ("#012" is "12"), as typed otherwise. A mark typed after it ("12*") stays; a number that
    // stands for no hymn ("#") is returned as typed.
    QString logNumber(const QString &number) const;
    // Every known title once, in alphabetical order regardless of case.
    const QStringList &titles() const { return m_titles; }

private:
    void add(const QString &number, const QString &title, QHash<HymnKey, QString> &byKey);

    QSet<QString> m_logForms;             // every number as the log writes it
    QHash<HymnKey, QString> m_fromHymnal; // titles by hymn
    QHash<HymnKey, QString> m_fromLog;
    QHash<QString, QString> m_numbers;    // by title; empty for a title under several numbers
    QHash<HymnKey, QString> m_logNumbers; // as the log writes each hymn's number
    QStringList m_titles;
};

} // namespace Logbook
