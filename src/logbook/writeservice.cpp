// SPDX-License-Identifier: GPL-3.0-or-later
// Every refusal is decided before the first byte is written: the file read again and compared, its read-only mark,
// the service composed in memory, the backup's name. Only then the backup, and the log last.
#include "logbook/writeservice.h"

#include "platform/nativefile.h"
#include "platform/savefile.h"

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

WrittenService writeService(const NativePath &path, const FileFacts &loaded, const NewService &service,
                            LineEnd fallback, const BackupRecord &lastBackup)
{
    using Outcome = WrittenService::Outcome;
    const QString name = path.baseName().display();
    const HymnFileLoader::DiskFile now = HymnFileLoader::readWhole(path);
    if (!now.ok())
        return {Outcome::Failed, now.errorText + u" Nothing was written."_s, {}, {}};
    // The bytes decide, as they do for the notice of a change: a file touched but not changed is the one loaded.
    if (!loaded.isKnown() || now.facts.size != loaded.size || now.facts.digest != loaded.digest) {
        return {Outcome::Changed,
                u"\"%1\" has changed on disk since it was loaded, so the service was not added."_s.arg(name),
                {},
                {}};
    }
    const NativeFile::Entry log = NativeFile::entryThrough(path);
    if (log.readOnly)
        return {Outcome::Refused, u"%1 is read-only, so the service was not added."_s.arg(name), {}, {}};
    const AddedService added = addService(now.bytes, service, fallback);
    if (!added.ok())
        return {Outcome::Refused, added.error, {}, {}};
    const BackupPlace backup = backupPlace(path, lastBackup);
    if (backup.path.isEmpty()) {
        return {Outcome::Refused,
                u"Every name for a backup of \"%1\" (up to \"%2\") is taken, so the service was not added. Move "
                "old backups away and try again."_s.arg(name, backupName(path, kBackupNames - 1).baseName().display()),
                {},
                {}};
    }

    const QString backupName = backup.path.baseName().display();
    if (const SaveFile::Result kept = SaveFile::writeCopy(backup.path, now.bytes, path, backup.replace); !kept.ok) {
        return {Outcome::Failed,
                u"The backup \"%1\" could not be written: %2. Nothing was written; \"%3\" is as it was."_s.arg(
                    backupName, kept.reason, name),
                {},
                {}};
    }
    // A file with several names is written over in place, or the other names would keep the old bytes; the backup,
    // already on the disk, is the way back should that write be cut short.
    const SaveFile::Result written =
        log.links > 1 ? SaveFile::writeInPlace(path, added.bytes, now.bytes) : SaveFile::write(path, added.bytes);
    const BackupRecord made{backup.path, now.bytes.size(), now.facts.digest};
    if (!written.ok) {
        return {Outcome::Failed,
                u"\"%1\" could not be written: %2. The file is as it was; its bytes are also in \"%3\"."_s.arg(
                    name, written.reason, backupName),
                {},
                made};
    }
    return {Outcome::Written, QString(), added.status + u"; the log as it was is kept in %1"_s.arg(backupName), made};
}

} // namespace Logbook
