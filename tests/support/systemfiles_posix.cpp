// SPDX-License-Identifier: GPL-3.0-or-later
#include "systemfiles.h"

#include <QFile>

#include <sys/stat.h>

namespace SystemFiles {

bool hasFifos()
{
    return true;
}

bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

} // namespace SystemFiles
