// SPDX-License-Identifier: GPL-3.0-or-later
// The hymnal set with File > Set Hymnal…: a hymnal text in a store of its own, beside whatever file the main window
// shows, with the scripture book names and the congregation's lectionary from its folder. It is kept in the
// settings between runs and watched on disk, and read again when it changes there: the program never edits it. The
// lectionary is watched too, and read again when it is edited, made or removed.
#pragma once

#include "calendar/lectionaryfile.h"
#include "platform/nativepath.h"
#include "workspace/filewatch.h"
#include "workspace/loadedfile.h"

#include <QObject>
#include <QStringList>

class AppSettings;

class Hymnal : public QObject {
    Q_OBJECT
public:
    // settings keeps the hymnal's path between runs; without them nothing is kept.
    explicit Hymnal(AppSettings *settings, QObject *parent = nullptr);

    // The hymnal's file: its store, path and kind; None when no hymnal is set.
    const LoadedFile &file() const { return m_file; }
    bool isSet() const { return m_file.kind() == LoadedFile::Kind::Hymnal; }
    // The hymnal's entries, or nothing when none is set.
    const EntryStore *store() const { return isSet() ? &m_file.store() : nullptr; }
    // The scripture book names from the hymnal's folder; empty without a hymnal or a book list.
    const QStringList &books() const { return m_books; }
    // The congregation's lectionary, the reader chosen for it and what it read: Lectionary.txt beside the hymnal,
    // read with it and whenever it changes; an empty table without one.
    const Calendar::LectionaryFile &lectionary() const { return m_lectionary; }
    // Where the lectionary is looked for: beside the hymnal; empty without one.
    NativePath lectionaryPath() const;
    // Reads the lectionary again now, as after the program wrote it.
    void readLectionary();

    // Loads path as the hymnal, watches it and keeps it in the settings; false, with the hymnal set before kept,
    // when it is not one.
    bool set(const NativePath &path);
    // No hymnal: nothing watched, nothing kept.
    void clear();
    // The hymnal kept in the settings, read at start; a file that is gone or is no hymnal is passed over quietly.
    void restore();

Q_SIGNALS:
    // The hymnal was set, cleared or read again.
    void changed();
    // The lectionary was read again on its own, the hymnal as it was.
    void lectionaryChanged();

private:
    // Reads path into the hymnal's store; false, with the store as it was, when it is not a hymnal text.
    bool load(const NativePath &path);
    void forget();
    // The hymnal is not edited here, so a change on disk is simply read.
    void followDisk(FileWatch::Disk disk);
    // Reads the lectionary beside the hymnal and watches it as read.
    void loadLectionary();

    AppSettings *m_settings;
    LoadedFile m_file;
    QStringList m_books;
    Calendar::LectionaryFile m_lectionary;
    FileWatch *m_watch;
    FileWatch *m_lectionaryWatch;
};
