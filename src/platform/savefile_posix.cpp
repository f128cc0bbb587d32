// SPDX-License-Identifier: GPL-3.0-or-later
// POSIX: a new file beside the old one, made with O_EXCL under a name of its own, takes the old one's mode, owner
// and group through its descriptor before anything is written; it is written to the end (a short write is retried,
// so the system's reason is known), synced, and only then renamed over the old name. Everything goes by the native
// bytes of the name, so a folder whose name is not UTF-8 is written like any other.
#include "platform/savefile.h"

#include "platform/folderaccess.h"

#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SaveFile {

namespace {

Result failure(int error)
{
    return {false, FolderAccess::reason(error)};
}

// The file a link names, so that the link itself stays a link; the path itself for anything else.
QByteArray followed(const QByteArray &path)
{
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char *resolved = ::realpath(path.constData(), nullptr);
    if (resolved == nullptr)
        return path;
    QByteArray target(resolved);
    std::free(resolved);
    return target;
}

int writeAll(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += written;
    }
    return 0;
}

int syncToDisk(int fd)
{
    int result = 0;
    do {
        result = ::fsync(fd);
    } while (result != 0 && errno == EINTR);
    // A file system that cannot sync has nothing waiting to be stored.
    return result == 0 || errno == EINVAL || errno == EROFS ? 0 : errno;
}

// Opens a new file beside target under a name nobody else is using, readable as a new file there would be.
int createBeside(const QByteArray &target, QByteArray &made)
{
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = target.left(slash + 1);
    const QByteArray name = target.mid(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        made = folder + '.' + name + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".new";
        const int fd = ::open(made.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

Result write(const NativePath &path, const QByteArray &bytes)
{
    const QByteArray target = followed(path.units());
    struct stat old {};
    const bool existed = ::stat(target.constData(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode))
        return failure(S_ISDIR(old.st_mode) ? EISDIR : EINVAL);

    QByteArray made;
    const int fd = createBeside(target, made);
    if (fd < 0)
        return failure(errno);
    const auto abandon = [&](int error) {
        ::close(fd);
        ::unlink(made.constData());
        return failure(error);
    };
    if (existed) {
        // Only root may give a file away; anyone may give it a group they belong to.
        if (::fchown(fd, old.st_uid, old.st_gid) != 0)
            (void)::fchown(fd, uid_t(-1), old.st_gid);
        if (::fchmod(fd, old.st_mode & 07777) != 0)
            return abandon(errno);
    }
    if (const int simulated = simulatedFailure()) {
        (void)writeAll(fd, bytes.first(bytes.size() / 2));
        return abandon(simulated);
    }
    if (const int error = writeAll(fd, bytes))
        return abandon(error);
    if (const int error = syncToDisk(fd))
        return abandon(error);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(made.constData());
        return failure(error);
    }
    if (::rename(made.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(made.constData());
        return failure(error);
    }
    return {true, QString()};
}

} // namespace SaveFile
