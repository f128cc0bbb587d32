// SPDX-License-Identifier: GPL-3.0-or-later
// Storage, clearing and the loader's writes of the entry store.
#include "store/entrystore.h"

#include <algorithm>
#include <utility>

EntryStore::EntryStore()
    : EntryHead(MaxEntries + 1), LineTag(MaxEntries + 1), LineText(MaxEntries + 1), m_continuation(MaxEntries + 1),
      m_lineCount(MaxEntries + 1)
{}

void EntryStore::clear()
{
    for (int e = 0; e <= MaxEntries; ++e) {
        EntryHead[e].clear();
        for (int s = 0; s <= MaxSlots; ++s) {
            LineTag[e][s].clear();
            LineText[e][s].clear();
        }
    }
    m_continuation.assign(m_continuation.size(), false);
    m_lineCount.assign(m_lineCount.size(), 0);
    EntryCount = 0;
    OverflowCount = 0;
    VerseFile = false;
}

void EntryStore::addEntry(const QString &head)
{
    if (EntryCount >= MaxEntries)
        return;
    ++EntryCount;
    EntryHead[EntryCount] = head;
}

void EntryStore::addContinuation()
{
    if (EntryCount < 1 || EntryCount >= MaxEntries)
        return;
    ++OverflowCount;
    ++EntryCount;
    EntryHead[EntryCount] = EntryHead[EntryCount - 1];
    m_continuation[EntryCount] = true;
}

void EntryStore::setLine(int entry, int slot, QString tag, QString text)
{
    if (!isAdded(entry, slot))
        return;
    LineTag[entry][slot] = std::move(tag);
    LineText[entry][slot] = std::move(text);
    m_lineCount[entry] = std::max(m_lineCount[entry], qint8(slot));
}

void EntryStore::setHead(int entry, QString head)
{
    if (isAdded(entry, 1))
        EntryHead[entry] = std::move(head);
}
