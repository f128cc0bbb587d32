// SPDX-License-Identifier: GPL-3.0-or-later
// The system's half of the write lock: a small file made only where nothing has its name, its age by the clock of
// the disk it is on, and whether a process of this machine still runs.
#pragma once

#include "platform/nativepath.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace LockFiles {

enum class Made {
    Made,   // the file is new and holds content
    Taken,  // something has the name
    Failed, // the folder takes no new file; reason says why
};

// Makes path, hidden where the system marks files hidden, holding content; never replaces anything by that name.
Made create(const NativePath &path, const QByteArray &content, QString *reason);

// How long ago path was last written, by the clock of the disk holding it (probe, a free name beside it, is made and
// removed to read that clock); nothing when path is gone or either time cannot be read.
std::optional<qint64> ageSeconds(const NativePath &path, const NativePath &probe);

// This process, and whether the process of this machine with that number still runs.
qint64 currentProcess();
bool isRunning(qint64 process);

// "posix" or "windows": process numbers are only compared between copies of one kind on one machine (a copy under
// Wine numbers its processes otherwise).
QString systemKind();

// Holds the calling thread for ms milliseconds.
void pause(int ms);

} // namespace LockFiles
