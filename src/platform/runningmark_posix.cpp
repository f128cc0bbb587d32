// SPDX-License-Identifier: GPL-3.0-or-later
// POSIX: nothing to hold; a package manager replaces the files of a running program and it runs on unharmed.
#include "platform/runningmark.h"

namespace RunningMark {

void hold() {}

} // namespace RunningMark
