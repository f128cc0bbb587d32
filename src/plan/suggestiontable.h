// SPDX-License-Identifier: GPL-3.0-or-later
// The suggestion rows as the window shows, sorts and copies them: one text per cell, one comparison per column.
#pragma once

#include "plan/suggestions.h"

#include <QString>
#include <QStringList>
#include <Qt>

#include <vector>

namespace Plan {

enum class Column { Number, Title, Reason, Meter, UsesLast12, UsesEver, LastSung, DaysSince };
constexpr int ColumnCount = 8;

// "Hymn #", "Title", "Why", "Meter", "Last 12 months", "Uses", "Last sung", "Days since", in the language shown.
QStringList columnHeaders();

// The counts and days, right-aligned in the window.
bool isNumericColumn(Column column);

// What a cell shows: counts and days in plain digits, dates as yyyy-MM-dd, neverSung as the last sung date of a
// hymn the log never used, empty for what is unknown.
QString cellText(const Suggestion &row, Column column, const QString &neverSung);
// The same with the word neverSungText gives, looked up for the one cell.
QString cellText(const Suggestion &row, Column column);
// "new", in the language shown: what the last sung column shows for a hymn the log never used. Looked up once for
// a list of rows.
QString neverSungText();

// Less than zero when a comes before b in ascending order of the column: numbers by value (Plan::compareNumbers),
// texts in any case, counts as numbers, dates as dates. Unknown counts and dates come before every known one; a
// hymn never sung counts as sung longest ago. Equal cells fall back to the default order, so no two different
// rows compare equal.
int compareRows(const Suggestion &a, const Suggestion &b, Column column);

// The order the rows are first listed in: hymns sung at least twice, longest unsung first; then hymns sung once,
// longest unsung first; then hymns never sung, by number. Within the first two, uses without a date come after the
// dated ones. Without a log: by number.
int compareDefault(const Suggestion &a, const Suggestion &b);

void sortRows(std::vector<Suggestion> &rows, Column column, Qt::SortOrder order);

// A tab-separated copy with the header row, as Report::tsvOf writes it: one line per row ending in "\n", the cells
// as cellText gives them, the hymnal's texts (number, title, reason, meter) guarded against spreadsheet formulas.
QString copyText(const std::vector<Suggestion> &rows);

} // namespace Plan
