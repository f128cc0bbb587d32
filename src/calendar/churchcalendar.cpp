// SPDX-License-Identifier: GPL-3.0-or-later
// Every name is found from the date alone: the named days (Sundays and feasts) by their distance from Easter,
// Advent or a fixed date, and a weekday by walking back to the day that begins its week.
#include "calendar/churchcalendar.h"

#include "calendar/daynames.h"
#include "calendar/romancalendar.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace Calendar {

namespace {

constexpr int kFirstEasterYear = 1583;
constexpr int kLastYear = 9999;

// Days from Easter Day to the days fixed by it.
constexpr qint64 kTransfiguration = -49;
constexpr qint64 kAshWednesday = -46;
constexpr qint64 kLent1 = -42;
constexpr qint64 kPalmSunday = -7;
constexpr qint64 kAscension = 39;
constexpr qint64 kPentecost = 49;
constexpr qint64 kTrinity = 56;

bool isSunday(QDate date)
{
    return date.dayOfWeek() == Qt::Sunday;
}

// What a date is called when it is a named day, and the Sunday a fixed feast on a Sunday stands in for.
struct Named {
    Named(DayId id = {}, DayId sunday = {}) : id(id), sunday(sunday) {}

    DayId id;
    DayId sunday;
};

// The Sundays from the one after Trinity Sunday to Christ the King. The Propers' ranges run in whole weeks from
// May 8, so the range holding a Sunday is its whole weeks from May 8; Christ the King falls in the range a
// 29th Proper would have, November 20 to 26.
DayId sundayAfterTrinity(QDate sunday, QDate advent)
{
    if (sunday == advent.addDays(-7))
        return {Kind::ChristTheKing};
    return {Kind::Proper, int(QDate(sunday.year(), 5, 8).daysTo(sunday) / 7) + 1};
}

// The named day on date, or an invalid id for a weekday that takes its name from the day its week began with.
// The date must be one the calendar covers.
Named namedDay(QDate date)
{
    const int year = date.year();
    const int month = date.month();
    const int dayOfMonth = date.day();
    const bool sunday = isSunday(date);
    const QDate advent = adventSunday(year);

    if (month == 12 && dayOfMonth == 24)
        return {{Kind::ChristmasEve}, sunday ? DayId{Kind::Advent, 4} : DayId{}};
    if (month == 12 && dayOfMonth == 25)
        return {{Kind::ChristmasDay}};
    if (month == 1 && dayOfMonth == 6)
        return {{Kind::Epiphany}};
    if (month == 11 && dayOfMonth == 1)
        return {{Kind::AllSaints}, sunday ? sundayAfterTrinity(date, advent) : DayId{}};

    // The days up to January 5 need no Easter, which keeps December 1582 clear of a Julian year's.
    if (date >= advent) {
        if (!sunday)
            return {};
        if (month == 12 && dayOfMonth > 25)
            return {{Kind::Christmas, 1}};
        return {{Kind::Advent, int(advent.daysTo(date) / 7) + 1}};
    }
    if (month == 1 && dayOfMonth < 6) {
        if (!sunday)
            return {};
        return {{Kind::Christmas, int(QDate(year - 1, 12, 26).daysTo(date) / 7) + 1}};
    }

    const qint64 fromEaster = easterSunday(year).daysTo(date);
    switch (fromEaster) {
    case kAshWednesday:
        return {{Kind::AshWednesday}};
    case kPalmSunday:
        return {{Kind::PalmSunday}};
    case -3:
        return {{Kind::MaundyThursday}};
    case -2:
        return {{Kind::GoodFriday}};
    case -1:
        return {{Kind::HolySaturday}};
    case 0:
        return {{Kind::EasterDay}};
    case kAscension:
        return {{Kind::Ascension}};
    case kPentecost:
        return {{Kind::Pentecost}};
    case kTrinity:
        return {{Kind::TrinitySunday}};
    default:
        break;
    }
    if (!sunday)
        return {};
    if (fromEaster < 0) {
        if (fromEaster >= kLent1)
            return {{Kind::Lent, int((fromEaster - kLent1) / 7) + 1}};
        if (fromEaster == kTransfiguration)
            return {{Kind::Transfiguration}};
        // The Sunday after January 6, a week later when January 6 is itself a Sunday.
        const QDate epiphany(year, 1, 6);
        const QDate baptism = epiphany.addDays(7 - epiphany.dayOfWeek() % 7);
        if (date == baptism)
            return {{Kind::BaptismOfTheLord}};
        return {{Kind::AfterEpiphany, int(baptism.daysTo(date) / 7) + 1}};
    }
    if (fromEaster < kPentecost)
        return {{Kind::Easter, int(fromEaster / 7) + 1}};
    return {sundayAfterTrinity(date, advent)};
}

// The feasts on a weekday whose following days are named after them rather than after the Sunday before:
// "Saturday after Christmas Day", "Friday after Ascension".
bool beginsWeek(Kind kind)
{
    return kind == Kind::ChristmasDay || kind == Kind::Epiphany || kind == Kind::AshWednesday ||
           kind == Kind::Ascension;
}

Season seasonOf(QDate date, QDate yearStart)
{
    if (date.year() == yearStart.year())
        return date < QDate(date.year(), 12, 24) ? Season::Advent : Season::Christmas;
    if (date.month() == 1 && date.day() < 6)
        return Season::Christmas;
    const qint64 fromEaster = easterSunday(date.year()).daysTo(date);
    if (fromEaster < kAshWednesday)
        return Season::Epiphany;
    if (fromEaster < kPalmSunday)
        return Season::Lent;
    if (fromEaster < 0)
        return Season::HolyWeek;
    if (fromEaster <= kPentecost)
        return Season::Easter;
    return Season::AfterPentecost;
}

} // namespace

