// SPDX-License-Identifier: GPL-3.0-or-later
// The tally: which lines count and under which row, the three sort orders, and the exchange order of rows that
// compare equal, checked against a plain transcription of the exchange sort.
#include "literalexchange.h"
#include "search/findhymns.h"
#include "store/hymnfileloader.h"
#include "store/plaintext.h"
#include "tally/exchangeorder.h"
#include "tally/tally.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Tally::TallyCriteria)

namespace {

EntryStore storeOf(const QString &fileText)
{
    EntryStore store;
    HymnFileLoader::loadBytes(fileText.toUtf8(), u"test.txt"_s, store);
    return store;
}

// The order the window's sort box gives for one of its captions; a caption the box does not hold counts.
Tally::TallyOrder orderOf(const QString &caption)
{
    return Tally::tallyOrderAt(QStringList{u"freq"_s, u"title"_s, u"hymn #"_s}.indexOf(caption));
}

// "count|number title" per row, so one column holds both lists.
QStringList pairedRows(const Tally::TallyResult &result)
{
    QStringList rows;
    for (qsizetype r = 0; r < result.list1.size(); ++r)
        rows.append(result.list1[r] + u'|' + result.list2[r]);
    return rows;
}

struct PlainRow {
    QString number;
    QString title;
    int count = 0;
};

// The first word of each row ("12 Title" gives "12"), sorted, so that lists in different orders compare.
QStringList sortedNumbers(const QStringList &rows)
{
    QStringList numbers;
    for (const QString &row : rows)
        numbers.append(row.section(u' ', 0, 0));
    numbers.sort();
    return numbers;
}

// The exchange sort exactly as the tally describes it, comparing the keys afresh at every step.
bool standsBefore(const PlainRow &k, const PlainRow &m, const QString &sort)
{
    if (sort == u"hymn #"_s) {
        const double a = std::nearbyint(PlainText::leadingValue(m.number));
        const double b = std::nearbyint(PlainText::leadingValue(k.number));
        if (b != a)
            return b < a;
        const QString pk = k.number.left(2), pm = m.number.left(2);
        return pk < pm ||
               (pk == pm && PlainText::leadingValue(m.number.mid(2)) > PlainText::leadingValue(k.number.mid(2)));
    }
    if (sort == u"title"_s)
        return k.title.toUpper() < m.title.toUpper();
    return k.count > m.count;
}

void exchangeSort(std::vector<PlainRow> &rows, const QString &sort)
{
    for (size_t m = 0; m + 1 < rows.size(); ++m) {
        for (size_t k = m + 1; k < rows.size(); ++k) {
            if (standsBefore(rows[k], rows[m], sort))
                std::swap(rows[k], rows[m]);
        }
    }
}

} // namespace

