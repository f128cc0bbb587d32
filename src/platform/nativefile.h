// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a file for reading by the bytes of its name, refusing anything that is not a regular file, without
// ever waiting on a pipe or a device.
#pragma once

#include "platform/nativepath.h"

#include <QFile>
#include <QString>
#include <QtGlobal>

namespace NativeFile {

enum class Refusal {
    None,       // opened: the file is open for reading and size is set
    NotFound,   // nothing by that name (a dangling link included)
    Folder,     // a folder
    NotRegular, // a pipe, socket or device
    CannotOpen, // present but not openable; systemText says why
};

struct Opened {
    qint64 size = 0;
    qint64 modifiedMs = 0; // the opened file's modification time, in ms since the epoch
    Refusal refusal = Refusal::NotFound;
    QString systemText; // the system's own words for a CannotOpen refusal

    bool ok() const { return refusal == Refusal::None; }
};

// Opens path for reading without ever waiting: a pipe without a writer or a device is refused at once,
// and what is judged is the file that was opened, not whatever the name points to a moment later. On success file
// reads from the opened descriptor (in blocking mode) and closes it when it is closed or destroyed.
Opened openRegular(const NativePath &path, QFile &file);

// What openRegular would make of path, judged by the name alone without opening it, so that nothing waits:
// None for a regular file (a link is followed), CannotOpen when the name cannot be looked at (systemText says why).
Opened inspect(const NativePath &path);

// The longest path the system takes, in bytes of its units; a longer one names no file.
qsizetype maxPathBytes();

} // namespace NativeFile
