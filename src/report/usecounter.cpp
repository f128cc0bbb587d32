// SPDX-License-Identifier: GPL-3.0-or-later
// A service is decided once, as it is entered; each use is then a comparison with the service that last counted
// its hymn.
#include "report/usecounter.h"

#include "search/datelimits.h"

namespace Report {

bool UseWindow::holds(const QDate &serviceDate) const
{
    if (serviceDate.isValid() && upTo.isValid() && serviceDate > upTo)
        return false;
    if (range.isAll())
        return true;
    return serviceDate.isValid() && (range.from.isNull() || serviceDate >= range.from) &&
           (range.to.isNull() || serviceDate <= range.to);
}

UseCounter::UseCounter(const UseWindow &window, bool oncePerService)
    : m_window(window), m_oncePerService(oncePerService)
{}

bool UseCounter::enter(const QDate &serviceDate)
{
    ++m_service;
    m_date = serviceDate;
    m_counted = m_window.holds(serviceDate);
    return m_counted;
}

void UseCounter::grow(int hymn)
{
    m_counts.resize(size_t(hymn) + 1);
    m_lastService.resize(size_t(hymn) + 1, 0);
}

void UseCounter::countUse(UseCount &count) const
{
    ++count.uses;
    if (m_date.isValid()) {
        if (count.first.isNull() || m_date < count.first)
            count.first = m_date;
        if (count.last.isNull() || m_date > count.last)
            count.last = m_date;
    }
}

UseCount UseCounter::count(int hymn) const
{
    return hymn >= 0 && size_t(hymn) < m_counts.size() ? m_counts[size_t(hymn)] : UseCount{};
}

std::vector<ServiceView> datedServices(const EntryStore &log)
{
    return ServiceView::servicesOf(log, &Search::headDate);
}

} // namespace Report
