// SPDX-License-Identifier: GPL-3.0-or-later
// What tests put under a file's name that only some systems have: table rows that need it are added where it can be
// made.
#pragma once

#include <QString>

namespace SystemFiles {

// True where a named pipe can stand in a folder (POSIX; Windows keeps its pipes elsewhere).
bool hasFifos();
// Makes a named pipe at path; false where there are none or it could not be made.
bool makeFifo(const QString &path);

} // namespace SystemFiles
