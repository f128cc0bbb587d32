// SPDX-License-Identifier: GPL-3.0-or-later
#include "systemfiles.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SystemFiles {

bool hasFifos()
{
    return true;
}

bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

bool makeSymlink(const QString &target, const QString &link)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()) == 0;
}

bool makeHardLink(const QString &existing, const QString &link)
{
    return ::link(QFile::encodeName(existing).constData(), QFile::encodeName(link).constData()) == 0;
}

bool makePrivate(const QString &path)
{
    return ::chmod(QFile::encodeName(path).constData(), 0600) == 0;
}

bool isPrivate(const QString &path)
{
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && (info.st_mode & 07777) == 0600;
}

bool makeHidden(const QString &)
{
    return false;
}

bool isHidden(const QString &)
{
    return false;
}

SystemError diskFull()
{
    return {ENOSPC, QString::fromLocal8Bit(std::strerror(ENOSPC))};
}

SystemError accessDenied()
{
    return {EACCES, QString::fromLocal8Bit(std::strerror(EACCES))};
}

// The limit before, and the handler of the signal that comes with a write past it, ignored meanwhile.
struct FileSizeLimit::Saved {
    rlimit limit{};
    void (*signal)(int) = SIG_DFL;
};

bool FileSizeLimit::supported()
{
    return true;
}

QString FileSizeLimit::reason()
{
    return QString::fromLocal8Bit(std::strerror(EFBIG));
}

FileSizeLimit::FileSizeLimit(qint64 bytes) : m_saved(std::make_unique<Saved>())
{
    m_saved->signal = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &m_saved->limit);
    const rlimit lower{rlim_t(bytes), m_saved->limit.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &lower);
}

FileSizeLimit::~FileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &m_saved->limit);
    std::signal(SIGXFSZ, m_saved->signal);
}

bool hasByteNames()
{
    return true;
}

bool makeFolder(const QByteArray &name)
{
    return ::mkdir(name.constData(), 0755) == 0;
}

bool writeFile(const QByteArray &name, const QByteArray &contents)
{
    std::FILE *file = std::fopen(name.constData(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(contents.constData(), 1, size_t(contents.size()), file) == size_t(contents.size());
    return std::fclose(file) == 0 && written;
}

bool exists(const QByteArray &name)
{
    return ::access(name.constData(), F_OK) == 0;
}

bool remove(const QByteArray &name)
{
    return std::remove(name.constData()) == 0;
}

} // namespace SystemFiles
