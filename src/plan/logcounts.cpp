// SPDX-License-Identifier: GPL-3.0-or-later
// One pass over the log, looking up only the hymns asked for.
#include "plan/logcounts.h"

#include "plan/hymnnumber.h"
#include "report/usagereport.h"
#include "search/datelimits.h"

#include <QHash>

namespace Plan {

LogCounts countUses(const EntryStore &log, const QStringList &keys, QDate reference)
{
    LogCounts counts;
    counts.uses.resize(size_t(keys.size()));
    if (keys.isEmpty() || log.isVerseFile())
        return counts;

    // Each distinct key is counted once, in the slot of its first place in keys. A hymn without a number matches
    // no line of the log.
    QHash<QString, int> slotOf;
    slotOf.reserve(keys.size());
    for (qsizetype k = 0; k < keys.size(); ++k) {
        if (!keys[k].isEmpty() && !slotOf.contains(keys[k]))
            slotOf.insert(keys[k], int(k));
    }

    std::vector<QDate> dates(size_t(log.entryCount()) + 1);
    QDate latest;
    for (int e = 1; e <= log.entryCount(); ++e) {
        dates[size_t(e)] =
            log.isContinuation(e) ? dates[size_t(e - 1)] : Search::headDate(log.head(e)).value_or(QDate());
        if (dates[size_t(e)].isValid() && (latest.isNull() || dates[size_t(e)] > latest))
            latest = dates[size_t(e)];
    }
    counts.reference = reference.isValid() ? reference : latest;
    const Report::DateRange year = Report::presetRange(Report::Preset::Last12Months, counts.reference);

    std::vector<int> lastService(size_t(keys.size()), 0);
    int service = 0;
    bool counted = false;
    for (int e = 1; e <= log.entryCount(); ++e) {
        const QDate &date = dates[size_t(e)];
        if (!log.isContinuation(e)) {
            ++service;
            counted = date.isNull() || counts.reference.isNull() || date <= counts.reference;
        }
        if (!counted)
            continue;
        // A line without a number ("Offertory") is passed over, as Find and the tally pass over it.
        for (int slot = 1; slot <= log.lineCount(e); ++slot) {
            const QString &tag = log.tag(e, slot);
            if (tag.isEmpty())
                continue;
            const auto found = slotOf.constFind(numberKey(tag));
            if (found == slotOf.constEnd() || lastService[size_t(*found)] == service)
                continue;
            lastService[size_t(*found)] = service;
            HymnUses &uses = counts.uses[size_t(*found)];
            ++uses.usesEver;
            if (date.isNull())
                continue;
            if (!year.isAll() && date >= year.from && date <= year.to)
                ++uses.usesLast12;
            if (uses.lastSung.isNull() || date > uses.lastSung)
                uses.lastSung = date;
        }
    }
    for (qsizetype k = 0; k < keys.size(); ++k) {
        if (const auto first = slotOf.constFind(keys[k]); first != slotOf.constEnd())
            counts.uses[size_t(k)] = counts.uses[size_t(*first)];
    }
    return counts;
}

} // namespace Plan
