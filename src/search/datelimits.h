// SPDX-License-Identifier: GPL-3.0-or-later
// The limit box: reading a "<" or ">" date limit, testing one entry's head line against it, and the closing
// full stop that verse-file head lines may carry.
#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <optional>

namespace Search {

// How a limit text is applied to head lines.
enum class LimitKind {
    Phrase,    // the text is looked for in the head line, any case
    Before,    // "<": keep entries dated strictly before the limit date
    OnOrAfter, // ">": keep entries dated on or after the limit date
};

// The limit box as read once per search or tally.
struct DateLimit {
    LimitKind kind = LimitKind::Phrase;
    QString text; // the limit date for Before and OnOrAfter, else the phrase
};

// Reads the limit box. For "<" or ">" the sign is dropped and the rest trimmed, and a year of this century ("2019")
// becomes "Jan 1, 2019"; the text keeps that rewritten form even when it then turns out not to be a date, in which
// case the kind is Phrase.
DateLimit IsGtLt(const QString &Filter);

// True when the entry whose head line is whenDate falls outside the limit and is to be LEFT OUT; false keeps it.
// In a verse file the limit is always a title phrase, whatever its kind. Under a date limit an entry whose own date
// cannot be read is left out.
bool ChkGtLt(bool verseFile, const QString &whenDate, const DateLimit &limit);

// The date of a usage-file head line as the limit box reads it: the whole line, or failing that its month, day,
// comma and four-digit year, so that a remark after the year ("May 5, 2019 Easter") does not hide the date.
std::optional<QDate> headDate(const QString &whenDate);

// item without one closing "." (verse-file head lines carry one on a verse's first line, month names may too).
QStringView DropDot(QStringView item);
// The same rule for a QString; an item without the dot comes back shared, not copied.
QString DropDot(const QString &item);

} // namespace Search
