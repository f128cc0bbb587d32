// SPDX-License-Identifier: GPL-3.0-or-later
// A file is tried beside the hymnal set and taken only when it is a hymnal text, so that a wrong choice costs
// nothing; its folder's book list and lectionary are read with it.
#include "workspace/hymnal.h"

#include "store/booklistreader.h"
#include "workspace/appsettings.h"
#include "workspace/recentfiles.h"

using namespace Qt::StringLiterals;

Hymnal::Hymnal(AppSettings *settings, QObject *parent)
    : QObject(parent), m_settings(settings), m_watch(new FileWatch(this)), m_lectionaryWatch(new FileWatch(this))
{
    m_watch->setObjectName(u"HymnalWatch"_s);
    m_lectionaryWatch->setObjectName(u"LectionaryWatch"_s);
    connect(m_watch, &FileWatch::changed, this, &Hymnal::followDisk);
    // Whatever became of it (edited, saved over, made or removed), the lectionary is simply read again.
    connect(m_lectionaryWatch, &FileWatch::changed, this, &Hymnal::readLectionary);
}

NativePath Hymnal::lectionaryPath() const
{
    return isSet() ? m_file.path().parent().child(Calendar::LectionaryFile::fileName()) : NativePath();
}

void Hymnal::loadLectionary()
{
    FileFacts facts;
    m_lectionary = Calendar::LectionaryFile::readFile(lectionaryPath(), &facts);
    m_lectionaryWatch->watch(lectionaryPath(), facts);
}

void Hymnal::readLectionary()
{
    if (!isSet())
        return;
    loadLectionary();
    Q_EMIT lectionaryChanged();
}

bool Hymnal::load(const NativePath &path)
{
    // Read beside the hymnal set, which stays as it is when the file is no hymnal.
    LoadedFile candidate;
    if (!candidate.load(path).opened || candidate.kind() != LoadedFile::Kind::Hymnal)
        return false;
    m_file.take(candidate);
    m_books = BookListReader::readFile(path.parent().child(BookListReader::fileName())).names;
    loadLectionary();
    return true;
}

void Hymnal::forget()
{
    m_file.clear();
    m_books.clear();
    m_lectionary = {};
    m_lectionaryWatch->stop();
}

bool Hymnal::set(const NativePath &path)
{
    if (!load(path))
        return false;
    m_watch->watch(path, m_file.readFromDisk());
    if (m_settings != nullptr)
        m_settings->setHymnalPath(path);
    Q_EMIT changed();
    return true;
}

void Hymnal::clear()
{
    forget();
    m_watch->stop();
    if (m_settings != nullptr)
        m_settings->forgetHymnalPath();
    Q_EMIT changed();
}

void Hymnal::restore()
{
    if (m_settings == nullptr)
        return;
    const NativePath path = m_settings->hymnalPath();
    if (RecentFiles::isKeepable(path) && load(path)) {
        m_watch->watch(path, m_file.readFromDisk());
        Q_EMIT changed();
    }
}

void Hymnal::followDisk(FileWatch::Disk disk)
{
    // A hymnal deleted stays as it was read; one saved over it by rename comes back as a change.
    if (disk == FileWatch::Disk::Deleted || (disk == FileWatch::Disk::AsLoaded && isSet()))
        return;
    const NativePath path = m_watch->path();
    // A file that is no hymnal now leaves none set, and is still watched for when it is one again.
    if (load(path))
        m_watch->watch(path, m_file.readFromDisk());
    else
        forget();
    Q_EMIT changed();
}
