// SPDX-License-Identifier: GPL-3.0-or-later
// Where the user's settings are kept, so that the file can be judged before QSettings is made: QSettings reads its
// files as soon as it is made, and would wait for ever on a pipe put in a file's place.
#pragma once

#include <QString>

namespace SettingsLocation {

// The file organization's application's user settings are kept in, on every system (on Windows an INI file, not the
// registry).
QString file(const QString &organization, const QString &application);

} // namespace SettingsLocation
