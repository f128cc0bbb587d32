// SPDX-License-Identifier: GPL-3.0-or-later
// How the pickers reach the file system: folders are listed and resolved by their native names, so a name the
// user's text encoding cannot show is found and opened like any other. One small interface, so that tests can make
// a folder fail to open (a test runs as root, which enters any folder). Nothing here changes the process's current
// folder: the window keeps its own, and every file is opened by its full path.
#pragma once

#include "platform/nativepath.h"

#include <QString>

#include <vector>

class FolderAccess {
public:
    enum class Kind { Folder, File, Other };
    struct Entry {
        NativePath name;
        Kind kind = Kind::Other; // what a symbolic link points at, not the link itself
        bool hidden = false;     // a dot name on POSIX, the hidden or system attribute on Windows
    };

    virtual ~FolderAccess() = default;

    // The entries of folder other than "." and ".."; 0, or the system's error code that stopped the reading.
    virtual int list(const NativePath &folder, std::vector<Entry> &entries) = 0;
    // The absolute path of an existing folder without links, "." or ".."; 0 or the system's error code.
    virtual int resolve(const NativePath &path, NativePath &clean) = 0;
    // The folder the program was started in, also when it has since been deleted or renamed.
    virtual NativePath startFolder() = 0;
    // The modification time of path in seconds since the epoch; false when it cannot be read.
    virtual bool modified(const NativePath &path, qint64 &seconds) = 0;

    // The access the pickers use: the system's unless a test installed another.
    static FolderAccess &active();
    // Installs access (nullptr for the system's) and returns the one it replaces.
    static FolderAccess *install(FolderAccess *access);
    static FolderAccess &system();

    // Puts names in the order they are listed in: letters without regard to case, ties by the units.
    static void sortNames(std::vector<NativePath> &names);
    // The reason a system error code stands for, in the system's words.
    static QString reason(int error);
    // The words for an error code the system has no words for: "error 1234", in the language shown.
    static QString unnamedReason(qint64 error);
};
