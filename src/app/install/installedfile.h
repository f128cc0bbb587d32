// SPDX-License-Identifier: GPL-3.0-or-later
// The question the Windows uninstaller asks the installed program before it deletes a file: is this still the file
// that was installed? The sizes and SHA-256 digests are taken from the installed tree when the installer is made.
#pragma once

#include "platform/nativepath.h"

#include <QByteArray>

namespace InstalledFile {

// True only when path is a regular file (never read through a link) of exactly size bytes whose SHA-256 is
// sha256Hex (64 hexadecimal digits, either case). Anything else, a file that cannot be read included, is false:
// the file is then kept.
bool matches(const NativePath &path, qint64 size, const QByteArray &sha256Hex);

} // namespace InstalledFile
