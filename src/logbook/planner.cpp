// SPDX-License-Identifier: GPL-3.0-or-later
// The planner's marks, from one pass over the log that keeps each hymn's uses per service.
#include "logbook/planner.h"

#include "logbook/headstyle.h"
#include "report/usagereport.h"
#include "report/usecounter.h"
#include "store/plaintext.h"

#include <algorithm>
#include <cmath>

namespace Logbook {

int recentWeeksFrom(const QVariant &stored)
{
    bool number = false;
    const double weeks = stored.toString().trimmed().toDouble(&number);
    // NaN fails every comparison, so it is asked for first.
    if (!number || std::isnan(weeks) || weeks < LeastRecentWeeks || weeks != std::floor(weeks))
        return DefaultRecentWeeks;
    return weeks > MostRecentWeeks ? MostRecentWeeks : int(weeks);
}

Planner::Planner(const EntryStore &store, int leftOut)
{
    QDate latest;
    // Each hymn's uses are kept once per service, as the report counts them; every service is in the window.
    Report::UseCounter perService({});
    for (const ServiceView &service : Report::datedServices(store)) {
        const QDate date = service.date();
        if (date.isValid() && (latest.isNull() || date >= latest)) {
            latest = date;
            m_latestHasOccasion = !occasionOf(service.head()).isEmpty();
        }
        m_serviceDates.push_back(date);
        if (service.entry() == leftOut)
            continue;
        perService.enter(date);
        for (const ServiceView::Line line : service.lines()) {
            // A line without a number ("Anthem", "Amazing Grace") is passed over: marks are asked for by number.
            const HymnKey key = HymnKey::ofLine(line.tag, line.text);
            if (!key.isNumber())
                continue;
            const QString number = HymnKey::withoutMark(line.tag).toString();
            m_numberForms.insert(number);
            const int hymn = m_hymns.add(key);
            if (size_t(hymn) == m_uses.size())
                m_uses.emplace_back();
            if (perService.add(hymn))
                m_uses[size_t(hymn)].push_back({date, number, line.text});
        }
    }
}

const Planner::Use *Planner::namingUse(const std::vector<Use> &uses)
{
    const Use *naming = nullptr;
    for (const Use &use : uses) {
        // A line with a number and nothing after it names nothing.
        if (use.title.isEmpty())
            continue;
        if (!naming || naming->date.isNull() || (use.date.isValid() && use.date >= naming->date))
            naming = &use;
    }
    return naming;
}

HymnMarks Planner::marks(const HymnKey &hymn, QDate planned, int weeks) const
{
    HymnMarks marks;
    const int found = m_hymns.find(hymn);
    if (found < 0)
        return marks;
    const std::vector<Use> &uses = m_uses[size_t(found)];
    if (const Use *naming = namingUse(uses))
        marks.title = naming->title;
    if (!planned.isValid())
        return marks;
    Report::UseCounter upTo({{}, planned});
    Report::UseCounter inYear({Report::presetRange(Report::Preset::Last12Months, planned), planned});
    Report::UseCounter lately({{planned.addDays(-7 * qint64(weeks)), planned}, planned});
    // Each use is a service of its own.
    for (const Use &use : uses) {
        for (Report::UseCounter *counter : {&upTo, &inYear, &lately}) {
            counter->enter(use.date);
            counter->add(0);
        }
    }
    marks.lastSung = upTo.count(0).last;
    marks.usesInYear = inYear.count(0).uses;
    marks.recent = lately.count(0).uses > 0;
    return marks;
}

std::vector<KnownHymn> Planner::knownHymns() const
{
    std::vector<KnownHymn> known;
    known.reserve(size_t(m_uses.size()));
    for (const std::vector<Use> &uses : m_uses) {
        const Use *naming = namingUse(uses);
        known.push_back({naming ? naming->number : uses.back().number, naming ? naming->title : QString()});
    }
    std::sort(known.begin(), known.end(), [](const KnownHymn &a, const KnownHymn &b) {
        const double left = PlainText::leadingValue(a.number), right = PlainText::leadingValue(b.number);
        return left != right ? left < right : a.number < b.number;
    });
    return known;
}

} // namespace Logbook
