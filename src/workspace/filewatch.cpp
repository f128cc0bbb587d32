// SPDX-License-Identifier: GPL-3.0-or-later
// The platform's PathWatch says when something may have changed the file; the first such word starts the check
// timer and the rest wait for it, so a file written without pause is still looked at once an interval. A look asks
// the size first: a file whose size is not the loaded one is changed without reading it, and a further change of
// such a file is told by its size and stamp. Only a file of the loaded size is read and hashed.
#include "workspace/filewatch.h"

#include "platform/filestamp.h"

FileWatch::FileWatch(QObject *parent) : QObject(parent)
{
    m_check.setSingleShot(true);
    m_check.setInterval(CheckIntervalMs);
    connect(&m_check, &QTimer::timeout, this, &FileWatch::look);
    connect(&m_pathWatch, &PathWatch::stirred, this, &FileWatch::stirred);
}

void FileWatch::watch(const NativePath &path, const FileFacts &loaded)
{
    // A look already due is kept: it may be for a change made just before the file was loaded again.
    if (path != m_path)
        m_check.stop();
    m_path = path;
    m_loaded = loaded.isKnown() ? Seen{Seen::Kind::Read, loaded.size, loaded.digest, {}} : Seen{};
    m_seen = m_loaded;
    m_pathWatch.watch(path);
}

void FileWatch::stop()
{
    m_check.stop();
    m_pathWatch.stop();
    m_path = {};
}

void FileWatch::stirred()
{
    // Not restarted: a restart with every write would put the look off for as long as the writes go on.
    if (!m_check.isActive())
        m_check.start();
}

FileWatch::Seen FileWatch::seenNow()
{
    const FileStamp stamp = FileStamp::of(m_path);
    if (stamp.kind == FileStamp::Kind::Missing)
        return {};
    if (stamp.kind == FileStamp::Kind::File && stamp.size != m_loaded.size)
        return {Seen::Kind::Sized, stamp.size, {}, stamp.written};
    ++m_reads;
    const HymnFileLoader::DiskFile now = HymnFileLoader::readWhole(m_path);
    if (now.missing)
        return {};
    // A file that cannot be read counts as changed, once, until it can be read again.
    if (!now.ok())
        return {Seen::Kind::Unreadable, -1, {}, {}};
    return {Seen::Kind::Read, now.facts.size, now.facts.digest, {}};
}

void FileWatch::look()
{
    if (m_path.isEmpty())
        return;
    ++m_looks;
    const Seen seen = seenNow();
    if (seen == m_seen)
        return;
    m_seen = seen;
    Q_EMIT changed(seen.kind == Seen::Kind::Missing ? Disk::Deleted
                   : seen == m_loaded               ? Disk::AsLoaded
                                                    : Disk::Changed);
}
