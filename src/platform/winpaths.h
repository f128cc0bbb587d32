// SPDX-License-Identifier: GPL-3.0-or-later
// For the Windows halves of the platform layer only: a path's units as the wide string the system calls take, and
// back.
#pragma once

#include "platform/nativepath.h"

#include <string>

namespace WinPaths {

// The name every system call takes: a full path ("C:\…", "\\server\share\…", '/' or '\' between names) in the
// literal form "\\?\C:\…" or "\\?\UNC\server\share\…", with "." and ".." read first, so that a name ending in a dot
// or a space is the file it names and a path may be longer than 260 units; a relative path, or one already in a
// system form ("\\?\…", "\\.\…"), as it is.
std::wstring wide(const NativePath &path);
NativePath fromWide(const wchar_t *text, size_t length);
// The system's words for a Win32 error code.
QString reason(unsigned long error);

} // namespace WinPaths
