// Harness: the order the tally lists its rows in, worked out from ranks in n log n steps, against the exchange sort
// it stands for, run literally. Input: one byte giving the number of distinct ranks, then one byte per row.
#include "exchangeorder.h"
#include "fuzzcheck.h"

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

// Rows beyond this make the literal sort too slow to run on every input; the ring arithmetic is the same.
constexpr size_t MaxRows = 600;

std::vector<int> literalExchange(const std::vector<int> &ranks)
{
    std::vector<std::pair<int, int>> rows; // rank, row
    for (int i = 0; i < static_cast<int>(ranks.size()); ++i)
        rows.emplace_back(ranks[i], i);
    for (size_t m = 0; m + 1 < rows.size(); ++m) {
        for (size_t k = m + 1; k < rows.size(); ++k) {
            if (rows[k].first < rows[m].first)
                std::swap(rows[k], rows[m]);
        }
    }
    std::vector<int> order;
    for (const auto &row : rows)
        order.push_back(row.second);
    return order;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // Few distinct ranks make long runs of equal rank, where the rotations happen.
    const int levels = 1 + data[0] % 32;
    std::vector<int> ranks;
    for (size_t i = 1; i < size && ranks.size() < MaxRows; ++i)
        ranks.push_back(data[i] % levels);
    FUZZ_CHECK(ExchangeOrder::arrange(ranks) == literalExchange(ranks));
    return 0;
}
