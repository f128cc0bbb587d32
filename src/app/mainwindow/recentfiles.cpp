// SPDX-License-Identifier: GPL-3.0-or-later
// The recent files in QSettings as an array of byte arrays, newest first.
#include "app/mainwindow/recentfiles.h"

#include <QSettings>

namespace RecentFiles {
namespace {

const QString kKey = QStringLiteral("recentFiles");
const QString kPathKey = QStringLiteral("path");

} // namespace

QList<NativePath> load()
{
    QSettings settings;
    QList<NativePath> paths;
    const int stored = settings.beginReadArray(kKey);
    for (int i = 0; i < stored && paths.size() < kMaximum; ++i) {
        settings.setArrayIndex(i);
        const NativePath path = NativePath::fromUnits(settings.value(kPathKey).toByteArray());
        // A list edited by hand may repeat a path or hold an empty one; neither is offered.
        if (!path.isEmpty() && !paths.contains(path))
            paths.append(path);
    }
    settings.endArray();
    return paths;
}

QList<NativePath> withAdded(QList<NativePath> list, const NativePath &path)
{
    list.removeAll(path);
    list.prepend(path);
    if (list.size() > kMaximum)
        list.resize(kMaximum);
    return list;
}

QList<NativePath> add(const NativePath &path)
{
    const QList<NativePath> paths = withAdded(load(), path);
    QSettings settings;
    settings.remove(kKey);
    settings.beginWriteArray(kKey, int(paths.size()));
    for (int i = 0; i < paths.size(); ++i) {
        settings.setArrayIndex(i);
        // A byte array is written as bytes (@ByteArray(...) in the file), never through a text encoding.
        settings.setValue(kPathKey, paths.at(i).units());
    }
    settings.endArray();
    settings.sync();
    return paths;
}

} // namespace RecentFiles
