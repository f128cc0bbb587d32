// SPDX-License-Identifier: GPL-3.0-or-later
// The tally: criteria per line, the row each use belongs to, and the sort of the rows.
#include "tally/tally.h"

#include "search/datelimits.h"
#include "store/plaintext.h"
#include "tally/exchangeorder.h"
#include "tally/linefilter.h"
#include "tally/tallytable.h"

#include <QStringView>

#include <algorithm>
#include <numeric>
#include <optional>
#include <vector>

namespace Tallies {

namespace {

// The "hymn #" order: the leading number, then the first two characters (so "LM12" and "PS5" sort by their
// letters), then the number from the third character on ("PS5" before "PS23").
struct NumberOrder {
    qint64 value = 0;
    QStringView prefix; // into the row's own number key
    double tail = 0;

    bool operator<(const NumberOrder &other) const
    {
        if (value != other.value)
            return value < other.value;
        if (const int byPrefix = prefix.compare(other.prefix); byPrefix != 0)
            return byPrefix < 0;
        return tail < other.tail;
    }
};

// Dense ranks of the rows under a strict weak order: a row's rank is the number of distinct keys below its own.
template <typename Key> std::vector<int> ranksOf(const std::vector<Key> &keys)
{
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) { return keys[a] < keys[b]; });
    std::vector<int> ranks(keys.size());
    int rank = 0;
    for (size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && keys[order[i - 1]] < keys[order[i]])
            ++rank;
        ranks[order[i]] = rank;
    }
    return ranks;
}

std::vector<int> ranksFor(TallyOrder order, const std::vector<TallyRow> &rows)
{
    switch (order) {
    case TallyOrder::Number: {
        std::vector<NumberOrder> keys;
        keys.reserve(rows.size());
        for (const TallyRow &row : rows) {
            const QStringView key(row.numberKey);
            keys.push_back({PlainText::leadingInteger(key), key.first(std::min<qsizetype>(2, key.size())),
                            key.size() > 2 ? PlainText::leadingValue(key.sliced(2)) : 0.0});
        }
        return ranksOf(keys);
    }
    case TallyOrder::Title: {
        std::vector<QStringView> keys;
        keys.reserve(rows.size());
        for (const TallyRow &row : rows)
            keys.push_back(row.upperTitle);
        return ranksOf(keys);
    }
    case TallyOrder::Frequency:
        break;
    }
    // Higher counts first.
    std::vector<qint64> keys;
    keys.reserve(rows.size());
    for (const TallyRow &row : rows)
        keys.push_back(-row.count);
    return ranksOf(keys);
}

} // namespace

TallyOrder tallyOrderAt(int comboIndex)
{
    switch (comboIndex) {
    case 1:
        return TallyOrder::Title;
    case 2:
        return TallyOrder::Number;
    default:
        return TallyOrder::Frequency;
    }
}

TallyResult TallyHymns(const EntryStore &store, const TallyCriteria &criteria)
{
    // Read as a date limit even for a verse file, whose head lines then meet the rewritten text as a phrase.
    const Limits::DateLimit limit = Limits::IsGtLt(criteria.Filter);
    const LineFilter filter(criteria);

    TallyTable table(qsizetype(store.entryCount()) * EntryStore::MaxSlots);
    for (int i = 1; i <= store.entryCount(); ++i) {
        // The limit depends on the head line only, so it is checked once for the entry, on its first passing line.
        std::optional<bool> outsideLimit;
        for (int j = 1; j <= EntryStore::MaxSlots; ++j) {
            const QString &tag = store.tag(i, j);
            const QString &text = store.text(i, j);
            if (tag.isEmpty())
                break;
            if (filter.excludes(tag, text))
                continue;
            if (!outsideLimit)
                outsideLimit = Limits::ChkGtLt(store.isVerseFile(), store.head(i), limit);
            if (!*outsideLimit)
                table.addUse(tag, text);
        }
    }

    const std::vector<TallyRow> &rows = table.rows();
    TallyResult result;
    result.rows = static_cast<int>(rows.size());
    result.list1.reserve(result.rows);
    result.list2.reserve(result.rows);
    for (int r : ExchangeOrder::arrange(ranksFor(criteria.order, rows))) {
        const TallyRow &row = rows[r];
        result.list1.append(u' ' + QString::number(row.count));
        result.list2.append(row.numberKey + u' ' + row.titleKey);
        result.sum += row.count;
    }
    return result;
}

} // namespace Tallies
