// SPDX-License-Identifier: GPL-3.0-or-later
// Importing a lectionary's table: CSV, tab-separated and HTML tables read into cells, the columns guessed, the rows
// turned into Lectionary.txt lines with the rows not used named, and the lines merged into a file's bytes with the
// rest kept byte for byte.
#include "calendar/dayname.h"
#include "calendar/lectionaryfile.h"
#include "calendar/lectionarymerge.h"
#include "plan/importtable.h"
#include "plan/lectionaryimport.h"

#include <QStringEncoder>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Plan::ImportColumns)

namespace {

// "a|b / c|d": the cells of each row.
QString describe(const Plan::ImportTable &table)
{
    QStringList rows;
    for (const QStringList &row : table.rows())
        rows.append(row.join(u'|'));
    return rows.join(u" / "_s);
}

Plan::ImportTable tableOf(const QString &text)
{
    return text.startsWith(u'<') ? Plan::ImportTable::fromHtml(text) : Plan::ImportTable::fromText(text);
}

Calendar::LectionaryLine lineOf(const QString &text)
{
    const Calendar::LectionaryFile read = Calendar::LectionaryFile::read(text.toUtf8());
    const Calendar::LectionaryEntry &entry = read.table().entries().at(0);
    return {entry.day, entry.year, text};
}

} // namespace

