// SPDX-License-Identifier: GPL-3.0-or-later
// One hymn, one count: which hymn a log line or a typed number stands for, and the same uses of it in the usage
// report, Suggest Hymns and Add Service's marks, in every window of dates they count in.
#include "logbook/planner.h"
#include "plan/suggestions.h"
#include "report/usagereport.h"
#include "store/hymnfileloader.h"
#include "store/hymnkey.h"

#include <QLocale>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

EntryStore storeOf(const QByteArray &bytes)
{
    EntryStore store;
    HymnFileLoader::loadBytes(bytes, u"test.txt"_s, store);
    return store;
}

// "14" for a number's key, "'AMAZING GRACE'" for a whole line's, "-" for none.
QString describe(const HymnKey &key)
{
    if (key.isEmpty())
        return u"-"_s;
    return key.isNumber() ? key.text() : u"'%1'"_s.arg(key.text());
}

// Hymn 14 under every spelling the log has for it, each in a service of its own, and twice in one service; PS23
// in either case; a hymn without a number; a service without a date; a line of one word. The latest service is
// Jan 7, 2024.
const QByteArray kLog = "Jan 7, 2024\n014 Alpha Hymn\nAmazing Grace\nPS23 The Lord's My Shepherd\n\n"
                        "Dec 24, 2023\n#14 Alpha Hymn\nps23 Shepherd\nOffertory\n#14 Alpha Hymn\n\n"
                        "Oct 1, 2023\n14* Alpha Hymn\n\n"
                        "Mar 3, 2023\n14(2) Alpha Hymn\namazing grace\n\n"
                        "Jan 7, 2023\n14 Alpha Hymn\nPS23 Shepherd\n\n"
                        "Christmas Eve\n14 Alpha Hymn\nAmazing Grace\n";

const QByteArray kHymnal = "14 Alpha Hymn\n%C.M.\n--\nAlpha line\n\n"
                           "PS23 The Lord's My Shepherd\n%C.M.\n--\nThe Lord's my shepherd\n\n"
                           "Amazing Grace\n%C.M.\n--\nAmazing grace, how sweet the sound\n";

} // namespace

