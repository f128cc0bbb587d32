// SPDX-License-Identifier: GPL-3.0-or-later
// For the Windows halves of the platform layer only: a path's units as the wide string the system calls take, and
// back.
#pragma once

#include "platform/nativepath.h"

#include <string>

namespace WinPaths {

std::wstring wide(const NativePath &path);
NativePath fromWide(const wchar_t *text, size_t length);
// The system's words for a Win32 error code.
QString reason(unsigned long error);

} // namespace WinPaths
