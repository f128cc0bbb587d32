// SPDX-License-Identifier: GPL-3.0-or-later
// What the log says about a hymn being planned: the title it was last used with, when it was last sung, how often
// in the year before, whether in the last few weeks; and the numbers with their titles, for completion.
#pragma once

#include "store/entrystore.h"
#include "store/hymnindex.h"
#include "store/hymnkey.h"

#include <QDate>
#include <QSet>
#include <QString>
#include <QVariant>

#include <vector>

namespace Logbook {

struct HymnMarks {
    QString title;       // the title of the latest dated use (of the last use when none is dated); empty: never used
    QDate lastSung;      // the latest dated use on or before the planned date; null when none
    int usesInYear = 0;  // services from a year before the planned date (exclusive) up to it (inclusive)
    bool recent = false; // sung in the given number of weeks up to the planned date, both ends included
};

struct KnownHymn {
    QString number; // as the log writes it, without its mark ("12" for "12*")
    QString title;  // as HymnMarks::title
};

// How many weeks back a hymn counts as sung lately, when nothing else is asked for, and the least and most there can
// be.
constexpr int DefaultRecentWeeks = 4;
constexpr int LeastRecentWeeks = 1;
constexpr int MostRecentWeeks = 52;

// The weeks as a setting kept them: a whole number from LeastRecentWeeks to MostRecentWeeks; a larger one is
// MostRecentWeeks, and anything else (nothing kept, text, 0, a negative number, a fraction) DefaultRecentWeeks. The
// settings file hands back text, so "1e9" and "4.0" are numbers too.
int recentWeeksFrom(const QVariant &stored);

class Planner {
public:
    // Reads the store once; the planner keeps no reference to it. A hymnal text gives an empty planner. The hymns of
    // the service whose head entry is leftOut (the one being edited) are not counted as sung.
    explicit Planner(const EntryStore &store, int leftOut = 0);

    // The marks of the hymn a number stands for (HymnKey::ofNumber), counted as the usage report counts them
    // (Report::UseCounter): once per service (an entry with its continuations), up to the planned date.
    HymnMarks marks(const HymnKey &hymn, QDate planned, int weeks = DefaultRecentWeeks) const;

    // Every hymn the log uses by number, once, ordered by its number's value and then as text.
    std::vector<KnownHymn> knownHymns() const;
    // Every number as the log writes it, without its mark: "010" and "10" are one hymn and two forms.
    const QSet<QString> &numberForms() const { return m_numberForms; }

    // Each service's date in file order (null where its head line is not a date), as defaultDate takes them.
    const std::vector<QDate> &serviceDates() const { return m_serviceDates; }
    // Whether the latest dated head line (the later in the file of two on one date) names an occasion after its
    // date: a log that writes only dates is offered none.
    bool latestHasOccasion() const { return m_latestHasOccasion; }

private:
    struct Use {
        QDate date; // null for a service whose head line is not a date
        QString number;
        QString title;
    };
    // The use that names the hymn: the latest dated, the later in the file among equals, else the last one.
    static const Use *namingUse(const std::vector<Use> &uses);

    HymnIndex m_hymns;                    // each hymn's place in m_uses
    std::vector<std::vector<Use>> m_uses; // each hymn's in file order, at most one per service
    QSet<QString> m_numberForms;
    std::vector<QDate> m_serviceDates;
    bool m_latestHasOccasion = false;
};

} // namespace Logbook
