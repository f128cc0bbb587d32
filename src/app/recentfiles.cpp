// The recent files in QSettings under one key, a list of byte arrays.
#include "app/recentfiles.h"

#include <QSettings>
#include <QVariant>

namespace RecentFiles {
namespace {

const QString kKey = QStringLiteral("recentFiles");

} // namespace

QList<QByteArray> load()
{
    QList<QByteArray> paths;
    const QVariantList stored = QSettings().value(kKey).toList();
    for (const QVariant &value : stored) {
        const QByteArray path = value.toByteArray();
        if (!path.isEmpty() && !paths.contains(path))
            paths.append(path);
    }
    return paths.mid(0, kMaximum);
}

QList<QByteArray> withAdded(QList<QByteArray> list, const QByteArray &path)
{
    list.removeAll(path);
    list.prepend(path);
    if (list.size() > kMaximum)
        list.resize(kMaximum);
    return list;
}

QList<QByteArray> add(const QByteArray &path)
{
    const QList<QByteArray> paths = withAdded(load(), path);
    QVariantList stored;
    for (const QByteArray &each : paths)
        stored.append(each);
    QSettings settings;
    settings.setValue(kKey, stored);
    settings.sync();
    return paths;
}

} // namespace RecentFiles
