// SPDX-License-Identifier: GPL-3.0-or-later
// The units of a NativePath on Windows are the UTF-16 code units themselves. A full path goes to the system in its
// literal form ("\\?\C:\…", "\\?\UNC\server\share\…"): the usual form has Win32 strip a name's trailing dots and
// spaces, so that "Dot.txt." would open "Dot.txt", and stops at 260 units.
#include "platform/winpaths.h"

#include "platform/folderaccess.h"

#include <windows.h>

#include <vector>

namespace WinPaths {

namespace {

bool isSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

bool isDriveLetter(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

// The names after a root, with "." dropped and ".." taking the name before it (never the root itself), as Win32
// would have read them: the literal form takes every name as it is written.
std::wstring joinedNames(std::wstring_view rest)
{
    std::vector<std::wstring_view> names;
    while (!rest.empty()) {
        size_t end = 0;
        while (end < rest.size() && !isSeparator(rest[end]))
            ++end;
        const std::wstring_view name = rest.substr(0, end);
        rest.remove_prefix(end < rest.size() ? end + 1 : end);
        if (name.empty() || name == L".")
            continue;
        if (name == L"..") {
            if (!names.empty())
                names.pop_back();
            continue;
        }
        names.push_back(name);
    }
    std::wstring joined;
    for (const std::wstring_view name : names) {
        if (!joined.empty())
            joined += L'\\';
        joined += name;
    }
    return joined;
}

} // namespace

std::wstring wide(const NativePath &path)
{
    const QByteArray &units = path.units();
    const std::wstring given(reinterpret_cast<const wchar_t *>(units.constData()), size_t(units.size() / 2));
    const std::wstring_view text = given;
    // "\\?\…" and "\\.\…" are already the system's own forms; anything relative stays relative.
    if (text.size() >= 4 && isSeparator(text[0]) && isSeparator(text[1]) && (text[2] == L'?' || text[2] == L'.') &&
        isSeparator(text[3]))
        return given;
    const bool trailing = !text.empty() && isSeparator(text.back());
    std::wstring literal;
    if (text.size() >= 3 && isDriveLetter(text[0]) && text[1] == L':' && isSeparator(text[2])) {
        literal = std::wstring(L"\\\\?\\") + text[0] + L":\\" + joinedNames(text.substr(3));
    } else if (text.size() >= 2 && isSeparator(text[0]) && isSeparator(text[1])) {
        // The server and the share are the root: ".." never climbs above them.
        std::wstring_view rest = text.substr(2);
        std::wstring root;
        for (int part = 0; part < 2 && !rest.empty(); ++part) {
            size_t end = 0;
            while (end < rest.size() && !isSeparator(rest[end]))
                ++end;
            if (end == 0)
                return given;
            root += L'\\';
            root += rest.substr(0, end);
            rest.remove_prefix(end < rest.size() ? end + 1 : end);
        }
        const std::wstring names = joinedNames(rest);
        literal = L"\\\\?\\UNC" + root + (names.empty() ? std::wstring() : L"\\" + names);
    } else {
        return given;
    }
    // A folder named with its separator keeps it.
    if (trailing && !isSeparator(literal.back()))
        literal += L'\\';
    return literal;
}

NativePath fromWide(const wchar_t *text, size_t length)
{
    return NativePath::fromUnits(QByteArray(reinterpret_cast<const char *>(text), qsizetype(length * 2)));
}

QString reason(unsigned long error)
{
    wchar_t *buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t *>(&buffer), 0, nullptr);
    QString text = length > 0 ? QString::fromWCharArray(buffer, int(length)).trimmed() : QString();
    LocalFree(buffer);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text.isEmpty() ? FolderAccess::unnamedReason(qint64(error)) : text;
}

} // namespace WinPaths
