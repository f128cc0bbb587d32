// Storage and clearing of the entry store.
#include "store/entrystore.h"

EntryStore::EntryStore() : EntryHead(MaxEntries + 1), LineTag(MaxEntries + 1), LineText(MaxEntries + 1) {}

void EntryStore::clearArrays()
{
    for (int e = 0; e <= MaxEntries; ++e) {
        EntryHead[e].clear();
        for (int s = 0; s <= MaxSlots; ++s) {
            LineTag[e][s].clear();
            LineText[e][s].clear();
        }
    }
}
