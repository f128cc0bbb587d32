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

} // namespace NameExchange
