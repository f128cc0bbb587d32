// SPDX-License-Identifier: GPL-3.0-or-later
// The church-year calendar: dates named in the three styles across early and late Easters and both ends of
// Advent, names read back into days, and the congregation's lectionary read from good and bad lines and looked up
// by date. Expected days are counted by hand from printed calendars.
#include "calendar/churchcalendar.h"
#include "calendar/dayname.h"
#include "calendar/daynames.h"
#include "calendar/lectionaryfile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <array>
#include <utility>

using namespace Qt::StringLiterals;
using Calendar::NamingStyle;

Q_DECLARE_METATYPE(Calendar::Naming)

namespace {

// The styles of the Revised Common Lectionary's calendar, in the order the days table gives their names.
constexpr std::array styles = {NamingStyle::Proper, NamingStyle::Pentecost, NamingStyle::OrdinaryTime,
                               NamingStyle::Trinity};

// The Roman Rite with the options named by their letters: E the Epiphany, A the Ascension, C the Body and Blood of
// Christ on a Sunday.
Calendar::Naming romanWith(const QString &options)
{
    return {NamingStyle::Roman,
            {.epiphanyOnSunday = options.contains(u'E'),
             .ascensionOnSunday = options.contains(u'A'),
             .bodyAndBloodOnSunday = options.contains(u'C')}};
}

QByteArray utf16WithMark(const QString &text)
{
    QStringEncoder encoder(QStringConverter::Utf16LE);
    return "\xFF\xFE" + QByteArray(encoder(text));
}

// "4 Easter Day = Acts 10" per entry, with the year letter after the name when the line has one.
QString describe(const Calendar::LectionaryFile &lectionary)
{
    QStringList lines;
    for (const Calendar::LectionaryEntry &entry : lectionary.table().entries()) {
        const QString letter = entry.year.isNull() ? QString() : u" "_s + entry.year;
        lines.append(u"%1 %2%3 = %4"_s.arg(entry.line).arg(Calendar::writtenName(entry.day), letter, entry.readings));
    }
    for (const Calendar::LectionaryProblem &problem : lectionary.problems())
        lines.append(problem.message());
    return lines.join(u'|');
}

} // namespace

