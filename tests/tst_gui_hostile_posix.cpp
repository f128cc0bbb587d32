// SPDX-License-Identifier: GPL-3.0-or-later
// Names that are not regular files, as only POSIX systems put them in a folder (a pipe, a link to a device, a link
// to nothing): the file list does not offer them, and the loader, asked by name all the same, refuses them at once.
#include "store/hymnfileloader.h"
#include "windowharness.h"

#include <QListWidget>
#include <QtTest>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

class TestHostilePosix : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_ui = std::make_unique<WindowHarness>(); }
    void cleanup() { m_ui.reset(); }
    void notRegularFiles_data();
    void notRegularFiles();

private:
    template <typename T> T *control(const char *name) { return m_ui->control<T>(name); }

    std::unique_ptr<WindowHarness> m_ui;
};

void TestHostilePosix::notRegularFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("fragment");
    QTest::newRow("folder") << u"folder"_s << u"folder"_s;
    QTest::newRow("FIFO") << u"fifo"_s << u"not an ordinary file"_s;
    QTest::newRow("link to /dev/zero") << u"zero"_s << u"not an ordinary file"_s;
    QTest::newRow("dangling link") << u"dangling"_s << u"not found"_s;
}

void TestHostilePosix::notRegularFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, fragment);
    const QByteArray path = QFile::encodeName(m_ui->folder.filePath(u"x.txt"_s));
    if (kind == u"folder"_s)
        QVERIFY(QDir(m_ui->folder.path()).mkdir(u"x.txt"_s));
    else if (kind == u"fifo"_s)
        QCOMPARE(mkfifo(path.constData(), 0600), 0);
    else
        QCOMPARE(symlink(kind == u"zero"_s ? "/dev/zero" : "nowhere.txt", path.constData()), 0);
    m_ui->folder.write(u"real.txt"_s, "Jan 1, 2020\n1 A\n");

    QVERIFY(m_ui->open());
    auto *files = control<QAbstractItemView>("File1");
    QCOMPARE(rowsOf(files), QStringList{u"real.txt"_s});
    QVERIFY(!m_ui->load(u"x.txt"_s));

    // Asked for by name all the same, the loader must answer at once instead of waiting on a reader or a writer.
    EntryStore store;
    auto loading = std::async(std::launch::async,
                              [&store, &path] { return HymnFileLoader::loadFile(NativePath::fromUnits(path), store); });
    if (loading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        const int unblock = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
        if (unblock >= 0)
            ::close(unblock);
        QFAIL("loading a name that is not a regular file blocked");
    }
    const LoadOutcome outcome = loading.get();
    QVERIFY(!outcome.opened);
    QVERIFY2(outcome.errorText.contains(u"x.txt"_s) && outcome.errorText.contains(fragment),
             qPrintable(outcome.errorText));
    QCOMPARE(store.entryCount(), 0);
}

QTEST_MAIN(TestHostilePosix)
#include "tst_gui_hostile_posix.moc"
