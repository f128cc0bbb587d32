// SPDX-License-Identifier: GPL-3.0-or-later
// Loading through the loaded file records, in the same pass, what the file was when it was read.
#include "workspace/loadedfile.h"

#include <utility>

LoadedFile::LoadedFile(QObject *parent) : QObject(parent) {}

LoadOutcome LoadedFile::load(const NativePath &path)
{
    m_path = path;
    const LoadOutcome outcome = HymnFileLoader::loadFile(path, m_store, &m_facts);
    m_nulCharacters = outcome.nulCharacters;
    if (!outcome.opened)
        m_kind = Kind::None;
    else
        m_kind = m_store.isVerseFile() ? Kind::Hymnal : Kind::ServiceLog;
    Q_EMIT loaded();
    return outcome;
}

void LoadedFile::take(LoadedFile &other)
{
    // Swapped, not moved: a store moved from has no room left to clear.
    std::swap(m_store, other.m_store);
    std::swap(m_path, other.m_path);
    std::swap(m_kind, other.m_kind);
    std::swap(m_facts, other.m_facts);
    std::swap(m_nulCharacters, other.m_nulCharacters);
    other.clear();
    Q_EMIT loaded();
}

void LoadedFile::clear()
{
    m_store.clear();
    m_path = {};
    m_kind = Kind::None;
    m_facts = {};
    m_nulCharacters = 0;
    Q_EMIT loaded();
}
