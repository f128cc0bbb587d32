// SPDX-License-Identifier: GPL-3.0-or-later
// POSIX: a new file beside the old one, made with O_EXCL under a name of its own, takes the old one's mode, owner
// and group through its descriptor before anything is written; it is written to the end (a short write is retried,
// so the system's reason is known), synced, and only then renamed over the old name (or linked to a name that must
// be free). A file that must still be the one read is read again last, and swapped with the new one in one step
// where the file system can, so that what came out can be checked and swapped back. Everything goes by the native
// bytes of the name, so a folder whose name is not UTF-8 is written like any other.
#include "platform/savefile.h"

#include "platform/folderaccess.h"
#include "platform/nameexchange.h"

#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace SaveFile {

namespace {

Problem problemOf(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return Problem::DiskFull;
    case EACCES:
    case EPERM:
        return Problem::Denied;
    case EROFS:
        return Problem::ReadOnlyDisk;
    default:
        return Problem::Other;
    }
}

Result failure(int error)
{
    Result result;
    result.reason = FolderAccess::reason(error);
    result.problem = problemOf(error);
    return result;
}

Result succeeded()
{
    Result result;
    result.ok = true;
    return result;
}

Result changedMeanwhile()
{
    Result result;
    result.changed = true;
    return result;
}

QString baseNameOf(const QByteArray &path)
{
    return NativePath::fromUnits(path).baseName().display();
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

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

int writeAll(int fd, const char *data, qsizetype size, off_t at)
{
    for (qsizetype done = 0; done < size;) {
        const ssize_t written = ::pwrite(fd, data + done, size_t(size - done), at + off_t(done));
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

// The folder's own entry for the renamed or linked name is made lasting too; a folder that cannot be opened or
// synced (some file systems) keeps it as the system sees fit.
void syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    if (syncToDisk(fd) == 0)
        noteSync(QStringLiteral("synced folder ") + NativePath::fromUnits(folder).display());
    ::close(fd);
}

// Files a write of this file left when it was killed half-way: taken by the names only the writer gives the file's
// new copies, and only regular files of this user that no write still in progress can own.
void removeLeftovers(const QByteArray &folder, const NativePath &fileName)
{
    DIR *dir = ::opendir(folder.constData());
    if (dir == nullptr)
        return;
    const time_t oldest = ::time(nullptr) - kLeftoverAgeSeconds;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!isTemporaryNameOf(NativePath::fromUnits(name), fileName))
            continue;
        struct stat info {};
        if (::fstatat(::dirfd(dir), name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode) &&
            info.st_uid == ::geteuid() && info.st_mtime < oldest)
            (void)::unlinkat(::dirfd(dir), name.constData(), 0);
    }
    ::closedir(dir);
}

