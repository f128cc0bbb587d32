// SPDX-License-Identifier: GPL-3.0-or-later
// The planner's marks, from one pass over the log that keeps each hymn's uses per service.
#include "logbook/planner.h"

#include "logbook/headstyle.h"
#include "search/datelimits.h"
#include "store/plaintext.h"

#include <algorithm>
#include <cmath>

namespace Logbook {

namespace {

QStringView withoutMark(QStringView tag)
{
    tag = PlainText::trimView(tag);
    for (qsizetype i = 0; i < tag.size(); ++i) {
        if (tag[i] == u'*' || tag[i] == u'(')
            return PlainText::trimView(tag.first(i));
    }
    return tag;
}

} // namespace

int recentWeeksFrom(const QVariant &stored)
{
    bool number = false;
    const double weeks = stored.toString().trimmed().toDouble(&number);
    // NaN fails every comparison, so it is asked for first.
    if (!number || std::isnan(weeks) || weeks < LeastRecentWeeks || weeks != std::floor(weeks))
        return DefaultRecentWeeks;
    return weeks > MostRecentWeeks ? MostRecentWeeks : int(weeks);
}

QString Planner::numberKey(QStringView tag)
{
    const QStringView number = withoutMark(tag);
    if (number.isEmpty() || number[0] < u'0' || number[0] > u'9')
        return QString();
    return number.toString().toUpper();
}

Planner::Planner(const EntryStore &store)
{
    if (store.isVerseFile())
        return;
    QDate date, latest;
    // The service that last added a use of each number: a continuation belongs to the service before it.
    QHash<QString, int> lastService;
    int service = 0;
    for (int e = 1; e <= store.entryCount(); ++e) {
        if (!store.isContinuation(e)) {
            ++service;
            date = Search::headDate(store.head(e)).value_or(QDate());
            if (date.isValid() && (latest.isNull() || date >= latest)) {
                latest = date;
                m_latestHasOccasion = !occasionOf(store.head(e)).isEmpty();
            }
            m_serviceDates.push_back(date);
        }
        // A line without a number ("Anthem") is passed over, as the tally passes over it.
        for (int s = 1; s <= store.lineCount(e); ++s) {
            const QString &tag = store.tag(e, s);
            const QString key = numberKey(tag);
            if (key.isEmpty())
                continue;
            int &last = lastService[key];
            if (last == service)
                continue;
            last = service;
            m_uses[key].push_back({date, withoutMark(tag).toString(), store.text(e, s)});
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

HymnMarks Planner::marks(QStringView number, QDate planned, int weeks) const
{
    HymnMarks marks;
    const auto found = m_uses.constFind(numberKey(number));
    if (found == m_uses.constEnd())
        return marks;
    if (const Use *naming = namingUse(*found))
        marks.title = naming->title;
    if (!planned.isValid())
        return marks;
    const QDate yearBefore = planned.addMonths(-12);
    const QDate weeksBefore = planned.addDays(-7 * qint64(weeks));
    for (const Use &use : *found) {
        if (use.date.isNull() || use.date > planned)
            continue;
        if (marks.lastSung.isNull() || use.date > marks.lastSung)
            marks.lastSung = use.date;
        if (use.date > yearBefore)
            ++marks.usesInYear;
        if (use.date >= weeksBefore)
            marks.recent = true;
    }
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
