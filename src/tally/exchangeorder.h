// SPDX-License-Identifier: GPL-3.0-or-later
// The final order of the tally's exchange sort, worked out from integer ranks in n log n steps rather than n^2.
#pragma once

#include <vector>

namespace Tally::ExchangeOrder {

// ranks[i] (0 or more) is row i's place under the chosen order: a lower rank stands first, equal ranks compare
// equal. Returns the row indices in the order left by the exchange sort that, for each position m, compares every
// later row k with row m and exchanges the two when row k has the lower rank. Rows of equal rank end up in the
// order that procedure gives them, which is not in general their original order.
std::vector<int> arrange(const std::vector<int> &ranks);

} // namespace Tally::ExchangeOrder