class TestImport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tables_data()
    {
        QTest::addColumn<QString>("input"); // HTML when it begins with "<"
        QTest::addColumn<QString>("cells");

        QTest::newRow("CSV: quotes, doubled quotes, a line break in a cell")
            << u"Day,Readings\r\n\"Advent 1\",\"Isaiah 64:1-9, 10; \"\"x\"\"\nMark 13\"\r\n"_s
            << u"Day|Readings / Advent 1|Isaiah 64:1-9, 10; \"x\" Mark 13"_s;
        // The continent's spreadsheets separate by semicolons, as their numbers hold the comma.
        QTest::newRow("semicolon CSV") << u"Tag;Lesung\nAdvent 1;Jes 61,1-2a.10-11\nAdvent 2;Lk 1,26\n"_s
                                       << u"Tag|Lesung / Advent 1|Jes 61,1-2a.10-11 / Advent 2|Lk 1,26"_s;
        QTest::newRow("comma CSV with semicolons quoted")
            << u"Day,Readings\nAdvent 1,\"Isaiah 1; Psalm 2\"\nAdvent 2,\"Isaiah 3; Psalm 4\"\n"_s
            << u"Day|Readings / Advent 1|Isaiah 1; Psalm 2 / Advent 2|Isaiah 3; Psalm 4"_s;
        QTest::newRow("tab-separated, a quoted cell as spreadsheets copy one")
            << u"Advent 1\t\"Isaiah 64\nPsalm 80\"\tMark 13\nAdvent 2\tIsaiah 40\n"_s
            << u"Advent 1|Isaiah 64 Psalm 80|Mark 13 / Advent 2|Isaiah 40|"_s;
        QTest::newRow("blank rows: kept between, dropped at the end") << u"a,b\n\nc,d\n\n\n"_s << u"a|b / | / c|d"_s;
        QTest::newRow("HTML: entities, line breaks, style, comments, nbsp")
            << u"<html><style>td{color:red}</style><table><tr><td>Advent&nbsp;1</td><td class=\"x>y\">"
               "Isa&iacute;as 64,1<br>Sal 80 &amp; &#8211; &#x2014;</td></tr><!-- <tr><td>x</td></tr> --></table>"_s
            << u"Advent 1|Isaías 64,1 Sal 80 & – —"_s;
        QTest::newRow("HTML: a day spanning its years, a cell spanning columns")
            << u"<table><tr><th rowspan=3>Advent 1</th><td>A</td><td>Isaiah 2</td></tr><tr><td>B</td>"
               "<td>Isaiah 64</td></tr><tr><td colspan='2'>Jeremiah 33</td></tr></table>"_s
            << u"Advent 1|A|Isaiah 2 / Advent 1|B|Isaiah 64 / Advent 1|Jeremiah 33|Jeremiah 33"_s;
        QTest::newRow("HTML: the table of most rows, past a layout table and a nested one")
            << u"<table><tr><td><table><tr><td>Home</td></tr></table><table><tr><td>Advent 1</td><td>Isaiah 2"
               "</td></tr><tr><td>Advent 2</td><td>Isaiah 11</td></tr></table></td></tr></table>"_s
            << u"Advent 1|Isaiah 2 / Advent 2|Isaiah 11"_s;
        QTest::newRow("HTML cut off inside a cell") << u"<table><tr><td>Advent 1<td>Isaiah"_s << u"Advent 1|Isaiah"_s;
        QTest::newRow("HTML without a table") << u"<p>Advent 1</p>"_s << QString();
    }

    void tables()
    {
        QFETCH(QString, input);
        QTEST(describe(tableOf(input)), "cells");
    }

    void guess_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<Plan::ImportColumns>("columns");
        // A date column (March reads as Mark), a colour, the years and a heading above each.
        QTest::newRow("the usual columns among others")
            << u"Date\tSunday\tColour\tYear\tFirst\tPsalm\tGospel\n"
               "Mar 3, 2024\tLent 3\tPurple\tB\tExodus 20:1-17\tPsalm 19\tJohn 2:13-22\n"
               "Mar 10, 2024\tLent 4\tPurple\tB\tNumbers 21:4-9\tPsalm 107:1-3, 17-22\tJohn 3:14-21\n"
               "Mar 17, 2024\tLent 5\tPurple\tB\tJeremiah 31:31-34\tPsalm 51:1-12\tJohn 12:20-33\n"_s
            << Plan::ImportColumns{1, 3, {4, 5, 6}};
        QTest::newRow("the year in the day's cell, continental readings")
            << u"3. Sonntag;Advent 3 B;Jes 61,1-2a.10-11;Joh 1,6-8.19-28\n"_s << Plan::ImportColumns{1, -1, {2, 3}};
    }

    void guess()
    {
        QFETCH(QString, table);
        QTEST(Plan::LectionaryImport::guessColumns(tableOf(table), Plan::BookTable(), nullptr), "columns");
    }

    void rows_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<Plan::ImportColumns>("columns");
        QTest::addColumn<int>("style");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("notes"); // "-" before one whose row gave no line

        const Plan::ImportColumns dayYearTwo{0, 1, {2, 3}};
        const int proper = int(Calendar::NamingStyle::Proper);
        // A heading that names a book alone is still a heading; a day's name written as the program writes it.
        QTest::newRow("headings, names as the program writes them")
            << u"Day,Year,Reading,Psalm\nDay of Pentecost,A,Acts 2:1-21,Psalm 104:24-34\n"_s << dayYearTwo << proper
            << QStringList{u"Pentecost A: Acts 2:1-21; Psalm 104:24-34"_s} << QStringList{};
        QTest::newRow("in the Roman Rite's words")
            << u"Advent 1,B,Isaiah 63:16b-17,\n"_s << dayYearTwo << int(Calendar::NamingStyle::Roman)
            << QStringList{u"First Sunday of Advent B: Isaiah 63:16b-17"_s} << QStringList{};
        // A table that names the day once over its years; a row of another kind ends the day.
        QTest::newRow("the day of the row above")
            << u"Advent 1,A,Isaiah 2:1-5,\n,B,Isaiah 64:1-9,\nSeason after Epiphany,,,\n,C,Jeremiah 33,\n"_s
            << dayYearTwo << proper << QStringList{u"Advent 1 A: Isaiah 2:1-5"_s, u"Advent 1 B: Isaiah 64:1-9"_s}
            << QStringList{u"-3 “Season after Epiphany” is not a day of the church year"_s, u"-4 no day's name"_s};
        QTest::newRow("year cells")
            << u"Advent 1,ABC,Isaiah 2,\nAdvent 2,\"A, C\",Isaiah 11,\nAdvent 3,Lesejahr B,Isaiah 61,\n"
               "Advent 4,2024,Isaiah 7,\nChristmas 1,,Isaiah 61:10,\nEpiphany,all,Isaiah 60,\n"_s
            << dayYearTwo << proper
            << QStringList{u"Advent 1: Isaiah 2"_s,    u"Advent 2 A: Isaiah 11"_s,     u"Advent 2 C: Isaiah 11"_s,
                           u"Advent 3 B: Isaiah 61"_s, u"Christmas 1: Isaiah 61:10"_s, u"Epiphany: Isaiah 60"_s}
            << QStringList{u"-4 “2024” is not a year letter (A, B or C)"_s};
        QTest::newRow("the year after the day's name, none chosen")
            << u"Advent 3 B,Isaiah 61,\nLent 1 (A),Genesis 2,\n"_s << Plan::ImportColumns{0, -1, {1}} << proper
            << QStringList{u"Advent 3 B: Isaiah 61"_s, u"Lent 1 A: Genesis 2"_s} << QStringList{};
        QTest::newRow("rows not used, or not read in full")
            << u"Advent 1,A,Isaiah 2,\nAdvent 1,A,Isaiah 3,\nAdvent 2,A,,\nAdvent 3,A,Isaiah 35 #1,\n"
               "Advent 4,A,Hez 1,Matthew 1:18-25\n"_s
            << dayYearTwo << proper << QStringList{u"Advent 1 A: Isaiah 2"_s, u"Advent 4 A: Hez 1; Matthew 1:18-25"_s}
            << QStringList{u"-2 Advent 1 A is in row 1 already"_s, u"-3 no readings"_s,
                           u"-4 a “#” in the readings would begin a comment in Lectionary.txt"_s,
                           u"5 Could not read the reference \"Hez 1\"."_s};
    }

    void rows()
    {
        QFETCH(QString, table);
        QFETCH(Plan::ImportColumns, columns);
        QFETCH(int, style);
        const Plan::LectionaryImport import(tableOf(table), columns, Plan::BookTable(), nullptr,
                                            Calendar::NamingStyle(style));
        QStringList lines, notes;
        for (const Calendar::LectionaryLine &line : import.lines()) {
            lines.append(line.text);
            // Each line reads back as the day and year it was made for.
            const Calendar::LectionaryLine read = lineOf(line.text);
            QVERIFY2(read.day == line.day && read.year == line.year, qPrintable(line.text));
        }
        for (const Plan::ImportNote &note : import.notes())
            notes.append((note.leftOut ? u"-"_s : QString()) + QString::number(note.row) + u' ' + note.reason);
        QTEST(lines, "lines");
        QTEST(notes, "notes");
    }

    void merge_data()
    {
        QTest::addColumn<QByteArray>("file"); // null: none
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QByteArray>("merged");
        QTest::addColumn<QStringList>("replaced"); // "12: was -> now"

        const QStringList advent3{u"Advent 3 B: Isaiah 61:1-4"_s, u"Advent 4 B: 2 Samuel 7"_s};
        QTest::newRow("a new file") << QByteArray() << advent3
                                    << "Advent 3 B: Isaiah 61:1-4\nAdvent 4 B: 2 Samuel 7\n"_ba << QStringList{};
        // Comments, blank lines, a line not read and other days stay as their bytes were; the first line for the
        // day and year takes the new text, a second one goes.
        QTest::newRow("merged, the rest byte for byte")
            << "# Ours \t\r\n\r\nAdvent 3 B: Zeph 3 # old\r\nnot a line\r\nAdvent 3: Isaiah 35\r\n"
               "advent 3 b: Isaiah 1\r\n"_ba
            << advent3
            << "# Ours \t\r\n\r\nAdvent 3 B: Isaiah 61:1-4\r\nnot a line\r\nAdvent 3: Isaiah 35\r\n"
               "Advent 4 B: 2 Samuel 7\r\n"_ba
            << QStringList{u"3: Advent 3 B: Zeph 3 # old -> Advent 3 B: Isaiah 61:1-4"_s,
                           u"6: advent 3 b: Isaiah 1 -> "_s};
        QTest::newRow("no line end at the end") << "Advent 1 B: Isaiah 64"_ba << advent3
                                                << "Advent 1 B: Isaiah 64\nAdvent 3 B: Isaiah 61:1-4\n"
                                                   "Advent 4 B: 2 Samuel 7\n"_ba
                                                << QStringList{};
        QTest::newRow("lone CR line ends") << "# x\rAdvent 4 B: Luke 1\r"_ba << advent3
                                           << "# x\rAdvent 4 B: 2 Samuel 7\rAdvent 3 B: Isaiah 61:1-4\r"_ba
                                           << QStringList{u"2: Advent 4 B: Luke 1 -> Advent 4 B: 2 Samuel 7"_s};
        QTest::newRow("a byte-order mark kept") << "\xEF\xBB\xBF# x\n"_ba << QStringList{u"Lent 1: Gen 2"_s}
                                                << "\xEF\xBB\xBF# x\nLent 1: Gen 2\n"_ba << QStringList{};
        QTest::newRow("Windows-1252") << "# M\xFCller\n"_ba << QStringList{u"Lent 1: Génesis 2"_s}
                                      << "# M\xFCller\nLent 1: G\xE9nesis 2\n"_ba << QStringList{};
        QStringEncoder utf16(QStringConverter::Utf16LE);
        QTest::newRow("UTF-16") << "\xFF\xFE"_ba + QByteArray(utf16(u"# x\r\n"_s)) << QStringList{u"Lent 1: Gen 2"_s}
                                << "\xFF\xFE"_ba + QByteArray(utf16(u"# x\r\nLent 1: Gen 2\r\n"_s)) << QStringList{};
        QTest::newRow("already there") << "Lent 1: Gen 2\n"_ba << QStringList{u"Lent 1: Gen 2"_s}
                                       << "Lent 1: Gen 2\n"_ba << QStringList{};
    }

    void merge()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, lines);
        std::vector<Calendar::LectionaryLine> given;
        for (const QString &line : lines)
            given.push_back(lineOf(line));
        const Calendar::LectionaryMerge merged = Calendar::LectionaryMerge::merge(file, !file.isNull(), given);
        QVERIFY2(merged.error().isEmpty(), qPrintable(merged.error()));
        QTEST(merged.bytes(), "merged");
        QStringList replaced;
        for (const Calendar::ReplacedLine &line : merged.replaced())
            replaced.append(u"%1: %2 -> %3"_s.arg(line.line).arg(line.was, line.now));
        QTEST(replaced, "replaced");
        QCOMPARE(merged.isUnchanged(), merged.bytes() == file);
    }

    // A character the file's encoding has no byte for is refused, naming it, and nothing is made of the file.
    void unwritable()
    {
        const Calendar::LectionaryMerge merged =
            Calendar::LectionaryMerge::merge("# M\xFCller\n"_ba, true, {lineOf(u"Lent 1: Psalm 23 \u2192 24"_s)});
        QVERIFY(merged.bytes().isEmpty());
        QVERIFY2(merged.error().contains(u"Windows-1252"_s) && merged.error().contains(u"“\u2192”"_s),
                 qPrintable(merged.error()));
    }
};

QTEST_GUILESS_MAIN(TestImport)
#include "tst_core_import.moc"
