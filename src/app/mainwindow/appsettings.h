// SPDX-License-Identifier: GPL-3.0-or-later
// The one file the program keeps its settings in (the recent files, where windows were, the hymnal), judged
// before QSettings is made: QSettings reads its files as soon as it is made, and would wait for ever on a pipe put
// in the file's place. A file that is there but is not a regular file is neither read nor written for as long as
// this object lives.
#pragma once

#include <QString>

#include <memory>

class QSettings;

class AppSettings {
public:
    // Looks at the settings file; stderr says once when it is not kept.
    AppSettings();
    ~AppSettings();

    // False once the settings file was found not to be a regular file.
    bool isKept() const { return m_kept; }
    // The settings to read or write, or nothing when the file is not kept. The file is looked at again each time.
    std::unique_ptr<QSettings> open();

private:
    QString m_file; // empty where the system keeps settings outside a file
    bool m_kept = true;
};
