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
#include <optional>
#include <string_view>
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

// The "title" order: the titles compared upper-cased, code unit by code unit. Each title is upper-cased once, before
// the sort, so that no comparison makes a string: the first twelve units, packed into three numbers, settle most
// comparisons, and titles alike that far compare the rest of their upper-cased units where they lie.
struct TitleOrder {
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
        // Plain ASCII titles are upper-cased into one buffer, made in full at once so that the keys' pointers into it
        // hold; the rest go through Unicode's case tables, which may change their length ("ß" gives "SS").
        qsizetype asciiUnits = 0;
        for (const TallyRow &row : rows)
            asciiUnits += row.titleKey.size();
        const std::unique_ptr<char16_t[]> asciiUpper(new char16_t[size_t(asciiUnits)]);
        char16_t *next = asciiUpper.get();
        std::vector<QString> otherUpper;
        std::vector<TitleOrder> keys;
        keys.reserve(rows.size());
        for (const TallyRow &row : rows) {
            const QStringView title(row.titleKey);
            char16_t *out = next;
            char16_t seen = 0;
            for (const QChar c : title) {
                const char16_t u = c.unicode();
                seen |= u;
                *out++ = u >= u'a' && u <= u'z' ? char16_t(u - (u'a' - u'A')) : u;
            }
            if (seen < 0x80) {
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
    // Higher counts first.
    std::vector<qint64> keys;
    keys.reserve(rows.size());
    for (const TallyRow &row : rows)
        keys.push_back(-row.count);
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
    // Rows of one count share one text: most rows of a long log were used once, twice or a few times.
    std::vector<QString> countTexts;
    for (int r : ExchangeOrder::arrange(ranksFor(criteria.order, rows))) {
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

} // namespace Tallies
