// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a usage file (service log) or a verse file (hymnal text) into the entry store.
#pragma once

#include "platform/nativefile.h"
#include "platform/nativepath.h"
#include "store/entrystore.h"

#include <QByteArray>
#include <QString>

class QIODevice;

// What a load found out, for the window to report and to choose its layout by.
struct LoadOutcome {
    bool opened = false;         // false: nothing was read; the store is empty and its counters are 0
    bool hasReferences = false;  // a verse line begins with "^" (a scripture reference)
    bool limitReached = false;   // the store is full; the rest of the file was not read
    qsizetype nulCharacters = 0; // NUL characters in the lines read, which no text file holds
    QString errorText;           // not empty: the load failed part way (or did not start) for this reason

    bool failed() const { return !errorText.isEmpty(); }
};

// What a load read from disk, so that a later write can tell whether the file is still the one loaded.
struct FileFacts {
    qint64 size = -1;      // bytes read; -1 when the file was not read
    qint64 modifiedMs = 0; // the opened file's modification time, in ms since the epoch
    QByteArray digest;     // SHA-256 of the bytes read

    bool isKnown() const { return size >= 0; }
    friend bool operator==(const FileFacts &, const FileFacts &) = default;
};

namespace HymnFileLoader {

// Far more than the 18,000 lines a full store can take; anything larger is refused before it is read.
constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;

// Loads the file at path. The store's arrays are cleared first; a file that cannot be read at all leaves the store
// empty with its counters at 0. Only a regular file is read: a pipe, socket or device is refused at once, without
// waiting on it.
// With facts, what was read is recorded there as it is read.
LoadOutcome loadFile(const NativePath &path, EntryStore &store, FileFacts *facts = nullptr);

// Loads from a device that is already open for reading; name is used in messages.
LoadOutcome loadDevice(QIODevice &device, const QString &name, EntryStore &store, FileFacts *facts = nullptr);

// Loads bytes already in memory; the store is cleared first.
LoadOutcome loadBytes(const QByteArray &bytes, const QString &name, EntryStore &store);

// A whole file read into memory, and what was read.
struct DiskFile {
    bool missing = false; // nothing by that name
    QString errorText;    // not empty: nothing was read (a missing file included), for this reason
    QByteArray bytes;
    FileFacts facts;               // as loadFile records them; unknown when nothing was read
    NativeFile::Identity identity; // the file read, as its file system tells it from one saved over it

    bool ok() const { return errorText.isEmpty(); }
};

// Reads the whole file at path as loadFile opens it (a regular file only, never waiting, under the cap), so that
// its facts can be set against those of a load.
DiskFile readWhole(const NativePath &path);

// The text of the message shown when the store is full.
QString limitMessage(int entryCount);

} // namespace HymnFileLoader
