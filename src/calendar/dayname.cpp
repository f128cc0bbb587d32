// SPDX-License-Identifier: GPL-3.0-or-later
// The names themselves are in daynames.cpp; here a name read is placed in a year, and both calendars are asked, so
// that a Roman Rite lectionary serves a parish that names its days as the Revised Common Lectionary does, and the
// reverse.
#include "calendar/dayname.h"

#include "calendar/daynames.h"
#include "calendar/romancalendar.h"

namespace Calendar {

std::optional<DayId> parseDayName(QStringView text, const DayNames *also)
{
    std::optional<DayId> id = DayNames::english().read(text);
    if (!id && also != nullptr)
        id = also->read(text);
    return id;
}

DayId inYear(const DayId &id, int year)
{
    DayId sunday;
    if (id.kind == Kind::OrdinaryTime) {
        sunday = {Kind::Proper, id.number - OrdinaryTimeOffset};
    } else if (id.kind == Kind::AfterPentecost || id.kind == Kind::AfterTrinity) {
        // Trinity Sunday is the Sunday after Pentecost, eight weeks after Easter.
        const int weeks = (id.kind == Kind::AfterPentecost ? 7 : 8) + id.number;
        const Day day = dayOf(easterSunday(year).addDays(7 * qint64(weeks)));
        sunday = day.sunday.isValid() ? day.sunday : day.id;
        if (sunday.kind != Kind::TrinitySunday && sunday.kind != Kind::Proper && sunday.kind != Kind::ChristTheKing)
            return {};
    } else {
        return id;
    }
    sunday.weekday = id.weekday;
    return sunday;
}

bool denotes(const DayId &id, QDate date, const Naming &naming)
{
    const Day day = dayOf(date, naming);
    if (!day.isValid())
        return false;
    const DayId wanted = inYear(id, date.year());
    return wanted.isValid() && (wanted == day.id || wanted == day.sunday);
}

DateDays daysOf(QDate date, const Naming &naming)
{
    const bool roman = naming.style == NamingStyle::Roman;
    return {dayOf(date, naming), roman ? dayOf(date) : romanDayOf(date, naming.roman)};
}

int fit(const DayId &written, const DateDays &days)
{
    if (!days.own.isValid())
        return -1;
    const DayId wanted = inYear(written, days.own.date.year());
    if (!wanted.isValid())
        return -1;
    int place = 3;
    for (const Day *day : {&days.own, &days.other}) {
        if (wanted == day->id)
            return place;
        if (wanted == day->sunday)
            return place - 1;
        place -= 2;
    }
    return -1;
}

} // namespace Calendar
