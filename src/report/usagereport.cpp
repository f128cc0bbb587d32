// SPDX-License-Identifier: GPL-3.0-or-later
// The usage report: the services of a log read once in file order, each counted or passed over as a whole, and
// each of its lines counted under the row of the hymn it stands for (HymnKey).
#include "report/usagereport.h"

#include "calendar/churchcalendar.h"
#include "search/datelimits.h"
#include "store/hymnindex.h"
#include "store/hymnview.h"
#include "store/plaintext.h"
#include "tally/linefilter.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>

#include <array>

using namespace Qt::StringLiterals;

namespace Report {

namespace {

// The span's dates up to upTo (null: every date), and the services whose head lines gave the latest and the furthest
// (null when none did).
ServiceSpan spanOf(const std::vector<ServiceView> &services, QDate upTo, const ServiceView **latestService = nullptr,
                   const ServiceView **furthestService = nullptr)
{
    ServiceSpan span;
    span.upTo = upTo;
    for (const ServiceView &service : services) {
        const QDate date = service.date();
        if (date.isNull())
            continue;
        if (span.furthest.isNull() || date > span.furthest) {
            span.furthest = date;
            if (furthestService != nullptr)
                *furthestService = &service;
        }
        if (upTo.isValid() && date > upTo)
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

ServiceSpan serviceSpan(const EntryStore &store, QDate upTo)
{
    const std::vector<ServiceView> services = datedServices(store);
    const ServiceView *latest = nullptr;
    const ServiceView *furthest = nullptr;
    ServiceSpan span = spanOf(services, upTo, &latest, &furthest);
    if (latest != nullptr)
        span.latestHead = latest->head();
    if (furthest != nullptr)
        span.furthestHead = furthest->head();
    return span;
}

namespace {

// The head line goes into a one-line status, whatever length the file gave it.
QString shownHead(const QString &head)
{
    constexpr qsizetype shown = 40;
    QString simple = head.simplified();
    if (simple.size() > shown) {
        const qsizetype cut = simple.at(shown - 2).isHighSurrogate() ? shown - 2 : shown - 1;
        simple = simple.first(cut) + u'…';
    }
    return simple;
}

} // namespace

QString countedFromNote(const ServiceSpan &span, QDate today, int planned)
{
    if (!span.furthest.isValid())
        return QString();
    // A year mistyped into the future is told apart from next Sunday's service, planned ahead.
    const bool mistyped = today.isValid() && span.furthest > today.addYears(1);
    const bool plannedLeftOut = span.upTo.isValid() && span.latest != span.furthest;
    QStringList sentences;
    if (!span.latest.isValid()) {
        sentences.append(QCoreApplication::translate("Report", "No service is dated up to today"));
    } else if (plannedLeftOut) {
        sentences.append(QCoreApplication::translate("Report", "Counted from %1, the latest service up to today")
                             .arg(span.latest.toString(Qt::ISODate)));
    } else {
        const QString latest = span.latest.toString(Qt::ISODate);
        if (mistyped) {
            //: %1 is the latest service's date, %2 its head line as the log writes it.
            sentences.append(
                QCoreApplication::translate(
                    "Report", "Counted from %1, the latest service — after today: check the head line “%2”")
                    .arg(latest, shownHead(span.latestHead)));
        } else {
            sentences.append(QCoreApplication::translate("Report", "Counted from %1, the latest service").arg(latest));
        }
    }
    if (planned > 0) {
        sentences.append(span.upTo.isValid()
                             ? QCoreApplication::translate(
                                   "Report", "%n planned service(s) after today is/are not counted", nullptr, planned)
                             : QCoreApplication::translate("Report", "%n planned service(s) after today is/are counted",
                                                           nullptr, planned));
    }
    if (mistyped && plannedLeftOut) {
        sentences.append(QCoreApplication::translate(
                             "Report", "The head line “%1” is dated more than a year after today: check its year")
                             .arg(shownHead(span.furthestHead)));
    }
    return sentences.join(u". "_s);
}

QString joinNote()
{
    return QCoreApplication::translate("Report", "Hymns joined by number: 14, 014 and #14 are one hymn");
}

DateRange presetRange(Preset preset, QDate latest, QDate today)
{
    // The previous years are the calendar's, counted from today whatever the file holds.
    if (preset == Preset::PreviousChurchYear || preset == Preset::PreviousCalendarYear) {
        if (!today.isValid())
            return {};
        if (preset == Preset::PreviousCalendarYear)
            return {QDate(today.year() - 1, 1, 1), QDate(today.year() - 1, 12, 31)};
        const QDate current = Calendar::churchYearStart(today);
        return {Calendar::churchYearStart(current.addDays(-1)), current.addDays(-1)};
    }
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
    case Preset::PreviousChurchYear:
    case Preset::PreviousCalendarYear:
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
    // A service dated after today has not been held yet: planned, it counts only when asked for.
    const QDate upTo = criteria.countPlanned ? QDate() : criteria.today;
    const ServiceSpan span = spanOf(services, upTo);
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
    UseCounter counter({criteria.range, upTo}, criteria.oncePerService);
    const UseWindow inRange{criteria.range, QDate()};
    HymnIndex rowOf(qsizetype(store.entryCount()) * EntryStore::MaxSlots);

    for (const ServiceView &service : services) {
        const QDate date = service.date();
        const bool withinLimit = !Search::ChkGtLt(false, service.head(), limit);
        if (withinLimit && date.isNull())
            ++result.undatedInFile;
        if (withinLimit && criteria.today.isValid() && date > criteria.today && inRange.holds(date))
            ++result.planned;
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
                ReportRow &row = result.rows.emplace_back();
                if (HymnKey::isBareNumber(line.tag) || HymnKey::ofLine(line.tag, line.text).isNumber()) {
                    const QStringView number = HymnKey::withoutMark(line.tag);
                    row.number = number.size() == line.tag.size() ? line.tag : number.toString();
                    row.title = TallyMatch::titleKeyOf(line.text);
                } else {
                    // "Anthem: Il est né" is no hymn "Anthem:": such a line is known by its whole text.
                    // A blank tag stands for a line that began with a blank.
                    row.title = PlainText::trim(line.tag == u" "_s ? line.text : line.tag + u' ' + line.text);
                }
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

void addCredits(ReportResult &result, const EntryStore &hymnal)
{
    if (!hymnal.isVerseFile())
        return;
    QHash<HymnKey, QString> credits;
    HymnView hymn;
    for (int entry = 1; entry <= hymnal.entryCount(); entry = hymn.nextEntry()) {
        hymn.read(hymnal, entry);
        const HymnKey key = HymnKey::ofNumber(hymn.number());
        // The first hymn of a number is the one the others are found by, as Add Service's titles are.
        if (!key.isEmpty() && !hymn.credits().isEmpty() && !credits.contains(key))
            credits.insert(key, hymn.credits().toString());
    }
    for (ReportRow &row : result.rows) {
        if (!row.number.isEmpty())
            row.credits = credits.value(HymnKey::ofNumber(row.number));
    }
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

QStringList periodLabels(Period period, const std::vector<QDate> &starts)
{
    // The language's names, not the regional settings': the chart's labels follow the words shown. A month and its
    // year are one string, so that a language may put them in its own order.
    static const std::array<const char *, 12> months = {
        //: A month's label on the usage chart: %1 is the year ("Jan 2019").
        QT_TRANSLATE_NOOP("Report", "Jan %1"), QT_TRANSLATE_NOOP("Report", "Feb %1"),
        QT_TRANSLATE_NOOP("Report", "Mar %1"), QT_TRANSLATE_NOOP("Report", "Apr %1"),
        QT_TRANSLATE_NOOP("Report", "May %1"), QT_TRANSLATE_NOOP("Report", "Jun %1"),
        QT_TRANSLATE_NOOP("Report", "Jul %1"), QT_TRANSLATE_NOOP("Report", "Aug %1"),
        QT_TRANSLATE_NOOP("Report", "Sep %1"), QT_TRANSLATE_NOOP("Report", "Oct %1"),
        QT_TRANSLATE_NOOP("Report", "Nov %1"), QT_TRANSLATE_NOOP("Report", "Dec %1")};
    std::array<QString, 12> shown;
    if (period != Period::Year) {
        for (size_t m = 0; m < months.size(); ++m)
            shown[m] = QCoreApplication::translate("Report", months[m]);
    }
    QStringList labels;
    labels.reserve(qsizetype(starts.size()));
    for (const QDate &start : starts) {
        if (!start.isValid())
            labels.append(QString());
        else if (period == Period::Year)
            labels.append(QString::number(start.year()));
        else
            labels.append(shown[size_t(start.month() - 1)].arg(start.year()));
    }
    return labels;
}

QString periodLabel(Period period, QDate start)
{
    return periodLabels(period, {start}).constFirst();
}

} // namespace Report
