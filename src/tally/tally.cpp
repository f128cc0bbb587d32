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
#include <memory>
#include <numeric>
#include <optional>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace Tally {

namespace {

// The "hymn #" order: the leading number, then the first two characters (so "LM12" and "PS5" sort by their
// letters), then the number from the third character on ("PS5" before "PS23").
struct NumberOrder {
    static constexpr bool RadixIsWhole = false;
    qint64 value = 0;
    QStringView prefix; // into the row's own number key
    double tail = 0;

    // The leading number, its sign turned round so that it orders as an unsigned number.
    std::array<quint64, 1> radix() const { return {quint64(value) ^ (quint64(1) << 63)}; }

    bool operator<(const NumberOrder &other) const
    {
        if (value != other.value)
            return value < other.value;
        if (const int byPrefix = prefix.compare(other.prefix); byPrefix != 0)
            return byPrefix < 0;
        return tail < other.tail;
    }
};

// The "title" order: the titles compared upper-cased, code unit by code unit. Each title is upper-cased once, before
// the sort, so that no comparison makes a string: the first twelve units, packed into three numbers, settle most
// comparisons, and titles alike that far compare the rest of their upper-cased units where they lie.
struct TitleOrder {
    static constexpr bool RadixIsWhole = false;
    static constexpr qsizetype HeadUnits = 12;
    std::array<quint64, HeadUnits / 4> head{};
    const char16_t *units = nullptr; // the upper-cased title, kept alive by the caller
    qsizetype size = 0;

    TitleOrder(const char16_t *upper, qsizetype length) : units(upper), size(length)
    {
        for (size_t part = 0; part < head.size(); ++part) {
            for (qsizetype i = qsizetype(part) * 4; i < qsizetype(part) * 4 + 4; ++i)
                head[part] = (head[part] << 16) | (i < size ? units[i] : 0u);
        }
    }

    const std::array<quint64, HeadUnits / 4> &radix() const { return head; }

    bool operator<(const TitleOrder &other) const
    {
        for (size_t i = 0; i < head.size(); ++i) {
            if (head[i] != other.head[i])
                return head[i] < other.head[i];
        }
        // Equal heads mean equal units up to the shorter title's length or the head's, whichever is less.
        const qsizetype skip = std::min({HeadUnits, size, other.size});
        return std::u16string_view(units + skip, size_t(size - skip)) <
               std::u16string_view(other.units + skip, size_t(other.size - skip));
    }
};

// The "freq" order: higher counts first.
struct CountOrder {
    static constexpr bool RadixIsWhole = true;
    qint64 count = 0;

