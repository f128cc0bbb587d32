// SPDX-License-Identifier: GPL-3.0-or-later
// Harness: a table (HTML when it begins with "<", else CSV or tab-separated text) NUL switches NUL the bytes of a
// Lectionary.txt — the table readers, the guessed and the switched columns, the lines made of the rows and their
// merge into the file.
#include "calendar/lectionaryfile.h"
#include "calendar/lectionarymerge.h"
#include "fuzzcheck.h"
#include "fuzzinput.h"
#include "plan/importtable.h"
#include "plan/lectionaryimport.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

void checkTable(const Plan::ImportTable &table)
{
    FUZZ_CHECK(table.rows().size() <= Plan::ImportTable::MaxRows);
    FUZZ_CHECK(table.columnCount() <= Plan::ImportTable::MaxColumns);
    for (const QStringList &row : table.rows()) {
        FUZZ_CHECK(row.size() == table.columnCount());
        for (const QString &cell : row)
            FUZZ_CHECK(cell == cell.simplified() && cell.size() <= Plan::ImportTable::MaxCellChars);
    }
    // No blank row at the end.
    if (!table.isEmpty())
        FUZZ_CHECK(!table.rows().back().join(QString()).isEmpty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const QString text = input.takeText();
    const quint8 flags = input.takeFlags();
    const QByteArray file = input.takeBytes();

    const Plan::ImportTable table =
        text.startsWith(u'<') ? Plan::ImportTable::fromHtml(text) : Plan::ImportTable::fromText(text);
    checkTable(table);
    const Plan::BookTable books;
    Plan::ImportColumns columns = Plan::LectionaryImport::guessColumns(table, books, nullptr);
    const int width = table.columnCount();
    FUZZ_CHECK(columns.day >= -1 && columns.day < width && columns.year >= -1 && columns.year < width);
    for (int column : columns.readings)
        FUZZ_CHECK(column >= 0 && column < width && column != columns.day && column != columns.year);
    // Columns the user might choose instead, out of range ones included.
    if (flags & 0x01)
        columns.day = (flags >> 4) - 1;
    if (flags & 0x02)
        columns.readings.append((flags >> 2) & 0x03);
    if (flags & 0x04)
        columns.year = -1;

    const Plan::LectionaryImport import(table, columns, books, nullptr, Calendar::NamingStyle((flags >> 5) % 5));
    FUZZ_CHECK(import.written().size() == table.rows().size());
    for (const Plan::ImportNote &note : import.notes())
        FUZZ_CHECK(note.row >= 1 && note.row <= table.rows().size() && !note.reason.isEmpty());
    FUZZ_CHECK(import.noteMessages().size() == qsizetype(import.notes().size()));
    // Each line reads back, alone, as the day and year it was made for, with its readings.
    for (const Calendar::LectionaryLine &line : import.lines()) {
        FUZZ_CHECK(!line.text.contains(u'\n') && !line.text.contains(u'\r') && !line.text.contains(u'#'));
        const Calendar::LectionaryFile read = Calendar::LectionaryFile::read(line.text.toUtf8());
        FUZZ_CHECK(read.problems().empty() && read.table().entries().size() == 1);
        const Calendar::LectionaryEntry &entry = read.table().entries().front();
        FUZZ_CHECK(entry.day == line.day && entry.year == line.year);
    }

    // Merged, the file has every line; merged again, nothing changes.
    const Calendar::LectionaryMerge merged = Calendar::LectionaryMerge::merge(file, !file.isEmpty(), import.lines());
    FUZZ_CHECK(merged.error().isEmpty() == !merged.bytes().isEmpty() || import.lines().empty());
    if (merged.error().isEmpty() && !import.lines().empty()) {
        const Calendar::LectionaryFile read = Calendar::LectionaryFile::read(merged.bytes());
        for (const Calendar::LectionaryLine &line : import.lines()) {
            const std::vector<Calendar::LectionaryEntry> &entries = read.table().entries();
            const auto found = std::find_if(entries.begin(), entries.end(), [&](const Calendar::LectionaryEntry &e) {
                return e.day == line.day && e.year == line.year;
            });
            FUZZ_CHECK(found != entries.end() && line.text.endsWith(found->readings));
        }
        const Calendar::LectionaryMerge again = Calendar::LectionaryMerge::merge(merged.bytes(), true, import.lines());
        FUZZ_CHECK(again.isUnchanged() && again.bytes() == merged.bytes());
    }
    return 0;
}
