// SPDX-License-Identifier: GPL-3.0-or-later
// Linux: inotify, read when its descriptor is readable. The file is watched for writes and touches, its folder for
// the file's name coming and going, and every folder above for the name of the next folder down, so that a folder
// renamed away, removed or made again anywhere on the path is told at once; inotify on the folder alone would follow
// it to wherever it was moved and say nothing of a folder above. Whenever a name on the path changed, the watches are
// set again along the path as it is now: the file that has the name now is watched, and a folder made again is
// watched once its parent, which was, tells of it. Each folder on the path costs one watch.
#include "platform/pathwatchnotifier.h"

#include <QByteArrayView>
#include <QMultiHash>
#include <QSocketNotifier>

#include <cerrno>
#include <sys/inotify.h>
#include <unistd.h>

namespace {

constexpr uint32_t kFileEvents = IN_MODIFY | IN_ATTRIB | IN_MOVE_SELF | IN_DELETE_SELF;
constexpr uint32_t kFolderEvents =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MOVE_SELF | IN_DELETE_SELF | IN_ONLYDIR;
// The watched file or folder itself went away (or its file system did), or events were lost.
constexpr uint32_t kGone = IN_MOVE_SELF | IN_DELETE_SELF | IN_IGNORED | IN_UNMOUNT | IN_Q_OVERFLOW;

// The name is padded with NULs to the length given.
QByteArrayView nameOf(const inotify_event &event)
{
    const char *name = event.name;
    return QByteArrayView(name, qstrnlen(name, event.len));
}

} // namespace

struct PathWatchNotifier::System {
    int fd = -1;
    QSocketNotifier *readable = nullptr;
    NativePath path;
    // Each watch with the name in its folder that leads to the file; an empty name for the file itself.
    QMultiHash<int, QByteArray> leads;

    bool arm();
    void disarm();
    bool take(bool &rearm);
};

// Watches are added before the old ones are taken off: one on a file or folder still on the path keeps its number,
// and what it told meanwhile is still understood.
bool PathWatchNotifier::System::arm()
{
    QMultiHash<int, QByteArray> now;
    const auto add = [&](const NativePath &name, uint32_t events, const QByteArray &lead) {
        const int watch = ::inotify_add_watch(fd, name.units().constData(), events);
        if (watch >= 0) {
            now.insert(watch, lead);
            return true;
        }
        // Nothing by that name for now, or nothing this user may watch: the folder above tells when that changes.
        return errno != ENOSPC && errno != ENOMEM;
    };
    bool given = add(path, kFileEvents, {});
    NativePath below = path;
    for (NativePath folder = path.parent(); given && !folder.isEmpty(); below = folder, folder = folder.parent())
        given = add(folder, kFolderEvents, below.baseName().units());
    for (auto watch = leads.keyBegin(); watch != leads.keyEnd(); ++watch) {
        if (!now.contains(*watch))
            ::inotify_rm_watch(fd, *watch);
    }
    // Nothing on the path could be watched (no folder on it may be read): the name is polled instead.
    const bool any = !now.isEmpty();
    leads = std::move(now);
    return given && any;
}

void PathWatchNotifier::System::disarm()
{
    for (auto watch = leads.keyBegin(); watch != leads.keyEnd(); ++watch)
        ::inotify_rm_watch(fd, *watch);
    leads.clear();
    path = {};
}

// Reads every event waiting. True when one may concern the file; rearm is set when a name on the path changed.
// Events of watches already taken off are passed over.
bool PathWatchNotifier::System::take(bool &rearm)
{
    alignas(inotify_event) char buffer[16 * 1024];
    bool stirred = false;
    for (;;) {
        const ssize_t length = ::read(fd, buffer, sizeof buffer);
        if (length < 0 && errno == EINTR)
            continue;
        if (length <= 0)
            return stirred;
        for (ssize_t at = 0; at < length;) {
            const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
            at += ssize_t(sizeof(inotify_event) + event->len);
            if ((event->mask & IN_Q_OVERFLOW) != 0) {
                stirred = rearm = true;
                continue;
            }
            for (auto lead = leads.constFind(event->wd); lead != leads.cend() && lead.key() == event->wd; ++lead) {
                const bool gone = (event->mask & kGone) != 0;
                if (lead->isEmpty()) {
                    stirred = true;
                    rearm = rearm || gone;
                } else if (gone || (event->len > 0 && nameOf(*event) == *lead)) {
                    stirred = rearm = true;
                }
            }
        }
    }
}

PathWatchNotifier::PathWatchNotifier(QObject *parent) : QObject(parent), m_system(std::make_unique<System>()) {}

PathWatchNotifier::~PathWatchNotifier()
{
    // The notifier goes before the descriptor it listens on.
    delete m_system->readable;
    if (m_system->fd >= 0)
        ::close(m_system->fd);
}

bool PathWatchNotifier::watch(const NativePath &path)
{
    System &system = *m_system;
    if (system.fd < 0) {
        system.fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (system.fd < 0)
            return false;
        system.readable = new QSocketNotifier(system.fd, QSocketNotifier::Read, this);
        connect(system.readable, &QSocketNotifier::activated, this, [this] {
            bool rearm = false;
            if (!m_system->take(rearm))
                return;
            if (rearm && !m_system->arm()) {
                stop();
                Q_EMIT givenUp();
            }
            Q_EMIT stirred();
        });
    }
    system.path = path;
    if (system.arm())
        return true;
    stop();
    return false;
}

void PathWatchNotifier::stop()
{
    if (m_system->fd >= 0)
        m_system->disarm();
}
