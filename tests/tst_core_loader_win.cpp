// SPDX-License-Identifier: GPL-3.0-or-later
// The loader on Windows: what stands under a file's name there (a folder, the legacy devices that every folder
// seems to hold), and a file that the user's editor renames or deletes while the program has it open.
#include "platform/nativefile.h"
#include "store/booklistreader.h"
#include "store/entrystore.h"
#include "store/hymnfileloader.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestLoaderWin : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void notRegularRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("wordInMessage");
        QTest::newRow("folder") << u"x.txt"_s << u"folder"_s;
        // "NUL" names a device in any folder.
        QTest::newRow("NUL") << u"NUL"_s << u"not an ordinary file"_s;
    }

    void notRegularRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, wordInMessage);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"x.txt"_s));
        const NativePath path = NativePath::fromText(dir.filePath(name));
        EntryStore store;
        const LoadOutcome outcome = HymnFileLoader::loadFile(path, store);
        QVERIFY(!outcome.opened);
        QVERIFY2(outcome.errorText.contains(wordInMessage), qPrintable(outcome.errorText));
        QVERIFY(BookListReader::readFile(path).failed);
    }

    // The file stays the user's while it is read: renaming and deleting it work as if the program had not opened it.
    void openFileCanBeRenamedAndDeleted()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"log.txt"_s);
        QFile written(path);
        QVERIFY(written.open(QIODevice::WriteOnly) && written.write("May 1, 2021\n1 A\n") > 0);
        written.close();
        QFile file;
        const NativeFile::Opened opened = NativeFile::openRegular(NativePath::fromText(path), file);
        QVERIFY(opened.ok());
        QCOMPARE(opened.size, 16);
        QVERIFY(QFile::rename(path, dir.filePath(u"renamed.txt"_s)));
        QVERIFY(QFile::remove(dir.filePath(u"renamed.txt"_s)));
        QCOMPARE(file.readAll(), QByteArray("May 1, 2021\n1 A\n"));
    }
};

QTEST_GUILESS_MAIN(TestLoaderWin)
#include "tst_core_loader_win.moc"
