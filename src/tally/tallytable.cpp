// SPDX-License-Identifier: GPL-3.0-or-later
// Matching each counted line to its tally row.
#include "tally/tallytable.h"

#include "store/hymnkey.h"
#include "store/plaintext.h"

#include <QStringView>

namespace Tally {

using TallyMatch::numberKeyOf;
using TallyMatch::titleKeyOf;

TallyTable::TallyTable(qsizetype uses)
{
    m_rows.reserve(size_t(uses));
}

int TallyTable::addUse(const QString &tag, const QString &text)
{
    const int row = rowOf(tag, text);
    ++m_rows[size_t(row)].count;
    return row;
}

int TallyTable::rowOf(const QString &tag, const QString &text)
{
    // The tally's own rule, not the hymn key the other windows join by: a short number is matched by its title.
    const bool byTitle = TallyMatch::byTitle(tag);

    if (!byTitle && isOwnNumberKey(tag)) {
        // Most tags are bare numbers, already their own upper-cased key: the number index answers at once.
        return rowWithKey(tag, tag, text, false);
    }
    QHash<QString, int> &seen = byTitle ? m_rowByText : m_rowByTag;
    const QString &seenKey = byTitle ? text : tag;
    auto known = seen.constFind(seenKey);
    if (known == seen.constEnd()) {
        const QString upperKey = PlainText::upper(byTitle ? titleKeyOf(text) : numberKeyOf(tag));
        known = seen.insert(seenKey, rowWithKey(upperKey, tag, text, byTitle));
    }
    return *known;
}

bool TallyTable::isOwnNumberKey(QStringView tag)
{
    for (const QChar c : tag) {
        const char16_t u = c.unicode();
        if (u >= 0x80 || u == u'*' || u == u'(' || (u >= u'a' && u <= u'z'))
            return false;
    }
    return true;
}

int TallyTable::firstRowOf(QHash<QString, int> &firstRow, const QString &key, int row)
{
    // One lookup whether the key is new or not: a new key's slot is made empty, then given the row.
    const qsizetype known = firstRow.size();
    int &first = firstRow[key];
    if (firstRow.size() != known)
        first = row;
    return first;
}

int TallyTable::rowWithKey(const QString &upperKey, const QString &tag, const QString &text, bool byTitle)
{
    // An index takes in the rows added since it was last asked, in order, so it keeps the first row with each
    // key; a file whose lines are all matched by number never builds the title index at all.
    KeyIndex &index = byTitle ? m_byTitle : m_byNumber;
    if (index.firstRow.isEmpty())
        index.firstRow.reserve(qsizetype(m_rows.capacity()));
    for (; index.rowsTaken < static_cast<int>(m_rows.size()); ++index.rowsTaken) {
        const TallyRow &row = m_rows[size_t(index.rowsTaken)];
        firstRowOf(index.firstRow, PlainText::upper(byTitle ? row.titleKey : row.numberKey), index.rowsTaken);
    }
    const int newRow = static_cast<int>(m_rows.size());
    const int row = firstRowOf(index.firstRow, upperKey, newRow);
    if (row != newRow)
        return row;

    // The other index learns of the new row when it is next asked.
    m_rows.push_back({numberKeyOf(tag), titleKeyOf(text), 0});
    ++index.rowsTaken;
    return row;
}

} // namespace Tally
