// SPDX-License-Identifier: GPL-3.0-or-later
// What the system says of a file by its name without opening it: whether it is there, its size, and a stamp that
// changes whenever the file is written, touched or replaced. Enough to tell a file that grew from the one loaded, or
// one written since it was last looked at, without reading it.
#pragma once

#include "platform/nativepath.h"

#include <QByteArray>
#include <QtGlobal>

struct FileStamp {
    enum class Kind {
        Missing, // nothing by that name (a dangling link included)
        File,    // a regular file (a link is followed)
        Other,   // a folder, a pipe or a device, or a name the system would not look at
    };

    Kind kind = Kind::Missing;
    qint64 size = -1; // a file's size in bytes
    // The file's identity and its write and change times as the system gives them, to be compared and nothing else.
    QByteArray written;

    static FileStamp of(const NativePath &path);

    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};
