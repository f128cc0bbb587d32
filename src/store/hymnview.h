// SPDX-License-Identifier: GPL-3.0-or-later
// One hymn of a loaded hymnal as the planner reads it: number, title, meter, scripture reference lines, and the
// lines of its verses and refrains, each with the part it belongs to.
#pragma once

#include "store/entrystore.h"

#include <QString>
#include <QStringView>

#include <vector>

class HymnView {
public:
    enum class Part { Title, Verse, Refrain };

    struct TextLine {
        QStringView text; // without its "(v2)" or "(R)" mark
        Part part = Part::Verse;
        int verse = 0; // the number of a "(vN" mark; 0 for a verse without one
    };

    // Reads the hymn whose head entry is entry (not a continuation) with the continuation entries after it. The
    // views point into the store and into this object: both must outlive them, and the next read() ends them.
    void read(const EntryStore &hymnal, int entry);
    // Reads only the hymn's head line and where it ends, for readers that want its number and title: its lines
    // are left empty.
    void readHead(const EntryStore &hymnal, int entry);

    // The entry after this hymn's last continuation.
    int nextEntry() const { return m_next; }

    // The head line's first word, and the rest of it trimmed.
    const QString &number() const { return m_number; }
    const QString &title() const { return m_title; }
    // The text of the first "Meter: " (or not yet rewritten "%") line, trimmed; empty when there is none.
    QStringView meter() const { return m_meter; }
    // The hymn's first credits line ("Words: …; Music: …"), trimmed: the first line before its first "--" that is
    // no meter, key, time or reference line; empty when there is none. Read by read() only.
    QStringView credits() const { return m_creditsLine; }
    // The "^" lines, without their "^".
    const std::vector<QStringView> &referenceLines() const { return m_references; }
    // The title, then every line of a verse or refrain in file order. Credits (the lines before a hymn's first
    // "--"), meter, key, time and reference lines are not among them.
    const std::vector<TextLine> &textLines() const { return m_lines; }

private:
    void readLine(QStringView line, bool afterSeparator);

    QString m_number, m_title;
    QStringView m_meter;
    QStringView m_creditsLine;
    std::vector<QStringView> m_references;
    std::vector<TextLine> m_lines;
    // Lines the loader stored split at their first blank (before the file's first "--"), put back together.
    std::vector<QString> m_joined;
    Part m_part = Part::Verse;
    int m_verse = 0;
    bool m_credits = true;
    int m_next = 0;
};
