// SPDX-License-Identifier: GPL-3.0-or-later
// Both files are judged before the write step: the log by what was loaded, the backup by its bytes; the write step
// then checks the log again under the lock.
#include "logbook/undowrite.h"

#include "platform/nativefile.h"

#include <QCoreApplication>
#include <QCryptographicHash>

namespace Logbook {

namespace {

// last's backup, when it still holds the bytes it was written with.
std::optional<QByteArray> keptBytes(const LastWrite &last)
{
    std::optional<QByteArray> bytes = NativeFile::readUnfollowed(last.backup.path, last.backup.size);
    if (!bytes || bytes->size() != last.backup.size ||
        QCryptographicHash::hash(*bytes, QCryptographicHash::Sha256) != last.backup.digest)
        return std::nullopt;
    return bytes;
}

} // namespace

QString undoRefusal(const NativePath &log, const FileFacts &loaded, const LastWrite &last)
{
    const QString name = log.baseName().display();
    if (!last.isKnown()) {
        return QCoreApplication::translate("Logbook", "Cantorix2 has made no change to \"%1\" that it can undo: it "
                                                      "remembers none since its backups were kept.")
            .arg(name);
    }
    if (!loaded.isKnown() || loaded.size != last.size || loaded.digest != last.digest) {
        return QCoreApplication::translate("Logbook", "\"%1\" is no longer as Cantorix2 left it after its last change "
                                                      "(%2), so that change cannot be undone.")
            .arg(name, last.change);
    }
    if (!keptBytes(last)) {
        return QCoreApplication::translate("Logbook", "The backup \"%1\" is no longer as Cantorix2 wrote it, so the "
                                                      "last change to \"%2\" cannot be undone.")
            .arg(last.backup.path.baseName().display(), name);
    }
    return QString();
}

WrittenService undoLastWrite(const NativePath &log, const FileFacts &loaded, const LastWrite &last)
{
    const std::optional<QByteArray> bytes = keptBytes(last);
    if (const QString refusal = undoRefusal(log, loaded, last); !refusal.isEmpty() || !bytes) {
        WrittenService written;
        written.outcome = WrittenService::Outcome::Refused;
        written.message = refusal;
        return written;
    }
    return replaceLog(
        log, loaded, {},
        [&](const QByteArray &) {
            return Composed{*bytes, QString(), QCoreApplication::translate("Logbook", "Undone: %1").arg(last.change)};
        },
        false, Wording::AnyChange);
}

} // namespace Logbook
