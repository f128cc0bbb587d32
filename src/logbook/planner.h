// SPDX-License-Identifier: GPL-3.0-or-later
// What the log says about a hymn being planned: the title it was last used with, when it was last sung, how often
// in the year before, whether in the last few weeks; and the numbers with their titles, for completion.
#pragma once

#include "store/entrystore.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringView>
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
    // Reads the store once; the planner keeps no reference to it. A hymnal text gives an empty planner.
    explicit Planner(const EntryStore &store);

    // A hymn is counted once per service (an entry with its continuations), as the usage report counts it.
    HymnMarks marks(QStringView number, QDate planned, int weeks = DefaultRecentWeeks) const;

    // Every number the log uses, ordered by its value and then as text.
    std::vector<KnownHymn> knownHymns() const;

    // Each service's date in file order (null where its head line is not a date), as defaultDate takes them.
    const std::vector<QDate> &serviceDates() const { return m_serviceDates; }
    // Whether the latest dated head line (the later in the file of two on one date) names an occasion after its
    // date: a log that writes only dates is offered none.
    bool latestHasOccasion() const { return m_latestHasOccasion; }

    // The number a line's tag stands for: cut before its first mark ("12*", "12(2)" and "12" are all hymn 12)
    // and matched regardless of case; empty for a tag that does not begin with a digit (a line without a number).
    static QString numberKey(QStringView tag);

private:
    struct Use {
        QDate date; // null for a service whose head line is not a date
        QString number;
        QString title;
    };
    // The use that names the hymn: the latest dated, the later in the file among equals, else the last one.
    static const Use *namingUse(const std::vector<Use> &uses);

    QHash<QString, std::vector<Use>> m_uses; // by numberKey, in file order, at most one per service
    std::vector<QDate> m_serviceDates;
    bool m_latestHasOccasion = false;
};

} // namespace Logbook
