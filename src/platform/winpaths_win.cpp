// SPDX-License-Identifier: GPL-3.0-or-later
// The units of a NativePath on Windows are the UTF-16 code units themselves.
#include "platform/winpaths.h"

#include <windows.h>

namespace WinPaths {

std::wstring wide(const NativePath &path)
{
    const QByteArray &units = path.units();
    return std::wstring(reinterpret_cast<const wchar_t *>(units.constData()), size_t(units.size() / 2));
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
    return text.isEmpty() ? QStringLiteral("error %1").arg(error) : text;
}

} // namespace WinPaths