// Opens a new file beside target under a name nobody else is using, readable as a new file there would be.
int createBeside(const QByteArray &target, QByteArray &made)
{
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = target.left(slash + 1);
    const NativePath name = NativePath::fromUnits(target.mid(slash + 1));
    const qsizetype maxName = NativeFile::maxNameBytes(NativePath::fromUnits(folderOf(target)));
    removeLeftovers(folderOf(target), name);
    for (int attempt = 0; attempt < 100; ++attempt) {
        made = folder + temporaryName(name, QRandomGenerator::global()->generate(), maxName).units();
        const int fd = ::open(made.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// Makes a new file beside target holding bytes, with the permissions of like (when given), synced and closed; 0,
// or the error that stopped it, with nothing left behind.
int writeBeside(const QByteArray &target, const QByteArray &bytes, const struct stat *like, QByteArray &made)
{
    const int fd = createBeside(target, made);
    if (fd < 0)
        return errno;
    const auto abandon = [&](int error) {
        ::close(fd);
        ::unlink(made.constData());
        return error;
    };
    if (like != nullptr) {
        // Only root may give a file away; anyone may give it a group they belong to.
        if (::fchown(fd, like->st_uid, like->st_gid) != 0)
            (void)::fchown(fd, uid_t(-1), like->st_gid);
        if (::fchmod(fd, like->st_mode & 07777) != 0)
            return abandon(errno);
    }
    if (const int simulated = simulatedFailure()) {
        (void)writeAll(fd, bytes.constData(), bytes.size() / 2, 0);
        return abandon(simulated);
    }
    if (const int error = writeAll(fd, bytes.constData(), bytes.size(), 0))
        return abandon(error);
    if (const int error = syncToDisk(fd))
        return abandon(error);
    noteSync(QStringLiteral("synced ") + baseNameOf(target));
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(made.constData());
        return error;
    }
    return 0;
}

// Puts made in target's place, whatever has that name now.
Result renameOver(const QByteArray &made, const QByteArray &target)
{
    if (::rename(made.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(made.constData());
        return failure(error);
    }
    noteSync(QStringLiteral("placed ") + baseNameOf(target));
    syncFolder(folderOf(target));
    return succeeded();
}

// Reads everything from fd, from its start.
bool readAllAt(int fd, qsizetype size, QByteArray &bytes)
{
    bytes.resize(size);
    for (qsizetype done = 0; done < size;) {
        const ssize_t got = ::pread(fd, bytes.data() + done, size_t(size - done), off_t(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        done += got;
    }
    return true;
}

// Whether the descriptor is the expected file with the expected bytes.
bool holdsExpected(int fd, const Expected &expected)
{
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        NativeFile::Identity{quint64(info.st_dev), quint64(info.st_ino)} != expected.identity ||
        info.st_size != off_t(expected.bytes.size()))
        return false;
    QByteArray bytes;
    return readAllAt(fd, expected.bytes.size(), bytes) && bytes == expected.bytes;
}

// Opens path, never following a link at its end nor waiting on a device or a pipe; -1 when it cannot.
int openUnfollowed(const QByteArray &path, int flags)
{
    int fd = -1;
    do {
        fd = ::open(path.constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// Whether the name (never followed) leads to the expected file with the expected bytes.
bool isExpected(const QByteArray &path, const Expected &expected)
{
    const int fd = openUnfollowed(path, O_RDONLY);
    if (fd < 0)
        return false;
    const bool same = holdsExpected(fd, expected);
    ::close(fd);
    return same;
}

// How long the writer waits for a program still writing into the file swapped out, and the pause taken where
// the system cannot tell whether one does.
constexpr int kWritersWaitMs = 2000;
constexpr long kSettleNs = 20 * 1000 * 1000;

NativeFile::Identity identityOf(const QByteArray &path)
{
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0)
        return {};
    return {quint64(info.st_dev), quint64(info.st_ino)};
}

// Whether from still holds the expected file's bytes, or those bytes with more after them, which are appended to
// target (as the other program appended them, after everything it holds now).
bool carryOverGrowth(const QByteArray &from, const Expected &expected, const QByteArray &target)
{
    const int fd = openUnfollowed(from, O_RDONLY);
    if (fd < 0)
        return false;
    struct stat info {};
    QByteArray bytes;
    const bool read = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
                      NativeFile::Identity{quint64(info.st_dev), quint64(info.st_ino)} == expected.identity &&
                      info.st_size >= off_t(expected.bytes.size()) && readAllAt(fd, qsizetype(info.st_size), bytes);
    ::close(fd);
    if (!read || !bytes.startsWith(expected.bytes))
        return false;
    if (bytes.size() == expected.bytes.size())
        return true;
    const int out = openUnfollowed(target, O_WRONLY | O_APPEND);
    if (out < 0)
        return false;
    const QByteArray rest = bytes.sliced(expected.bytes.size());
    bool written = true;
    for (qsizetype done = 0; done < rest.size();) {
        const ssize_t put = ::write(out, rest.constData() + done, size_t(rest.size() - done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            written = false;
            break;
        }
        done += put;
    }
    written = written && ::fsync(out) == 0;
    ::close(out);
    return written;
}

// Gives made the name target, which must be free: a hard link fails rather than replace anything. Where the file
// system has no hard links the name is looked at first, and the rename follows at once.
Result placeAtFreeName(const QByteArray &made, const QByteArray &target)
{
    if (::link(made.constData(), target.constData()) == 0) {
        ::unlink(made.constData());
        noteSync(QStringLiteral("placed ") + baseNameOf(target));
        syncFolder(folderOf(target));
        return succeeded();
    }
    const int error = errno;
    struct stat info {};
    const bool taken = error == EEXIST || ::lstat(target.constData(), &info) == 0;
    if (taken || (error != EPERM && error != ENOTSUP && error != EOPNOTSUPP && error != ENOSYS && error != EMLINK)) {
        ::unlink(made.constData());
        Result result = failure(taken ? EEXIST : error);
        result.nameTaken = taken;
        return result;
    }
    return renameOver(made, target);
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
    if (const int error = writeBeside(target, bytes, existed ? &old : nullptr, made))
        return failure(error);
    return renameOver(made, target);
}

Result replace(const NativePath &path, const QByteArray &bytes, const Expected &expected)
{
    const QByteArray target = followed(path.units());
    struct stat old {};
    if (::stat(target.constData(), &old) != 0)
        return errno == ENOENT ? changedMeanwhile() : failure(errno);
    if (!S_ISREG(old.st_mode))
        return changedMeanwhile();

    QByteArray made;
    if (const int error = writeBeside(target, bytes, &old, made))
        return failure(error);
    reachStage(Stage::BeforeFinalCheck);
    if (!isExpected(target, expected)) {
        ::unlink(made.constData());
        return changedMeanwhile();
    }
    reachStage(Stage::BeforeReplace);
    if (!exchangeAllowed())
        return renameOver(made, target);
    if (const int error = NameExchange::exchange(made, target)) {
        if (NameExchange::isUnsupported(error))
            return renameOver(made, target);
        ::unlink(made.constData());
        return failure(error);
    }
    // made now names the file that was replaced: it must be the one checked, or another program saved or wrote it
    // in the moment since, and it goes back, with whatever was appended to the new file since the swap carried over
    // to it.
    const auto putBack = [&]() -> Result {
        if (const int error = NameExchange::exchange(made, target))
            return failure(error); // the other program's file stays by the new file's temporary name
        if (NameExchange::waitForWriters(made, kWritersWaitMs) != NameExchange::Writers::None) {
            const timespec settle{0, kSettleNs};
            ::nanosleep(&settle, nullptr);
        }
        Expected ours{identityOf(made), bytes};
        if (!carryOverGrowth(made, ours, target))
            return failure(EBUSY); // both changed at once: the new file stays by its temporary name
        ::unlink(made.constData());
        return changedMeanwhile();
    };
    if (!isExpected(made, expected))
        return putBack();
    // A program that opened the log for appending just before the swap writes into the file swapped out: once
    // no one holds it open for writing, what it wrote there is carried over to the end of the log.
    if (NameExchange::waitForWriters(made, kWritersWaitMs) != NameExchange::Writers::None) {
        const timespec settle{0, kSettleNs};
        ::nanosleep(&settle, nullptr);
    }
    if (!carryOverGrowth(made, expected, target))
        return putBack(); // rewritten, not appended to
    ::unlink(made.constData());
    noteSync(QStringLiteral("placed ") + baseNameOf(target));
    syncFolder(folderOf(target));
    return succeeded();
}

bool canSwapNames(const NativePath &folder)
{
    QByteArray first;
    QByteArray second;
    const QByteArray probe = folder.child(NativePath::fromText(QStringLiteral("swap"))).units();
    if (writeBeside(probe, "1", nullptr, first) != 0)
        return false;
    bool swapped = false;
    if (writeBeside(probe, "2", nullptr, second) == 0) {
        swapped = NameExchange::exchange(first, second) == 0;
        ::unlink(second.constData());
    }
    ::unlink(first.constData());
    return swapped;
}

Result writeCopy(const NativePath &path, const QByteArray &bytes, const NativePath &like, bool replace)
{
    const QByteArray &target = path.units();
    struct stat permissions {};
    if (::stat(like.units().constData(), &permissions) != 0)
        return failure(errno);

    QByteArray made;
    if (const int error = writeBeside(target, bytes, &permissions, made))
        return failure(error);
    if (!replace)
        return placeAtFreeName(made, target);
    // rename replaces the name itself: a link that took it is replaced, and what it named is left alone.
    return renameOver(made, target);
}

Result writeNew(const NativePath &path, const QByteArray &bytes)
{
    const QByteArray &target = path.units();
    QByteArray made;
    if (const int error = writeBeside(target, bytes, nullptr, made))
        return failure(error);
    return placeAtFreeName(made, target);
}

Result remove(const NativePath &path)
{
    if (::unlink(path.units().constData()) != 0 && errno != ENOENT)
        return failure(errno);
    return succeeded();
}

Result makeFolder(const NativePath &path)
{
    // Made as any new folder is: the process's umask decides who else may read it.
    if (::mkdir(path.units().constData(), 0777) == 0)
        return succeeded();
    const int error = errno;
    struct stat info {};
    if (error == EEXIST && ::stat(path.units().constData(), &info) == 0 && S_ISDIR(info.st_mode))
        return succeeded();
    return failure(error);
}

bool canWriteIn(const NativePath &folder)
{
    // Asked of the effective user, as the write would be.
    return ::faccessat(AT_FDCWD, folder.units().constData(), W_OK | X_OK, AT_EACCESS) == 0;
}

namespace {

bool isMemberOf(gid_t group)
{
    if (group == ::getegid())
        return true;
    const int count = ::getgroups(0, nullptr);
    if (count <= 0)
        return false;
    std::vector<gid_t> groups(static_cast<size_t>(count));
    const int got = qMax(::getgroups(count, groups.data()), 0);
    groups.resize(static_cast<size_t>(got));
    return std::find(groups.begin(), groups.end(), group) != groups.end();
}

} // namespace

Method methodFor(const NativePath &path)
{
    const QByteArray target = followed(path.units());
    struct stat file {};
    struct stat folder {};
    if (::stat(target.constData(), &file) != 0 || ::stat(folderOf(target).constData(), &folder) != 0)
        return Method::Rename;
    const uid_t me = ::geteuid();
    // Root may rename anything and give a file back to its owner.
    if (me == 0)
        return Method::Rename;
    if (::faccessat(AT_FDCWD, folderOf(target).constData(), W_OK | X_OK, AT_EACCESS) != 0)
        return Method::InPlace;
    if ((folder.st_mode & S_ISVTX) != 0 && file.st_uid != me && folder.st_uid != me)
        return Method::InPlace;
    // A new file would be this user's, and only a group this user belongs to can be given to it.
    if (file.st_uid != me || !isMemberOf(file.st_gid))
        return Method::InPlace;
    return Method::Rename;
}

bool syncsFolders()
{
    return true;
}

Result writeInPlace(const NativePath &path, const QByteArray &bytes, const Expected &expected)
{
    const QByteArray &old = expected.bytes;
    int fd = -1;
    do {
        fd = ::open(path.units().constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return failure(errno);
    const auto fail = [&](int error) {
        ::close(fd);
        return failure(error);
    };
    reachStage(Stage::BeforeFinalCheck);
    if (!holdsExpected(fd, expected)) {
        ::close(fd);
        return changedMeanwhile();
    }
    reachStage(Stage::BeforeReplace);

    // Room for the new size first: a full disk stops the write here, with the file as it was.
    if (bytes.size() > old.size()) {
        int error = ::posix_fallocate(fd, 0, off_t(bytes.size()));
        if (error == EINVAL || error == EOPNOTSUPP)
            error = ::ftruncate(fd, off_t(bytes.size())) == 0 ? 0 : errno;
        if (error != 0) {
            (void)::ftruncate(fd, off_t(old.size()));
            return fail(error);
        }
        reachStage(Stage::Grown);
    }
    qsizetype unchanged = 0;
    const qsizetype common = qMin(bytes.size(), old.size());
    while (unchanged < common && bytes[unchanged] == old[unchanged])
        ++unchanged;

    int error = simulatedFailure();
    if (error != 0)
        (void)writeAll(fd, bytes.constData() + unchanged, (bytes.size() - unchanged) / 2, off_t(unchanged));
    else
        error = writeAll(fd, bytes.constData() + unchanged, bytes.size() - unchanged, off_t(unchanged));
    if (error == 0 && bytes.size() < old.size() && ::ftruncate(fd, off_t(bytes.size())) != 0)
        error = errno;
    if (error == 0)
        error = syncToDisk(fd);
    if (error != 0) {
        // The old bytes go back where the new ones were started; what was grown is given back.
        (void)writeAll(fd, old.constData() + unchanged, old.size() - unchanged, off_t(unchanged));
        (void)::ftruncate(fd, off_t(old.size()));
        (void)syncToDisk(fd);
        return fail(error);
    }
    noteSync(QStringLiteral("synced ") + baseNameOf(path.units()));
    if (::close(fd) != 0)
        return failure(errno);
    return succeeded();
}

} // namespace SaveFile
