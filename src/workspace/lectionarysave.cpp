// SPDX-License-Identifier: GPL-3.0-or-later
// The lectionary is read with the same reader the change watch uses (bytes, identity), so that "still the file read"
// means the same here as there, and written through the platform's one-step writer.
#include "workspace/lectionarysave.h"

#include "calendar/lectionaryfile.h"
#include "platform/savefile.h"
#include "platform/writelock.h"
#include "store/hymnfileloader.h"

#include <QCoreApplication>

namespace LectionarySave {

namespace {

QString changedText()
{
    return QCoreApplication::translate("Workspace", "%1 was changed by another program while the import was being "
                                                    "prepared, so nothing was written. Import again to merge into it "
                                                    "as it is now.")
        .arg(Calendar::LectionaryFile::fileName());
}

} // namespace

QString refusal(const NativePath &folder)
{
    const QString name = Calendar::LectionaryFile::fileName();
    if (!SaveFile::canWriteIn(folder)) {
        return QCoreApplication::translate("Workspace", "The hymnal's folder “%1” cannot be written, so no lectionary "
                                                        "can be imported: %2 goes beside the hymnal. Copy the hymnal "
                                                        "to a folder you may write in, and set it there.")
            .arg(folder.display(), name);
    }
    const NativeFile::Entry entry = NativeFile::entryThrough(folder.child(name));
    switch (entry.kind) {
    case NativeFile::Entry::Kind::Missing:
        return QString();
    case NativeFile::Entry::Kind::Regular:
    case NativeFile::Entry::Kind::Link:
        if (!entry.readOnly)
            return QString();
        return QCoreApplication::translate("Workspace", "%1 in “%2” is read-only, so no lectionary can be imported "
                                                        "into it.")
            .arg(name, folder.display());
    case NativeFile::Entry::Kind::Folder:
    case NativeFile::Entry::Kind::Other:
    case NativeFile::Entry::Kind::Unreadable:
        break;
    }
    return QCoreApplication::translate("Workspace", "%1 in “%2” is not a file the program can write, so no lectionary "
                                                    "can be imported.")
        .arg(name, folder.display());
}

Draft draft(const NativePath &folder, const std::vector<Calendar::LectionaryLine> &lines)
{
    Draft made;
    made.path = folder.child(Calendar::LectionaryFile::fileName());
    const HymnFileLoader::DiskFile now = HymnFileLoader::readWhole(made.path);
    made.exists = !now.missing;
    if (made.exists && !now.ok()) {
        made.error = now.errorText;
        return made;
    }
    made.read = now.bytes;
    made.identity = now.identity;
    made.merge = Calendar::LectionaryMerge::merge(made.read, made.exists, lines);
    made.error = made.merge.error();
    return made;
}

Written write(const Draft &draft)
{
    const QString name = Calendar::LectionaryFile::fileName();
    if (!draft.error.isEmpty())
        return {Written::Outcome::Failed, draft.error};
    // The same lock the log's writes take: another copy of the program checks and writes the file only after this.
    const WriteLock lock(draft.path);
    if (lock.state() == WriteLock::State::Busy) {
        return {Written::Outcome::Failed,
                QCoreApplication::translate("Workspace", "%1 is being written by another copy of Cantorix2, so "
                                                         "nothing was written. Try again in a moment.")
                    .arg(name)};
    }
    const HymnFileLoader::DiskFile now = HymnFileLoader::readWhole(draft.path);
    SaveFile::Result result;
    if (draft.exists) {
        if (!now.ok() || now.bytes != draft.read || now.identity != draft.identity)
            return {Written::Outcome::Changed, changedText()};
        result = SaveFile::replace(draft.path, draft.merge.bytes(), {draft.identity, draft.read});
    } else {
        if (!now.missing)
            return {Written::Outcome::Changed, changedText()};
        result = SaveFile::writeNew(draft.path, draft.merge.bytes());
    }
    if (result.changed || result.nameTaken)
        return {Written::Outcome::Changed, changedText()};
    if (!result.ok) {
        return {Written::Outcome::Failed,
                QCoreApplication::translate("Workspace", "%1 could not be written: %2. The file is as it was.")
                    .arg(name, result.reason)};
    }
    return {Written::Outcome::Written, QString()};
}

} // namespace LectionarySave
