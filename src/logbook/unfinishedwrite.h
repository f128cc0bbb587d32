// SPDX-License-Identifier: GPL-3.0-or-later
// The mark a write in place leaves beside the log while it runs (".ServiceLog.txt.cantorix-unfinished", naming the
// backup that holds the log as it was): a mark still there when no copy of the program is writing means the write
// was cut short, and the log may hold part of the new bytes, or zeros where they were to go.
#pragma once

#include "logbook/writeservice.h"
#include "platform/nativepath.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace Logbook {

struct UnfinishedWrite {
    BackupRecord backup; // the log as it was before the write
};

// The mark's name beside log.
NativePath unfinishedMarkPath(const NativePath &log);

// What the mark beside log says, when there is one; a mark that cannot be read still marks the write (its backup
// then unknown).
std::optional<UnfinishedWrite> unfinishedWriteOf(const NativePath &log);

// Leaves the mark naming backup; false when it cannot be made, reason then says why.
bool markUnfinished(const NativePath &log, const BackupRecord &backup, QString *reason);
void clearUnfinished(const NativePath &log);

// What putting the backup back would change, for the question the user is asked first: how much of the log is as
// in the backup, and what follows.
QString comparedWithBackup(const QByteArray &log, const QByteArray &backup, const QString &logName,
                           const QString &backupName);

// Puts the backup the mark names back in place of the log, which must still hold the bytes loaded, and removes the
// mark: through the same lock and checks as a service written, in place where the log is written in place.
WrittenService putBackBackup(const NativePath &log, const FileFacts &loaded, const UnfinishedWrite &mark);

// Keeps the log as it is: only the mark goes.
void keepLogAsItIs(const NativePath &log);

} // namespace Logbook
