// SPDX-License-Identifier: GPL-3.0-or-later
// The usage report: the services of a log read once in file order, each counted or passed over as a whole, and
// each of its lines counted under the tally's row for the hymn.
#include "report/usagereport.h"

#include "calendar/churchcalendar.h"
#include "search/datelimits.h"
#include "tally/linefilter.h"
#include "tally/tallytable.h"

#include <array>

using namespace Qt::StringLiterals;

namespace Report {

namespace {

// The date of each entry's head line, null where it is not a date; index 0 stays null. A continuation has its
// service's head line, so it takes the date read for the entry before it rather than reading the line again.
std::vector<QDate> entryDates(const EntryStore &store)
{
    std::vector<QDate> dates(size_t(store.entryCount()) + 1);
    for (int e = 1; e <= store.entryCount(); ++e) {
        if (store.isContinuation(e))
            dates[e] = dates[e - 1];
        else
            dates[e] = Search::headDate(store.head(e)).value_or(QDate());
    }
    return dates;
}

// The span's dates, and the entry whose head line gave the latest (0 when none did).
ServiceSpan spanOf(const std::vector<QDate> &dates, int *latestEntry = nullptr)
{
    ServiceSpan span;
    for (size_t e = 0; e < dates.size(); ++e) {
        const QDate &date = dates[e];
        if (date.isNull())
            continue;
        if (span.earliest.isNull() || date < span.earliest)
            span.earliest = date;
        if (span.latest.isNull() || date > span.latest) {
            span.latest = date;
            if (latestEntry != nullptr)
                *latestEntry = int(e);
        }
    }
    return span;
}

// Which period a date falls in, counted from the first period's start; the caller checks the bounds.
qint64 periodIndex(Period period, QDate first, QDate date)
{
    const qint64 years = qint64(date.year()) - first.year();
    return period == Period::Year ? years : years * 12 + date.month() - first.month();
}

} // namespace

ServiceSpan serviceSpan(const EntryStore &store)
{
    if (store.isVerseFile())
        return {};
    int latestEntry = 0;
    ServiceSpan span = spanOf(entryDates(store), &latestEntry);
    if (latestEntry > 0)
        span.latestHead = store.head(latestEntry);
    return span;
}

QString countedFromNote(const ServiceSpan &span, QDate today)
{
    if (!span.latest.isValid())
        return QString();
    const QString note = u"Counted from %1, the latest service"_s.arg(span.latest.toString(Qt::ISODate));
    if (!today.isValid() || span.latest <= today)
        return note;
    // The head line goes into a one-line status, whatever length the file gave it.
    constexpr qsizetype shownHead = 40;
    QString head = span.latestHead.simplified();
    if (head.size() > shownHead) {
        const qsizetype cut = head.at(shownHead - 2).isHighSurrogate() ? shownHead - 2 : shownHead - 1;
        head = head.first(cut) + u'…';
    }
    return note + u" — after today: check the head line “%1”"_s.arg(head);
}

DateRange presetRange(Preset preset, QDate latest)
{
    if (!latest.isValid())
        return {};
    const int year = latest.year();
    switch (preset) {
    case Preset::LatestYear:
        return {QDate(year, 1, 1), QDate(year, 12, 31)};
    case Preset::YearBefore:
        return {QDate(year - 1, 1, 1), QDate(year - 1, 12, 31)};
    case Preset::Last12Months:
        return {latest.addMonths(-12).addDays(1), latest};
    case Preset::ChurchYear: {
        const QDate start = Calendar::churchYearStart(latest);
        return {start, Calendar::adventSunday(start.year() + 1).addDays(-1)};
    }
    case Preset::Season: {
        const QDate start = Calendar::musicSeasonStart(latest);
        return {start, start.addYears(1).addDays(-1)};
    }
    case Preset::All:
    case Preset::Custom:
        break;
    }
    return {};
}

namespace {

// The chart's periods over from to to: months for a range under two years, else years, at most MaxPeriods of them,
// the latest kept.
void choosePeriods(ReportResult &result, QDate from, QDate to)
{
    if (to < from.addYears(2)) {
        result.period = Period::Month;
        for (QDate start(from.year(), from.month(), 1); start.isValid() && start <= to; start = start.addMonths(1))
            result.periods.push_back(start);
        return;
    }
    result.period = Period::Year;
    QDate start(from.year(), 1, 1);
    if (qint64(to.year()) - from.year() >= MaxPeriods)
        start = QDate(to.year(), 1, 1).addYears(1 - MaxPeriods);
    for (; start.isValid() && start <= to; start = start.addYears(1))
        result.periods.push_back(start);
}

} // namespace

ReportResult buildReport(const EntryStore &store, const ReportCriteria &criteria)
{
    ReportResult result;
    if (store.isVerseFile() || store.entryCount() == 0)
        return result;

    const std::vector<QDate> dates = entryDates(store);
    const ServiceSpan span = spanOf(dates);
    result.latestService = span.latest;

    // An open end of a range reaches to the file's first or last service; under no range the file's span is
    // the range for the chart only, since undated services count too.
    const bool ranged = !criteria.range.isAll();
    const QDate from = ranged && criteria.range.from.isValid() ? criteria.range.from : span.earliest;
    const QDate to = ranged && criteria.range.to.isValid() ? criteria.range.to : span.latest;
    const auto inRange = [&](const QDate &date) {
        return !ranged || (date.isValid() && (criteria.range.from.isNull() || date >= criteria.range.from) &&
                           (criteria.range.to.isNull() || date <= criteria.range.to));
    };

    if (span.latest.isValid() && from.isValid() && to.isValid() && from <= to)
        choosePeriods(result, from, to);
    const qint64 periodCount = qint64(result.periods.size());

    const Search::DateLimit limit = Search::IsGtLt(criteria.filters.Filter);
    const Tally::LineFilter filter(criteria.filters);
    Tally::TallyTable table(qsizetype(store.entryCount()) * EntryStore::MaxSlots);
    // The service that last counted each row, numbered from 1, for counting a hymn once per service.
    std::vector<int> lastCountedIn;

    int service = 0;
    bool counted = false;
    for (int e = 1; e <= store.entryCount(); ++e) {
        const QDate &date = dates[e];
        if (!store.isContinuation(e)) {
            ++service;
            const bool withinLimit = !Search::ChkGtLt(false, store.head(e), limit);
            if (withinLimit && date.isNull())
                ++result.undatedInFile;
            counted = withinLimit && inRange(date);
            if (counted) {
                ++result.services;
                if (date.isNull())
                    ++result.undatedServices;
            }
        }
        if (!counted)
            continue;
        const qint64 at =
            date.isValid() && periodCount > 0 ? periodIndex(result.period, result.periods.front(), date) : -1;

        for (int j = 1; j <= store.lineCount(e); ++j) {
            const QString &tag = store.tag(e, j);
            const QString &text = store.text(e, j);
            // A one-word line ("Offertory") names no hymn; the hymns after it are counted.
            if (tag.isEmpty())
                continue;
            if (filter.excludes(tag, text))
                continue;
            const int r = table.rowOf(tag, text);
            if (size_t(r) == result.rows.size()) {
                const Tally::TallyRow &made = table.rows()[size_t(r)];
                result.rows.push_back(
                    {made.numberKey, made.titleKey, 0, {}, {}, -1, std::vector<int>(size_t(periodCount), 0)});
                lastCountedIn.push_back(0);
            }
            if (criteria.oncePerService && lastCountedIn[size_t(r)] == service)
                continue;
            lastCountedIn[size_t(r)] = service;

            ReportRow &row = result.rows[size_t(r)];
            ++row.uses;
            if (date.isNull())
                continue;
            if (row.firstUsed.isNull() || date < row.firstUsed)
                row.firstUsed = date;
            if (row.lastUsed.isNull() || date > row.lastUsed)
                row.lastUsed = date;
            // Uses before the periods of a capped range are counted but not charted.
            if (at >= 0 && at < periodCount)
                ++row.perPeriod[size_t(at)];
        }
    }

    for (ReportRow &row : result.rows)
        row.daysSince = row.lastUsed.isValid() ? int(row.lastUsed.daysTo(span.latest)) : -1;
    return result;
}

std::vector<int> seriesOf(const ReportResult &result, const std::vector<int> &rowIndexes)
{
    std::vector<int> series(result.periods.size(), 0);
    const auto add = [&](const ReportRow &row) {
        for (size_t p = 0; p < series.size() && p < row.perPeriod.size(); ++p)
            series[p] += row.perPeriod[p];
    };
    if (rowIndexes.empty()) {
        for (const ReportRow &row : result.rows)
            add(row);
    }
    // An index past the rows (a selection left over from an earlier report) adds nothing.
    for (int r : rowIndexes) {
        if (r >= 0 && size_t(r) < result.rows.size())
            add(result.rows[size_t(r)]);
    }
    return series;
}

QString periodLabel(Period period, QDate start)
{
    if (!start.isValid())
        return QString();
    if (period == Period::Year)
        return QString::number(start.year());
    // Fixed English names: the chart's labels should not change with the regional settings.
    static const std::array<QString, 12> months = {u"Jan"_s, u"Feb"_s, u"Mar"_s, u"Apr"_s, u"May"_s, u"Jun"_s,
                                                   u"Jul"_s, u"Aug"_s, u"Sep"_s, u"Oct"_s, u"Nov"_s, u"Dec"_s};
    return months[size_t(start.month() - 1)] + u' ' + QString::number(start.year());
}

} // namespace Report
