// SPDX-License-Identifier: GPL-3.0-or-later
// POSIX: O_CREAT | O_EXCL, which NFS (v3 on) and SMB carry out on the server in one step; a leading dot hides the
// name. A process runs while signal 0 can be sent to it (or it belongs to another user).
#include "platform/lockfiles.h"

#include "platform/folderaccess.h"

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace LockFiles {

Made create(const NativePath &path, const QByteArray &content, QString *reason)
{
    int fd = -1;
    do {
        fd = ::open(path.units().constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW, 0644);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        if (errno == EEXIST)
            return Made::Taken;
        if (reason)
            *reason = FolderAccess::reason(errno);
        return Made::Failed;
    }
    for (qsizetype done = 0; done < content.size();) {
        const ssize_t written = ::write(fd, content.constData() + done, size_t(content.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            break; // a lock that holds less than its content still excludes; it is judged by its age alone
        done += written;
    }
    ::close(fd);
    return Made::Made;
}

std::optional<qint64> ageSeconds(const NativePath &path, const NativePath &probe)
{
    struct stat lock {};
    if (::lstat(path.units().constData(), &lock) != 0)
        return std::nullopt;
    const int fd = ::open(probe.units().constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        // A folder that takes no probe: this machine's clock is the best there is.
        return qint64(::time(nullptr)) - qint64(lock.st_mtime);
    }
    struct stat now {};
    const bool known = ::fstat(fd, &now) == 0;
    ::close(fd);
    ::unlink(probe.units().constData());
    if (!known)
        return std::nullopt;
    return qint64(now.st_mtime) - qint64(lock.st_mtime);
}

qint64 currentProcess()
{
    return qint64(::getpid());
}

bool isRunning(qint64 process)
{
    if (process <= 0)
        return false;
    return ::kill(pid_t(process), 0) == 0 || errno == EPERM;
}

QString systemKind()
{
    return QStringLiteral("posix");
}

void pause(int ms)
{
    struct timespec wait {
        ms / 1000, long(ms % 1000) * 1000000L
    };
    while (::nanosleep(&wait, &wait) != 0 && errno == EINTR) {
    }
}

} // namespace LockFiles
