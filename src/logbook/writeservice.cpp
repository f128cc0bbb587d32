// SPDX-License-Identifier: GPL-3.0-or-later
// Every refusal is decided before the first byte is written, under the log's lock: the file read again and compared,
// an unfinished write, its read-only mark, room for a backup's name, the service composed in memory, the backup's
// name. Only then the backup, and the log last, checked once more as it is replaced.
#include "logbook/writeservice.h"

#include "logbook/unfinishedwrite.h"
#include "platform/nativefile.h"
#include "platform/savefile.h"
#include "platform/writelock.h"

#include <QCoreApplication>
#include <QCryptographicHash>

using namespace Qt::StringLiterals;

namespace Logbook {

namespace {

bool isBackupNameOf(const NativePath &candidate, const NativePath &log)
{
    for (int generation = 0; generation < kBackupNames; ++generation) {
        if (candidate == backupName(log, generation))
            return true;
    }
    return false;
}

// The program's last backup, when nobody has changed, replaced or linked it since it was written.
bool stillOurs(const NativePath &log, const BackupRecord &last)
{
    if (!last.isKnown() || !isBackupNameOf(last.path, log))
        return false;
    const NativeFile::Entry entry = NativeFile::entryAt(last.path);
    if (entry.kind != NativeFile::Entry::Kind::Regular || entry.size != last.size || entry.links > 1)
        return false;
    const std::optional<QByteArray> bytes = NativeFile::readUnfollowed(last.path, last.size);
    return bytes && bytes->size() == last.size &&
           QCryptographicHash::hash(*bytes, QCryptographicHash::Sha256) == last.digest;
}

} // namespace

NativePath backupName(const NativePath &log, int generation)
{
    // Joined unit for unit, so that a name the text encoding cannot show keeps its bytes.
    const QString tail = generation == 0 ? u".bak"_s : u".%1.bak"_s.arg(generation);
    return NativePath::fromUnits(log.units() + NativePath::fromText(tail).units());
}

BackupPlace backupPlace(const NativePath &log, const BackupRecord &last)
{
    if (stillOurs(log, last))
        return {last.path, true};
    for (int generation = 0; generation < kBackupNames; ++generation) {
        const NativePath candidate = backupName(log, generation);
        if (NativeFile::entryAt(candidate).kind == NativeFile::Entry::Kind::Missing)
            return {candidate, false};
    }
    return {};
}

namespace {

using Outcome = WrittenService::Outcome;

WrittenService outcome(Outcome kind, const QString &message, const BackupRecord &backup = {})
{
    return {kind, message, QString(), backup};
}

QString changedText(const QString &name, Wording wording)
{
    if (wording == Wording::AnyChange)
        return QCoreApplication::translate("Logbook",
                                           "\"%1\" has changed on disk since it was loaded, so nothing was written.")
            .arg(name);
    return QCoreApplication::translate("Logbook",
                                       "\"%1\" has changed on disk since it was loaded, so the service was not added.")
        .arg(name);
}

// What the user can do about what stopped a write, after the system's words.
QString advice(SaveFile::Problem problem, const NativePath &folder)
{
    switch (problem) {
    case SaveFile::Problem::None:
        return QString();
    case SaveFile::Problem::DiskFull:
        return QCoreApplication::translate("Logbook", " Make room on the disk and try again.");
    case SaveFile::Problem::Denied:
        return QCoreApplication::translate("Logbook", " Check that you may write in the folder \"%1\".")
            .arg(folder.display());
    case SaveFile::Problem::ReadOnlyDisk:
        return QCoreApplication::translate(
            "Logbook", " The disk is read-only: copy the log to a disk you can write to and load it from there.");
    case SaveFile::Problem::Other:
        break;
    }
    return QCoreApplication::translate("Logbook",
                                       " Try again; if it fails again, check the disk or the network connection.");
}

// The backup of now's bytes, at the program's own last backup or the first free name; a name taken meanwhile, or a
// recorded backup that cannot be replaced (made read-only or unchangeable since), is passed over for the next.
SaveFile::Result writeBackup(const NativePath &path, const QByteArray &bytes, const BackupRecord &lastBackup,
                             BackupPlace &place)
{
    SaveFile::Result kept;
    for (int attempt = 0; attempt < 3 && !place.path.isEmpty(); ++attempt) {
        kept = SaveFile::writeCopy(place.path, bytes, path, place.replace);
        if (kept.ok || kept.problem == SaveFile::Problem::DiskFull || (!place.replace && !kept.nameTaken))
            return kept;
        place = backupPlace(path, place.replace ? BackupRecord{} : lastBackup);
    }
    return kept;
}

} // namespace

WrittenService replaceLog(const NativePath &path, const FileFacts &loaded, const BackupRecord &lastBackup,
                          const std::function<Composed(const QByteArray &)> &compose, bool mending, Wording wording)
{
    const bool adding = wording == Wording::ServiceAdded;
    const QString name = path.baseName().display();
    // Every copy of the program checks and writes the log under its lock; one that cannot be made there (a folder
    // that takes no new file) can be made by no copy, and the backup's own write then says why.
    const WriteLock lock(path);
    if (lock.state() == WriteLock::State::Busy) {
        if (!adding) {
            return outcome(
                Outcome::Failed,
                lock.holder().isEmpty()
                    ? QCoreApplication::translate("Logbook", "\"%1\" is being written by another copy of Cantorix2, "
                                                             "so nothing was written. Try again in a moment.")
                          .arg(name)
                    : QCoreApplication::translate("Logbook", "\"%1\" is being written by Cantorix2 on %2, "
                                                             "so nothing was written. Try again in a moment.")
                          .arg(name, lock.holder()));
        }
        return outcome(
            Outcome::Failed,
            lock.holder().isEmpty()
                ? QCoreApplication::translate("Logbook", "\"%1\" is being written by another copy of Cantorix2, so "
                                                         "the service was not added. Try again in a moment.")
                      .arg(name)
                : QCoreApplication::translate("Logbook", "\"%1\" is being written by Cantorix2 on %2, so the service "
                                                         "was not added. Try again in a moment.")
                      .arg(name, lock.holder()));
    }
    const HymnFileLoader::DiskFile now = HymnFileLoader::readWhole(path);
    if (!now.ok())
        return outcome(Outcome::Failed,
                       now.errorText + QCoreApplication::translate("Logbook", " Nothing was written."));
    // The bytes decide, as they do for the notice of a change: a file touched but not changed is the one loaded.
    if (!loaded.isKnown() || now.facts.size != loaded.size || now.facts.digest != loaded.digest)
        return outcome(Outcome::Changed, changedText(name, wording));
    if (!mending && unfinishedWriteOf(path)) {
        if (!adding) {
            return outcome(Outcome::Refused,
                           QCoreApplication::translate("Logbook",
                                                       "The last write of \"%1\" was cut short, so nothing was "
                                                       "written: in the bar under the window, put its backup back or "
                                                       "keep the log as it is, then try again.")
                               .arg(name));
        }
        return outcome(Outcome::Refused,
                       QCoreApplication::translate("Logbook",
                                                   "The last write of \"%1\" was cut short, so the service was not "
                                                   "added: in the bar under the window, put its backup back or keep "
                                                   "the log as it is, then add the service again.")
                           .arg(name));
    }
    const NativeFile::Entry log = NativeFile::entryThrough(path);
    if (log.readOnly)
        return outcome(
            Outcome::Refused,
            adding ? QCoreApplication::translate("Logbook", "%1 is read-only, so the service was not added.").arg(name)
                   : QCoreApplication::translate("Logbook", "%1 is read-only, so nothing was written.").arg(name));
    const qsizetype maxName = NativeFile::maxNameBytes(path.parent());
    if (backupName(path, 0).baseName().units().size() > maxName) {
        if (!adding) {
            return outcome(Outcome::Refused,
                           QCoreApplication::translate("Logbook",
                                                       "The name \"%1\" leaves no room for a backup's name beside it, "
                                                       "so nothing was written. A shorter name will do: rename the log "
                                                       "and load it again.")
                               .arg(name));
        }
        return outcome(Outcome::Refused,
                       QCoreApplication::translate("Logbook",
                                                   "The name \"%1\" leaves no room for a backup's name beside it, so "
                                                   "the service was not added. A shorter name will do: rename the log "
                                                   "and load it again.")
                           .arg(name));
    }
    const Composed composed = compose(now.bytes);
    if (!composed.error.isEmpty())
        return outcome(Outcome::Refused, composed.error);
    BackupPlace backup = backupPlace(path, lastBackup);
    if (backup.path.isEmpty() && !adding) {
        return outcome(Outcome::Refused, QCoreApplication::translate(
                                             "Logbook", "Every name for a backup of \"%1\" (up to \"%2\") is taken, so "
                                                        "nothing was written. Move old backups away and try again.")
                                             .arg(name, backupName(path, kBackupNames - 1).baseName().display()));
    }
    if (backup.path.isEmpty()) {
        return outcome(Outcome::Refused,
                       QCoreApplication::translate("Logbook",
                                                   "Every name for a backup of \"%1\" (up to \"%2\") is taken, so the "
                                                   "service was not added. Move old backups away and try again.")
                           .arg(name, backupName(path, kBackupNames - 1).baseName().display()));
    }

    if (const SaveFile::Result kept = writeBackup(path, now.bytes, lastBackup, backup); !kept.ok) {
        const QString tried =
            backup.path.isEmpty() ? backupName(path, 0).baseName().display() : backup.path.baseName().display();
        return outcome(Outcome::Failed,
                       QCoreApplication::translate("Logbook",
                                                   "The backup \"%1\" could not be written: %2. Nothing was written; "
                                                   "\"%3\" is as it was.")
                               .arg(tried, kept.reason, name) +
                           advice(kept.problem, path.parent()));
    }
    const QString backupText = backup.path.baseName().display();
    const BackupRecord made{backup.path, now.bytes.size(), now.facts.digest};
    const SaveFile::Expected expected{now.identity, now.bytes};
    // A file with several names, or one a new file could not take the place of as its owner has it, is written over
    // in place, or the other names would keep the old bytes; the backup, already on the disk, is the way back should
    // that write be cut short, and the mark beside the log says so until it is done.
    const bool inPlace = log.links > 1 || SaveFile::methodFor(path) == SaveFile::Method::InPlace;
    SaveFile::Result written;
    if (inPlace) {
        QString reason;
        if (!markUnfinished(path, made, &reason)) {
            return outcome(Outcome::Failed,
                           QCoreApplication::translate("Logbook",
                                                       "\"%1\" was not written: the mark of a write in progress could "
                                                       "not be left beside it (%2). The file is as it was.")
                               .arg(name, reason),
                           made);
        }
        written = SaveFile::writeInPlace(path, composed.bytes, expected);
        // A write that failed but put the old bytes back leaves nothing to mend.
        const bool whole = written.ok || written.changed || HymnFileLoader::readWhole(path).bytes == now.bytes;
        if (whole)
            clearUnfinished(path);
    } else {
        written = SaveFile::replace(path, composed.bytes, expected);
    }
    if (written.changed)
        return outcome(Outcome::Changed, changedText(name, wording), made);
    if (!written.ok) {
        return outcome(
            Outcome::Failed,
            (inPlace ? QCoreApplication::translate("Logbook", "\"%1\" could not be written: %2. Its bytes "
                                                              "as they were are in \"%3\".")
                     : QCoreApplication::translate("Logbook", "\"%1\" could not be written: %2. The file is as it "
                                                              "was; its bytes are also in \"%3\"."))
                    .arg(name, written.reason, backupText) +
                advice(written.problem, path.parent()),
            made);
    }
    if (mending)
        clearUnfinished(path);
    return {Outcome::Written,
            QString(),
            composed.status +
                QCoreApplication::translate("Logbook", "; the log as it was is kept in %1").arg(backupText),
            made,
            composed.status,
            composed.bytes.size(),
            QCryptographicHash::hash(composed.bytes, QCryptographicHash::Sha256)};
}

LastWrite lastWriteOf(const WrittenService &written)
{
    if (written.outcome != WrittenService::Outcome::Written)
        return {written.backup, -1, {}, {}};
    return {written.backup, written.writtenSize, written.writtenDigest, written.change};
}

WrittenService writeService(const NativePath &path, const FileFacts &loaded, const NewService &service,
                            LineEnd fallback, const BackupRecord &lastBackup)
{
    return replaceLog(path, loaded, lastBackup, [&](const QByteArray &now) {
        const AddedService added = addService(now, service, fallback);
        return Composed{added.bytes, added.error, added.status};
    });
}

} // namespace Logbook
