// SPDX-License-Identifier: GPL-3.0-or-later
// How a hymn's uses are counted, the one way the usage report, Suggest Hymns and Add Service's marks count them: a
// hymn at most once per service (an entry with its continuations), in the services of a date range, up to a day.
#pragma once

#include "store/entrystore.h"
#include "store/serviceview.h"

#include <QDate>

#include <vector>

namespace Report {

// Both ends inclusive; both null means no range.
struct DateRange {
    QDate from, to;
    bool isAll() const { return from.isNull() && to.isNull(); }
};

// Which services a count takes in.
struct UseWindow {
    // No range: every service, undated ones too; a range (an open end reaches as far as the file does) takes in
    // dated services only.
    DateRange range;
    // The day counted to: a service dated after it had not been held on that day and is not counted, while an
    // undated one is. Null: no such day.
    QDate upTo;

    bool holds(const QDate &serviceDate) const;
};

// A hymn's uses as counted.
struct UseCount {
    int uses = 0;
    QDate first, last; // the earliest and latest dated use; null when no use was dated
};

// The services of a log are entered in file order, and every line of a service entered that names a hymn is added
// to its hymn's count. Hymns are numbered by the caller from 0, and the counts grow to hold them.
class UseCounter {
public:
    // Every line counts when oncePerService is false (the report's choice); then a hymn sung twice counts twice.
    explicit UseCounter(const UseWindow &window, bool oncePerService = true);

    // The next service, dated serviceDate (null: not dated); false when the window leaves it out, and then nothing
    // is added until the next one is entered.
    bool enter(const QDate &serviceDate);
    // A use of hymn in the service entered; false when it is not counted (the service is left out, the hymn was
    // counted in it already, or hymn is -1: a line that names no hymn).
    bool add(int hymn)
    {
        if (!m_counted || hymn < 0)
            return false;
        if (size_t(hymn) >= m_counts.size())
            grow(hymn);
        int &last = m_lastService[size_t(hymn)];
        if (m_oncePerService && last == m_service)
            return false;
        last = m_service;
        countUse(m_counts[size_t(hymn)]);
        return true;
    }

    const std::vector<UseCount> &counts() const { return m_counts; }
    // The count of a hymn, nothing when it was never added.
    UseCount count(int hymn) const;

private:
    void grow(int hymn);
    void countUse(UseCount &count) const;

    UseWindow m_window;
    bool m_oncePerService;
    std::vector<UseCount> m_counts;
    // The service that counted each hymn last, numbered from 1.
    std::vector<int> m_lastService;
    int m_service = 0;
    bool m_counted = false;
    QDate m_date;
};

// Every service of log in file order, dated as the limit box reads head lines (Search::headDate); none for a
// hymnal.
std::vector<ServiceView> datedServices(const EntryStore &log);

} // namespace Report
