// SPDX-License-Identifier: GPL-3.0-or-later
// The in-memory copy of the one hymn file that is loaded: head lines, tags and texts by entry and line slot,
// and the counters and flag that the loader, search, tally and panes share.
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

// Every caller reads through the accessors; the loader writes through the few calls below them, each of which
// keeps the counters within the arrays and the continuation count within the entry count.
class EntryStore {
public:
    static constexpr int MaxEntries = 1800;
    static constexpr int MaxSlots = 10;

    EntryStore();

    // Entries are numbered 1..entryCount() and slots 1..MaxSlots; entry 0 and slot 0 stay empty, as do the entries
    // past the count. Any entry 0..MaxEntries and slot 0..MaxSlots may be read.
    const QString &head(int entry) const { return EntryHead[index(entry)]; }
    const QString &tag(int entry, int slot) const { return LineTag[index(entry)][slotIndex(slot)]; }
    const QString &text(int entry, int slot) const { return LineText[index(entry)][slotIndex(slot)]; }
    // The slots an entry fills, 1..lineCount(entry): a line whose tag or text is empty still counts, so a reader
    // knows the end of an entry without reading it off an empty tag.
    int lineCount(int entry) const { return m_lineCount[index(entry)]; }
    qint16 entryCount() const { return EntryCount; }
    // Continuation entries: those that carry on a hymn (or service) past MaxSlots lines under the same head line.
    qint16 overflowCount() const { return OverflowCount; }
    // True for an entry added by addContinuation(): it belongs to the service or hymn of the entry before it.
    bool isContinuation(int entry) const { return m_continuation[index(entry)]; }
    bool isVerseFile() const { return VerseFile; }
    // Hymns (or services) as the user counts them: continuation entries are not separate ones.
    int hymnCount() const { return EntryCount - OverflowCount; }

    // Empties every head line, tag and text and sets the counters to none, a usage file.
    void clear();
    // A new entry after the last one; a full store takes no more (the loader stops reading before that).
    void addEntry(const QString &head);
    // A continuation entry: a new entry with the last one's head line, counted as a continuation.
    void addContinuation();
    // The line in `slot` of an entry already added; the entry's line count reaches slot.
    void setLine(int entry, int slot, QString tag, QString text);
    // The head line of an entry already added.
    void setHead(int entry, QString head);
    void setVerseFile(bool verse) { VerseFile = verse; }

    friend bool operator==(const EntryStore &, const EntryStore &) = default;

private:
    using Slots = std::array<QString, MaxSlots + 1>;

    static int index(int entry)
    {
        Q_ASSERT(entry >= 0 && entry <= MaxEntries);
        return entry;
    }
    static int slotIndex(int slot)
    {
        Q_ASSERT(slot >= 0 && slot <= MaxSlots);
        return slot;
    }
    bool isAdded(int entry, int slot) const
    {
        return entry >= 1 && entry <= EntryCount && slot >= 1 && slot <= MaxSlots;
    }

    std::vector<QString> EntryHead;
    std::vector<Slots> LineTag;
    std::vector<Slots> LineText;
    // Two services may share a head line, so which entries carry on the one before is kept, not inferred.
    std::vector<bool> m_continuation;
    std::vector<qint8> m_lineCount;

    qint16 EntryCount = 0;
    qint16 OverflowCount = 0;
    bool VerseFile = false; // a hymnal text with verses, rather than a service log
};
