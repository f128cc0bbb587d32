// SPDX-License-Identifier: GPL-3.0-or-later
// The limit box rules and the date reader behind them, under the US and the British order of day and month.
#include "search/datelimits.h"
#include "search/dateparse.h"

#include <QLocale>
#include <QTest>

using namespace Qt::StringLiterals;

class TestDateLimits : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void parsesDates_data();
    void parsesDates();
    void survivesHostileText();
    void readsLimitBox_data();
    void readsLimitBox();
    void checksEntries_data();
    void checksEntries();
    void dropsOneClosingDot_data();
    void dropsOneClosingDot();
};

void TestDateLimits::parsesDates_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected"); // a null date: not a date

    const QDate none;
    QTest::newRow("month day comma year") << u"en_US"_s << u"Jan 1, 2019"_s << QDate(2019, 1, 1);
    QTest::newRow("long month name") << u"en_US"_s << u"January 1, 2019"_s << QDate(2019, 1, 1);
    QTest::newRow("May") << u"en_US"_s << u"May 5, 2019"_s << QDate(2019, 5, 5);
    QTest::newRow("day month year") << u"en_US"_s << u"1 Jan 2019"_s << QDate(2019, 1, 1);
    QTest::newRow("no comma") << u"en_US"_s << u"Jan 1 2019"_s << QDate(2019, 1, 1);
    QTest::newRow("dashes around the name") << u"en_GB"_s << u"1-Jan-2019"_s << QDate(2019, 1, 1);
    QTest::newRow("year first with name") << u"en_US"_s << u"2019 Jan 1"_s << QDate(2019, 1, 1);
    QTest::newRow("any case, spaces around") << u"en_US"_s << u"  dEC 24, 2021  "_s << QDate(2021, 12, 24);
    QTest::newRow("dotted short name") << u"en_US"_s << u"Jan. 1, 2019"_s << QDate(2019, 1, 1);
    QTest::newRow("unique prefix") << u"en_US"_s << u"Sept 3, 2020"_s << QDate(2020, 9, 3);
    QTest::newRow("English short name in en_GB") << u"en_GB"_s << u"Sep 3, 2020"_s << QDate(2020, 9, 3);
    QTest::newRow("English name in German") << u"de_DE"_s << u"Mar 3, 2020"_s << QDate(2020, 3, 3);
    QTest::newRow("German long name") << u"de_DE"_s << u"1. März 2019"_s << QDate(2019, 3, 1);
    QTest::newRow("French short name") << u"fr_FR"_s << u"3 janv. 2021"_s << QDate(2021, 1, 3);
    QTest::newRow("numeric US order") << u"en_US"_s << u"5/1/2022"_s << QDate(2022, 5, 1);
    QTest::newRow("numeric British order") << u"en_GB"_s << u"5/1/2022"_s << QDate(2022, 1, 5);
    // No regional setting at all (LANG=C, C.UTF-8): month first.
    QTest::newRow("numeric C locale order") << u"C"_s << u"5/1/2022"_s << QDate(2022, 5, 1);
    QTest::newRow("numeric C.UTF-8 order") << u"C.UTF-8"_s << u"12/31/2021"_s << QDate(2021, 12, 31);
    QTest::newRow("numeric with dashes") << u"en_US"_s << u"5-1-22"_s << QDate(2022, 5, 1);
    QTest::newRow("numeric German dots") << u"de_DE"_s << u"5.1.2022"_s << QDate(2022, 1, 5);
    QTest::newRow("Hungarian closing dot") << u"hu_HU"_s << u"2022. 05. 01."_s << QDate(2022, 5, 1);
    QTest::newRow("ISO in US") << u"en_US"_s << u"2022-05-01"_s << QDate(2022, 5, 1);
    QTest::newRow("ISO in GB") << u"en_GB"_s << u"2022-05-01"_s << QDate(2022, 5, 1);
    QTest::newRow("two-digit year 29") << u"en_US"_s << u"1/1/29"_s << QDate(2029, 1, 1);
    QTest::newRow("two-digit year 30") << u"en_US"_s << u"1/1/30"_s << QDate(1930, 1, 1);
    QTest::newRow("two-digit year with name") << u"en_US"_s << u"Jan 1, 20"_s << QDate(2020, 1, 1);
    QTest::newRow("leap day") << u"en_US"_s << u"Feb 29, 2024"_s << QDate(2024, 2, 29);

    QTest::newRow("no year") << u"en_US"_s << u"Jan 1"_s << none;
    QTest::newRow("bare year") << u"en_US"_s << u"2019"_s << none;
    QTest::newRow("two digits") << u"en_US"_s << u"19"_s << none;
    QTest::newRow("no such day") << u"en_US"_s << u"Feb 29, 2023"_s << none;
    QTest::newRow("month 13 in US order") << u"en_US"_s << u"13/1/2022"_s << none;
    QTest::newRow("remark after the year") << u"en_US"_s << u"Dec 24, 2021 (evening)"_s << none;
    QTest::newRow("weekday in front") << u"en_US"_s << u"Sun, Jan 1, 2019"_s << none;
    QTest::newRow("words only") << u"en_US"_s << u"Sunday service"_s << none;
    QTest::newRow("empty") << u"en_US"_s << QString() << none;
    QTest::newRow("two commas") << u"en_US"_s << u"Jan 1,, 2019"_s << none;
    QTest::newRow("leading comma") << u"en_US"_s << u", Jan 1 2019"_s << none;
    QTest::newRow("five-digit year") << u"en_US"_s << u"Jan 1, 12019"_s << none;
    QTest::newRow("three-digit day") << u"en_US"_s << u"Jan 001, 2019"_s << none;
    QTest::newRow("ambiguous prefix") << u"en_US"_s << u"Ju 1, 2019"_s << none;
    QTest::newRow("prefix of two months") << u"fr_FR"_s << u"jui 1, 2019"_s << none;
    QTest::newRow("not a month") << u"en_US"_s << u"Foo 1, 2019"_s << none;
    QTest::newRow("German name in US") << u"en_US"_s << u"1. März 2019"_s << none;
    QTest::newRow("huge number") << u"en_US"_s << u"99999999999999999999/1/1"_s << none;
    QTest::newRow("emoji for month") << u"en_US"_s << u"\U0001F600 1, 2019"_s << none;
}

