// SPDX-License-Identifier: GPL-3.0-or-later
// A service's extent is found once, from the continuation marks the loader keeps; its lines are read in place.
#include "store/serviceview.h"

ServiceView::ServiceView(const EntryStore &log, int entry, QDate date)
    : m_log(&log), m_entry(entry), m_next(entry + 1), m_date(date)
{
    while (m_next <= log.entryCount() && log.isContinuation(m_next))
        ++m_next;
}

std::vector<ServiceView> ServiceView::servicesOf(const EntryStore &log, DateReader readDate)
{
    std::vector<ServiceView> services;
    if (log.isVerseFile())
        return services;
    services.reserve(size_t(log.hymnCount()));
    for (int entry = 1; entry <= log.entryCount(); entry = services.back().nextEntry())
        services.emplace_back(log, entry, readDate(log.head(entry)).value_or(QDate()));
    return services;
}
