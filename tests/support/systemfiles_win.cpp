// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: named pipes live in their own namespace (\\.\pipe\), never in a folder beside files; names are UTF-16,
// never bytes; a process has no file size limit.
#include "systemfiles.h"

#include "platform/winpaths.h"

#include <QDir>

#include <windows.h>

namespace SystemFiles {

namespace {

SystemError described(DWORD code)
{
    return {int(code), WinPaths::reason(code)};
}

} // namespace

bool hasFifos()
{
    return false;
}

bool makeFifo(const QString &)
{
    return false;
}

namespace {

std::wstring wide(const QString &path)
{
    return WinPaths::wide(NativePath::fromText(path));
}

} // namespace

bool makeSymlink(const QString &target, const QString &link)
{
    // Without developer mode only an administrator may make links; the flag asks for it where it is allowed.
    constexpr DWORD unprivileged = 0x2; // SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE
    if (CreateSymbolicLinkW(wide(link).c_str(), wide(target).c_str(), unprivileged) == 0)
        return false;
    // Wine answers success without making anything; only a link that is there counts.
    const DWORD attributes = GetFileAttributesW(wide(link).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
}

bool makeHardLink(const QString &existing, const QString &link)
{
    return CreateHardLinkW(wide(link).c_str(), wide(existing).c_str(), nullptr) != 0;
}

bool makePrivate(const QString &)
{
    return false;
}

bool isPrivate(const QString &)
{
    return false;
}

bool makeHidden(const QString &path)
{
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           SetFileAttributesW(wide(path).c_str(), attributes | FILE_ATTRIBUTE_HIDDEN) != 0;
}

bool isHidden(const QString &path)
{
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
}

namespace {

std::wstring literal(const QString &path)
{
    return L"\\\\?\\" + QDir::toNativeSeparators(path).toStdWString();
}

} // namespace

bool writeExactly(const QString &path, const QByteArray &bytes)
{
    HANDLE file = CreateFileW(literal(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    DWORD written = 0;
    const bool ok = file != INVALID_HANDLE_VALUE &&
                    WriteFile(file, bytes.constData(), DWORD(bytes.size()), &written, nullptr) &&
                    written == DWORD(bytes.size());
    CloseHandle(file);
    return ok;
}

QByteArray readExactly(const QString &path)
{
    HANDLE file = CreateFileW(literal(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    QByteArray bytes(1 << 20, '\0');
    DWORD read = 0;
    const bool ok = file != INVALID_HANDLE_VALUE && ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr);
    CloseHandle(file);
    return ok ? bytes.left(read) : QByteArray("(missing)");
}

bool removeExactly(const QString &path)
{
    return DeleteFileW(literal(path).c_str()) != 0;
}

SystemError diskFull()
{
    return described(ERROR_DISK_FULL);
}

SystemError accessDenied()
{
    return described(ERROR_ACCESS_DENIED);
}

struct FileSizeLimit::Saved {};

bool FileSizeLimit::supported()
{
    return false;
}

QString FileSizeLimit::reason()
{
    return QString();
}

FileSizeLimit::FileSizeLimit(qint64) {}

FileSizeLimit::~FileSizeLimit() = default;

bool hasByteNames()
{
    return false;
}

bool makeFolder(const QByteArray &)
{
    return false;
}

bool writeFile(const QByteArray &, const QByteArray &)
{
    return false;
}

bool exists(const QByteArray &)
{
    return false;
}

bool remove(const QByteArray &)
{
    return false;
}

} // namespace SystemFiles