void TestDateLimits::parsesDates()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QDate, expected);

    QLocale::setDefault(QLocale(locale));
    const std::optional<QDate> date = Search::DateParse::parse(text);
    QCOMPARE(date.value_or(QDate()), expected);
    QCOMPARE(Search::DateParse::isDate(text), expected.isValid());
}

void TestDateLimits::survivesHostileText()
{
    const QString longText = u"Jan 1, 2019 "_s.repeated(10000);
    QVERIFY(!Search::DateParse::isDate(longText));
    QVERIFY(!Search::DateParse::isDate(QString(100000, u'9')));
    QString lonely;
    lonely.append(QChar(0xD800)).append(u" 1, 2019"_s); // an unpaired surrogate
    QVERIFY(!Search::DateParse::isDate(lonely));
    QVERIFY(!Search::DateParse::isDate(QString(3, QChar(0))));
}

void TestDateLimits::readsLimitBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("rewritten");
    QTest::addColumn<Search::LimitKind>("kind");

    QTest::newRow("year after") << u">2019"_s << u"Jan 1, 2019"_s << Search::LimitKind::OnOrAfter;
    QTest::newRow("year before") << u"<2022"_s << u"Jan 1, 2022"_s << Search::LimitKind::Before;
    QTest::newRow("blanks trimmed") << u">  2019 "_s << u"Jan 1, 2019"_s << Search::LimitKind::OnOrAfter;
    QTest::newRow("numeric date") << u"<5/1/2022"_s << u"5/1/2022"_s << Search::LimitKind::Before;
    QTest::newRow("full date") << u"> May 5, 2019"_s << u"May 5, 2019"_s << Search::LimitKind::OnOrAfter;
    QTest::newRow("two-digit year") << u"<19"_s << u"19"_s << Search::LimitKind::Phrase;
    QTest::newRow("other century") << u"<1999"_s << u"1999"_s << Search::LimitKind::Phrase;
    QTest::newRow("prefixed but no date") << u">2019 Easter"_s << u"Jan 1, 2019 Easter"_s << Search::LimitKind::Phrase;
    QTest::newRow("sign alone") << u"<"_s << QString() << Search::LimitKind::Phrase;
    QTest::newRow("bare year untouched") << u"2021"_s << u"2021"_s << Search::LimitKind::Phrase;
    QTest::newRow("phrase untouched") << u" Easter "_s << u" Easter "_s << Search::LimitKind::Phrase;
    QTest::newRow("blank before the sign") << u" >2019"_s << u" >2019"_s << Search::LimitKind::Phrase;
    QTest::newRow("empty") << QString() << QString() << Search::LimitKind::Phrase;
}

void TestDateLimits::readsLimitBox()
{
    QFETCH(QString, typed);
    QFETCH(QString, rewritten);
    QFETCH(Search::LimitKind, kind);

    const Search::DateLimit limit = Search::IsGtLt(typed);
    QCOMPARE(limit.kind, kind);
    QCOMPARE(limit.text, rewritten);
}

