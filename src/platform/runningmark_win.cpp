// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: "Cantorix2.Running" in the session's own namespace, which the installer always sees, and in the global
// one, which it sees for a copy another signed-in user runs. The handles are never closed: the system lets go of
// them when the process ends, however it ends.
#include "platform/runningmark.h"

#include <windows.h>

#include <initializer_list>

namespace RunningMark {

void hold()
{
    for (const wchar_t *name : {L"Cantorix2.Running", L"Global\\Cantorix2.Running"})
        (void)CreateMutexW(nullptr, FALSE, name);
}

} // namespace RunningMark
