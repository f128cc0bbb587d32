// SPDX-License-Identifier: GPL-3.0-or-later
// What tests put under a file's name, or make a write fail with, that only some systems have: table rows that need
// it are added where it can be made.
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace SystemFiles {

// True where a named pipe can stand in a folder (POSIX; Windows keeps its pipes elsewhere).
bool hasFifos();
// Makes a named pipe at path; false where there are none or it could not be made.
bool makeFifo(const QString &path);

// A symbolic link at link naming target; false where the system or this user cannot make one.
bool makeSymlink(const QString &target, const QString &link);
// A second name for the file existing (a hard link); false where the file system has none.
bool makeHardLink(const QString &existing, const QString &link);
// Lets only the owner read and write path (mode 600); false where files have no such mode (Windows).
bool makePrivate(const QString &path);
// Whether path lets only its owner read and write it, as makePrivate leaves it.
bool isPrivate(const QString &path);

// Gives path the hidden attribute; false where files have none (POSIX, where a leading dot hides a name).
bool makeHidden(const QString &path);
// Whether path has the hidden attribute.
bool isHidden(const QString &path);

// Files by exactly the full path given, a trailing dot or space kept, which Win32 (and Qt's file classes) would drop
// and so name another file: the system's calls in their literal form, written out apart from the platform layer
// under test. Windows only, for its own tests.
bool writeExactly(const QString &path, const QByteArray &bytes);
// The whole file, or "(missing)".
QByteArray readExactly(const QString &path);
bool removeExactly(const QString &path);

// A failure as the system reports it: its own code (errno, or a Windows error) and the words it gives for it.
struct SystemError {
    int code;
    QString reason;
};
SystemError diskFull();
SystemError accessDenied();

// Files cannot grow past a size while one lives: writes beyond it fail with the system's own error, as on a full
// disk, without a disk to fill or mount. POSIX only (a process's file size limit); elsewhere it does nothing.
class FileSizeLimit {
public:
    static bool supported();
    // The words the system gives for such a failed write.
    static QString reason();
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    struct Saved;
    std::unique_ptr<Saved> m_saved;
};

// Names given as their bytes, which need not be text (a Latin-1 name on a UTF-8 system). POSIX only: Windows names
// are UTF-16, and every helper below returns false there.
bool hasByteNames();
bool makeFolder(const QByteArray &name);
bool writeFile(const QByteArray &name, const QByteArray &contents);
bool exists(const QByteArray &name);
// Removes a file or an empty folder.
bool remove(const QByteArray &name);

} // namespace SystemFiles
