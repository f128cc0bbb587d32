// SPDX-License-Identifier: GPL-3.0-or-later
// A mark the running program holds until it exits, so that its installer and uninstaller can tell that it runs and
// ask the user to close it first, rather than leave a program half removed. On Windows a named mutex (under the
// name packaging/windows/installer.nsi looks for), in the session and across sessions; nothing on POSIX, where a
// package is replaced under a running program without harm.
#pragma once

namespace RunningMark {

// Takes the mark for the rest of the process's life; a second copy running takes it too.
void hold();

} // namespace RunningMark
