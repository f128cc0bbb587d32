// SPDX-License-Identifier: GPL-3.0-or-later
// Writing test files into a temporary folder, and moving the process into it for the window's bare file names.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class QProcessEnvironment;
class QSettings;

class TestFolder {
public:
    TestFolder();
    ~TestFolder(); // restores the current directory

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    // Writes bytes to name in the folder; returns the full path.
    QString write(const QString &name, const QByteArray &bytes) const;
    // Makes the folder the current directory (undone by the destructor).
    void enter();

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// The bytes of a file of the samples' folder (ServiceLog.txt, Hymnal.txt, BibleBooks.txt, Lectionary.txt); empty
// when it cannot be read.
QByteArray sample(const char *name);

// The program's settings file for the application's names, opened as the program opens it: an INI file on every
// system (QSettings() would take the registry on Windows).
std::unique_ptr<QSettings> programSettings();

// The environment for starting the program itself: this process's, without a display, with the platform given (if
// any) and home as its home.
QProcessEnvironment withoutDisplay(const QString &home, const QString &platform);
