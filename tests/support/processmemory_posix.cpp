// SPDX-License-Identifier: GPL-3.0-or-later
// Linux: VmRSS and VmHWM from /proc/self/status.
#include "processmemory.h"

#include <QFile>

namespace ProcessMemory {

namespace {
qint64 statusKb(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}
} // namespace

qint64 residentKb()
{
    return statusKb("VmRSS");
}

qint64 peakResidentKb()
{
    return statusKb("VmHWM");
}

} // namespace ProcessMemory
