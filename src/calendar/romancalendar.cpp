// SPDX-License-Identifier: GPL-3.0-or-later
// A date's day is found in two steps: its place in the seasons and their weeks (the Proper of Time), then the fixed
// solemnities and feasts of the Lord that outrank it, each where the norms move it in that year.
#include "calendar/romancalendar.h"

#include <array>
#include <cstdlib>

namespace Calendar {

namespace {

// Days from Easter Sunday.
constexpr qint64 kAshWednesday = -46;
constexpr qint64 kLent1 = -42;
constexpr qint64 kPalmSunday = -7;
constexpr qint64 kAscension = 39;
constexpr qint64 kSeventhSundayOfEaster = 42;
constexpr qint64 kPentecost = 49;
constexpr qint64 kTrinity = 56;
constexpr qint64 kBodyAndBlood = 60;
constexpr qint64 kBodyAndBloodSunday = 63;
constexpr qint64 kSacredHeart = 68; // the Friday after the Second Sunday after Pentecost

// Ordinary Time has 34 weeks, the last the week of Christ the King.
constexpr int kLastWeek = 34;

// Sunday 0, Monday to Saturday 1-6, as DayId::weekday counts.
int weekdayOf(QDate date)
{
    return date.dayOfWeek() % 7;
}

QDate sundayOnOrAfter(QDate date)
{
    return date.addDays((7 - date.dayOfWeek()) % 7);
}

QDate epiphanyIn(int year, RomanOptions options)
{
    return options.epiphanyOnSunday ? sundayOnOrAfter(QDate(year, 1, 2)) : QDate(year, 1, 6);
}

// The Sunday after the Epiphany; the Monday after it when the Epiphany is kept on January 7 or 8.
QDate baptismAfter(QDate epiphany, RomanOptions options)
{
    if (options.epiphanyOnSunday && epiphany.day() >= 7)
        return epiphany.addDays(1);
    return epiphany.addDays(7 - epiphany.dayOfWeek() % 7);
}

// The Sunday within the octave of Christmas, or December 30 when Christmas is a Sunday and the octave has none.
QDate holyFamilyIn(int year)
{
    const QDate sunday = sundayOnOrAfter(QDate(year, 12, 26));
    return sunday.month() == 12 ? sunday : QDate(year, 12, 30);
}

struct Placed {
    DayId id;
    DayId sunday;
    Season season;
};

// The date's day in the Proper of Time, with the moveable solemnities and the three the options move.
Placed properOfTime(QDate date, RomanOptions options)
{
    const int year = date.year();
    const int weekday = weekdayOf(date);
    const QDate advent = adventSunday(year);
    if (date >= advent) {
        if (date.month() == 12 && date.day() == 24)
            return {{Kind::ChristmasEve}, weekday == 0 ? DayId{Kind::Advent, 4} : DayId{}, Season::Christmas};
        if (date.month() == 12 && date.day() == 25)
            return {{Kind::ChristmasDay}, {}, Season::Christmas};
        if (date.month() == 12 && date.day() > 25) {
            if (date == holyFamilyIn(year))
                return {{Kind::HolyFamily}, {}, Season::Christmas};
            return {{Kind::ChristmasDay, 0, weekday}, {}, Season::Christmas};
        }
        return {{Kind::Advent, int(advent.daysTo(date) / 7) + 1, weekday}, {}, Season::Advent};
    }

    const QDate epiphany = epiphanyIn(year, options);
    const QDate baptism = baptismAfter(epiphany, options);
    if (date <= baptism) {
        DayId id{Kind::BaptismOfTheLord};
        if (date.month() == 1 && date.day() == 1)
            id = {Kind::MaryMotherOfGod};
        else if (date < epiphany) // the Sunday is one of January 2-5, the Epiphany being on the 6th
            id = weekday == 0 ? DayId{Kind::Christmas, 2} : DayId{Kind::BeforeEpiphany, 0, weekday};
        else if (date == epiphany)
            id = {Kind::Epiphany};
        else if (date < baptism)
            id = {Kind::Epiphany, 0, weekday};
        return {id, {}, Season::Christmas};
    }

    const QDate easter = easterSunday(year);
    const qint64 fromEaster = easter.daysTo(date);
    if (fromEaster < kAshWednesday) {
        // The first week begins after the Baptism; its Sunday is the Baptism's, or the Epiphany's before a Monday
        // Baptism.
        const QDate first = baptism.addDays(-weekdayOf(baptism));
        return {{Kind::InOrdinaryTime, int(first.daysTo(date) / 7) + 1, weekday}, {}, Season::OrdinaryTime};
    }
    if (fromEaster < kPalmSunday) {
        if (fromEaster < kLent1)
            return {{Kind::AshWednesday, 0, fromEaster == kAshWednesday ? 0 : weekday}, {}, Season::Lent};
        return {{Kind::Lent, int((fromEaster - kLent1) / 7) + 1, weekday}, {}, Season::Lent};
    }
    if (fromEaster < 0) {
        const Kind kinds[] = {Kind::PalmSunday,     Kind::PalmSunday, Kind::PalmSunday,  Kind::PalmSunday,
                              Kind::MaundyThursday, Kind::GoodFriday, Kind::HolySaturday};
        const Kind kind = kinds[fromEaster - kPalmSunday];
        return {{kind, 0, kind == Kind::PalmSunday ? weekday : 0}, {}, Season::HolyWeek};
    }
    if (fromEaster <= kPentecost) {
        if (fromEaster == (options.ascensionOnSunday ? kSeventhSundayOfEaster : kAscension))
            return {{Kind::Ascension}, weekday == 0 ? DayId{Kind::Easter, 7} : DayId{}, Season::Easter};
        if (fromEaster == kPentecost)
            return {{Kind::Pentecost}, {}, Season::Easter};
        if (fromEaster < 7)
            return {{Kind::EasterDay, 0, weekday}, {}, Season::Easter};
        return {{Kind::Easter, int(fromEaster / 7) + 1, weekday}, {}, Season::Easter};
    }

    // After Pentecost the weeks are counted back from Christ the King, so that a year of 33 weeks leaves out the
    // one after Pentecost's.
    const DayId week{Kind::InOrdinaryTime, kLastWeek + 1 - int(date.addDays(-weekday).daysTo(advent) / 7), weekday};
    if (fromEaster == kTrinity)
        return {{Kind::TrinitySunday}, {}, Season::OrdinaryTime};
    if (fromEaster == (options.bodyAndBloodOnSunday ? kBodyAndBloodSunday : kBodyAndBlood))
        return {{Kind::BodyAndBlood}, weekday == 0 ? week : DayId{}, Season::OrdinaryTime};
    if (fromEaster == kSacredHeart)
        return {{Kind::SacredHeart}, {}, Season::OrdinaryTime};
    if (week.number == kLastWeek && weekday == 0)
        return {{Kind::ChristTheKing}, {}, Season::OrdinaryTime};
    return {week, {}, Season::OrdinaryTime};
}

struct FixedDay {
    int month, day;
    Kind kind;
};

// The solemnities and the feasts of the Lord on fixed dates that the calendar names on a weekday and that take the
// place of a Sunday in Ordinary Time, or move off a Sunday of Advent, Lent or Easter.
constexpr std::array fixedDays = {
    FixedDay{2, 2, Kind::Presentation},  FixedDay{3, 19, Kind::Joseph},
    FixedDay{3, 25, Kind::Annunciation}, FixedDay{6, 24, Kind::JohnTheBaptist},
    FixedDay{6, 29, Kind::PeterAndPaul}, FixedDay{8, 6, Kind::TransfigurationFeast},
    FixedDay{8, 15, Kind::Assumption},   FixedDay{9, 14, Kind::HolyCross},
    FixedDay{11, 1, Kind::AllSaints},    FixedDay{11, 2, Kind::AllSouls},
    FixedDay{11, 9, Kind::Lateran},      FixedDay{12, 8, Kind::ImmaculateConception},
};

// Where a fixed day is kept in year.
QDate keptOn(const FixedDay &fixed, int year, RomanOptions options)
{
    const QDate date(year, fixed.month, fixed.day);
    const bool sunday = date.dayOfWeek() == Qt::Sunday;
    switch (fixed.kind) {
    case Kind::Joseph: {
        // In Holy Week, to the Saturday before Palm Sunday; on a Sunday of Lent, to the Monday.
        const QDate easter = easterSunday(year);
        const qint64 fromEaster = easter.daysTo(date);
        if (fromEaster >= kPalmSunday && fromEaster < 0)
            return easter.addDays(kPalmSunday - 1);
        return sunday ? date.addDays(1) : date;
    }
    case Kind::Annunciation: {
        // In Holy Week or the octave of Easter, to the Monday after the Second Sunday of Easter.
        const QDate easter = easterSunday(year);
        const qint64 fromEaster = easter.daysTo(date);
        if (fromEaster >= kPalmSunday && fromEaster <= 7)
            return easter.addDays(8);
        return sunday ? date.addDays(1) : date;
    }
    case Kind::ImmaculateConception:
        return sunday ? date.addDays(1) : date;
    case Kind::JohnTheBaptist:
    case Kind::PeterAndPaul: {
        // A moveable solemnity of the Lord keeps the day, and the saints' solemnity goes to the day before.
        const Kind moveable = properOfTime(date, options).id.kind;
        return moveable == Kind::SacredHeart || moveable == Kind::BodyAndBlood ? date.addDays(-1) : date;
    }
    default:
        return date;
    }
}

} // namespace

Day romanDayOf(QDate date, RomanOptions options)
{
    Day day;
    day.date = date;
    if (!isCovered(date))
        return day;
    day.year = lectionaryYear(churchYearStart(date).year());
    const Placed placed = properOfTime(date, options);
    day.id = placed.id;
    day.sunday = placed.sunday;
    day.season = placed.season;
    for (const FixedDay &fixed : fixedDays) {
        // A fixed day moves by a few weeks at most (the Annunciation to April 9), never out of its year.
        if (std::abs(date.month() - fixed.month) > 1 || keptOn(fixed, date.year(), options) != date)
            continue;
        day.sunday = date.dayOfWeek() == Qt::Sunday ? placed.id : DayId{};
        day.id = {fixed.kind};
        break;
    }
    return day;
}

} // namespace Calendar
