// SPDX-License-Identifier: GPL-3.0-or-later
// Scripture references as planners type them and hymnals list them ("Isaiah 40:1-11; Mark 1:1-8",
// "^Luke 2:8-14, 20"), read into spans of verses that can be tested for overlap.
#pragma once

#include "plan/booktable.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace Plan {

// A place in a book is chapter * ChapterSpan + verse. Verse 0 stands before a chapter's first verse and MaxVerse
// after its last, so that a whole chapter, a whole book and a run across chapters are spans like any other.
constexpr int ChapterSpan = 1000;
constexpr int MaxChapter = 999;
constexpr int MaxVerse = 999;

struct VerseSpan {
    int first = 0, last = 0; // both ends inclusive, first <= last
    friend bool operator==(const VerseSpan &, const VerseSpan &) = default;
};

struct Reference {
    int book = 0;                 // as BookTable::bookOf numbers it, never 0
    std::vector<VerseSpan> spans; // never empty
    QString text;                 // as written, always naming its book: "Luke 2:8-14, 20"
};

struct Readings {
    std::vector<Reference> references;
    QStringList unreadable; // each run of parts that is no reference, trimmed, in the order written
};

// Reads references separated by ";". Each is a book name with optional chapters and verses: "Luke" (the whole
// book), "Luke 2" (a chapter), "Luke 2-3", "Luke 2:8", "Luke 2:8-14", "Luke 2:40-3:6", and lists of these after
// commas, blanks or brackets ("Luke 2:8-14, 20", "Psalm 23, 24", "Luke 2:1-14 (15-20)", "John 1:(1-9) 10-18"); a
// comma may also start a new book ("Psalm 23, John 10:11-18"), and so may a joining word ("Baruch 5:1-9 or
// Malachi 3:1-4", "Psalms 42 and 43"; "oder", "o", "ou", "und", "y", "et" …), each alternative a reference of its
// own. A reference may be written the continent's way, a comma between chapter and verse and a full stop between
// verse groups ("Jes 61,1-2a.10-11", "Jes 61,10-62,3"; "Lc 1, 26-38" with a blank before a range or group). A
// bare number after a verse is another verse of that chapter, otherwise a chapter; in a book of one chapter
// ("Jude 24-25") it is a verse. Up to three letters a-e after a verse ("8b", "2ac") are ignored, and en or em
// dashes work as hyphens. A psalm's number in the other numbering, in brackets after it ("Ps 23 (22)"), gives the
// higher of the two, the Hebrew numbering hymnals use; a bracket that begins with a word other than a book's name
// is a note, such as the psalm's antiphon ("[R. 3]"), and is passed over. A piece without a book name continues the
// book of the piece before it ("John 3:16; 4:1"). Every part between commas that reads is used: a part with
// anything else in it, an unknown book, a chapter or verse of 0 or over 999, or a span that runs backwards is
// unreadable, and so are the parts of numbers after one that named a book ("Hez 3, 4"). A reference's text leaves
// its unreadable parts out ("Luke 2:8-14, 20-, 25" is "Luke 2:8-14, 25" and "20-"). A piece without any reference
// is unreadable as a whole; blank pieces are passed over.
Readings parseReadings(QStringView text, const BookTable &books);

// Same book, and at least one span of each sharing a verse; a reading that touches a hymn's span only at its
// last verse overlaps it.
bool overlaps(const Reference &a, const Reference &b);

// The status-line message naming the unreadable pieces; empty when there are none.
QString unreadableMessage(const QStringList &unreadable);

} // namespace Plan
