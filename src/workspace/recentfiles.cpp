// SPDX-License-Identifier: GPL-3.0-or-later
// The recent files in QSettings as an array of byte arrays, newest first.
#include "workspace/recentfiles.h"

#include "platform/nativefile.h"
#include "workspace/appsettings.h"

#include <QSettings>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString kKey = AppSettings::name(AppSettings::Key::RecentFiles);
const QString kPathKey = u"path"_s;

} // namespace

RecentFiles::RecentFiles(AppSettings *settings) : m_settings(settings)
{
    if (m_settings == nullptr) {
        m_own = std::make_unique<AppSettings>();
        m_settings = m_own.get();
    }
}

RecentFiles::~RecentFiles() = default;

QList<NativePath> RecentFiles::load()
{
    const std::unique_ptr<QSettings> settings = m_settings->open();
    if (!settings)
        return {};
    QList<NativePath> paths;
    const int stored = std::min(settings->beginReadArray(kKey), kScanned);
    for (int i = 0; i < stored && paths.size() < kMaximum; ++i) {
        settings->setArrayIndex(i);
        const NativePath path = NativePath::fromStoredForm(settings->value(kPathKey).toByteArray());
        // A list edited by hand may repeat a path or hold one that names no file; neither is offered.
        if (isKeepable(path) && !paths.contains(path))
            paths.append(path);
    }
    settings->endArray();
    return paths;
}

bool RecentFiles::isKeepable(const NativePath &path)
{
    return !path.isEmpty() && !path.storedForm().contains('\0') && path.units().size() <= NativeFile::maxPathBytes();
}

QList<NativePath> RecentFiles::withAdded(QList<NativePath> list, const NativePath &path)
{
    list.removeAll(path);
    list.prepend(path);
    if (list.size() > kMaximum)
        list.resize(kMaximum);
    return list;
}

QList<NativePath> RecentFiles::add(const NativePath &path)
{
    QList<NativePath> paths = load();
    if (!isKeepable(path))
        return paths;
    paths = withAdded(paths, path);
    store(paths);
    return paths;
}

QList<NativePath> RecentFiles::remove(const NativePath &path)
{
    QList<NativePath> paths = load();
    if (paths.removeAll(path) > 0)
        store(paths);
    return paths;
}

void RecentFiles::store(const QList<NativePath> &paths)
{
    const std::unique_ptr<QSettings> settings = m_settings->open();
    if (!settings)
        return;
    settings->remove(kKey);
    settings->beginWriteArray(kKey, int(paths.size()));
    for (int i = 0; i < paths.size(); ++i) {
        settings->setArrayIndex(i);
        // A byte array is written as bytes (@ByteArray(...) in the file), never through a text encoding.
        settings->setValue(kPathKey, paths.at(i).storedForm());
    }
    settings->endArray();
    settings->sync();
}
