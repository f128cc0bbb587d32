// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a day's name back into the calendar's terms ("Advent 3", "Pentecost 14", "Tuesday after Lent 2"), and
// telling whether a name falls on a date, whichever style it was written in.
#pragma once

#include "calendar/churchcalendar.h"

#include <QDate>
#include <QStringView>

#include <optional>

namespace Calendar {

// A day's name in any of the three styles, ignoring case and extra spaces: the names the calendar gives, with or
// without a leading "The", "Monday" … "Saturday" + " after " + a name, and common variants ("All Saints' Day",
// "Day of Pentecost", "Reign of Christ", "Epiphany 1" for the Baptism of the Lord, "Proper 29" and "Ordinary
// Time 34" for Christ the King). Nothing when the text names no day of the church year or a number out of the
// name's range (Advent 1-4, Christmas 1-2, Epiphany 1-8, Lent 1-5, Easter 1-7, Proper 1-29, Pentecost 1-28,
// Ordinary Time 6-34).
std::optional<DayId> parseDayName(QStringView text);

// The id the calendar gives that day in the given year: a Pentecost count becomes the Trinity Sunday, Proper or
// Christ the King it is that year, an Ordinary Time number its Proper; other ids come back as they are. Invalid
// when a count reaches past Christ the King that year.
DayId inYear(const DayId &id, int year);

// The name id falls on date under any of its names, including a Sunday that a fixed feast takes the name of.
bool denotes(const DayId &id, QDate date);

} // namespace Calendar
