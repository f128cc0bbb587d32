// SPDX-License-Identifier: GPL-3.0-or-later
// POSIX: stat(). The change time moves with every write, touch or change of mode and cannot be set back, and the
// device and inode tell a file saved over the name by rename from the one that was there.
#include "platform/filestamp.h"

#include <cerrno>
#include <sys/stat.h>

FileStamp FileStamp::of(const NativePath &path)
{
    FileStamp stamp;
    struct stat info {};
    if (path.isEmpty() || ::stat(path.units().constData(), &info) != 0) {
        stamp.kind = path.isEmpty() || errno == ENOENT || errno == ENOTDIR ? Kind::Missing : Kind::Other;
        return stamp;
    }
    stamp.kind = S_ISREG(info.st_mode) ? Kind::File : Kind::Other;
    stamp.size = info.st_size;
    const qint64 fields[] = {qint64(info.st_dev),          qint64(info.st_ino),         qint64(info.st_mtim.tv_sec),
                             qint64(info.st_mtim.tv_nsec), qint64(info.st_ctim.tv_sec), qint64(info.st_ctim.tv_nsec)};
    stamp.written = QByteArray(reinterpret_cast<const char *>(fields), sizeof fields);
    return stamp;
}
