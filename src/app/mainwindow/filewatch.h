// SPDX-License-Identifier: GPL-3.0-or-later
// Watching a loaded file for changes made outside the program: an editor writing it in place, saving a new file
// over it by rename, or deleting it. Reports only when the bytes on disk change, not when the file is merely
// touched, and only once per change, so a dismissed notice stays dismissed until the file changes again.
#pragma once

#include "platform/nativepath.h"
#include "store/hymnfileloader.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

class FileWatch : public QObject {
    Q_OBJECT
public:
    enum class Disk {
        AsLoaded, // the bytes are again those loaded
        Changed,  // other bytes, or a file that can no longer be read
        Deleted,  // nothing by that name
    };

    // Editors write in bursts; the file is looked at once they pause for this long.
    static constexpr int CheckIntervalMs = 200;

    explicit FileWatch(QObject *parent = nullptr);

    // Watches path, whose bytes were read as loaded, in place of whatever was watched.
    void watch(const NativePath &path, const FileFacts &loaded);
    void stop();
    const NativePath &path() const { return m_path; }
    // How often the file has been looked at since the program started, for tests to wait on.
    int looks() const { return m_looks; }
    // How often the whole file was read to compare its bytes, for tests to check which looks needed it.
    int reads() const { return m_reads; }

Q_SIGNALS:
    // The file on disk is not as it was when last reported (or loaded).
    void changed(FileWatch::Disk disk);

private:
    // What the file held when looked at: enough to tell other bytes from the same ones.
    struct Seen {
        bool missing = false;
        qint64 size = -1;
        QByteArray digest;
        friend bool operator==(const Seen &, const Seen &) = default;
    };

    void look();
    // The watcher drops a file that was deleted or replaced; the folder's watch sees the new one come, and the
    // file's watch is set again on whatever file has the name now.
    void arm(bool present);

    QFileSystemWatcher m_watcher;
    // Editors write in bursts; the file is looked at once they pause.
    QTimer m_settle;
    NativePath m_path;
    Seen m_loaded;
    Seen m_seen;
    int m_looks = 0;
    int m_reads = 0;
};
