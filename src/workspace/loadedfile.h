// SPDX-License-Identifier: GPL-3.0-or-later
// The one owner of the loaded file: its entries, its path, its kind and what was read from disk. The main window
// owns it and hands it to the windows that show the file; only a load changes it.
#pragma once

#include "platform/nativepath.h"
#include "store/entrystore.h"
#include "store/hymnfileloader.h"

#include <QObject>

class LoadedFile : public QObject {
    Q_OBJECT
public:
    enum class Kind { None, ServiceLog, Hymnal };

    explicit LoadedFile(QObject *parent = nullptr);

    const EntryStore &store() const { return m_store; }
    // The file last loaded, or tried; empty before the first load.
    const NativePath &path() const { return m_path; }
    // None until a file has been read.
    Kind kind() const { return m_kind; }
    // Size, modification time and digest of the bytes the last load read; unknown when nothing was read.
    const FileFacts &readFromDisk() const { return m_facts; }
    // NUL characters in the lines the last load read: a text file holds none, a write cut short may leave them.
    qsizetype nulCharacters() const { return m_nulCharacters; }

    // Loads path into the store (emptied first) and tells whoever follows the file.
    LoadOutcome load(const NativePath &path);
    // Takes over what other loaded, leaving it empty, and tells whoever follows this one: a file is tried in a
    // LoadedFile of its own and taken only when it is the kind wanted.
    void take(LoadedFile &other);
    // Empties the store and forgets the file.
    void clear();

Q_SIGNALS:
    // A load was tried, whether or not it read anything.
    void loaded();

private:
    EntryStore m_store;
    NativePath m_path;
    Kind m_kind = Kind::None;
    FileFacts m_facts;
    qsizetype m_nulCharacters = 0;
};
