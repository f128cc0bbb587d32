// SPDX-License-Identifier: GPL-3.0-or-later
// A lectionary table's rows as lines of Lectionary.txt: the day's name read from one column, the year letters from
// another, the readings joined from any number of others, and each row that cannot be used named with its number
// and why.
#pragma once

#include "calendar/lectionarymerge.h"
#include "plan/booktable.h"
#include "plan/importtable.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace Calendar {
class DayNames;
}

namespace Plan {

// Which column holds what, counted from 0; -1 for none.
struct ImportColumns {
    int day = -1;
    int year = -1; // none: every line serves every year, unless the day's cell ends in its year letter
    QList<int> readings;
    friend bool operator==(const ImportColumns &, const ImportColumns &) = default;
};

struct ImportNote {
    int row = 0;          // as a spreadsheet numbers it, from 1
    QString reason;       // "“Advent 9” is not a day of the church year"
    bool leftOut = false; // the row gives no line; else it was used, and the note says what of it was not read
};

class LectionaryImport {
public:
    // The columns the cells say they hold: the day's names where most cells name a day (in English or in the
    // language shown, shown may be null), the year letters where nearly all cells are such, and the readings where
    // at least half the cells read wholly as scripture references.
    static ImportColumns guessColumns(const ImportTable &table, const BookTable &books,
                                      const Calendar::DayNames *shown);

    // Reads every row with the columns given. The first row is taken for the headings when its day's cell names no
    // day and its readings no chapter or verse (a heading may be "Psalm"). A row whose day's cell is empty is for the
    // day of the row above (a table that names each day once, over its years). Year cells may give one letter or more
    // ("Year B", "A, C", "ABC"; all three, or an empty cell, is every year); a row gives a line for each. The lines
    // name their days as the program writes them in English (Calendar::writtenName, in style), which Lectionary.txt is
    // read in whatever language is shown. A second row for a day and year is left out.
    LectionaryImport(const ImportTable &table, const ImportColumns &columns, const BookTable &books,
                     const Calendar::DayNames *shown, Calendar::NamingStyle style);

    bool hasHeadings() const { return m_headings; }
    // The lines to write, in the rows' order.
    const std::vector<Calendar::LectionaryLine> &lines() const { return m_lines; }
    // For each row of the table (headings included, as an empty text), the lines it gave, joined by line breaks.
    const QStringList &written() const { return m_written; }
    const std::vector<ImportNote> &notes() const { return m_notes; }
    // Each note for the list of rows not read: "Row 12: no readings".
    QStringList noteMessages() const;
    int leftOut() const;

    // The year letters a cell gives ("B", "AC"), empty for every year; nothing when it is no year.
    static std::optional<QString> yearLetters(QStringView cell);

private:
    std::vector<Calendar::LectionaryLine> m_lines;
    QStringList m_written;
    std::vector<ImportNote> m_notes;
    bool m_headings = false;
};

} // namespace Plan
