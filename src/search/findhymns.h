// SPDX-License-Identifier: GPL-3.0-or-later
// The search behind "Find": every line of the entry store that meets the criteria, listed beside its entry's
// head line, with the counts the window shows.
#pragma once

#include "store/entrystore.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace Search {

// The criteria boxes and check boxes as they stood when "Find" was pressed.
struct SearchCriteria {
    QString hymnmbr, hymname, excludH, excludT, Filter, LimitYr; // the six text boxes, as typed
    bool fullNumberOnly = false;                                 // " full # only"
    bool titleOnly = false;                                      // "title only"
    bool ofMusic = false;                                        // "of music?"
    bool showRefs = false;                                       // "incl. refs"

    // True when the user set nothing: no text in the six boxes and "title only" unchecked (Go_Click then asks first).
    bool asksForEverything() const;
};

struct SearchResult {
    QStringList list1, list2; // paired rows: list1[i] is the head line of the entry list2[i] comes from
    std::vector<int> entries; // in step with them: the entry each row comes from
    int totalRows = 0;        // shown in the count label `Tally`
    int distinctHeads = 0;    // shown in `TitleCount`
};

SearchResult FindHymns(const EntryStore &store, const SearchCriteria &criteria);

} // namespace Search
