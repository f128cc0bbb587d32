// SPDX-License-Identifier: GPL-3.0-or-later
// Right-click copies of the output lists: the copied text (rows joined by a lone CR), the verse question and
// its answers on a three-hymn listing, headings, and the message that counts what was copied.
#include "panes/clipcopy.h"
#include "panes/helptext.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QString crJoined(const QStringList &lines)
{
    return lines.join(QChar(13));
}

// A verse-file search listing of three hymns: Old Hundredth without refrain (a reference among its credits),
// Amazing Grace with a refrain and a closing reference, Holy Holy with a refrain. A List1 row ends in "." where
// the listed line's tag did: each verse's first line.
const QStringList hymnHeads{
    u"100 Old Hundredth"_s,  u"100 Old Hundredth"_s, u"100 Old Hundredth."_s, u"100 Old Hundredth"_s,
    u"100 Old Hundredth."_s, u"100 Old Hundredth"_s, u"12 Amazing Grace"_s,   u"12 Amazing Grace."_s,
    u"12 Amazing Grace"_s,   u"12 Amazing Grace."_s, u"12 Amazing Grace"_s,   u"12 Amazing Grace."_s,
    u"12 Amazing Grace"_s,   u"12 Amazing Grace"_s,  u"12 Amazing Grace"_s,   u"45 Holy Holy"_s,
    u"45 Holy Holy."_s,      u"45 Holy Holy"_s,      u"45 Holy Holy."_s,      u"45 Holy Holy."_s,
    u"45 Holy Holy"_s,       u"45 Holy Holy."_s,
};
const QStringList hymnLines{
    u"William Kethe, 1561"_s,
    u"^Ps 100"_s,
    u"(v1 All people that on earth"_s,
    u"do dwell"_s,
    u"(v2 The Lord ye know"_s,
    u"is God indeed"_s,
    u"John Newton, 1779"_s,
    u"(v1 Amazing grace how sweet"_s,
    u"that saved a wretch"_s,
    u"(R) Praise him"_s,
    u"praise him evermore"_s,
    u"(V2 Twas grace that taught"_s,
    u"my heart to fear"_s,
    u"^Eph 2:8"_s,
    u"after the reference"_s,
    u"Reginald Heber, 1826"_s,
    u"(v1 Holy holy holy"_s,
    u"early in the morning"_s,
    u"(R) Holy holy"_s,
    u"(v2 Holy holy all the saints"_s,
    u"casting down"_s,
    u"(v3 Holy holy though"_s,
};

Panes::List2CopyInputs verseListing(bool clipCopy)
{
    Panes::List2CopyInputs in;
    in.list1 = hymnHeads;
    in.list2 = hymnLines;
    in.clipCopy = clipCopy;
    in.verseFile = true;
    return in;
}

} // namespace

class TestClipCopy : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void list1Copy_data();
    void list1Copy();
    void emptyListsCopyNothing();
    void verseQuestion_data();
    void verseQuestion();
    void versePrompt();
    void verseAnswers_data();
    void verseAnswers();
    void markerEdges_data();
    void markerEdges();
    void unaskedCopies_data();
    void unaskedCopies();
    void titleCountReadsOne_data();
    void titleCountReadsOne();
    void helpText();
};

void TestClipCopy::list1Copy_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("clipCopy");
    QTest::addColumn<int>("tallyShown");
    QTest::addColumn<int>("verseFile");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("title");

    const QStringList abba{u"A"_s, u"A"_s, u"B"_s, u"A"_s};
    QTest::newRow("distinct consecutive after a search")
        << abba << true << 0 << 0 << crJoined({u"A"_s, u"B"_s, u"A"_s}) << u"3 items copied"_s << u"Dates used"_s;
    QTest::newRow("every row when unchecked")
        << abba << false << 0 << 0 << crJoined(abba) << u"4 items copied"_s << u"Dates used"_s;
    QTest::newRow("every row under a tally")
        << abba << true << 1 << 0 << crJoined(abba) << u"4 items copied"_s << u"Dates used"_s;
    QTest::newRow("single row") << QStringList{u"Dec 24, 2022"_s} << false << 0 << 0 << u"Dec 24, 2022"_s
                                << u"1 item copied"_s << u"Dates used"_s;
    QTest::newRow("verse rows compared without dot")
        << QStringList{u"12 Grace."_s, u"12 Grace"_s, u"13 Joy."_s} << true << 0 << 1
        << crJoined({u"12 Grace"_s, u"13 Joy"_s}) << u"2 items copied"_s << u"Song titles"_s;
    QTest::newRow("verse rows each less one dot")
        << QStringList{u"12 Grace."_s, u"12 Grace"_s, u"13 Joy.."_s} << false << 0 << 1
        << crJoined({u"12 Grace"_s, u"12 Grace"_s, u"13 Joy."_s}) << u"3 items copied"_s << u"Song titles"_s;
}

