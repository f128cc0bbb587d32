// SPDX-License-Identifier: GPL-3.0-or-later
// The congregation's own lectionary, Lectionary.txt in the hymnal's folder (the program ships none), read into a
// lectionary table: one day a line, "Advent 3 B: Isaiah 61:1-4, 8-11; Psalm 126".
#pragma once

#include "calendar/lectionary.h"
#include "platform/nativepath.h"
#include "store/hymnfileloader.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <vector>

class QIODevice;

namespace Calendar {

class DayNames;

// A line that could not be read, or where reading stopped.
struct LectionaryProblem {
    int line = 0;
    QString text;   // the line as the file has it; empty where reading stopped
    QString reason; // "no colon after the day's name"

    // "line 12: no colon after the day's name"
    QString message() const;
};

class LectionaryFile {
public:
    // The file looked for in the hymnal's folder.
    static QString fileName();

    // Lines of the form "<day's name>[ <A|B|C>]: <readings>", the name in any style parseDayName() reads. A '#'
    // begins a comment, on a line of its own or after the readings; blank lines are passed over. A line that
    // cannot be read is kept as a problem and the rest are used. Reading stops after MaxBytes or MaxLines, which
    // is kept as a problem too.
    static LectionaryFile read(const QByteArray &bytes);
    static LectionaryFile read(QIODevice &device);

    // The file at path, never waiting on a pipe or device. A missing file is an empty lectionary; one that is
    // there but cannot be read gives failure(). facts, when given, gets the size and digest of the bytes read
    // (unknown when none were), for a watch to tell the next change by.
    static LectionaryFile readFile(const NativePath &path, FileFacts *facts = nullptr);

    // A lectionary is a few hundred lines: anything past these is not one.
    static constexpr qint64 MaxBytes = 1024 * 1024;
    static constexpr int MaxLines = 10000;

    // The days read, as a table.
    const Lectionary &table() const { return m_table; }
    const std::vector<LectionaryProblem> &problems() const { return m_problems; }
    bool isTruncated() const { return m_truncated; }
    // Why the file could not be read at all; empty when it was read or is not there.
    QString failure() const { return m_failure; }

    // For the window's status: "Lectionary.txt line 4 not read: no colon after the day's name (and 2 more lines)";
    // empty when every line was read.
    QString statusText() const;

private:
    struct ProblemWords;
    void readLine(QStringView line, int number, const DayNames &shown, const ProblemWords &said);

    Lectionary m_table;
    std::vector<LectionaryProblem> m_problems;
    bool m_truncated = false;
    QString m_failure;
};

} // namespace Calendar
