// SPDX-License-Identifier: GPL-3.0-or-later
// The tally's exchange sort written out literally over ranks, as the yardstick for the fast order it stands for.
// Header-only, so the fuzz harnesses can use it without the window test support.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

// Row indices in the order the exchange sort leaves them, comparing ranks only.
inline std::vector<int> literalExchange(const std::vector<int> &ranks)
{
    std::vector<std::pair<int, int>> rows; // rank, row
    for (int i = 0; i < static_cast<int>(ranks.size()); ++i)
        rows.emplace_back(ranks[i], i);
    for (std::size_t m = 0; m + 1 < rows.size(); ++m) {
        for (std::size_t k = m + 1; k < rows.size(); ++k) {
            if (rows[k].first < rows[m].first)
                std::swap(rows[k], rows[m]);
        }
    }
    std::vector<int> order;
    for (const auto &row : rows)
        order.push_back(row.second);
    return order;
}
