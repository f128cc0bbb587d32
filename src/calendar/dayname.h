// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a day's name back into the calendar's terms ("Advent 3", "Pentecost 14", "Tuesday after Lent 2", "Monday
// of the Fifth Week in Ordinary Time"), and telling whether a name falls on a date, whichever style it was written
// in.
#pragma once

#include "calendar/churchcalendar.h"

#include <QDate>
#include <QStringView>

#include <optional>

namespace Calendar {

class DayNames;

// A day's name in any of the five styles, ignoring case, extra spaces, apostrophes, commas, full stops and the word
// "the": the names the calendar gives, "Monday" … "Saturday" + " after " + a name of the Revised Common
// Lectionary's, and common variants ("All Saints' Day", "Day of Pentecost", "Reign of Christ", "Corpus Christi",
// "Epiphany 1" for the Baptism of the Lord, "Proper 29" and "Ordinary Time 34" for Christ the King). Nothing when the
// text names no day of the church year or a number out of the name's range (Advent 1-4, Christmas 1-2, Epiphany
// 1-8, Lent 1-5, Easter 1-7, Proper 1-29, Pentecost 1-28, Ordinary Time 6-34, Trinity 1-27, the Second to the
// Thirty-fourth Sunday in Ordinary Time). Names in English are read first, then those of also when given (the
// language shown).
std::optional<DayId> parseDayName(QStringView text, const DayNames *also = nullptr);

// The id the calendar gives that day in the given year: a Pentecost or Trinity count becomes the Trinity Sunday,
// Proper or Christ the King it is that year, an Ordinary Time number its Proper; other ids come back as they are.
// Invalid when a count reaches past Christ the King that year.
DayId inYear(const DayId &id, int year);

// The name id falls on date under any of its names in the naming's calendar, including a Sunday that a feast takes
// the name or the place of.
bool denotes(const DayId &id, QDate date, const Naming &naming = {});

// What a date is in both calendars, worked out once for matching many names to it.
struct DateDays {
    Day own;   // in the calendar of the naming asked for
    Day other; // in the other one: the Roman Rite's for the other styles (with the same options), else Proper's
};
DateDays daysOf(QDate date, const Naming &naming);

// How closely a written name fits: 3 the day itself in its own calendar, 2 the Sunday a feast took the name or place
// of there, 1 and 0 the same in the other calendar; -1 when it names none of them or the date is outside the
// calendar.
int fit(const DayId &written, const DateDays &days);

} // namespace Calendar
