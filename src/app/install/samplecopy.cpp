// SPDX-License-Identifier: GPL-3.0-or-later
// Copying the templates: each file read whole without following a link, and written as a new file that only takes
// a free name, so that a file the user already has (a log with services added, an edited hymnal) is never replaced.
#include "app/install/samplecopy.h"

#include "platform/folderaccess.h"
#include "platform/nativefile.h"
#include "platform/savefile.h"
#include "workspace/appsettings.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <memory>

using namespace Qt::StringLiterals;

namespace SampleCopy {

namespace {

// A sample is a few kilobytes; anything far larger in the templates' folder is no sample.
constexpr qint64 kMaxSampleBytes = 16 * 1024 * 1024;

} // namespace

QString logName()
{
    return u"ServiceLog.txt"_s;
}

NativePath userFolder()
{
    return NativePath::fromText(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .child(u"Cantorix2"_s);
}

Copied copy(const NativePath &templates, const NativePath &folder)
{
    Copied result;
    std::vector<FolderAccess::Entry> entries;
    if (FolderAccess::system().list(templates, entries) != 0)
        return result;
    const SaveFile::Result made = SaveFile::makeFolder(folder);
    if (!made.ok) {
        //: %1 is a folder's path, %2 the system's reason
        result.failure = QCoreApplication::translate("SampleCopy", "The folder “%1” could not be made: %2.")
                             .arg(folder.display(), made.reason);
        return result;
    }
    for (const FolderAccess::Entry &entry : entries) {
        if (entry.kind != FolderAccess::Kind::File || entry.hidden)
            continue;
        const QString name = entry.name.display();
        const std::optional<QByteArray> bytes =
            NativeFile::readUnfollowed(templates.child(entry.name), kMaxSampleBytes);
        if (!bytes)
            continue;
        const SaveFile::Result written = SaveFile::writeNew(folder.child(entry.name), *bytes);
        if (written.ok)
            result.copied.append(name);
        else if (written.nameTaken)
            result.kept.append(name);
        else if (result.failure.isEmpty())
            //: %1 is a sample file's name, %2 the folder's path, %3 the system's reason
            result.failure = QCoreApplication::translate("SampleCopy", "“%1” could not be copied into “%2”: %3.")
                                 .arg(name, folder.display(), written.reason);
    }
    const NativePath log = folder.child(logName());
    if (NativeFile::inspect(log).ok())
        result.log = log;
    return result;
}

Copied onFirstStart(AppSettings &settings, const NativePath &templates, const NativePath &folder)
{
    // Read before asking whether the settings are kept: reading looks at the file.
    const bool copied = settings.value(AppSettings::Key::SamplesCopied).toBool();
    if (!settings.isKept() || copied || !NativeFile::inspect(templates.child(logName())).ok())
        return {};
    Copied result = copy(templates, folder);
    // Once tried, never again: the user may have moved or deleted the copies on purpose.
    settings.setValue(AppSettings::Key::SamplesCopied, true);
    if (result.log.isEmpty())
        result.log = templates.child(logName());
    return result;
}

} // namespace SampleCopy
