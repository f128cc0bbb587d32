// SPDX-License-Identifier: GPL-3.0-or-later
// Linux: renameat2 with RENAME_EXCHANGE (ext4, XFS, Btrfs, tmpfs and most local file systems since Linux 3.15).
#include "platform/nameexchange.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>

namespace NameExchange {

int exchange(const QByteArray &a, const QByteArray &b)
{
    int result = 0;
    do {
        result = ::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_EXCHANGE);
    } while (result != 0 && errno == EINTR);
    return result == 0 ? 0 : errno;
}

bool isUnsupported(int error)
{
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP || error == ENOTSUP;
}

} // namespace NameExchange
