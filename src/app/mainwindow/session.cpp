// SPDX-License-Identifier: GPL-3.0-or-later
// Loading through the session records, in the same pass, what the file was when it was read.
#include "app/mainwindow/session.h"

Session::Session(QObject *parent) : QObject(parent) {}

LoadOutcome Session::load(const NativePath &path)
{
    m_path = path;
    const LoadOutcome outcome = HymnFileLoader::loadFile(path, m_store, &m_facts);
    if (!outcome.opened)
        m_kind = Kind::None;
    else
        m_kind = m_store.isVerseFile() ? Kind::Hymnal : Kind::ServiceLog;
    Q_EMIT loaded();
    return outcome;
}

void Session::clear()
{
    m_store.clear();
    m_path = {};
    m_kind = Kind::None;
    m_facts = {};
    Q_EMIT loaded();
}
