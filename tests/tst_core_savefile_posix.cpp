// SPDX-License-Identifier: GPL-3.0-or-later
// The atomic writer: what it keeps of the file it replaces (its failures are tried through the report's exports).
// Owner and mode are set and read with POSIX calls: this test is for POSIX systems.
#include "platform/savefile.h"

#include <QTemporaryDir>
#include <QTest>

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
        QVERIFY(SaveFile::write(NativePath::fromText(path), "old").ok);
        QCOMPARE(::chmod(native.constData(), 0640), 0);
        // Only root can give the file to someone else beforehand.
        const bool root = ::geteuid() == 0;
        if (root)
            QCOMPARE(::chown(native.constData(), 4321, 4322), 0);

        QVERIFY(SaveFile::write(NativePath::fromText(path), "new").ok);
        QCOMPARE(contents(path), QByteArray("new"));
        struct stat info {};
        QCOMPARE(::stat(native.constData(), &info), 0);
        QCOMPARE(info.st_mode & 07777, mode_t(0640));
        if (!root)
            QSKIP("Not root: the owner and group cannot be set up to be kept");
        QCOMPARE(std::pair(info.st_uid, info.st_gid), std::pair(uid_t(4321), gid_t(4322)));
    }
};

QTEST_GUILESS_MAIN(TestSaveFile)
#include "tst_core_savefile_posix.moc"
