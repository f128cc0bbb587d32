// SPDX-License-Identifier: GPL-3.0-or-later
// The system's folders on Linux and other POSIX systems: raw readdir with the entry types it reports (a
// stat only for links and file systems that leave the type unknown) and realpath on the native bytes.
#include "platform/folderaccess.h"

#include <QByteArray>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

FolderAccess::Kind kindOfMode(mode_t mode)
{
    if (S_ISDIR(mode))
        return FolderAccess::Kind::Folder;
    return S_ISREG(mode) ? FolderAccess::Kind::File : FolderAccess::Kind::Other;
}

class PosixFolderAccess : public FolderAccess {
public:
    int list(const NativePath &folder, std::vector<Entry> &entries) override
    {
        entries.clear();
        DIR *dir = ::opendir(folder.units().constData());
        if (dir == nullptr)
            return errno;
        const std::unique_ptr<DIR, int (*)(DIR *)> closer(dir, ::closedir);
        const int fd = ::dirfd(dir);
        for (;;) {
            errno = 0;
            const dirent *entry = ::readdir(dir);
            if (entry == nullptr)
                return errno;
            const char *name = entry->d_name;
            if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
                continue;
            Kind kind = Kind::Other;
            switch (entry->d_type) {
            case DT_DIR:
                kind = Kind::Folder;
                break;
            case DT_REG:
                kind = Kind::File;
                break;
            case DT_LNK:
            case DT_UNKNOWN: {
                // A link is offered as what it points at; a dangling one is offered as nothing.
                struct stat info {};
                if (::fstatat(fd, name, &info, 0) == 0)
                    kind = kindOfMode(info.st_mode);
                break;
            }
            default:
                break;
            }
            entries.push_back({NativePath::fromUnits(QByteArray(name)), kind, name[0] == '.'});
        }
    }

    int resolve(const NativePath &path, NativePath &clean) override
    {
        char *resolved = ::realpath(path.units().constData(), nullptr);
        if (resolved == nullptr)
            return errno;
        clean = NativePath::fromUnits(QByteArray(resolved));
        std::free(resolved);
        struct stat info {};
        if (::stat(clean.units().constData(), &info) != 0)
            return errno;
        return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
    }

    NativePath startFolder() override
    {
        QByteArray buffer(PATH_MAX, '\0');
        if (::getcwd(buffer.data(), size_t(buffer.size())) != nullptr)
            return NativePath::fromUnits(QByteArray(buffer.constData()));
        // getcwd refuses a folder that was deleted under the process; the kernel still knows where it was.
        const ssize_t length = ::readlink("/proc/self/cwd", buffer.data(), size_t(buffer.size()));
        if (length <= 0)
            return NativePath::fromUnits(QByteArrayLiteral("/"));
        QByteArray where(buffer.constData(), length);
        if (where.endsWith(" (deleted)"))
            where.chop(int(std::strlen(" (deleted)")));
        return NativePath::fromUnits(where.startsWith('/') ? where : QByteArrayLiteral("/"));
    }

    bool modified(const NativePath &path, qint64 &seconds) override
    {
        struct stat info {};
        if (::stat(path.units().constData(), &info) != 0)
            return false;
        seconds = qint64(info.st_mtime);
        return true;
    }
};

} // namespace

FolderAccess &FolderAccess::system()
{
    static PosixFolderAccess access;
    return access;
}

QString FolderAccess::reason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
