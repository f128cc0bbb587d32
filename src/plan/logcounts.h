// SPDX-License-Identifier: GPL-3.0-or-later
// How often and how lately a service log used some hymns, counted the way the usage report counts
// (Report::UseCounter): joined by HymnKey, once per service.
#pragma once

#include "store/entrystore.h"
#include "store/hymnkey.h"

#include <QDate>

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

// The uses of the hymns keys stand for; an empty key matches no line of the log. A null reference counts to the
// latest dated service of the log. Services dated after the reference are not counted at all: as of that date
// they have not happened. "Last 12 months" is the usage report's range of that name, counted from the reference.
LogCounts countUses(const EntryStore &log, const std::vector<HymnKey> &keys, QDate reference = QDate());

} // namespace Plan
