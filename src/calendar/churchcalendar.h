// SPDX-License-Identifier: GPL-3.0-or-later
// The church year: Easter and Advent, the name and season of any day in the Revised Common Lectionary's calendar
// (named in four styles) or in the General Roman Calendar, and the lectionary year A, B or C, for every date from
// the first wholly Gregorian church year on.
#pragma once

#include <QChar>
#include <QDate>
#include <QString>

namespace Calendar {

// How the days are named. The first four name the Revised Common Lectionary's days and differ only in the Sundays
// after Trinity Sunday; the Roman Rite has a calendar of its own (romancalendar.h).
enum class NamingStyle {
    Proper,       // "Proper 17": by the Sunday's fixed range of dates
    Pentecost,    // "Pentecost 14": Sundays counted from the Day of Pentecost
    OrdinaryTime, // "Ordinary Time 22": counted back from Christ the King as the 34th
    Trinity,      // "Trinity 13": Sundays counted from Trinity Sunday, as the Prayer Book and Lutherans count
    Roman,        // "Twenty-second Sunday in Ordinary Time": the General Roman Calendar
};

// What a bishops' conference decides for the Roman Rite; the General Roman Calendar's own days when false.
struct RomanOptions {
    bool epiphanyOnSunday = false;     // the Epiphany on the Sunday January 2-8 instead of January 6
    bool ascensionOnSunday = false;    // the Ascension on the Seventh Sunday of Easter instead of the Thursday
    bool bodyAndBloodOnSunday = false; // the Body and Blood of Christ on the Sunday after Trinity, not the Thursday
};

// A style with the Roman options, which only the Roman Rite reads.
struct Naming {
    constexpr Naming(NamingStyle style = NamingStyle::Proper, RomanOptions roman = {}) : style(style), roman(roman) {}
    NamingStyle style;
    RomanOptions roman;
};

// Which words a name is given in: the English of the tables, which files are read in and the tests check, or the
// language the program shows, translated when the name is asked for.
enum class Words { English, Shown };

enum class Season { None, Advent, Christmas, Epiphany, Lent, HolyWeek, Easter, AfterPentecost, OrdinaryTime };

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
    // The Sundays after Trinity as the other three styles number them. Only names read from text are of these
    // kinds: a date's own day is always a Proper, as its number alone (unlike a Pentecost count) says which
    // Sunday it is in every year.
    AfterPentecost, // Pentecost n
    OrdinaryTime,   // Ordinary Time n
    AfterTrinity,   // Trinity n
    // The Roman Rite's own days; it shares the kinds above where its day is the same one (Advent n, Lent n,
    // Easter n, the days of Holy Week, Pentecost, Trinity Sunday, Christ the King, All Saints …).
    HolyFamily,
    MaryMotherOfGod,
    BeforeEpiphany, // only with a weekday: the weekdays from January 2 to the Epiphany
    InOrdinaryTime, // the Sundays 2-33 and the weeks 1-34 in Ordinary Time, before Lent and after Pentecost
    BodyAndBlood,
    SacredHeart,
    Presentation,
    Joseph,
    Annunciation,
    JohnTheBaptist,
    PeterAndPaul,
    TransfigurationFeast, // August 6
    Assumption,
    HolyCross,
    AllSouls,
    Lateran,
    ImmaculateConception,
};

// Which day of the church year: a named day (a Sunday or a feast), or a weekday of the week it begins.
struct DayId {
    constexpr DayId() = default;
    constexpr DayId(Kind kind, int number = 0, int weekday = 0) : kind(kind), number(number), weekday(weekday) {}

    Kind kind = Kind::None;
    int number = 0;  // the n of "Advent n", "Proper n" …; 0 for the days with a name of their own
    int weekday = 0; // 0: the named day itself; 1-6: the Monday to Saturday after it (of its week, in the Roman Rite)

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
    // Proper of a Sunday All Saints; in the Roman Rite the Sunday a feast takes the place of (the Eighteenth Sunday
    // in Ordinary Time under a Sunday Transfiguration). The week that follows belongs to that Sunday.
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

// The day, its season and the lectionary year in the Revised Common Lectionary's calendar; an invalid Day for a date
// outside the calendar.
Day dayOf(QDate date);
// The same in the calendar the naming uses: the General Roman Calendar with its options for the Roman Rite.
Day dayOf(QDate date, const Naming &naming);

// "Advent 3", "Christmas Day", "Tuesday after Lent 2", "Monday of Holy Week", "Proper 17" / "Pentecost 14" /
// "Ordinary Time 22" / "Trinity 13"; "Tuesday of the Second Week of Lent" for a Roman Rite day; empty for an invalid
// Day. The day must come from the calendar the style uses.
QString nameOf(const Day &day, NamingStyle style, Words words = Words::Shown);
QString nameOf(QDate date, const Naming &naming, Words words = Words::Shown);

// The day line shown beside a date: "Advent 3 · Year B", with the weekday cycle on a Roman Rite weekday in Ordinary
// Time ("… · Year B · II"); for a date before the calendar, why it has no name; empty for an invalid date.
QString nameWithYear(QDate date, const Naming &naming);

// The English name as the id itself has it: "Pentecost 14" for an AfterPentecost id, "Tuesday after Proper 17" for
// a weekday; a day both calendars have in the style's words ("First Sunday of Advent" for Advent 1 in the Roman
// Rite's).
QString writtenName(const DayId &id, NamingStyle style = NamingStyle::Proper);

// "Advent", "Christmas", "Epiphany", "Lent", "Holy Week", "Easter", "After Pentecost", "Ordinary Time", as shown;
// empty for None.
QString seasonName(Season season);

// The year letter of the church year beginning on Advent 1 of the given year: 2025 A, 2026 B, 2027 C.
QChar lectionaryYear(int adventYear);

} // namespace Calendar
