// SPDX-License-Identifier: GPL-3.0-or-later
// How the pickers reach the file system: folders are listed, entered and resolved by their native bytes, so a
// name that is not UTF-8 is found and opened like any other. One small interface, so that tests can make a
// folder fail to open (a test runs as root, which enters any folder) and a later port can replace the system part.
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

class FolderAccess {
public:
    enum class Kind { Folder, File, Other };
    struct Entry {
        QByteArray name;
        Kind kind = Kind::Other; // what a symbolic link points at, not the link itself
    };

    virtual ~FolderAccess() = default;

    // The entries of folder other than "." and ".."; 0, or the errno value that stopped the reading.
    virtual int list(const QByteArray &folder, std::vector<Entry> &entries) = 0;
    // Makes folder the process's current directory; 0 or an errno value.
    virtual int enter(const QByteArray &folder) = 0;
    // The absolute path of an existing folder without links, "." or ".."; 0 or an errno value.
    virtual int resolve(const QByteArray &path, QByteArray &clean) = 0;
    // The process's current directory, also when it has since been deleted or renamed.
    virtual QByteArray current() = 0;
    // The modification time of path in seconds since the epoch; false when it cannot be read.
    virtual bool modified(const QByteArray &path, qint64 &seconds) = 0;

    // The access the pickers use: the system's unless a test installed another.
    static FolderAccess &active();
    // Installs access (nullptr for the system's) and returns the one it replaces.
    static FolderAccess *install(FolderAccess *access);
    static FolderAccess &system();

    static QByteArray childPath(const QByteArray &folder, const QByteArray &name);
    // The folder holding path; empty for the root.
    static QByteArray parentPath(const QByteArray &path);
    static QByteArray baseName(const QByteArray &path);
    // A name as a row shows it: undecodable bytes as U+FFFD, control characters as their visible symbols, so
    // that every name takes one line and none shows as nothing.
    static QString displayName(const QByteArray &name);
    // Puts names in the order they are listed in: ASCII letters without regard to case, ties by the bytes.
    static void sortNames(std::vector<QByteArray> &names);
    // True when displayName(name) gives name back as UTF-8, so a row's text is enough to find its file.
    static bool displayKeepsBytes(const QByteArray &name);
    // The reason an errno value stands for, in the system's words.
    static QString reason(int error);
};
