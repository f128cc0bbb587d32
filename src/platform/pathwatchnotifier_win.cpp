// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: the system is not asked, and PathWatch polls the name. A change notification (FindFirstChangeNotification,
// ReadDirectoryChangesW) holds the watched folder open, which can keep the user from renaming or removing it or a
// folder above it, and it says nothing when a folder above is renamed, which a poll would have to catch all the same.
// A poll looks at the name's attributes twice a second and opens nothing.
#include "platform/pathwatchnotifier.h"

struct PathWatchNotifier::System {};

PathWatchNotifier::PathWatchNotifier(QObject *parent) : QObject(parent) {}

PathWatchNotifier::~PathWatchNotifier() = default;

bool PathWatchNotifier::watch(const NativePath &)
{
    return false;
}

void PathWatchNotifier::stop() {}
