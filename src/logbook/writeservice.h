// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a new service into the log on disk: only into the file as it was loaded, with the old bytes kept beside
// it in a backup that never takes the place of a file the program did not write, and never leaving the log half
// written.
#pragma once

#include "logbook/addservice.h"
#include "platform/nativepath.h"
#include "store/hymnfileloader.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace Logbook {

// What identifies the program's last backup of a log, kept between runs: a backup is replaced only while it is
// still the file the program wrote there.
struct BackupRecord {
    NativePath path;
    qint64 size = -1;
    QByteArray digest; // SHA-256 of its bytes

    bool isKnown() const { return !path.isEmpty() && size >= 0 && !digest.isEmpty(); }
    friend bool operator==(const BackupRecord &, const BackupRecord &) = default;
};

struct WrittenService {
    enum class Outcome {
        Written, // the log holds the service; the old bytes are in the backup
        Changed, // the file is no longer the one loaded; nothing was written
        Refused, // the service cannot be written into this file (the core's reason); nothing was written
        Failed,  // the file could not be read or written; the log is as it was
    };
    Outcome outcome = Outcome::Failed;
    QString message;     // why nothing was written, for the user
    QString status;      // what was added and where the old log is kept, once written
    BackupRecord backup; // once written: the backup just made, to be passed to the next write
    // Once written: what the write did ("Service of Dec 14, 2026 added: 5 hymns"), and the log's size and digest
    // after it, by which the write is known for the program's own while it is undone.
    QString change = {};
    qint64 writtenSize = -1;
    QByteArray writtenDigest = {};
};

// What the program last wrote into a log, kept between runs beside its backup, so that the write can be undone while
// the log is still what it wrote.
struct LastWrite {
    BackupRecord backup; // the log as it was before the write
    qint64 size = -1;    // the log as the write left it: its size and SHA-256
    QByteArray digest;
    QString change; // what the write did, as its status said: "Service of Dec 14, 2026 added: 5 hymns"

    bool isKnown() const { return backup.isKnown() && size >= 0 && !digest.isEmpty(); }
};
// What written leaves to remember: its backup, and, once written, the write itself.
LastWrite lastWriteOf(const WrittenService &written);

// The names the backup of log may take, in the order they are tried: "ServiceLog.txt.bak" for 0, then
// "ServiceLog.txt.1.bak", "ServiceLog.txt.2.bak" …
NativePath backupName(const NativePath &log, int generation);
// How many of those names are tried before the backup is refused.
constexpr int kBackupNames = 1000;

struct BackupPlace {
    NativePath path;      // empty when every name is taken
    bool replace = false; // path is the program's own last backup, still as it was written
};
// Where the backup of log goes: to last when it is one of log's backup names and still the regular file the
// program wrote (same size and digest, read without following a link), else to the first of log's backup names
// that nothing has, a link or a folder included.
BackupPlace backupPlace(const NativePath &log, const BackupRecord &last);

// Adds service to the log at path, as one step for every copy of the program: under the log's write lock (see
// WriteLock), waited for a moment, every refusal is decided before anything is written: the file is read again
// whole and must hold the bytes loaded (by size and digest; its time does not count), its last write must not have
// been cut short, it must not be marked read-only, its name must leave room for a backup's, the service must be one
// the program will read back, and a name must be free for the backup. Then the old bytes go to the backup (see
// backupPlace) with the log's permissions, and the new bytes to the log: in place of the old file, which must still
// be the file read with the bytes read (so that nothing another program saved is undone), or, for a file with more
// than one name (hard links) or one a rename would give away (see SaveFile::methodFor), over it in place under an
// unfinished-write mark, so that every name and its owner see them, after the backup is on the disk.
WrittenService writeService(const NativePath &path, const FileFacts &loaded, const NewService &service,
                            LineEnd fallback, const BackupRecord &lastBackup = {});

// Replaces the log's bytes with those compose makes of them, in the one write step writeService takes (compose's
// error refuses; its status is the status once written). With mending, a log whose last write was cut short is
// written too, and its mark removed once written. The refusals say that the service was not added, or, for any
// other change, that nothing was written.
struct Composed {
    QByteArray bytes;
    QString error;
    QString status;
};
enum class Wording { ServiceAdded, AnyChange };
WrittenService replaceLog(const NativePath &path, const FileFacts &loaded, const BackupRecord &lastBackup,
                          const std::function<Composed(const QByteArray &)> &compose, bool mending = false,
                          Wording wording = Wording::ServiceAdded);

} // namespace Logbook
