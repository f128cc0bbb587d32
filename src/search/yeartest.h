// SPDX-License-Identifier: GPL-3.0-or-later
// The year test of a verse-file search: the year or century read from a hymn's credits line, held against the
// year box ("1906", ">1900", "<1800").
#pragma once

#include <QStringView>

namespace Search {

struct YearTestResult {
    int century = 0; // "19th cent." gives 1850; 0 without the mark, and below 1 when no number stands before it
    int year = 0;    // the year read from the line; 0 when the line is too short to hold one
    bool passed = false;

    bool hasCentury() const { return century >= 1; }
};

// credits is the first stored line of the hymn; with ofMusic the year is looked for after "usic:" (the music
// credit) or, failing that, only in the last four characters.
YearTestResult TestYear(QStringView credits, QStringView limitYr, bool ofMusic);

} // namespace Search
