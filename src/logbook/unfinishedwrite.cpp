// SPDX-License-Identifier: GPL-3.0-or-later
// The mark is a few lines of text ("backup:" the backup's name as hex of its units, so that a name that is not UTF-8
// comes back whole; "size:"; "sha256:"), made as a new file and removed once the write is done.
#include "logbook/unfinishedwrite.h"

#include "platform/nativefile.h"
#include "platform/savefile.h"

#include <QCoreApplication>
#include <QCryptographicHash>

#include <climits>

using namespace Qt::StringLiterals;

namespace Logbook {

namespace {

constexpr qint64 kMaxMarkBytes = 4096;

} // namespace

NativePath unfinishedMarkPath(const NativePath &log)
{
    const NativePath folder = log.parent();
    return folder.child(SaveFile::companionName(log.baseName(), u"unfinished"_s, NativeFile::maxNameBytes(folder)));
}

std::optional<UnfinishedWrite> unfinishedWriteOf(const NativePath &log)
{
    const NativePath mark = unfinishedMarkPath(log);
    if (NativeFile::entryAt(mark).kind == NativeFile::Entry::Kind::Missing)
        return std::nullopt;
    UnfinishedWrite unfinished;
    const std::optional<QByteArray> bytes = NativeFile::readUnfollowed(mark, kMaxMarkBytes);
    if (!bytes)
        return unfinished;
    for (const QByteArray &line : bytes->split('\n')) {
        if (line.startsWith("backup: ")) {
            const QByteArray units = QByteArray::fromHex(line.mid(8));
            if (!units.isEmpty())
                unfinished.backup.path = log.parent().child(NativePath::fromUnits(units));
        } else if (line.startsWith("size: ")) {
            bool ok = false;
            const qint64 size = line.mid(6).toLongLong(&ok);
            unfinished.backup.size = ok ? size : -1;
        } else if (line.startsWith("sha256: ")) {
            unfinished.backup.digest = QByteArray::fromHex(line.mid(8));
        }
    }
    return unfinished;
}

bool markUnfinished(const NativePath &log, const BackupRecord &backup, QString *reason)
{
    const QByteArray text = "Cantorix2: a write of this log in place is under way or was cut short\nbackup: " +
                            backup.path.baseName().units().toHex() + "\nsize: " + QByteArray::number(backup.size) +
                            "\nsha256: " + backup.digest.toHex() + '\n';
    const NativePath mark = unfinishedMarkPath(log);
    // A mark left by a write cut short, which the user chose to write over, names an older backup.
    (void)SaveFile::remove(mark);
    const SaveFile::Result made = SaveFile::writeNew(mark, text);
    if (!made.ok && reason)
        *reason = made.reason;
    return made.ok;
}

void clearUnfinished(const NativePath &log)
{
    (void)SaveFile::remove(unfinishedMarkPath(log));
}

QString comparedWithBackup(const QByteArray &log, const QByteArray &backup, const QString &logName,
                           const QString &backupName)
{
    qsizetype same = 0;
    const qsizetype common = qMin(log.size(), backup.size());
    while (same < common && log[same] == backup[same])
        ++same;
    const qsizetype zeros = log.count('\0') - backup.count('\0');
    QString text;
    if (same == log.size() && same == backup.size()) {
        text =
            QCoreApplication::translate("Logbook", "\"%1\" holds the same bytes as \"%2\".").arg(logName, backupName);
    } else {
        text = QCoreApplication::translate("Logbook",
                                           "The first %1 of the %2 bytes of \"%3\" are as in \"%4\" (%5 bytes); "
                                           "after them the log differs.")
                   .arg(same)
                   .arg(log.size())
                   .arg(logName, backupName)
                   .arg(backup.size());
    }
    if (zeros > 0) {
        const int count = int(qMin<qsizetype>(zeros, INT_MAX));
        text += u' ' + QCoreApplication::translate("Logbook", "The log holds %n NUL byte(s) that the backup does not.",
                                                   nullptr, count);
    }
    return text;
}

WrittenService putBackBackup(const NativePath &log, const FileFacts &loaded, const UnfinishedWrite &mark)
{
    const QString name = log.baseName().display();
    const QString backupName = mark.backup.path.baseName().display();
    if (!mark.backup.isKnown()) {
        return {WrittenService::Outcome::Refused,
                QCoreApplication::translate("Logbook", "The mark beside \"%1\" names no backup that can be put back.")
                    .arg(name),
                {},
                {}};
    }
    const std::optional<QByteArray> bytes = NativeFile::readUnfollowed(mark.backup.path, mark.backup.size);
    if (!bytes || bytes->size() != mark.backup.size ||
        QCryptographicHash::hash(*bytes, QCryptographicHash::Sha256) != mark.backup.digest) {
        return {WrittenService::Outcome::Refused,
                QCoreApplication::translate("Logbook",
                                            "The backup \"%1\" is no longer as it was written (it was changed, moved "
                                            "or removed), so it was not put back. \"%2\" is as it was.")
                    .arg(backupName, name),
                {},
                {}};
    }
    // The log as it is now, part of a service perhaps, goes to a backup of its own like any log written over.
    return replaceLog(
        log, loaded, {},
        [&](const QByteArray &) {
            return Composed{
                *bytes, QString(),
                QCoreApplication::translate("Logbook", "\"%1\" put back in place of \"%2\"").arg(backupName, name)};
        },
        true, Wording::AnyChange);
}

void keepLogAsItIs(const NativePath &log)
{
    clearUnfinished(log);
}

} // namespace Logbook
