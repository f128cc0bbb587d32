// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a whole file the user asked for in one step: the bytes go to a new file in the same folder, which takes
// the old one's place only once it is complete, so a failure leaves the old file as it was, byte for byte.
#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

namespace SaveFile {

struct Result {
    bool ok = false;
    QString reason; // the system's words for what stopped the write; empty when ok
};

// Writes bytes to path atomically, keeping an existing file's permissions and, where the process may, its owner
// and group.
Result write(const QString &path, const QByteArray &bytes);

// Tests: every write from now on fails with error (an errno value, such as ENOSPC) once its new file is made and
// half written, as a full disk would make it fail; 0 writes for real again.
void failWritesWith(int error);

// The system's halves of write, one for each system in the platform layer.
// Gives replacement, the new file about to take existingPath's place, the owner and group of the file there now
// (nothing when there is none, or where the process may not).
void keepOwnerAndGroup(const QString &existingPath, QFileDevice &replacement);
// Waits until what was written to file is on the disk; 0, or the system's error code that stopped it (a disk or
// a quota that fills only then).
int syncToDisk(QFileDevice &file);

} // namespace SaveFile
