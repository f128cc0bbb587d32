// SPDX-License-Identifier: GPL-3.0-or-later
// The congregation's own lectionary, Lectionary.txt in the hymnal's folder (the program ships none): one day a
// line, "Advent 3 B: Isaiah 61:1-4, 8-11; Psalm 126", and the readings it gives a date.
#pragma once

#include "calendar/churchcalendar.h"
#include "platform/nativepath.h"

#include <QByteArray>
#include <QChar>
#include <QDate>
#include <QString>

#include <optional>
#include <vector>

class QIODevice;

namespace Calendar {

struct LectionaryEntry {
    DayId day;        // as written: a Pentecost count stays one, as its Sunday differs from year to year
    QChar year;       // 'A', 'B' or 'C'; null for a line that serves every year
    QString readings; // what follows the colon, trimmed
    int line = 0;     // counted from 1
};

// A line that could not be read, or where reading stopped.
struct LectionaryProblem {
    int line = 0;
    QString text;   // the line as the file has it; empty where reading stopped
    QString reason; // "no colon after the day's name"

    // "line 12: no colon after the day's name"
    QString message() const;
};

class Lectionary {
public:
    // The file looked for in the hymnal's folder.
    static QString fileName();

    // Lines of the form "<day's name>[ <A|B|C>]: <readings>", the name in any style parseDayName() reads. A '#'
    // begins a comment, on a line of its own or after the readings; blank lines are passed over. A line that
    // cannot be read is kept as a problem and the rest are used. Reading stops after MaxBytes or MaxLines, which
    // is kept as a problem too.
    static Lectionary read(const QByteArray &bytes);
    static Lectionary read(QIODevice &device);

    // The file at path, never waiting on a pipe or device. A missing file is an empty lectionary; one that is
    // there but cannot be read gives failure().
    static Lectionary readFile(const NativePath &path);

    // A lectionary is a few hundred lines: anything past these is not one.
    static constexpr qint64 MaxBytes = 1024 * 1024;
    static constexpr int MaxLines = 10000;

    const std::vector<LectionaryEntry> &entries() const { return m_entries; }
    const std::vector<LectionaryProblem> &problems() const { return m_problems; }
    bool isTruncated() const { return m_truncated; }
    // Why the file could not be read at all; empty when it was read or is not there.
    QString failure() const { return m_failure; }

    // The entry for date: of the lines whose name falls on it, one naming the day itself comes before one naming
    // the Sunday a feast displaced (Advent 4 on a Sunday Christmas Eve), and both in the naming's calendar before
    // the same in the other (see fit()); then one with the date's year letter before one for every year; then one
    // written in the naming's style; then the first in the file. Null when none.
    const LectionaryEntry *entryFor(QDate date, const Naming &naming) const;
    std::optional<QString> readingsFor(QDate date, const Naming &naming) const;

    // For the window's status: "Lectionary.txt line 4 not read: no colon after the day's name (and 2 more lines)";
    // empty when every line was read.
    QString statusText() const;

private:
    void readLine(QStringView line, int number);

    std::vector<LectionaryEntry> m_entries;
    std::vector<LectionaryProblem> m_problems;
    bool m_truncated = false;
    QString m_failure;
};

} // namespace Calendar
