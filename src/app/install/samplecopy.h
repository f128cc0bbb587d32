// SPDX-License-Identifier: GPL-3.0-or-later
// The sample files are installed as templates beside the program, where a user cannot (and should not) write. On
// the first start without a file they are copied into the user's own folder (Documents\Cantorix2), never over a
// file that is there already, and the copy of the service log is what opens.
#pragma once

#include "platform/nativepath.h"

#include <QString>
#include <QStringList>

class AppSettings;

namespace SampleCopy {

struct Copied {
    NativePath log;     // the service log to open in the user's folder; empty when it is not there
    QStringList copied; // the names copied now
    QStringList kept;   // the names the folder had already, left as they are
    QString failure;    // why a file or the folder could not be made, for the user; empty when all went
};

// The name of the sample service log.
QString logName();
// Where the copies go: Cantorix2 in the user's documents.
NativePath userFolder();

// Copies each file of templates into folder, making folder when it is missing; a name folder has already keeps its
// file.
Copied copy(const NativePath &templates, const NativePath &folder);

// On the first start without a file for these settings: the copies made (see copy) and the log to open. The start
// is counted as the first only while the settings are kept and say the samples were never copied; with no
// templates there (a build tree) nothing is done and the next start is the first again. When the copy failed, log
// is the template itself, to be read where it is.
Copied onFirstStart(AppSettings &settings, const NativePath &templates, const NativePath &folder);

} // namespace SampleCopy
