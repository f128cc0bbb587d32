// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: the file is opened sharing read, write and delete, so the user's editor can still save, rename or delete
// it while it is read, and the opened handle is what is judged: only a disk file is read (GetFileType), never a
// console, a pipe or a device.
#include "platform/nativefile.h"

#include "platform/winpaths.h"

#include <climits>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace NativeFile {

namespace {

constexpr qint64 kEpochInFileTime = 116444736000000000LL;

qint64 msecsOf(const FILETIME &time)
{
    const qint64 ticks = (qint64(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return (ticks - kEpochInFileTime) / 10000;
}

Opened refusedAfterFailedOpen(const std::wstring &name, DWORD error)
{
    Opened result;
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME) {
        result.refusal = Refusal::NotFound;
        return result;
    }
    // A folder cannot be opened as a file: Windows says "access denied".
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        result.refusal = Refusal::Folder;
        return result;
    }
    result.refusal = Refusal::CannotOpen;
    result.systemText = WinPaths::reason(error);
    return result;
}

} // namespace

Opened openRegular(const NativePath &path, QFile &file)
{
    const std::wstring name = WinPaths::wide(path);
    if (name.find(L'\0') != std::wstring::npos)
        return refusedAfterFailedOpen(name, ERROR_FILE_NOT_FOUND);
    HANDLE handle = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return refusedAfterFailedOpen(name, GetLastError());

    Opened result;
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        result.refusal = Refusal::NotRegular;
    } else if (!GetFileInformationByHandle(handle, &info)) {
        result.refusal = Refusal::CannotOpen;
        result.systemText = WinPaths::reason(GetLastError());
    } else if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        result.refusal = Refusal::Folder;
    } else {
        // The C runtime's descriptor takes the handle over, and QFile closes it.
        const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
        if (fd < 0) {
            result.refusal = Refusal::CannotOpen;
            result.systemText = WinPaths::reason(ERROR_TOO_MANY_OPEN_FILES);
        } else if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            _close(fd);
            result.refusal = Refusal::CannotOpen;
            result.systemText = file.errorString();
            return result;
        } else {
            result.refusal = Refusal::None;
            result.size = (qint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
            result.modifiedMs = msecsOf(info.ftLastWriteTime);
            result.identity = {quint64(info.dwVolumeSerialNumber),
                               (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
            return result;
        }
    }
    CloseHandle(handle);
    return result;
}

Opened inspect(const NativePath &path)
{
    const std::wstring name = WinPaths::wide(path);
    Opened result;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (name.find(L'\0') != std::wstring::npos || !GetFileAttributesExW(name.c_str(), GetFileExInfoStandard, &data)) {
        const DWORD error = name.find(L'\0') != std::wstring::npos ? ERROR_FILE_NOT_FOUND : GetLastError();
        result.refusal =
            error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Refusal::NotFound : Refusal::CannotOpen;
        if (result.refusal == Refusal::CannotOpen)
            result.systemText = WinPaths::reason(error);
    } else if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        result.refusal = Refusal::Folder;
    } else {
        result.refusal = Refusal::None;
        result.size = (qint64(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        result.modifiedMs = msecsOf(data.ftLastWriteTime);
    }
    return result;
}

namespace {

Entry failedLook(DWORD error)
{
    Entry entry;
    entry.kind = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_INVALID_NAME
                     ? Entry::Kind::Missing
                     : Entry::Kind::Unreadable;
    if (entry.kind == Entry::Kind::Unreadable)
        entry.systemText = WinPaths::reason(error);
    return entry;
}

// The file's facts from a handle opened without asking for any access, so that a file another program holds
// open without sharing can still be looked at; follow opens what a link names rather than the link.
Entry lookAt(const NativePath &path, bool follow)
{
    const std::wstring name = WinPaths::wide(path);
    if (name.empty() || name.find(L'\0') != std::wstring::npos)
        return failedLook(ERROR_FILE_NOT_FOUND);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return failedLook(GetLastError());
    Entry entry;
    if (!follow && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        entry.kind = Entry::Kind::Link;
        return entry;
    }
    HANDLE handle = CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return failedLook(GetLastError());
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(handle, &info) != 0;
    const DWORD error = GetLastError();
    const DWORD type = GetFileType(handle);
    CloseHandle(handle);
    if (!known)
        return failedLook(error);
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        entry.kind = Entry::Kind::Folder;
    } else if (type != FILE_TYPE_DISK) {
        entry.kind = Entry::Kind::Other;
    } else {
        entry.kind = Entry::Kind::Regular;
        entry.size = (qint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
        entry.links = int(qMin<DWORD>(info.nNumberOfLinks, DWORD(INT_MAX)));
        entry.readOnly = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    }
    return entry;
}

} // namespace

Entry entryAt(const NativePath &path)
{
    return lookAt(path, false);
}

Entry entryThrough(const NativePath &path)
{
    return lookAt(path, true);
}

std::optional<QByteArray> readUnfollowed(const NativePath &path, qint64 maxBytes)
{
    const std::wstring name = WinPaths::wide(path);
    if (name.empty() || name.find(L'\0') != std::wstring::npos)
        return std::nullopt;
    // FILE_FLAG_OPEN_REPARSE_POINT opens a link itself, which is then refused by its attribute.
    HANDLE handle =
        CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const qint64 size =
        GetFileInformationByHandle(handle, &info) ? (qint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow : -1;
    if (size < 0 || size > maxBytes || GetFileType(handle) != FILE_TYPE_DISK ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        CloseHandle(handle);
        return std::nullopt;
    }
    QByteArray bytes(size, Qt::Uninitialized);
    qint64 done = 0;
    while (done < size) {
        DWORD got = 0;
        const DWORD piece = DWORD(qMin<qint64>(size - done, 1 << 30));
        if (!ReadFile(handle, bytes.data() + done, piece, &got, nullptr) || got == 0)
            break;
        done += got;
    }
    CloseHandle(handle);
    if (done != size)
        return std::nullopt;
    return bytes;
}

qsizetype maxPathBytes()
{
    // The longest path the wide calls take, in UTF-16 units of two bytes.
    return 32767 * 2;
}

qsizetype maxNameBytes(const NativePath &)
{
    // 255 UTF-16 units on NTFS, FAT and the shares Windows mounts.
    return 255 * 2;
}

} // namespace NativeFile
