// SPDX-License-Identifier: GPL-3.0-or-later
// A drop-down of the machine's volumes: the mount points of real file systems (drive letters on Windows).
#pragma once

#include "platform/nativepath.h"

#include <QComboBox>

class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget *parent = nullptr);

    // Lists the volumes afresh, keeping the chosen one when it is still there.
    void refresh();
    // The chosen volume as shown, and its root.
    QString drive() const;
    NativePath nativeDrive() const;
    // Chooses the volume that holds path (the root nearest above it), without reporting a change.
    void selectVolumeOf(const NativePath &path);

Q_SIGNALS:
    // The user chose another volume.
    void driveChanged();
};
