// SPDX-License-Identifier: GPL-3.0-or-later
// The file picker and start-up where POSIX systems differ: folders that cannot be opened (through a seam, since
// tests run as root), a start folder deleted under the program, names in Latin-1 bytes and with control
// characters, the mount table as the volume list, and starting without an X display.
#include "app/pickers/dirlist.h"
#include "app/pickers/drivelist.h"
#include "app/pickers/filelist.h"
#include "platform/folderaccess.h"
#include "platform/mounttable.h"
#include "windowharness.h"

#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The system's folders, except one that fails to open with a chosen error; it also counts the folder readings
// made without the wait cursor up.
class FailingAccess : public FolderAccess {
public:
    QByteArray failing;
    int error = 0;
    int readsWithoutWaitCursor = 0;

    int list(const NativePath &folder, std::vector<Entry> &entries) override
    {
        const QCursor *cursor = QGuiApplication::overrideCursor();
        if (cursor == nullptr || cursor->shape() != Qt::WaitCursor)
            ++readsWithoutWaitCursor;
        return folder.units() == failing ? error : system().list(folder, entries);
    }
    int resolve(const NativePath &path, NativePath &clean) override { return system().resolve(path, clean); }
    NativePath startFolder() override { return system().startFolder(); }
    bool modified(const NativePath &path, qint64 &seconds) override { return system().modified(path, seconds); }
};

QByteArray canonical(const QByteArray &path)
{
    NativePath clean;
    return FolderAccess::system().resolve(NativePath::fromUnits(path), clean) == 0 ? clean.units() : QByteArray();
}

bool writeNative(const QByteArray &path, const QByteArray &bytes)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    ::close(fd);
    return written;
}

QStringList trimmedRows(const QListWidget *list)
{
    QStringList rows;
    for (const QString &row : rowsOf(list))
        rows.append(row.trimmed());
    return rows;
}

} // namespace

class TestPickersPosix : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void folderThatCannotBeOpened_data();
    void folderThatCannotBeOpened();
    void startFolderThatCannotBeOpened_data();
    void startFolderThatCannotBeOpened();
    void namesThatAreNotUtf8();
    void rowsKeepTheirOwnBytes();
    void namesOnOneLine();
    void volumesFromTheMountTableOnly();
    void noDisplay_data();
    void noDisplay();

private:
    template <typename T> T *control(const char *name) const { return m_ui->control<T>(name); }
    QByteArray base() const { return canonical(QFile::encodeName(m_ui->folder.path())); }
    // Chooses the folder row showing name and presses Enter, as a user opens a folder from the keyboard.
    void enterFolder(const QString &name);
    void chooseFile(const QString &name);

    std::unique_ptr<WindowHarness> m_ui;
    FailingAccess m_access;
};

void TestPickersPosix::init()
{
    m_ui = std::make_unique<WindowHarness>();
    QVERIFY(m_ui->folder.isValid());
    m_access = FailingAccess();
    FolderAccess::install(&m_access);
}

void TestPickersPosix::cleanup()
{
    m_ui.reset();
    FolderAccess::install(nullptr);
    MountTable::setReader({});
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(m_access.readsWithoutWaitCursor, 0);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestPickersPosix::enterFolder(const QString &name)
{
    auto *folders = control<DirList>("Dir1");
    const QList<QListWidgetItem *> rows = folders->findItems(u' ' + name, Qt::MatchEndsWith);
    QCOMPARE(rows.size(), 1);
    folders->setCurrentItem(rows.first());
    QTest::keyClick(folders, Qt::Key_Return);
    QCoreApplication::processEvents();
}

void TestPickersPosix::chooseFile(const QString &name)
{
    auto *files = control<FileList>("File1");
    QCOMPARE(rowsOf(files).count(name), 1);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, rowRect(files, files->rowOf(name)).center());
}

void TestPickersPosix::folderThatCannotBeOpened_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no permission") << EACCES << u"Permission denied"_s;
    QTest::newRow("path too long") << int(ENAMETOOLONG) << u"File name too long"_s;
}

void TestPickersPosix::folderThatCannotBeOpened()
{
    QFETCH(int, error);
    QFETCH(QString, reason);
    QVERIFY(QDir(m_ui->folder.path()).mkdir(u"shut"_s));
    QVERIFY(m_ui->open());
    m_access.failing = base() + "/shut";
    m_access.error = error;
    enterFolder(u"shut"_s);
    QTRY_COMPARE(m_ui->dialogs.messages().size(), 1);
    const ScriptedDialogs::Shown shown = m_ui->dialogs.messages()[0];
    QCOMPARE(shown.title, u"Change Folder"_s);
    QVERIFY2(shown.text.contains(QFile::decodeName(m_access.failing)) && shown.text.contains(reason),
             qPrintable(shown.text));
    QCOMPARE(control<DirList>("Dir1")->nativePath().units(), base());
}

