// SPDX-License-Identifier: GPL-3.0-or-later
// The usage report: the services of a log read once in file order, each counted or passed over as a whole, and
// each of its lines counted under the row of the hymn it stands for (HymnKey).
#include "report/usagereport.h"

#include "calendar/churchcalendar.h"
#include "search/datelimits.h"
#include "store/hymnindex.h"
#include "tally/linefilter.h"

#include <QCoreApplication>

#include <array>

using namespace Qt::StringLiterals;

namespace Report {

namespace {

// The span's dates, and the service whose head line gave the latest (null when none did).
ServiceSpan spanOf(const std::vector<ServiceView> &services, const ServiceView **latestService = nullptr)
{
    ServiceSpan span;
    for (const ServiceView &service : services) {
        const QDate date = service.date();
        if (date.isNull())
            continue;
        if (span.earliest.isNull() || date < span.earliest)
            span.earliest = date;
        if (span.latest.isNull() || date > span.latest) {
            span.latest = date;
            if (latestService != nullptr)
                *latestService = &service;
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
    const std::vector<ServiceView> services = datedServices(store);
    const ServiceView *latest = nullptr;
    ServiceSpan span = spanOf(services, &latest);
    if (latest != nullptr)
        span.latestHead = latest->head();
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

QString joinNote()
{
    return QCoreApplication::translate("Report", "Hymns joined by number: 14, 014 and #14 are one hymn");
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

    const std::vector<ServiceView> services = datedServices(store);
    const ServiceSpan span = spanOf(services);
    result.latestService = span.latest;

    // An open end of a range reaches to the file's first or last service; under no range the file's span is
    // the range for the chart only, since undated services count too.
    const bool ranged = !criteria.range.isAll();
    const QDate from = ranged && criteria.range.from.isValid() ? criteria.range.from : span.earliest;
    const QDate to = ranged && criteria.range.to.isValid() ? criteria.range.to : span.latest;

    if (span.latest.isValid() && from.isValid() && to.isValid() && from <= to)
        choosePeriods(result, from, to);
    const qint64 periodCount = qint64(result.periods.size());

    const Search::DateLimit limit = Search::IsGtLt(criteria.filters.Filter);
    const Tally::LineFilter filter(criteria.filters);
    UseCounter counter({criteria.range, QDate()}, criteria.oncePerService);
    HymnIndex rowOf(qsizetype(store.entryCount()) * EntryStore::MaxSlots);

    for (const ServiceView &service : services) {
        const QDate date = service.date();
        const bool withinLimit = !Search::ChkGtLt(false, service.head(), limit);
        if (withinLimit && date.isNull())
            ++result.undatedInFile;
        if (!withinLimit || !counter.enter(date))
            continue;
        ++result.services;
        if (date.isNull())
            ++result.undatedServices;
        const qint64 at =
            date.isValid() && periodCount > 0 ? periodIndex(result.period, result.periods.front(), date) : -1;

        for (const ServiceView::Line line : service.lines()) {
            // A one-word line ("Offertory") names no hymn; the hymns after it are counted.
            if (line.tag.isEmpty() || filter.excludes(line.tag, line.text))
                continue;
            const int r = rowOf.add(line.tag, line.text);
            if (size_t(r) == result.rows.size()) {
                // A row shows its hymn as the first use writes it: the number without its mark, the title as the
                // tally shows it.
                const QStringView number = HymnKey::withoutMark(line.tag);
                ReportRow &row = result.rows.emplace_back();
                row.number = number.size() == line.tag.size() ? line.tag : number.toString();
                row.title = TallyMatch::titleKeyOf(line.text);
                row.perPeriod.assign(size_t(periodCount), 0);
            }
            // Uses before the periods of a capped range are counted but not charted.
            if (counter.add(r) && at >= 0 && at < periodCount)
                ++result.rows[size_t(r)].perPeriod[size_t(at)];
        }
    }

    for (size_t r = 0; r < result.rows.size(); ++r) {
        ReportRow &row = result.rows[r];
        const UseCount count = counter.count(int(r));
        row.uses = count.uses;
        row.firstUsed = count.first;
        row.lastUsed = count.last;
        row.daysSince = row.lastUsed.isValid() ? int(row.lastUsed.daysTo(span.latest)) : -1;
    }
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