void TestClipCopy::list1Copy()
{
    QFETCH(QStringList, rows);
    QFETCH(bool, clipCopy);
    QFETCH(int, tallyShown);
    QFETCH(int, verseFile);

    const std::optional<Panes::CopyResult> copy = Panes::List1Copy(rows, clipCopy, tallyShown != 0, verseFile != 0);
    QVERIFY(copy);
    QTEST(copy->text, "text");
    QTEST(copy->message, "message");
    QTEST(copy->title, "title");
}

void TestClipCopy::emptyListsCopyNothing()
{
    QVERIFY(!Panes::List1Copy({}, true, 0, 0));

    // An empty List2 is not offered the verse question and copies nothing, even with an answer at hand.
    Panes::List2CopyInputs in = verseListing(true);
    in.list2.clear();
    QVERIFY(!Panes::List2AsksVerse(in));
    QVERIFY(!Panes::List2Copy(in, u"All"_s));
}

void TestClipCopy::verseQuestion_data()
{
    QTest::addColumn<int>("verseFile");
    QTest::addColumn<bool>("titleOnly");
    QTest::addColumn<QString>("hymname");
    QTest::addColumn<QString>("excludT");
    QTest::addColumn<QString>("LimitYr");
    QTest::addColumn<bool>("asks");

    QTest::newRow("verse file, no criteria") << 1 << false << QString() << QString() << QString() << true;
    QTest::newRow("usage file") << 0 << false << QString() << QString() << QString() << false;
    QTest::newRow("title only") << 1 << true << QString() << QString() << QString() << false;
    QTest::newRow("phrase") << 1 << false << u"grace"_s << QString() << QString() << false;
    QTest::newRow("phrase of one space") << 1 << false << u" "_s << QString() << QString() << false;
    QTest::newRow("title exclusion") << 1 << false << QString() << u"Joy"_s << QString() << false;
    QTest::newRow("year limit") << 1 << false << QString() << QString() << u">1800"_s << false;
}

void TestClipCopy::verseQuestion()
{
    QFETCH(int, verseFile);
    QFETCH(bool, titleOnly);
    QFETCH(QString, hymname);
    QFETCH(QString, excludT);
    QFETCH(QString, LimitYr);

    Panes::List2CopyInputs in = verseListing(false);
    in.verseFile = verseFile != 0;
    in.titleOnly = titleOnly;
    in.hymname = hymname;
    in.excludT = excludT;
    in.LimitYr = LimitYr;
    QTEST(Panes::List2AsksVerse(in), "asks");
}

void TestClipCopy::versePrompt()
{
    const Panes::VersePrompt plain = Panes::List2VersePrompt(false);
    QCOMPARE(plain.prompt, u"\r\r\r\rLimit copy to Verse #:"_s);
    QCOMPARE(plain.title, u"Select verse # (0 = credits only)"_s);
    QCOMPARE(plain.defaultAnswer, u"All"_s);
    QCOMPARE(Panes::List2VersePrompt(true).title, u"Select verse # (0 = credits only; ^ = references )"_s);
}

