// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a whole file the user asked for in one step: the bytes go to a new file in the same folder, which takes
// the old one's place only once all of it is on the disk, so a failure leaves the old file as it was, byte for byte.
// The new file keeps the old one's permissions and, where the process may, its owner and group. A file that must
// still be the one read is checked last before it is replaced and, where the system can swap two names in one step,
// once more after. Files of the writer's own that a write killed half-way left behind beside the file it writes are
// cleared by the next write of that file; nothing else is ever removed.
#pragma once

#include "platform/nativefile.h"
#include "platform/nativepath.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace SaveFile {

// What stopped a write, so that the message can say what the user can do about it.
enum class Problem {
    None,
    DiskFull,     // no room on the disk, or the user's quota is used up
    Denied,       // the user may not write there
    ReadOnlyDisk, // the disk or share is mounted read-only
    Other,
};

struct Result {
    bool ok = false;
    QString reason;         // the system's words for what stopped the write; empty when ok
    bool nameTaken = false; // a write that was to make a new file found the name taken meanwhile
    bool changed = false;   // the file was no longer the one expected: nothing of it was replaced or written
    Problem problem = Problem::None;
};

// What a file must still be when it is replaced: the file that was read (the same file, not one saved over it by
// rename) holding the bytes that were read.
struct Expected {
    NativeFile::Identity identity;
    QByteArray bytes;
};

// Writes bytes to path atomically. A link is followed: the file it names is the one replaced.
Result write(const NativePath &path, const QByteArray &bytes);

// As write, for a file another program may be changing: the name must still lead to the expected file, with the
// expected bytes, immediately before it is replaced. Where the system swaps two names in one step (Linux on ext4,
// tmpfs and most local file systems) the new file is swapped in and the file that comes out is checked again; one
// that is not the expected file is swapped back. Elsewhere (NFS, SMB, Windows) what remains is the moment between
// the last check and the rename. A file found changed is left as it is (changed).
Result replace(const NativePath &path, const QByteArray &bytes, const Expected &expected);

// Whether replace can swap two names in one step in folder (a pair of files of the writer's own is tried there).
bool canSwapNames(const NativePath &folder);

// Writes a copy of a file's bytes to path atomically, with the permissions (mode, owner and group; on Windows the
// access control list) of the file `like`. A link at path is never followed. With replace, whatever has the name
// now is replaced (a link itself, never the file it names); without, the name must be free and stays the other's
// if something took it meanwhile (nameTaken).
Result writeCopy(const NativePath &path, const QByteArray &bytes, const NativePath &like, bool replace);

// Writes bytes to path as a new file with the folder's own permissions for new files: the name must be free, and
// stays the other's if something took it meanwhile (nameTaken); nothing that has the name is ever replaced.
Result writeNew(const NativePath &path, const QByteArray &bytes);

// Removes the file at path (never a folder; a link itself, not what it names): for the program's own files.
Result remove(const NativePath &path);

// Makes the folder path (the folder it is in must be there); ok also when a folder has the name already.
Result makeFolder(const NativePath &path);
// Whether a new file can be made in folder now, as this user: on Windows only making one tells (its access control
// list, a read-only medium), so a file is made there and is gone again at once.
bool canWriteIn(const NativePath &folder);

// Writes bytes over the file at path in place, so that every name the file has (its hard links) and its owner see
// them. The file opened must be the expected one with the expected bytes (else changed, nothing written); only the
// bytes after what both share are written. The file is grown to its new size before anything is written, so a full
// disk fails with the file as it was; a write that fails after that puts the old bytes back as far as it can, so
// only call it with a copy of the old bytes already safe on the disk.
Result writeInPlace(const NativePath &path, const QByteArray &bytes, const Expected &expected);

// How a file this user may write is to be replaced.
enum class Method {
    Rename,  // a new file takes its name
    InPlace, // written over in place: a rename would be refused (a folder this user may not write; a sticky folder
             // and a file of another user) or would give the file another owner or group
};
Method methodFor(const NativePath &path);

// A name beside fileName (a base name) for a file of the program's own: ".ServiceLog.txt.cantorix-<part>", or,
// where that would pass maxNameBytes (in the bytes of the name's units), ".cantorix-<hash of the name>-<part>". No
// person writes such a name, and each names the file it belongs to.
NativePath companionName(const NativePath &fileName, const QString &part, qsizetype maxNameBytes);
// The name of the new file a write of fileName makes before it takes fileName's place: the companion
// "<8 hex digits of random>.tmp".
NativePath temporaryName(const NativePath &fileName, quint32 random, qsizetype maxNameBytes);
// True for a name temporaryName makes for fileName, in either form, whatever its random part.
bool isTemporaryNameOf(const NativePath &candidate, const NativePath &fileName);
// How old a file of the writer's own must be before a later write takes it for a leftover: older than any write
// still in progress can be.
constexpr qint64 kLeftoverAgeSeconds = 3600;

// Whether a write makes the names it places lasting by syncing their folder (POSIX); Windows makes a move lasting
// with the move itself.
bool syncsFolders();

// Tests: every write from now on, after the first passFirst, fails with error (the system's error code, such as
// ENOSPC) once its new file is made and half written, as a full disk would make it fail; count writes only, or all
// when negative; 0 writes for real again.
void failWritesWith(int error, int passFirst = 0, int count = -1);
// For the system's half of each write, once per write: the error it is to fail with, or 0.
int simulatedFailure();

// Tests: moments in a replacement at which a test may act as another program would, or hold the write to widen the
// moment between the last check and the replacement.
enum class Stage {
    BeforeFinalCheck, // the new file is on the disk; the old one is about to be checked a last time
    BeforeReplace,    // checked; the new file is about to take its place
    Grown,            // in place: the file is grown to its new size, its new bytes not yet written
};
void onStage(Stage stage, std::function<void()> action); // an empty action clears it
void reachStage(Stage stage);
// Tests: false makes replace act as on a system that cannot swap two names in one step.
void allowExchange(bool allow);
bool exchangeAllowed();
// Tests: from now on every file synced, name placed and folder synced is noted ("synced NAME", "placed NAME",
// "synced folder FOLDER", base names of files, whole folders), until recording is turned off, which clears them.
void recordSyncs(bool record);
QStringList recordedSyncs();
void noteSync(const QString &event);

} // namespace SaveFile