void TestPickersPosix::startFolderThatCannotBeOpened_data()
{
    QTest::addColumn<bool>("deleted");
    QTest::addColumn<QString>("reason");
    QTest::newRow("unreadable") << false << u"Permission denied"_s;
    QTest::newRow("deleted") << true << u"No such file or directory"_s;
}

void TestPickersPosix::startFolderThatCannotBeOpened()
{
    QFETCH(bool, deleted);
    QFETCH(QString, reason);
    m_ui->folder.write(u"a.txt"_s, "Jan 1, 2020\n1 A\n");
    const QByteArray start = base() + "/start";
    QVERIFY(QDir().mkdir(QFile::decodeName(start)));
    QCOMPARE(::chdir(start.constData()), 0);
    if (deleted) {
        QCOMPARE(::rmdir(start.constData()), 0);
    } else {
        m_access.failing = start;
        m_access.error = EACCES;
    }
    QVERIFY(m_ui->openHere());
    const QList<ScriptedDialogs::Shown> messages = m_ui->dialogs.messages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].title, u"Change Folder"_s);
    QVERIFY2(messages[0].text.contains(QFile::decodeName(start)) && messages[0].text.contains(reason),
             qPrintable(messages[0].text));
    QCOMPARE(control<DirList>("Dir1")->nativePath().units(), base());
    QCOMPARE(rowsOf(control<FileList>("File1")), QStringList{u"a.txt"_s});
}

void TestPickersPosix::namesThatAreNotUtf8()
{
    const QByteArray folder = base() + "/Geb\xe9te";
    QCOMPARE(::mkdir(folder.constData(), 0755), 0);
    // QTemporaryDir cannot remove what it cannot name.
    const auto removeByBytes = qScopeGuard([this, folder] {
        QDir::setCurrent(m_ui->folder.path());
        ::unlink((folder + "/caf\xe9.txt").constData());
        ::rmdir(folder.constData());
    });
    QVERIFY(writeNative(folder + "/caf\xe9.txt", "Jan 1, 2020\n1 A\n\nFeb 2, 2020\n2 B\n\nMar 3, 2020\n3 C\n"));
    QVERIFY(m_ui->open());
    enterFolder(u"Geb\uFFFDte"_s);
    QTRY_COMPARE(control<DirList>("Dir1")->nativePath().units(), folder);
    auto *files = control<FileList>("File1");
    QCOMPARE(rowsOf(files), QStringList{u"caf\uFFFD.txt"_s});
    QVERIFY(m_ui->load(u"caf\uFFFD.txt"_s));
    QCOMPARE(m_ui->dialogs.messages().size(), 0);
    QCOMPARE(m_ui->store().entryCount(), 3);

    // Started inside such a folder, the lists are full all the same.
    QCOMPARE(::chdir(folder.constData()), 0);
    QVERIFY(m_ui->openHere());
    QCOMPARE(control<DirList>("Dir1")->nativePath().units(), folder);
    QCOMPARE(rowsOf(control<FileList>("File1")), QStringList{u"caf\uFFFD.txt"_s});
    QCOMPARE(m_ui->dialogs.messages().size(), 0);
}

void TestPickersPosix::rowsKeepTheirOwnBytes()
{
    // Names handed over in an order other than the listed one, some not UTF-8: every row must show, and lead back
    // to, the bytes of its own file, not those of the name read at its place.
    const QList<QByteArray> read{"b\xe9.txt", "A.txt", "c.txt", "a\xe9.txt", "B.txt"};
    const QList<QByteArray> listed{"A.txt", "a\xe9.txt", "B.txt", "b\xe9.txt", "c.txt"};
    std::vector<FolderAccess::Entry> entries;
    for (const QByteArray &name : read)
        entries.push_back({NativePath::fromUnits(name), FolderAccess::Kind::File, false});
    FileList files;
    files.setListing(NativePath::fromUnits(base()), std::move(entries));
    QCOMPARE(files.count(), int(listed.size()));
    for (int row = 0; row < int(listed.size()); ++row) {
        QCOMPARE(files.textAt(row), NativePath::fromUnits(listed[row]).display());
        QVERIFY2(files.choose(NativePath::fromUnits(listed[row])), listed[row].constData());
        QCOMPARE(files.currentRow(), row);
        QCOMPARE(files.nativeFileName().units(), listed[row]);
    }
}

