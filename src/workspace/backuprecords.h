// SPDX-License-Identifier: GPL-3.0-or-later
// The program's last backup of each log it added a service to, kept in the settings beside the recent files, so
// that a later run replaces only a backup it made itself and finds it again rather than making another.
#pragma once

#include "logbook/writeservice.h"
#include "platform/nativepath.h"

#include <QList>

class AppSettings;

class BackupRecords {
public:
    // The most logs remembered; the least recently written is forgotten first.
    static constexpr int kKept = 32;

    explicit BackupRecords(AppSettings *settings) : m_settings(settings) {}

    // The last backup written for log; unknown when none is remembered (or the settings are not kept).
    Logbook::BackupRecord lastFor(const NativePath &log) const;
    // Remembers backup as the last one written for log.
    void keep(const NativePath &log, const Logbook::BackupRecord &backup);

private:
    struct Kept {
        NativePath log;
        Logbook::BackupRecord backup;
    };
    QList<Kept> load() const;

    AppSettings *m_settings;
};
