// SPDX-License-Identifier: GPL-3.0-or-later
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
    const int count = store.entryCount();
    FUZZ_CHECK(count >= 0 && count <= EntryStore::MaxEntries);
    FUZZ_CHECK(store.overflowCount() >= 0 && store.overflowCount() <= count);
    FUZZ_CHECK(outcome.opened);
    FUZZ_CHECK(!outcome.limitReached || count == EntryStore::MaxEntries);
    FUZZ_CHECK(count > 0 || outcome.failed());

    int fullBeforeCopy = 0;
    int continuations = 0;
    int previousUsed = 0;
    for (int e = 0; e <= EntryStore::MaxEntries; ++e) {
        const bool inUse = e >= 1 && e <= count;
        const QString &head = store.head(e);
        if (inUse) {
            FUZZ_CHECK(!head.isEmpty() && !head.endsWith(u' ') && !holdsLineEnd(head));
        } else {
            FUZZ_CHECK(head.isEmpty());
        }
        FUZZ_CHECK(store.tag(e, 0).isEmpty() && store.text(e, 0).isEmpty());

        int used = 0;
        bool gap = false;
        for (int s = 1; s <= EntryStore::MaxSlots; ++s) {
            const QString &tag = store.tag(e, s);
            const QString &text = store.text(e, s);
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
        FUZZ_CHECK(store.lineCount(e) == used);
        if (inUse && e >= 2 && head == store.head(e - 1) && previousUsed == EntryStore::MaxSlots)
            ++fullBeforeCopy;
        if (store.isContinuation(e)) {
            FUZZ_CHECK(inUse && e >= 2 && head == store.head(e - 1) && previousUsed == EntryStore::MaxSlots);
            ++continuations;
        }
        previousUsed = used;
    }
    FUZZ_CHECK(store.overflowCount() <= fullBeforeCopy);
    FUZZ_CHECK(continuations == store.overflowCount());
}

int reachableLines(const EntryStore &store)
{
    int lines = 0;
    for (int e = 1; e <= store.entryCount(); ++e) {
        for (int s = 1; s <= store.lineCount(e); ++s) {
            if (store.tag(e, s).isEmpty() && store.isVerseFile())
                break;
            lines += store.tag(e, s).isEmpty() ? 0 : 1;
        }
    }
    return lines;
}