    std::array<quint64, 1> radix() const { return {~(quint64(count) ^ (quint64(1) << 63))}; }
    bool operator<(const CountOrder &other) const { return count > other.count; }
};

// Dense ranks of the rows under a strict weak order: a row's rank is the number of distinct keys below its own. A
// key's radix() is a start of it as numbers: a lower radix means a lower key. The rows are put in order of their
// radixes a byte at a time (a byte alike in every row is passed over), so that only rows alike in the radix are
// compared, and then only when the radix is not the whole key: the comparisons of a plain sort, whose outcome the
// processor cannot guess, cost more than the passes.
template <typename Key> std::vector<int> ranksOf(const std::vector<Key> &keys)
{
    using Radix = std::remove_cvref_t<decltype(keys.front().radix())>;
    struct Entry {
        Radix radix;
        int row;
    };
    std::vector<Entry> sorted;
    sorted.reserve(keys.size());
    for (size_t row = 0; row < keys.size(); ++row)
        sorted.push_back({keys[row].radix(), static_cast<int>(row)});
    // The bits in which some radix differs from the first: bytes without any are passed over unread.
    Radix differs{};
    for (const Entry &entry : sorted) {
        for (size_t word = 0; word < differs.size(); ++word)
            differs[word] |= entry.radix[word] ^ sorted.front().radix[word];
    }
    std::vector<Entry> spare(sorted.size());
    for (size_t word = std::tuple_size_v<Radix>; word-- > 0;) {
        for (int shift = 0; shift < 64; shift += 8) {
            if (((differs[word] >> shift) & 0xff) == 0)
                continue;
            std::array<size_t, 257> start{};
            for (const Entry &entry : sorted)
                ++start[size_t((entry.radix[word] >> shift) & 0xff) + 1];
            std::partial_sum(start.cbegin(), start.cend(), start.begin());
            for (const Entry &entry : sorted)
                spare[start[size_t((entry.radix[word] >> shift) & 0xff)]++] = entry;
            sorted.swap(spare);
        }
    }
    const auto below = [&](const Entry &a, const Entry &b) { return keys[size_t(a.row)] < keys[size_t(b.row)]; };
    if constexpr (!Key::RadixIsWhole) {
        for (auto run = sorted.begin(); run != sorted.end();) {
            const auto end =
                std::find_if(run, sorted.end(), [&](const Entry &entry) { return entry.radix != run->radix; });
            std::sort(run, end, below);
            run = end;
        }
    }
    std::vector<int> ranks(keys.size());
    int rank = 0;
    for (size_t i = 0; i < sorted.size(); ++i) {
        if (i > 0 &&
            (sorted[i - 1].radix != sorted[i].radix || (!Key::RadixIsWhole && below(sorted[i - 1], sorted[i]))))
            ++rank;
        ranks[size_t(sorted[i].row)] = rank;
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
        // Titles in Latin-1 are upper-cased into one buffer, made in full at once so that the keys' pointers into
        // it hold: there every lower-case letter but three has its capital 0x20 below it. The rest, and those
        // three ("ß" gives "SS", "µ" and "ÿ" capitals outside Latin-1), go through Unicode's case tables.
        qsizetype units = 0;
        for (const TallyRow &row : rows)
            units += row.titleKey.size();
        const std::unique_ptr<char16_t[]> latinUpper(new char16_t[size_t(units)]);
        char16_t *next = latinUpper.get();
        std::vector<QString> otherUpper;
        std::vector<TitleOrder> keys;
        keys.reserve(rows.size());
        for (const TallyRow &row : rows) {
            const QStringView title(row.titleKey);
            char16_t *out = next;
            char16_t seen = 0;
            bool special = false;
            for (const QChar c : title) {
                // Without a branch: upper and lower case come in no order the processor could guess.
                const char16_t u = c.unicode();
                seen |= u;
                special |= (u == 0xB5) | (u == 0xDF) | (u == 0xFF);
                const bool lower = (char16_t(u - u'a') < 26u) | ((char16_t(u - 0xE0) < 0x1Fu) & (u != 0xF7));
                *out++ = char16_t(u - (unsigned(lower) << 5));
            }
            if (seen < 0x100 && !special) {
                keys.emplace_back(next, title.size());
                next = out;
            } else {
                // A QString keeps its units in place when the vector moves it.
                const QString &upper = otherUpper.emplace_back(title.toString().toUpper());
                keys.emplace_back(reinterpret_cast<const char16_t *>(upper.constData()), upper.size());
            }
        }
        return ranksOf(keys);
    }
    case TallyOrder::Frequency:
        break;
    }
    std::vector<CountOrder> keys;
    keys.reserve(rows.size());
    for (const TallyRow &row : rows)
        keys.push_back({row.count});
    return ranksOf(keys);
}

// " 12": the count after one blank, made once for each count and shared by the rows that have it.
QString countText(qint64 count, std::vector<QString> &made)
{
    // Most rows of a long log were used a few times; a count past the table is rare and made each time it comes.
    constexpr qint64 Shared = 4096;
    if (count < 0 || count >= Shared)
        return u' ' + QString::number(count);
    if (made.size() <= size_t(count))
        made.resize(size_t(count) + 1);
    QString &text = made[size_t(count)];
    if (text.isNull())
        text = u' ' + QString::number(count);
    return text;
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
    const Search::DateLimit limit = Search::IsGtLt(criteria.Filter);
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
                outsideLimit = Search::ChkGtLt(store.isVerseFile(), store.head(i), limit);
            if (!*outsideLimit)
                table.addUse(tag, text);
        }
    }

    const std::vector<TallyRow> &rows = table.rows();
    TallyResult result;
    result.rows = static_cast<int>(rows.size());
    result.list1.reserve(result.rows);
    result.list2.reserve(result.rows);
    // Rows of one count share one text: most rows of a long log were used once, twice or a few times.
    std::vector<QString> countTexts;
    for (int r : Tally::ExchangeOrder::arrange(ranksFor(criteria.order, rows))) {
        const TallyRow &row = rows[r];
        result.list1.append(countText(row.count, countTexts));
        // Written straight into a string of the final length: appending piece by piece costs more than the copy.
        QString line(row.numberKey.size() + 1 + row.titleKey.size(), Qt::Uninitialized);
        QChar *out = std::copy(row.numberKey.cbegin(), row.numberKey.cend(), line.data());
        *out++ = u' ';
        std::copy(row.titleKey.cbegin(), row.titleKey.cend(), out);
        result.list2.append(std::move(line));
        result.sum += row.count;
    }
    return result;
}

} // namespace Tally
