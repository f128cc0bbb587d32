// SPDX-License-Identifier: GPL-3.0-or-later
// The test seam of the atomic writer; the writing itself is the system's (savefile_posix.cpp, savefile_win.cpp).
#include "platform/savefile.h"

namespace SaveFile {

namespace {
int g_failWith = 0;
} // namespace

void failWritesWith(int error)
{
    g_failWith = error;
}

int simulatedFailure()
{
    return g_failWith;
}

} // namespace SaveFile
