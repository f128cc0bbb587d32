// SPDX-License-Identifier: GPL-3.0-or-later
// A polled name is judged by its stamp alone: size, identity and write times, which a folder renamed away, a file
// saved over the name or a touch all change.
#include "platform/pathwatch.h"

#include "platform/pathwatchnotifier.h"

namespace {

bool g_pollOnly = false;

} // namespace

PathWatch::PathWatch(QObject *parent) : QObject(parent), m_notifier(new PathWatchNotifier(this))
{
    m_poll.setInterval(PollIntervalMs);
    connect(&m_poll, &QTimer::timeout, this, &PathWatch::poll);
    connect(m_notifier, &PathWatchNotifier::stirred, this, &PathWatch::stirred);
    connect(m_notifier, &PathWatchNotifier::givenUp, this, [this] {
        m_polled = FileStamp::of(m_path);
        m_poll.start();
    });
}

PathWatch::~PathWatch() = default;

void PathWatch::watch(const NativePath &path)
{
    if (path != m_path)
        stop();
    m_path = path;
    if (path.isEmpty())
        return;
    if (!g_pollOnly && m_notifier->watch(path)) {
        m_poll.stop();
        return;
    }
    m_notifier->stop();
    if (!m_poll.isActive()) {
        m_polled = FileStamp::of(path);
        m_poll.start();
    }
}

void PathWatch::stop()
{
    m_notifier->stop();
    m_poll.stop();
    m_path = {};
    m_polled = {};
}

void PathWatch::pollOnly(bool poll)
{
    g_pollOnly = poll;
}

void PathWatch::poll()
{
    const FileStamp now = FileStamp::of(m_path);
    if (now == m_polled)
        return;
    m_polled = now;
    Q_EMIT stirred();
}
