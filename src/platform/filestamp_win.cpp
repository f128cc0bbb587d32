// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: GetFileAttributesExW, which opens nothing, so that looking never gets in the way of an editor saving or
// the user renaming a folder. A file saved over the name by rename has its own creation and write times.
#include "platform/filestamp.h"

#include "platform/winpaths.h"

#include <windows.h>

FileStamp FileStamp::of(const NativePath &path)
{
    FileStamp stamp;
    const std::wstring name = WinPaths::wide(path);
    if (name.empty() || name.find(L'\0') != std::wstring::npos)
        return stamp;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(name.c_str(), GetFileExInfoStandard, &data)) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ||
                             error == ERROR_INVALID_NAME || error == ERROR_BAD_NETPATH;
        stamp.kind = missing ? Kind::Missing : Kind::Other;
        return stamp;
    }
    stamp.kind =
        (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0 ? Kind::Other : Kind::File;
    stamp.size = (qint64(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    const FILETIME times[] = {data.ftCreationTime, data.ftLastWriteTime};
    stamp.written = QByteArray(reinterpret_cast<const char *>(times), sizeof times) +
                    QByteArray::number(qulonglong(data.dwFileAttributes));
    return stamp;
}
