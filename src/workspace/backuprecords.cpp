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
                 {NativePath::fromStoredForm(settings->value(kBackupKey).toByteArray()),
                  settings->value(kSizeKey, -1).toLongLong(),
                  QByteArray::fromHex(settings->value(kDigestKey).toByteArray())}};
        // A record edited by hand into something else is simply not one.
        if (!one.log.isEmpty() && one.backup.isKnown())
            kept.append(one);
    }
    settings->endArray();
    return kept;
}

Logbook::BackupRecord BackupRecords::lastFor(const NativePath &log) const
{
    for (const Kept &one : load()) {
        if (one.log == log)
            return one.backup;
    }
    return {};
}

void BackupRecords::keep(const NativePath &log, const Logbook::BackupRecord &backup)
{
    QList<Kept> kept = load();
    kept.removeIf([&](const Kept &one) { return one.log == log; });
    kept.prepend({log, backup});
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
        settings->setValue(kBackupKey, kept[i].backup.path.storedForm());
        settings->setValue(kSizeKey, kept[i].backup.size);
        settings->setValue(kDigestKey, kept[i].backup.digest.toHex());
    }
    settings->endArray();
    settings->sync();
}
