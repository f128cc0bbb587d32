// SPDX-License-Identifier: GPL-3.0-or-later
// Writing imported lines into Lectionary.txt beside the hymnal, as every file the program writes: what is refused
// decided before anything, the file read and merged, and then, under the write lock every copy of the program takes,
// checked to be still the file read and replaced in one step, or made new where there was none.
#pragma once

#include "calendar/lectionarymerge.h"
#include "platform/nativefile.h"
#include "platform/nativepath.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace LectionarySave {

// Why nothing can be imported into the hymnal's folder: the folder takes no new file (so neither a Lectionary.txt
// nor the lock beside it can be made), or its Lectionary.txt is no file or read-only. Empty when it can.
QString refusal(const NativePath &folder);

// What a write is to do, worked out from the file as it was read.
struct Draft {
    NativePath path;
    bool exists = false;
    QByteArray read;
    NativeFile::Identity identity;
    Calendar::LectionaryMerge merge;
    QString error; // the file could not be read, or the lines not merged into it; nothing is to be written
};
Draft draft(const NativePath &folder, const std::vector<Calendar::LectionaryLine> &lines);

struct Written {
    enum class Outcome {
        Written,
        Changed, // the file is not the one read (another program wrote it, or made it): nothing was written
        Failed,  // message says why; the file is as it was
    };
    Outcome outcome = Outcome::Failed;
    QString message;
};
// Writes draft's bytes: in place of the file read, which must still be that file with those bytes, or as a new file
// where none was and none is.
Written write(const Draft &draft);

} // namespace LectionarySave