QDate easterSunday(int year)
{
    if (year < kFirstEasterYear || year > kLastYear)
        return {};
    // The anonymous Gregorian algorithm (Meeus): the Paschal full moon from the Metonic cycle with the solar and
    // lunar corrections of the century, then the Sunday after it.
    const int golden = year % 19;
    const int century = year / 100;
    const int ofCentury = year % 100;
    const int leapCenturies = century / 4;
    const int centuryRest = century % 4;
    const int lunarCorrection = (century + 8) / 25;
    const int g = (century - lunarCorrection + 1) / 3;
    const int epact = (19 * golden + century - leapCenturies - g + 15) % 30;
    const int l = (32 + 2 * centuryRest + 2 * (ofCentury / 4) - epact - ofCentury % 4) % 7;
    const int m = (golden + 11 * epact + 22 * l) / 451;
    const int monthDay = epact + l - 7 * m + 114;
    return QDate(year, monthDay / 31, monthDay % 31 + 1);
}

QDate adventSunday(int year)
{
    const QDate earliest(year, 11, 27);
    // dayOfWeek() counts Monday as 1 and Sunday as 7.
    return earliest.isValid() ? earliest.addDays(7 - earliest.dayOfWeek()) : QDate();
}

QDate churchYearStart(QDate date)
{
    if (!date.isValid())
        return {};
    const QDate advent = adventSunday(date.year());
    return date >= advent ? advent : adventSunday(date.year() - 1);
}

QDate musicSeasonStart(QDate date)
{
    if (!date.isValid())
        return {};
    return QDate(date.month() >= 9 ? date.year() : date.year() - 1, 9, 1);
}

bool isCovered(QDate date)
{
    return date.isValid() && date >= QDate(1582, 11, 28) && date <= QDate(kLastYear, 12, 31);
}

Day dayOf(QDate date)
{
    Day day;
    day.date = date;
    if (!isCovered(date))
        return day;
    const QDate start = churchYearStart(date);
    day.year = lectionaryYear(start.year());
    day.season = seasonOf(date, start);
    const Named named = namedDay(date);
    if (named.id.isValid()) {
        day.id = named.id;
        day.sunday = named.sunday;
        return day;
    }
    // A Sunday is at most six days back, and the calendar's first day is a Sunday.
    for (int back = 1; back <= 6; ++back) {
        const Named before = namedDay(date.addDays(-back));
        DayId id;
        if (isSunday(date.addDays(-back)))
            id = before.sunday.isValid() ? before.sunday : before.id;
        else if (beginsWeek(before.id.kind))
            id = before.id;
        else
            continue;
        id.weekday = date.dayOfWeek();
        day.id = id;
        break;
    }
    return day;
}

