// SPDX-License-Identifier: GPL-3.0-or-later
// The one clock every window asks for today's date: the report's planned services, the date Add Service offers and
// Suggest Hymns' day. Tests set the day it says, so that a log's dates are planned or held as they need.
#pragma once

#include <QDate>

namespace Clock {

// Today by the system's clock, in local time; the day set for tests while one is.
QDate today();
// Tests: today is day until it is set again; a null date gives the system's clock back.
void setToday(QDate day);

} // namespace Clock
