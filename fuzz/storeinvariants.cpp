// The store checks walk the whole of the arrays, not only the entries in use, so that a harness reusing one store
// for every input also catches a load that leaves something of the previous file behind.
#include "storeinvariants.h"

#include "fuzzcheck.h"

using namespace Qt::StringLiterals;

namespace {

bool holdsLineEnd(const QString &text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}

bool isTrimmed(const QString &text)
{
    return !text.startsWith(u' ') && !text.endsWith(u' ');
}

} // namespace

void checkStore(const EntryStore &store, const LoadOutcome &outcome)
{
    constexpr int arrays = EntryStore::MaxEntries + 1;
    FUZZ_CHECK(store.EntryHead.size() == arrays && store.LineTag.size() == arrays && store.LineText.size() == arrays);
    const int count = store.EntryCount;
    FUZZ_CHECK(count >= 0 && count <= EntryStore::MaxEntries);
    FUZZ_CHECK(store.OverflowCount >= 0 && store.OverflowCount <= count);
    FUZZ_CHECK(outcome.opened);
    FUZZ_CHECK(!outcome.limitReached || count == EntryStore::MaxEntries);
    FUZZ_CHECK(count > 0 || outcome.failed());

    int fullBeforeCopy = 0;
    int previousUsed = 0;
    for (int e = 0; e < arrays; ++e) {
        const bool inUse = e >= 1 && e <= count;
        const QString &head = store.EntryHead[e];
        if (inUse) {
            FUZZ_CHECK(!head.isEmpty() && !head.endsWith(u' ') && !holdsLineEnd(head));
        } else {
            FUZZ_CHECK(head.isEmpty());
        }
        FUZZ_CHECK(store.LineTag[e][0].isEmpty() && store.LineText[e][0].isEmpty());

        int used = 0;
        bool gap = false;
        for (int s = 1; s <= EntryStore::MaxSlots; ++s) {
            const QString &tag = store.LineTag[e][s];
            const QString &text = store.LineText[e][s];
            if (tag.isEmpty() && text.isEmpty()) {
                gap = true;
                continue;
            }
            FUZZ_CHECK(inUse && !gap);
            FUZZ_CHECK(!holdsLineEnd(tag) && !holdsLineEnd(text));
            FUZZ_CHECK(tag == u" "_s || !tag.contains(u' '));
            FUZZ_CHECK(isTrimmed(text));
            ++used;
        }
        if (inUse && e >= 2 && head == store.EntryHead[e - 1] && previousUsed == EntryStore::MaxSlots)
            ++fullBeforeCopy;
        previousUsed = used;
    }
    FUZZ_CHECK(store.OverflowCount <= fullBeforeCopy);
}

int reachableLines(const EntryStore &store)
{
    int lines = 0;
    for (int e = 1; e <= store.EntryCount; ++e) {
        for (int s = 1; s <= EntryStore::MaxSlots && !store.LineTag[e][s].isEmpty(); ++s)
            ++lines;
    }
    return lines;
}

bool sameStore(const EntryStore &a, const EntryStore &b)
{
    return a.EntryCount == b.EntryCount && a.OverflowCount == b.OverflowCount && a.VerseFile == b.VerseFile &&
           a.EntryHead == b.EntryHead && a.LineTag == b.LineTag && a.LineText == b.LineText;
}
