// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a new service into the log on disk: only into the file as it was loaded, with the old bytes kept beside
// it, and never leaving the log half written.
#pragma once

#include "logbook/addservice.h"
#include "platform/nativepath.h"
#include "store/hymnfileloader.h"

#include <QString>

namespace Logbook {

struct WrittenService {
    enum class Outcome {
        Written, // the log holds the service; the old bytes are in the backup
        Changed, // the file is no longer the one loaded; nothing was written
        Refused, // the service cannot be written into this file (the core's reason); nothing was written
        Failed,  // the file could not be read or written; the log is as it was
    };
    Outcome outcome = Outcome::Failed;
    QString message; // why nothing was written, for the user
    QString status;  // what was added, once written ("Service of Dec 14, 2026 added: 5 hymns")
};

// "ServiceLog.txt.bak" beside "ServiceLog.txt": the one backup generation.
NativePath backupPath(const NativePath &log);

// Adds service to the log at path. The file is read again whole and must be byte for byte, and by size and
// modification time, the file loaded as loaded; then its bytes go to backupPath(path) and the new bytes to path,
// each written atomically. When writing the log fails after the backup was written, the backup holds the bytes
// the log still holds.
WrittenService writeService(const NativePath &path, const FileFacts &loaded, const NewService &service,
                            LineEnd fallback);

} // namespace Logbook