Day dayOf(QDate date, const Naming &naming)
{
    return naming.style == NamingStyle::Roman ? romanDayOf(date, naming.roman) : dayOf(date);
}

QString nameOf(const Day &day, NamingStyle style, Words words)
{
    DayId id = day.id;
    if (id.kind == Kind::Proper && (style == NamingStyle::Pentecost || style == NamingStyle::Trinity)) {
        // A weekday of a Proper's week is numbered as its day of the week, so its Sunday is that many days back.
        const QDate sunday = day.date.addDays(-id.weekday);
        const QDate pentecost = easterSunday(sunday.year()).addDays(kPentecost);
        const int weeks = int(pentecost.daysTo(sunday) / 7);
        id = style == NamingStyle::Pentecost ? DayId{Kind::AfterPentecost, weeks, id.weekday}
                                             : DayId{Kind::AfterTrinity, weeks - 1, id.weekday};
    } else if (id.kind == Kind::Proper && style == NamingStyle::OrdinaryTime) {
        id = {Kind::OrdinaryTime, id.number + OrdinaryTimeOffset, id.weekday};
    }
    return id.isValid() ? DayNames::name(id, style, words) : QString();
}

QString nameOf(QDate date, const Naming &naming, Words words)
{
    return nameOf(dayOf(date, naming), naming.style, words);
}

QString nameWithYear(QDate date, const Naming &naming)
{
    if (!date.isValid())
        return QString();
    const Day day = dayOf(date, naming);
    if (!day.isValid()) {
        return date < QDate(1583, 1, 1) ? QCoreApplication::translate(
                                              "Calendar", "Not named: before the Gregorian church year (Advent 1582)")
                                        : QString();
    }
    const QString name = nameOf(day, naming.style);
    // The weekday readings of Ordinary Time run in two cycles; a feast on a weekday has readings of its own.
    if (naming.style == NamingStyle::Roman && day.id.kind == Kind::InOrdinaryTime && day.id.weekday != 0) {
        //: The day line of a Roman Rite weekday in Ordinary Time: %1 the day's name, %2 the Sunday cycle (A, B or
        //: C), %3 the weekday cycle (I or II).
        return QCoreApplication::translate("Calendar", "%1 · Year %2 · %3")
            .arg(name, QString(day.year), date.year() % 2 != 0 ? u"I"_s : u"II"_s);
    }
    //: The day line beside a date: %1 the day's name, %2 the lectionary's year (A, B or C).
    return QCoreApplication::translate("Calendar", "%1 · Year %2").arg(name, QString(day.year));
}

QString writtenName(const DayId &id, NamingStyle style)
{
    return DayNames::name(id, style, Words::English);
}

QString seasonName(Season season)
{
    // The seasons' words differ from the days' in some languages ("Epiphanias", "Epiphaniaszeit").
    struct Text {
        const char *source;
        const char *comment;
    };
    static constexpr struct {
        Season season;
        Text text;
    } names[] = {
        {Season::Advent, QT_TRANSLATE_NOOP3("Calendar", "Advent", "season")},
        {Season::Christmas, QT_TRANSLATE_NOOP3("Calendar", "Christmas", "season")},
        {Season::Epiphany, QT_TRANSLATE_NOOP3("Calendar", "Epiphany", "season")},
        {Season::Lent, QT_TRANSLATE_NOOP3("Calendar", "Lent", "season")},
        {Season::HolyWeek, QT_TRANSLATE_NOOP3("Calendar", "Holy Week", "season")},
        {Season::Easter, QT_TRANSLATE_NOOP3("Calendar", "Easter", "season")},
        {Season::AfterPentecost, QT_TRANSLATE_NOOP3("Calendar", "After Pentecost", "season")},
        {Season::OrdinaryTime, QT_TRANSLATE_NOOP3("Calendar", "Ordinary Time", "season")},
    };
    for (const auto &each : names) {
        if (each.season == season)
            return QCoreApplication::translate("Calendar", each.text.source, each.text.comment);
    }
    return QString();
}

QChar lectionaryYear(int adventYear)
{
    // 2025 is divisible by 3 and begins a Year A.
    static constexpr char16_t letters[] = u"ABC";
    return QChar(letters[(adventYear % 3 + 3) % 3]);
}

} // namespace Calendar
