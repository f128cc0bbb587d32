// SPDX-License-Identifier: GPL-3.0-or-later
// The test seams of the atomic writer and the names of its own files; the writing itself is the system's
// (savefile_posix.cpp, savefile_win.cpp).
#include "platform/savefile.h"

#include <QCryptographicHash>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace SaveFile {

namespace {

int g_failWith = 0;
int g_passLeft = 0;
int g_failLeft = -1;
std::function<void()> g_stages[3];
bool g_exchange = true;
bool g_recording = false;
QStringList g_syncs;

const QString kMark = u"cantorix-"_s;

QByteArray unitsOf(const QString &text)
{
    return NativePath::fromText(text).units();
}

// The short form's stand-in for a name too long to repeat: eight hex digits of its digest, the same on every run.
QString hashOf(const NativePath &fileName)
{
    return QString::fromLatin1(QCryptographicHash::hash(fileName.units(), QCryptographicHash::Sha256).toHex().left(8));
}

QByteArray longPrefix(const NativePath &fileName)
{
    return unitsOf(u"."_s) + fileName.units() + unitsOf(u"."_s + kMark);
}

QByteArray shortPrefix(const NativePath &fileName)
{
    return unitsOf(u"."_s + kMark + hashOf(fileName) + u'-');
}

} // namespace

void failWritesWith(int error, int passFirst, int count)
{
    g_failWith = error;
    g_passLeft = passFirst;
    g_failLeft = count;
}

int simulatedFailure()
{
    if (g_failWith == 0)
        return 0;
    if (g_passLeft > 0) {
        --g_passLeft;
        return 0;
    }
    const int error = g_failWith;
    if (g_failLeft > 0 && --g_failLeft == 0)
        g_failWith = 0;
    return error;
}

void onStage(Stage stage, std::function<void()> action)
{
    g_stages[int(stage)] = std::move(action);
}

void reachStage(Stage stage)
{
    if (const std::function<void()> &action = g_stages[int(stage)])
        action();
}

void allowExchange(bool allow)
{
    g_exchange = allow;
}

bool exchangeAllowed()
{
    return g_exchange;
}

void recordSyncs(bool record)
{
    g_recording = record;
    g_syncs.clear();
}

QStringList recordedSyncs()
{
    return g_syncs;
}

void noteSync(const QString &event)
{
    if (g_recording)
        g_syncs.append(event);
}

NativePath companionName(const NativePath &fileName, const QString &part, qsizetype maxNameBytes)
{
    QByteArray made = longPrefix(fileName) + unitsOf(part);
    // A name near the system's limit leaves no room for the additions; the short form still names its file.
    if (made.size() > maxNameBytes)
        made = shortPrefix(fileName) + unitsOf(part);
    return NativePath::fromUnits(made);
}

NativePath temporaryName(const NativePath &fileName, quint32 random, qsizetype maxNameBytes)
{
    return companionName(fileName, u"%1.tmp"_s.arg(random, 8, 16, QChar(u'0')), maxNameBytes);
}

bool isTemporaryNameOf(const NativePath &candidate, const NativePath &fileName)
{
    static const QRegularExpression randomPart(u"^[0-9a-f]{8}\\.tmp$"_s);
    const QByteArray &units = candidate.units();
    for (const QByteArray &prefix : {longPrefix(fileName), shortPrefix(fileName)}) {
        if (units.size() > prefix.size() && units.startsWith(prefix))
            return randomPart.match(NativePath::fromUnits(units.mid(prefix.size())).display()).hasMatch();
    }
    return false;
}

} // namespace SaveFile
