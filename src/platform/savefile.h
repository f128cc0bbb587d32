// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a whole file the user asked for in one step: the bytes go to a new file in the same folder, which takes
// the old one's place only once all of it is on the disk, so a failure leaves the old file as it was, byte for byte.
// The new file keeps the old one's permissions and, where the process may, its owner and group.
#pragma once

#include "platform/nativepath.h"

#include <QByteArray>
#include <QString>

namespace SaveFile {

struct Result {
    bool ok = false;
    QString reason; // the system's words for what stopped the write; empty when ok
};

// Writes bytes to path atomically. A link is followed: the file it names is the one replaced.
Result write(const NativePath &path, const QByteArray &bytes);

// Tests: every write from now on fails with error (the system's error code, such as ENOSPC) once its new file is
// made and half written, as a full disk would make it fail; 0 writes for real again.
void failWritesWith(int error);
// The error failWritesWith set, for the system's half of write.
int simulatedFailure();

} // namespace SaveFile
