// SPDX-License-Identifier: GPL-3.0-or-later
// The test process's own memory, as the system counts it, for the endurance test.
#pragma once

#include <QtGlobal>

namespace ProcessMemory {

// Resident memory now, and the most it has been, in kB; -1 where it cannot be read.
qint64 residentKb();
qint64 peakResidentKb();

} // namespace ProcessMemory
