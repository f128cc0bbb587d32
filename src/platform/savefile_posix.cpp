// SPDX-License-Identifier: GPL-3.0-or-later
// POSIX: the new file takes the old one's owner and group through its descriptor, before anything is written, and
// is synced before it is renamed, so that a failure to store it is known while the old file is still in place.
#include "platform/savefile.h"

#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace SaveFile {

void keepOwnerAndGroup(const QString &existingPath, QFileDevice &replacement)
{
    struct stat old {};
    // The name is followed through links, as the writer replaces the file a link points at.
    if (::stat(QFile::encodeName(existingPath).constData(), &old) != 0 || !S_ISREG(old.st_mode))
        return;
    const int fd = replacement.handle();
    if (fd < 0)
        return;
    if (::fchown(fd, old.st_uid, old.st_gid) == 0)
        return;
    // Only root may give a file away; anyone may give it a group they belong to. Where even that is refused, the
    // new file stays the writer's.
    if (::fchown(fd, uid_t(-1), old.st_gid) != 0)
        return;
}

int syncToDisk(QFileDevice &file)
{
    const int fd = file.handle();
    if (fd < 0)
        return EBADF;
    int result = 0;
    do {
        result = ::fsync(fd);
    } while (result != 0 && errno == EINTR);
    // A file system that cannot sync has nothing waiting to be stored.
    return result == 0 || errno == EINVAL || errno == EROFS ? 0 : errno;
}

} // namespace SaveFile
