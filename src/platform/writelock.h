// SPDX-License-Identifier: GPL-3.0-or-later
// The lock every copy of the program takes before it checks a file and writes it, so that the check and the write
// are one step for all of them, on a local disk and on a shared folder alike: a hidden file beside the file
// (".ServiceLog.txt.cantorix-lock"), made only where no such file is, naming the machine and the process that holds
// it. A lock is taken for stale, and broken, when its process on this machine is gone, or once it is older than
// kStaleSeconds by the clock of the disk that holds it (another machine's clock may be set otherwise). Other
// programs take no such lock; the writer's own checks are what keeps their changes.
#pragma once

#include "platform/nativepath.h"

#include <QByteArray>
#include <QString>

class WriteLock {
public:
    enum class State {
        Held,   // taken; released when this object goes
        Busy,   // another copy of the program held it for all of the wait
        Failed, // no lock can be made beside the file (reason says why): no other copy can take one there either
    };

    static constexpr int kWaitMs = 2000;
    static constexpr qint64 kStaleSeconds = 30;

    // Takes the lock of file, waiting up to waitMs while another copy holds it.
    explicit WriteLock(const NativePath &file, int waitMs = kWaitMs);
    ~WriteLock();
    WriteLock(const WriteLock &) = delete;
    WriteLock &operator=(const WriteLock &) = delete;

    State state() const { return m_state; }
    bool isHeld() const { return m_state == State::Held; }
    // Busy: the machine the holder runs on, as it names itself.
    const QString &holder() const { return m_holder; }
    // Failed: the system's words.
    const QString &reason() const { return m_reason; }

    // The lock's own name beside file.
    static NativePath lockPath(const NativePath &file);
    // Whether another copy of the program holds the lock of file now (a stale lock is no lock).
    static bool isHeldElsewhere(const NativePath &file);

private:
    NativePath m_path;
    QByteArray m_content; // what this copy wrote into it: released only while it still holds that
    State m_state = State::Failed;
    QString m_holder;
    QString m_reason;
};
