// SPDX-License-Identifier: GPL-3.0-or-later
// Paths as POSIX names them: bytes, '/' between names, one root; the rows Windows has are in
// tst_core_nativepath_win.cpp.
#include "platform/folderaccess.h"
#include "platform/nativepath.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestNativePathPosix : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parts_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<bool>("absolute");
        QTest::addColumn<bool>("root");
        QTest::addColumn<QByteArray>("parent");
        QTest::addColumn<QByteArray>("base");
        QTest::newRow("root") << QByteArray("/") << true << true << QByteArray() << QByteArray("/");
        QTest::newRow("top folder") << QByteArray("/home") << true << false << QByteArray("/") << QByteArray("home");
        QTest::newRow("file") << QByteArray("/a/b/c.txt") << true << false << QByteArray("/a/b") << QByteArray("c.txt");
        QTest::newRow("trailing slash") << QByteArray("/a/b/") << true << false << QByteArray("/a") << QByteArray("b");
        QTest::newRow("relative") << QByteArray("a/b") << false << false << QByteArray("a") << QByteArray("b");
        QTest::newRow("bare name") << QByteArray("b") << false << false << QByteArray() << QByteArray("b");
        QTest::newRow("Latin-1 bytes") << QByteArray("/x/caf\xe9") << true << false << QByteArray("/x")
                                       << QByteArray("caf\xe9");
    }
    void parts()
    {
        QFETCH(QByteArray, path);
        const NativePath native = NativePath::fromUnits(path);
        QTEST(native.isAbsolute(), "absolute");
        QTEST(native.isRoot(), "root");
        QTEST(native.parent().units(), "parent");
        QTEST(native.baseName().units(), "base");
        // Joining the parts gives the path back (less a trailing slash).
        if (!native.parent().isEmpty())
            QCOMPARE(native.parent().child(native.baseName()).units(), path.endsWith('/') ? path.chopped(1) : path);
    }

    void shown_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("display");
        QTest::newRow("UTF-8") << QByteArray("/Gebäude/Γειά") << u"/Gebäude/Γειά"_s;
        QTest::newRow("Latin-1") << QByteArray("/caf\xe9") << u"/caf\uFFFD"_s;
        QTest::newRow("newline") << QByteArray("/two\nlines") << u"/two\u240Alines"_s;
        QTest::newRow("delete") << QByteArray("/a\x7f") << u"/a\u2421"_s;
        // The decoder drops a leading byte-order mark.
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBFx") << u"x"_s;
    }
    void shown()
    {
        QFETCH(QByteArray, path);
        const NativePath native = NativePath::fromUnits(path);
        QTEST(native.display(), "display");
    }

    // The order the lists show names in: letters without regard to case, ties by the bytes. The sort works on
    // the bytes after the start all names share, so names alike there and for eight bytes more are among them.
    void listOrder_data()
    {
        QTest::addColumn<QByteArrayList>("listed");
        QTest::newRow("case, then bytes") << QByteArrayList{"_", "A", "a", "ab", "B", "b"};
        QTest::newRow("alike past the shared start")
            << QByteArrayList{"Service-000009.txt", "service-000009.txt", "service-00001.txt", "service-000010.txt",
                              "service-0000100.txt"};
        QTest::newRow("alike for eight bytes more")
            << QByteArrayList{"pre-0", "pre-12345678", "PRE-12345678ZZ0", "pre-12345678zz0", "pre-12345678zz1"};
        QTest::newRow("bytes that are not UTF-8") << QByteArrayList{"caf", "cafe", "CAF\xc9", "caf\xe9"};
    }
    void listOrder()
    {
        QFETCH(QByteArrayList, listed);
        std::vector<NativePath> names;
        for (qsizetype i = listed.size() - 1; i >= 0; --i)
            names.push_back(NativePath::fromUnits(listed[(i + 2) % listed.size()]));
        FolderAccess::sortNames(names);
        QByteArrayList sorted;
        for (const NativePath &name : names)
            sorted.append(name.units());
        QCOMPARE(sorted, listed);
    }

    void within()
    {
        const NativePath file = NativePath::fromUnits("/mnt/usb/log.txt");
        QVERIFY(file.isWithin(NativePath::fromUnits("/")));
        QVERIFY(file.isWithin(NativePath::fromUnits("/mnt/usb")));
        QVERIFY(!file.isWithin(NativePath::fromUnits("/mnt/us")));
    }
};

QTEST_GUILESS_MAIN(TestNativePathPosix)
#include "tst_core_nativepath_posix.moc"
