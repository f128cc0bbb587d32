// SPDX-License-Identifier: GPL-3.0-or-later
// POSIX: the name is opened without blocking and the opened descriptor, not the name, is checked, so no file can
// be swapped in between the check and the read.
#include "platform/nativefile.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace NativeFile {

namespace {

Refusal refusalForKind(mode_t mode)
{
    return S_ISDIR(mode) ? Refusal::Folder : Refusal::NotRegular;
}

// After a failed open the name is looked at only to word the refusal; nothing is read through it.
Opened refusalAfterFailedOpen(const NativePath &path, int openError)
{
    Opened result;
    if (openError == ENOENT || openError == ENOTDIR) {
        result.refusal = Refusal::NotFound;
        return result;
    }
    struct stat info {};
    if (::stat(path.units().constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        result.refusal = refusalForKind(info.st_mode);
        return result;
    }
    result.refusal = Refusal::CannotOpen;
    result.systemText = qt_error_string(openError);
    return result;
}

} // namespace

Opened openRegular(const NativePath &path, QFile &file)
{
    // O_NONBLOCK keeps a pipe without a writer (or a device that waits for a carrier) from holding up the open;
    // O_NOCTTY keeps a terminal from becoming ours.
    int fd = -1;
    do {
        fd = ::open(path.units().constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return refusalAfterFailedOpen(path, errno);

    Opened result;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        result.refusal = Refusal::CannotOpen;
        result.systemText = qt_error_string(errno);
    } else if (!S_ISREG(info.st_mode)) {
        result.refusal = refusalForKind(info.st_mode);
    } else {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) < 0) {
            result.refusal = Refusal::CannotOpen;
            result.systemText = qt_error_string(errno);
        } else if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            result.refusal = Refusal::CannotOpen;
            result.systemText = file.errorString();
        } else {
            result.refusal = Refusal::None;
            result.size = static_cast<qint64>(info.st_size);
            result.modifiedMs = qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1000000;
            result.identity = {quint64(info.st_dev), quint64(info.st_ino)};
            return result;
        }
    }
    ::close(fd);
    return result;
}

Opened inspect(const NativePath &path)
{
    const QByteArray &nativePath = path.units();
    Opened result;
    struct stat info {};
    // A name with a NUL in it would be looked up cut short, as another name.
    if (nativePath.contains('\0') || ::stat(nativePath.constData(), &info) != 0) {
        const int error = nativePath.contains('\0') ? ENOENT : errno;
        result.refusal = error == ENOENT || error == ENOTDIR ? Refusal::NotFound : Refusal::CannotOpen;
        if (result.refusal == Refusal::CannotOpen)
            result.systemText = qt_error_string(error);
    } else if (S_ISREG(info.st_mode)) {
        result.refusal = Refusal::None;
        result.size = static_cast<qint64>(info.st_size);
    } else {
        result.refusal = refusalForKind(info.st_mode);
    }
    return result;
}

namespace {

Entry entryOf(const struct stat &info)
{
    Entry entry;
    if (S_ISLNK(info.st_mode))
        entry.kind = Entry::Kind::Link;
    else if (S_ISDIR(info.st_mode))
        entry.kind = Entry::Kind::Folder;
    else if (S_ISREG(info.st_mode))
        entry.kind = Entry::Kind::Regular;
    else
        entry.kind = Entry::Kind::Other;
    entry.size = static_cast<qint64>(info.st_size);
    entry.links = static_cast<int>(qMin<nlink_t>(info.st_nlink, INT_MAX));
    return entry;
}

Entry failedLook(int error)
{
    Entry entry;
    entry.kind = error == ENOENT || error == ENOTDIR ? Entry::Kind::Missing : Entry::Kind::Unreadable;
    if (entry.kind == Entry::Kind::Unreadable)
        entry.systemText = qt_error_string(error);
    return entry;
}

} // namespace

Entry entryAt(const NativePath &path)
{
    const QByteArray &name = path.units();
    struct stat info {};
    if (name.isEmpty() || name.contains('\0'))
        return failedLook(ENOENT);
    if (::lstat(name.constData(), &info) != 0)
        return failedLook(errno);
    return entryOf(info);
}

Entry entryThrough(const NativePath &path)
{
    const QByteArray &name = path.units();
    struct stat info {};
    if (name.isEmpty() || name.contains('\0'))
        return failedLook(ENOENT);
    if (::stat(name.constData(), &info) != 0)
        return failedLook(errno);
    Entry entry = entryOf(info);
    if (entry.kind == Entry::Kind::Regular) {
        // Root passes every permission test, so for root only a file with no write bit at all counts as marked
        // read-only. Otherwise the system judges, as it would the write: a read-only file system counts too.
        if (::geteuid() == 0)
            entry.readOnly = (info.st_mode & 0222) == 0;
        else
            entry.readOnly = ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0 &&
                             (errno == EACCES || errno == EROFS || errno == EPERM);
    }
    return entry;
}

std::optional<QByteArray> readUnfollowed(const NativePath &path, qint64 maxBytes)
{
    const QByteArray &name = path.units();
    if (name.isEmpty() || name.contains('\0'))
        return std::nullopt;
    int fd = -1;
    do {
        fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return std::nullopt;
    QFile file;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > maxBytes ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return std::nullopt;
    }
    QByteArray bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > maxBytes)
        return std::nullopt;
    return bytes;
}

qsizetype maxPathBytes()
{
    // PATH_MAX counts the closing NUL.
    return PATH_MAX - 1;
}

qsizetype maxNameBytes(const NativePath &folder)
{
    const long limit = ::pathconf(folder.isEmpty() ? "." : folder.units().constData(), _PC_NAME_MAX);
    return limit > 0 ? qsizetype(limit) : NAME_MAX;
}

} // namespace NativeFile