class TestTally : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void rows_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Tally::TallyCriteria>("criteria");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<qint64>("sum");

        const QString twoServices = u"Dec 18, 2022\n123 Amazing Grace\n45 Holy, Holy, Holy\n\n"
                                    "Dec 24, 2022\n123 Amazing Grace\n"_s;
        const QString fewerFirst = u"Dec 18, 2022\n45 Holy, Holy, Holy\n123 Amazing Grace\n\n"
                                   "Dec 24, 2022\n123 Amazing Grace\n"_s;
        const QStringList countFirst{u" 2|123 Amazing Grace"_s, u" 1|45 Holy, Holy, Holy"_s};
        const QStringList numberFirst{u" 1|45 Holy, Holy, Holy"_s, u" 2|123 Amazing Grace"_s};
        const auto sortBy = [](const QString &text) { return Tally::TallyCriteria{.order = orderOf(text)}; };

        QTest::newRow("freq") << twoServices << sortBy(u"freq"_s) << countFirst << qint64(3);
        QTest::newRow("freq, fewer used first") << fewerFirst << sortBy(u"freq"_s) << countFirst << qint64(3);
        QTest::newRow("unknown sort text counts") << fewerFirst << sortBy(u"Hymn #"_s) << countFirst << qint64(3);
        QTest::newRow("hymn # numeric") << twoServices << sortBy(u"hymn #"_s) << numberFirst << qint64(3);
        QTest::newRow("hymn # numeric, reversed") << fewerFirst << sortBy(u"hymn #"_s) << numberFirst << qint64(3);
        QTest::newRow("title") << twoServices << sortBy(u"title"_s) << countFirst << qint64(3);
        QTest::newRow("title ignores case")
            << u"Jan 1\n501 zion\n502 Abide\n503 apple\n"_s << sortBy(u"title"_s)
            << QStringList{u" 1|502 Abide"_s, u" 1|503 apple"_s, u" 1|501 zion"_s} << qint64(3);
        // Equal counts are never exchanged, but a larger count passing them reverses the two.
        QTest::newRow("freq tie order") << u"Jan 1\n201 A\n202 B\n201 A\n202 B\n203 C\n203 C\n203 C\n"_s
                                        << sortBy(u"freq"_s) << QStringList{u" 3|203 C"_s, u" 2|202 B"_s, u" 2|201 A"_s}
                                        << qint64(7);
        QTest::newRow("prefixed numbers")
            << u"Jan 1\nPS23 A\nPS5 B\nLM12 C\n7 D\n"_s << sortBy(u"hymn #"_s)
            << QStringList{u" 1|LM12 C"_s, u" 1|PS5 B"_s, u" 1|PS23 A"_s, u" 1|7 D"_s} << qint64(4);
        QTest::newRow("prefixed numbers, shuffled")
            << u"Jan 1\nLM12 C\nPS23 A\n7 D\nPS5 B\n"_s << sortBy(u"hymn #"_s)
            << QStringList{u" 1|LM12 C"_s, u" 1|PS5 B"_s, u" 1|PS23 A"_s, u" 1|7 D"_s} << qint64(4);
        QTest::newRow("numbers beyond 16 bits")
            << u"Jan 1\n99999999999999999999 Big\n-40000 Low\n123 A\n40000 High\n"_s << sortBy(u"hymn #"_s)
            << QStringList{u" 1|-40000 Low"_s, u" 1|123 A"_s, u" 1|40000 High"_s, u" 1|99999999999999999999 Big"_s}
            << qint64(4);

        QTest::newRow("marks cut the number")
            << u"Jan 1\n123* Amazing Grace\n123(2) Amazing Grace\n123 Amazing "
               "Grace\n12*(3) Jesus Loves Me\n"_s
            << Tally::TallyCriteria{} << QStringList{u" 3|123 Amazing Grace"_s, u" 1|12* Jesus Loves Me"_s}
            << qint64(4);
        QTest::newRow("short numbers match by title")
            << u"Jan 1\n100 Old Hundredth\n100 OLD HUNDREDTH (doxology)\n12 Old Hundredth\n101 A\n101 B\n"_s
            << Tally::TallyCriteria{} << QStringList{u" 3|100 Old Hundredth"_s, u" 2|101 A"_s} << qint64(5);
        // A row keeps both keys whichever one found it: "5(23" is matched by its number "5".
        QTest::newRow("number finds a title row")
            << u"Jan 1\n5 Foo\n5(23 Bar\n345 Grace\n40 grace (v1)\n"_s << Tally::TallyCriteria{}
            << QStringList{u" 2|5 Foo"_s, u" 2|345 Grace"_s} << qint64(4);
        // Lines without a blank (no hymn number) at the start, between hymns, two in a row and at the end.
        const QString words = u"Jan 1\nPrelude\n100 A\nOffertory\n200 B\nAnthem\nDoxology\n350 Anthem of Praise\n"
                              "Postlude\n\nJan 8\n100 A\n"_s;
        QTest::newRow("one-word lines passed over")
            << words << Tally::TallyCriteria{}
            << QStringList{u" 2|100 A"_s, u" 1|200 B"_s, u" 1|350 Anthem of Praise"_s} << qint64(4);
        QTest::newRow("phrase of a one-word line") << words << Tally::TallyCriteria{.hymname = u"anthem"_s}
                                                   << QStringList{u" 1|350 Anthem of Praise"_s} << qint64(1);
        // An empty tag would equal the empty number box.
        QTest::newRow("full # only, empty box, one-word line")
            << u"Jan 1\nOffertory\n Introit\n"_s << Tally::TallyCriteria{.fullNumberOnly = true}
            << QStringList{u" 1|  Introit"_s} << qint64(1);
        QTest::newRow("leading blank") << u"Jan 1\n Prelude\n123 A\n Prelude\n"_s << Tally::TallyCriteria{}
                                       << QStringList{u" 2|  Prelude"_s, u" 1|123 A"_s} << qint64(3);
        QTest::newRow("continuation entries") << u"Jan 1\n"_s + u"321 A\n"_s.repeated(12) << Tally::TallyCriteria{}
                                              << QStringList{u" 12|321 A"_s} << qint64(12);

        const QString numbers = u"Jan 1\n Prelude\n123 A\n1234 B\n123* A\nps23 Shepherd\n"_s;
        QTest::newRow("full # only, empty box")
            << numbers << Tally::TallyCriteria{.fullNumberOnly = true} << QStringList{u" 1|  Prelude"_s} << qint64(1);
        QTest::newRow("full # only") << numbers << Tally::TallyCriteria{.hymnmbr = u"123"_s, .fullNumberOnly = true}
                                     << QStringList{u" 1|123 A"_s} << qint64(1);
        QTest::newRow("number part") << numbers << Tally::TallyCriteria{.hymnmbr = u"23"_s}
                                     << QStringList{u" 2|123 A"_s, u" 1|1234 B"_s, u" 1|ps23 Shepherd"_s} << qint64(4);
        QTest::newRow("number any case") << numbers << Tally::TallyCriteria{.hymnmbr = u"PS"_s}
                                         << QStringList{u" 1|ps23 Shepherd"_s} << qint64(1);

        const QString graces = u"Jan 1\n378 Amazing Grace\n379 AMAZING GRACE\nPS23 Shepherd\n"_s;
        QTest::newRow("exclude title by case")
            << graces << Tally::TallyCriteria{.excludT = u"Grace"_s}
            << QStringList{u" 1|379 AMAZING GRACE"_s, u" 1|PS23 Shepherd"_s} << qint64(2);
        QTest::newRow("exclude number") << graces << Tally::TallyCriteria{.excludH = u"PS"_s}
                                        << QStringList{u" 1|378 Amazing Grace"_s, u" 1|379 AMAZING GRACE"_s}
                                        << qint64(2);
        QTest::newRow("phrase any case") << graces << Tally::TallyCriteria{.hymname = u"grace"_s}
                                         << QStringList{u" 1|378 Amazing Grace"_s, u" 1|379 AMAZING GRACE"_s}
                                         << qint64(2);
        QTest::newRow("nothing matches") << graces << Tally::TallyCriteria{.hymnmbr = u"999"_s} << QStringList{}
                                         << qint64(0);
        QTest::newRow("empty store") << QString() << Tally::TallyCriteria{} << QStringList{} << qint64(0);

        const QString dated = u"Dec 24, 2021 (evening)\n123 A\n\nJan 2, 2022\n45 B\n\nDec 31, 2021\n45 B\n\n"
                              "Easter\n678 C\n"_s;
        QTest::newRow("before 2022") << dated << Tally::TallyCriteria{.Filter = u"<2022"_s}
                                     << QStringList{u" 1|123 A"_s, u" 1|45 B"_s} << qint64(2);
        QTest::newRow("from 2022") << dated << Tally::TallyCriteria{.Filter = u">2022"_s} << QStringList{u" 1|45 B"_s}
                                   << qint64(1);
        QTest::newRow("limit phrase") << dated << Tally::TallyCriteria{.Filter = u"easter"_s}
                                      << QStringList{u" 1|678 C"_s} << qint64(1);
        // In a verse file the sign is dropped and the rest is a title phrase.
        QTest::newRow("verse file limit") << u"378 Amazing Grace\n--\nFirst line\nSecond line\n\n"
                                             "100 Old Hundredth\n--\nAll people\n"_s
                                          << Tally::TallyCriteria{.Filter = u"<GRACE"_s}
                                          << QStringList{u" 1|378. First line"_s, u" 1|378 Second line"_s} << qint64(2);
    }

    void rows()
    {
        QFETCH(QString, file);
        QFETCH(Tally::TallyCriteria, criteria);
        QFETCH(QStringList, expected);
        QFETCH(qint64, sum);

        const Tally::TallyResult result = Tally::TallyHymns(storeOf(file), criteria);
        QCOMPARE(pairedRows(result), expected);
        QCOMPARE(result.list1.size(), result.list2.size());
        QCOMPARE(result.rows, expected.size());
        QCOMPARE(result.sum, sum);
    }

    // Find and Tally under the same boxes pick the same lines, whatever the case or spelling of the letters; the
    // exclusions alone compare case for case.
    void findAndTallyAgreeOnCase_data()
    {
        QTest::addColumn<Tally::TallyCriteria>("criteria");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("ligature fi") << Tally::TallyCriteria{.hymname = u"final"_s} << QStringList{u"1"_s, u"2"_s};
        QTest::newRow("sharp s") << Tally::TallyCriteria{.hymname = u"strasse"_s} << QStringList{u"3"_s, u"4"_s};
        QTest::newRow("sharp s typed") << Tally::TallyCriteria{.hymname = u"Straße"_s} << QStringList{u"3"_s, u"4"_s};
        QTest::newRow("Latin-1 letters") << Tally::TallyCriteria{.hymname = u"NO\u00CBL"_s} << QStringList{u"9"_s};
        QTest::newRow("ASCII in mixed case")
            << Tally::TallyCriteria{.hymname = u"gRaCe"_s} << QStringList{u"5"_s, u"6"_s};
        QTest::newRow("text exclusion keeps case")
            << Tally::TallyCriteria{.excludT = u"Grace"_s, .hymname = u"grace"_s} << QStringList{u"6"_s};
        QTest::newRow("tag exclusion keeps case")
            << Tally::TallyCriteria{.excludH = u"lm"_s, .hymnmbr = u"LM"_s} << QStringList{u"LM7"_s};
        QTest::newRow("number in any case")
            << Tally::TallyCriteria{.hymnmbr = u"lm"_s} << QStringList{u"LM7"_s, u"lm8"_s};
        QTest::newRow("full number, ligature in the tag")
            << Tally::TallyCriteria{.hymnmbr = u"FI9"_s, .fullNumberOnly = true} << QStringList{u"\uFB019"_s};
        QTest::newRow("limit phrase") << Tally::TallyCriteria{.Filter = u"FIRST"_s} << QStringList{u"\uFB019"_s};
    }

    void findAndTallyAgreeOnCase()
    {
        QFETCH(Tally::TallyCriteria, criteria);
        QFETCH(QStringList, numbers);
        const EntryStore store =
            storeOf(u"Jan 2, 2022\n1 \uFB01nal hymn\n2 Final Call\n3 Stra\u00DFe of Gold\n"
                    "4 STRASSE Road\n5 Grace Alone\n6 grace notes\nLM7 Long Meter\n"
                    "lm8 Short Meter\n9 No\u00EBl Carol\n\nJan 9, 2022 \uFB01rst Sunday\n\uFB019 Ninth\n"_s);
        Search::SearchCriteria search;
        search.hymname = criteria.hymname;
        search.hymnmbr = criteria.hymnmbr;
        search.excludH = criteria.excludH;
        search.excludT = criteria.excludT;
        search.Filter = criteria.Filter;
        search.fullNumberOnly = criteria.fullNumberOnly;
        QCOMPARE(sortedNumbers(Search::FindHymns(store, search).list2), numbers);
        QCOMPARE(sortedNumbers(Tally::TallyHymns(store, criteria).list2), numbers);
    }

    // Random files with many equal keys, tallied and compared with a linear table and the literal exchange sort.
    void matchesLiteralExchange_data()
    {
        QTest::addColumn<QString>("sort");
        QTest::addColumn<quint32>("seed");
        for (const QString &sort : {u"freq"_s, u"hymn #"_s, u"title"_s}) {
            QTest::newRow(qPrintable(sort + u" 1"_s)) << sort << 1u;
            QTest::newRow(qPrintable(sort + u" 2"_s)) << sort << 2u;
        }
    }

    void matchesLiteralExchange()
    {
        QFETCH(QString, sort);
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);

        // "121", "121a" and "121B" differ as rows but tie under "hymn #"; short and "0" tags match by title.
        QStringList tags{u"7"_s, u"12"_s, u"100"_s, u"PS1"_s, u"PS1a"_s, u"PS4"_s, u"LM2"_s};
        for (int d = 11; d <= 99; ++d) {
            if (d % 10 == 0)
                continue;
            for (const QString &suffix : {u""_s, u"a"_s, u"B"_s})
                tags.append(u"1"_s + QString::number(d) + suffix);
        }
        // Long titles alike in their first eight letters, titles alike past the first twelve (plain and not),
        // Latin-1 letters whose capitals lie outside Latin-1, and upper-casing that changes a title's length.
        const QStringList titles{u"Grace"_s,
                                 u"GRACE"_s,
                                 u"Holy God"_s,
                                 u"holy god"_s,
                                 u"Abide"_s,
                                 u"Zion"_s,
                                 u"zion"_s,
                                 u"Be Still"_s,
                                 u"Rock"_s,
                                 u"rock (v2)"_s,
                                 u"Holy God Above"_s,
                                 u"HOLY GOD above"_s,
                                 u"Holy God Abides"_s,
                                 u"Holy God Above Us"_s,
                                 u"holy god above all"_s,
                                 u"Holy God Above No\u00EBl"_s,
                                 u"HOLY GOD ABOVE NO\u00CBL DAY"_s,
                                 u"\u00E0 \u00FFes \u00B5"_s,
                                 u"\u00C0 \u0178ES \u039C"_s,
                                 u"Stra\u00DFe Weg"_s,
                                 u"STRASSE WEG"_s,
                                 u"Strasse Wege"_s};

        QString file;
        std::vector<PlainRow> table;
        for (int entry = 0; entry < 150; ++entry) {
            file += u"Service "_s + QString::number(entry) + u'\n';
            for (int line = 0; line < 10; ++line) {
                const QString &tag = tags[random.bounded(tags.size())];
                const QString &title = titles[random.bounded(titles.size())];
                file += tag + u' ' + title + u'\n';

                const QString titleKey = title.section(u'(', 0, 0).trimmed();
                const bool byTitle = tag.size() < 3 || tag[2] < u'1' || tag[2] > u'9';
                auto row = std::find_if(table.begin(), table.end(), [&](const PlainRow &r) {
                    return byTitle ? r.title.toUpper() == titleKey.toUpper() : r.number.toUpper() == tag.toUpper();
                });
                if (row == table.end())
                    table.push_back({tag, titleKey, 1});
                else
                    ++row->count;
            }
            file += u'\n';
        }
        QVERIFY(table.size() > 200);
        exchangeSort(table, sort);

        QStringList expected;
        for (const PlainRow &row : table)
            expected.append(u' ' + QString::number(row.count) + u'|' + row.number + u' ' + row.title);
        QCOMPARE(pairedRows(Tally::TallyHymns(storeOf(file), Tally::TallyCriteria{.order = orderOf(sort)})), expected);
    }

    // The rank-based arrangement against the plain exchange sort, for every rank pattern of up to seven rows over
    // three ranks.
    void exchangeOrderExhaustive()
    {
        for (int length = 1; length <= 7; ++length) {
            std::vector<int> ranks(length, 0);
            for (;;) {
                if (Tally::ExchangeOrder::arrange(ranks) != literalExchange(ranks)) {
                    QStringList shown;
                    for (int r : ranks)
                        shown.append(QString::number(r));
                    QFAIL(qPrintable(u"ranks "_s + shown.join(u' ')));
                }
                int digit = 0;
                while (digit < length && ++ranks[digit] == 3)
                    ranks[digit++] = 0;
                if (digit == length)
                    break;
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestTally)
#include "tst_core_tally.moc"
