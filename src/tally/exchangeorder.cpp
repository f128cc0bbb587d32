// SPDX-License-Identifier: GPL-3.0-or-later
// Exchange sort on ranks without its quadratic running time.
//
// The sort performs "if row k ranks below row m, exchange them" for the pairs (m, k), m < k, taken m by m. Two such
// steps on disjoint pairs commute, and any two steps that share a position come in the same order when the pairs
// are taken k by k instead (for k: for m < k). That order is an insertion: the rows before k are already in rank
// order, row k goes behind the rows of its own rank, and every run of equal rank above it is shifted one place on
// with its first row moved to its end. So each rank's rows are a ring in their original order, turned by one place
// for every lower-ranked row that arrives after the first of them; only those turns need counting.
#include "tally/exchangeorder.h"

#include <algorithm>
#include <numeric>

namespace Tally::ExchangeOrder {

namespace {

// Counts over positions 0..n-1, with prefix sums and search for the k-th counted position.
class Fenwick {
public:
    explicit Fenwick(int size) : m_tree(size + 1, 0) {}

    // A count of one at every position, built in linear time: node i covers the i & -i positions ending at i.
    static Fenwick ofOnes(int size)
    {
        Fenwick tree(size);
        for (int i = 1; i <= size; ++i)
            tree.m_tree[i] = i & -i;
        return tree;
    }

    void add(int position, int delta)
    {
        for (int i = position + 1; i < static_cast<int>(m_tree.size()); i += i & -i)
            m_tree[i] += delta;
    }

    // Sum over positions 0..end-1.
    int before(int end) const
    {
        int sum = 0;
        for (int i = end; i > 0; i -= i & -i)
            sum += m_tree[i];
        return sum;
    }

    // The position holding the (k+1)-th counted unit, counts being 0 or 1.
    int kth(int k) const
    {
        int position = 0;
        int step = 1;
        while (step * 2 < static_cast<int>(m_tree.size()))
            step *= 2;
        for (; step > 0; step /= 2) {
            if (position + step < static_cast<int>(m_tree.size()) && m_tree[position + step] <= k) {
                position += step;
                k -= m_tree[position];
            }
        }
        return position;
    }

private:
    std::vector<int> m_tree;
};

} // namespace

std::vector<int> arrange(const std::vector<int> &ranks)
{
    const int n = static_cast<int>(ranks.size());
    // Rows by rank, each rank's rows in their own order. The tally's ranks are dense, below the number of rows,
    // and are sorted by counting; any others by comparison.
    std::vector<int> byRank(n);
    const int maxRank = n == 0 ? 0 : *std::max_element(ranks.begin(), ranks.end());
    if (maxRank < n) {
        std::vector<int> rankStart(size_t(maxRank) + 2, 0);
        for (const int rank : ranks)
            ++rankStart[size_t(rank) + 1];
        std::partial_sum(rankStart.begin(), rankStart.end(), rankStart.begin());
        for (int row = 0; row < n; ++row)
            byRank[size_t(rankStart[size_t(ranks[size_t(row)])]++)] = row;
    } else {
        std::iota(byRank.begin(), byRank.end(), 0);
        std::stable_sort(byRank.begin(), byRank.end(), [&](int a, int b) { return ranks[a] < ranks[b]; });
    }
    // With no two rows of one rank, nothing ties and the exchange sort leaves the rows in rank order.
    if (std::adjacent_find(byRank.begin(), byRank.end(), [&](int a, int b) { return ranks[a] == ranks[b]; }) ==
        byRank.end())
        return byRank;

    std::vector<int> arranged;
    arranged.reserve(n);
    Fenwick lower(n); // rows of the ranks already arranged, all below the current one
    for (int first = 0; first < n;) {
        int end = first;
        while (end < n && ranks[byRank[end]] == ranks[byRank[first]])
            ++end;
        const int count = end - first;

        // With no lower-ranked row after the first of this rank, the ring is never turned and the rows keep their
        // order: so it is for the rows most used, and for a whole tally whose rows all have one count.
        if (lower.before(n) == lower.before(byRank[first] + 1)) {
            arranged.insert(arranged.end(), byRank.begin() + first, byRank.begin() + end);
        } else {
            // The run of this rank is a ring: each new row goes in just before the ring's start, and each rotation
            // moves the start on by one. Record where each row was inserted, counted from the ring's storage start.
            std::vector<int> insertedAt(count);
            int start = 0;
            for (int j = 0; j < count; ++j) {
                const int row = byRank[first + j];
                const int nextRow = j + 1 < count ? byRank[first + j + 1] : n;
                insertedAt[j] = start;
                const int rotations = lower.before(nextRow) - lower.before(row + 1);
                start = (start + 1 + rotations) % (j + 1);
            }

            // Replaying the insertions backwards places each row in the free slot its insertion index points to.
            std::vector<int> ring(count);
            Fenwick freeSlots = Fenwick::ofOnes(count);
            for (int j = count - 1; j >= 0; --j) {
                const int slot = freeSlots.kth(insertedAt[j]);
                freeSlots.add(slot, -1);
                ring[slot] = byRank[first + j];
            }
            for (int s = 0; s < count; ++s)
                arranged.push_back(ring[(start + s) % count]);
        }

        // The last rank turns no ring after it.
        for (int j = first; j < end && end < n; ++j)
            lower.add(byRank[j], 1);
        first = end;
    }
    return arranged;
}

} // namespace Tally::ExchangeOrder
