// SPDX-License-Identifier: GPL-3.0-or-later
// Two hands on one log, for real: copies of the program in processes of their own adding services at once, and
// other programs appending to the log or saving it by rename while services are written. Every write is held a
// few milliseconds between its last check and the replacement, so that a few rounds meet what thousands of
// unheld ones would; CANTORIX_RACE_ROUNDS sets how many (scripts/endurance.sh runs a thousand). What is counted is
// what was lost: a service reported added that is not in the log, a line of the other program's that is gone.
#include "testfiles.h"

#include "logbook/unfinishedwrite.h"
#include "logbook/writeservice.h"
#include "platform/savefile.h"
#include "platform/writelock.h"
#include "systemfiles.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QThread>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kLog = "Nov 29, 2026 Advent 1\n200 Beta\n";

int rounds(int usual)
{
    const int asked = qEnvironmentVariableIntValue("CANTORIX_RACE_ROUNDS");
    return asked > 0 ? asked : usual;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The other program's lines, which begin with its word.
QSet<QString> linesOf(const QString &text, const QString &word)
{
    QSet<QString> found;
    for (const QString &line : text.split(u'\n')) {
        if (line.startsWith(word + u' '))
            found.insert(line);
    }
    return found;
}

QProcess *startWriter(const QStringList &arguments, QObject *parent)
{
    auto *process = new QProcess(parent);
    process->setProgram(QStringLiteral(CANTORIX_LOGWRITER));
    process->setArguments(arguments);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start();
    return process;
}

} // namespace

