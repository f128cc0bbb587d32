// SPDX-License-Identifier: GPL-3.0-or-later
// The system's folders on Windows: one FindFirstFileExW pass per listing (the entry's attributes come with it, so
// nothing is opened per name), and the final path of a folder from its own handle. Hidden and system entries are
// what the attributes say they are, whatever their names.
#include "platform/folderaccess.h"

#include "platform/winpaths.h"

#include <windows.h>

namespace {

constexpr qint64 kEpochInFileTime = 116444736000000000LL; // 1970-01-01 in 100 ns steps from 1601

class WinFolderAccess : public FolderAccess {
public:
    int list(const NativePath &folder, std::vector<Entry> &entries) override
    {
        entries.clear();
        const std::wstring pattern = WinPaths::wide(folder.child(NativePath::fromText(QStringLiteral("*"))));
        WIN32_FIND_DATAW found{};
        HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                         FIND_FIRST_EX_LARGE_FETCH);
        if (search == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            // A drive's root has no "." entry, so an empty one finds nothing at all.
            return error == ERROR_FILE_NOT_FOUND ? 0 : int(error);
        }
        do {
            const wchar_t *name = found.cFileName;
            if (name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0')))
                continue;
            const DWORD attributes = found.dwFileAttributes;
            Entry entry;
            entry.name = WinPaths::fromWide(name, wcslen(name));
            entry.kind = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? Kind::Folder : Kind::File;
            entry.hidden = (attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0;
            entries.push_back(std::move(entry));
        } while (FindNextFileW(search, &found));
        const DWORD error = GetLastError();
        FindClose(search);
        return error == ERROR_NO_MORE_FILES ? 0 : int(error);
    }

    int resolve(const NativePath &path, NativePath &clean) override
    {
        const std::wstring name = WinPaths::wide(path);
        HANDLE folder = CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (folder == INVALID_HANDLE_VALUE)
            return int(GetLastError());
        BY_HANDLE_FILE_INFORMATION info{};
        const bool known = GetFileInformationByHandle(folder, &info) != 0;
        std::wstring final(32768, L'\0');
        DWORD length = GetFinalPathNameByHandleW(folder, final.data(), DWORD(final.size()), FILE_NAME_NORMALIZED);
        const DWORD error = GetLastError();
        CloseHandle(folder);
        if (!known)
            return int(error);
        if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            return ERROR_DIRECTORY;
        if (length == 0 || length >= final.size()) {
            // Without the final name, the full name of what was given stands in.
            length = GetFullPathNameW(name.c_str(), DWORD(final.size()), final.data(), nullptr);
            if (length == 0 || length >= final.size())
                return int(GetLastError());
        }
        final.resize(length);
        // "\\?\C:\x" and "\\?\UNC\server\share\x" are the long forms of "C:\x" and "\\server\share\x".
        if (final.rfind(L"\\\\?\\UNC\\", 0) == 0)
            final = L"\\\\" + final.substr(8);
        else if (final.rfind(L"\\\\?\\", 0) == 0)
            final = final.substr(4);
        clean = WinPaths::fromWide(final.data(), final.size());
        return 0;
    }

    NativePath startFolder() override
    {
        std::wstring buffer(32768, L'\0');
        const DWORD length = GetCurrentDirectoryW(DWORD(buffer.size()), buffer.data());
        if (length == 0 || length >= buffer.size())
            return NativePath::fromText(QStringLiteral("C:/"));
        return WinPaths::fromWide(buffer.data(), length);
    }

    bool modified(const NativePath &path, qint64 &seconds) override
    {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (!GetFileAttributesExW(WinPaths::wide(path).c_str(), GetFileExInfoStandard, &data))
            return false;
        const qint64 ticks = (qint64(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
        seconds = (ticks - kEpochInFileTime) / 10000000;
        return true;
    }
};

} // namespace

FolderAccess &FolderAccess::system()
{
    static WinFolderAccess access;
    return access;
}

QString FolderAccess::reason(int error)
{
    return WinPaths::reason(unsigned(error));
}
