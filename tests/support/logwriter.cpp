// SPDX-License-Identifier: GPL-3.0-or-later
// A second hand on one log, for the race tests: a copy of the program adding services, or another program
// appending lines or saving the file by rename, as fast as it may, in a process of its own.
//
//   cantorix_logwriter write LOG COUNT TAG [WIDEN_MS [noswap|die]]
//                                                       adds COUNT services, each as its own press would (read,
//                                                       then write; a refusal for a change is read again and
//                                                       pressed again); prints "added TAG N" for each one added;
//                                                       noswap writes as where two names cannot be swapped in one
//                                                       step (NFS, SMB, Windows), where the lock alone keeps copies
//                                                       of the program apart; die ends the process as a kill would,
//                                                       once a write in place has grown the file
//   cantorix_logwriter append LOG PAUSE_MS STOP          appends "appended N" lines by name until STOP exists
//   cantorix_logwriter rename LOG PAUSE_MS STOP          saves the log with an "edited N" line added, by rename, as
//                                                       editors save, until STOP exists
// Each of the last two prints how many lines it made. WIDEN_MS holds every write between its last check and the
// replacement, so that a few rounds meet what thousands would.
#include "logbook/writeservice.h"
#include "platform/savefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <QThread>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

int writeServices(const QString &log, int count, const QString &tag, int widenMs, const QString &option)
{
    SaveFile::allowExchange(option != u"noswap");
    if (option == u"die")
        SaveFile::onStage(SaveFile::Stage::Grown, [] { std::_Exit(9); });
    if (widenMs > 0)
        SaveFile::onStage(SaveFile::Stage::BeforeReplace, [widenMs] { QThread::msleep(widenMs); });
    const NativePath path = NativePath::fromText(log);
    Logbook::BackupRecord backup;
    for (int i = 0; i < count; ++i) {
        const Logbook::NewService service{QDate(2027, 1, 3).addDays(7 * (i % 200)),
                                          u"%1 %2"_s.arg(tag).arg(i),
                                          {{QString::number(100 + i), u"Hymn %1 %2"_s.arg(tag).arg(i)}}};
        // A log another program never stops changing refuses every press; the presses stop after a while.
        const int attempts = qEnvironmentVariableIsSet("CANTORIX_WRITER_ATTEMPTS")
                                 ? qEnvironmentVariableIntValue("CANTORIX_WRITER_ATTEMPTS")
                                 : 500;
        for (int attempt = 0; attempt < attempts; ++attempt) {
            const HymnFileLoader::DiskFile loaded = HymnFileLoader::readWhole(path);
            if (!loaded.ok())
                continue;
            const Logbook::WrittenService written =
                Logbook::writeService(path, loaded.facts, service, Logbook::LineEnd::Lf, backup);
            if (written.backup.isKnown())
                backup = written.backup;
            if (written.outcome == Logbook::WrittenService::Outcome::Written) {
                out() << "added " << tag << ' ' << i << Qt::endl;
                break;
            }
            if (written.outcome != Logbook::WrittenService::Outcome::Changed)
                out() << "refused " << tag << ' ' << i << ": " << written.message << Qt::endl;
        }
    }
    return 0;
}

// As a shell's ">>" does: the name opened for appending, one line written, closed; holdMs: the file held open that
// long before the line is written, as a program that opens its log and writes later.
int appendLines(const QString &log, int pauseMs, const QString &stop, int holdMs)
{
    int made = 0;
    while (!QFile::exists(stop)) {
        QFile file(log);
        if (file.open(QIODevice::Append)) {
            if (holdMs > 0)
                QThread::msleep(holdMs);
            file.write(u"appended %1\n"_s.arg(made).toUtf8());
            file.close();
            ++made;
        }
        QThread::msleep(pauseMs);
    }
    out() << made << Qt::endl;
    return 0;
}

// As sed -i and most editors save: the file read, a new file written beside it, renamed over the old one.
int saveByRename(const QString &log, int pauseMs, const QString &stop)
{
    int made = 0;
    const QString beside = log + u".edit~"_s;
    while (!QFile::exists(stop)) {
        QFile in(log);
        if (in.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = in.readAll() + u"edited %1\n"_s.arg(made).toUtf8();
            in.close();
            QFile edited(beside);
            if (edited.open(QIODevice::WriteOnly | QIODevice::Truncate) && edited.write(bytes) == bytes.size()) {
                edited.close();
                if (std::rename(QFile::encodeName(beside).constData(), QFile::encodeName(log).constData()) == 0)
                    ++made;
            }
        }
        QThread::msleep(pauseMs);
    }
    out() << made << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 5 && args[1] == u"write")
        return writeServices(args[2], args[3].toInt(), args[4], args.size() > 5 ? args[5].toInt() : 0,
                             args.size() > 6 ? args[6] : QString());
    if ((args.size() == 5 || args.size() == 6) && args[1] == u"append")
        return appendLines(args[2], args[3].toInt(), args[4], args.size() == 6 ? args[5].toInt() : 0);
    if (args.size() == 5 && args[1] == u"rename")
        return saveByRename(args[2], args[3].toInt(), args[4]);
    std::fputs("usage: cantorix_logwriter write LOG COUNT TAG [WIDEN_MS [noswap|die]] | append LOG PAUSE_MS STOP "
               "[HOLD_MS] | rename LOG PAUSE_MS STOP\n",
               stderr);
    return 2;
}
