// SPDX-License-Identifier: GPL-3.0-or-later
// Names are compared case-folded with their spaces collapsed and apostrophes dropped, so that "All Saints' Day",
// "all saints day" and "ALL SAINTS’ DAY" are one name.
#include "calendar/dayname.h"

#include <array>

using namespace Qt::StringLiterals;

namespace Calendar {

namespace {

struct FixedName {
    QStringView text;
    Kind kind;
};

// The days with a name of their own, as lectionaries commonly write them.
constexpr std::array fixedNames = {
    FixedName{u"christmas eve", Kind::ChristmasEve},
    FixedName{u"christmas day", Kind::ChristmasDay},
    FixedName{u"christmas", Kind::ChristmasDay},
    FixedName{u"nativity of the lord", Kind::ChristmasDay},
    FixedName{u"epiphany", Kind::Epiphany},
    FixedName{u"epiphany day", Kind::Epiphany},
    FixedName{u"epiphany of the lord", Kind::Epiphany},
    FixedName{u"baptism of the lord", Kind::BaptismOfTheLord},
    FixedName{u"baptism of our lord", Kind::BaptismOfTheLord},
    FixedName{u"transfiguration", Kind::Transfiguration},
    FixedName{u"transfiguration sunday", Kind::Transfiguration},
    FixedName{u"transfiguration of the lord", Kind::Transfiguration},
    FixedName{u"ash wednesday", Kind::AshWednesday},
    FixedName{u"palm sunday", Kind::PalmSunday},
    FixedName{u"maundy thursday", Kind::MaundyThursday},
    FixedName{u"holy thursday", Kind::MaundyThursday},
    FixedName{u"good friday", Kind::GoodFriday},
    FixedName{u"holy saturday", Kind::HolySaturday},
    FixedName{u"easter day", Kind::EasterDay},
    FixedName{u"easter", Kind::EasterDay},
    FixedName{u"easter sunday", Kind::EasterDay},
    FixedName{u"resurrection of the lord", Kind::EasterDay},
    FixedName{u"ascension", Kind::Ascension},
    FixedName{u"ascension day", Kind::Ascension},
    FixedName{u"ascension of the lord", Kind::Ascension},
    FixedName{u"pentecost", Kind::Pentecost},
    FixedName{u"day of pentecost", Kind::Pentecost},
    FixedName{u"pentecost sunday", Kind::Pentecost},
    FixedName{u"trinity sunday", Kind::TrinitySunday},
    FixedName{u"trinity", Kind::TrinitySunday},
    FixedName{u"holy trinity", Kind::TrinitySunday},
    FixedName{u"christ the king", Kind::ChristTheKing},
    FixedName{u"christ the king sunday", Kind::ChristTheKing},
    FixedName{u"reign of christ", Kind::ChristTheKing},
    FixedName{u"all saints", Kind::AllSaints},
    FixedName{u"all saints day", Kind::AllSaints},
};

struct NumberedName {
    QStringView text;
    Kind kind;
    int first, last;
};

// The numbered Sundays and the numbers each can have. A first number that has a name of its own ("Epiphany 1" is
// the Baptism of the Lord) is turned into that name below.
constexpr std::array numberedNames = {
    NumberedName{u"advent", Kind::Advent, 1, 4},
    NumberedName{u"christmas", Kind::Christmas, 1, 2},
    NumberedName{u"epiphany", Kind::AfterEpiphany, 1, 8},
    NumberedName{u"lent", Kind::Lent, 1, 5},
    NumberedName{u"easter", Kind::Easter, 1, 7},
    NumberedName{u"proper", Kind::Proper, 1, 29},
    NumberedName{u"pentecost", Kind::AfterPentecost, 1, 28},
    NumberedName{u"ordinary time", Kind::OrdinaryTime, 1 + OrdinaryTimeOffset, 29 + OrdinaryTimeOffset},
};

constexpr std::array<QStringView, 6> weekdays = {u"monday",   u"tuesday", u"wednesday",
                                                 u"thursday", u"friday",  u"saturday"};

// The numbers that are another name for a day: Epiphany 1, Easter 1, Proper 29, Ordinary Time 34.
DayId withOwnName(DayId id)
{
    if (id.kind == Kind::AfterEpiphany && id.number == 1)
        return {Kind::BaptismOfTheLord};
    if (id.kind == Kind::Easter && id.number == 1)
        return {Kind::EasterDay};
    if ((id.kind == Kind::Proper && id.number == 29) ||
        (id.kind == Kind::OrdinaryTime && id.number == 29 + OrdinaryTimeOffset))
        return {Kind::ChristTheKing};
    return id;
}

std::optional<DayId> parseNamedDay(QStringView name)
{
    if (name.startsWith(u"the "))
        name = name.sliced(4);
    if (name == u"advent sunday")
        return DayId{Kind::Advent, 1};
    for (const FixedName &fixed : fixedNames) {
        if (name == fixed.text)
            return DayId{fixed.kind};
    }
    const qsizetype space = name.lastIndexOf(u' ');
    if (space < 0)
        return std::nullopt;
    const QStringView digits = name.sliced(space + 1);
    // A few digits at most: "Advent 0003" is no name a lectionary uses, and the count must not overflow.
    if (digits.isEmpty() || digits.size() > 2)
        return std::nullopt;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    const int number = digits.toInt();
    const QStringView stem = name.first(space);
    for (const NumberedName &numbered : numberedNames) {
        if (stem == numbered.text && number >= numbered.first && number <= numbered.last)
            return withOwnName({numbered.kind, number});
    }
    return std::nullopt;
}

} // namespace

std::optional<DayId> parseDayName(QStringView text)
{
    QString name = text.toString().simplified().toCaseFolded();
    name.remove(u'\'');
    name.remove(u'\u2019');
    QStringView rest = name;
    int weekday = 0;
    for (size_t i = 0; i < weekdays.size(); ++i) {
        const QStringView day = weekdays[i];
        if (!rest.startsWith(day) || rest.size() == day.size() || rest.at(day.size()) != u' ')
            continue;
        const QStringView after = rest.sliced(day.size() + 1);
        weekday = int(i) + Qt::Monday;
        if (after == u"of holy week" && weekday <= Qt::Wednesday)
            return DayId{Kind::PalmSunday, 0, weekday};
        if (!after.startsWith(u"after "))
            return std::nullopt;
        rest = after.sliced(6);
        break;
    }
    std::optional<DayId> id = parseNamedDay(rest);
    if (id)
        id->weekday = weekday;
    return id;
}

DayId inYear(const DayId &id, int year)
{
    DayId sunday;
    if (id.kind == Kind::OrdinaryTime) {
        sunday = {Kind::Proper, id.number - OrdinaryTimeOffset};
    } else if (id.kind == Kind::AfterPentecost) {
        const QDate date = easterSunday(year).addDays(7 * (7 + qint64(id.number)));
        const Day day = dayOf(date);
        sunday = day.sunday.isValid() ? day.sunday : day.id;
        if (sunday.kind != Kind::TrinitySunday && sunday.kind != Kind::Proper && sunday.kind != Kind::ChristTheKing)
            return {};
    } else {
        return id;
    }
    sunday.weekday = id.weekday;
    return sunday;
}

bool denotes(const DayId &id, QDate date)
{
    const Day day = dayOf(date);
    if (!day.isValid())
        return false;
    const DayId wanted = inYear(id, date.year());
    return wanted.isValid() && (wanted == day.id || wanted == day.sunday);
}

} // namespace Calendar
