// SPDX-License-Identifier: GPL-3.0-or-later
// Test folders put the process back where it was, so one test cannot move the next.
#include "testfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QSettings>

#include "platform/settingslocation.h"

TestFolder::TestFolder() : m_previous(QDir::currentPath()) {}

TestFolder::~TestFolder()
{
    QDir::setCurrent(m_previous);
}

QString TestFolder::write(const QString &name, const QByteArray &bytes) const
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return path;
}

void TestFolder::enter()
{
    QDir::setCurrent(m_dir.path());
}

QByteArray sample(const char *name)
{
    QFile file(QStringLiteral(CANTORIX_SAMPLES_DIR "/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::unique_ptr<QSettings> programSettings()
{
    return std::make_unique<QSettings>(
        SettingsLocation::file(QCoreApplication::organizationName(), QCoreApplication::applicationName()),
        QSettings::IniFormat);
}

QProcessEnvironment withoutDisplay(const QString &home, const QString &platform)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString &name :
         {QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("QT_QPA_PLATFORM")})
        env.remove(name);
    if (!platform.isEmpty())
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    env.insert(QStringLiteral("HOME"), home);
    return env;
}
