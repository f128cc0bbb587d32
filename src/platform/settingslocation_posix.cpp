// SPDX-License-Identifier: GPL-3.0-or-later
// POSIX desktops: an INI file under the XDG configuration folder, where QSettings' native format puts it (and where
// QStandardPaths' test mode moves it).
#include "platform/settingslocation.h"

#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace SettingsLocation {

QString file(const QString &organization, const QString &application)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + organization + u'/' +
           application + u".conf"_s;
}

} // namespace SettingsLocation
