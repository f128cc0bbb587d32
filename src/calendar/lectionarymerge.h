// SPDX-License-Identifier: GPL-3.0-or-later
// New lines for Lectionary.txt put into the file's bytes: a line for a day and year the file has already takes the
// place of the file's line, the others go at its end, and everything else (comments, blank lines, lines for other
// days, lines that cannot be read) stays byte for byte, in the file's own encoding and line ends.
#pragma once

#include "calendar/churchcalendar.h"

#include <QByteArray>
#include <QChar>
#include <QString>

#include <vector>

namespace Calendar {

// One line of the file: "Advent 3 B: Isaiah 61:1-4, 8-11; Psalm 126", for the day and year it is read as.
struct LectionaryLine {
    DayId day;
    QChar year; // null for every year
    QString text;
};

// A line of the file that the merge replaces, or removes as a second line for the same day and year.
struct ReplacedLine {
    int line = 0; // counted from 1, as LectionaryFile numbers its lines
    QString was;
    QString now; // empty for a line removed
};

class LectionaryMerge {
public:
    // The lines put into existing, the bytes of a Lectionary.txt read, or into a new file (UTF-8, LF line ends)
    // when there is none. A line the file holds already as it is changes nothing.
    static LectionaryMerge merge(const QByteArray &existing, bool exists, const std::vector<LectionaryLine> &lines);

    // Empty when the lines cannot be written into the file (error() says why).
    const QByteArray &bytes() const { return m_bytes; }
    // The file's lines replaced or removed, in the file's order: what to ask about before writing.
    const std::vector<ReplacedLine> &replaced() const { return m_replaced; }
    int added() const { return m_added; }
    // The bytes are those read: every line is in the file already.
    bool isUnchanged() const { return m_unchanged; }
    QString error() const { return m_error; }

private:
    QByteArray m_bytes;
    std::vector<ReplacedLine> m_replaced;
    int m_added = 0;
    bool m_unchanged = false;
    QString m_error;
};

} // namespace Calendar
