// SPDX-License-Identifier: GPL-3.0-or-later
// A service written into a log on disk, over every state the folder can be in: where the old bytes go (never over a
// file the program did not write, never through a link), what is refused before anything is written (a log changed
// or marked read-only), a log with a second name, and what a failed write leaves; and the last write undone only
// while the log and its backup are as the program left them. Rows that need what a system
// cannot make (a link, a pipe, a file mode) are skipped there with their reason.
#include "systemfiles.h"
#include "testfiles.h"

#include "logbook/undowrite.h"
#include "logbook/writeservice.h"
#include "platform/lockfiles.h"
#include "platform/savefile.h"
#include "platform/writelock.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QMap>
#include <QProcess>
#include <QSysInfo>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using Outcome = Logbook::WrittenService::Outcome;

const QByteArray kLog = "Nov 29, 2026 Advent 1\n200 Beta\n";
const QByteArray kAdded = kLog + "\nDec 13, 2026\n300 Gamma\n";
const QByteArray kUsers = "my own backup";

enum class Setup {
    Plain,
    UsersBackup,          // log.txt.bak is the user's
    UsersBackups,         // so are log.txt.bak and log.txt.1.bak
    BackupNameIsFolder,   // a folder has the name log.txt.bak
    BackupNameIsLink,     // log.txt.bak is a link to a file elsewhere
    BackupNameIsPipe,     // log.txt.bak is a named pipe
    OwnBackup,            // log.txt.1.bak is the program's last backup, as it wrote it
    OwnBackupChanged,     // the recorded log.txt.bak was changed since
    RecordNamesOtherFile, // the record names a file that is no backup of this log
    Touched,              // the log's time changed, its bytes did not
    OtherBytesSameSizeAndTime,
    ReadOnly,
    LogWriteFails,        // the backup is written, the log's own write fails
    SecondName,           // the log has a hard link Copy.txt
    SecondNameWriteFails, // and the write over it fails half-way
    PrivateLog,           // only its owner may read it
    HiddenLog,            // the log has the hidden attribute
    LongName,             // the log's name is near the system's limit
    NoRoomForBackup,      // so near that ".bak" would pass it
    OwnBackupStuck,       // the program's own backup cannot be replaced any more
    Unfinished,           // the log's last write in place was cut short
    LockHeld,             // another copy of the program holds the log's lock
    LockOfProcessGone,    // a copy on this machine that held it has ended
    LockOld,              // a copy on another machine took it longer ago than any write takes
};

struct Folder {
    TestFolder dir;
    QString log;

    QString path(const QString &name) const { return dir.filePath(name); }
    QByteArray read(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    // Every file with its bytes, the log, its second name and the backup left out: what no write may change.
    QMap<QString, QByteArray> others(const QString &backup) const
    {
        QMap<QString, QByteArray> files;
        // Pipes are left out (QDir::System): opening one would wait for a writer.
        const QStringList names = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        for (const QString &name : names) {
            if (name != log && name != backup && name != u"Copy.txt" && !name.contains(u"cantorix-"_s))
                files.insert(name, read(name));
        }
        return files;
    }
};

Logbook::BackupRecord recordOf(const Folder &folder, const QString &name, const QByteArray &bytes)
{
    return {NativePath::fromText(folder.path(name)), bytes.size(),
            QCryptographicHash::hash(bytes, QCryptographicHash::Sha256)};
}

} // namespace

Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(Outcome)
Q_DECLARE_METATYPE(SaveFile::Stage)

