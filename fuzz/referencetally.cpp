// SPDX-License-Identifier: GPL-3.0-or-later
// Every rule here is read off the description of the tally step by step; only the reading of a number from the
// front of a text is shared with the program (PlainText), as both take it from the platform's number reading.
#include "referencetally.h"

#include "search/datelimits.h"
#include "store/plaintext.h"

#include <utility>
#include <vector>

namespace {

struct Row {
    QString numberKey;
    QString titleKey;
    qint64 count = 0;
    QString upperNumber; // the keys as they are compared
    QString upperTitle;
};

QString spacesTrimmed(const QString &text)
{
    qsizetype start = 0, end = text.size();
    while (start < end && text[start] == u' ')
        ++start;
    while (end > start && text[end - 1] == u' ')
        --end;
    return text.sliced(start, end - start);
}

} // namespace

bool ReferenceLeftOut(const QString &tag, const QString &text, const Tally::TallyCriteria &c)
{
    bool out = false;
    if (!c.excludT.isEmpty() && spacesTrimmed(text).contains(c.excludT))
        out = true;
    if (!c.excludH.isEmpty() && spacesTrimmed(tag).contains(c.excludH))
        out = true;
    if (!c.hymnmbr.isEmpty() && !tag.toUpper().contains(c.hymnmbr.toUpper()))
        out = true;
    if (c.fullNumberOnly && spacesTrimmed(tag).toUpper() != c.hymnmbr.toUpper())
        out = true;
    if (!c.hymname.isEmpty() && !text.toUpper().contains(c.hymname.toUpper()))
        out = true;
    return out;
}

namespace {

QString numberKeyOf(const QString &tag)
{
    // 1-based positions, 0 for none: the first "*", or the first "(" when that stands later.
    qsizetype mark = tag.indexOf(u'*') + 1;
    const qsizetype paren = tag.indexOf(u'(') + 1;
    if (paren > mark)
        mark = paren;
    return mark == 0 ? tag : tag.first(mark - 1);
}

QString titleKeyOf(const QString &text)
{
    const qsizetype paren = text.indexOf(u'(');
    QString key = paren < 0 ? text : text.first(paren);
    while (key.endsWith(u' '))
        key.chop(1);
    return key;
}

bool byTitle(const QString &tag)
{
    return tag.startsWith(u' ') || tag.size() < 3 || tag[2] < u'1' || tag[2] > u'9';
}

// Row k is to stand before row m.
bool standsBefore(const Row &k, const Row &m, Tally::TallyOrder order)
{
    if (order == Tally::TallyOrder::Number) {
        const qint64 a = PlainText::leadingInteger(m.numberKey);
        const qint64 b = PlainText::leadingInteger(k.numberKey);
        if (b != a)
            return b < a;
        const QString prefixK = k.numberKey.first(std::min<qsizetype>(2, k.numberKey.size()));
        const QString prefixM = m.numberKey.first(std::min<qsizetype>(2, m.numberKey.size()));
        if (prefixK < prefixM)
            return true;
        const double tailK = k.numberKey.size() > 2 ? PlainText::leadingValue(QStringView(k.numberKey).sliced(2)) : 0;
        const double tailM = m.numberKey.size() > 2 ? PlainText::leadingValue(QStringView(m.numberKey).sliced(2)) : 0;
        return prefixK == prefixM && tailM > tailK;
    }
    if (order == Tally::TallyOrder::Title)
        return k.upperTitle < m.upperTitle;
    return k.count > m.count;
}

} // namespace

std::optional<Tally::TallyResult> ReferenceTally(const EntryStore &store, const Tally::TallyCriteria &criteria,
                                                 int maxRows)
{
    const Search::DateLimit limit = Search::IsGtLt(criteria.Filter);
    std::vector<Row> rows;
    for (int i = 1; i <= store.entryCount(); ++i) {
        for (int j = 1; j <= EntryStore::MaxSlots; ++j) {
            const QString &tag = store.tag(i, j);
            const QString &text = store.text(i, j);
            // The entry's lines end at its line count; a hymnal's also at the first empty tag, while a service
            // log's line with an empty tag (a word such as "Offertory") is passed over.
            if (j > store.lineCount(i) || (tag.isEmpty() && store.isVerseFile()))
                break;
            if (tag.isEmpty())
                continue;
            if (ReferenceLeftOut(tag, text, criteria) || Search::ChkGtLt(store.isVerseFile(), store.head(i), limit))
                continue;
            Row use{numberKeyOf(tag), titleKeyOf(text), 1, QString(), QString()};
            use.upperNumber = use.numberKey.toUpper();
            use.upperTitle = use.titleKey.toUpper();
            const bool matchTitle = byTitle(tag);
            bool found = false;
            for (Row &row : rows) {
                found = matchTitle ? row.upperTitle == use.upperTitle : row.upperNumber == use.upperNumber;
                if (found) {
                    ++row.count;
                    break;
                }
            }
            if (!found) {
                if (static_cast<int>(rows.size()) >= maxRows)
                    return std::nullopt;
                rows.push_back(use);
            }
        }
    }

    for (size_t m = 0; m + 1 < rows.size(); ++m) {
        for (size_t k = m + 1; k < rows.size(); ++k) {
            if (standsBefore(rows[k], rows[m], criteria.order))
                std::swap(rows[k], rows[m]);
        }
    }
    Tally::TallyResult result;
    result.rows = static_cast<int>(rows.size());
    for (const Row &row : rows) {
        result.list1.append(u' ' + QString::number(row.count));
        result.list2.append(row.numberKey + u' ' + row.titleKey);
        result.sum += row.count;
    }
    return result;
}
