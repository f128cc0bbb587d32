// SPDX-License-Identifier: GPL-3.0-or-later
// Counting how often each hymn of the loaded file was used under the criteria boxes, and listing the counts in
// the order chosen in the sort box.
#pragma once

#include "store/entrystore.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace Tally {

// The order of the listed rows, as chosen in the sort box.
enum class TallyOrder {
    Frequency, // "freq": most used first
    Title,     // "title": by title, any case
    Number,    // "hymn #": by hymn number
};

// The order for the sort box's item at comboIndex (0 "freq", 1 "title", 2 "hymn #"); any other index, such as the
// -1 of a box with no item chosen, sorts by count.
TallyOrder tallyOrderAt(int comboIndex);

// The criteria boxes as the user left them when pressing "Tally".
struct TallyCriteria {
    // Initialised so that criteria can be written with designated initializers naming only the boxes in use.
    QString excludT{}, excludH{}, hymnmbr{}, hymname{}, Filter{}; // the boxes as typed
    bool fullNumberOnly = false;                                  // Check1 " full # only"
    TallyOrder order = TallyOrder::Frequency;
};

// The paired rows for the two output lists and the figures for the count captions.
struct TallyResult {
    QStringList list1; // " 12": the count after one blank
    QStringList list2; // "123 Amazing Grace": number key, blank, title key
    int rows = 0;      // distinct hymns, shown in Tally
    qint64 sum = 0;    // uses counted, shown in TitleCount
};

// Counts every line of the store that passes the criteria and the limit box, one row per distinct hymn in order
// of first use, then sorts the rows. The store is only read.
TallyResult TallyHymns(const EntryStore &store, const TallyCriteria &criteria);

} // namespace Tally
