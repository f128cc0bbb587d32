// SPDX-License-Identifier: GPL-3.0-or-later
// What must hold of the entry store after any load, whatever the file held.
#pragma once

#include "store/entrystore.h"
#include "store/hymnfileloader.h"

// Aborts when the store or the outcome breaks a rule of the store: counters in range, entry 0 and slot 0 empty,
// each entry's slots used from 1 without gaps and counted by its line count, nothing stored beyond the last entry, no
// line end inside a text, texts trimmed and tags free of inner spaces, and no more continuation entries than full
// entries before a copy of their head line.
void checkStore(const EntryStore &store, const LoadOutcome &outcome);

// The lines a search or a tally can reach in entries 1..entryCount(): every line with a tag in a service log, and
// in a hymnal each entry's lines up to its first empty tag.
int reachableLines(const EntryStore &store);
