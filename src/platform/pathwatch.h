// SPDX-License-Identifier: GPL-3.0-or-later
// Watching a file by its native name for anything that may have changed what the name holds: the file written in
// place, touched, replaced or deleted, or its folder or a folder above it renamed, removed and made again. It only
// says that something stirred; what changed is for the caller to look at. Where the system tells of changes as they
// happen (inotify on Linux) it is asked to; elsewhere, and where the system has no watch left to give, the name is
// polled.
#pragma once

#include "platform/filestamp.h"
#include "platform/nativepath.h"

#include <QObject>
#include <QTimer>

class PathWatchNotifier;

class PathWatch : public QObject {
    Q_OBJECT
public:
    // How often a polled name is looked at.
    static constexpr int PollIntervalMs = 500;

    explicit PathWatch(QObject *parent = nullptr);
    ~PathWatch() override;

    // Watches path in place of whatever was watched. Watching the same path again keeps what was seen of it, so a
    // change made just before (the program's own write) is still told.
    void watch(const NativePath &path);
    void stop();

    // Tests: every watch started from now on polls, as where the system cannot tell of changes.
    static void pollOnly(bool poll);

Q_SIGNALS:
    // Something may have changed what the name holds.
    void stirred();

private:
    void poll();

    PathWatchNotifier *m_notifier;
    QTimer m_poll;
    NativePath m_path;
    FileStamp m_polled;
};
