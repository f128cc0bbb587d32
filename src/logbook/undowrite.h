// SPDX-License-Identifier: GPL-3.0-or-later
// Undoing the program's last write of a log: the log put back as it was before, from that write's backup, only
// while the log is still what the write left and the backup still what it kept.
#pragma once

#include "logbook/writeservice.h"

namespace Logbook {

// Why last cannot be undone now, for the user: last unknown, the log as loaded no longer what it left, or its backup
// no longer what it kept; empty when it can be.
QString undoRefusal(const NativePath &log, const FileFacts &loaded, const LastWrite &last);

// Puts the log back as it was before last, through the one write step (refusing as it refuses), when the log as
// loaded and on disk is still what last left (by size and digest) and last's backup still holds the bytes it was
// written with. The log as it is now goes to a backup of its own, never over the one put back, so that the undo can
// be undone in turn. Refused, with why, when last is unknown or either file is no longer as the program left it.
WrittenService undoLastWrite(const NativePath &log, const FileFacts &loaded, const LastWrite &last);

} // namespace Logbook
