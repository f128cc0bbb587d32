// SPDX-License-Identifier: GPL-3.0-or-later
// The search over small usage and verse files: each criterion alone and in combination, continuation entries,
// reference lines, the year test of verse files and the count of distinct head lines.
#include "search/findhymns.h"
#include "search/yeartest.h"
#include "store/hymnfileloader.h"

#include <QLocale>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<EntryStore> storeFrom(const QString &text)
{
    auto store = std::make_unique<EntryStore>();
    HymnFileLoader::loadBytes(text.toUtf8(), u"test.txt"_s, *store);
    return store;
}

// The criteria are built by name so each table row says only what it sets.
struct Ask {
    Search::SearchCriteria c;
    Ask &number(const QString &t) { return c.hymnmbr = t, *this; }
    Ask &phrase(const QString &t) { return c.hymname = t, *this; }
    Ask &notTag(const QString &t) { return c.excludH = t, *this; }
    Ask &notText(const QString &t) { return c.excludT = t, *this; }
    Ask &limit(const QString &t) { return c.Filter = t, *this; }
    Ask &year(const QString &t) { return c.LimitYr = t, *this; }
    Ask &fullNumber() { return c.fullNumberOnly = true, *this; }
    Ask &titleOnly() { return c.titleOnly = true, *this; }
    Ask &ofMusic() { return c.ofMusic = true, *this; }
    Ask &refs() { return c.showRefs = true, *this; }
};

const QString usageText = uR"(Jan 6, 2019
378 Amazing Grace
12 Joyful, Joyful
112 joyful noise
^Ps 23 Psalm
14 Holy God

Dec 24, 2021 (evening)
120a Silent Night
12(2) O Come
12* Hark

May 5, 2022
378 Amazing Grace
Offertory
99 After the offertory
)"_s;

// Lines without a blank (no hymn number) at the start, between hymns, two in a row and at the end of a service,
// and a service of nothing else.
const QString wordsText = uR"(Jan 1, 2023
Prelude
100 A
Offertory
200 B
Anthem
Doxology
350 Anthem of Praise
Postlude

Jan 8, 2023
400 D

Jan 15, 2023
Communion
)"_s;

const QString jan = u"Jan 6, 2019"_s;
const QString dec = u"Dec 24, 2021 (evening)"_s;
const QString may = u"May 5, 2022"_s;

