// SPDX-License-Identifier: GPL-3.0-or-later
// The Linux mount table: /proc/self/mounts, or /etc/mtab where /proc is not mounted.
#include "platform/mounttable.h"

#include <fcntl.h>
#include <unistd.h>

namespace MountTable {
namespace {

std::function<QByteArray()> &installed()
{
    static std::function<QByteArray()> reader;
    return reader;
}

QByteArray readWhole(const char *path)
{
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    QByteArray text;
    char chunk[16 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got <= 0)
            break;
        text.append(chunk, got);
    }
    ::close(fd);
    return text;
}

// Spaces, tabs, newlines and backslashes in a field are written as \ooo.
QByteArray unescape(QByteArrayView field)
{
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (c == '\\' && i + 3 < field.size()) {
            const QByteArrayView digits = field.sliced(i + 1, 3);
            bool octal = true;
            for (char d : digits)
                octal = octal && d >= '0' && d <= '7';
            if (octal) {
                out.append(char(((digits[0] - '0') << 6) | ((digits[1] - '0') << 3) | (digits[2] - '0')));
                i += 3;
                continue;
            }
        }
        out.append(c);
    }
    return out;
}

} // namespace

QByteArray readSystem()
{
    QByteArray text = readWhole("/proc/self/mounts");
    return text.isEmpty() ? readWhole("/etc/mtab") : text;
}

QByteArray read()
{
    const std::function<QByteArray()> &reader = installed();
    return reader ? reader() : readSystem();
}

void setReader(std::function<QByteArray()> reader)
{
    installed() = std::move(reader);
}

QList<Mount> parse(const QByteArray &text)
{
    QList<Mount> mounts;
    for (const QByteArray &line : text.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3 || fields[0].startsWith('#'))
            continue;
        mounts.append({unescape(fields[0]), unescape(fields[1]), unescape(fields[2])});
    }
    return mounts;
}

} // namespace MountTable
