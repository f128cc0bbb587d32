// SPDX-License-Identifier: GPL-3.0-or-later
// The portable half of the atomic writer: QSaveFile makes the new file beside the old one, with its permissions,
// and renames it into place; the writing and the checks before the rename are done here.
#include "platform/savefile.h"

#include <QSaveFile>

namespace SaveFile {

namespace {
int g_failWith = 0;

// The system's reason for the last failure, read before cancelWriting() puts its own words in its place.
Result cancelled(QSaveFile &file, const QString &reason)
{
    file.cancelWriting();
    return {false, reason};
}
} // namespace

void failWritesWith(int error)
{
    g_failWith = error;
}

Result write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Unbuffered: QSaveFile would rename a file whose last buffered part did not fit, so every part is written
    // and checked here.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, file.errorString()};
    keepOwnerAndGroup(path, file);

    if (g_failWith != 0) {
        file.write(bytes.first(bytes.size() / 2));
        return cancelled(file, qt_error_string(g_failWith));
    }
    // A short write leaves no reason of its own; writing the rest again meets the error and records it.
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return cancelled(file, file.errorString());
        done += qsizetype(written);
    }
    if (const int error = syncToDisk(file); error != 0)
        return cancelled(file, qt_error_string(error));
    if (!file.commit())
        return {false, file.errorString()};
    return {true, QString()};
}

} // namespace SaveFile