// Hymn 500 fills ten slots and goes on in a continuation entry; hymn 7 has a credits line too short for a year.
const QString verseText = uR"(378 Amazing Grace
John Newton, 1779; Music: American, 1829
--
%C.M.
(v1 Amazing grace how sweet
--
(v2 Twas grace that taught
^Luke 15
After the reference

101 Silent Night
Joseph Mohr, 1818; music: Franz Gruber, 19th cent.
--
(v1 Silent night

500 Long Hymn
Anon., 1900
--
(v1 one
two
three
four
five
six
seven
eight
Amen part
--
(v2 Amen again
last line

7 Short Credits
ab
--
(v1 Short
)"_s;

const QString grace = u"378 Amazing Grace"_s;
const QString silent = u"101 Silent Night"_s;
const QString longHymn = u"500 Long Hymn"_s;
const QString shortCredits = u"7 Short Credits"_s;
const QString newtonCredits = u"John Newton, 1779; Music: American, 1829"_s;

} // namespace

Q_DECLARE_METATYPE(Search::SearchCriteria)

class TestFindHymns : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void searchesUsageFile_data();
    void searchesUsageFile();
    void passesOverOneWordLines_data();
    void passesOverOneWordLines();
    void searchesVerseFile_data();
    void searchesVerseFile();
    void listsWholeVerseFile();
    void testsYears_data();
    void testsYears();
    void knowsWhenNothingIsAsked_data();
    void knowsWhenNothingIsAsked();
    void handlesEmptyAndOddStores();
    void listsFullStore();
    void continuationKeepsYearOutcome();

private:
    void addColumns();
    void check(const EntryStore &store);
};

void TestFindHymns::addColumns()
{
    QTest::addColumn<Search::SearchCriteria>("criteria");
    QTest::addColumn<QStringList>("heads");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("distinct");
}

void TestFindHymns::check(const EntryStore &store)
{
    QFETCH(Search::SearchCriteria, criteria);
    QFETCH(QStringList, heads);
    QFETCH(QStringList, lines);
    QFETCH(int, distinct);

    const Search::SearchResult result = Search::FindHymns(store, criteria);
    QCOMPARE(result.list1, heads);
    QCOMPARE(result.list2, lines);
    QCOMPARE(result.totalRows, int(heads.size()));
    QCOMPARE(result.distinctHeads, distinct);
}

void TestFindHymns::searchesUsageFile_data()
{
    addColumns();
    const QStringList none;

    QTest::newRow("everything, references left out")
        << Ask().c << QStringList{jan, jan, jan, dec, dec, dec, may, may}
        << QStringList{u"378 Amazing Grace"_s, u"12 Joyful, Joyful"_s,     u"112 joyful noise"_s,
                       u"120a Silent Night"_s, u"12(2) O Come"_s,          u"12* Hark"_s,
                       u"378 Amazing Grace"_s, u"99 After the offertory"_s}
        << 3;
    QTest::newRow("references shown") << Ask().refs().limit(u"<2020"_s).c << QStringList{jan, jan, jan, jan, jan}
                                      << QStringList{u"378 Amazing Grace"_s, u"12 Joyful, Joyful"_s,
                                                     u"112 joyful noise"_s, u"^Ps 23 Psalm"_s, u"14 Holy God"_s}
                                      << 1;
    QTest::newRow("line after a reference") << Ask().phrase(u"God"_s).c << none << none << 0;
    QTest::newRow("line after a shown reference")
        << Ask().phrase(u"God"_s).refs().c << QStringList{jan} << QStringList{u"14 Holy God"_s} << 1;
    QTest::newRow("number anywhere in the tag") << Ask().number(u"12"_s).c << QStringList{jan, jan, dec, dec, dec}
                                                << QStringList{u"12 Joyful, Joyful"_s, u"112 joyful noise"_s,
                                                               u"120a Silent Night"_s, u"12(2) O Come"_s, u"12* Hark"_s}
                                                << 2;
    QTest::newRow("full number only") << Ask().number(u"12"_s).fullNumber().c << QStringList{jan, dec, dec}
                                      << QStringList{u"12 Joyful, Joyful"_s, u"12(2) O Come"_s, u"12* Hark"_s} << 2;
    QTest::newRow("number any case") << Ask().number(u"120A"_s).c << QStringList{dec}
                                     << QStringList{u"120a Silent Night"_s} << 1;
    QTest::newRow("full number any case")
        << Ask().number(u"120A"_s).fullNumber().c << QStringList{dec} << QStringList{u"120a Silent Night"_s} << 1;
    QTest::newRow("phrase any case") << Ask().phrase(u"JOY"_s).c << QStringList{jan, jan}
                                     << QStringList{u"12 Joyful, Joyful"_s, u"112 joyful noise"_s} << 1;
    QTest::newRow("excluded title is case-sensitive")
        << Ask().phrase(u"joy"_s).notText(u"Joy"_s).c << QStringList{jan} << QStringList{u"112 joyful noise"_s} << 1;
    QTest::newRow("excluded number") << Ask().notTag(u"12"_s).c << QStringList{jan, may, may}
                                     << QStringList{u"378 Amazing Grace"_s, u"378 Amazing Grace"_s,
                                                    u"99 After the offertory"_s}
                                     << 2;
    QTest::newRow("on or after a year") << Ask().limit(u">2021"_s).c << QStringList{dec, dec, dec, may, may}
                                        << QStringList{u"120a Silent Night"_s, u"12(2) O Come"_s, u"12* Hark"_s,
                                                       u"378 Amazing Grace"_s, u"99 After the offertory"_s}
                                        << 2;
    QTest::newRow("before a year with a number")
        << Ask().limit(u"<2022"_s).number(u"378"_s).c << QStringList{jan} << QStringList{u"378 Amazing Grace"_s} << 1;
    QTest::newRow("before a numeric date") << Ask().limit(u"<5/5/2022"_s).number(u"378"_s).c << QStringList{jan}
                                           << QStringList{u"378 Amazing Grace"_s} << 1;
    QTest::newRow("on a numeric date") << Ask().limit(u">5/5/2022"_s).number(u"378"_s).c << QStringList{may}
                                       << QStringList{u"378 Amazing Grace"_s} << 1;
    QTest::newRow("date phrase") << Ask().limit(u"EVENING"_s).number(u"12("_s).c << QStringList{dec}
                                 << QStringList{u"12(2) O Come"_s} << 1;
    QTest::newRow("old year is a phrase") << Ask().limit(u"<1999"_s).c << none << none << 0;
    QTest::newRow("title only") << Ask().titleOnly().c << QStringList{jan, dec, may}
                                << QStringList{u"378 Amazing Grace"_s, u"120a Silent Night"_s, u"378 Amazing Grace"_s}
                                << 3;
    QTest::newRow("title only tests the first line")
        << Ask().titleOnly().number(u"12"_s).c << QStringList{dec} << QStringList{u"120a Silent Night"_s} << 1;
    QTest::newRow("title only with full number lists all")
        << Ask().titleOnly().number(u"12"_s).fullNumber().c << QStringList{jan, dec, dec}
        << QStringList{u"12 Joyful, Joyful"_s, u"12(2) O Come"_s, u"12* Hark"_s} << 2;
    QTest::newRow("a line without a number is passed over")
        << Ask().number(u"99"_s).c << QStringList{may} << QStringList{u"99 After the offertory"_s} << 1;
    QTest::newRow("nothing matches") << Ask().phrase(u"Kyrie"_s).c << none << none << 0;
}

void TestFindHymns::searchesUsageFile()
{
    const auto store = storeFrom(usageText);
    QVERIFY(!store->isVerseFile());
    check(*store);
}

void TestFindHymns::passesOverOneWordLines_data()
{
    addColumns();
    const QString first = u"Jan 1, 2023"_s, second = u"Jan 8, 2023"_s;
    QTest::newRow("every hymn") << Ask().c << QStringList{first, first, first, second}
                                << QStringList{u"100 A"_s, u"200 B"_s, u"350 Anthem of Praise"_s, u"400 D"_s} << 2;
    QTest::newRow("phrase of a one-word line")
        << Ask().phrase(u"anthem"_s).c << QStringList{first} << QStringList{u"350 Anthem of Praise"_s} << 1;
    QTest::newRow("title only") << Ask().titleOnly().c << QStringList{first, second}
                                << QStringList{u"100 A"_s, u"400 D"_s} << 2;
}

void TestFindHymns::passesOverOneWordLines()
{
    check(*storeFrom(wordsText));
}

void TestFindHymns::searchesVerseFile_data()
{
    addColumns();
    const QStringList none;
    const QString graceDot = grace + u'.';

    QTest::newRow("year equal") << Ask().year(u"1779"_s).c << QStringList{grace} << QStringList{u"1779"_s} << 1;
    QTest::newRow("year after, first year of the line")
        << Ask().year(u">1800"_s).c << QStringList{silent, longHymn} << QStringList{u"1850"_s, u"1900"_s} << 2;
    QTest::newRow("year after, music credit")
        << Ask().year(u">1800"_s).ofMusic().c << QStringList{grace, silent, longHymn}
        << QStringList{u"1829"_s, u"1850"_s, u"1900"_s} << 3;
    QTest::newRow("year before") << Ask().year(u"<1800"_s).c << QStringList{grace} << QStringList{u"1779"_s} << 1;
    // Hymn 7's credits hold no year; it must not inherit 1900 from the hymn before it.
    QTest::newRow("short credits line has no year") << Ask().year(u"<2000"_s).c << QStringList{grace, silent, longHymn}
                                                    << QStringList{u"1779"_s, u"1850"_s, u"1900"_s} << 3;
    QTest::newRow("year box of blanks is no limit")
        << Ask().year(u"  "_s).titleOnly().c << QStringList{grace, silent, longHymn, shortCredits}
        << QStringList{newtonCredits, u"Joseph Mohr, 1818; music: Franz Gruber, 19th cent."_s, u"Anon., 1900"_s,
                       u"ab"_s}
        << 4;
    QTest::newRow("year and phrase") << Ask().year(u"1779"_s).phrase(u"GRACE"_s).c << QStringList{grace, graceDot}
                                     << QStringList{u"(v1 Amazing grace how sweet"_s, u"(v2 Twas grace that taught"_s}
                                     << 1;
    QTest::newRow("year with a title limit shows the line")
        << Ask().year(u"1779"_s).limit(u"grace"_s).c << QStringList{grace} << QStringList{newtonCredits} << 1;
    QTest::newRow("year with a number shows the line")
        << Ask().year(u"1779"_s).number(u"378"_s).c << QStringList{grace} << QStringList{newtonCredits} << 1;
    QTest::newRow("title limit any case")
        << Ask().limit(u"GRACE"_s).titleOnly().c << QStringList{grace} << QStringList{newtonCredits} << 1;
    QTest::newRow("sign in a title limit is text") << Ask().limit(u"<grace"_s).c << none << none << 0;
    QTest::newRow("title only skips continuations")
        << Ask().titleOnly().number(u"500"_s).c << QStringList{longHymn} << QStringList{u"Anon., 1900"_s} << 1;
    QTest::newRow("phrase reaches continuations")
        << Ask().titleOnly().phrase(u"again"_s).c << QStringList{longHymn + u'.'} << QStringList{u"(v2 Amen again"_s}
        << 1;
    QTest::newRow("closing dot is not a new title")
        << Ask().phrase(u"amen"_s).c << QStringList{longHymn, longHymn + u'.'}
        << QStringList{u"Amen part"_s, u"(v2 Amen again"_s} << 1;
    QTest::newRow("full number drops the verse dot")
        << Ask().number(u"101"_s).fullNumber().c << QStringList{silent, silent + u'.'}
        << QStringList{u"Joseph Mohr, 1818; music: Franz Gruber, 19th cent."_s, u"(v1 Silent night"_s} << 1;
    QTest::newRow("full number is whole") << Ask().number(u"10"_s).fullNumber().c << none << none << 0;
    QTest::newRow("reference left out") << Ask().phrase(u"Luke"_s).c << none << none << 0;
    QTest::newRow("reference shown") << Ask().phrase(u"Luke"_s).refs().c << QStringList{grace}
                                     << QStringList{u"^Luke 15"_s} << 1;
    QTest::newRow("line after a reference")
        << Ask().phrase(u"after the"_s).refs().c << QStringList{grace} << QStringList{u"After the reference"_s} << 1;
    QTest::newRow("excluded phrase") << Ask().phrase(u"grace"_s).notText(u"Twas"_s).c << QStringList{grace}
                                     << QStringList{u"(v1 Amazing grace how sweet"_s} << 1;
}

void TestFindHymns::searchesVerseFile()
{
    const auto store = storeFrom(verseText);
    QVERIFY(store->isVerseFile());
    QCOMPARE(store->overflowCount(), qint16(1));
    check(*store);
}

void TestFindHymns::listsWholeVerseFile()
{
    const auto store = storeFrom(verseText);
    const Search::SearchResult result = Search::FindHymns(*store, Search::SearchCriteria());

    // 378 loses its reference line and the line after it; 500 runs on into its continuation entry.
    QCOMPARE(result.totalRows, 4 + 2 + 12 + 2);
    QCOMPARE(result.list2.size(), result.list1.size());
    QCOMPARE(result.distinctHeads, 4);
    QCOMPARE(result.list1.mid(0, 4), (QStringList{grace, grace + u'.', grace, grace + u'.'}));
    QCOMPARE(result.list2.mid(0, 4), (QStringList{newtonCredits, u"Meter: C.M."_s, u"(v1 Amazing grace how sweet"_s,
                                                  u"(v2 Twas grace that taught"_s}));
    QCOMPARE(result.list1.at(16), longHymn + u'.');
    QCOMPARE(result.list2.at(16), u"(v2 Amen again"_s);
}

void TestFindHymns::testsYears_data()
{
    QTest::addColumn<QString>("credits");
    QTest::addColumn<QString>("limit");
    QTest::addColumn<bool>("ofMusic");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("century");
    QTest::addColumn<bool>("passed");

    const QString newton = u"John Newton, 1779; Music: American, 1829"_s;
    const QString gruber = u"Joseph Mohr, 1818; music: Franz Gruber, 19th cent."_s;
    QTest::newRow("first year equal") << newton << u"1779"_s << false << 1779 << 0 << true;
    QTest::newRow("first year not equal") << newton << u"1829"_s << false << 1779 << 0 << false;
    QTest::newRow("music year equal") << newton << u"1829"_s << true << 1829 << 0 << true;
    QTest::newRow("after, inclusive") << newton << u">1779"_s << false << 1779 << 0 << true;
    QTest::newRow("after, too late") << newton << u">1780"_s << false << 1779 << 0 << false;
    QTest::newRow("blank after the sign") << newton << u"> 1800"_s << true << 1829 << 0 << true;
    QTest::newRow("before, exclusive") << newton << u"<1779"_s << false << 1779 << 0 << false;
    QTest::newRow("before") << newton << u"<1780"_s << false << 1779 << 0 << true;
    QTest::newRow("century stops the scan") << gruber << u"1818"_s << false << 0 << 1850 << false;
    QTest::newRow("after a century") << gruber << u">1850"_s << false << 0 << 1850 << true;
    QTest::newRow("before a century") << gruber << u"<1851"_s << false << 0 << 1850 << true;
    QTest::newRow("not before a century") << gruber << u"<1850"_s << false << 0 << 1850 << false;
    QTest::newRow("century after music") << gruber << u">1800"_s << true << 0 << 1850 << true;
    QTest::newRow("century before music is unseen")
        << u"18th cent. words; Music: Smith 1901"_s << u">1900"_s << true << 1901 << 0 << true;
    QTest::newRow("no music credit reads the end")
        << u"Words 1900, tune 1850"_s << u"1850"_s << true << 1850 << 0 << true;
    QTest::newRow("music credit at the very start")
        << u"usic: 1901 words 1850"_s << u"1850"_s << true << 1850 << 0 << true;
    QTest::newRow("four digits above 1000") << u"Tune 0999, words 1066"_s << u"1066"_s << false << 1066 << 0 << true;
    QTest::newRow("no year takes the last place") << u"Anon. 123"_s << u">100"_s << false << 123 << 0 << true;
    QTest::newRow("before needs a year") << u"Anonymous"_s << u"<2000"_s << false << 0 << 0 << false;
    QTest::newRow("too short for a year") << u"ab"_s << u">1"_s << true << 0 << 0 << false;
    QTest::newRow("empty credits") << QString() << u"<2000"_s << false << 0 << 0 << false;
    QTest::newRow("one character before the century")
        << u"9th cent. tune 1750"_s << u">800"_s << false << 9 << 850 << true;
    QTest::newRow("century mark at the start") << u"th cent. tune"_s << u">1"_s << false << 0 << 0 << false;
    QTest::newRow("century of no number") << u"Late th cent. 1750"_s << u"1750"_s << false << 1750 << -50 << true;
}

void TestFindHymns::testsYears()
{
    QFETCH(QString, credits);
    QFETCH(QString, limit);
    QFETCH(bool, ofMusic);
    QFETCH(int, year);
    QFETCH(int, century);
    QFETCH(bool, passed);

    const Search::YearTestResult result = Search::TestYear(credits, limit, ofMusic);
    QCOMPARE(result.year, year);
    QCOMPARE(result.century, century);
    QCOMPARE(result.passed, passed);
}

void TestFindHymns::knowsWhenNothingIsAsked_data()
{
    QTest::addColumn<Search::SearchCriteria>("criteria");
    QTest::addColumn<bool>("asks");

    QTest::newRow("nothing") << Ask().c << true;
    QTest::newRow("check boxes other than title only") << Ask().fullNumber().ofMusic().refs().c << true;
    QTest::newRow("title only") << Ask().titleOnly().c << false;
    QTest::newRow("a blank in the year box") << Ask().year(u" "_s).c << false;
    QTest::newRow("excluded number") << Ask().notTag(u"1"_s).c << false;
    QTest::newRow("excluded text") << Ask().notText(u"x"_s).c << false;
    QTest::newRow("limit") << Ask().limit(u">2019"_s).c << false;
}

void TestFindHymns::knowsWhenNothingIsAsked()
{
    QFETCH(Search::SearchCriteria, criteria);
    QFETCH(bool, asks);
    QCOMPARE(criteria.asksForEverything(), asks);
}

void TestFindHymns::handlesEmptyAndOddStores()
{
    const Search::SearchResult empty = Search::FindHymns(EntryStore(), Ask().limit(u">2019"_s).c);
    QVERIFY(empty.list1.isEmpty());
    QVERIFY(empty.list2.isEmpty());
    QCOMPARE(empty.totalRows, 0);
    QCOMPARE(empty.distinctHeads, 0);
}

void TestFindHymns::listsFullStore()
{
    QString text;
    for (int hymn = 1; hymn <= EntryStore::MaxEntries; ++hymn) {
        text += u"Jan 1, %1\n"_s.arg(1900 + hymn % 100);
        for (int line = 1; line <= EntryStore::MaxSlots; ++line)
            text += u"%1 Hymn %2\n"_s.arg(hymn).arg(line);
        text += u'\n';
    }
    const auto store = storeFrom(text);
    QCOMPARE(int(store->entryCount()), EntryStore::MaxEntries);

    const Search::SearchResult all = Search::FindHymns(*store, Search::SearchCriteria());
    QCOMPARE(all.totalRows, EntryStore::MaxEntries * EntryStore::MaxSlots);
    // Neighbouring services have different years, so every service is a distinct head line.
    QCOMPARE(all.distinctHeads, EntryStore::MaxEntries);
    QCOMPARE(all.list2.constLast(), u"1800 Hymn 10"_s);

    const Search::SearchResult recent = Search::FindHymns(*store, Ask().limit(u">Jan 1, 1999"_s).c);
    QCOMPARE(recent.totalRows, 18 * EntryStore::MaxSlots); // hymns 99, 199, ..., 1799
}

void TestFindHymns::continuationKeepsYearOutcome()
{
    // The continuation entry starts with a line that reads like an old year; only the credits line counts.
    QString text = u"9 Long\nAnon., 1900\n--\n"_s;
    for (int line = 1; line <= 9; ++line)
        text += u"(v1 line %1\n"_s.arg(line);
    text += u"(v2 sung since 1750\nlast\n"_s;
    const auto store = storeFrom(text);
    QCOMPARE(store->overflowCount(), 1);
    Search::SearchCriteria before;
    before.LimitYr = u"<1800"_s;
    QCOMPARE(Search::FindHymns(*store, before).totalRows, 0);
    Search::SearchCriteria after;
    after.LimitYr = u">1800"_s;
    const Search::SearchResult passed = Search::FindHymns(*store, after);
    QCOMPARE(passed.list1, QStringList{u"9 Long"_s});
    QCOMPARE(passed.list2, QStringList{u"1900"_s});
}

QTEST_GUILESS_MAIN(TestFindHymns)
#include "tst_core_findhymns.moc"
