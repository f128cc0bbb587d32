// SPDX-License-Identifier: GPL-3.0-or-later
// Where the user's settings are kept, so that the file can be judged before QSettings is made: QSettings reads its
// files as soon as it is made, and would wait for ever on a pipe put in a file's place.
#pragma once

#include <QString>

namespace SettingsLocation {

// The file the native settings format keeps organization's application's user settings in; empty where the system
// keeps them elsewhere than in a file (a registry), which QSettings then reads as it is.
QString file(const QString &organization, const QString &application);

} // namespace SettingsLocation
