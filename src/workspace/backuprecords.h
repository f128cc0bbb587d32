// SPDX-License-Identifier: GPL-3.0-or-later
// The program's last backup of each log it wrote, kept in the settings beside the recent files, so that a later run
// replaces only a backup it made itself and finds it again rather than making another; and what that write left in
// the log and did, so that it can be undone.
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
    // The last write of log with its backup; its write unknown when only a backup was made (the log's own write
    // then failed).
    Logbook::LastWrite lastWriteFor(const NativePath &log) const;
    // Remembers backup as the last one written for log, with no write to undo.
    void keep(const NativePath &log, const Logbook::BackupRecord &backup);
    // Remembers the write and its backup as the last of log.
    void keep(const NativePath &log, const Logbook::LastWrite &write);

private:
    struct Kept {
        NativePath log;
        Logbook::LastWrite write;
    };
    QList<Kept> load() const;

    AppSettings *m_settings;
};
