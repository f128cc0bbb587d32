// SPDX-License-Identifier: GPL-3.0-or-later
// An array in the settings, most recently written first; paths in the settings file's form of a path, the digest
// in hexadecimal.
#include "workspace/backuprecords.h"

#include "workspace/appsettings.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace {

const QString kKey = AppSettings::name(AppSettings::Key::LogBackups);
const QString kLogKey = u"log"_s;
const QString kBackupKey = u"backup"_s;
const QString kSizeKey = u"size"_s;
const QString kDigestKey = u"sha256"_s;
// The log as the write left it, and what it did.
const QString kWrittenSizeKey = u"writtenSize"_s;
const QString kWrittenDigestKey = u"writtenSha256"_s;
const QString kChangeKey = u"change"_s;

} // namespace

QList<BackupRecords::Kept> BackupRecords::load() const
{
    QList<Kept> kept;
    const std::unique_ptr<QSettings> settings = m_settings->open();
    if (!settings)
        return kept;
    const int stored = std::min(settings->beginReadArray(kKey), kKept);
    for (int i = 0; i < stored; ++i) {
        settings->setArrayIndex(i);
        Kept one{NativePath::fromStoredForm(settings->value(kLogKey).toByteArray()),
                 {{NativePath::fromStoredForm(settings->value(kBackupKey).toByteArray()),
                   settings->value(kSizeKey, -1).toLongLong(),
                   QByteArray::fromHex(settings->value(kDigestKey).toByteArray())},
                  settings->value(kWrittenSizeKey, -1).toLongLong(),
                  QByteArray::fromHex(settings->value(kWrittenDigestKey).toByteArray()),
                  settings->value(kChangeKey).toString()}};
        // A record edited by hand into something else is simply not one.
        if (!one.log.isEmpty() && one.write.backup.isKnown())
            kept.append(one);
    }
    settings->endArray();
    return kept;
}

Logbook::BackupRecord BackupRecords::lastFor(const NativePath &log) const
{
    return lastWriteFor(log).backup;
}

Logbook::LastWrite BackupRecords::lastWriteFor(const NativePath &log) const
{
    for (const Kept &one : load()) {
        if (one.log == log)
            return one.write;
    }
    return {};
}

void BackupRecords::keep(const NativePath &log, const Logbook::BackupRecord &backup)
{
    keep(log, Logbook::LastWrite{backup, -1, {}, {}});
}

void BackupRecords::keep(const NativePath &log, const Logbook::LastWrite &write)
{
    QList<Kept> kept = load();
    kept.removeIf([&](const Kept &one) { return one.log == log; });
    kept.prepend({log, write});
    if (kept.size() > kKept)
        kept.resize(kKept);
    const std::unique_ptr<QSettings> settings = m_settings->open();
    if (!settings)
        return;
    settings->remove(kKey);
    settings->beginWriteArray(kKey, int(kept.size()));
    for (int i = 0; i < kept.size(); ++i) {
        settings->setArrayIndex(i);
        settings->setValue(kLogKey, kept[i].log.storedForm());
        const Logbook::LastWrite &write = kept[i].write;
        settings->setValue(kBackupKey, write.backup.path.storedForm());
        settings->setValue(kSizeKey, write.backup.size);
        settings->setValue(kDigestKey, write.backup.digest.toHex());
        // A backup made for a write that then failed has no write to undo.
        if (write.size >= 0) {
            settings->setValue(kWrittenSizeKey, write.size);
            settings->setValue(kWrittenDigestKey, write.digest.toHex());
            settings->setValue(kChangeKey, write.change);
        }
    }
    settings->endArray();
    settings->sync();
}
