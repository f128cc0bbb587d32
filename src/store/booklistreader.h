// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the optional list of scripture book names, one per line.
#pragma once

#include "platform/nativepath.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

struct BookListResult {
    QStringList names;   // the lines read, in file order; a blank line ends the list and is kept as an empty item
    bool failed = false; // the file could not be opened or read (a missing file is not an error worth a message)
};

namespace BookListReader {

// The file the program looks for in the folder it shows.
QString fileName();

// Names from the file at path; failed when it is missing, not an ordinary file, too large, unreadable or empty.
// Never waits on a pipe or device: anything but a regular file is refused at once.
BookListResult readFile(const NativePath &path);

// Names from bytes already in memory; failed when there are none.
BookListResult readBytes(const QByteArray &bytes);

} // namespace BookListReader
