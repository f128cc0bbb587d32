// SPDX-License-Identifier: GPL-3.0-or-later
// The tally done the slow, literal way: each line's keys worked out and looked for row by row from the top of the
// table, then the exchange sort run pair by pair. The harness holds the real tally, with its look-up tables and its
// n log n ordering, against it.
#pragma once

#include "store/entrystore.h"
#include "tally/tally.h"

#include <optional>

// Whether the exclusion, number, " full # only" and phrase boxes leave the line out.
bool ReferenceLeftOut(const QString &tag, const QString &text, const Tally::TallyCriteria &criteria);

// The rows and sum the tally must list, or nothing when the table grows past maxRows (the literal sort is
// quadratic, too slow to run on every input beyond that).
std::optional<Tally::TallyResult> ReferenceTally(const EntryStore &store, const Tally::TallyCriteria &criteria,
                                                 int maxRows);
