// SPDX-License-Identifier: GPL-3.0-or-later
// Taking, judging and breaking the write lock. A stale lock is broken under a second lock of its own (".…
// cantorix-lock-break"), and only while it still holds what was judged stale, so that two copies that judged it at
// once never remove a lock a third has just taken.
#include "platform/writelock.h"

#include "platform/lockfiles.h"
#include "platform/nativefile.h"
#include "platform/savefile.h"

#include <QDeadlineTimer>
#include <QRandomGenerator>
#include <QSysInfo>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 kMaxLockBytes = 4096;

struct Holder {
    QString host;
    QString system;
    qint64 process = 0;
};

NativePath besideFile(const NativePath &file, const QString &part)
{
    const NativePath folder = file.parent();
    return folder.child(SaveFile::companionName(file.baseName(), part, NativeFile::maxNameBytes(folder)));
}

NativePath probePath(const NativePath &file)
{
    const NativePath folder = file.parent();
    return folder.child(SaveFile::temporaryName(file.baseName(), QRandomGenerator::global()->generate(),
                                                NativeFile::maxNameBytes(folder)));
}

QByteArray contentFor(const QByteArray &token)
{
    return "Cantorix2 write lock\nhost: " + QSysInfo::machineHostName().toUtf8() +
           "\nsystem: " + LockFiles::systemKind().toUtf8() +
           "\nprocess: " + QByteArray::number(LockFiles::currentProcess()) + "\ntoken: " + token + '\n';
}

Holder holderIn(const QByteArray &content)
{
    Holder holder;
    for (const QByteArray &line : content.split('\n')) {
        if (line.startsWith("host: "))
            holder.host = QString::fromUtf8(line.mid(6));
        else if (line.startsWith("system: "))
            holder.system = QString::fromUtf8(line.mid(8));
        else if (line.startsWith("process: "))
            holder.process = line.mid(9).toLongLong();
    }
    return holder;
}

std::optional<QByteArray> contentOf(const NativePath &lock)
{
    return NativeFile::readUnfollowed(lock, kMaxLockBytes);
}

// A lock whose holder is gone: its process ended on this machine, or (asked byAge, as reading the disk's clock
// makes and removes a file) it is older than any write can take.
bool isStale(const NativePath &file, const NativePath &lock, const QByteArray &content, bool byAge)
{
    const Holder holder = holderIn(content);
    if (holder.process > 0 && holder.host == QSysInfo::machineHostName() && holder.system == LockFiles::systemKind() &&
        !LockFiles::isRunning(holder.process))
        return true;
    if (!byAge)
        return false;
    const std::optional<qint64> age = LockFiles::ageSeconds(lock, probePath(file));
    return age && *age >= WriteLock::kStaleSeconds;
}

// Removes the stale lock that held content, unless it was broken, or taken anew, meanwhile.
void breakStale(const NativePath &file, const NativePath &lock, const QByteArray &content)
{
    const NativePath breaker = besideFile(file, u"lock-break"_s);
    const QByteArray mine = contentFor(QByteArray::number(QRandomGenerator::global()->generate64(), 16));
    switch (LockFiles::create(breaker, mine, nullptr)) {
    case LockFiles::Made::Made:
        break;
    case LockFiles::Made::Taken: {
        // A copy that died while breaking a lock leaves its own breaker behind.
        const std::optional<qint64> age = LockFiles::ageSeconds(breaker, probePath(file));
        if (age && *age >= WriteLock::kStaleSeconds)
            (void)SaveFile::remove(breaker);
        return;
    }
    case LockFiles::Made::Failed:
        return;
    }
    if (contentOf(lock) == content)
        (void)SaveFile::remove(lock);
    if (contentOf(breaker) == mine)
        (void)SaveFile::remove(breaker);
}

} // namespace

NativePath WriteLock::lockPath(const NativePath &file)
{
    return besideFile(file, u"lock"_s);
}

WriteLock::WriteLock(const NativePath &file, int waitMs)
{
    const NativePath lock = lockPath(file);
    const QByteArray content = contentFor(QByteArray::number(QRandomGenerator::global()->generate64(), 16));
    const QDeadlineTimer deadline(waitMs);
    QDeadlineTimer ageCheck(0);
    for (;;) {
        switch (LockFiles::create(lock, content, &m_reason)) {
        case LockFiles::Made::Made:
            m_path = lock;
            m_content = content;
            m_state = State::Held;
            m_reason.clear();
            return;
        case LockFiles::Made::Failed:
            m_state = State::Failed;
            return;
        case LockFiles::Made::Taken:
            break;
        }
        // Gone again since, or unreadable for a moment: tried again at once.
        const std::optional<QByteArray> held = contentOf(lock);
        const bool byAge = ageCheck.hasExpired();
        if (byAge)
            ageCheck.setRemainingTime(500);
        if (held && isStale(file, lock, *held, byAge)) {
            breakStale(file, lock, *held);
            continue;
        }
        if (held)
            m_holder = holderIn(*held).host;
        if (deadline.hasExpired()) {
            m_state = State::Busy;
            return;
        }
        // Two copies that met keep apart: each waits a little differently.
        LockFiles::pause(5 + int(QRandomGenerator::global()->bounded(20)));
    }
}

WriteLock::~WriteLock()
{
    // A lock broken as stale and taken by another since is the other's.
    if (m_state == State::Held && contentOf(m_path) == m_content)
        (void)SaveFile::remove(m_path);
}

bool WriteLock::isHeldElsewhere(const NativePath &file)
{
    const NativePath lock = lockPath(file);
    const std::optional<QByteArray> held = contentOf(lock);
    return held && !isStale(file, lock, *held, true);
}
