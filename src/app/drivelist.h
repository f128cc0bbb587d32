// A drop-down of the machine's volumes: the mount points of real file systems (drive letters on Windows).
#pragma once

#include <QComboBox>

class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget *parent = nullptr);

    // Lists the volumes afresh, keeping the chosen one when it is still there.
    void refresh();
    // The root path of the chosen volume.
    QString drive() const;
    // Chooses the volume that holds path, without reporting a change.
    void selectVolumeOf(const QString &path);

Q_SIGNALS:
    // The user chose another volume.
    void driveChanged();
};
