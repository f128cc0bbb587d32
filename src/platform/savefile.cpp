// SPDX-License-Identifier: GPL-3.0-or-later
// The test seam of the atomic writer and the names of its new files; the writing itself is the system's
// (savefile_posix.cpp, savefile_win.cpp).
#include "platform/savefile.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace SaveFile {

namespace {
int g_failWith = 0;
int g_passLeft = 0;
} // namespace

void failWritesWith(int error, int passFirst)
{
    g_failWith = error;
    g_passLeft = passFirst;
}

int simulatedFailure()
{
    if (g_failWith == 0)
        return 0;
    if (g_passLeft > 0) {
        --g_passLeft;
        return 0;
    }
    return g_failWith;
}

NativePath temporaryName(const NativePath &name, quint32 random, qsizetype maxNameBytes)
{
    const QByteArray tail = NativePath::fromText(u'.' + QString::number(random, 36) + u".new"_s).units();
    const QByteArray dot = NativePath::fromText(u"."_s).units();
    QByteArray made = dot + name.units() + tail;
    // A name near the system's limit leaves no room for the additions; the short form is still known for the
    // writer's own.
    if (made.size() > maxNameBytes)
        made = NativePath::fromText(u".cx"_s).units() + tail;
    return NativePath::fromUnits(made);
}

bool isTemporaryName(const NativePath &name)
{
    static const QRegularExpression pattern(u"^\\..+\\.[0-9a-z]{1,7}\\.new$"_s);
    return pattern.match(name.display()).hasMatch();
}

} // namespace SaveFile
