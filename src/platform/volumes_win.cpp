// SPDX-License-Identifier: GPL-3.0-or-later
// The drive letters, as drive lists have always shown them ("c:", "d: [DATA]"). Only fixed drives are asked for
// their labels: asking an empty removable drive or a disconnected network drive can take seconds, or ask the user
// to insert a disk. Those are touched only when chosen, which then fails with the usual message if they are not ready.
#include "platform/volumes.h"

#include "platform/winpaths.h"

#include <windows.h>

using namespace Qt::StringLiterals;

namespace Volumes {

std::vector<Volume> systemList()
{
    std::vector<Volume> volumes;
    std::wstring buffer(512, L'\0');
    const DWORD length = GetLogicalDriveStringsW(DWORD(buffer.size()), buffer.data());
    if (length == 0 || length > buffer.size())
        return volumes;
    for (const wchar_t *root = buffer.data(); *root != L'\0'; root += wcslen(root) + 1) {
        const NativePath path = WinPaths::fromWide(root, wcslen(root));
        QString shown = QString::fromWCharArray(root, 2).toLower();
        if (GetDriveTypeW(root) == DRIVE_FIXED) {
            wchar_t label[MAX_PATH + 1] = {};
            if (GetVolumeInformationW(root, label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0) &&
                label[0] != L'\0')
                shown += u" ["_s + QString::fromWCharArray(label) + u']';
        }
        volumes.push_back({path, shown});
    }
    return volumes;
}

} // namespace Volumes
