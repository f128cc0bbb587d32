// SPDX-License-Identifier: GPL-3.0-or-later
// Swapping the files two names lead to in one step, where the system can: the writer's check after the fact.
#pragma once

#include <QByteArray>

namespace NameExchange {

// Swaps what the names a and b lead to; 0, or the system's error code (EINVAL or ENOSYS where the file system or
// the kernel cannot swap names: NFS, CIFS, older kernels).
int exchange(const QByteArray &a, const QByteArray &b);

// Whether an error from exchange means only that the system cannot swap names here.
bool isUnsupported(int error);

// Whether a process still holds the file at path open for writing, waited for up to waitMs: a program that opened
// the log for appending just before the names were swapped writes into the file swapped out.
enum class Writers {
    None,      // none does: nothing more can be written into it (no name leads to it but the writer's own)
    StillOpen, // one still did when the wait ended
    Unknown,   // the system cannot tell (a file of another owner, a file system without leases)
};
Writers waitForWriters(const QByteArray &path, int waitMs);

} // namespace NameExchange
