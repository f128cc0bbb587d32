// The in-memory copy of the one hymn file that is loaded: head lines, tags and texts by entry and line slot,
// and the window-wide counters and flags that the loader, search, tally and panes share.
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

class EntryStore {
public:
    static constexpr int MaxEntries = 1800;
    static constexpr int MaxSlots = 10;
    using Slots = std::array<QString, MaxSlots + 1>;

    EntryStore();

    // Empties every head line, tag and text (entries 0..MaxEntries, slots 0..MaxSlots); counters are kept.
    void clearArrays();

    // Entries are numbered 1..EntryCount and slots 1..MaxSlots; index 0 of both stays empty.
    std::vector<QString> EntryHead;
    std::vector<Slots> LineTag;
    std::vector<Slots> LineText;

    qint16 EntryCount = 0;
    qint16 OverflowCount = 0;
    bool VerseFile = false; // a hymnal text with verses, rather than a service log

    // Hymns (or services) as the user counts them: continuation entries are not separate ones.
    int hymnCount() const { return EntryCount - OverflowCount; }
};
