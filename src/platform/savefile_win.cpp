// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: a new file beside the old one, written to the end and flushed to the disk, then put in the old one's
// place by ReplaceFileW, which keeps the old file's attributes, access control list and creation time (a file that
// was not there yet is moved into place). On any failure the new file is deleted and the old one is untouched.
#include "platform/savefile.h"

#include "platform/winpaths.h"

#include <QRandomGenerator>

#include <windows.h>

namespace SaveFile {

namespace {

Result failure(DWORD error)
{
    return {false, WinPaths::reason(error)};
}

DWORD writeAll(HANDLE file, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const DWORD piece = DWORD(qMin<qsizetype>(bytes.size() - done, 1 << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.constData() + done, piece, &written, nullptr))
            return GetLastError();
        if (written == 0)
            return ERROR_WRITE_FAULT;
        done += written;
    }
    return ERROR_SUCCESS;
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
    HANDLE file = INVALID_HANDLE_VALUE;
    const NativePath folder = path.parent();
    const QString name = path.baseName().display();
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        const QString temporary =
            u'.' + name + u'.' + QString::number(QRandomGenerator::global()->generate(), 36) + QStringLiteral(".new");
        made = WinPaths::wide(folder.child(NativePath::fromText(temporary)));
        file = CreateFileW(made.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS)
            return failure(GetLastError());
    }
    if (file == INVALID_HANDLE_VALUE)
        return failure(ERROR_FILE_EXISTS);
    const auto abandon = [&](DWORD error) {
        CloseHandle(file);
        DeleteFileW(made.c_str());
        return failure(error);
    };
    if (const int simulated = simulatedFailure()) {
        (void)writeAll(file, bytes.first(bytes.size() / 2));
        return abandon(DWORD(simulated));
    }
    if (const DWORD error = writeAll(file, bytes))
        return abandon(error);
    if (!FlushFileBuffers(file))
        return abandon(GetLastError());
    CloseHandle(file);
    const bool placed = existed ? ReplaceFileW(target.c_str(), made.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                                               nullptr, nullptr) != 0
                                : MoveFileExW(made.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
    if (!placed) {
        const DWORD error = GetLastError();
        DeleteFileW(made.c_str());
        return failure(error);
    }
    return {true, QString()};
}

} // namespace SaveFile