void TestClipCopy::verseAnswers_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("clipCopy");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("All copies every row, blank line before dotted") << u"All"_s << false
                                                                    << crJoined({u"William Kethe, 1561"_s,
                                                                                 u"^Ps 100"_s,
                                                                                 QString(),
                                                                                 u"(v1 All people that on earth"_s,
                                                                                 u"do dwell"_s,
                                                                                 QString(),
                                                                                 u"(v2 The Lord ye know"_s,
                                                                                 u"is God indeed"_s,
                                                                                 u"John Newton, 1779"_s,
                                                                                 QString(),
                                                                                 u"(v1 Amazing grace how sweet"_s,
                                                                                 u"that saved a wretch"_s,
                                                                                 QString(),
                                                                                 u"(R) Praise him"_s,
                                                                                 u"praise him evermore"_s,
                                                                                 QString(),
                                                                                 u"(V2 Twas grace that taught"_s,
                                                                                 u"my heart to fear"_s,
                                                                                 u"^Eph 2:8"_s,
                                                                                 u"after the reference"_s,
                                                                                 u"Reginald Heber, 1826"_s,
                                                                                 QString(),
                                                                                 u"(v1 Holy holy holy"_s,
                                                                                 u"early in the morning"_s,
                                                                                 QString(),
                                                                                 u"(R) Holy holy"_s,
                                                                                 QString(),
                                                                                 u"(v2 Holy holy all the saints"_s,
                                                                                 u"casting down"_s,
                                                                                 QString(),
                                                                                 u"(v3 Holy holy though"_s})
                                                                    << u"22 items copied"_s;
    QTest::newRow("verse 1 stops at a refrain")
        << u"1"_s << false
        << crJoined({u"(v1 All people that on earth"_s, u"do dwell"_s, QString(), u"(v1 Amazing grace how sweet"_s,
                     u"that saved a wretch"_s, QString(), u"(v1 Holy holy holy"_s, u"early in the morning"_s})
        << u"6 items copied"_s;
    QTest::newRow("verse 2 any case, stops at reference and next verse")
        << u"2"_s << false
        << crJoined({u"(v2 The Lord ye know"_s, u"is God indeed"_s, QString(), u"(V2 Twas grace that taught"_s,
                     u"my heart to fear"_s, QString(), u"(v2 Holy holy all the saints"_s, u"casting down"_s})
        << u"6 items copied"_s;
    QTest::newRow("verse read from a leading number")
        << u"3rd"_s << false << u"(v3 Holy holy though"_s << u"1 item copied"_s;
    const QString creditsOnly = crJoined({u"William Kethe, 1561"_s, u"John Newton, 1779"_s});
    QTest::newRow("0 copies credits until the first refrain") << u"0"_s << false << creditsOnly << u"2 items copied"_s;
    QTest::newRow("lower-case all means verse 0") << u"all"_s << false << creditsOnly << u"2 items copied"_s;
    const QString firstRefrain = crJoined({u"(R) Praise him"_s, u"praise him evermore"_s});
    QTest::newRow("R copies the first refrain only") << u"R"_s << false << firstRefrain << u"2 items copied"_s;
    QTest::newRow("r as R") << u"r"_s << false << firstRefrain << u"2 items copied"_s;
    QTest::newRow("R keeps every heading")
        << u"R"_s << true
        << crJoined({u"100 Old Hundredth"_s, QString(), u"12 Amazing Grace"_s, QString(), u"(R) Praise him"_s,
                     u"praise him evermore"_s, QString(), u"45 Holy Holy"_s})
        << u"2 items copied +  3 titles"_s;
    QTest::newRow("^ copies from the first reference to the hymn's end")
        << u"^"_s << false
        << crJoined({u"^Ps 100"_s, QString(), u"(v1 All people that on earth"_s, u"do dwell"_s, QString(),
                     u"(v2 The Lord ye know"_s, u"is God indeed"_s, u"^Eph 2:8"_s, u"after the reference"_s})
        << u"7 items copied"_s;
    QTest::newRow("verse nobody has keeps headings")
        << u"7"_s << true
        << crJoined({u"100 Old Hundredth"_s, QString(), u"12 Amazing Grace"_s, QString(), u"45 Holy Holy"_s})
        << u"0 items copied +  3 titles"_s;
}

