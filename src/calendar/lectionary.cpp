// SPDX-License-Identifier: GPL-3.0-or-later
// The lectionary's days are matched to dates through the calendar, so that a day in any naming style finds its
// Sunday.
#include "calendar/lectionary.h"

#include "calendar/dayname.h"

#include <utility>

namespace Calendar {

namespace {

bool isWrittenIn(Kind kind, NamingStyle style)
{
    switch (style) {
    case NamingStyle::Proper:
        return kind == Kind::Proper;
    case NamingStyle::Pentecost:
        return kind == Kind::AfterPentecost;
    case NamingStyle::OrdinaryTime:
        return kind == Kind::OrdinaryTime;
    case NamingStyle::Trinity:
        return kind == Kind::AfterTrinity;
    case NamingStyle::Roman:
        return kind == Kind::InOrdinaryTime || kind == Kind::OrdinaryTime;
    }
    return false;
}

} // namespace

void Lectionary::add(LectionaryEntry entry)
{
    m_entries.push_back(std::move(entry));
}

const LectionaryEntry *Lectionary::entryFor(QDate date, const Naming &naming) const
{
    const DateDays days = daysOf(date, naming);
    if (!days.own.isValid())
        return nullptr;
    const LectionaryEntry *best = nullptr;
    int bestRank = -1;
    for (const LectionaryEntry &entry : m_entries) {
        if (!entry.year.isNull() && entry.year != days.own.year)
            continue;
        const int place = fit(entry.day, days);
        if (place < 0)
            continue;
        int rank = place * 4;
        if (!entry.year.isNull())
            rank += 2;
        if (isWrittenIn(entry.day.kind, naming.style))
            rank += 1;
        // Strictly better only, so that of equals the first in the file is kept.
        if (rank > bestRank) {
            best = &entry;
            bestRank = rank;
        }
    }
    return best;
}

std::optional<QString> Lectionary::readingsFor(QDate date, const Naming &naming) const
{
    const LectionaryEntry *entry = entryFor(date, naming);
    if (entry == nullptr)
        return std::nullopt;
    return entry->readings;
}

} // namespace Calendar
