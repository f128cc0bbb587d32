// SPDX-License-Identifier: GPL-3.0-or-later
// How often and how lately a service log used some hymns, joined by hymn number and counted once per service,
// the way the usage report counts.
#pragma once

#include "store/entrystore.h"

#include <QDate>
#include <QStringList>

#include <vector>

namespace Plan {

struct HymnUses {
    int usesLast12 = 0; // dated services in the twelve months ending on the reference date
    int usesEver = 0;   // every service up to the reference date, undated ones included
    QDate lastSung;     // the latest dated service; null when there is none
};

struct LogCounts {
    QDate reference;            // the date counted to: the one asked for, or else the log's latest service
    std::vector<HymnUses> uses; // one per key asked for, in the same order
};

// The uses of the hymns whose number keys (Plan::numberKey) are keys. A service is an entry with its
// continuations; a line's tag is read through numberKey, and a line without a tag is passed over, as in
// the tally and the report. A null reference counts to the latest dated service of the log. Services dated after
// the reference are not counted at all: as of that date they have not happened. "Last 12 months" is the usage
// report's range of that name, counted from the reference.
LogCounts countUses(const EntryStore &log, const QStringList &keys, QDate reference = QDate());

} // namespace Plan
