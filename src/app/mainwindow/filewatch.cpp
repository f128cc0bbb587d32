// SPDX-License-Identifier: GPL-3.0-or-later
// Both the file and its folder are watched: the file's own watch sees writes in place, the folder's sees a file
// deleted or put in its place. Either only starts the settle timer; the look compares what is on disk now.
#include "app/mainwindow/filewatch.h"

#include "platform/nativefile.h"

FileWatch::FileWatch(QObject *parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(CheckIntervalMs);
    connect(&m_settle, &QTimer::timeout, this, &FileWatch::look);
    const auto settle = [this] { m_settle.start(); };
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, settle);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, settle);
}

void FileWatch::watch(const NativePath &path, const FileFacts &loaded)
{
    stop();
    m_path = path;
    m_loaded = {false, loaded.size, loaded.digest};
    m_seen = m_loaded;
    arm(NativeFile::inspect(path).refusal != NativeFile::Refusal::NotFound);
}

void FileWatch::stop()
{
    m_settle.stop();
    if (const QStringList watched = m_watcher.files() + m_watcher.directories(); !watched.isEmpty())
        m_watcher.removePaths(watched);
    m_path = {};
}

void FileWatch::arm(bool present)
{
    const QString file = m_path.toText();
    const QString folder = m_path.parent().toText();
    if (!folder.isEmpty() && !m_watcher.directories().contains(folder))
        m_watcher.addPath(folder);
    // Taken off and put back: a watch still on a replaced file that some program holds open would see nothing of
    // the file that now has the name.
    if (m_watcher.files().contains(file))
        m_watcher.removePath(file);
    if (present)
        m_watcher.addPath(file);
}

void FileWatch::look()
{
    if (m_path.isEmpty())
        return;
    ++m_looks;
    ++m_reads;
    const HymnFileLoader::DiskFile now = HymnFileLoader::readWhole(m_path);
    // A file that cannot be read counts as changed, once, until it can be read again.
    const Seen seen = now.missing ? Seen{true, -1, {}} : Seen{false, now.facts.size, now.facts.digest};
    arm(!now.missing);
    if (seen == m_seen)
        return;
    m_seen = seen;
    Q_EMIT changed(seen.missing ? Disk::Deleted : seen == m_loaded ? Disk::AsLoaded : Disk::Changed);
}
