// SPDX-License-Identifier: GPL-3.0-or-later
// The start of the program where only POSIX systems can set the stage: a settings file that is a named pipe or a
// folder (mkfifo; stderr caught through its descriptor), and an X server that names a display or fails (X11 and
// unix sockets).
#include "mainwindowfixture.h"
#include "scripteddialogs.h"
#include "testfiles.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QMenu>
#include <QProcess>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QtTest>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "app/mainwindow/mainwindow.h"
#include "platform/settingslocation.h"

using namespace Qt::StringLiterals;

namespace {

// The paths the recent-files menu offers, in order.
QList<QByteArray> offered(const MainWindow &window)
{
    QList<QByteArray> paths;
    for (const QAction *each : window.findChild<QAction *>(u"actOpenRecent"_s)->menu()->actions())
        paths.append(each->data().toByteArray());
    return paths;
}

// What is written to stderr while it lives. POSIX: the descriptor is pointed at a file and back.
class StderrCapture {
public:
    StderrCapture() : m_saved(::dup(2))
    {
        m_file.open();
        std::fflush(stderr);
        ::dup2(m_file.handle(), 2);
    }
    ~StderrCapture()
    {
        std::fflush(stderr);
        ::dup2(m_saved, 2);
        ::close(m_saved);
    }
    QByteArray text()
    {
        std::fflush(stderr);
        QFile written(m_file.fileName());
        return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
    }

private:
    QTemporaryFile m_file;
    int m_saved;
};

} // namespace

class TestMenuPosix : public QObject, protected MainWindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void settingsFileNotRegular_data();
    void settingsFileNotRegular();
    void startsWithoutDisplay_data();
    void startsWithoutDisplay();
    void windowSystemFailureExits();
};

void TestMenuPosix::initTestCase()
{
    QVERIFY(setUpProgram(u"Cantorix2"_s, Locale::System));
}

void TestMenuPosix::init()
{
    QVERIFY(setUpFolder(false));
    m_folder->write(u"Hymnal.txt"_s, "1 Alpha\nWords\n--\n(v1) A line\n");
}

// POSIX only: pipes are made with mkfifo, and stderr is caught through its descriptor. QSettings reads its files
// as it is made, so a pipe there would hold up the start for ever.
void TestMenuPosix::settingsFileNotRegular_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("pipe");
    QTest::addColumn<bool>("kept");

    const QString own = SettingsLocation::file(u"Cantorix2"_s, u"Cantorix2"_s);
    // QSettings would also read the organisation's file beside the program's.
    const QString organisation = QFileInfo(own).path() + u".conf"_s;
    QTest::newRow("a pipe") << own << true << false;
    QTest::newRow("a folder") << own << false << false;
    QTest::newRow("a pipe in the organisation's place") << organisation << true << true;
}

void TestMenuPosix::settingsFileNotRegular()
{
    QFETCH(QString, file);
    QFETCH(bool, pipe);
    QFETCH(bool, kept);
    QCOMPARE(QSettings().fileName(), SettingsLocation::file(u"Cantorix2"_s, u"Cantorix2"_s));
    programSettings()->setValue(u"recentFiles/1/path"_s, QByteArray("/stored.txt"));
    programSettings()->setValue(u"recentFiles/size"_s, 1);
    programSettings()->sync();

    const QByteArray path = QFile::encodeName(file);
    QVERIFY(QDir().mkpath(QFileInfo(file).path()));
    QFile::remove(file);
    QVERIFY(pipe ? ::mkfifo(path.constData(), 0600) == 0 : QDir().mkdir(file));
    const auto restore = qScopeGuard([&] { pipe ? ::unlink(path.constData()) : ::rmdir(path.constData()); });

    StderrCapture errors;
    MainWindow window(&m_dialogs);
    const QByteArray loaded = QFile::encodeName(m_folder->filePath(u"Hymnal.txt"_s));
    QVERIFY(window.openFile(NativePath::fromUnits(loaded)));
    QCOMPARE(::offered(window), kept ? (QList<QByteArray>{loaded, "/stored.txt"}) : QList<QByteArray>{});
    const QByteArray said = errors.text();
    QCOMPARE(said, kept ? QByteArray()
                        : "cantorix2: the settings file " + path +
                              " is not a regular file; no settings are read or kept this run\n");
    // Not replaced by a regular file either.
    struct stat info {};
    QCOMPARE(::lstat(path.constData(), &info), 0);
    QVERIFY(pipe ? S_ISFIFO(info.st_mode) : S_ISDIR(info.st_mode));
}

// Options that choose a platform other than X11, or name what Qt only warns about, start the window without a
// display: the program is still running when it is stopped.
void TestMenuPosix::startsWithoutDisplay_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("platform");
    const QString file = QStringLiteral(CANTORIX_SAMPLES_DIR "/ServiceLog.txt");
    QTest::newRow("joined values") << QStringList{u"-platform=offscreen"_s, u"-style=nosuch"_s, u"-stylesheet"_s,
                                                  u"/nonexistent.qss"_s, file}
                                   << QString();
    QTest::newRow("-display beside another platform")
        << QStringList{u"-display"_s, u":987"_s, file} << u"offscreen:fontengine=freetype"_s;
}

void TestMenuPosix::startsWithoutDisplay()
{
    QFETCH(QStringList, args);
    QFETCH(QString, platform);
    QProcess program;
    program.setProcessEnvironment(withoutDisplay(m_home.path(), platform));
    program.start(QStringLiteral(CANTORIX_BINARY), args);
    QVERIFY(program.waitForStarted(30000));
    const bool ended = program.waitForFinished(3000);
    program.kill();
    program.waitForFinished(30000);
    QVERIFY2(!ended, program.readAllStandardError().constData());
}

// POSIX only: an X server that closes every connection is an abstract unix socket. The display check gets through,
// Qt's own connection fails, and Qt's fatal error ends the program with a message instead of an abort.
void TestMenuPosix::windowSystemFailureExits()
{
    const QByteArray name = "/tmp/.X11-unix/X" + QByteArray::number(20000 + QCoreApplication::applicationPid() % 10000);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + 1, name.constData(), size_t(name.size()));
    const int server = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    QVERIFY(server >= 0);
    const auto closeServer = qScopeGuard([server] { ::close(server); });
    QCOMPARE(::bind(server, reinterpret_cast<const sockaddr *>(&address),
                    socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size_t(name.size()))),
             0);
    QCOMPARE(::listen(server, 8), 0);

    QProcess program;
    program.setProcessEnvironment(withoutDisplay(m_home.path(), QString()));
    program.start(QStringLiteral(CANTORIX_BINARY), {u"-display"_s, u":"_s + QString::fromLatin1(name.mid(16))});
    QDeadlineTimer deadline(30000);
    while (!program.waitForFinished(50) && !deadline.hasExpired()) {
        for (int client; (client = ::accept(server, nullptr, nullptr)) >= 0;)
            ::close(client);
    }
    program.kill();
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QVERIFY(program.readAllStandardError().endsWith("cantorix2: the window system could not be started\n"));
}

QTEST_MAIN(TestMenuPosix)
#include "tst_gui_menu_posix.moc"