void TestDateLimits::checksEntries_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("verse");
    QTest::addColumn<QString>("typed"); // the limit box; IsGtLt reads it first for a usage file
    QTest::addColumn<QString>("head");
    QTest::addColumn<int>("leftOut");

    for (const QString &locale : {u"en_US"_s, u"en_GB"_s}) {
        const auto row = [&locale](const char *name) -> QTestData & {
            return QTest::addRow("%s %s", qPrintable(locale), name);
        };
        row("after is inclusive") << locale << false << u">2019"_s << u"Jan 1, 2019"_s << 0;
        row("before is exclusive") << locale << false << u"<2019"_s << u"Jan 1, 2019"_s << 1;
        row("day before the year") << locale << false << u"> 2019"_s << u"Dec 31, 2018"_s << 1;
        row("last day before") << locale << false << u"<2022"_s << u"Dec 31, 2021"_s << 0;
        row("remark after the year") << locale << false << u"<2022"_s << u"Dec 24, 2021 (evening)"_s << 0;
        row("remark outside limit") << locale << false << u">2022"_s << u"Dec 24, 2021 (evening)"_s << 1;
        row("word after the year") << locale << false << u">2019"_s << u"May 5, 2019 Easter"_s << 0;
        row("unreadable head") << locale << false << u">2019"_s << u"Sunday service"_s << 1;
        row("unreadable head before") << locale << false << u"<2019"_s << u"Sunday service"_s << 1;
        row("head shorter than the cut") << locale << false << u">2019"_s << u"Jan 5,"_s << 1;
        row("empty head") << locale << false << u">2019"_s << QString() << 1;
        row("phrase any case") << locale << false << u"SERVICE"_s << u"Sunday service"_s << 0;
        row("phrase missing") << locale << false << u"Easter"_s << u"Sunday service"_s << 1;
        row("old year as phrase") << locale << false << u"<1999"_s << u"Jan 1, 1999"_s << 0;
        row("old year as phrase absent") << locale << false << u"<1999"_s << u"Jan 1, 2000"_s << 1;
        row("empty box keeps all") << locale << false << QString() << u"Sunday service"_s << 0;
        row("verse title phrase") << locale << true << u"grace"_s << u"378 Amazing Grace"_s << 0;
        row("verse sign is text") << locale << true << u"<grace"_s << u"378 Amazing Grace"_s << 1;
        row("verse date is text") << locale << true << u">2019"_s << u"Jan 1, 2019"_s << 1;
    }
    // 5/1/2022 is 1 May in the US and 5 January in Britain.
    QTest::newRow("US numeric before") << u"en_US"_s << false << u"<5/1/2022"_s << u"Apr 30, 2022"_s << 0;
    QTest::newRow("US numeric on the day") << u"en_US"_s << false << u"<5/1/2022"_s << u"May 1, 2022"_s << 1;
    QTest::newRow("US numeric after") << u"en_US"_s << false << u">5/1/2022"_s << u"May 1, 2022"_s << 0;
    QTest::newRow("GB numeric before") << u"en_GB"_s << false << u"<5/1/2022"_s << u"Jan 4, 2022"_s << 0;
    QTest::newRow("GB numeric on the day") << u"en_GB"_s << false << u"<5/1/2022"_s << u"Jan 5, 2022"_s << 1;
    QTest::newRow("GB numeric in spring") << u"en_GB"_s << false << u"<5/1/2022"_s << u"Apr 30, 2022"_s << 1;
    QTest::newRow("GB numeric head") << u"en_GB"_s << false << u">2022"_s << u"5/1/2022"_s << 0;
}

void TestDateLimits::checksEntries()
{
    QFETCH(QString, locale);
    QFETCH(bool, verse);
    QFETCH(QString, typed);
    QFETCH(QString, head);
    QFETCH(int, leftOut);

    QLocale::setDefault(QLocale(locale));
    const Search::DateLimit limit = verse ? Search::DateLimit{Search::LimitKind::Phrase, typed} : Search::IsGtLt(typed);
    QCOMPARE(int(Search::ChkGtLt(verse, head, limit)), leftOut);
}

void TestDateLimits::dropsOneClosingDot_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("expected");

    QTest::newRow("closing dot") << u"Amazing Grace."_s << u"Amazing Grace"_s;
    QTest::newRow("inner dot") << u"St. Anne"_s << u"St. Anne"_s;
    QTest::newRow("two dots") << u"End.."_s << u"End."_s;
    QTest::newRow("dot alone") << u"."_s << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestDateLimits::dropsOneClosingDot()
{
    QFETCH(QString, item);
    QFETCH(QString, expected);
    QCOMPARE(Search::DropDot(item), expected);
}

QTEST_GUILESS_MAIN(TestDateLimits)
#include "tst_core_datelimits.moc"