class TestWriteRace : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { SaveFile::onStage(SaveFile::Stage::BeforeReplace, {}); }

    // Two copies of the program press Add Service at once, over and over: each service one of them was told was
    // added is in the log. They write as where two names cannot be swapped in one step (a shared folder, Windows),
    // so that nothing but the lock keeps them apart.
    void twoCopiesLoseNothing()
    {
        // A log takes 1,800 services: a long run starts a new one every few hundred.
        for (int left = rounds(25); left > 0; left -= 400) {
            const int count = qMin(left, 400);
            TestFolder dir;
            const QString log = dir.write(u"log.txt"_s, kLog);
            QObject owner;
            QProcess *a = startWriter({u"write"_s, log, QString::number(count), u"A"_s, u"3"_s, u"noswap"_s}, &owner);
            QProcess *b = startWriter({u"write"_s, log, QString::number(count), u"B"_s, u"3"_s, u"noswap"_s}, &owner);
            if (!a->waitForStarted(30000) || !b->waitForStarted(30000))
                QSKIP("The writer's processes cannot be started here");
            QVERIFY(a->waitForFinished(3600000) && b->waitForFinished(3600000));
            // The writers' output comes with the system's line ends.
            const QString reported =
                QString::fromUtf8(a->readAllStandardOutput() + b->readAllStandardOutput()).remove(u'\r');
            const QStringList added =
                reported.split(u'\n', Qt::SkipEmptyParts).filter(QRegularExpression(u"^added "_s));
            QCOMPARE(added.size(), 2 * count);
            const QString text = QString::fromUtf8(contents(log));
            QStringList lost;
            for (const QString &line : added) {
                if (!text.contains(u' ' + line.mid(6) + u'\n'))
                    lost.append(line);
            }
            QVERIFY2(lost.isEmpty(),
                     qPrintable(u"%1 of %2 lost: %3"_s.arg(lost.size()).arg(added.size()).arg(lost.join(u", "_s))));
            QVERIFY(!QFile::exists(dir.filePath(u".log.txt.cantorix-lock"_s)));
            qInfo("%lld services reported added by two copies, none lost", qlonglong(added.size()));
        }
    }

    // A copy of the program killed while it writes a log with two names in place: the log is seen as cut short, no
    // service is written over it, and its backup goes back in place of it, under both names.
    void aWriteCutShortIsSeenAndMended()
    {
        TestFolder dir;
        const QString log = dir.write(u"log.txt"_s, kLog);
        if (!SystemFiles::makeHardLink(log, dir.filePath(u"Copy.txt"_s)))
            QSKIP("The file system has no hard links");
        QObject owner;
        QProcess *killed = startWriter({u"write"_s, log, u"1"_s, u"A"_s, u"0"_s, u"die"_s}, &owner);
        QVERIFY(killed->waitForFinished(60000));
        QCOMPARE(killed->exitCode(), 9);

        const NativePath path = NativePath::fromText(log);
        EntryStore store;
        FileFacts facts;
        QVERIFY(HymnFileLoader::loadFile(path, store, &facts).nulCharacters > 0);
        const std::optional<Logbook::UnfinishedWrite> unfinished = Logbook::unfinishedWriteOf(path);
        QVERIFY(unfinished);
        QCOMPARE(unfinished->backup.path, NativePath::fromText(log + u".bak"_s));
        QVERIFY(!WriteLock::isHeldElsewhere(path));
        const Logbook::NewService service{QDate(2027, 1, 3), QString(), {{u"1"_s, u"x"_s}}};
        QCOMPARE(Logbook::writeService(path, facts, service, Logbook::LineEnd::Lf).outcome,
                 Logbook::WrittenService::Outcome::Refused);

        const Logbook::WrittenService mended = Logbook::putBackBackup(path, facts, *unfinished);
        QCOMPARE(mended.outcome, Logbook::WrittenService::Outcome::Written);
        QCOMPARE(contents(log), kLog);
        QCOMPARE(contents(dir.filePath(u"Copy.txt"_s)), kLog);
        QVERIFY(!Logbook::unfinishedWriteOf(path));
        // What the log held when it was mended is kept as well.
        QVERIFY(contents(dir.filePath(u"log.txt.1.bak"_s)).startsWith(kLog + '\0'));
    }

    // Another program works on the log while services are written: nothing it wrote is undone, and every service
    // the writer was told was added is there.
    void otherProgramsLoseNothing_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("holdMs"); // the log held open that long before each line is appended
        QTest::newRow("an appender") << u"append"_s << u"appended"_s << 0;
        // Opened before the names are swapped, written after: into the file swapped out.
        QTest::newRow("an appender holding the log open") << u"append"_s << u"appended"_s << 12;
        QTest::newRow("an editor saving by rename") << u"rename"_s << u"edited"_s << 0;
    }

    void otherProgramsLoseNothing()
    {
        QFETCH(QString, mode);
        QFETCH(QString, word);
        QFETCH(int, holdMs);
        TestFolder dir;
        const QString log = dir.write(u"log.txt"_s, kLog);
        // Where two names cannot be swapped in one step, what another program does in the moment between the
        // last check and the rename is lost, and the held moment would find it every time.
        if (!SaveFile::canSwapNames(NativePath::fromText(dir.path())))
            QSKIP("This system cannot swap two names in one step: the moment before the rename remains (see the "
                  "user guide)");
        const QString stop = dir.filePath(u"stop"_s);
        QObject owner;
        QStringList arguments{mode, log, u"15"_s, stop};
        if (holdMs > 0)
            arguments.append(QString::number(holdMs));
        QProcess *other = startWriter(arguments, &owner);
        if (!other->waitForStarted(30000))
            QSKIP("The other program's process cannot be started here");
        SaveFile::onStage(SaveFile::Stage::BeforeReplace, [] { QThread::msleep(10); });

        const NativePath path = NativePath::fromText(log);
        QStringList written;
        const int count = rounds(40);
        for (int i = 0; i < count; ++i) {
            const HymnFileLoader::DiskFile now = HymnFileLoader::readWhole(path);
            QVERIFY(now.ok());
            const Logbook::WrittenService result = Logbook::writeService(
                path, now.facts, {QDate(2027, 1, 3).addDays(7 * (i % 200)), u"service %1"_s.arg(i), {{u"1"_s, u"x"_s}}},
                Logbook::LineEnd::Lf);
            QVERIFY2(result.outcome == Logbook::WrittenService::Outcome::Written ||
                         result.outcome == Logbook::WrittenService::Outcome::Changed,
                     qPrintable(result.message));
            if (result.outcome == Logbook::WrittenService::Outcome::Written)
                written.append(u"service %1"_s.arg(i));
        }
        QVERIFY(dir.write(u"stop"_s, "").size() > 0);
        QVERIFY(other->waitForFinished(600000));
        const int made = QString::fromUtf8(other->readAllStandardOutput()).trimmed().toInt();
        QVERIFY(made > 0);

        const QString text = QString::fromUtf8(contents(log));
        QStringList lost;
        const QSet<QString> present = linesOf(text, word);
        for (int n = 0; n < made; ++n) {
            if (!present.contains(u"%1 %2"_s.arg(word).arg(n)))
                lost.append(QString::number(n));
        }
        qInfo("%d lines by the other program, %lld of %d services written: %lld of its lines lost", made,
              qlonglong(written.size()), count, qlonglong(lost.size()));
        QVERIFY2(lost.isEmpty(),
                 qPrintable(u"%1 of %2 lines lost: %3"_s.arg(lost.size()).arg(made).arg(lost.join(u' '))));
        // An editor's save made from the file as it was before a service was added takes the service with it, as
        // it would without this program; an appender never does.
        if (mode == u"append") {
            for (const QString &service : std::as_const(written))
                QVERIFY2(text.contains(service), qPrintable(service));
        }
    }
};

QTEST_GUILESS_MAIN(TestWriteRace)
#include "tst_core_writerace.moc"
