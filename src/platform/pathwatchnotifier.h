// SPDX-License-Identifier: GPL-3.0-or-later
// PathWatch's system half: the system telling of changes to a name as they happen, where it can. Chosen by file:
// pathwatchnotifier_linux.cpp (inotify), pathwatchnotifier_win.cpp (none: the name is polled).
#pragma once

#include "platform/nativepath.h"

#include <QObject>

#include <memory>

class PathWatchNotifier : public QObject {
    Q_OBJECT
public:
    explicit PathWatchNotifier(QObject *parent = nullptr);
    ~PathWatchNotifier() override;

    // Asks the system to tell of changes to path and to every folder on the way to it, in place of whatever was
    // watched; false where it cannot, for the name to be polled instead.
    bool watch(const NativePath &path);
    void stop();

Q_SIGNALS:
    void stirred();
    // The system would not go on watching the path (it has no watch left to give): it is to be polled from now on.
    void givenUp();

private:
    struct System;
    std::unique_ptr<System> m_system;
};
