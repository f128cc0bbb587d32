// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's mounted file systems, from the kernel's mount table alone: nothing here stats or opens a mount,
// so a network file system that has stopped answering cannot hold up whoever asks.
#pragma once

#include <QByteArray>
#include <QList>

#include <functional>

namespace MountTable {

struct Mount {
    QByteArray device;
    QByteArray point; // the mount point's native bytes, escapes undone
    QByteArray type;
};

// The table's text as the system gives it.
QByteArray readSystem();
// The table's text through the installed reader (the system's unless a test installed another).
QByteArray read();
// Installs reader (empty for the system's).
void setReader(std::function<QByteArray()> reader);

// The mounts of a table in the fstab layout ("device point type options dump pass", octal escapes in fields).
QList<Mount> parse(const QByteArray &text);

} // namespace MountTable
