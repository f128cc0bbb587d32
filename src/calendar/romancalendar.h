// SPDX-License-Identifier: GPL-3.0-or-later
// The General Roman Calendar: the seasons and their weeks as the Universal Norms on the Liturgical Year and the
// Calendar lay them out, the solemnities and feasts of the Lord that take a Sunday's place or move off one, and the
// three days a bishops' conference may keep on a Sunday.
#pragma once

#include "calendar/churchcalendar.h"

namespace Calendar {

// The Roman Rite's day for date, in the same years as dayOf(): a weekday's id is its week ("Tuesday of the Second
// Week of Lent" is {Lent, 2, Tuesday}), a feast on a Sunday keeps that Sunday in Day::sunday. Invalid outside the
// calendar.
Day romanDayOf(QDate date, RomanOptions options);

} // namespace Calendar
