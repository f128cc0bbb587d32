// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: a new file beside the old one, written to the end and flushed to the disk, then put in the old one's
// place by ReplaceFileW, which keeps the old file's access control list and creation time (a file that was not
// there yet is moved into place). On any failure the new file is deleted and the old one is untouched. A copy is
// moved into place by MoveFileExW, which replaces a link's own entry rather than what it names, or, for a name that
// must be free, fails when something has it. A file that must still be the one read is opened and read again
// immediately before ReplaceFileW: Windows has no call that swaps two names, so the moment between the two remains.
#include "platform/savefile.h"

#include "platform/winpaths.h"

#include <QRandomGenerator>

#include <aclapi.h>
#include <windows.h>

namespace SaveFile {

namespace {

// A folder entry's longest name: 255 UTF-16 units.
constexpr qsizetype kMaxNameBytes = 255 * 2;
// Attributes a user sets by hand that a replaced file may come back without.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

Problem problemOf(DWORD error)
{
    switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return Problem::DiskFull;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return Problem::Denied;
    case ERROR_WRITE_PROTECT:
        return Problem::ReadOnlyDisk;
    default:
        return Problem::Other;
    }
}

Result failure(DWORD error)
{
    Result result;
    result.reason = WinPaths::reason(error);
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

DWORD writeAll(HANDLE file, const char *data, qsizetype size, qint64 at)
{
    for (qsizetype done = 0; done < size;) {
        const DWORD piece = DWORD(qMin<qsizetype>(size - done, 1 << 30));
        OVERLAPPED place{};
        const qint64 offset = at + done;
        place.Offset = DWORD(offset & 0xFFFFFFFF);
        place.OffsetHigh = DWORD(offset >> 32);
        DWORD written = 0;
        if (!WriteFile(file, data + done, piece, &written, &place))
            return GetLastError();
        if (written == 0)
            return ERROR_WRITE_FAULT;
        done += written;
    }
    return ERROR_SUCCESS;
}

bool olderThan(const FILETIME &time, qint64 seconds)
{
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME &t) { return (qint64(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return ticks(now) - ticks(time) > seconds * 10000000LL;
}

// Files a write of this file left when it was killed half-way: taken by the names only the writer gives the file's
// new copies, and only plain files that no write still in progress can own.
void removeLeftovers(const NativePath &folder, const NativePath &fileName)
{
    const std::wstring pattern = WinPaths::wide(folder.child(NativePath::fromText(QStringLiteral("*"))));
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const NativePath name = WinPaths::fromWide(found.cFileName, wcslen(found.cFileName));
        if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0 &&
            isTemporaryNameOf(name, fileName) && olderThan(found.ftLastWriteTime, kLeftoverAgeSeconds))
            DeleteFileW(WinPaths::wide(folder.child(name)).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

// The access control list of like given to the new file, so that a copy of a private file is as private.
void copyAccess(const std::wstring &like, HANDLE file)
{
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoW(like.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &dacl, nullptr,
                              &descriptor) != ERROR_SUCCESS)
        return;
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    const bool isProtected =
        GetSecurityDescriptorControl(descriptor, &control, &revision) && (control & SE_DACL_PROTECTED) != 0;
    SetSecurityInfo(file, SE_FILE_OBJECT,
                    DACL_SECURITY_INFORMATION |
                        (isProtected ? PROTECTED_DACL_SECURITY_INFORMATION : UNPROTECTED_DACL_SECURITY_INFORMATION),
                    nullptr, nullptr, dacl, nullptr);
    LocalFree(descriptor);
}

// Makes a new file beside target holding bytes (with like's access control list when given), flushed and closed;
// ERROR_SUCCESS, or the error that stopped it, with nothing left behind.
DWORD writeBeside(const NativePath &target, const QByteArray &bytes, const std::wstring *like, std::wstring &made)
{
    const NativePath folder = target.parent();
    removeLeftovers(folder, target.baseName());
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        const NativePath name = temporaryName(target.baseName(), QRandomGenerator::global()->generate(), kMaxNameBytes);
        made = WinPaths::wide(folder.child(name));
        file = CreateFileW(made.c_str(), GENERIC_WRITE | WRITE_DAC, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            return GetLastError();
    }
    if (file == INVALID_HANDLE_VALUE)
        return ERROR_FILE_EXISTS;
    const auto abandon = [&](DWORD error) {
        CloseHandle(file);
        DeleteFileW(made.c_str());
        return error;
    };
    if (like != nullptr)
        copyAccess(*like, file);
    if (const int simulated = simulatedFailure()) {
        (void)writeAll(file, bytes.constData(), bytes.size() / 2, 0);
        return abandon(DWORD(simulated));
    }
    if (const DWORD error = writeAll(file, bytes.constData(), bytes.size(), 0))
        return abandon(error);
    if (!FlushFileBuffers(file))
        return abandon(GetLastError());
    noteSync(QStringLiteral("synced ") + target.baseName().display());
    CloseHandle(file);
    return ERROR_SUCCESS;
}

// The new file written beside the target takes the target's name; when it cannot, it is removed again, and a name
// already taken is said so apart from other failures.
Result moveIntoPlace(const std::wstring &made, const std::wstring &target, DWORD flags)
{
    if (!MoveFileExW(made.c_str(), target.c_str(), flags)) {
        const DWORD error = GetLastError();
        DeleteFileW(made.c_str());
        Result result = failure(error);
        result.nameTaken = error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
        return result;
    }
    noteSync(QStringLiteral("placed ") + NativePath::fromText(QString::fromStdWString(target)).baseName().display());
    return succeeded();
}

// Whether the open handle is the expected file with the expected bytes.
bool holdsExpected(HANDLE file, const Expected &expected)
{
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &info))
        return false;
    const NativeFile::Identity identity{quint64(info.dwVolumeSerialNumber),
                                        (quint64(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
    if (identity != expected.identity ||
        ((qint64(info.nFileSizeHigh) << 32) | info.nFileSizeLow) != expected.bytes.size())
        return false;
    QByteArray bytes(expected.bytes.size(), Qt::Uninitialized);
    for (qsizetype done = 0; done < bytes.size();) {
        OVERLAPPED place{};
        place.Offset = DWORD(quint64(done) & 0xFFFFFFFF);
        place.OffsetHigh = DWORD(quint64(done) >> 32);
        DWORD got = 0;
        const DWORD piece = DWORD(qMin<qsizetype>(bytes.size() - done, 1 << 30));
        if (!ReadFile(file, bytes.data() + done, piece, &got, &place) || got == 0)
            return false;
        done += got;
    }
    return bytes == expected.bytes;
}

bool isExpected(const std::wstring &name, const Expected &expected)
{
    HANDLE file = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool same = holdsExpected(file, expected);
    CloseHandle(file);
    return same;
}

// Puts made in the place of the file target names, keeping what ReplaceFileW keeps and the attributes it may drop.
Result replaceWith(const std::wstring &made, const std::wstring &target, DWORD attributes)
{
    if (!ReplaceFileW(target.c_str(), made.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        const DWORD error = GetLastError();
        DeleteFileW(made.c_str());
        return failure(error);
    }
    // ReplaceFileW is to keep the replaced file's attributes, but not every file system does (a hidden log came
    // back visible): what the user set is set again.
    const DWORD now = GetFileAttributesW(target.c_str());
    if (now != INVALID_FILE_ATTRIBUTES && (now & kKeptAttributes) != (attributes & kKeptAttributes))
        SetFileAttributesW(target.c_str(), (now & ~kKeptAttributes) | (attributes & kKeptAttributes));
    noteSync(QStringLiteral("placed ") + NativePath::fromText(QString::fromStdWString(target)).baseName().display());
    return succeeded();
}

} // namespace

Result write(const NativePath &path, const QByteArray &bytes)
{
    const std::wstring target = WinPaths::wide(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    const bool existed = attributes != INVALID_FILE_ATTRIBUTES;
    if (existed && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return failure(ERROR_DIRECTORY);

    std::wstring made;
    if (const DWORD error = writeBeside(path, bytes, nullptr, made))
        return failure(error);
    if (existed)
        return replaceWith(made, target, attributes);
    return moveIntoPlace(made, target, MOVEFILE_WRITE_THROUGH);
}

Result replace(const NativePath &path, const QByteArray &bytes, const Expected &expected)
{
    const std::wstring target = WinPaths::wide(path);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return changedMeanwhile();
    std::wstring made;
    if (const DWORD error = writeBeside(path, bytes, nullptr, made))
        return failure(error);
    reachStage(Stage::BeforeFinalCheck);
    if (!isExpected(target, expected)) {
        DeleteFileW(made.c_str());
        return changedMeanwhile();
    }
    reachStage(Stage::BeforeReplace);
    return replaceWith(made, target, attributes);
}

bool canSwapNames(const NativePath &)
{
    return false;
}

Result remove(const NativePath &path)
{
    const std::wstring name = WinPaths::wide(path);
    if (!DeleteFileW(name.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND)
        return failure(GetLastError());
    return succeeded();
}

Method methodFor(const NativePath &path)
{
    // A folder this user may not make files in cannot take a new file by the log's name; the log itself may still be
    // writable.
    return canWriteIn(path.parent()) ? Method::Rename : Method::InPlace;
}

bool syncsFolders()
{
    return false;
}

Result writeCopy(const NativePath &path, const QByteArray &bytes, const NativePath &like, bool replace)
{
    const std::wstring target = WinPaths::wide(path);
    const std::wstring permissions = WinPaths::wide(like);
    std::wstring made;
    if (const DWORD error = writeBeside(path, bytes, &permissions, made))
        return failure(error);
    return moveIntoPlace(made, target, MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0));
}

Result writeNew(const NativePath &path, const QByteArray &bytes)
{
    const std::wstring target = WinPaths::wide(path);
    std::wstring made;
    // Without an access control list of its own, the new file takes the folder's inherited one.
    if (const DWORD error = writeBeside(path, bytes, nullptr, made))
        return failure(error);
    return moveIntoPlace(made, target, MOVEFILE_WRITE_THROUGH);
}

Result makeFolder(const NativePath &path)
{
    const std::wstring name = WinPaths::wide(path);
    if (CreateDirectoryW(name.c_str(), nullptr))
        return succeeded();
    const DWORD error = GetLastError();
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (error == ERROR_ALREADY_EXISTS && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return succeeded();
    return failure(error);
}

bool canWriteIn(const NativePath &folder)
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        const NativePath name = temporaryName(NativePath::fromText(QStringLiteral("cx")),
                                              QRandomGenerator::global()->generate(), kMaxNameBytes);
        HANDLE file =
            CreateFileW(WinPaths::wide(folder.child(name)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                        FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
            return true;
        }
        if (GetLastError() != ERROR_FILE_EXISTS)
            return false;
    }
    return false;
}

Result writeInPlace(const NativePath &path, const QByteArray &bytes, const Expected &expected)
{
    const QByteArray &old = expected.bytes;
    const std::wstring target = WinPaths::wide(path);
    HANDLE file = CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return failure(GetLastError());
    const auto fail = [&](DWORD error) {
        CloseHandle(file);
        return failure(error);
    };
    const auto resize = [&](qint64 size) {
        LARGE_INTEGER end{};
        end.QuadPart = size;
        return SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    };
    reachStage(Stage::BeforeFinalCheck);
    if (!holdsExpected(file, expected)) {
        CloseHandle(file);
        return changedMeanwhile();
    }
    reachStage(Stage::BeforeReplace);

    // Room for the new size first: a full disk stops the write here, with the file as it was.
    if (bytes.size() > old.size()) {
        if (!resize(bytes.size())) {
            const DWORD error = GetLastError();
            resize(old.size());
            return fail(error);
        }
        reachStage(Stage::Grown);
    }
    qsizetype unchanged = 0;
    const qsizetype common = qMin(bytes.size(), old.size());
    while (unchanged < common && bytes[unchanged] == old[unchanged])
        ++unchanged;

    DWORD error = DWORD(simulatedFailure());
    if (error != ERROR_SUCCESS)
        (void)writeAll(file, bytes.constData() + unchanged, (bytes.size() - unchanged) / 2, unchanged);
    else
        error = writeAll(file, bytes.constData() + unchanged, bytes.size() - unchanged, unchanged);
    if (error == ERROR_SUCCESS && bytes.size() < old.size() && !resize(bytes.size()))
        error = GetLastError();
    if (error == ERROR_SUCCESS && !FlushFileBuffers(file))
        error = GetLastError();
    if (error != ERROR_SUCCESS) {
        // The old bytes go back where the new ones were started; what was grown is given back.
        (void)writeAll(file, old.constData() + unchanged, old.size() - unchanged, unchanged);
        resize(old.size());
        FlushFileBuffers(file);
        return fail(error);
    }
    noteSync(QStringLiteral("synced ") + path.baseName().display());
    CloseHandle(file);
    return succeeded();
}

} // namespace SaveFile
