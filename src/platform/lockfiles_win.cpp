// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: CreateFileW with CREATE_NEW, which a share carries out on the server in one step, and the hidden
// attribute. A process runs while it can be opened and has no exit code.
#include "platform/lockfiles.h"

#include "platform/winpaths.h"

#include <windows.h>

namespace LockFiles {

namespace {

qint64 secondsOf(const FILETIME &time)
{
    return ((qint64(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 10000000LL;
}

} // namespace

Made create(const NativePath &path, const QByteArray &content, QString *reason)
{
    HANDLE file = CreateFileW(WinPaths::wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                              CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS)
            return Made::Taken;
        if (reason)
            *reason = WinPaths::reason(error);
        return Made::Failed;
    }
    DWORD written = 0;
    (void)WriteFile(file, content.constData(), DWORD(content.size()), &written, nullptr);
    CloseHandle(file);
    return Made::Made;
}

std::optional<qint64> ageSeconds(const NativePath &path, const NativePath &probe)
{
    WIN32_FILE_ATTRIBUTE_DATA lock{};
    if (!GetFileAttributesExW(WinPaths::wide(path).c_str(), GetFileExInfoStandard, &lock))
        return std::nullopt;
    HANDLE file = CreateFileW(WinPaths::wide(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        FILETIME now{};
        GetSystemTimeAsFileTime(&now);
        return secondsOf(now) - secondsOf(lock.ftLastWriteTime);
    }
    // A byte written stamps the probe with the share's time.
    DWORD written = 0;
    (void)WriteFile(file, "x", 1, &written, nullptr);
    FILETIME created{}, accessed{}, modified{};
    const bool known = GetFileTime(file, &created, &accessed, &modified) != 0;
    CloseHandle(file);
    if (!known)
        return std::nullopt;
    return secondsOf(modified) - secondsOf(lock.ftLastWriteTime);
}

qint64 currentProcess()
{
    return qint64(GetCurrentProcessId());
}

bool isRunning(qint64 process)
{
    if (process <= 0)
        return false;
    HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(process));
    if (handle == nullptr)
        return GetLastError() == ERROR_ACCESS_DENIED;
    DWORD code = 0;
    const bool running = GetExitCodeProcess(handle, &code) && code == STILL_ACTIVE;
    CloseHandle(handle);
    return running;
}

QString systemKind()
{
    return QStringLiteral("windows");
}

void pause(int ms)
{
    Sleep(DWORD(ms));
}

} // namespace LockFiles
