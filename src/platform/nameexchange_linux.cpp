// SPDX-License-Identifier: GPL-3.0-or-later
// Linux: renameat2 with RENAME_EXCHANGE (ext4, XFS, Btrfs, tmpfs and most local file systems since Linux 3.15);
// whether another process writes a file is told by a read lease, which is refused while one holds it open for
// writing.
#include "platform/nameexchange.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

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

Writers waitForWriters(const QByteArray &path, int waitMs)
{
    int fd = -1;
    do {
        fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return Writers::Unknown;
    // Were a lease broken while held, its signal is one ignored unless asked for, never SIGIO's end of the process.
    ::fcntl(fd, F_SETSIG, SIGURG);
    Writers writers = Writers::StillOpen;
    for (int waited = 0;; ++waited) {
        if (::fcntl(fd, F_SETLEASE, F_RDLCK) == 0) {
            ::fcntl(fd, F_SETLEASE, F_UNLCK);
            writers = Writers::None;
            break;
        }
        if (errno != EAGAIN && errno != EINTR) {
            writers = Writers::Unknown;
            break;
        }
        if (waited >= waitMs)
            break;
        const timespec millisecond{0, 1000000};
        ::nanosleep(&millisecond, nullptr);
    }
    ::close(fd);
    return writers;
}

} // namespace NameExchange
