// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a whole file the user asked for in one step: the bytes go to a new file in the same folder, which takes
// the old one's place only once all of it is on the disk, so a failure leaves the old file as it was, byte for byte.
// The new file keeps the old one's permissions and, where the process may, its owner and group. Files of the
// writer's own that a write killed half-way left behind are cleared from the folder by the next write into it.
#pragma once

#include "platform/nativepath.h"

#include <QByteArray>
#include <QString>

namespace SaveFile {

struct Result {
    bool ok = false;
    QString reason;         // the system's words for what stopped the write; empty when ok
    bool nameTaken = false; // a write that was to make a new file found the name taken meanwhile
};

// Writes bytes to path atomically. A link is followed: the file it names is the one replaced.
Result write(const NativePath &path, const QByteArray &bytes);

// Writes a copy of a file's bytes to path atomically, with the permissions (mode, owner and group; on Windows the
// access control list) of the file `like`. A link at path is never followed. With replace, whatever has the name
// now is replaced (a link itself, never the file it names); without, the name must be free and stays the other's
// if something took it meanwhile (nameTaken).
Result writeCopy(const NativePath &path, const QByteArray &bytes, const NativePath &like, bool replace);

// Writes bytes to path as a new file with the folder's own permissions for new files: the name must be free, and
// stays the other's if something took it meanwhile (nameTaken); nothing that has the name is ever replaced.
Result writeNew(const NativePath &path, const QByteArray &bytes);

// Makes the folder path (the folder it is in must be there); ok also when a folder has the name already.
Result makeFolder(const NativePath &path);
// Whether a new file can be made in folder now, as this user: on Windows only making one tells (its access control
// list, a read-only medium), so a file is made there and is gone again at once.
bool canWriteIn(const NativePath &folder);

// Writes bytes over the file at path in place, so that every name the file has (its hard links) sees them. old is
// what the file holds now (a file of another size is not written); only the bytes after what both share are
// written. The file is grown to its new size before anything is written, so a full disk fails with the file as it
// was; a write that fails after that puts the old bytes back as far as it can, so only call it with a copy of the
// old bytes already safe on the disk.
Result writeInPlace(const NativePath &path, const QByteArray &bytes, const QByteArray &old);

// Tests: every write from now on, after the first passFirst, fails with error (the system's error code, such as
// ENOSPC) once its new file is made and half written, as a full disk would make it fail; 0 writes for real again.
void failWritesWith(int error, int passFirst = 0);
// For the system's half of each write, once per write: the error it is to fail with, or 0.
int simulatedFailure();

// The name of the file a write makes beside the file named name before it takes its place: ".name.<random>.new",
// random in base 36, or ".cx.<random>.new" where that would be longer than maxNameBytes (in the bytes of the
// name's units).
NativePath temporaryName(const NativePath &name, quint32 random, qsizetype maxNameBytes);
// True for a name temporaryName makes, whatever its file was written for.
bool isTemporaryName(const NativePath &name);
// How old a file of the writer's own must be before a later write takes it for a leftover: older than any write
// still in progress can be.
constexpr qint64 kLeftoverAgeSeconds = 3600;

} // namespace SaveFile
