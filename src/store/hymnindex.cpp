// SPDX-License-Identifier: GPL-3.0-or-later
// Most lines of a log begin with a bare number, which is its own key: those are looked up by the line's own word,
// without the copy and the count of references a key would cost on every line.
#include "store/hymnindex.h"

namespace {

// One look-up whether the hymn is new or not: a new key's slot is made, then given the next number.
template <typename Key> int numberIn(QHash<Key, int> &hymns, const Key &key, int next)
{
    const qsizetype known = hymns.size();
    int &number = hymns[key];
    if (hymns.size() != known)
        number = next;
    return number;
}

} // namespace

HymnIndex::HymnIndex(qsizetype hymns)
{
    m_bare.reserve(hymns);
}

int HymnIndex::add(const QString &tag, const QString &text)
{
    if (HymnKey::isBareNumber(tag))
        return numberIn(m_bare, tag, count());
    return add(HymnKey::ofLine(tag, text));
}

int HymnIndex::add(const HymnKey &key)
{
    if (key.isEmpty())
        return -1;
    if (key.isNumber() && HymnKey::isBareNumber(key.text()))
        return numberIn(m_bare, key.text(), count());
    return numberIn(m_others, key, count());
}

int HymnIndex::find(const QString &tag, const QString &text) const
{
    if (HymnKey::isBareNumber(tag))
        return m_bare.value(tag, -1);
    return find(HymnKey::ofLine(tag, text));
}

int HymnIndex::find(const HymnKey &key) const
{
    if (key.isEmpty())
        return -1;
    if (key.isNumber() && HymnKey::isBareNumber(key.text()))
        return m_bare.value(key.text(), -1);
    return m_others.value(key, -1);
}
