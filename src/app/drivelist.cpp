// Volumes come from QStorageInfo; kernel and runtime pseudo file systems are not places for hymn files.
#include "drivelist.h"

#include <QDir>
#include <QSignalBlocker>
#include <QStorageInfo>

using namespace Qt::StringLiterals;

namespace {
bool isRealVolume(const QStorageInfo &volume)
{
    static const QList<QByteArray> pseudo = {"proc",     "sysfs",       "devpts",  "cgroup",  "cgroup2",   "securityfs",
                                             "pstore",   "debugfs",     "tracefs", "mqueue",  "hugetlbfs", "configfs",
                                             "fusectl",  "binfmt_misc", "autofs",  "bpf",     "devtmpfs",  "nsfs",
                                             "efivarfs", "rpc_pipefs",  "ramfs",   "squashfs"};
    if (!volume.isValid() || !volume.isReady() || pseudo.contains(volume.fileSystemType()))
        return false;
    const QString root = volume.rootPath();
    for (const auto &hidden : {u"/proc"_s, u"/sys"_s, u"/dev"_s, u"/run"_s, u"/snap"_s}) {
        if (root == hidden || root.startsWith(hidden + u'/'))
            return false;
    }
    return true;
}
} // namespace

DriveList::DriveList(QWidget *parent) : QComboBox(parent)
{
    refresh();
    connect(this, &QComboBox::activated, this, [this] { Q_EMIT driveChanged(); });
}

void DriveList::refresh()
{
    const QString chosen = drive();
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (isRealVolume(volume) && !roots.contains(volume.rootPath()))
            roots.append(volume.rootPath());
    }
    const QString rootOfAll = QDir::rootPath();
    if (!roots.contains(rootOfAll))
        roots.append(rootOfAll);
    roots.sort();
    const QSignalBlocker blocker(this);
    clear();
    addItems(roots);
    const int again = findText(chosen);
    setCurrentIndex(again >= 0 ? again : 0);
}

QString DriveList::drive() const
{
    return currentText();
}

void DriveList::selectVolumeOf(const QString &path)
{
    const QString root = QStorageInfo(path).rootPath();
    int index = findText(root);
    if (index < 0) {
        refresh();
        index = findText(root);
    }
    if (index >= 0) {
        const QSignalBlocker blocker(this);
        setCurrentIndex(index);
    }
}
