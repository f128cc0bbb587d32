// SPDX-License-Identifier: GPL-3.0-or-later
// The church year of the Revised Common Lectionary: Easter and Advent, the name and season of any day, and the
// lectionary year A, B or C, for every date from the first wholly Gregorian church year on.
#pragma once

#include <QChar>
#include <QDate>
#include <QString>

namespace Calendar {

// How the Sundays after Trinity Sunday are named; every other day has one name in all three.
enum class NamingStyle {
    Proper,       // "Proper 17": by the Sunday's fixed range of dates
    Pentecost,    // "Pentecost 14": Sundays counted from the Day of Pentecost
    OrdinaryTime, // "Ordinary Time 22": counted back from Christ the King as the 34th
};

enum class Season { None, Advent, Christmas, Epiphany, Lent, HolyWeek, Easter, AfterPentecost };

enum class Kind : quint8 {
    None,
    Advent, // Advent 1-4
    ChristmasEve,
    ChristmasDay,
    Christmas, // Christmas 1-2: Sundays from December 26 to January 5
    Epiphany,  // January 6
    BaptismOfTheLord,
    AfterEpiphany, // Epiphany 2-8
    Transfiguration,
    AshWednesday,
    Lent, // Lent 1-5
    PalmSunday,
    MaundyThursday,
    GoodFriday,
    HolySaturday,
    EasterDay,
    Easter, // Easter 2-7
    Ascension,
    Pentecost, // the Day of Pentecost
    TrinitySunday,
    Proper, // Proper 1-28
    ChristTheKing,
    AllSaints,
    // The Sundays after Trinity as the other two styles number them. Only names read from text are of these
    // kinds: a date's own day is always a Proper, as its number alone (unlike a Pentecost count) says which
    // Sunday it is in every year.
    AfterPentecost, // Pentecost n
    OrdinaryTime,   // Ordinary Time n
};

// Which day of the church year: a named day (a Sunday or a feast), or a weekday of the week it begins.
struct DayId {
    constexpr DayId() = default;
    constexpr DayId(Kind kind, int number = 0, int weekday = 0) : kind(kind), number(number), weekday(weekday) {}

    Kind kind = Kind::None;
    int number = 0;  // the n of "Advent n", "Proper n" …; 0 for the days with a name of their own
    int weekday = 0; // 0: the named day itself; 1-6: the Monday to Saturday after it

    bool isValid() const { return kind != Kind::None; }
    friend bool operator==(const DayId &, const DayId &) = default;
};

// Ordinary Time n is Proper n - 5 in every year: both count whole weeks back from Christ the King, which is
// Proper 29 and Ordinary Time 34.
constexpr int OrdinaryTimeOffset = 5;

// What the calendar says of one date.
struct Day {
    QDate date;
    DayId id;
    // The Sunday a fixed feast takes the name of when both fall on one day: Advent 4 on a Sunday Christmas Eve, the
    // Proper of a Sunday All Saints. The week that follows belongs to that Sunday.
    DayId sunday;
    Season season = Season::None;
    QChar year; // 'A', 'B' or 'C'; null when the date is outside the calendar

    bool isValid() const { return id.isValid(); }
};

// Easter Day by the Gregorian computus; null before 1583 or after 9999.
QDate easterSunday(int year);

// The first Sunday of Advent, the fourth Sunday before Christmas Day (November 27 to December 3). Plain weekday
// arithmetic, given for any year QDate holds, so that a range can be counted in years the calendar does not name.
QDate adventSunday(int year);

// The first Sunday of Advent that begins the church year holding date; null for an invalid date.
QDate churchYearStart(QDate date);

// The first of September that begins the season holding date, the year a choir or a music programme keeps:
// September 1 to August 31. Plain date arithmetic, like adventSunday(); null for an invalid date.
QDate musicSeasonStart(QDate date);

// The dates the calendar names: from Advent 1 of 1582, the first church year wholly under the Gregorian calendar
// (which began on October 15, 1582), to December 31, 9999. Earlier days were kept by the Julian calendar, and
// naming them by Gregorian rules would be wrong, so they have no name, season or year letter.
bool isCovered(QDate date);

// The day, its season and the lectionary year; an invalid Day for a date outside the calendar.
Day dayOf(QDate date);

// "Advent 3", "Christmas Day", "Tuesday after Lent 2", "Monday of Holy Week", "Proper 17" / "Pentecost 14" /
// "Ordinary Time 22"; empty for an invalid Day.
QString nameOf(const Day &day, NamingStyle style);
QString nameOf(QDate date, NamingStyle style);

// The name with the lectionary year, as shown beside a date: "Advent 3 · Year B"; empty outside the calendar.
QString nameWithYear(QDate date, NamingStyle style);

// The name as the id itself has it, whatever the style: "Pentecost 14" for an AfterPentecost id, "Tuesday after
// Proper 17" for a weekday.
QString writtenName(const DayId &id);

// "Advent", "Christmas", "Epiphany", "Lent", "Holy Week", "Easter", "After Pentecost"; empty for None.
QString seasonName(Season season);

// The year letter of the church year beginning on Advent 1 of the given year: 2025 A, 2026 B, 2027 C.
QChar lectionaryYear(int adventYear);

} // namespace Calendar
