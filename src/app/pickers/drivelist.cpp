// SPDX-License-Identifier: GPL-3.0-or-later
// Volumes come from the mount table only. Asking each mount about itself (statfs, as a storage query does) is
// what hangs on a network file system that has stopped answering, and this list is refreshed on every press
// in the folder list. Kernel and runtime pseudo file systems are not places for hymn files.
#include "app/pickers/drivelist.h"

#include "platform/folderaccess.h"
#include "platform/mounttable.h"

#include <QSignalBlocker>

#include <algorithm>

namespace {
constexpr int kNativeRole = Qt::UserRole;

bool isRealVolume(const MountTable::Mount &mount)
{
    static const QList<QByteArray> pseudo = {"proc",     "sysfs",       "devpts",  "cgroup",  "cgroup2",   "securityfs",
                                             "pstore",   "debugfs",     "tracefs", "mqueue",  "hugetlbfs", "configfs",
                                             "fusectl",  "binfmt_misc", "autofs",  "bpf",     "devtmpfs",  "nsfs",
                                             "efivarfs", "rpc_pipefs",  "ramfs",   "squashfs"};
    if (!mount.point.startsWith('/') || pseudo.contains(mount.type))
        return false;
    for (const QByteArray hidden : {"/proc", "/sys", "/dev", "/run", "/snap"}) {
        if (mount.point == hidden || mount.point.startsWith(hidden + '/'))
            return false;
    }
    return true;
}

bool holds(const QByteArray &root, const QByteArray &path)
{
    return root == "/" || path == root || path.startsWith(root + '/');
}
} // namespace

DriveList::DriveList(QWidget *parent) : QComboBox(parent)
{
    refresh();
    connect(this, &QComboBox::activated, this, [this] { Q_EMIT driveChanged(); });
}

void DriveList::refresh()
{
    const QByteArray chosen = nativeDrive();
    QList<QByteArray> roots;
    for (const MountTable::Mount &mount : MountTable::parse(MountTable::read())) {
        if (isRealVolume(mount) && !roots.contains(mount.point))
            roots.append(mount.point);
    }
    if (!roots.contains("/"))
        roots.append(QByteArrayLiteral("/"));
    std::sort(roots.begin(), roots.end());
    const QSignalBlocker blocker(this);
    clear();
    for (const QByteArray &root : roots)
        addItem(FolderAccess::displayName(root), root);
    const int again = findData(chosen);
    setCurrentIndex(again >= 0 ? again : 0);
}

QString DriveList::drive() const
{
    return currentText();
}

QByteArray DriveList::nativeDrive() const
{
    const QVariant native = currentData(kNativeRole);
    return native.isValid() ? native.toByteArray() : currentText().toUtf8();
}

void DriveList::selectVolumeOf(const QByteArray &path)
{
    const auto nearest = [this, &path] {
        int best = -1;
        qsizetype bestLength = -1;
        for (int i = 0; i < count(); ++i) {
            const QByteArray root = itemData(i, kNativeRole).toByteArray();
            if (holds(root, path) && root.size() > bestLength) {
                best = i;
                bestLength = root.size();
            }
        }
        return best;
    };
    // The table is read afresh: the volume may have been mounted since the last look.
    refresh();
    const int index = nearest();
    if (index >= 0) {
        const QSignalBlocker blocker(this);
        setCurrentIndex(index);
    }
}