void TestClipCopy::verseAnswers()
{
    QFETCH(QString, answer);
    QFETCH(bool, clipCopy);

    const Panes::List2CopyInputs in = verseListing(clipCopy);
    QVERIFY(Panes::List2AsksVerse(in));
    const std::optional<Panes::CopyResult> copy = Panes::List2Copy(in, answer);
    QVERIFY(copy);
    QTEST(copy->text, "text");
    QTEST(copy->message, "message");
    QCOMPARE(copy->title, u"Verse lines"_s);

    // Cancel and an empty answer copy nothing at all, headings included.
    QVERIFY(!Panes::List2Copy(in, std::nullopt));
    QVERIFY(!Panes::List2Copy(in, QString()));
}

void TestClipCopy::markerEdges_data()
{
    QTest::addColumn<QStringList>("list2");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("text");

    QTest::newRow("only a row beginning (R) ends a verse")
        << QStringList{u"(v1 first"_s, u"(r) echo"_s, u"Glory (R)"_s, u"(R) Refrain"_s, u"after"_s} << u"1"_s
        << crJoined({u"(v1 first"_s, u"(r) echo"_s, u"Glory (R)"_s});
    QTest::newRow("largest verse number still has a next verse")
        << QStringList{u"(v9223372036854775806 last"_s, u"(v9223372036854775807 beyond"_s} << u"99999999999999999999"_s
        << u"(v9223372036854775806 last"_s;
}

void TestClipCopy::markerEdges()
{
    QFETCH(QStringList, list2);
    QFETCH(QString, answer);

    Panes::List2CopyInputs in;
    in.list1 = QStringList(list2.size(), u"5 One hymn"_s);
    in.list2 = list2;
    in.verseFile = true;
    const std::optional<Panes::CopyResult> copy = Panes::List2Copy(in, answer);
    QVERIFY(copy);
    QTEST(copy->text, "text");
}

void TestClipCopy::unaskedCopies_data()
{
    QTest::addColumn<QStringList>("list1");
    QTest::addColumn<QStringList>("list2");
    QTest::addColumn<bool>("clipCopy");
    QTest::addColumn<int>("verseFile");
    QTest::addColumn<int>("tallyShown");
    QTest::addColumn<QString>("hymname");
    QTest::addColumn<QString>("LimitYr");
    QTest::addColumn<bool>("titleOnly");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    const QStringList dates{u"Dec 24, 2022"_s, u"Dec 24, 2022"_s, u"Dec 25, 2022"_s, u"Jan 1, 2023"_s,
                            u"Jan 1, 2023"_s};
    const QStringList sung{u"123 Holy God"_s, u"45 Joy to the World"_s, u"378 Silent Night"_s, u"12 Abide"_s,
                           u"7 Amen"_s};
    QTest::newRow("usage rows") << dates << sung << false << 0 << 0 << QString() << QString() << false << crJoined(sung)
                                << u"5 items copied"_s;
    QTest::newRow("usage date headings") << dates << sung << true << 0 << 0 << QString() << QString() << false
                                         << crJoined({u"Dec 24, 2022"_s, u"123 Holy God"_s, u"45 Joy to the World"_s,
                                                      QString(), u"Dec 25, 2022"_s, u"378 Silent Night"_s, QString(),
                                                      u"Jan 1, 2023"_s, u"12 Abide"_s, u"7 Amen"_s})
                                         << u"5 items copied +  3 dates"_s;
    QTest::newRow("one date heading") << QStringList{u"Dec 24, 2022"_s, u"Dec 24, 2022"_s}
                                      << QStringList{u"1 A"_s, u"2 B"_s} << true << 0 << 0 << QString() << QString()
                                      << false << crJoined({u"Dec 24, 2022"_s, u"1 A"_s, u"2 B"_s})
                                      << u"2 items copied +  1 date"_s;
    QTest::newRow("tally count headings")
        << QStringList{u" 2"_s, u" 2"_s, u" 1"_s} << QStringList{u"123 Amazing Grace"_s, u"  Holy God"_s, u"45 Joy"_s}
        << true << 0 << 1 << QString() << QString() << false
        << crJoined({u" 2"_s, u"123 Amazing Grace"_s, u"  Holy God"_s, QString(), u" 1"_s, u"45 Joy"_s})
        << u"3 items copied +  2 counts"_s;
    QTest::newRow("phrase: one title heading, no blank lines")
        << QStringList{u"12 Amazing Grace."_s, u"12 Amazing Grace"_s}
        << QStringList{u"(v1 Amazing grace how sweet"_s, u"Twas grace"_s} << true << 1 << 0 << u"grace"_s << QString()
        << false << crJoined({u"12 Amazing Grace"_s, u"(v1 Amazing grace how sweet"_s, u"Twas grace"_s})
        << u"2 items copied +  1 title"_s;
    QTest::newRow("year limit: no blank lines")
        << QStringList{u"12 Amazing Grace"_s, u"45 Holy Holy."_s} << QStringList{u"1779"_s, u"1826"_s} << false << 1
        << 0 << QString() << u">1700"_s << false << crJoined({u"1779"_s, u"1826"_s}) << u"2 items copied"_s;
    QTest::newRow("title only: every row, blank lines")
        << QStringList{u"12 Amazing Grace."_s, u"45 Holy Holy."_s} << QStringList{u"1779"_s, u"1826"_s} << false << 1
        << 0 << QString() << QString() << true << crJoined({u"1779"_s, QString(), u"1826"_s}) << u"2 items copied"_s;
    QTest::newRow("List1 shorter than List2")
        << QStringList{u"Dec 24, 2022"_s} << QStringList{u"1 A"_s, u"2 B"_s, u"3 C"_s} << true << 0 << 0 << QString()
        << QString() << false << crJoined({u"Dec 24, 2022"_s, u"1 A"_s, QString(), QString(), u"2 B"_s, u"3 C"_s})
        << u"3 items copied +  2 dates"_s;
    QTest::newRow("List1 empty") << QStringList() << QStringList{u"1 A"_s} << false << 0 << 0 << QString() << QString()
                                 << false << u"1 A"_s << u"1 item copied"_s;
}

