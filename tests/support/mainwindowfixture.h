// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window's tests set up alike: a home and a settings file of the test run's own, a fresh folder for
// each test with the files it starts with, scripted dialogs, and the real main window. A test class takes it as a
// base, after QObject, and calls it from its own initTestCase, init and cleanup.
#pragma once

#include "app/mainwindow/mainwindow.h"
#include "scripteddialogs.h"
#include "testfiles.h"

#include <QAction>
#include <QTemporaryDir>

#include <memory>

// A window's action and a part of it by objectName; null when there is none.
inline QAction *action(const QWidget &window, const char *name)
{
    return window.findChild<QAction *>(QString::fromLatin1(name));
}

template <typename T> T *part(const QObject *parent, const char *name)
{
    return parent->findChild<T *>(QString::fromLatin1(name));
}

class MainWindowFixture {
protected:
    enum class Locale { System, UsEnglish };
    enum class Shown { No, Exposed, Active };

    // Once per test program: standard paths in test mode, the program's organization and application as the test's
    // own name (on Windows every test's settings are under the one user's folder, and the tests run side by side),
    // a home of its own set before QSettings first looks for it, and US English dates. False when the home cannot
    // be made.
    bool setUpProgram(const QString &application, Locale locale);
    // Before each test: the settings emptied, the dialogs' script and record cleared, and a fresh folder, made the
    // current directory when enter is true. False when the folder cannot be made.
    bool setUpFolder(bool enter);
    // The main window with the scripted dialogs, in the current directory; false when it was to be shown and did
    // not come up.
    bool openWindow(Shown shown);
    // After each test: the window, then the folder (which puts the current directory back).
    void tearDown();

    QTemporaryDir m_home;
    std::unique_ptr<TestFolder> m_folder;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<MainWindow> m_window;
};
