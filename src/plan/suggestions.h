// SPDX-License-Identifier: GPL-3.0-or-later
// Hymn suggestions: the hymns of a hymnal that fit the day's readings, a phrase and a meter, with how often and
// how lately the service log used each, in the order that spares the favourites.
#pragma once

#include "plan/booktable.h"
#include "store/entrystore.h"

#include <QDate>
#include <QString>

#include <vector>

namespace Plan {

// The boxes of the suggestion window, as typed. A blank box sets no criterion. Initialised so that criteria can
// be written naming only the boxes in use.
struct SuggestCriteria {
    QString readings{};    // references separated by ";", as Plan::parseReadings reads them
    QString phrase{};      // words separated by blanks, each of which must occur in the hymn
    QString meter{};       // a meter, as Plan::meterPattern reads it
    QDate referenceDate{}; // what "last 12 months" and "days since" count to; null: the log's latest service
};

struct Suggestion {
    QString number; // the head line's first word, as the hymnal writes it
    QString title;
    QString reason; // why it matched: "Luke 2:8-14", "verse 2: …comfort ye…", "title", "refrain: …", joined by "; "
    QString meter;       // as the hymnal writes it ("C.M."); empty when it gives none
    int usesLast12 = -1; // services in the twelve months to the reference date; -1 without a log
    int usesEver = -1;   // services up to the reference date, undated ones included; -1 without a log
    QDate lastSung;      // null when never sung on a dated service, or without a log
    int daysSince = -1;  // from lastSung to the reference date; -1 when lastSung is null

    // Never sung in the log given: listed as "new".
    bool isNew() const { return usesEver == 0; }
};

struct SuggestResult {
    std::vector<Suggestion> rows; // in the default order (Plan::compareDefault)
    // For the status line: why nothing is listed, or what could not be read; empty when there is nothing to say.
    QString message;
    QDate referenceDate; // the date counted to; null without a log, or with a log without dated services
};

// The hymns that meet every criterion given: a reading overlaps one of the hymn's "^" references (same book,
// a verse in common), every word of the phrase occurs in its title, verses or refrains (case-blind, as "Find"
// compares), and its meter has the same pattern. A hymn that runs on into continuation entries is one row. With
// no criterion at all, or no hymnal, nothing is listed and the message says why; unreadable readings are named in
// the message while the readable ones are still used. log may be null, empty or a hymnal (then it is not counted):
// the use columns stay unknown and the rows go by number. Hymnal and log are joined by HymnKey.
SuggestResult suggest(const EntryStore &hymnal, const EntryStore *log, const SuggestCriteria &criteria,
                      const BookTable &books);

} // namespace Plan