class TestCalendar : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void days_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("names"); // Proper|Pentecost|Ordinary Time|Trinity style, or one name for all
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("season");

        const auto row = [](const char *tag, QDate date, const QString &names, const QString &letter,
                            const QString &season) { QTest::newRow(tag) << date << names << letter << season; };
        const QString A = u"A"_s, B = u"B"_s, C = u"C"_s;
        const QString advent = u"Advent"_s, christmas = u"Christmas"_s, epiphany = u"Epiphany"_s, lent = u"Lent"_s,
                      holyWeek = u"Holy Week"_s, easter = u"Easter"_s, after = u"After Pentecost"_s;

        // Advent 1 at both ends of its range, and the year letter turning with it.
        row("Advent 1 on Nov 27", QDate(2022, 11, 27), u"Advent 1"_s, A, advent);
        row("the Saturday before", QDate(2022, 11, 26), u"Saturday after Christ the King"_s, C, after);
        row("Advent 1 on Dec 3", QDate(2023, 12, 3), u"Advent 1"_s, B, advent);
        row("Christ the King on Nov 26", QDate(2023, 11, 26), u"Christ the King"_s, A, after);
        row("Advent 1 2025 begins year A", QDate(2025, 11, 30), u"Advent 1"_s, A, advent);
        row("Advent 1 2026 begins year B", QDate(2026, 11, 29), u"Advent 1"_s, B, advent);
        row("weekday after Advent 4", QDate(2026, 12, 23), u"Wednesday after Advent 4"_s, B, advent);
        // Christmas on a Sunday, Christmas Eve on Advent 4's Sunday, and a second Sunday after Christmas.
        row("Christmas Eve on a Saturday", QDate(2022, 12, 24), u"Christmas Eve"_s, A, christmas);
        row("Christmas Day on a Sunday", QDate(2022, 12, 25), u"Christmas Day"_s, A, christmas);
        row("the week after a Sunday Christmas", QDate(2022, 12, 31), u"Saturday after Christmas Day"_s, A, christmas);
        row("Christmas 1 on Jan 1", QDate(2023, 1, 1), u"Christmas 1"_s, A, christmas);
        row("Christmas Eve on a Sunday", QDate(2023, 12, 24), u"Christmas Eve"_s, B, christmas);
        row("Christmas 1 on Dec 31", QDate(2023, 12, 31), u"Christmas 1"_s, B, christmas);
        row("Christmas 2 on Jan 5", QDate(2025, 1, 5), u"Christmas 2"_s, C, christmas);
        // Epiphany on a Friday, a Saturday and a Sunday, and the Baptism of the Lord after each.
        row("Saturday after a Friday Epiphany", QDate(2023, 1, 7), u"Saturday after Epiphany"_s, A, epiphany);
        row("Baptism after a Friday Epiphany", QDate(2023, 1, 8), u"Baptism of the Lord"_s, A, epiphany);
        row("Baptism after a Saturday Epiphany", QDate(2024, 1, 7), u"Baptism of the Lord"_s, B, epiphany);
        row("Epiphany on a Sunday", QDate(2019, 1, 6), u"Epiphany"_s, C, epiphany);
        row("Monday after a Sunday Epiphany", QDate(2019, 1, 7), u"Monday after Epiphany"_s, C, epiphany);
        row("Baptism a week after a Sunday Epiphany", QDate(2019, 1, 13), u"Baptism of the Lord"_s, C, epiphany);
        row("last Sunday before Transfiguration", QDate(2023, 2, 12), u"Epiphany 6"_s, A, epiphany);
        // Easter on its earliest and latest dates, and the days it fixes.
        row("Easter on Mar 22, 2285", QDate(2285, 3, 22), u"Easter Day"_s, B, easter);
        row("Easter on Mar 22, 1818", QDate(1818, 3, 22), u"Easter Day"_s, C, easter);
        row("Easter on Apr 25, 2038", QDate(2038, 4, 25), u"Easter Day"_s, A, easter);
        row("Easter on Apr 25, 1943", QDate(1943, 4, 25), u"Easter Day"_s, B, easter);
        row("Easter of the first Gregorian year", QDate(1583, 4, 10), u"Easter Day"_s, B, easter);
        row("Transfiguration, earliest Easter", QDate(2285, 2, 1), u"Transfiguration"_s, B, epiphany);
        row("Ash Wednesday, earliest Easter", QDate(2285, 2, 4), u"Ash Wednesday"_s, B, lent);
        row("Epiphany 8, latest Easter", QDate(2038, 2, 28), u"Epiphany 8"_s, A, epiphany);
        row("Transfiguration, latest Easter", QDate(2038, 3, 7), u"Transfiguration"_s, A, epiphany);
        row("Ash Wednesday, latest Easter", QDate(2038, 3, 10), u"Ash Wednesday"_s, A, lent);
        // Lent to Trinity in 2026 (Easter April 5), weekdays included.
        row("Tuesday after Transfiguration", QDate(2026, 2, 17), u"Tuesday after Transfiguration"_s, A, epiphany);
        row("Thursday after Ash Wednesday", QDate(2026, 2, 19), u"Thursday after Ash Wednesday"_s, A, lent);
        row("Tuesday after Lent 2", QDate(2026, 3, 3), u"Tuesday after Lent 2"_s, A, lent);
        row("Palm Sunday", QDate(2026, 3, 29), u"Palm Sunday"_s, A, holyWeek);
        row("Tuesday of Holy Week", QDate(2026, 3, 31), u"Tuesday of Holy Week"_s, A, holyWeek);
        row("Maundy Thursday", QDate(2026, 4, 2), u"Maundy Thursday"_s, A, holyWeek);
        row("Holy Saturday", QDate(2026, 4, 4), u"Holy Saturday"_s, A, holyWeek);
        row("Monday after Easter Day", QDate(2026, 4, 6), u"Monday after Easter Day"_s, A, easter);
        row("Easter 2", QDate(2026, 4, 12), u"Easter 2"_s, A, easter);
        row("Ascension", QDate(2026, 5, 14), u"Ascension"_s, A, easter);
        row("Saturday after Ascension", QDate(2026, 5, 16), u"Saturday after Ascension"_s, A, easter);
        row("Easter 7", QDate(2026, 5, 17), u"Easter 7"_s, A, easter);
        row("Pentecost", QDate(2026, 5, 24), u"Pentecost"_s, A, easter);
        row("Monday after Pentecost", QDate(2026, 5, 25), u"Monday after Pentecost"_s, A, after);
        row("Trinity Sunday", QDate(2026, 5, 31), u"Trinity Sunday"_s, A, after);
        // The Sundays after Trinity: the first Proper in early and late Easter years, Proper 17 at both ends of its
        // range and in the three styles, All Saints on a Sunday, and the last Propers.
        row("first Proper, earliest Easter", QDate(2285, 5, 24), u"Proper 3|Pentecost 2|Ordinary Time 8|Trinity 1"_s, B,
            after);
        row("first Proper, latest Easter", QDate(2038, 6, 27), u"Proper 8|Pentecost 2|Ordinary Time 13|Trinity 1"_s, A,
            after);
        row("Aug 30, 2026", QDate(2026, 8, 30), u"Proper 17|Pentecost 14|Ordinary Time 22|Trinity 13"_s, A, after);
        row("Proper 17 on Aug 28", QDate(2022, 8, 28), u"Proper 17|Pentecost 12|Ordinary Time 22|Trinity 11"_s, C,
            after);
        row("Proper 17 on Sep 3", QDate(2023, 9, 3), u"Proper 17|Pentecost 14|Ordinary Time 22|Trinity 13"_s, A, after);
        row("Tuesday after Proper 17", QDate(2026, 9, 1),
            u"Tuesday after Proper 17|Tuesday after Pentecost 14|Tuesday after Ordinary Time 22|"
            "Tuesday after Trinity 13"_s,
            A, after);
        row("All Saints on a Sunday", QDate(2026, 11, 1), u"All Saints"_s, A, after);
        row("the week of a Sunday All Saints", QDate(2026, 11, 2),
            u"Monday after Proper 26|Monday after Pentecost 23|Monday after Ordinary Time 31|"
            "Monday after Trinity 22"_s,
            A, after);
        row("All Saints on a Saturday", QDate(2025, 11, 1), u"All Saints"_s, C, after);
        row("Proper 28", QDate(2026, 11, 15), u"Proper 28|Pentecost 25|Ordinary Time 33|Trinity 24"_s, A, after);
        row("Christ the King", QDate(2026, 11, 22), u"Christ the King"_s, A, after);
        // The ends of the calendar: the first Gregorian church year and the last day the program accepts.
        row("before the Gregorian church year", QDate(1582, 11, 27), QString(), QString(), QString());
        row("first Gregorian Advent", QDate(1582, 11, 28), u"Advent 1"_s, B, advent);
        row("year 1", QDate(1, 6, 1), QString(), QString(), QString());
        row("Dec 31, 9999", QDate(9999, 12, 31), u"Friday after Christmas 1"_s, A, christmas);
        row("invalid date", QDate(), QString(), QString(), QString());
    }

    void days()
    {
        QFETCH(QDate, date);
        QFETCH(QString, names);
        QFETCH(QString, letter);
        QFETCH(QString, season);

        const Calendar::Day day = Calendar::dayOf(date);
        const QStringList expected = names.split(u'|');
        for (size_t i = 0; i < styles.size(); ++i)
            QCOMPARE(Calendar::nameOf(day, styles[i]), expected.value(qsizetype(i), expected.front()));
        QCOMPARE(day.year.isNull() ? QString() : QString(day.year), letter);
        QCOMPARE(Calendar::seasonName(day.season), season);
    }

    // Easter Day by Knuth's epact algorithm (not the one the calendar uses), checked against dates printed in
    // almanacs (1700, 1818, 1886, 1943).
    void easter_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QDate>("easter");
        for (const QDate &date :
             {QDate(1600, 4, 2),  QDate(1609, 4, 19), QDate(1666, 4, 25), QDate(1685, 4, 22), QDate(1693, 3, 22),
              QDate(1700, 4, 11), QDate(1704, 3, 23), QDate(1731, 3, 25), QDate(1761, 3, 22), QDate(1778, 4, 19),
              QDate(1799, 3, 24), QDate(1800, 4, 13), QDate(1845, 3, 23), QDate(1856, 3, 23), QDate(1886, 4, 25),
              QDate(1897, 4, 18), QDate(1900, 4, 15), QDate(4200, 4, 20), QDate(4217, 4, 13), QDate(4243, 4, 23),
              QDate(4299, 4, 2),  QDate(6700, 3, 25), QDate(6738, 3, 27), QDate(6761, 4, 16), QDate(6796, 4, 14),
              QDate(9200, 4, 2),  QDate(9212, 4, 22), QDate(9231, 4, 20), QDate(9269, 4, 21), QDate(9299, 4, 19)})
            QTest::addRow("%d", date.year()) << date.year() << date;
    }

    void easter()
    {
        QFETCH(int, year);
        QTEST(Calendar::easterSunday(year), "easter");
    }

    // The Roman Rite's day lines, counted from the General Roman Calendar and the years' published calendars.
    void roman_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("options"); // as romanWith() reads them
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("sunday"); // the Sunday underneath a feast, or empty

        const auto row = [](const char *tag, QDate date, const QString &options, const QString &line,
                            const QString &sunday = QString()) {
            QTest::newRow(tag) << date << options << line << sunday;
        };
        const QString none;
        // Advent, the Immaculate Conception moved off its Sunday, and a Sunday Christmas Eve.
        row("Advent 1", QDate(2024, 12, 1), none, u"First Sunday of Advent · Year C"_s);
        row("Advent weekday", QDate(2024, 12, 10), none, u"Tuesday of the Second Week of Advent · Year C"_s);
        row("Dec 8 on a Sunday", QDate(2024, 12, 8), none, u"Second Sunday of Advent · Year C"_s);
        row("Immaculate Conception moved", QDate(2024, 12, 9), none,
            u"The Immaculate Conception of the Blessed Virgin Mary · Year C"_s);
        row("Christmas Eve on a Sunday", QDate(2023, 12, 24), none, u"Vigil of the Nativity of the Lord · Year B"_s,
            u"Fourth Sunday of Advent"_s);
        // Christmas on a Sunday: the Holy Family on Friday December 30, and Mary, Mother of God on a Sunday.
        row("Christmas on a Sunday", QDate(2022, 12, 25), none, u"The Nativity of the Lord · Year A"_s);
        row("octave weekday", QDate(2022, 12, 26), none,
            u"Monday within the Octave of the Nativity of the Lord · Year A"_s);
        row("Holy Family on Dec 30", QDate(2022, 12, 30), none,
            u"The Holy Family of Jesus, Mary and Joseph · Year A"_s);
        row("Jan 1 on a Sunday", QDate(2023, 1, 1), none, u"Mary, the Holy Mother of God · Year A"_s);
        row("Holy Family on a Sunday", QDate(2023, 12, 31), none,
            u"The Holy Family of Jesus, Mary and Joseph · Year B"_s);
        // The Epiphany on January 6, or on the Sunday January 2-8 with the Baptism on a Monday after the 7th or 8th.
        row("Sunday Jan 2", QDate(2022, 1, 2), none, u"Second Sunday after the Nativity · Year C"_s);
        row("Sunday Jan 2, Epiphany on a Sunday", QDate(2022, 1, 2), u"E"_s, u"The Epiphany of the Lord · Year C"_s);
        row("weekday before the Epiphany", QDate(2023, 1, 3), none, u"Tuesday before the Epiphany · Year A"_s);
        row("Epiphany on Sunday Jan 6", QDate(2019, 1, 6), none, u"The Epiphany of the Lord · Year C"_s);
        row("weekday after the Epiphany", QDate(2019, 1, 8), none, u"Tuesday after the Epiphany · Year C"_s);
        row("Baptism a week after", QDate(2019, 1, 13), none, u"The Baptism of the Lord · Year C"_s);
        row("Baptism Sunday Jan 7", QDate(2024, 1, 7), none, u"The Baptism of the Lord · Year B"_s);
        row("Epiphany on Jan 7", QDate(2024, 1, 7), u"E"_s, u"The Epiphany of the Lord · Year B"_s);
        row("Baptism on Monday Jan 8", QDate(2024, 1, 8), u"E"_s, u"The Baptism of the Lord · Year B"_s);
        row("first week after a Monday Baptism", QDate(2024, 1, 9), u"E"_s,
            u"Tuesday of the First Week in Ordinary Time · Year B · II"_s);
        row("Baptism on Monday Jan 9", QDate(2023, 1, 9), u"E"_s, u"The Baptism of the Lord · Year A"_s);
        row("Sunday after a Monday Baptism", QDate(2023, 1, 15), u"E"_s, u"Second Sunday in Ordinary Time · Year A"_s);
        // Ordinary Time before Lent, with no Transfiguration Sunday, and the Presentation on a Sunday.
        row("Fifth Sunday in Ordinary Time", QDate(2024, 2, 4), none, u"Fifth Sunday in Ordinary Time · Year B"_s);
        row("weekday cycle II", QDate(2024, 2, 5), none, u"Monday of the Fifth Week in Ordinary Time · Year B · II"_s);
        row("last Sunday before Lent", QDate(2024, 2, 11), none, u"Sixth Sunday in Ordinary Time · Year B"_s);
        row("Presentation on a Sunday", QDate(2025, 2, 2), none, u"The Presentation of the Lord · Year C"_s,
            u"Fourth Sunday in Ordinary Time"_s);
        row("weekday cycle I", QDate(2025, 2, 3), none, u"Monday of the Fourth Week in Ordinary Time · Year C · I"_s);
        // Lent, Holy Week and the octave of Easter in 2024.
        row("after Ash Wednesday", QDate(2024, 2, 15), none, u"Thursday after Ash Wednesday · Year B"_s);
        row("Lent weekday", QDate(2024, 2, 27), none, u"Tuesday of the Second Week of Lent · Year B"_s);
        row("Palm Sunday", QDate(2024, 3, 24), none, u"Palm Sunday of the Passion of the Lord · Year B"_s);
        row("Holy Thursday", QDate(2024, 3, 28), none, u"Thursday of the Lord's Supper · Year B"_s);
        row("Easter octave", QDate(2024, 4, 1), none, u"Monday within the Octave of Easter · Year B"_s);
        // St Joseph and the Annunciation moved off a Sunday of Lent, out of Holy Week and the octave of Easter.
        row("St Joseph in Holy Week", QDate(2008, 3, 19), none, u"Wednesday of Holy Week · Year A"_s);
        row("St Joseph moved before Palm Sunday", QDate(2008, 3, 15), none,
            u"Saint Joseph, Spouse of the Blessed Virgin Mary · Year A"_s);
        row("Mar 19 on a Sunday of Lent", QDate(2023, 3, 19), none, u"Fourth Sunday of Lent · Year A"_s);
        row("St Joseph on the Monday", QDate(2023, 3, 20), none,
            u"Saint Joseph, Spouse of the Blessed Virgin Mary · Year A"_s);
        row("Annunciation in Holy Week", QDate(2024, 3, 25), none, u"Monday of Holy Week · Year B"_s);
        row("Annunciation after Easter 2", QDate(2024, 4, 8), none, u"The Annunciation of the Lord · Year B"_s);
        row("Annunciation off a Sunday of Lent", QDate(2012, 3, 26), none, u"The Annunciation of the Lord · Year B"_s);
        // The Ascension and the Body and Blood of Christ on their Thursdays or the Sundays after.
        row("Ascension Thursday", QDate(2024, 5, 9), none, u"The Ascension of the Lord · Year B"_s);
        row("Ascension moved: its Thursday", QDate(2024, 5, 9), u"A"_s,
            u"Thursday of the Sixth Week of Easter · Year B"_s);
        row("Ascension on Easter 7", QDate(2024, 5, 12), u"A"_s, u"The Ascension of the Lord · Year B"_s,
            u"Seventh Sunday of Easter"_s);
        row("Easter 7", QDate(2024, 5, 12), none, u"Seventh Sunday of Easter · Year B"_s);
        row("Pentecost", QDate(2024, 5, 19), none, u"Pentecost Sunday · Year B"_s);
        row("the week after Pentecost", QDate(2024, 5, 20), none,
            u"Monday of the Seventh Week in Ordinary Time · Year B · II"_s);
        row("a week left out after Pentecost", QDate(2026, 5, 25), none,
            u"Monday of the Eighth Week in Ordinary Time · Year A · II"_s);
        row("Trinity", QDate(2024, 5, 26), none, u"The Most Holy Trinity · Year B"_s);
        row("Body and Blood on Thursday", QDate(2024, 5, 30), none,
            u"The Most Holy Body and Blood of Christ · Year B"_s);
        row("Body and Blood on Sunday", QDate(2024, 6, 2), u"C"_s, u"The Most Holy Body and Blood of Christ · Year B"_s,
            u"Ninth Sunday in Ordinary Time"_s);
        row("Sacred Heart", QDate(2024, 6, 7), none, u"The Most Sacred Heart of Jesus · Year B"_s);
        row("Sacred Heart on Jun 24", QDate(2022, 6, 24), none, u"The Most Sacred Heart of Jesus · Year C"_s);
        row("John the Baptist the day before", QDate(2022, 6, 23), none,
            u"The Nativity of Saint John the Baptist · Year C"_s);
        // The solemnities and feasts of the Lord that take a Sunday's place in Ordinary Time, and one on a weekday.
        row("John the Baptist on a Sunday", QDate(2018, 6, 24), none,
            u"The Nativity of Saint John the Baptist · Year B"_s, u"Twelfth Sunday in Ordinary Time"_s);
        row("Peter and Paul on a Sunday", QDate(2025, 6, 29), none, u"Saints Peter and Paul, Apostles · Year C"_s,
            u"Thirteenth Sunday in Ordinary Time"_s);
        row("Transfiguration on a Sunday", QDate(2023, 8, 6), none, u"The Transfiguration of the Lord · Year A"_s,
            u"Eighteenth Sunday in Ordinary Time"_s);
        row("Assumption on a Sunday", QDate(2021, 8, 15), none, u"The Assumption of the Blessed Virgin Mary · Year B"_s,
            u"Twentieth Sunday in Ordinary Time"_s);
        row("Assumption on a weekday", QDate(2024, 8, 15), none,
            u"The Assumption of the Blessed Virgin Mary · Year B"_s);
        row("Holy Cross on a Sunday", QDate(2025, 9, 14), none, u"The Exaltation of the Holy Cross · Year C"_s,
            u"Twenty-fourth Sunday in Ordinary Time"_s);
        row("All Saints on a Sunday", QDate(2026, 11, 1), none, u"All Saints · Year A"_s,
            u"Thirty-first Sunday in Ordinary Time"_s);
        row("All Souls on a Sunday", QDate(2025, 11, 2), none,
            u"The Commemoration of All the Faithful Departed · Year C"_s, u"Thirty-first Sunday in Ordinary Time"_s);
        row("Lateran on a Sunday", QDate(2025, 11, 9), none, u"The Dedication of the Lateran Basilica · Year C"_s,
            u"Thirty-second Sunday in Ordinary Time"_s);
        row("Christ the King", QDate(2024, 11, 24), none, u"Our Lord Jesus Christ, King of the Universe · Year B"_s);
        row("the last week", QDate(2024, 11, 30), none,
            u"Saturday of the Thirty-fourth Week in Ordinary Time · Year B · II"_s);
        row("before the calendar", QDate(1582, 6, 1), none,
            u"Not named: before the Gregorian church year (Advent 1582)"_s);
    }

    void roman()
    {
        QFETCH(QDate, date);
        QFETCH(QString, options);
        const Calendar::Naming naming = romanWith(options);
        QTEST(Calendar::nameWithYear(date, naming), "line");
        const Calendar::DayId sunday = Calendar::dayOf(date, naming).sunday;
        QTEST(sunday.isValid() ? Calendar::writtenName(sunday, NamingStyle::Roman) : QString(), "sunday");
    }

    // Every day of a century and the calendar's ends, in each style (the Roman Rite with its options off and on):
    // its name reads back as a day that falls on it and on neither neighbour, and no two days of a church year share
    // a name.
    void namesReadBack()
    {
        std::vector<Calendar::Naming> namings(styles.begin(), styles.end());
        namings.push_back(NamingStyle::Roman);
        namings.push_back(romanWith(u"EAC"_s));
        const auto sweep = [&namings](QDate from, QDate to) -> QString {
            for (const Calendar::Naming &naming : namings) {
                QHash<QString, QDate> seen;
                for (QDate date = from; date <= to; date = date.addDays(1)) {
                    if (date == Calendar::churchYearStart(date))
                        seen.clear();
                    const QString name = Calendar::nameOf(date, naming, Calendar::Words::English);
                    const std::optional<Calendar::DayId> id = Calendar::parseDayName(name);
                    if (!id || !Calendar::denotes(*id, date, naming) ||
                        Calendar::denotes(*id, date.addDays(-1), naming) ||
                        Calendar::denotes(*id, date.addDays(1), naming))
                        return u"%1 read back from “%2”"_s.arg(date.toString(Qt::ISODate), name);
                    if (seen.contains(name))
                        return u"“%1” on %2 and %3"_s.arg(name, seen.value(name).toString(Qt::ISODate),
                                                          date.toString(Qt::ISODate));
                    seen.insert(name, date);
                }
            }
            return QString();
        };
        for (const auto &[from, to] :
             {std::pair(QDate(1582, 11, 28), QDate(1584, 12, 31)), std::pair(QDate(2000, 1, 1), QDate(2100, 12, 31)),
              std::pair(QDate(9998, 1, 1), QDate(9999, 12, 31))}) {
            const QString fault = sweep(from, to);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
        }
    }

    // The two ways out: the English name a file is read in, and the name shown, translated when it is asked for; a
    // second set of names reads the shown ones back.
    void translatedNames()
    {
        struct German : QTranslator {
            bool isEmpty() const override { return false; }
            QString translate(const char *context, const char *source, const char *, int) const override
            {
                static const QHash<QByteArray, QString> words = {
                    {"Advent 1", u"1. Advent"_s}, {"Monday", u"Montag"_s}, {"%1 after %2", u"%1 nach %2"_s}};
                return QByteArray(context) == "Calendar" ? words.value(source) : QString();
            }
        } german;
        QCoreApplication::installTranslator(&german);
        const QDate monday(2026, 11, 30);
        const QString shown = Calendar::nameOf(monday, NamingStyle::Proper);
        const QString english = Calendar::nameOf(monday, NamingStyle::Proper, Calendar::Words::English);
        const Calendar::DayNames names = Calendar::DayNames::shown();
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(shown, u"Montag nach 1. Advent"_s);
        QCOMPARE(english, u"Monday after Advent 1"_s);
        QVERIFY(!Calendar::parseDayName(shown));
        const std::optional<Calendar::DayId> read = Calendar::parseDayName(shown, &names);
        QVERIFY(read && Calendar::denotes(*read, monday));
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // the name as read back; empty when it is no day

        QTest::newRow("spaces and case") << u"  aDVENT   3 "_s << u"Advent 3"_s;
        QTest::newRow("Advent out of range") << u"Advent 5"_s << QString();
        QTest::newRow("number 0") << u"Lent 0"_s << QString();
        QTest::newRow("number in words") << u"Advent three"_s << QString();
        QTest::newRow("number with a letter") << u"Advent 3x"_s << QString();
        QTest::newRow("huge number") << u"Proper 99999999999"_s << QString();
        QTest::newRow("Epiphany 1 is the Baptism") << u"Epiphany 1"_s << u"Baptism of the Lord"_s;
        QTest::newRow("Epiphany 9") << u"Epiphany 9"_s << QString();
        QTest::newRow("The Epiphany") << u"The Epiphany"_s << u"Epiphany"_s;
        QTest::newRow("Easter 1 is Easter Day") << u"Easter 1"_s << u"Easter Day"_s;
        QTest::newRow("Proper 29 is Christ the King") << u"Proper 29"_s << u"Christ the King"_s;
        QTest::newRow("Ordinary Time 34 is Christ the King") << u"Ordinary Time 34"_s << u"Christ the King"_s;
        QTest::newRow("Reign of Christ") << u"Reign of Christ"_s << u"Christ the King"_s;
        QTest::newRow("Proper 30") << u"Proper 30"_s << QString();
        QTest::newRow("Ordinary Time before Proper 1") << u"Ordinary Time 5"_s << QString();
        QTest::newRow("Pentecost 29") << u"Pentecost 29"_s << QString();
        QTest::newRow("Day of Pentecost") << u"Day of Pentecost"_s << u"Pentecost"_s;
        QTest::newRow("All Saints' Day") << u"All Saints' Day"_s << u"All Saints"_s;
        QTest::newRow("All Saints’ Day, curly") << u"ALL SAINTS’ DAY"_s << u"All Saints"_s;
        QTest::newRow("Holy Trinity") << u"Holy Trinity"_s << u"Trinity Sunday"_s;
        QTest::newRow("weekday after a Proper") << u"friday after proper 3"_s << u"Friday after Proper 3"_s;
        QTest::newRow("weekday after The Epiphany") << u"Friday after the Epiphany"_s << u"Friday after Epiphany"_s;
        QTest::newRow("Thursday of Holy Week") << u"Thursday of Holy Week"_s << QString();
        QTest::newRow("Sunday after") << u"Sunday after Pentecost"_s << QString();
        QTest::newRow("weekday alone") << u"Tuesday"_s << QString();
        QTest::newRow("weekday after nothing") << u"Tuesday after"_s << QString();
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("Trinity 28") << u"Trinity 28"_s << QString();
        QTest::newRow("Roman week, as the other styles name it")
            << u"Monday of the Second Week of Lent"_s << u"Monday after Lent 2"_s;
        QTest::newRow("Roman week without its articles")
            << u"monday of fifth week in ordinary time"_s << u"Monday of the Fifth Week in Ordinary Time"_s;
        QTest::newRow("Sts. with a full stop") << u"Sts. Peter and Paul"_s << u"Saints Peter and Paul, Apostles"_s;
        QTest::newRow("Corpus Christi") << u"Corpus Christi"_s << u"The Most Holy Body and Blood of Christ"_s;
        QTest::newRow("Transfiguration of the Lord is August 6")
            << u"Transfiguration of the Lord"_s << u"The Transfiguration of the Lord"_s;
        QTest::newRow("34th Sunday is Christ the King")
            << u"Thirty-fourth Sunday in Ordinary Time"_s << u"Christ the King"_s;
        QTest::newRow("no 35th week") << u"Monday of the Thirty-fifth Week in Ordinary Time"_s << QString();
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const std::optional<Calendar::DayId> id = Calendar::parseDayName(text);
        QCOMPARE(id ? Calendar::writtenName(*id) : QString(), expected);
    }

    void reader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected"); // entries, then problems, as describe() puts them

        QTest::newRow("with and without a year letter")
            << "Advent 3 B: Isaiah 61:1-4, 8-11; Psalm 126\nAdvent 3: Zephaniah 3:14-20\n"_ba
            << u"1 Advent 3 B = Isaiah 61:1-4, 8-11; Psalm 126|2 Advent 3 = Zephaniah 3:14-20"_s;
        QTest::newRow("comments and blank lines")
            << "# Our lectionary\n\n   # indented\n  \nEaster Day: Acts 10:34-43 # or Isaiah 25\n"_ba
            << u"5 Easter Day = Acts 10:34-43"_s;
        QTest::newRow("each style")
            << "Proper 17 A: Jer 2\nPentecost 14 b: Jer 18\nOrdinary Time 22\tC: Sir 3\n"_ba
            << u"1 Proper 17 A = Jer 2|2 Pentecost 14 B = Jer 18|3 Ordinary Time 22 C = Sir 3"_s;
        QTest::newRow("unknown name") << "Advent 9: Isaiah 1\nLent 1: Genesis 2\n"_ba
                                      << u"2 Lent 1 = Genesis 2|line 1: “Advent 9” is not a day of the church year"_s;
        QTest::newRow("no colon") << "Good Friday John 18\n"_ba << u"line 1: no colon after the day's name"_s;
        QTest::newRow("no colon after the name")
            << "Advent 1 Isaiah 2:1-5\n"_ba << u"line 1: “Advent 1 Isaiah 2” is not a day of the church year"_s;
        QTest::newRow("unknown year letter")
            << "Advent 1 D: Isaiah 2\n"_ba << u"line 1: the year letter “D” is not A, B or C"_s;
        QTest::newRow("no readings") << "Advent 1 A:   # later\n"_ba << u"line 1: no readings after the colon"_s;
        QTest::newRow("CRLF") << "Advent 1 A: Isaiah 2:1-5\r\nAdvent 2 A: Isaiah 11\r\n"_ba
                              << u"1 Advent 1 A = Isaiah 2:1-5|2 Advent 2 A = Isaiah 11"_s;
        QTest::newRow("lone CR") << "Advent 1 A: Isaiah 2\rAdvent 2 A: Isaiah 11"_ba
                                 << u"1 Advent 1 A = Isaiah 2|2 Advent 2 A = Isaiah 11"_s;
        QTest::newRow("UTF-16") << utf16WithMark(u"# ünser\nAll Saints’ Day: Revelation 7:9-17\n"_s)
                                << u"2 All Saints = Revelation 7:9-17"_s;
        QTest::newRow("Windows-1252") << "All Saints\x92 Day: Offenbarung 7 \xfc"_ba
                                      << u"1 All Saints = Offenbarung 7 ü"_s;
    }

    void reader()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        const Calendar::LectionaryFile lectionary = Calendar::LectionaryFile::read(buffer);
        QCOMPARE(describe(lectionary), expected);
        QVERIFY(!lectionary.isTruncated());
    }

    void lookup_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<Calendar::Naming>("naming");
        QTest::addColumn<QString>("expected"); // "-" for none

        const Calendar::Naming proper = NamingStyle::Proper;
        const Calendar::Naming roman = NamingStyle::Roman;
        QTest::newRow("Christmas Eve over Advent 4 with the letter") << QDate(2023, 12, 24) << proper << u"eve"_s;
        QTest::newRow("the year's letter over none") << QDate(2026, 12, 20) << proper << u"advent four B"_s;
        QTest::newRow("every year's line without the year's") << QDate(2024, 12, 22) << proper << u"advent four"_s;
        QTest::newRow("Pentecost 14 in 2026") << QDate(2026, 8, 30) << proper << u"pentecost fourteen"_s;
        QTest::newRow("Ordinary Time 22 in its style")
            << QDate(2026, 8, 30) << Calendar::Naming(NamingStyle::OrdinaryTime) << u"ordinary twenty-two"_s;
        QTest::newRow("Pentecost 14 is Proper 16 in 2027")
            << QDate(2027, 8, 22) << Calendar::Naming(NamingStyle::Pentecost) << u"pentecost fourteen"_s;
        QTest::newRow("Proper 17 in 2027, not Pentecost 14")
            << QDate(2027, 8, 29) << Calendar::Naming(NamingStyle::Pentecost) << u"ordinary twenty-two"_s;
        QTest::newRow("the letter over the style")
            << QDate(2025, 8, 31) << Calendar::Naming(NamingStyle::OrdinaryTime) << u"proper C"_s;
        QTest::newRow("Sunday All Saints takes its Proper") << QDate(2026, 11, 1) << proper << u"proper 26"_s;
        QTest::newRow("weekday line") << QDate(2026, 3, 3) << proper << u"lent tuesday"_s;
        QTest::newRow("the weekday after") << QDate(2026, 3, 4) << proper << u"-"_s;
        QTest::newRow("another year's letter") << QDate(2026, 11, 22) << proper << u"-"_s;
        QTest::newRow("Christ the King in year C") << QDate(2025, 11, 23) << proper << u"king C"_s;
        QTest::newRow("before the calendar") << QDate(1582, 6, 1) << proper << u"-"_s;
        QTest::newRow("Trinity 13 in its style")
            << QDate(2026, 8, 30) << Calendar::Naming(NamingStyle::Trinity) << u"trinity thirteen"_s;
        QTest::newRow("Roman: the Sunday under a feast") << QDate(2023, 8, 6) << roman << u"ot eighteen"_s;
        QTest::newRow("Roman: a line of the other calendar") << QDate(2026, 8, 30) << roman << u"ordinary twenty-two"_s;
        QTest::newRow("Roman: Jan 2 as Christmas 2") << QDate(2022, 1, 2) << roman << u"christmas two"_s;
        QTest::newRow("Roman: Jan 2 as the Epiphany") << QDate(2022, 1, 2) << romanWith(u"E"_s) << u"epiphany"_s;
    }

    void lookup()
    {
        QFETCH(QDate, date);
        QFETCH(Calendar::Naming, naming);
        QFETCH(QString, expected);
        const Calendar::LectionaryFile lectionary =
            Calendar::LectionaryFile::read("Advent 4: advent four\n"
                                           "Advent 4 B: advent four B\n"
                                           "Christmas Eve: eve\n"
                                           "Pentecost 14: pentecost fourteen\n"
                                           "Ordinary Time 22: ordinary twenty-two\n"
                                           "Proper 17 C: proper C\n"
                                           "Proper 26: proper 26\n"
                                           "Tuesday after Lent 2: lent tuesday\n"
                                           "Christ the King C: king C\n"
                                           "Trinity 13: trinity thirteen\n"
                                           "Eighteenth Sunday in Ordinary Time: ot "
                                           "eighteen\n"
                                           "Second Sunday after Christmas: christmas "
                                           "two\n"
                                           "The Epiphany: epiphany\n"_ba);
        QCOMPARE(lectionary.table().readingsFor(date, naming).value_or(u"-"_s), expected);
    }

    // A file past the caps is read up to its last whole line within them, never a line cut short; a cut inside a
    // character does not turn UTF-8 into Windows-1252.
    void caps_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("entries");

        const QString line = u"Advent 1: "_s + QString(100, u'’') + u'\n'; // 311 bytes of UTF-8, 222 of UTF-16
        QByteArray utf8 = line.toUtf8().repeated(3500);
        QTest::newRow("UTF-8 past the bytes") << utf8 << 3371; // 3371 * 311 = 1048381; the cut falls in a '’'
        QTest::newRow("UTF-16 past the bytes") << utf16WithMark(line.repeated(4800)) << 4723; // 2 + 4723 * 222
        QTest::newRow("past the lines") << "Advent 1: Isaiah 2\n"_ba.repeated(10005) << 10000;
    }

    void caps()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, entries);
        const Calendar::LectionaryFile lectionary = Calendar::LectionaryFile::read(bytes);
        QCOMPARE(int(lectionary.table().entries().size()), entries);
        QVERIFY(lectionary.isTruncated());
        QCOMPARE(int(lectionary.problems().size()), 1);
        QCOMPARE(lectionary.problems().front().line, entries + 1);
        const QString &last = lectionary.table().entries().back().readings;
        QVERIFY(last == u"Isaiah 2"_s || last == QString(100, u'’'));
    }

    void files()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const NativePath path = NativePath::fromText(folder.path()).child(Calendar::LectionaryFile::fileName());
        const Calendar::LectionaryFile missing = Calendar::LectionaryFile::readFile(path);
        QVERIFY(missing.table().entries().empty() && missing.failure().isEmpty() && missing.statusText().isEmpty());

        QVERIFY(QDir(folder.path()).mkdir(Calendar::LectionaryFile::fileName()));
        QVERIFY(!Calendar::LectionaryFile::readFile(path).failure().isEmpty());
        QVERIFY(QDir(folder.path()).rmdir(Calendar::LectionaryFile::fileName()));

        QFile file(folder.filePath(Calendar::LectionaryFile::fileName()));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Lent 1: Genesis 2\nLent 9: Genesis 3\nLent 2\n");
        file.close();
        const Calendar::LectionaryFile read = Calendar::LectionaryFile::readFile(path);
        QCOMPARE(read.table().entries().size(), size_t(1));
        QCOMPARE(read.statusText(), u"Lectionary.txt, line 2: “Lent 9” is not a day of the church year (and 1 more)"_s);
    }
};

QTEST_GUILESS_MAIN(TestCalendar)
#include "tst_core_calendar.moc"