class TestWriteService : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanup()
    {
        SaveFile::failWritesWith(0);
        SaveFile::allowExchange(true);
    }

    void writes_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("backup");  // where the old bytes are afterwards; empty: nowhere new
        QTest::addColumn<QString>("message"); // what the user is told, in part

        const QString written = u"Service of Dec 13, 2026 added: 1 hymn; the log as it was is kept in "_s;
        QTest::newRow("first backup") << Setup::Plain << Outcome::Written << u"log.txt.bak"_s
                                      << written + u"log.txt.bak"_s;
        QTest::newRow("the user's .bak is passed over")
            << Setup::UsersBackup << Outcome::Written << u"log.txt.1.bak"_s << written + u"log.txt.1.bak"_s;
        QTest::newRow("the first free name")
            << Setup::UsersBackups << Outcome::Written << u"log.txt.2.bak"_s << written + u"log.txt.2.bak"_s;
        QTest::newRow("a folder by the name")
            << Setup::BackupNameIsFolder << Outcome::Written << u"log.txt.1.bak"_s << written + u"log.txt.1.bak"_s;
        QTest::newRow("a link by the name is never followed")
            << Setup::BackupNameIsLink << Outcome::Written << u"log.txt.1.bak"_s << written + u"log.txt.1.bak"_s;
        QTest::newRow("a pipe by the name")
            << Setup::BackupNameIsPipe << Outcome::Written << u"log.txt.1.bak"_s << written + u"log.txt.1.bak"_s;
        QTest::newRow("the program's own backup is replaced")
            << Setup::OwnBackup << Outcome::Written << u"log.txt.1.bak"_s << written + u"log.txt.1.bak"_s;
        QTest::newRow("its backup changed since is the user's")
            << Setup::OwnBackupChanged << Outcome::Written << u"log.txt.1.bak"_s << written + u"log.txt.1.bak"_s;
        QTest::newRow("a record naming another file")
            << Setup::RecordNamesOtherFile << Outcome::Written << u"log.txt.bak"_s << written + u"log.txt.bak"_s;
        QTest::newRow("touched, not changed")
            << Setup::Touched << Outcome::Written << u"log.txt.bak"_s << written + u"log.txt.bak"_s;
        QTest::newRow("other bytes of the same size and time")
            << Setup::OtherBytesSameSizeAndTime << Outcome::Changed << QString()
            << u"\"log.txt\" has changed on disk since it was loaded, so the service was not added."_s;
        QTest::newRow("read-only") << Setup::ReadOnly << Outcome::Refused << QString()
                                   << u"log.txt is read-only, so the service was not added."_s;
        const SystemFiles::SystemError full = SystemFiles::diskFull();
        QTest::newRow("the log's write fails") << Setup::LogWriteFails << Outcome::Failed << u"log.txt.1.bak"_s
                                               << u"\"log.txt\" could not be written: %1. The file is as it was; its "
                                                  "bytes are also in \"log.txt.1.bak\"."_s.arg(full.reason);
        QTest::newRow("a second name sees the service")
            << Setup::SecondName << Outcome::Written << u"log.txt.bak"_s << written + u"log.txt.bak"_s;
        QTest::newRow("a failed write over a second name")
            << Setup::SecondNameWriteFails << Outcome::Failed << u"log.txt.bak"_s
            << u"\"log.txt\" could not be written: %1."_s.arg(full.reason);
        QTest::newRow("a private log's backup is private")
            << Setup::PrivateLog << Outcome::Written << u"log.txt.bak"_s << written + u"log.txt.bak"_s;
        QTest::newRow("a hidden log stays hidden")
            << Setup::HiddenLog << Outcome::Written << u"log.txt.bak"_s << written + u"log.txt.bak"_s;
        QTest::newRow("a name near the system's limit")
            << Setup::LongName << Outcome::Written << QString() << QString();
        QTest::newRow("a name that leaves no room for a backup's")
            << Setup::NoRoomForBackup << Outcome::Refused << QString() << u"The name \""_s;
        QTest::newRow("the program's own backup cannot be replaced")
            << Setup::OwnBackupStuck << Outcome::Written << u"log.txt.2.bak"_s << written + u"log.txt.2.bak"_s;
        QTest::newRow("the last write was cut short")
            << Setup::Unfinished << Outcome::Refused << QString()
            << u"The last write of \"log.txt\" was cut short, so the service was not added"_s;
        QTest::newRow("another copy is writing")
            << Setup::LockHeld << Outcome::Failed << QString()
            << u"\"log.txt\" is being written by Cantorix2 on %1, so the service was not added. Try again in a "
               "moment."_s.arg(QSysInfo::machineHostName());
        QTest::newRow("the lock of a copy that ended")
            << Setup::LockOfProcessGone << Outcome::Written << u"log.txt.bak"_s << written + u"log.txt.bak"_s;
        QTest::newRow("a lock older than any write")
            << Setup::LockOld << Outcome::Written << u"log.txt.bak"_s << written + u"log.txt.bak"_s;
    }

    void writes()
    {
        QFETCH(Setup, setup);
        QFETCH(Outcome, outcome);
        QFETCH(QString, backup);
        QFETCH(QString, message);

        Folder folder;
        QVERIFY(folder.dir.isValid());
        folder.log = u"log.txt"_s;
        if (setup == Setup::LongName) {
            // 244 bytes: room for ".bak", none for the writer's usual new name beside it.
            folder.log = QString(240, u'l') + u".txt"_s;
            backup = folder.log + u".bak"_s;
            message = u"Service of Dec 13, 2026 added: 1 hymn; the log as it was is kept in "_s + backup;
        }
        if (setup == Setup::NoRoomForBackup)
            folder.log = QString(248, u'l') + u".txt"_s; // 252 bytes
        const QString log = folder.dir.write(folder.log, kLog);
        const NativePath logPath = NativePath::fromText(log);
        // As the window loaded it, its time included.
        const FileFacts loaded = HymnFileLoader::readWhole(logPath).facts;
        Logbook::BackupRecord record;
        const QString elsewhere = folder.dir.write(u"elsewhere.txt"_s, "not to be written through a link");

        switch (setup) {
        case Setup::UsersBackup:
        case Setup::LogWriteFails:
            folder.dir.write(u"log.txt.bak"_s, kUsers);
            break;
        case Setup::UsersBackups:
            folder.dir.write(u"log.txt.bak"_s, kUsers);
            folder.dir.write(u"log.txt.1.bak"_s, kUsers + '1');
            break;
        case Setup::BackupNameIsFolder:
            QVERIFY(QDir(folder.dir.path()).mkdir(u"log.txt.bak"_s));
            break;
        case Setup::BackupNameIsLink:
            if (!SystemFiles::makeSymlink(elsewhere, folder.path(u"log.txt.bak"_s)))
                QSKIP("Symbolic links cannot be made here");
            break;
        case Setup::BackupNameIsPipe:
            if (!SystemFiles::makeFifo(folder.path(u"log.txt.bak"_s)))
                QSKIP("Named pipes do not live in folders on this system");
            break;
        case Setup::OwnBackup:
            folder.dir.write(u"log.txt.bak"_s, kUsers);
            folder.dir.write(u"log.txt.1.bak"_s, "an older log");
            record = recordOf(folder, u"log.txt.1.bak"_s, "an older log");
            break;
        case Setup::OwnBackupChanged:
            folder.dir.write(u"log.txt.bak"_s, "an older log, then edited");
            record = recordOf(folder, u"log.txt.bak"_s, "an older log");
            break;
        case Setup::RecordNamesOtherFile:
            record = recordOf(folder, u"elsewhere.txt"_s, "not to be written through a link");
            break;
        case Setup::Touched:
        case Setup::OtherBytesSameSizeAndTime: {
            QFile file(log);
            QVERIFY(file.open(QIODevice::ReadWrite));
            const QDateTime time = file.fileTime(QFileDevice::FileModificationTime);
            if (setup == Setup::OtherBytesSameSizeAndTime) {
                QVERIFY(file.seek(kLog.indexOf("Beta")) && file.write("Bata") == 4);
                file.flush();
                QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
            } else {
                QVERIFY(file.setFileTime(time.addDays(1), QFileDevice::FileModificationTime));
            }
            break;
        }
        case Setup::ReadOnly:
            QVERIFY(QFile::setPermissions(log, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
            break;
        case Setup::SecondName:
        case Setup::SecondNameWriteFails:
            if (!SystemFiles::makeHardLink(log, folder.path(u"Copy.txt"_s)))
                QSKIP("The file system has no hard links");
            break;
        case Setup::PrivateLog:
            if (!SystemFiles::makePrivate(log))
                QSKIP("Files have no owner-only mode here");
            break;
        case Setup::HiddenLog:
            if (!SystemFiles::makeHidden(log))
                QSKIP("Files have no hidden attribute here: a leading dot hides a name");
            break;
        case Setup::OwnBackupStuck:
            folder.dir.write(u"log.txt.bak"_s, kUsers);
            folder.dir.write(u"log.txt.1.bak"_s, "an older log");
            record = recordOf(folder, u"log.txt.1.bak"_s, "an older log");
            // Refused as a file made unchangeable would refuse it; the next write, to a free name, goes through.
            SaveFile::failWritesWith(SystemFiles::accessDenied().code, 0, 1);
            break;
        case Setup::Unfinished:
            folder.dir.write(u".log.txt.cantorix-unfinished"_s, "backup: 6c6f672e7478742e62616b\n");
            break;
        case Setup::LockHeld:
        case Setup::LockOfProcessGone:
        case Setup::LockOld: {
            qint64 process = LockFiles::currentProcess();
            QString host = QSysInfo::machineHostName();
            if (setup == Setup::LockOfProcessGone) {
                QProcess ended;
                ended.start(QCoreApplication::applicationFilePath(), {u"-help"_s});
                QVERIFY(ended.waitForStarted());
                process = ended.processId();
                QVERIFY(ended.waitForFinished());
            }
            if (setup == Setup::LockOld)
                host = u"another-machine"_s;
            QFile lock(folder.dir.write(u".log.txt.cantorix-lock"_s,
                                        "Cantorix2 write lock\nhost: " + host.toUtf8() +
                                            "\nsystem: " + LockFiles::systemKind().toUtf8() +
                                            "\nprocess: " + QByteArray::number(process) + "\ntoken: 1\n"));
            if (setup == Setup::LockOld) {
                QVERIFY(lock.open(QIODevice::ReadWrite));
                QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-2 * WriteLock::kStaleSeconds),
                                         QFileDevice::FileModificationTime));
            }
            break;
        }
        case Setup::Plain:
        case Setup::LongName:
        case Setup::NoRoomForBackup:
            break;
        }
        // The log's own write comes after the backup's and, in place, after the mark of the write in progress.
        if (setup == Setup::LogWriteFails || setup == Setup::SecondNameWriteFails)
            SaveFile::failWritesWith(SystemFiles::diskFull().code, setup == Setup::SecondNameWriteFails ? 2 : 1);
        const QMap<QString, QByteArray> others = folder.others(backup);

        const Logbook::WrittenService result = Logbook::writeService(
            logPath, loaded, {QDate(2026, 12, 13), QString(), {{u"300"_s, u"Gamma"_s}}}, Logbook::LineEnd::Lf, record);

        QCOMPARE(result.outcome, outcome);
        QVERIFY2((outcome == Outcome::Written ? result.status : result.message).startsWith(message),
                 qPrintable(result.status + result.message));
        if (setup == Setup::OtherBytesSameSizeAndTime)
            QCOMPARE(folder.read(folder.log), QByteArray(kLog).replace("Beta", "Bata"));
        else
            QCOMPARE(folder.read(folder.log), outcome == Outcome::Written ? kAdded : kLog);
        if (setup == Setup::SecondName || setup == Setup::SecondNameWriteFails)
            QCOMPARE(folder.read(u"Copy.txt"_s), outcome == Outcome::Written ? kAdded : kLog);
        QCOMPARE(folder.others(backup), others);
        if (!backup.isEmpty()) {
            QCOMPARE(folder.read(backup), kLog);
            QCOMPARE(result.backup, recordOf(folder, backup, kLog));
        }
        if (setup == Setup::PrivateLog)
            QVERIFY(SystemFiles::isPrivate(folder.path(backup)));
        if (setup == Setup::HiddenLog)
            QVERIFY(SystemFiles::isHidden(log));
        // Nothing half written is left behind, no lock and no mark of a write in progress; a lock still held and a
        // mark of a write cut short stay.
        const QStringList names = QDir(folder.dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
        for (const QString &name : names) {
            QVERIFY2(!name.contains(u"cantorix-"_s) || (setup == Setup::LockHeld && name.endsWith(u"-lock"_s)) ||
                         (setup == Setup::Unfinished && name.endsWith(u"-unfinished"_s)),
                     qPrintable(name));
        }
    }

    // Another program changes the log while the service is being written: caught by the last check (the same file
    // with the same bytes) or, where two names can be swapped in one step, by the check of what the swap took out.
    void undoes_data()
    {
        QTest::addColumn<QString>("meanwhile"); // what happens between the write and its undoing
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QByteArray>("log"); // the log afterwards
        QTest::addColumn<QString>("message");

        QTest::newRow("undone") << QString() << Outcome::Written << kLog << QString();
        QTest::newRow("undone twice: the write again") << u"undone"_s << Outcome::Written << kAdded << QString();
        QTest::newRow("the log changed since")
            << u"log changed"_s << Outcome::Refused << QByteArray("changed by another program")
            << u"\"log.txt\" is no longer as Cantorix2 left it after its last change (Service of Dec 13, 2026 added: 1 "
               "hymn), so that change cannot be undone."_s;
        QTest::newRow("the backup changed since")
            << u"backup changed"_s << Outcome::Refused << kAdded
            << u"The backup \"log.txt.bak\" is no longer as Cantorix2 wrote it, so the last change to \"log.txt\" "
               "cannot be undone."_s;
        QTest::newRow("no write remembered") << u"forgotten"_s << Outcome::Refused << kAdded
                                             << u"Cantorix2 has made no change to \"log.txt\" that it can undo: it "
                                                u"remembers none since its backups were "
                                                "kept."_s;
    }

    void undoes()
    {
        QFETCH(QString, meanwhile);
        Folder folder;
        folder.log = u"log.txt"_s;
        const NativePath log = NativePath::fromText(folder.dir.write(folder.log, kLog));
        const Logbook::WrittenService added =
            Logbook::writeService(log, HymnFileLoader::readWhole(log).facts,
                                  {QDate(2026, 12, 13), {}, {{u"300"_s, u"Gamma"_s}}}, Logbook::LineEnd::Lf);
        QCOMPARE(added.outcome, Outcome::Written);
        Logbook::LastWrite last = Logbook::lastWriteOf(added);
        if (meanwhile == u"log changed")
            folder.dir.write(folder.log, "changed by another program");
        else if (meanwhile == u"backup changed")
            folder.dir.write(u"log.txt.bak"_s, "edited");
        else if (meanwhile == u"forgotten")
            last = {};
        else if (meanwhile == u"undone")
            last = Logbook::lastWriteOf(Logbook::undoLastWrite(log, HymnFileLoader::readWhole(log).facts, last));

        const QMap<QString, QByteArray> before = folder.others(QString());
        const Logbook::WrittenService undone = Logbook::undoLastWrite(log, HymnFileLoader::readWhole(log).facts, last);
        QTEST(undone.outcome, "outcome");
        QTEST(folder.read(folder.log), "log");
        QFETCH(QString, message);
        QCOMPARE(undone.message, message);
        if (undone.outcome != Outcome::Written) {
            QCOMPARE(folder.others(QString()), before);
            return;
        }
        // The log as it was goes to a backup of its own, never over the one put back.
        const QString made = undone.backup.path.baseName().display();
        QVERIFY2(made != last.backup.path.baseName().display(), qPrintable(made));
        QCOMPARE(folder.read(made), meanwhile.isEmpty() ? kAdded : kLog);
        QVERIFY(undone.status.startsWith(u"Undone: "_s + last.change));
    }

    void anotherProgramMeanwhile_data()
    {
        QTest::addColumn<SaveFile::Stage>("stage");
        QTest::addColumn<bool>("byRename"); // the other program saves a new file by rename, else it appends
        QTest::addColumn<bool>("swap");     // the writer may swap names in one step
        QTest::addColumn<bool>("secondName");

        using S = SaveFile::Stage;
        QTest::newRow("appended before the last check") << S::BeforeFinalCheck << false << false << false;
        QTest::newRow("saved by rename before the last check") << S::BeforeFinalCheck << true << false << false;
        QTest::newRow("saved by rename, the same bytes") << S::BeforeFinalCheck << true << false << false;
        QTest::newRow("appended after the last check") << S::BeforeReplace << false << true << false;
        QTest::newRow("saved by rename after the last check") << S::BeforeReplace << true << true << false;
        QTest::newRow("a second name: appended before the write") << S::BeforeFinalCheck << false << false << true;
    }

    void anotherProgramMeanwhile()
    {
        QFETCH(SaveFile::Stage, stage);
        QFETCH(bool, byRename);
        QFETCH(bool, swap);
        QFETCH(bool, secondName);
        const bool sameBytes = QByteArray(QTest::currentDataTag()).endsWith("the same bytes");

        Folder folder;
        folder.log = u"log.txt"_s;
        const QString log = folder.dir.write(folder.log, kLog);
        if (swap && !SaveFile::canSwapNames(NativePath::fromText(folder.dir.path())))
            QSKIP("Two names cannot be swapped in one step here");
        if (secondName && !SystemFiles::makeHardLink(log, folder.path(u"Copy.txt"_s)))
            QSKIP("The file system has no hard links");
        const QByteArray theirs = sameBytes ? kLog : kLog + "201 Theirs\n";
        bool keptOut = false;
        SaveFile::allowExchange(swap);
        SaveFile::onStage(stage, [&] {
            if (byRename) {
                const QString beside = folder.dir.write(u"log.txt.edit"_s, theirs);
                QVERIFY(QFile::remove(log) && QFile::rename(beside, log));
            } else {
                QFile file(log);
                keptOut = !file.open(QIODevice::Append);
                QVERIFY(keptOut || file.write("201 Theirs\n") == 11);
            }
        });
        const FileFacts loaded = HymnFileLoader::readWhole(NativePath::fromText(log)).facts;
        const Logbook::WrittenService result =
            Logbook::writeService(NativePath::fromText(log), loaded,
                                  {QDate(2026, 12, 13), QString(), {{u"300"_s, u"Gamma"_s}}}, Logbook::LineEnd::Lf);
        SaveFile::onStage(stage, {});
        SaveFile::allowExchange(true);
        if (keptOut) {
            // Where a file held open for writing in place cannot be written by another program (Windows), the
            // other program's write fails, and it is its own to repeat: the service is written over the old bytes.
            QVERIFY(secondName);
            QCOMPARE(result.outcome, Outcome::Written);
            QVERIFY(folder.read(folder.log).startsWith(kLog));
            QVERIFY(folder.read(folder.log).contains("300 Gamma"));
            return;
        }
        QCOMPARE(result.outcome, Outcome::Changed);
        QCOMPARE(folder.read(folder.log), theirs);
        QVERIFY(result.message.startsWith(u"\"log.txt\" has changed on disk since it was loaded"_s));
    }

    // Each name placed is made lasting: the new file synced before it takes the name, its folder after.
    void syncsWhatItPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("the log") << u"log.txt"_s;
        QTest::newRow("the backup") << u"log.txt.bak"_s;
    }

    void syncsWhatItPlaces()
    {
        QFETCH(QString, name);
        if (!SaveFile::syncsFolders())
            QSKIP("The system makes a moved name lasting with the move itself");
        Folder folder;
        folder.log = u"log.txt"_s;
        const QString log = folder.dir.write(folder.log, kLog);
        const FileFacts loaded = HymnFileLoader::readWhole(NativePath::fromText(log)).facts;
        SaveFile::recordSyncs(true);
        const Logbook::WrittenService result =
            Logbook::writeService(NativePath::fromText(log), loaded,
                                  {QDate(2026, 12, 13), QString(), {{u"300"_s, u"Gamma"_s}}}, Logbook::LineEnd::Lf);
        const QStringList syncs = SaveFile::recordedSyncs();
        SaveFile::recordSyncs(false);
        QCOMPARE(result.outcome, Outcome::Written);
        // The folder right after the name, before anything else is written there.
        const qsizetype synced = syncs.indexOf(u"synced "_s + name);
        const qsizetype placed = syncs.indexOf(u"placed "_s + name);
        QVERIFY2(synced >= 0 && synced < placed && placed + 1 < syncs.size() &&
                     syncs[placed + 1] == u"synced folder "_s + NativePath::fromText(folder.dir.path()).display(),
                 qPrintable(syncs.join(u"; "_s)));
    }

    void clearsOnlyItsOwnLeftovers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("ageSeconds");
        QTest::addColumn<bool>("kept");

        const int old = int(2 * SaveFile::kLeftoverAgeSeconds);
        const QString shortForm = SaveFile::temporaryName(NativePath::fromText(u"log.txt"_s), 0x3f9a1c2e, 1).display();
        QTest::newRow("the log's new copy, killed") << u".log.txt.cantorix-3f9a1c2e.tmp"_s << old << false;
        QTest::newRow("its backup's new copy, killed") << u".log.txt.bak.cantorix-3f9a1c2e.tmp"_s << old << false;
        QTest::newRow("the short form for a long name") << shortForm << old << false;
        QTest::newRow("a write still in progress") << u".log.txt.cantorix-3f9a1c2e.tmp"_s << 0 << true;
        QTest::newRow("another file's new copy") << u".other.txt.cantorix-3f9a1c2e.tmp"_s << old << true;
        QTest::newRow("not the writer's random part") << u".log.txt.cantorix-3f9a1c2g.tmp"_s << old << true;
        QTest::newRow("more after it") << u".log.txt.cantorix-3f9a1c2e.tmp.txt"_s << old << true;
        QTest::newRow("a user's draft") << u".notes.draft.new"_s << old << true;
        QTest::newRow("a user's budget") << u".budget.2024.new"_s << old << true;
        QTest::newRow("a user's second hymnal") << u".Hymnal.txt.v2.new"_s << old << true;
        QTest::newRow("an older version's name") << u".log.txt.1x2y3z.new"_s << old << true;
    }

    void clearsOnlyItsOwnLeftovers()
    {
        QFETCH(QString, name);
        QFETCH(int, ageSeconds);
        QFETCH(bool, kept);

        Folder folder;
        folder.log = u"log.txt"_s;
        const QString log = folder.dir.write(folder.log, kLog);
        QFile file(folder.dir.write(name, "left"));
        QVERIFY(file.open(QIODevice::ReadWrite) &&
                file.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds), QFileDevice::FileModificationTime));
        file.close();
        FileFacts loaded{kLog.size(), 0, QCryptographicHash::hash(kLog, QCryptographicHash::Sha256)};
        const Logbook::WrittenService result =
            Logbook::writeService(NativePath::fromText(log), loaded,
                                  {QDate(2026, 12, 13), QString(), {{u"300"_s, u"Gamma"_s}}}, Logbook::LineEnd::Lf);
        QCOMPARE(result.outcome, Outcome::Written);
        QCOMPARE(QFile::exists(folder.path(name)), kept);
    }
};

QTEST_GUILESS_MAIN(TestWriteService)
#include "tst_core_writeservice.moc"
