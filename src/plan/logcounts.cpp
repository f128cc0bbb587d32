// SPDX-License-Identifier: GPL-3.0-or-later
// One pass over the log, looking up only the hymns asked for, counted over two windows at once.
#include "plan/logcounts.h"

#include "report/usagereport.h"
#include "report/usecounter.h"

#include "store/hymnindex.h"

namespace Plan {

LogCounts countUses(const EntryStore &log, const std::vector<HymnKey> &keys, QDate reference)
{
    LogCounts counts;
    counts.uses.resize(keys.size());
    if (keys.empty() || log.isVerseFile())
        return counts;

    // Each distinct key is counted once, under the number the index gives it.
    HymnIndex asked(qsizetype(keys.size()));
    std::vector<int> hymnOf(keys.size());
    for (size_t k = 0; k < keys.size(); ++k)
        hymnOf[k] = asked.add(keys[k]);

    const std::vector<ServiceView> services = Report::datedServices(log);
    QDate latest;
    for (const ServiceView &service : services) {
        if (service.date().isValid() && (latest.isNull() || service.date() > latest))
            latest = service.date();
    }
    counts.reference = reference.isValid() ? reference : latest;
    // Without a date to count to there are no twelve months before it.
    const Report::DateRange year = Report::presetRange(Report::Preset::Last12Months, counts.reference);
    Report::UseCounter ever({{}, counts.reference});
    Report::UseCounter inYear({year, counts.reference});

    const bool countsYear = !year.isAll();
    for (const ServiceView &service : services) {
        const bool held = ever.enter(service.date());
        const bool inRange = countsYear && inYear.enter(service.date());
        if (!held)
            continue;
        for (const ServiceView::Line line : service.lines()) {
            const int hymn = asked.find(line.tag, line.text);
            ever.add(hymn);
            if (inRange)
                inYear.add(hymn);
        }
    }
    for (size_t k = 0; k < keys.size(); ++k) {
        const Report::UseCount all = ever.count(hymnOf[k]);
        counts.uses[k] = {inYear.count(hymnOf[k]).uses, all.uses, all.last};
    }
    return counts;
}

} // namespace Plan
