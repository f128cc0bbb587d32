// SPDX-License-Identifier: GPL-3.0-or-later
// Matching each counted line to its tally row.
#include "tally/tallytable.h"

#include "store/plaintext.h"

#include <QStringView>

namespace Tallies {

namespace {

QString numberKeyOf(const QString &tag)
{
    // A number may carry a mark such as "123*" or "123(2)"; when both marks are present the later one cuts.
    const qsizetype star = tag.indexOf(u'*');
    const qsizetype paren = tag.indexOf(u'(');
    const qsizetype mark = paren > star ? paren : star;
    return mark < 0 ? tag : tag.first(mark);
}

QString titleKeyOf(const QString &text)
{
    const qsizetype open = text.indexOf(u'(');
    if (open < 0 && !text.endsWith(u' '))
        return text;
    return PlainText::trimRight(open < 0 ? QStringView(text) : QStringView(text).first(open));
}

} // namespace

TallyTable::TallyTable(qsizetype uses)
{
    m_rows.reserve(size_t(uses));
    for (QHash<QString, int> *index : {&m_rowByTitle, &m_rowByNumber, &m_rowByTag, &m_rowByText})
        index->reserve(uses);
}

int TallyTable::addUse(const QString &tag, const QString &text)
{
    const int row = rowOf(tag, text);
    ++m_rows[size_t(row)].count;
    return row;
}

int TallyTable::rowOf(const QString &tag, const QString &text)
{
    // Numbers of fewer than three characters, or without a digit 1-9 third, say too little to identify a hymn by
    // (a line that began with a blank has none at all), so such lines are matched by their title instead.
    const bool shortNumber = tag.size() < 3 || tag[2] < u'1' || tag[2] > u'9';
    const bool byTitle = tag.startsWith(u' ') || shortNumber;

    QHash<QString, int> &seen = byTitle ? m_rowByText : m_rowByTag;
    const QString &seenKey = byTitle ? text : tag;
    auto known = seen.constFind(seenKey);
    if (known == seen.constEnd())
        known = seen.insert(seenKey, findOrAddRow(tag, text, byTitle));
    return *known;
}

int TallyTable::findOrAddRow(const QString &tag, const QString &text, bool byTitle)
{
    QString numberKey = numberKeyOf(tag);
    QString titleKey = titleKeyOf(text);
    const QString upperNumber = numberKey.toUpper();
    const QString upperTitle = titleKey.toUpper();

    QHash<QString, int> &index = byTitle ? m_rowByTitle : m_rowByNumber;
    const auto found = index.constFind(byTitle ? upperTitle : upperNumber);
    if (found != index.constEnd())
        return *found;

    // A new row is findable by both keys, whichever way this line was matched; the index just searched is known
    // not to hold its key, and an earlier row keeps a key it already has in the other.
    const int row = static_cast<int>(m_rows.size());
    index.insert(byTitle ? upperTitle : upperNumber, row);
    QHash<QString, int> &other = byTitle ? m_rowByNumber : m_rowByTitle;
    const QString &otherKey = byTitle ? upperNumber : upperTitle;
    if (!other.contains(otherKey))
        other.insert(otherKey, row);
    m_rows.push_back({std::move(numberKey), std::move(titleKey), upperTitle, 0});
    return row;
}

} // namespace Tallies
