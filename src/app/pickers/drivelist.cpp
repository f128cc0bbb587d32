// SPDX-License-Identifier: GPL-3.0-or-later
// The rows are the platform's volume list; each keeps its root's units, so a root the text cannot carry is kept.
#include "app/pickers/drivelist.h"

#include "platform/volumes.h"

#include <QSignalBlocker>

namespace {
constexpr int kNativeRole = Qt::UserRole;
} // namespace

DriveList::DriveList(QWidget *parent) : QComboBox(parent)
{
    refresh();
    connect(this, &QComboBox::activated, this, [this] { Q_EMIT driveChanged(); });
}

void DriveList::refresh()
{
    const NativePath chosen = nativeDrive();
    const QSignalBlocker blocker(this);
    clear();
    for (const Volumes::Volume &volume : Volumes::list())
        addItem(volume.shown, volume.root.units());
    const int again = findData(chosen.units());
    setCurrentIndex(again >= 0 ? again : 0);
}

QString DriveList::drive() const
{
    return currentText();
}

NativePath DriveList::nativeDrive() const
{
    const QVariant native = currentData(kNativeRole);
    return native.isValid() ? NativePath::fromUnits(native.toByteArray()) : NativePath::fromText(currentText());
}

void DriveList::selectVolumeOf(const NativePath &path)
{
    // The table is read afresh: the volume may have been mounted since the last look.
    refresh();
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < count(); ++i) {
        const NativePath root = NativePath::fromUnits(itemData(i, kNativeRole).toByteArray());
        if (path.isWithin(root) && root.units().size() > bestLength) {
            best = i;
            bestLength = root.units().size();
        }
    }
    if (best >= 0) {
        const QSignalBlocker blocker(this);
        setCurrentIndex(best);
    }
}
