// SPDX-License-Identifier: GPL-3.0-or-later
// The loader on Windows: what stands under a file's name there (a folder, a device), a file that the user's editor
// renames or deletes while the program has it open, and names Win32 would read as another file's (a trailing dot
// or space) or not at all (past 260 units), loaded and written by the name they have.
#include "systemfiles.h"

#include "logbook/writeservice.h"
#include "platform/nativefile.h"
#include "store/booklistreader.h"
#include "store/entrystore.h"
#include "store/hymnfileloader.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kLog = "Nov 29, 2026\n200 Beta\n\nDec 6, 2026\n100 Alpha\n";
const QByteArray kOther = "Dec 6, 2026\n1 Other\n";

} // namespace

class TestLoaderWin : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void notRegularRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("wordInMessage");
        QTest::newRow("folder") << u"x.txt"_s << u"folder"_s;
        // A device by its own name; "NUL" in a folder is a name like any other once names are taken literally.
        QTest::newRow("NUL") << u"\\\\.\\NUL"_s << u"not an ordinary file"_s;
    }

    void notRegularRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, wordInMessage);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"x.txt"_s));
        const NativePath path = NativePath::fromText(name.startsWith(u'\\') ? name : dir.filePath(name));
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

    // The log is read and written by its own name, beside the other file Win32 would take it for; its backup is its
    // own name and ".bak".
    void literalNames_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("other");
        QTest::newRow("trailing dot") << QString() << u"Dot.txt."_s << u"Dot.txt"_s;
        QTest::newRow("trailing space") << QString() << u"Space.txt "_s << u"Space.txt"_s;
        QTest::newRow("past 260 units") << QString(120, u'a') + u'/' + QString(120, u'b') << u"log.txt"_s << QString();
    }

    void literalNames()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QString, other);
        QTemporaryDir dir;
        const QString where = folder.isEmpty() ? dir.path() : dir.filePath(folder);
        QVERIFY(QDir().mkpath(where));
        const QString path = where + u'/' + name;
        QVERIFY(SystemFiles::writeExactly(path, kLog));
        // Qt would delete the other file by this name: the folder is emptied of it here.
        const auto cleanup = qScopeGuard([&] { SystemFiles::removeExactly(path); });
        if (!other.isEmpty())
            QVERIFY(SystemFiles::writeExactly(where + u'/' + other, kOther));
        QCOMPARE(path.size() > 260, !folder.isEmpty());

        EntryStore store;
        FileFacts facts;
        const NativePath native = NativePath::fromText(path);
        const LoadOutcome outcome = HymnFileLoader::loadFile(native, store, &facts);
        QVERIFY2(outcome.opened && !outcome.failed(), qPrintable(outcome.errorText));
        QCOMPARE(store.entryCount(), 2);

        const Logbook::WrittenService written = Logbook::writeService(
            native, facts, {QDate(2026, 12, 13), QString(), {{u"300"_s, u"Gamma"_s}}}, Logbook::LineEnd::Lf);
        QCOMPARE(written.outcome, Logbook::WrittenService::Outcome::Written);
        QCOMPARE(SystemFiles::readExactly(path), kLog + "\nDec 13, 2026\n300 Gamma\n");
        QCOMPARE(SystemFiles::readExactly(path + u".bak"_s), kLog);
        if (!other.isEmpty())
            QCOMPARE(SystemFiles::readExactly(where + u'/' + other), kOther);
    }
};

QTEST_GUILESS_MAIN(TestLoaderWin)
#include "tst_core_hymnfileloader_win.moc"
