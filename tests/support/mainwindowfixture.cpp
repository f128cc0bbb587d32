// SPDX-License-Identifier: GPL-3.0-or-later
// The window is made after the test's files are written, so that its file list starts with them.
#include "mainwindowfixture.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

bool MainWindowFixture::setUpProgram(const QString &application, Locale locale)
{
    // The settings file may be made a pipe or a folder there, which must never reach another run's settings; and two
    // copies of one test run at once (from two build folders) would otherwise clear each other's settings.
    if (!m_home.isValid())
        return false;
    qputenv("HOME", QFile::encodeName(m_home.path()));
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Cantorix2"));
    QCoreApplication::setApplicationName(application);
    if (locale == Locale::UsEnglish)
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return true;
}

bool MainWindowFixture::setUpFolder(bool enter)
{
    programSettings()->clear();
    m_dialogs.reset();
    m_folder = std::make_unique<TestFolder>();
    if (!m_folder->isValid())
        return false;
    if (enter)
        m_folder->enter();
    return true;
}

bool MainWindowFixture::openWindow(Shown shown)
{
    m_window = std::make_unique<MainWindow>(&m_dialogs);
    if (shown == Shown::No)
        return true;
    m_window->show();
    return shown == Shown::Exposed ? QTest::qWaitForWindowExposed(m_window.get())
                                   : QTest::qWaitForWindowActive(m_window.get());
}

void MainWindowFixture::tearDown()
{
    m_window.reset();
    m_folder.reset();
}
