// SPDX-License-Identifier: GPL-3.0-or-later
// The loader and the book list reader against what only POSIX systems put under a file's name: pipes, sockets,
// links to devices, a pipe swapped in while the file is read (renameat2), and names in Latin-1 bytes. Windows has
// its own rows in tst_core_hymnfileloader_win.cpp.
#include "store/booklistreader.h"
#include "store/entrystore.h"
#include "store/hymnfileloader.h"

#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <future>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

LoadOutcome load(const QByteArray &bytes, EntryStore &store)
{
    return HymnFileLoader::loadBytes(bytes, u"test.txt"_s, store);
}

// Opens each FIFO for writing and closes it again, which lets a reader stuck in open() go on.
void releaseReaders(const QList<QByteArray> &fifos)
{
    for (const QByteArray &fifo : fifos) {
        const int fd = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }
}

// Runs call on another thread and waits a few seconds for it; a call that is still waiting then is released.
template <typename Call> bool answersAtOnce(Call call, const QList<QByteArray> &fifos)
{
    auto running = std::async(std::launch::async, call);
    if (running.wait_for(std::chrono::seconds(5)) == std::future_status::ready)
        return true;
    while (running.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready)
        releaseReaders(fifos);
    return false;
}

} // namespace

class TestLoaderPosix : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void notRegularAnswersAtOnce_data();
    void notRegularAnswersAtOnce();
    void fifoSwappedInNeverBlocks();
    void nameInLatin1Bytes();
};

void TestLoaderPosix::notRegularAnswersAtOnce_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("wordInMessage");
    QTest::newRow("FIFO") << u"fifo"_s << u"not an ordinary file"_s;
    QTest::newRow("socket") << u"socket"_s << u"not an ordinary file"_s;
    QTest::newRow("link to /dev/zero") << u"zero"_s << u"not an ordinary file"_s;
    QTest::newRow("link to a FIFO") << u"fifo link"_s << u"not an ordinary file"_s;
    QTest::newRow("folder") << u"folder"_s << u"folder"_s;
}

// Both readers of named files, given each kind of name that is not a regular file, refuse it without waiting.
void TestLoaderPosix::notRegularAnswersAtOnce()
{
    QFETCH(QString, kind);
    QFETCH(QString, wordInMessage);
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(u"x.txt"_s));
    const QByteArray fifo = QFile::encodeName(dir.filePath(u"pipe"_s));
    if (kind == u"fifo"_s) {
        QCOMPARE(mkfifo(path.constData(), 0600), 0);
    } else if (kind == u"fifo link"_s) {
        QCOMPARE(mkfifo(fifo.constData(), 0600), 0);
        QCOMPARE(symlink(fifo.constData(), path.constData()), 0);
    } else if (kind == u"zero"_s) {
        QCOMPARE(symlink("/dev/zero", path.constData()), 0);
    } else if (kind == u"folder"_s) {
        QCOMPARE(mkdir(path.constData(), 0700), 0);
    } else {
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        QVERIFY(size_t(path.size()) < sizeof address.sun_path);
        memcpy(address.sun_path, path.constData(), path.size());
        const int bound = bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address);
        ::close(fd);
        QCOMPARE(bound, 0);
    }

    EntryStore store;
    QVERIFY(!load("May 1, 2021\n1 A\n"_ba, store).failed());
    LoadOutcome outcome;
    QVERIFY2(
        answersAtOnce([&] { outcome = HymnFileLoader::loadFile(NativePath::fromUnits(path), store); }, {path, fifo}),
        "the loader waited on a name that is not a regular file");
    QVERIFY(!outcome.opened);
    QVERIFY2(outcome.errorText.contains(wordInMessage) && outcome.errorText.contains(u"x.txt"_s),
             qPrintable(outcome.errorText));
    QCOMPARE(store.entryCount(), 0);

    BookListResult books;
    QVERIFY2(answersAtOnce([&] { books = BookListReader::readFile(NativePath::fromUnits(path)); }, {path, fifo}),
             "the book list reader waited on a name that is not a regular file");
    QVERIFY(books.failed);
    QVERIFY(books.names.isEmpty());
}

// A FIFO renamed over the file again and again while it is loaded: every load either reads the file or refuses
// the FIFO, and none waits for a writer.
void TestLoaderPosix::fifoSwappedInNeverBlocks()
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath(u"x.txt"_s));
    const QByteArray other = QFile::encodeName(dir.filePath(u"other"_s));
    {
        QFile file(QFile::decodeName(path));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("May 1, 2021\n1 A\n");
    }
    QCOMPARE(mkfifo(other.constData(), 0600), 0);
    // Stopped and joined on every way out of the test, a failed check included.
    struct Swapper {
        std::atomic<bool> on = true;
        std::thread thread;
        ~Swapper()
        {
            on = false;
            thread.join();
        }
    } swapper;
    swapper.thread = std::thread([&] {
        while (swapper.on)
            renameat2(AT_FDCWD, path.constData(), AT_FDCWD, other.constData(), RENAME_EXCHANGE);
    });
    int loaded = 0;
    int refused = 0;
    bool blocked = false;
    for (int round = 0; round < 2000 && !blocked; ++round) {
        EntryStore store;
        LoadOutcome outcome;
        BookListResult books;
        blocked = !answersAtOnce(
            [&] {
                outcome = HymnFileLoader::loadFile(NativePath::fromUnits(path), store);
                books = BookListReader::readFile(NativePath::fromUnits(path));
            },
            {path, other});
        if (outcome.failed())
            QVERIFY2(outcome.errorText.contains(u"not an ordinary file"_s), qPrintable(outcome.errorText));
        (outcome.failed() ? refused : loaded)++;
        QVERIFY(books.failed || books.names.value(0) == u"May 1, 2021"_s);
    }
    QVERIFY2(!blocked, "a load waited on a FIFO swapped in for the file");
    QVERIFY(loaded + refused > 0);
}

// A name in Latin-1, as old disks hold, is opened by its bytes, and named in messages as well as it can be.
void TestLoaderPosix::nameInLatin1Bytes()
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.path()) + "/caf\xE9.txt";
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    QVERIFY(fd >= 0);
    const QByteArray text = "May 1, 2021\n1 A\n";
    const bool written = ::write(fd, text.constData(), text.size()) == text.size();
    ::close(fd);
    QVERIFY(written);

    EntryStore store;
    const LoadOutcome outcome = HymnFileLoader::loadFile(NativePath::fromUnits(path), store);
    QVERIFY2(!outcome.failed(), qPrintable(outcome.errorText));
    QCOMPARE(std::pair(store.head(1), store.text(1, 1)), std::pair(u"May 1, 2021"_s, u"A"_s));
    QCOMPARE(BookListReader::readFile(NativePath::fromUnits(path)).names, (QStringList{u"May 1, 2021"_s, u"1 A"_s}));

    const QByteArray missing = QFile::encodeName(dir.path()) + "/gone\xE9.txt";
    const LoadOutcome refused = HymnFileLoader::loadFile(NativePath::fromUnits(missing), store);
    QVERIFY2(refused.errorText.contains(u"not found"_s) &&
                 refused.errorText.contains(QFile::decodeName("gone\xE9.txt")),
             qPrintable(refused.errorText));
}

QTEST_GUILESS_MAIN(TestLoaderPosix)
#include "tst_core_hymnfileloader_posix.moc"
