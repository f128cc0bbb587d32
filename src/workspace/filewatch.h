// SPDX-License-Identifier: GPL-3.0-or-later
// Watching a loaded file for changes made outside the program: an editor writing it in place, saving a new file
// over it by rename, deleting it, or its folder moved away and back. Reports only when what is on disk differs from
// what was last reported, judged by the bytes (size and digest), not the file's times, so a touch is no change and a
// dismissed notice stays dismissed until the file changes again.
#pragma once

#include "platform/nativepath.h"
#include "platform/pathwatch.h"
#include "store/hymnfileloader.h"

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

    // The file is looked at no more than once in this time however often it is written, and never later than this
    // after a write, however long the writes go on.
    static constexpr int CheckIntervalMs = 250;

    explicit FileWatch(QObject *parent = nullptr);

    // Watches path, whose bytes were read as loaded, in place of whatever was watched; loaded unknown: the file was
    // not there (or could not be read), and its coming is a change.
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
    // What the file held when looked at: enough to tell other bytes from the same ones, and one change from the
    // next.
    struct Seen {
        enum class Kind {
            Missing,
            Unreadable, // present, but could not be read
            Sized,      // of another size than the file loaded: told by its size and stamp, without reading it
            Read,       // of the loaded size: told by its bytes, whatever its times
        };
        Kind kind = Kind::Missing;
        qint64 size = -1;
        QByteArray digest; // Read only
        QByteArray stamp;  // Sized only
        friend bool operator==(const Seen &, const Seen &) = default;
    };

    void stirred();
    void look();
    Seen seenNow();

    PathWatch m_pathWatch;
    QTimer m_check;
    NativePath m_path;
    Seen m_loaded;
    Seen m_seen;
    int m_looks = 0;
    int m_reads = 0;
};
