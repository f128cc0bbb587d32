// SPDX-License-Identifier: GPL-3.0-or-later
// The usage report: how often, first and last each hymn of a service log was used in a date range, under the
// main window's criteria, with the uses per year or month for the chart.
#pragma once

#include "report/usecounter.h"
#include "store/entrystore.h"
#include "tally/tally.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

namespace Report {

// The report window's range presets. The first ones count back from the latest service counted (the latest held up
// to today, unless planned services are counted), the previous years from today.
enum class Preset {
    All,                  // no range
    LatestYear,           // the calendar year of the latest service
    YearBefore,           // the calendar year before that
    Last12Months,         // the twelve months ending on the latest service
    ChurchYear,           // Advent Sunday to the day before the next one, the one holding the latest service
    Season,               // 1 September to 31 August, the one holding the latest service
    PreviousChurchYear,   // the church year before the one holding today
    PreviousCalendarYear, // the calendar year before today's
    Custom,               // the dates the user typed
};

// The earliest and latest service dates of the store by date, whatever order the file keeps; both null when no
// head line reads as a date. With upTo, a service dated after it is planned, not held: latest is the latest held.
struct ServiceSpan {
    QDate earliest, latest;
    QString latestHead; // the head line latest was read from, as the file has it
    QDate upTo;         // the day counted to; null: every service counts
    // The latest service of the file whatever the day, and its head line: a planned one when it is after latest.
    QDate furthest;
    QString furthestHead;
};
ServiceSpan serviceSpan(const EntryStore &store, QDate upTo = QDate());

// What the report counts from, for its status line: "Counted from 2023-01-08, the latest service", or the latest up
// to today when planned services are left out; how many planned services (after today) the report leaves out, or
// counts, planned of them; and, when a service lies more than a year after today (a mistyped year), the head line
// to check. Empty when the file has no dated service.
QString countedFromNote(const ServiceSpan &span, QDate today, int planned = 0);

// How the report tells one hymn from another, for its notes: "Hymns joined by number: 14, 014 and #14 are one
// hymn" (HymnKey).
QString joinNote();

// The range of a preset counted from latest, or from today for the previous years; All and Custom give no range (the
// window supplies Custom's dates).
DateRange presetRange(Preset preset, QDate latest, QDate today = QDate());

struct ReportCriteria {
    Tally::TallyCriteria filters; // the main window's boxes as the tally reads them; the order is not used
    DateRange range;              // no range: every service, dated or not
    bool oncePerService = true;   // a hymn counts at most once per service (an entry with its continuations)
    // A service dated after today is planned: left out unless countPlanned. A null today: every service is held.
    QDate today = {};
    bool countPlanned = false;
};

// The chart's bars: one per calendar year, or per month when the range is under two years.
enum class Period { Year, Month };

// The most periods a report holds, each row keeping a count for every one: a range wider than this many years (a
// year mistyped in the file or the range) is charted over its last MaxPeriods years only.
constexpr int MaxPeriods = 500;

struct ReportRow {
    QString number; // as the hymn's first use writes it, without its mark ("123" for "123*")
    // The first use's text, cut before its first "(" as the tally shows it; for a line whose first word holds no
    // digit ("Anthem: Ave verum"), which has no number, its whole text.
    QString title;
    int uses = 0;
    QDate firstUsed, lastUsed;  // null when the hymn was used only in services without a date
    int daysSince = -1;         // from lastUsed to latestService; -1 when lastUsed is null
    std::vector<int> perPeriod; // dated uses in each period of ReportResult::periods
    QString credits;            // the hymnal's credits line for the number (addCredits); empty without one
};

struct ReportResult {
    std::vector<ReportRow> rows; // one per hymn (HymnKey), in order of first use
    int services = 0;            // services counted: in the range and within the limit box
    int undatedServices = 0;     // of those, services whose head line is not a date (counted only with no range)
    int undatedInFile = 0;       // services without a date within the limit box, whatever the range
    QDate latestService;         // of the whole file, up to today unless planned are counted: what daysSince counts to
    // Services dated after today in the range and within the limit box: left out, or counted with countPlanned.
    int planned = 0;
    Period period = Period::Year;
    std::vector<QDate> periods; // the first day of each period, consecutive, covering the range (or the file)
};

ReportResult buildReport(const EntryStore &store, const ReportCriteria &criteria);

// Each numbered row's credits: the first line of the hymnal's hymn of that number (HymnKey), before its verses.
void addCredits(ReportResult &result, const EntryStore &hymnal);

// The uses per period summed over the rows at rowIndexes, or over every row when rowIndexes is empty.
std::vector<int> seriesOf(const ReportResult &result, const std::vector<int> &rowIndexes);

// A period's label on the chart: "2019" for a year, "Jan 2019" for a month, in the language shown.
QString periodLabel(Period period, QDate start);
// The labels of the periods starting at starts, the month names looked up once for them all.
QStringList periodLabels(Period period, const std::vector<QDate> &starts);

} // namespace Report
