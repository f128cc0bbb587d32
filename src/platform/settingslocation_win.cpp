// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: an INI file in the user's local application data, like the POSIX file, rather than the registry, so
// that the settings behave alike on both systems and can be looked at, copied and deleted as a file.
#include "platform/settingslocation.h"

#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace SettingsLocation {

QString file(const QString &organization, const QString &application)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + organization + u'/' +
           application + u".ini"_s;
}

} // namespace SettingsLocation
