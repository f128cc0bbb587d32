// SPDX-License-Identifier: GPL-3.0-or-later
// A drop-down of the machine's volumes: the mount points of real file systems (drive letters on Windows).
#pragma once

#include <QByteArray>
#include <QComboBox>

class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget *parent = nullptr);

    // Lists the volumes afresh from the mount table, keeping the chosen one when it is still there.
    void refresh();
    // The root path of the chosen volume, as shown and as its native bytes.
    QString drive() const;
    QByteArray nativeDrive() const;
    // Chooses the volume that holds path (the mount point nearest above it), without reporting a change.
    void selectVolumeOf(const QByteArray &path);

Q_SIGNALS:
    // The user chose another volume.
    void driveChanged();
};
