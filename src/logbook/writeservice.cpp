// SPDX-License-Identifier: GPL-3.0-or-later
// Every refusal is decided before the first byte is written: the file read again and compared, the service composed
// in memory. Only then the backup, and the log last.
#include "logbook/writeservice.h"

#include "platform/savefile.h"

using namespace Qt::StringLiterals;

namespace Logbook {

NativePath backupPath(const NativePath &log)
{
    // Joined unit for unit, so that a name the text encoding cannot show keeps its bytes.
    return NativePath::fromUnits(log.units() + NativePath::fromText(u".bak"_s).units());
}

WrittenService writeService(const NativePath &path, const FileFacts &loaded, const NewService &service,
                            LineEnd fallback)
{
    using Outcome = WrittenService::Outcome;
    const QString name = path.baseName().display();
    const HymnFileLoader::DiskFile now = HymnFileLoader::readWhole(path);
    if (!now.ok())
        return {Outcome::Failed, now.errorText + u" Nothing was written."_s, {}};
    if (!loaded.isKnown() || now.facts != loaded) {
        return {Outcome::Changed,
                u"\"%1\" has changed on disk since it was loaded, so the service was not added."_s.arg(name),
                {}};
    }
    const AddedService added = addService(now.bytes, service, fallback);
    if (!added.ok())
        return {Outcome::Refused, added.error, {}};

    const NativePath backup = backupPath(path);
    if (const SaveFile::Result kept = SaveFile::write(backup, now.bytes); !kept.ok) {
        return {Outcome::Failed,
                u"The backup \"%1\" could not be written: %2. Nothing was written; \"%3\" is as it was."_s.arg(
                    backup.baseName().display(), kept.reason, name),
                {}};
    }
    if (const SaveFile::Result written = SaveFile::write(path, added.bytes); !written.ok) {
        return {Outcome::Failed,
                u"\"%1\" could not be written: %2. The file is as it was."_s.arg(name, written.reason),
                {}};
    }
    return {Outcome::Written, QString(), added.status};
}

} // namespace Logbook
