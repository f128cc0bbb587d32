// SPDX-License-Identifier: GPL-3.0-or-later
// A service written by an ordinary user, where modes, owners and the sticky bit decide: into a log of the user's
// own, one it may only read, and another user's log it may write in a folder where a rename would be refused or
// would give the log away. Tests run as root, who passes every such check, so each write is made by a child
// process that has become an ordinary user; making files of other users needs root, so these rows skip otherwise.
// Owners, modes, fork and setuid are POSIX: this test is for POSIX systems.
#include "logbook/writeservice.h"

#include <QCryptographicHash>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <grp.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

using Outcome = Logbook::WrittenService::Outcome;

const QByteArray kLog = "Nov 29, 2026 Advent 1\n200 Beta\n";
const QByteArray kAdded = kLog + "\nDec 13, 2026\n300 Gamma\n";
constexpr uid_t kWriter = 65534; // nobody
constexpr uid_t kOther = 65533;

Logbook::WrittenService::Outcome writeAs(uid_t user, const QString &log)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return Outcome::Failed;
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        char result = char(Outcome::Failed);
        if (::setgroups(0, nullptr) == 0 && ::setresgid(user, user, user) == 0 && ::setresuid(user, user, user) == 0) {
            const NativePath path = NativePath::fromText(log);
            const FileFacts loaded{kLog.size(), 0, QCryptographicHash::hash(kLog, QCryptographicHash::Sha256)};
            result =
                char(Logbook::writeService(path, loaded, {QDate(2026, 12, 13), QString(), {{u"300"_s, u"Gamma"_s}}},
                                           Logbook::LineEnd::Lf)
                         .outcome);
        }
        (void)!::write(pipeEnds[1], &result, 1);
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    char result = char(Outcome::Failed);
    if (child < 0 || ::read(pipeEnds[0], &result, 1) != 1)
        result = char(Outcome::Failed);
    ::close(pipeEnds[0]);
    if (child > 0)
        ::waitpid(child, nullptr, 0);
    return Outcome(result);
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

struct stat statOf(const QString &path)
{
    struct stat info {};
    (void)::stat(QFile::encodeName(path).constData(), &info);
    return info;
}

bool setImmutable(const QString &path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

} // namespace

Q_DECLARE_METATYPE(Outcome)

class TestWriteServicePosix : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void asAnOrdinaryUser_data()
    {
        QTest::addColumn<uid_t>("owner");
        QTest::addColumn<gid_t>("group");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<uid_t>("folderOwner");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<bool>("inPlace"); // the same file afterwards: owner, group and every other name kept

        QTest::newRow("the user's own log")
            << kWriter << gid_t(kWriter) << 0644 << 0777 << uid_t(0) << Outcome::Written << false;
        QTest::newRow("the user's own log, read-only")
            << kWriter << gid_t(kWriter) << 0444 << 0777 << uid_t(0) << Outcome::Refused << false;
        QTest::newRow("another user's log it may write, in a sticky folder")
            << kOther << gid_t(kOther) << 0666 << 01777 << uid_t(0) << Outcome::Written << true;
        QTest::newRow("another user's log it may write, in the user's folder")
            << kOther << gid_t(kOther) << 0666 << 0755 << kWriter << Outcome::Written << true;
        QTest::newRow("its own log of a group it is not in")
            << kWriter << gid_t(kOther) << 0664 << 0777 << uid_t(0) << Outcome::Written << true;
        QTest::newRow("another user's log it may only read")
            << kOther << gid_t(kOther) << 0644 << 0777 << uid_t(0) << Outcome::Refused << false;
    }

    void asAnOrdinaryUser()
    {
        QFETCH(uid_t, owner);
        QFETCH(gid_t, group);
        QFETCH(int, mode);
        QFETCH(int, folderMode);
        QFETCH(uid_t, folderOwner);
        QFETCH(Outcome, outcome);
        QFETCH(bool, inPlace);
        if (::geteuid() != 0)
            QSKIP("Files of other users can only be made by root");

        QTemporaryDir top;
        const QString folder = top.filePath(u"log"_s);
        QVERIFY(QDir().mkdir(folder));
        const QByteArray native = QFile::encodeName(folder);
        QCOMPARE(::chmod(QFile::encodeName(top.path()).constData(), 0755), 0);
        QCOMPARE(::chown(native.constData(), folderOwner, folderOwner), 0);
        QCOMPARE(::chmod(native.constData(), mode_t(folderMode)), 0);
        const QString log = folder + u"/log.txt"_s;
        {
            QFile file(log);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kLog) == kLog.size());
        }
        QCOMPARE(::chown(QFile::encodeName(log).constData(), owner, group), 0);
        QCOMPARE(::chmod(QFile::encodeName(log).constData(), mode_t(mode)), 0);
        const struct stat before = statOf(log);

        QCOMPARE(writeAs(kWriter, log), outcome);
        const struct stat after = statOf(log);
        QCOMPARE(contents(log), outcome == Outcome::Written ? kAdded : kLog);
        if (outcome == Outcome::Written) {
            QCOMPARE(after.st_ino == before.st_ino, inPlace);
            QCOMPARE(contents(folder + u"/log.txt.bak"_s), kLog);
        }
        QCOMPARE(std::pair(after.st_uid, after.st_gid), std::pair(owner, group));
        QCOMPARE(after.st_mode & 07777, mode_t(mode));
        // Nothing of the write is left behind: no new copy, no lock, no mark.
        const QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        for (const QString &name : names)
            QVERIFY2(!name.contains(u"cantorix-"_s), qPrintable(name));
    }

    // The program's own backup made unchangeable since (chattr +i) is passed over for the next free name.
    void unchangeableOwnBackupIsPassedOver()
    {
        QTemporaryDir dir;
        const QString log = dir.filePath(u"log.txt"_s);
        const QString own = dir.filePath(u"log.txt.bak"_s);
        for (const auto &[path, bytes] : {std::pair(log, kLog), std::pair(own, QByteArray("an older log"))}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
        if (!setImmutable(own, true))
            QSKIP("Files cannot be made unchangeable on this file system (tmpfs), or not by this user");
        const Logbook::BackupRecord record{NativePath::fromText(own), 12,
                                           QCryptographicHash::hash("an older log", QCryptographicHash::Sha256)};
        const FileFacts loaded{kLog.size(), 0, QCryptographicHash::hash(kLog, QCryptographicHash::Sha256)};
        const Logbook::WrittenService result = Logbook::writeService(
            NativePath::fromText(log), loaded, {QDate(2026, 12, 13), QString(), {{u"300"_s, u"Gamma"_s}}},
            Logbook::LineEnd::Lf, record);
        QVERIFY(setImmutable(own, false));
        QCOMPARE(result.outcome, Outcome::Written);
        QCOMPARE(result.backup.path, NativePath::fromText(dir.filePath(u"log.txt.1.bak"_s)));
        QCOMPARE(contents(own), QByteArray("an older log"));
    }
};

QTEST_GUILESS_MAIN(TestWriteServicePosix)
#include "tst_core_writeservice_posix.moc"