class TestHymnKey : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void keys_data()
    {
        QTest::addColumn<QString>("tag");  // a log line's first word, or a number typed
        QTest::addColumn<QString>("text"); // the rest of the line; "=" for a number typed (ofNumber)
        QTest::addColumn<QString>("key");

        QTest::newRow("bare") << u"14"_s << u"Alpha"_s << u"14"_s;
        QTest::newRow("leading zero") << u"014"_s << u"Alpha"_s << u"14"_s;
        QTest::newRow("hash") << u"#14"_s << u"Alpha"_s << u"14"_s;
        QTest::newRow("star") << u"14*"_s << u"Alpha"_s << u"14"_s;
        QTest::newRow("part") << u"14(2)"_s << u"Alpha"_s << u"14"_s;
        // The tally cuts at the later of two marks ("12*"); the key at the first.
        QTest::newRow("both marks") << u"12*(2)"_s << u"Alpha"_s << u"12"_s;
        QTest::newRow("closing dot") << u"12."_s << u"Alpha"_s << u"12"_s;
        QTest::newRow("zero alone") << u"00"_s << u"Alpha"_s << u"0"_s;
        QTest::newRow("letters first") << u"ps23"_s << u"Shepherd"_s << u"PS23"_s;
        QTest::newRow("letter after") << u"12a"_s << u"Alpha"_s << u"12A"_s;
        QTest::newRow("no digit") << u"Amazing"_s << u"Grace"_s << u"'AMAZING GRACE'"_s;
        QTest::newRow("no digit, not ASCII") << u"Großer"_s << u"Gott"_s << u"'GROSSER GOTT'"_s;
        QTest::newRow("no digit, no title") << u"Anthem"_s << QString() << u"'ANTHEM'"_s;
        QTest::newRow("digit only in the mark") << u"(1)"_s << u"Gloria"_s << u"'(1) GLORIA'"_s;
        // The line began with a blank: its first word is empty.
        QTest::newRow("line began blank") << u" "_s << u"14 Alpha"_s << u"'14 ALPHA'"_s;
        QTest::newRow("one word") << QString() << u"Offertory"_s << u"-"_s;
        QTest::newRow("one number alone") << QString() << u"12"_s << u"-"_s;

        QTest::newRow("typed with blanks") << u" # 0099b "_s << u"="_s << u"99B"_s;
        QTest::newRow("typed mark") << u"#014(2)"_s << u"="_s << u"14"_s;
        QTest::newRow("typed word") << u"Doxology"_s << u"="_s << u"'DOXOLOGY'"_s;
        QTest::newRow("typed hash alone") << u"#"_s << u"="_s << u"-"_s;
    }

    void keys()
    {
        QFETCH(QString, tag);
        QFETCH(QString, text);
        QTEST(describe(text == u"=" ? HymnKey::ofNumber(tag) : HymnKey::ofLine(tag, text)), "key");
    }

    // The same log counted by the three windows, as of a day: the twelve months up to it, every service up to
    // it (undated ones too), and the latest dated one.
    void sameCountEverywhere_data()
    {
        QTest::addColumn<QString>("hymn"); // a line of the hymnal, as a log would write it
        QTest::addColumn<QDate>("reference");
        QTest::addColumn<int>("last12");
        QTest::addColumn<int>("ever");
        QTest::addColumn<QDate>("lastSung");

        const QDate latest(2024, 1, 7);
        // Jan 7, 2023 is a year to the day before the latest service, out of its twelve months, and in those of the
        // day before.
        QTest::newRow("14, to the latest service") << u"14 Alpha Hymn"_s << latest << 4 << 6 << latest;
        QTest::newRow("14, the day before")
            << u"14 Alpha Hymn"_s << latest.addDays(-1) << 4 << 5 << QDate(2023, 12, 24);
        QTest::newRow("PS23") << u"PS23 The Lord's My Shepherd"_s << latest << 2 << 3 << latest;
        QTest::newRow("no number") << u"Amazing Grace"_s << latest << 2 << 3 << latest;
        QTest::newRow("no number, the day before")
            << u"Amazing Grace"_s << latest.addDays(-1) << 1 << 2 << QDate(2023, 3, 3);
    }

    void sameCountEverywhere()
    {
        QFETCH(QString, hymn);
        QFETCH(QDate, reference);
        QFETCH(int, last12);
        QFETCH(int, ever);
        QFETCH(QDate, lastSung);
        const EntryStore log = storeOf(kLog);
        const qsizetype space = hymn.indexOf(u' ');
        const HymnKey key = HymnKey::ofLine(hymn.first(space), hymn.sliced(space + 1));

        const Plan::SuggestResult suggested =
            Plan::suggest(storeOf(kHymnal), &log, {.meter = u"C.M."_s, .referenceDate = reference}, Plan::BookTable());
        const auto row = std::find_if(suggested.rows.begin(), suggested.rows.end(), [&](const Plan::Suggestion &r) {
            return HymnKey::ofLine(r.number, r.title) == key;
        });
        QVERIFY(row != suggested.rows.end());
        QCOMPARE(row->usesLast12, last12);
        QCOMPARE(row->usesEver, ever);
        QCOMPARE(row->lastSung, lastSung);

        const auto reported = [&](Report::DateRange range) {
            const Report::ReportResult report = Report::buildReport(log, {{}, range, true});
            // A row without a number shows the line's whole text as its title.
            const auto found = std::find_if(report.rows.begin(), report.rows.end(), [&](const Report::ReportRow &r) {
                const qsizetype space = r.title.indexOf(u' ');
                return (r.number.isEmpty() && space > 0
                            ? HymnKey::ofLine(r.title.first(space), r.title.sliced(space + 1))
                            : HymnKey::ofLine(r.number, r.title)) == key;
            });
            return found == report.rows.end() ? Report::ReportRow{} : *found;
        };
        const Report::ReportRow year = reported(Report::presetRange(Report::Preset::Last12Months, reference));
        QCOMPARE(year.uses, last12);
        QCOMPARE(year.lastUsed, lastSung);
        // The report counts every service of the file: as of a day before the latest it has no "ever".
        if (reference >= Report::serviceSpan(log).latest)
            QCOMPARE(reported({}).uses, ever);

        // Add Service marks a hymn by the number typed: a hymn without one has none to type.
        if (key.isNumber()) {
            const Logbook::HymnMarks marks =
                Logbook::Planner(log).marks(HymnKey::ofNumber(hymn.first(space)), reference);
            QCOMPARE(marks.usesInYear, last12);
            QCOMPARE(marks.lastSung, lastSung);
        }
    }
};

QTEST_GUILESS_MAIN(TestHymnKey)
#include "tst_core_hymnkey.moc"
