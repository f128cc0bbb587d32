// SPDX-License-Identifier: GPL-3.0-or-later
// Paths as Windows names them: UTF-16, '\' between names, a drive or a share as the root, and the literal form the
// system calls are given; the rows POSIX has are in tst_core_nativepath_posix.cpp.
#include "platform/nativepath.h"
#include "platform/winpaths.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestNativePathWin : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parts_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("absolute");
        QTest::addColumn<bool>("root");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("base");
        QTest::newRow("drive") << u"C:\\"_s << true << true << QString() << u"C:\\"_s;
        QTest::newRow("drive's folder") << u"C:\\Users"_s << true << false << u"C:\\"_s << u"Users"_s;
        QTest::newRow("file") << u"C:\\a\\b\\c.txt"_s << true << false << u"C:\\a\\b"_s << u"c.txt"_s;
        QTest::newRow("slashes as typed") << u"d:/logs/x.txt"_s << true << false << u"d:\\logs"_s << u"x.txt"_s;
        QTest::newRow("share") << u"\\\\server\\share"_s << true << true << QString() << u"\\\\server\\share"_s;
        QTest::newRow("on a share") << u"\\\\server\\share\\hymns\\x.txt"_s << true << false
                                    << u"\\\\server\\share\\hymns"_s << u"x.txt"_s;
        QTest::newRow("share's folder") << u"\\\\server\\share\\hymns"_s << true << false << u"\\\\server\\share"_s
                                        << u"hymns"_s;
        QTest::newRow("relative") << u"a\\b"_s << false << false << u"a"_s << u"b"_s;
        QTest::newRow("drive-relative") << u"C:x.txt"_s << false << false << QString() << u"C:x.txt"_s;
        QTest::newRow("Greek") << u"C:\\Γειά σου\\ύμνοι.txt"_s << true << false << u"C:\\Γειά σου"_s << u"ύμνοι.txt"_s;
    }
    void parts()
    {
        QFETCH(QString, path);
        QFETCH(QString, parent);
        QFETCH(QString, base);
        const NativePath native = NativePath::fromText(path);
        QTEST(native.isAbsolute(), "absolute");
        QTEST(native.isRoot(), "root");
        QCOMPARE(native.parent().display(), parent);
        QCOMPARE(native.baseName().display(), base);
        QCOMPARE(NativePath::fromText(native.toText()), native);
        QVERIFY(!native.toText().contains(u'\\'));
    }

    // The name the system calls take: a trailing dot or space kept (Win32 drops them), "." and ".." read first as
    // the literal form reads every name as it is, the share's root never climbed out of, and no limit of 260.
    void systemForm_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("system");
        QTest::newRow("trailing dot") << u"C:\\odd\\Dot.txt."_s << u"\\\\?\\C:\\odd\\Dot.txt."_s;
        QTest::newRow("trailing space") << u"C:\\odd\\Space.txt "_s << u"\\\\?\\C:\\odd\\Space.txt "_s;
        QTest::newRow("slashes, dots, doubled") << u"c:/a/./b//../c.txt"_s << u"\\\\?\\c:\\a\\c.txt"_s;
        QTest::newRow("above the root") << u"C:\\..\\..\\x"_s << u"\\\\?\\C:\\x"_s;
        QTest::newRow("drive's root") << u"D:\\"_s << u"\\\\?\\D:\\"_s;
        QTest::newRow("folder with its separator") << u"C:\\a\\"_s << u"\\\\?\\C:\\a\\"_s;
        QTest::newRow("share") << u"\\\\server\\share\\hymns\\x.txt"_s << u"\\\\?\\UNC\\server\\share\\hymns\\x.txt"_s;
        QTest::newRow("share typed with slashes, above its root")
            << u"//server/share/../x."_s << u"\\\\?\\UNC\\server\\share\\x."_s;
        QTest::newRow("relative") << u"a\\..\\b."_s << u"a\\..\\b."_s;
        QTest::newRow("drive-relative") << u"C:x.txt"_s << u"C:x.txt"_s;
        QTest::newRow("already literal") << u"\\\\?\\C:\\a\\..\\b"_s << u"\\\\?\\C:\\a\\..\\b"_s;
        QTest::newRow("device") << u"\\\\.\\NUL"_s << u"\\\\.\\NUL"_s;
        const QString deep =
            u"C:\\"_s + QString(120, u'a') + u"\\"_s + QString(120, u'b') + u"\\"_s + QString(51, u'c') + u".txt"_s;
        QTest::newRow("300 characters") << deep << u"\\\\?\\"_s + deep;
    }
    void systemForm()
    {
        QFETCH(QString, path);
        QFETCH(QString, system);
        QCOMPARE(QString::fromStdWString(WinPaths::wide(NativePath::fromText(path))), system);
    }

    void within()
    {
        const NativePath file = NativePath::fromText(u"c:\\Hymns\\log.txt"_s);
        QVERIFY(file.isWithin(NativePath::fromText(u"C:\\"_s)));
        QVERIFY(file.isWithin(NativePath::fromText(u"C:\\HYMNS"_s)));
        QVERIFY(!file.isWithin(NativePath::fromText(u"D:\\"_s)));
        QVERIFY(!file.isWithin(NativePath::fromText(u"C:\\Hymn"_s)));
    }
};

QTEST_GUILESS_MAIN(TestNativePathWin)
#include "tst_core_nativepath_win.moc"
