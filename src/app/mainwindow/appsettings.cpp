// SPDX-License-Identifier: GPL-3.0-or-later
// Only the program's own file is read: the fallback files QSettings would read besides it could be pipes as well.
#include "app/mainwindow/appsettings.h"

#include "platform/nativefile.h"
#include "platform/settingslocation.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>

#include <cstdio>

AppSettings::AppSettings()
    : m_file(SettingsLocation::file(QCoreApplication::organizationName(), QCoreApplication::applicationName()))
{
    open();
}

AppSettings::~AppSettings() = default;

std::unique_ptr<QSettings> AppSettings::open()
{
    if (!m_kept)
        return nullptr;
    // Where the system keeps settings outside a file, nothing can stand in the file's place.
    if (m_file.isEmpty())
        return std::make_unique<QSettings>();
    const NativePath file = NativePath::fromText(m_file);
    const NativeFile::Refusal kind = NativeFile::inspect(file).refusal;
    if (kind == NativeFile::Refusal::Folder || kind == NativeFile::Refusal::NotRegular) {
        m_kept = false;
        std::fprintf(stderr,
                     "cantorix2: the settings file %s is not a regular file; no settings are read or kept this run\n",
                     file.storedForm().constData());
        return nullptr;
    }
    return std::make_unique<QSettings>(m_file, QSettings::IniFormat);
}
