// SPDX-License-Identifier: GPL-3.0-or-later
// Harness: the order the tally lists its rows in, worked out from ranks in n log n steps, against the exchange sort
// it stands for, run literally. Input: one byte giving the number of distinct ranks, then one byte per row.
#include "fuzzcheck.h"
#include "literalexchange.h"
#include "tally/exchangeorder.h"

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

// Rows beyond this make the literal sort too slow to run on every input; the ring arithmetic is the same.
constexpr size_t MaxRows = 600;

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
    FUZZ_CHECK(Tally::ExchangeOrder::arrange(ranks) == literalExchange(ranks));
    return 0;
}
