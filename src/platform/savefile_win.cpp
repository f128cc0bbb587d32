// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: not written yet. A new file is owned by the user who writes it and inherits the folder's access
// control list; carrying the old file's owner and list over (GetSecurityInfo, SetSecurityInfo) belongs here, and
// FlushFileBuffers in syncToDisk.
#include "platform/savefile.h"

namespace SaveFile {

void keepOwnerAndGroup(const QString &, QFileDevice &) {}

int syncToDisk(QFileDevice &)
{
    return 0;
}

} // namespace SaveFile