void TestClipCopy::unaskedCopies()
{
    QFETCH(QStringList, list1);
    QFETCH(QStringList, list2);
    QFETCH(bool, clipCopy);
    QFETCH(int, verseFile);
    QFETCH(int, tallyShown);
    QFETCH(QString, hymname);
    QFETCH(QString, LimitYr);
    QFETCH(bool, titleOnly);

    Panes::List2CopyInputs in;
    in.list1 = list1;
    in.list2 = list2;
    in.clipCopy = clipCopy;
    in.verseFile = verseFile != 0;
    in.tallyShown = tallyShown != 0;
    in.hymname = hymname;
    in.LimitYr = LimitYr;
    in.titleOnly = titleOnly;
    QVERIFY(!Panes::List2AsksVerse(in));

    // With no question asked, neither a cancelled nor a stray answer limits the copy.
    for (const std::optional<QString> &answer : {std::optional<QString>(), std::optional<QString>(u"2"_s)}) {
        const std::optional<Panes::CopyResult> copy = Panes::List2Copy(in, answer);
        QVERIFY(copy);
        QTEST(copy->text, "text");
        QTEST(copy->message, "message");
        QCOMPARE(copy->title, u"Verse lines"_s);
    }
}

void TestClipCopy::titleCountReadsOne_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("one");

    QTest::newRow("1") << u"1"_s << true;
    QTest::newRow("leading blank") << u" 1"_s << true;
    QTest::newRow("11") << u"11"_s << false;
    QTest::newRow("0") << u"0"_s << false;
    QTest::newRow("empty caption") << QString() << false;
}

void TestClipCopy::titleCountReadsOne()
{
    QFETCH(QString, caption);
    QTEST(Panes::TitleCountReadsOne(caption), "one");
}

void TestClipCopy::helpText()
{
    QCOMPARE(Panes::HelpTitle(), u"Cantorix2 ver 2.9.7"_s);
    const QString text = Panes::HelpText();
    QVERIFY(!text.contains(u'\n'));
    const QStringList lines = text.split(QChar(13));
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines.at(0).front(), QChar(169));
    QVERIFY(lines.at(0).size() > 1);
    QVERIFY(lines.at(1).contains(u'@'));
    QVERIFY(lines.at(2).isEmpty());
    QCOMPARE(lines.at(3), u"- only 'Exclude' terms are case sensitive"_s);
    QCOMPARE(lines.at(7), u"- to select from directory box, double click your selection"_s);
}

QTEST_GUILESS_MAIN(TestClipCopy)
#include "tst_core_clipcopy.moc"
