// SPDX-License-Identifier: GPL-3.0-or-later
// A file compared with what was installed, by its size first, so that a file grown large is not read at all.
#include "app/install/installedfile.h"

#include "platform/nativefile.h"

#include <QCryptographicHash>

namespace InstalledFile {

bool matches(const NativePath &path, qint64 size, const QByteArray &sha256Hex)
{
    const QByteArray expected = QByteArray::fromHex(sha256Hex);
    // fromHex passes over what is not a digit: the text must be the 64 digits and nothing else.
    if (size < 0 || sha256Hex.size() != 64 || expected.toHex() != sha256Hex.toLower())
        return false;
    const std::optional<QByteArray> bytes = NativeFile::readUnfollowed(path, size);
    return bytes && bytes->size() == size && QCryptographicHash::hash(*bytes, QCryptographicHash::Sha256) == expected;
}

} // namespace InstalledFile
