// SPDX-License-Identifier: GPL-3.0-or-later
// One pass over the log, looking up only the hymns asked for, counted over two windows at once.
#include "plan/logcounts.h"

#include "report/usagereport.h"
#include "report/usecounter.h"

#include <QHash>

namespace Plan {

LogCounts countUses(const EntryStore &log, const std::vector<HymnKey> &keys, QDate reference)
{
    LogCounts counts;
    counts.uses.resize(keys.size());
    if (keys.empty() || log.isVerseFile())
        return counts;

    // Each distinct key is counted once, in the slot of its first place in keys.
    QHash<HymnKey, int> slotOf;
    slotOf.reserve(qsizetype(keys.size()));
    for (size_t k = 0; k < keys.size(); ++k) {
        if (!keys[k].isEmpty() && !slotOf.contains(keys[k]))
            slotOf.insert(keys[k], int(k));
    }

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
            const auto found = slotOf.constFind(HymnKey::ofLine(line.tag, line.text));
            if (found == slotOf.constEnd())
                continue;
            ever.add(*found);
            if (inRange)
                inYear.add(*found);
        }
    }
    for (size_t k = 0; k < keys.size(); ++k) {
        const auto first = slotOf.constFind(keys[k]);
        if (first == slotOf.constEnd())
            continue;
        const Report::UseCount all = ever.count(*first);
        counts.uses[k] = {inYear.count(*first).uses, all.uses, all.last};
    }
    return counts;
}

} // namespace Plan
