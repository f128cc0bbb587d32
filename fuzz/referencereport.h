// SPDX-License-Identifier: GPL-3.0-or-later
// The usage report's rows counted the slow, literal way: each line's hymn worked out from the description of the
// hymn key and looked for row by row from the top. The harness holds the real report, with its hash of keys and
// its views of the services, against it.
#pragma once

#include "store/entrystore.h"
#include "tally/tally.h"

#include <QString>

#include <optional>
#include <utility>
#include <vector>

// The report's rows under the tally's boxes, every line counted and no range, as (" uses", "number title") pairs
// in sorted order; nothing when there are more than maxRows of them (the search for a row is linear).
std::optional<std::vector<std::pair<QString, QString>>>
ReferenceReportRows(const EntryStore &store, const Tally::TallyCriteria &criteria, int maxRows);
