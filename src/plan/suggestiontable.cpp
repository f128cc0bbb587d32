// SPDX-License-Identifier: GPL-3.0-or-later
// Cell texts, column comparisons and the tab-separated copy of the suggestion rows.
#include "plan/suggestiontable.h"

#include "plan/hymnnumber.h"
#include "report/tabletext.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace Plan {

namespace {

int sign(qint64 value)
{
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

int compareTexts(const QString &a, const QString &b)
{
    return sign(a.compare(b, Qt::CaseInsensitive));
}

// Default order groups: sung twice or more, sung once, never sung; without a log every row is in the first.
int groupOf(const Suggestion &row)
{
    if (row.usesEver < 0 || row.usesEver >= 2)
        return 0;
    return row.usesEver == 1 ? 1 : 2;
}

// Last sung as a number that grows with the date: unknown lowest, then never sung, then each date.
qint64 lastSungRank(const Suggestion &row)
{
    if (row.lastSung.isValid())
        return row.lastSung.toJulianDay();
    return row.isNew() ? std::numeric_limits<qint64>::min() + 1 : std::numeric_limits<qint64>::min();
}

// Days since: unknown lowest, then each count, then never sung as the longest of all.
qint64 daysSinceRank(const Suggestion &row)
{
    if (row.isNew())
        return std::numeric_limits<qint64>::max();
    return row.daysSince;
}

bool isNumeric(Column column)
{
    return column == Column::UsesLast12 || column == Column::UsesEver || column == Column::DaysSince;
}

// The column headings of the Suggest Hymns list, in the order of Column.
constexpr const char *headings[ColumnCount] = {
    //: A column heading of the suggested hymns: the hymn's number ("#": number).
    QT_TRANSLATE_NOOP("Plan", "Hymn #"),
    //: A column heading of the suggested hymns: the hymn's title.
    QT_TRANSLATE_NOOP("Plan", "Title"),
    //: A column heading of the suggested hymns: why the hymn is suggested (the reading, the phrase or the meter it
    //: matched).
    QT_TRANSLATE_NOOP("Plan", "Why"),
    //: A column heading of the suggested hymns: the hymn's meter.
    QT_TRANSLATE_NOOP("Plan", "Meter"),
    //: A column heading of the suggested hymns: how often the log has the hymn in the last 12 months.
    QT_TRANSLATE_NOOP("Plan", "Last 12 months"),
    //: A column heading of the suggested hymns: how often the log has the hymn at all (a noun).
    QT_TRANSLATE_NOOP("Plan", "Uses"),
    //: A column heading of the suggested hymns: the date the hymn was last sung.
    QT_TRANSLATE_NOOP("Plan", "Last sung"),
    //: A column heading of the suggested hymns: the days since the hymn was last sung.
    QT_TRANSLATE_NOOP("Plan", "Days since"),
};

} // namespace

QStringList columnHeaders()
{
    QStringList shown;
    for (const char *heading : headings)
        shown.append(QCoreApplication::translate("Plan", heading));
    return shown;
}

bool isNumericColumn(Column column)
{
    return isNumeric(column);
}

QString neverSungText()
{
    //: The last sung date of a suggested hymn the log never used.
    return QCoreApplication::translate("Plan", "new");
}

QString cellText(const Suggestion &row, Column column)
{
    return cellText(row, column, row.isNew() && column == Column::LastSung ? neverSungText() : QString());
}

QString cellText(const Suggestion &row, Column column, const QString &neverSung)
{
    const auto count = [](int value) { return value < 0 ? QString() : QString::number(value); };
    switch (column) {
    case Column::Number:
        return row.number;
    case Column::Title:
        return row.title;
    case Column::Reason:
        return row.reason;
    case Column::Meter:
        return row.meter;
    case Column::UsesLast12:
        return count(row.usesLast12);
    case Column::UsesEver:
        return count(row.usesEver);
    case Column::LastSung:
        if (row.isNew())
            return neverSung;
        return row.lastSung.isValid() ? row.lastSung.toString(u"yyyy-MM-dd"_s) : QString();
    case Column::DaysSince:
        return count(row.daysSince);
    }
    return QString();
}

int compareDefault(const Suggestion &a, const Suggestion &b)
{
    if (const int byGroup = groupOf(a) - groupOf(b))
        return sign(byGroup);
    if (groupOf(a) < 2 && a.usesEver >= 0) {
        // Longest unsung first; uses without a date know no day to count from and come after.
        const qint64 x = a.daysSince < 0 ? -1 : a.daysSince, y = b.daysSince < 0 ? -1 : b.daysSince;
        if (x != y)
            return x > y ? -1 : 1;
    }
    if (const int byNumber = compareNumbers(a.number, b.number))
        return byNumber;
    return compareTexts(a.title, b.title);
}

int compareRows(const Suggestion &a, const Suggestion &b, Column column)
{
    int order = 0;
    switch (column) {
    case Column::Number:
        order = compareNumbers(a.number, b.number);
        break;
    case Column::Title:
        order = compareTexts(a.title, b.title);
        break;
    case Column::Reason:
        order = compareTexts(a.reason, b.reason);
        break;
    case Column::Meter:
        order = compareTexts(a.meter, b.meter);
        break;
    case Column::UsesLast12:
        order = sign(qint64(a.usesLast12) - b.usesLast12);
        break;
    case Column::UsesEver:
        order = sign(qint64(a.usesEver) - b.usesEver);
        break;
    case Column::LastSung:
        order = lastSungRank(a) < lastSungRank(b) ? -1 : (lastSungRank(a) > lastSungRank(b) ? 1 : 0);
        break;
    case Column::DaysSince:
        order = daysSinceRank(a) < daysSinceRank(b) ? -1 : (daysSinceRank(a) > daysSinceRank(b) ? 1 : 0);
        break;
    }
    return order != 0 ? order : compareDefault(a, b);
}

void sortRows(std::vector<Suggestion> &rows, Column column, Qt::SortOrder order)
{
    std::stable_sort(rows.begin(), rows.end(), [&](const Suggestion &a, const Suggestion &b) {
        const int byColumn = compareRows(a, b, column);
        return order == Qt::AscendingOrder ? byColumn < 0 : byColumn > 0;
    });
}

QString copyText(const std::vector<Suggestion> &rows)
{
    QList<QStringList> records{columnHeaders()};
    records.reserve(qsizetype(rows.size()) + 1);
    const QString neverSung = neverSungText();
    for (const Suggestion &row : rows) {
        QStringList cells;
        for (int c = 0; c < ColumnCount; ++c)
            cells.append(cellText(row, static_cast<Column>(c), neverSung));
        records.append(cells);
    }
    // Counts and dates are made here, never read from the file: only the texts need guarding.
    static const QList<int> textColumns{int(Column::Number), int(Column::Title), int(Column::Reason),
                                        int(Column::Meter)};
    return Report::tsvOf(records, textColumns);
}

} // namespace Plan
