// SPDX-License-Identifier: GPL-3.0-or-later
// The system's date through Qt, which reads the local time zone the same way on every system the program runs on.
#include "platform/clock.h"

#include <atomic>

namespace Clock {

namespace {

// A Julian day, 0 for none: tests may set it while a worker thread reads it.
std::atomic<qint64> g_setDay{0};

} // namespace

QDate today()
{
    const qint64 day = g_setDay.load(std::memory_order_relaxed);
    return day != 0 ? QDate::fromJulianDay(day) : QDate::currentDate();
}

void setToday(QDate day)
{
    g_setDay.store(day.isValid() ? day.toJulianDay() : 0, std::memory_order_relaxed);
}

} // namespace Clock
