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
#include <array>
#include <optional>
#include <utility>
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

// The "title" order: the titles compared upper-cased, code unit by code unit. The first twelve upper-cased units,
// packed into three numbers, settle most comparisons; past them a plain ASCII title is upper-cased as it is read, and
// only the rest are upper-cased whole, once.
struct TitleOrder {
    static constexpr qsizetype HeadUnits = 12;
    std::array<quint64, HeadUnits / 4> head{};
    QStringView title; // plain ASCII as written, else already upper-cased
    bool ascii = true;

    static TitleOrder of(QStringView title, std::vector<QString> &uppers)
    {
        TitleOrder key{{}, title, QtPrivate::isAscii(title)};
        if (!key.ascii)
            key.title = uppers.emplace_back(title.toString().toUpper());
        for (qsizetype i = 0; i < HeadUnits; ++i) {
            quint64 &part = key.head[size_t(i / 4)];
            part = (part << 16) | (i < key.title.size() ? upperUnit(key.title[i]) : 0u);
        }
        return key;
    }

    static char16_t upperUnit(QChar c)
    {
        const char16_t u = c.unicode();
        return u >= u'a' && u <= u'z' ? char16_t(u - (u'a' - u'A')) : u;
    }

    QString upper() const { return ascii ? PlainText::upper(title.toString()) : title.toString(); }

    bool operator<(const TitleOrder &other) const
    {
        if (head != other.head)
            return head < other.head;
        if (!ascii || !other.ascii)
            return upper() < other.upper();
        const qsizetype common = std::min(title.size(), other.title.size());
        for (qsizetype i = HeadUnits; i < common; ++i) {
            const char16_t a = upperUnit(title[i]);
            const char16_t b = upperUnit(other.title[i]);
            if (a != b)
                return a < b;
        }
        return title.size() < other.title.size();
    }
};

// Dense ranks of the rows under a strict weak order: a row's rank is the number of distinct keys below its own.
template <typename Key> std::vector<int> ranksOf(const std::vector<Key> &keys)
{
    // The keys are sorted beside their rows rather than through an index, which would read them in random order.
    std::vector<std::pair<Key, int>> sorted;
    sorted.reserve(keys.size());
    for (size_t row = 0; row < keys.size(); ++row)
        sorted.emplace_back(keys[row], static_cast<int>(row));
    std::sort(sorted.begin(), sorted.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<int> ranks(keys.size());
    int rank = 0;
    for (size_t i = 0; i < sorted.size(); ++i) {
        if (i > 0 && sorted[i - 1].first < sorted[i].first)
            ++rank;
        ranks[size_t(sorted[i].second)] = rank;
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
        std::vector<QString> uppers; // the non-ASCII titles upper-cased, each at a place that does not move
        uppers.reserve(rows.size());
        std::vector<TitleOrder> keys;
        keys.reserve(rows.size());
        for (const TallyRow &row : rows)
            keys.push_back(TitleOrder::of(row.titleKey, uppers));
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
        for (int j = 1; j <= store.lineCount(i); ++j) {
            const QString &tag = store.tag(i, j);
            const QString &text = store.text(i, j);
            // A service log's one-word line ("Offertory") is no hymn and is passed over; in a hymnal a line without
            // a tag ends the entry.
            if (tag.isEmpty() && store.isVerseFile())
                break;
            if (tag.isEmpty())
                continue;
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
        // Built in one allocation: the plain sum would copy the number key into a string that then grows.
        QString line;
        line.reserve(row.numberKey.size() + 1 + row.titleKey.size());
        line.append(row.numberKey).append(u' ').append(row.titleKey);
        result.list2.append(std::move(line));
        result.sum += row.count;
    }
    return result;
}

} // namespace Tallies
