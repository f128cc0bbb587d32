// SPDX-License-Identifier: GPL-3.0-or-later
// Volumes come from the mount table only. Asking each mount about itself (statfs, as a storage query does) is
// what hangs on a network file system that has stopped answering, and this list is refreshed on every press
// in the folder list. Kernel and runtime pseudo file systems are not places for hymn files.
#include "platform/volumes.h"

#include "platform/mounttable.h"

#include <algorithm>

namespace Volumes {
namespace {

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

} // namespace

std::vector<Volume> systemList()
{
    QList<QByteArray> roots;
    for (const MountTable::Mount &mount : MountTable::parse(MountTable::read())) {
        if (isRealVolume(mount) && !roots.contains(mount.point))
            roots.append(mount.point);
    }
    if (!roots.contains("/"))
        roots.append(QByteArrayLiteral("/"));
    std::sort(roots.begin(), roots.end());
    std::vector<Volume> volumes;
    for (const QByteArray &root : roots) {
        const NativePath path = NativePath::fromUnits(root);
        volumes.push_back({path, path.display()});
    }
    return volumes;
}

} // namespace Volumes
