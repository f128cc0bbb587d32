// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a file for reading by the bytes of its name, refusing anything that is not a regular file, without
// ever waiting on a pipe or a device.
#pragma once

#include "platform/nativepath.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace NativeFile {

enum class Refusal {
    None,       // opened: the file is open for reading and size is set
    NotFound,   // nothing by that name (a dangling link included)
    Folder,     // a folder
    NotRegular, // a pipe, socket or device
    CannotOpen, // present but not openable; systemText says why
};

// Which file a name led to, as its file system tells files apart (device and inode; on Windows the volume's serial
// number and the file's index): a file saved over by rename is another file, though its bytes may be the same.
struct Identity {
    quint64 device = 0;
    quint64 file = 0;

    bool isKnown() const { return device != 0 || file != 0; }
    friend bool operator==(const Identity &, const Identity &) = default;
};

struct Opened {
    qint64 size = 0;
    qint64 modifiedMs = 0; // the opened file's modification time, in ms since the epoch
    Identity identity;     // the opened file's, once opened
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

// What a name stands for on disk, judged without opening it.
struct Entry {
    enum class Kind {
        Missing,    // nothing by that name
        Regular,    // a file
        Link,       // a symbolic link (or, on Windows, any reparse point), when links are not followed
        Folder,     // a folder
        Other,      // a pipe, socket or device
        Unreadable, // the name cannot be looked at; systemText says why
    };
    Kind kind = Kind::Missing;
    qint64 size = 0;
    int links = 0;         // the names a regular file has in its file system (hard links); 0 when unknown
    bool readOnly = false; // its owner marked it read-only, or this user may not write it
    QString systemText;
};

// The name itself: a symbolic link is reported as one, never followed.
Entry entryAt(const NativePath &path);
// The file a write through the name reaches: a symbolic link is followed. readOnly is set as the user meets it: no
// write permission (or, for root, who may write anything, no write bit at all); the read-only attribute on Windows.
Entry entryThrough(const NativePath &path);

// The bytes of the regular file at path, never read through a link (on POSIX O_NOFOLLOW, on Windows a reparse point
// is refused): nothing for a link, a folder, a pipe or device, a file larger than maxBytes, or a failed read.
std::optional<QByteArray> readUnfollowed(const NativePath &path, qint64 maxBytes);

// The longest path the system takes, in bytes of its units; a longer one names no file.
qsizetype maxPathBytes();
// The longest name one entry of folder may have, in bytes of its units.
qsizetype maxNameBytes(const NativePath &folder);

} // namespace NativeFile