void TestPickersPosix::namesOnOneLine()
{
    for (const QByteArray name : {"two\nlines", "bell\x07", "rub\x7fout", ".hidden"})
        QCOMPARE(::mkdir((base() + '/' + name).constData(), 0755), 0);
    m_ui->folder.write(u".secret.txt"_s, "Jan 1, 2020\n1 A\n");
    m_ui->folder.write(u"shown.txt"_s, "Jan 1, 2020\n1 A\n");
    QVERIFY(m_ui->open());
    auto *folders = control<DirList>("Dir1");
    const QStringList rows = trimmedRows(folders);
    QCOMPARE(rows.mid(rows.size() - 3), (QStringList{u"bell\u2407"_s, u"rub\u2421out"_s, u"two\u240Alines"_s}));
    QCOMPARE(rowsOf(control<FileList>("File1")), QStringList{u"shown.txt"_s});
    const int lineHeight = QFontMetrics(folders->font()).height();
    for (int row = 0; row < folders->count(); ++row)
        QVERIFY2(folders->visualItemRect(folders->item(row)).height() < 2 * lineHeight, qPrintable(rows[row]));

    // A chain 200 folders deep still shows the current folder's name inside the list.
    QByteArray deep = base();
    for (int level = 0; level < 200; ++level) {
        deep += level == 199 ? QByteArray("/last") : QByteArray("/d");
        QCOMPARE(::mkdir(deep.constData(), 0755), 0);
    }
    QVERIFY(folders->setPath(QFile::decodeName(deep)));
    const QListWidgetItem *current = folders->currentItem();
    QCOMPARE(current->text().trimmed(), u"last"_s);
    QVERIFY2(QFontMetrics(folders->font()).horizontalAdvance(current->text()) < folders->viewport()->width() / 2,
             qPrintable(current->text()));
}

void TestPickersPosix::volumesFromTheMountTableOnly()
{
    int reads = 0;
    MountTable::setReader([&reads] {
        ++reads;
        return QByteArray("/dev/sda1 / ext4 rw 0 0\n"
                          "proc /proc proc rw 0 0\n"
                          "server:/export /mnt/no\\040such\\040share nfs4 rw,hard 0 0\n"
                          "tmpfs /run/user/0 tmpfs rw 0 0\n");
    });
    QVERIFY(m_ui->open());
    auto *drives = control<DriveList>("Drive1");
    QStringList shown;
    for (int i = 0; i < drives->count(); ++i)
        shown.append(drives->itemText(i));
    QCOMPARE(shown, (QStringList{u"/"_s, u"/mnt/no such share"_s}));
    QCOMPARE(drives->drive(), u"/"_s);

    // Every press in the folder list reads the table again.
    const int before = reads;
    auto *folders = control<DirList>("Dir1");
    QTest::mousePress(folders->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(folders->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(reads, before + 1);
    QCOMPARE(drives->count(), 2);
}

// The display named by -display or $DISPLAY, the platform by -platform or QT_QPA_PLATFORM (X11 only is checked
// here, in any case and with options after ":"); a plugin Qt does not have is named.
void TestPickersPosix::noDisplay_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("line");
    const QString noDisplay = u"cannot open a display: DISPLAY is not set"_s;
    QTest::newRow("no display set") << QStringList() << QString() << QString()
                                    << u"cannot open a display: DISPLAY and WAYLAND_DISPLAY are not set"_s;
    QTest::newRow("nothing listening") << QStringList() << u":987"_s << QString()
                                       << u"cannot open a display: cannot connect to :987 ("_s;
    QTest::newRow("-display") << QStringList{u"-display"_s, u":987"_s} << QString() << QString()
                              << u"cannot open a display: cannot connect to :987 ("_s;
    QTest::newRow("-display=") << QStringList{u"-display=:987"_s} << QString() << QString()
                               << u"cannot open a display: cannot connect to :987 ("_s;
    QTest::newRow("-platform XCB:options")
        << QStringList{u"-platform"_s, u"XCB:foo"_s} << QString() << QString() << noDisplay;
    QTest::newRow("QT_QPA_PLATFORM xcb") << QStringList() << QString() << u"xcb"_s << noDisplay;
    QTest::newRow("no such plugin") << QStringList{u"-platform"_s, u"nosuch"_s} << QString() << QString()
                                    << u"Qt has no platform plugin \"nosuch\" (it has "_s;
}

void TestPickersPosix::noDisplay()
{
    QFETCH(QStringList, args);
    QFETCH(QString, display);
    QFETCH(QString, platform);
    QFETCH(QString, line);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        environment.remove(name);
    if (!display.isEmpty())
        environment.insert(u"DISPLAY"_s, display);
    if (!platform.isEmpty())
        environment.insert(u"QT_QPA_PLATFORM"_s, platform);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(CANTORIX_BINARY), args);
    QVERIFY(program.waitForFinished(30000));
    const QString error = QString::fromLocal8Bit(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    QVERIFY2(error.startsWith(u"cantorix2: "_s + line) && error.count(u'\n') == 1 && error.endsWith(u'\n'),
             qPrintable(error));
}

QTEST_MAIN(TestPickersPosix)
#include "tst_gui_pickers_posix.moc"
