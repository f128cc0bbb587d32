// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: the working set and its peak.
#include "processmemory.h"

#include <windows.h>

#include <psapi.h>

namespace ProcessMemory {

namespace {
bool counters(PROCESS_MEMORY_COUNTERS &out)
{
    return GetProcessMemoryInfo(GetCurrentProcess(), &out, sizeof out) != 0;
}
} // namespace

qint64 residentKb()
{
    PROCESS_MEMORY_COUNTERS info{};
    return counters(info) ? qint64(info.WorkingSetSize / 1024) : -1;
}

qint64 peakResidentKb()
{
    PROCESS_MEMORY_COUNTERS info{};
    return counters(info) ? qint64(info.PeakWorkingSetSize / 1024) : -1;
}

} // namespace ProcessMemory
