// POSIX reading of the chosen file: stat first, so that a folder, a pipe or a device is refused before it is
// opened, and open without blocking, so that a pipe put in the file's place after the stat cannot stall.
#include "hymnfileread.h"

#include "folderaccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace {

LoadOutcome refuse(EntryStore &store, const QString &reason)
{
    store.EntryCount = 0;
    store.OverflowCount = 0;
    store.VerseFile = 0;
    LoadOutcome outcome;
    outcome.errorText = reason;
    return outcome;
}

QString notReadable(const QString &name, const struct stat &info)
{
    if (S_ISDIR(info.st_mode))
        return u"\"%1\" is a folder, not a hymn file."_s.arg(name);
    if (!S_ISREG(info.st_mode))
        return u"\"%1\" is not an ordinary file (a pipe or a device), so it was not read."_s.arg(name);
    if (info.st_size > HymnFileLoader::MaxFileBytes) {
        // Rounded up, so that a file just over the cap does not read as being of the cap's size.
        return u"\"%1\" is %2 MiB; hymn files are far smaller than 64 MiB, so it was not read."_s.arg(name).arg(
            (qint64(info.st_size) + 1024 * 1024 - 1) / (1024 * 1024));
    }
    return {};
}

} // namespace

LoadOutcome loadHymnFile(const QByteArray &nativePath, EntryStore &store)
{
    store.clearArrays();
    const QByteArray base = FolderAccess::baseName(nativePath);
    const QString name = FolderAccess::displayName(base);
    struct stat info {};
    if (base.isEmpty() || ::stat(nativePath.constData(), &info) != 0) {
        if (base.isEmpty() || errno == ENOENT || errno == ENOTDIR)
            return refuse(store, u"The file \"%1\" was not found; it may have been moved or deleted."_s.arg(name));
        return refuse(store, u"\"%1\" could not be opened (%2)."_s.arg(name, FolderAccess::reason(errno)));
    }
    if (const QString why = notReadable(name, info); !why.isEmpty())
        return refuse(store, why);

    const int fd = ::open(nativePath.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return refuse(store, u"\"%1\" could not be opened (%2)."_s.arg(name, FolderAccess::reason(errno)));
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return refuse(store, u"\"%1\" is not an ordinary file (a pipe or a device), so it was not read."_s.arg(name));
    }

    QByteArray bytes;
    bytes.reserve(qsizetype(opened.st_size));
    int readError = 0;
    char chunk[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            readError = errno;
            break;
        }
        if (got == 0)
            break;
        if (bytes.size() + got > HymnFileLoader::MaxFileBytes) {
            ::close(fd);
            store.clearArrays();
            return refuse(store, u"\"%1\" grew past 64 MiB while it was read; it is not a hymn file, so nothing "
                                 "was loaded."_s.arg(name));
        }
        bytes.append(chunk, qsizetype(got));
    }
    ::close(fd);
    LoadOutcome outcome = HymnFileLoader::loadBytes(bytes, name, store);
    if (readError != 0) {
        outcome.errorText = u"Reading \"%1\" failed after %2 bytes (%3); the entries read before the failure "
                            "were kept."_s.arg(name)
                                .arg(bytes.size())
                                .arg(FolderAccess::reason(readError));
    }
    return outcome;
}
