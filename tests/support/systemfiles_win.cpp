// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: named pipes live in their own namespace (\\.\pipe\), never in a folder beside files.
#include "systemfiles.h"

namespace SystemFiles {

bool hasFifos()
{
    return false;
}

bool makeFifo(const QString &)
{
    return false;
}

} // namespace SystemFiles
