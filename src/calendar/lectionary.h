// SPDX-License-Identifier: GPL-3.0-or-later
// A lectionary as a table: each day of the church year (and year letter) with its readings, and the readings it
// gives a date. Its readers fill it: LectionaryFile from the congregation's Lectionary.txt.
#pragma once

#include "calendar/churchcalendar.h"

#include <QChar>
#include <QDate>
#include <QString>

#include <optional>
#include <vector>

namespace Calendar {

struct LectionaryEntry {
    DayId day;        // as written: a Pentecost count stays one, as its Sunday differs from year to year
    QChar year;       // 'A', 'B' or 'C'; null for a line that serves every year
    QString readings; // what follows the colon, trimmed
    int line = 0;     // where its reader found it, counted from 1
};

class Lectionary {
public:
    // One more day's readings, after those added before.
    void add(LectionaryEntry entry);

    const std::vector<LectionaryEntry> &entries() const { return m_entries; }
    bool isEmpty() const { return m_entries.empty(); }

    // The entry for date: of the lines whose name falls on it, one naming the day itself comes before one naming
    // the Sunday a feast displaced (Advent 4 on a Sunday Christmas Eve), and both in the naming's calendar before
    // the same in the other (see fit()); then one with the date's year letter before one for every year; then one
    // written in the naming's style; then the first in the file. Null when none.
    const LectionaryEntry *entryFor(QDate date, const Naming &naming) const;
    std::optional<QString> readingsFor(QDate date, const Naming &naming) const;

private:
    std::vector<LectionaryEntry> m_entries;
};

} // namespace Calendar
