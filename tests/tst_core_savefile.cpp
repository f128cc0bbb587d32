// SPDX-License-Identifier: GPL-3.0-or-later
// The atomic writer: what it keeps of the file it replaces, and that a failure leaves that file and its folder as
// they were. Owner and mode are read with POSIX calls: this test is for POSIX systems.
#include "platform/savefile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

class TestSaveFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keepsModeOwnerAndGroup()
    {
        const QTemporaryDir dir;
        const QString path = dir.filePath(u"log.txt"_s);
        const QByteArray native = QFile::encodeName(path);
        QVERIFY(SaveFile::write(path, "old").ok);
        QCOMPARE(::chmod(native.constData(), 0640), 0);
        // Only root can give the file to someone else beforehand.
        const bool root = ::geteuid() == 0;
        if (root)
            QCOMPARE(::chown(native.constData(), 4321, 4322), 0);

        QVERIFY(SaveFile::write(path, "new").ok);
        QCOMPARE(contents(path), QByteArray("new"));
        struct stat info {};
        QCOMPARE(::stat(native.constData(), &info), 0);
        QCOMPARE(info.st_mode & 07777, mode_t(0640));
        if (!root)
            QSKIP("Not root: the owner and group cannot be set up to be kept");
        QCOMPARE(std::pair(info.st_uid, info.st_gid), std::pair(uid_t(4321), gid_t(4322)));
    }

    void failureLeavesTheOldFile_data()
    {
        QTest::addColumn<int>("error"); // made to fail through the seam; 0 for a real failure
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("reason");
        QTest::newRow("full disk") << ENOSPC << u"out.txt"_s << u"No space left on device"_s;
        QTest::newRow("no permission") << EACCES << u"out.txt"_s << u"Permission denied"_s;
        QTest::newRow("a folder that is not there") << 0 << u"gone/out.txt"_s << u"No such file or directory"_s;
    }

    void failureLeavesTheOldFile()
    {
        QFETCH(int, error);
        QFETCH(QString, name);
        QFETCH(QString, reason);
        const QTemporaryDir dir;
        QVERIFY(SaveFile::write(dir.filePath(u"out.txt"_s), "old").ok);
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);

        SaveFile::failWritesWith(error);
        const SaveFile::Result result = SaveFile::write(dir.filePath(name), QByteArray(100000, 'n'));
        SaveFile::failWritesWith(0);
        QVERIFY(!result.ok);
        QCOMPARE(result.reason, reason);
        QCOMPARE(contents(dir.filePath(u"out.txt"_s)), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), before);
    }
};

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_core_savefile.moc"
