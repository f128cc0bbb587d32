// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping the log in the program: reloading with the criteria kept, the notice of a file changed or deleted by
// another program, the hymnal read again by itself, and a service added through the real dialog, with every way
// the write can be refused leaving the file as it was and nothing typed discarded unasked.
#include "mainwindowfixture.h"
#include "scripteddialogs.h"
#include "systemfiles.h"
#include "testfiles.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCryptographicHash>
#include <QDateEdit>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QtTest>

#include "app/form/form1.h"
#include "app/logbook/addservicedialog.h"
#include "app/logbook/hymnrow.h"
#include "app/logbook/hymnrows.h"
#include "app/mainwindow/mainwindow.h"
#include "app/plan/suggestwindow.h"
#include "platform/pathwatch.h"
#include "platform/savefile.h"
#include "workspace/filewatch.h"
#include "workspace/hymnal.h"
#include "workspace/loadedfile.h"

using namespace Qt::StringLiterals;

namespace {

// Counted by hand for a service on Dec 13, 2026: within 4 weeks reaches back to Nov 15, 12 months to Dec 13, 2025.
const QByteArray kLog = "Mar 3, 2024\n500 Delta\n\n"
                        "Jan 4, 2026\n100 Alpha\n200 Beta\n\n"
                        "Nov 1, 2026\n100 Alpha Two\n300 Gamma\n\n"
                        "Nov 29, 2026 Advent 1\n200 Beta\n";
const QByteArray kHymnal = "100 Alpha Hymnal\nWords, 1900\n--\n(v1) A line\n\n"
                           "600 Epsilon\nWords, 1901\n--\n(v1) Another line\n";
const QDate kPlanned(2026, 12, 13);

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// Receives the URLs the desktop would open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl &url) { urls.append(url); }
};

enum class Change { InPlace, Renamed, Deleted, Touched, SameSize };
// What happens to the log's folder while the log is loaded: the folder itself renamed, or removed with the log, or
// the folder above it renamed.
enum class Away { Renamed, Removed, AboveRenamed };

} // namespace

class TestKeepLog : public QObject, protected MainWindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void actionsFollowTheFile();
    void reloadKeepsCriteria();
    void noticeFollowsTheDisk_data();
    void noticeFollowsTheDisk();
    void noticeFollowsTheFolder_data();
    void noticeFollowsTheFolder();
    void watchKeepsUpWithAGrowingFile();
    void hymnalFollowsTheDisk();
    void addServiceWithKeys();
    void refusedWriteLeavesTheFile_data();
    void refusedWriteLeavesTheFile();
    void changedFileIsReloadedOnRequest();
    void writeCutShortIsMended_data();
    void writeCutShortIsMended();
    void ownBackupIsReplacedAcrossRuns();
    void marksAndTitles_data();
    void marksAndTitles();
    void rowsMoveAndFit();
    void discardAsks_data();
    void discardAsks();
    void suggestionsGoToTheDialog();
    void dayOffered_data();
    void dayOffered();
    void occasionFollowsTheDate();

private:
    // Opens the log in the window and Add Service over it, dated kPlanned.
    AddServiceDialog *openDialog(const QByteArray &log = kLog);
    HymnRows *rows() const { return part<HymnRows>(m_window.get(), "ServiceHymns"); }
    QPushButton *button(const char *name) const { return part<QPushButton>(m_window.get(), name); }

    QString m_log;
};

void TestKeepLog::initTestCase()
{
    QVERIFY(setUpProgram(u"KeepLogTest"_s, Locale::UsEnglish));
}

void TestKeepLog::init()
{
    QVERIFY(setUpFolder(true));
    m_log = m_folder->write(u"log.txt"_s, kLog);
    QVERIFY(openWindow(Shown::Exposed));
}

void TestKeepLog::cleanup()
{
    SaveFile::failWritesWith(0);
    PathWatch::pollOnly(false);
    tearDown();
}

AddServiceDialog *TestKeepLog::openDialog(const QByteArray &log)
{
    m_folder->write(u"log.txt"_s, log);
    if (!m_window->openFile(NativePath::fromText(m_log)))
        return nullptr;
    action(*m_window, "actAddService")->trigger();
    AddServiceDialog *dialog = m_window->addServiceDialog();
    if (dialog == nullptr || !QTest::qWaitForWindowExposed(dialog))
        return nullptr;
    part<QDateEdit>(dialog, "ServiceDate")->setDate(kPlanned);
    dialog->activateWindow();
    return QTest::qWaitForWindowActive(dialog) ? dialog : nullptr;
}

void TestKeepLog::actionsFollowTheFile()
{
    // Reload, Open in Text Editor, Add Service.
    const auto enabled = [this] {
        QString marks;
        for (const char *name : {"actReload", "actEditExternally", "actAddService"})
            marks += action(*m_window, name)->isEnabled() ? u'+' : u'-';
        return marks;
    };
    QCOMPARE(enabled(), u"---"_s);
    QCOMPARE(action(*m_window, "actReload")->shortcut(), QKeySequence(u"F5"_s));
    QCOMPARE(action(*m_window, "actAddService")->shortcut(), QKeySequence(u"Ctrl+N"_s));
    m_window->openFile(NativePath::fromText(m_folder->write(u"hymnal.txt"_s, kHymnal)));
    QCOMPARE(enabled(), u"++-"_s);
    m_window->openFile(NativePath::fromText(m_log));
    QCOMPARE(enabled(), u"+++"_s);

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(u"file"_s, &catcher, "open");
    action(*m_window, "actEditExternally")->trigger();
    QDesktopServices::unsetUrlHandler(u"file"_s);
    QCOMPARE(catcher.urls, QList<QUrl>{QUrl::fromLocalFile(m_log)});

    m_window->openFile(NativePath::fromText(m_folder->filePath(u"gone.txt"_s)));
    QCOMPARE(enabled(), u"---"_s);
}

void TestKeepLog::reloadKeepsCriteria()
{
    QVERIFY(m_window->openFile(NativePath::fromText(m_log)));
    Form1 *form = m_window->form();
    part<QLineEdit>(form, "hymnmbr")->setText(u"200"_s);
    part<QLineEdit>(form, "Filter")->setText(u">2026"_s);
    part<QCheckBox>(form, "Check1")->setChecked(true);
    form->find();
    QCOMPARE(form->leftRowCount(), 2);

    m_folder->write(u"log.txt"_s, kLog + "\nDec 6, 2026\n200 Beta\n");
    part<QLineEdit>(form, "Filter")->setFocus();
    action(*m_window, "actReload")->trigger();
    // The keys go back to the number box after a reload, as after every load.
    QTRY_COMPARE(QApplication::focusWidget(), part<QLineEdit>(form, "hymnmbr"));
    QCOMPARE(form->leftRowCount(), 0);
    QCOMPARE(part<QLineEdit>(form, "hymnmbr")->text(), u"200"_s);
    QCOMPARE(part<QLineEdit>(form, "Filter")->text(), u">2026"_s);
    QVERIFY(part<QCheckBox>(form, "Check1")->isChecked());
    form->find();
    QCOMPARE(form->leftRowCount(), 3);
}

void TestKeepLog::noticeFollowsTheDisk_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("notice");
    // Polled as on Windows, where the system is not asked to tell of changes.
    QTest::addColumn<bool>("polled");
    QTest::newRow("written in place") << Change::InPlace << u"log.txt changed on disk"_s << false;
    QTest::newRow("saved by rename") << Change::Renamed << u"log.txt changed on disk"_s << false;
    QTest::newRow("deleted") << Change::Deleted << u"log.txt was moved or deleted on disk"_s << false;
    QTest::newRow("touched") << Change::Touched << QString() << false;
    QTest::newRow("same size, other bytes") << Change::SameSize << u"log.txt changed on disk"_s << false;
    QTest::newRow("polled: same size, other bytes") << Change::SameSize << u"log.txt changed on disk"_s << true;
}

void TestKeepLog::noticeFollowsTheDisk()
{
    QFETCH(Change, change);
    QFETCH(QString, notice);
    QFETCH(bool, polled);
    PathWatch::pollOnly(polled);
    QVERIFY(m_window->openFile(NativePath::fromText(m_log)));
    auto *bar = part<QWidget>(m_window.get(), "FileChangedBar");
    const FileWatch *watch = part<FileWatch>(m_window.get(), "LogWatch");
    const int looks = watch->looks();
    const int height = m_window->height();
    const QByteArray changed = kLog + "\nDec 6, 2026\n100 Alpha\n";
    switch (change) {
    case Change::InPlace:
        m_folder->write(u"log.txt"_s, changed);
        break;
    case Change::Renamed: {
        QSaveFile file(m_log);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(changed) == changed.size() && file.commit());
        break;
    }
    case Change::Deleted:
        QVERIFY(QFile::remove(m_log));
        break;
    case Change::Touched: {
        QFile file(m_log);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(1), QFileDevice::FileModificationTime));
        break;
    }
    case Change::SameSize:
        m_folder->write(u"log.txt"_s, QByteArray(kLog).replace("Beta", "Zeta"));
        break;
    }
    QTRY_VERIFY(watch->looks() > looks);
    QCOMPARE(bar->isVisible() ? part<QLabel>(bar, "FileChangedText")->text() : QString(), notice);
    if (notice.isEmpty())
        return;
    QCOMPARE(part<QPushButton>(bar, "FileChangedReload")->isVisible(), change != Change::Deleted);
    QVERIFY(m_window->form()->geometry().bottom() < bar->geometry().top());
    QCOMPARE(m_window->form()->size(), QSize(640, 487));
    QTest::mouseClick(part<QPushButton>(bar, "FileChangedDismiss"), Qt::LeftButton);
    QVERIFY(!bar->isVisible());
    // The window grew to hold the notice, and gives the room back.
    QCOMPARE(m_window->height(), height);

    // The file that has the name now is watched, and a dismissed notice comes back with the next change, one as long
    // as the first: only the bytes tell them apart.
    part<QLineEdit>(m_window->form(), "hymnmbr")->setText(u"700"_s);
    m_folder->write(u"log.txt"_s, kLog + "\nDec 9, 2026\n700 Omega\n");
    QTRY_VERIFY(bar->isVisible());
    QCOMPARE(part<QLabel>(bar, "FileChangedText")->text(), u"log.txt changed on disk"_s);
    QTest::mouseClick(part<QPushButton>(bar, "FileChangedReload"), Qt::LeftButton);
    QVERIFY(!bar->isVisible());
    m_window->form()->find();
    QCOMPARE(m_window->form()->leftRowCount(), 1);
}

void TestKeepLog::noticeFollowsTheFolder_data()
{
    const QByteArray other = kLog + "\nDec 6, 2026\n100 Alpha\n";
    QTest::addColumn<Away>("away");
    QTest::addColumn<QByteArray>("back"); // the log's bytes when its folder is back
    QTest::addColumn<QString>("notice");
    QTest::addColumn<bool>("polled");
    const QString changed = u"log.txt changed on disk"_s;
    QTest::newRow("folder renamed away and back") << Away::Renamed << kLog << QString() << false;
    QTest::newRow("folder renamed away, back with other bytes") << Away::Renamed << other << changed << false;
    QTest::newRow("folder removed and made again") << Away::Removed << other << changed << false;
    QTest::newRow("folder above renamed away and back with other bytes")
        << Away::AboveRenamed << other << changed << false;
    QTest::newRow("polled: folder above renamed away and back with other bytes")
        << Away::AboveRenamed << other << changed << true;
    QTest::newRow("polled: folder removed, made again with the same bytes")
        << Away::Removed << kLog << QString() << true;
}

void TestKeepLog::noticeFollowsTheFolder()
{
    QFETCH(Away, away);
    QFETCH(QByteArray, back);
    QFETCH(QString, notice);
    QFETCH(bool, polled);
    PathWatch::pollOnly(polled);
    QDir top(m_folder->path());
    QVERIFY(top.mkpath(u"parish/church"_s));
    QVERIFY(m_window->openFile(NativePath::fromText(m_folder->write(u"parish/church/log.txt"_s, kLog))));
    auto *bar = part<QWidget>(m_window.get(), "FileChangedBar");
    const auto shown = [bar] { return bar->isVisible() ? part<QLabel>(bar, "FileChangedText")->text() : QString(); };

    // The folder that goes away, and where the log is meanwhile, for its bytes to be changed there.
    const QString gone = away == Away::AboveRenamed ? u"parish"_s : u"parish/church"_s;
    const QString apart = gone + u"-away"_s;
    const QString moved = apart + (away == Away::AboveRenamed ? u"/church/log.txt"_s : u"/log.txt"_s);
    QVERIFY(away == Away::Removed ? QDir(top.filePath(gone)).removeRecursively() : top.rename(gone, apart));
    QTRY_COMPARE(shown(), u"log.txt was moved or deleted on disk"_s);
    QVERIFY(!part<QPushButton>(bar, "FileChangedReload")->isVisible());

    if (away == Away::Removed) {
        QVERIFY(top.mkpath(gone));
        m_folder->write(u"parish/church/log.txt"_s, back);
    } else {
        m_folder->write(moved, back);
        QVERIFY(top.rename(apart, gone));
    }
    // The notice follows what is on disk now: gone once the loaded bytes are back.
    QTRY_COMPARE(shown(), notice);
    if (!notice.isEmpty())
        QVERIFY(part<QPushButton>(bar, "FileChangedReload")->isVisible());
}

void TestKeepLog::watchKeepsUpWithAGrowingFile()
{
    QVERIFY(m_window->openFile(NativePath::fromText(m_log)));
    auto *bar = part<QWidget>(m_window.get(), "FileChangedBar");
    const FileWatch *watch = part<FileWatch>(m_window.get(), "LogWatch");
    const int looks = watch->looks();
    const int reads = watch->reads();
    QElapsedTimer clock;
    clock.start();
    // A log appended to every 20 ms for two seconds, as a program keeping it open would.
    QFile file(m_log);
    QVERIFY(file.open(QIODevice::Append));
    for (int i = 0; i < 100; ++i) {
        QVERIFY(file.write("\nDec 6, 2026\n100 Alpha\n") > 0 && file.flush());
        QTest::qWait(20);
    }
    // Noticed while it is still being written, with a look now and then rather than one a write; the size alone
    // told every look that it is not the file loaded.
    QVERIFY(bar->isVisible());
    QVERIFY2(watch->looks() - looks <= clock.elapsed() / FileWatch::CheckIntervalMs + 1,
             qPrintable(u"%1 looks in %2 ms"_s.arg(watch->looks() - looks).arg(clock.elapsed())));
    QCOMPARE(watch->reads(), reads);

    // Back at the loaded size, only the bytes can tell.
    file.close();
    m_folder->write(u"log.txt"_s, kLog);
    QTRY_VERIFY(!bar->isVisible());
    QVERIFY(watch->reads() > reads);
}

void TestKeepLog::hymnalFollowsTheDisk()
{
    const NativePath hymnal = NativePath::fromText(m_folder->write(u"hymnal.txt"_s, kHymnal));
    QVERIFY(m_window->setHymnal(hymnal));
    QSignalSpy changed(m_window.get(), &MainWindow::hymnalChanged);
    QSaveFile file(hymnal.toText());
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("100 Alpha Renamed\nWords\n--\n(v1) A line\n") > 0 &&
            file.commit());
    QTRY_COMPARE(changed.count(), 1);
    QCOMPARE(m_window->hymnal()->file().store().head(1), u"100 Alpha Renamed"_s);
    QVERIFY(!part<QWidget>(m_window.get(), "FileChangedBar")->isVisible());
}

void TestKeepLog::addServiceWithKeys()
{
    AddServiceDialog *dialog = openDialog();
    QVERIFY(dialog);
    Form1 *form = m_window->form();
    part<QLineEdit>(form, "hymnmbr")->setText(u"300"_s);
    // Where the keys were in the window before; the added service sends them to the number box.
    part<QLineEdit>(form, "Filter")->setFocus();
    const auto focused = [] { return QApplication::focusWidget(); };
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(focused(), key, modifiers);
    };
    QCOMPARE(focused(), part<QDateEdit>(dialog, "ServiceDate"));
    press(Qt::Key_Tab);
    QCOMPARE(focused(), part<QLineEdit>(dialog, "ServiceOccasion"));
    // Pasted with a line break and a NUL, which arrive as the spaces the box shows and are written so.
    QGuiApplication::clipboard()->setText(u"Advent\r\n3"_s + QChar(u'\0'));
    press(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(part<QLineEdit>(dialog, "ServiceOccasion")->text(), u"Advent 3 "_s);
    press(Qt::Key_Tab);
    QCOMPARE(focused(), rows()->row(0)->numberBox());
    QTest::keyClicks(focused(), u"200"_s);
    press(Qt::Key_Tab);
    QCOMPARE(focused(), rows()->row(0)->titleBox());
    QCOMPARE(rows()->row(0)->titleBox()->text(), u"Beta"_s);
    press(Qt::Key_Tab);
    QTest::keyClicks(focused(), u"300"_s);
    // The line with 300 goes first, and the keys stay in it.
    press(Qt::Key_Up, Qt::AltModifier);
    QCOMPARE(focused(), rows()->row(0)->numberBox());
    for (int i = 0; i < 5; ++i)
        press(Qt::Key_Tab);
    QCOMPARE(focused(), rows()->row(2)->titleBox());
    QTest::keyClicks(focused(), u"Anthem"_s);
    QCOMPARE(rows()->count(), 4);
    // Past the empty last line: the buttons.
    for (int i = 0; i < 3; ++i)
        press(Qt::Key_Tab);
    QCOMPARE(focused(), button("AddRow"));

    // Enter in a line adds the service.
    const int looks = part<FileWatch>(m_window.get(), "LogWatch")->looks();
    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focused(), rows()->row(2)->titleBox());
    press(Qt::Key_Return);
    QTRY_VERIFY(!m_window->addServiceDialog());
    // The window's own keys: the offscreen platform activates no window after a dialog, as a desktop would.
    QCOMPARE(m_window->focusWidget(), part<QLineEdit>(form, "hymnmbr"));

    QCOMPARE(contents(m_log), kLog + "\nDec 13, 2026 Advent 3\n300 Gamma\n200 Beta\nAnthem\n");
    QCOMPARE(contents(m_log + u".bak"_s), kLog);
    QCOMPARE(m_window->statusBar()->currentMessage(),
             u"Service of Dec 13, 2026 added: 2 hymns; the log as it was is kept in log.txt.bak"_s);
    QCOMPARE(part<QLineEdit>(form, "hymnmbr")->text(), u"300"_s);
    form->find();
    QCOMPARE(form->leftRowCount(), 2);

    // The program's own write is no change on disk: once the watch has looked at the file after it, no notice.
    // The replaced file is watched as before.
    const FileWatch *watch = part<FileWatch>(m_window.get(), "LogWatch");
    QTRY_VERIFY(watch->looks() > looks);
    auto *bar = part<QWidget>(m_window.get(), "FileChangedBar");
    QVERIFY(!bar->isVisible());
    m_folder->write(u"log.txt"_s, kLog);
    QTRY_VERIFY(bar->isVisible());
}

void TestKeepLog::refusedWriteLeavesTheFile_data()
{
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("changeFirst");
    QTest::addColumn<QString>("message");

    QTest::newRow("changed since loaded")
        << kLog << u"Beta"_s << 0 << true << u"\"log.txt\" has changed on disk since it was loaded"_s;
    const SystemFiles::SystemError denied = SystemFiles::accessDenied();
    const SystemFiles::SystemError full = SystemFiles::diskFull();
    QTest::newRow("not writable") << kLog << u"Beta"_s << denied.code << false << denied.reason;
    QTest::newRow("disk full") << kLog << u"Beta"_s << full.code << false << full.reason;
    QTest::newRow("not in Windows-1252") << QByteArray("Jan 4, 2026\n100 Caf\xE9\n") << u"Ωmega"_s << 0 << false
                                         << u"The character “Ω” cannot be written in this file's encoding"_s;
}

void TestKeepLog::refusedWriteLeavesTheFile()
{
    QFETCH(QByteArray, log);
    QFETCH(QString, title);
    QFETCH(int, error);
    QFETCH(bool, changeFirst);
    QFETCH(QString, message);
    const QString backup = m_folder->write(u"log.txt.bak"_s, "the last backup");
    AddServiceDialog *dialog = openDialog(log);
    QVERIFY(dialog);
    QTest::keyClicks(rows()->row(0)->numberBox(), u"200"_s);
    rows()->row(0)->titleBox()->setText(title);
    if (changeFirst) {
        log += "\nDec 6, 2026\n100 Alpha\n";
        m_folder->write(u"log.txt"_s, log);
        m_dialogs.confirmAnswers = {false};
    }
    SaveFile::failWritesWith(error);
    QTest::mouseClick(button("AddServiceOk"), Qt::LeftButton);

    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown[0].kind, changeFirst ? u"confirm"_s : u"message"_s);
    QVERIFY2(m_dialogs.shown[0].text.contains(message), qPrintable(m_dialogs.shown[0].text));
    QCOMPARE(contents(m_log), log);
    QCOMPARE(contents(backup), QByteArray("the last backup"));
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    // Nothing typed is lost: the dialog stays for another try.
    QCOMPARE(m_window->addServiceDialog(), dialog);
    QCOMPARE(rows()->row(0)->titleBox()->text(), title);
}

void TestKeepLog::changedFileIsReloadedOnRequest()
{
    AddServiceDialog *dialog = openDialog();
    QVERIFY(dialog);
    part<QLineEdit>(m_window->form(), "hymnmbr")->setText(u"100"_s);
    QTest::keyClicks(rows()->row(0)->numberBox(), u"100"_s);
    const QByteArray changed = kLog + "\nDec 6, 2026\n100 Alpha Three\n";
    m_folder->write(u"log.txt"_s, changed);
    m_dialogs.confirmAnswers = {true};
    QTest::mouseClick(button("AddServiceOk"), Qt::LeftButton);
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(contents(m_log), changed);
    // Reloaded with the criteria kept; the line's note now counts the new service.
    QCOMPARE(part<QLineEdit>(m_window->form(), "hymnmbr")->text(), u"100"_s);
    QVERIFY(rows()->row(0)->marksLabel()->text().startsWith(u"Last sung Dec 6, 2026"_s));
    QTest::mouseClick(button("AddServiceOk"), Qt::LeftButton);
    QTRY_VERIFY(!m_window->addServiceDialog());
    // The log's latest service has no occasion now, so the day's name is no longer offered.
    QCOMPARE(contents(m_log), changed + "\nDec 13, 2026\n100 Alpha Two\n");
    QCOMPARE(contents(m_log + u".bak"_s), changed);
}

void TestKeepLog::writeCutShortIsMended_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<bool>("putBack");
    QTest::newRow("the backup put back") << QByteArray("FileChangedRestore") << true;
    QTest::newRow("the log kept as it is") << QByteArray("FileChangedKeep") << false;
}

void TestKeepLog::writeCutShortIsMended()
{
    // As a write in place killed once the log was grown leaves it: the old bytes, zeros after, and the mark.
    QFETCH(QByteArray, button);
    QFETCH(bool, putBack);
    const QByteArray cut = kLog + QByteArray(36, '\0');
    m_folder->write(u"log.txt"_s, cut);
    m_folder->write(u"log.txt.bak"_s, kLog);
    m_folder->write(u".log.txt.cantorix-unfinished"_s,
                    "backup: " + NativePath::fromText(u"log.txt.bak"_s).units().toHex() +
                        "\nsize: " + QByteArray::number(kLog.size()) +
                        "\nsha256: " + QCryptographicHash::hash(kLog, QCryptographicHash::Sha256).toHex() + '\n');
    QVERIFY(m_window->openFile(NativePath::fromText(m_log)));
    auto *bar = part<QWidget>(m_window.get(), "FileChangedBar");
    QVERIFY(bar->isVisible());
    QCOMPARE(part<QLabel>(bar, "FileChangedText")->text(),
             u"The last write of log.txt was cut short: the log may hold part of a service. log.txt.bak holds it as "
             "it was."_s);
    QVERIFY(m_window->statusBar()->currentMessage().startsWith(u"log.txt holds 36 NUL characters, which"_s));

    m_dialogs.confirmAnswers = {true};
    QTest::mouseClick(part<QPushButton>(bar, button.constData()), Qt::LeftButton);
    QVERIFY(!bar->isVisible());
    QVERIFY(!QFile::exists(m_folder->filePath(u".log.txt.cantorix-unfinished"_s)));
    QCOMPARE(contents(m_log), putBack ? kLog : cut);
    if (putBack) {
        QCOMPARE(m_dialogs.shown.size(), 1);
        QVERIFY(m_dialogs.shown[0].text.contains(u"The log holds 36 NUL bytes that the backup does not."_s));
        QCOMPARE(contents(m_log + u".1.bak"_s), cut);
        QVERIFY(m_window->statusBar()->currentMessage().startsWith(u"\"log.txt.bak\" put back in place of"_s));
    }
}

void TestKeepLog::ownBackupIsReplacedAcrossRuns()
{
    // The backup the program made is its own from then on, in this run and the next; the user's is never touched.
    m_folder->write(u"log.txt.bak"_s, "the user's own backup");
    QByteArray log = kLog;
    for (const QString &number : {u"100"_s, u"200"_s, u"300"_s}) {
        AddServiceDialog *dialog = openDialog(log);
        QVERIFY(dialog);
        QTest::keyClicks(rows()->row(0)->numberBox(), number);
        QTest::mouseClick(button("AddServiceOk"), Qt::LeftButton);
        QTRY_VERIFY(!m_window->addServiceDialog());
        QCOMPARE(contents(m_log + u".1.bak"_s), log);
        log = contents(m_log);
        m_window = std::make_unique<MainWindow>(&m_dialogs);
        m_window->show();
    }
    QCOMPARE(contents(m_log + u".bak"_s), QByteArray("the user's own backup"));
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

void TestKeepLog::marksAndTitles_data()
{
    // What is typed goes into the number box, or into the title box ("|" being the Home key there), or is pasted
    // into the title box.
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("weeks");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<QString>("written"); // the line's number as the dialog hands it over

    const QString number = u"number"_s, title = u"title"_s;
    const QString alphaMarks = u"Last sung Nov 1, 2026 · 2 times in 12 months"_s;
    const QString betaMarks = u"Last sung Nov 29, 2026 · within 4 weeks · 2 times in 12 months"_s;
    QTest::newRow("hymnal's title wins") << number << u"100"_s << 4 << u"Alpha Hymnal"_s << alphaMarks << u"100"_s;
    QTest::newRow("within the weeks") << number << u"200"_s << 4 << u"Beta"_s << betaMarks << u"200"_s;
    QTest::newRow("more weeks") << number << u"100"_s << 7 << u"Alpha Hymnal"_s
                                << u"Last sung Nov 1, 2026 · within 7 weeks · 2 times in 12 months"_s << u"100"_s;
    QTest::newRow("log's title, once") << number << u"0300"_s << 4 << u"Gamma"_s
                                       << u"Last sung Nov 1, 2026 · once in 12 months"_s << u"300"_s;
    QTest::newRow("years ago") << number << u"500"_s << 4 << u"Delta"_s
                               << u"Last sung Mar 3, 2024 · none in 12 months"_s << u"500"_s;
    QTest::newRow("hymnal only") << number << u"#600"_s << 4 << u"Epsilon"_s << u"Not in the log"_s << u"600"_s;
    QTest::newRow("nowhere") << number << u"999"_s << 4 << QString() << u"Not in the log"_s << u"999"_s;
    // The number goes to its box as soon as a title follows it; the keys stay where they were in the title.
    QTest::newRow("number typed before a title") << title << u"ta|200 Be"_s << 4 << u"Beta"_s << betaMarks << u"200"_s;
    // The user's title stays, not the hymnal's; the line break pasted is a space.
    QTest::newRow("whole line pasted") << u"paste"_s << u"#100 Alpha\nTwo"_s << 4 << u"Alpha Two"_s << alphaMarks
                                       << u"100"_s;
    // A space ends the number: the keys go on in the title box, the title offered selected to be typed over.
    QTest::newRow("whole line typed in the number box")
        << number << u"200 Beta Two"_s << 4 << u"Beta Two"_s << betaMarks << u"200"_s;
}

void TestKeepLog::marksAndTitles()
{
    QFETCH(QString, box);
    QFETCH(QString, number);
    QFETCH(int, weeks);
    QFETCH(QString, title);
    QFETCH(QString, marks);
    QVERIFY(m_window->setHymnal(NativePath::fromText(m_folder->write(u"hymnal.txt"_s, kHymnal))));
    AddServiceDialog *dialog = openDialog();
    QVERIFY(dialog);
    part<QSpinBox>(dialog, "RecentWeeks")->setValue(weeks);
    HymnRow *row = rows()->row(0);
    if (box == u"number"_s) {
        // Key by key wherever the keys are, as a person types.
        row->numberBox()->setFocus();
        for (const QChar key : number)
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    } else if (box == u"title"_s) {
        QTest::keyClicks(row->titleBox(), number.section(u'|', 0, 0));
        QTest::keyClick(row->titleBox(), Qt::Key_Home);
        QTest::keyClicks(row->titleBox(), number.section(u'|', 1));
    } else {
        QGuiApplication::clipboard()->setText(number);
        QTest::keyClick(row->titleBox(), Qt::Key_V, Qt::ControlModifier);
    }
    QCOMPARE(row->titleBox()->text(), title);
    QCOMPARE(row->marksLabel()->text(), marks);
    QCOMPARE(row->marksLabel()->font().bold(), marks.contains(u"within"));
    QTEST(rows()->lines().at(0).number, "written");
    // The number of weeks is kept for the next time.
    dialog->reject();
    action(*m_window, "actAddService")->trigger();
    QCOMPARE(part<QSpinBox>(m_window->addServiceDialog(), "RecentWeeks")->value(), weeks);
}

void TestKeepLog::rowsMoveAndFit()
{
    AddServiceDialog *dialog = openDialog();
    QVERIFY(dialog);
    m_window->openAddService({{u"100"_s, u"Alpha"_s}, {u"200"_s, u"Beta"_s}, {QString(), u"Anthem"_s}});
    m_window->openAddService({{u"300"_s, u"Gamma"_s}});
    const auto order = [this] {
        QStringList texts;
        for (const Logbook::ServiceLine &line : rows()->lines())
            texts.append(line.text);
        return texts.join(u',');
    };
    QCOMPARE(order(), u"Alpha,Beta,Anthem,Gamma"_s);
    QVERIFY(rows()->row(3)->marksLabel()->text().startsWith(u"Last sung"_s));

    // Dragged by its grip from the last line to above the first.
    dialog->resize(AddServiceDialog::SmallestSize);
    const QSize least = dialog->minimumSizeHint();
    QVERIFY2(least.width() <= 640 && least.height() <= 480,
             qPrintable(u"%1 x %2"_s.arg(least.width()).arg(least.height())));
    QLabel *grip = rows()->row(3)->grip();
    QTest::mousePress(grip, Qt::LeftButton, {}, grip->rect().center());
    const QPoint top = grip->mapFromGlobal(rows()->row(0)->mapToGlobal(QPoint(5, 2)));
    QTest::mouseMove(grip, top);
    QTest::mouseRelease(grip, Qt::LeftButton, {}, top);
    QCOMPARE(order(), u"Gamma,Alpha,Beta,Anthem"_s);

    // The buttons act on the line last focused; the keys go back to it.
    rows()->row(1)->titleBox()->setFocus();
    QTest::mouseClick(button("MoveDown"), Qt::LeftButton);
    QCOMPARE(order(), u"Gamma,Beta,Alpha,Anthem"_s);
    QTest::mouseClick(button("RemoveRow"), Qt::LeftButton);
    QCOMPARE(order(), u"Gamma,Beta,Anthem"_s);
    QTest::mouseClick(button("AddRow"), Qt::LeftButton);
    QCOMPARE(rows()->count(), 5);
    QVERIFY(rows()->row(3)->isBlank() && rows()->row(3)->numberBox()->hasFocus());

    // At its smallest every command is on the dialog.
    for (const char *name : {"ServiceDate", "ServiceDay", "ServiceOccasion", "AddRow", "RemoveRow", "MoveUp",
                             "MoveDown", "ServiceSuggest", "RecentWeeks", "AddServiceOk", "AddServiceCancel"}) {
        auto *widget = part<QWidget>(dialog, name);
        QVERIFY2(widget->isVisible() &&
                     dialog->rect().contains(QRect(widget->mapTo(dialog, QPoint(0, 0)), widget->size())),
                 name);
    }
    QTest::keyClick(rows()->row(0)->numberBox(), Qt::Key_Escape);
    QTRY_VERIFY(!m_window->addServiceDialog());
    QCOMPARE(contents(m_log), kLog);
}

void TestKeepLog::discardAsks_data()
{
    QTest::addColumn<QString>("typed"); // in the first line's title box
    QTest::addColumn<QString>("how");
    QTest::addColumn<QList<bool>>("answers"); // the questions asked and answered, OK being true
    QTest::newRow("untouched, Escape") << QString() << u"Escape"_s << QList<bool>{};
    QTest::newRow("typed, Escape, kept") << u"Anthem"_s << u"Escape"_s << QList<bool>{false};
    QTest::newRow("typed, Cancel, discarded") << u"Anthem"_s << u"Cancel"_s << QList<bool>{true};
    QTest::newRow("typed, window closed, kept") << u"Anthem"_s << u"close"_s << QList<bool>{false};
}

void TestKeepLog::discardAsks()
{
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QFETCH(QList<bool>, answers);
    AddServiceDialog *dialog = openDialog();
    QVERIFY(dialog);
    QTest::keyClicks(rows()->row(0)->titleBox(), typed);
    m_dialogs.confirmAnswers = answers;
    if (how == u"Escape"_s)
        QTest::keyClick(rows()->row(0)->titleBox(), Qt::Key_Escape);
    else if (how == u"Cancel"_s)
        QTest::mouseClick(button("AddServiceCancel"), Qt::LeftButton);
    else
        dialog->close();
    QCOMPARE(m_dialogs.shown.size(), answers.size());
    const bool kept = !answers.isEmpty() && !answers.first();
    if (kept) {
        QVERIFY(dialog->isVisible());
        QCOMPARE(rows()->row(0)->titleBox()->text(), typed);
    } else {
        QTRY_VERIFY(!m_window->addServiceDialog());
    }
    QCOMPARE(contents(m_log), kLog);
}

void TestKeepLog::suggestionsGoToTheDialog()
{
    // Hymns chosen in Suggest Hymns open Add Service with them, and join the lines of one already open.
    QVERIFY(m_window->openFile(NativePath::fromText(m_log)));
    QVERIFY(m_window->setHymnal(NativePath::fromText(m_folder->write(u"hymnal.txt"_s, kHymnal))));
    action(*m_window, "actSuggest")->trigger();
    auto *suggest = m_window->findChild<SuggestWindow *>();
    QVERIFY(suggest);
    Q_EMIT suggest->addToService({{u"600"_s, u"Epsilon"_s}});
    AddServiceDialog *dialog = m_window->addServiceDialog();
    QVERIFY(dialog);
    QTRY_VERIFY(dialog->isVisible());
    Q_EMIT suggest->addToService({{u"100"_s, u"Alpha Hymnal"_s}});
    QCOMPARE(m_window->addServiceDialog(), dialog);
    QStringList numbers;
    for (const Logbook::ServiceLine &line : rows()->lines())
        numbers << line.number + u' ' + line.text;
    QCOMPARE(numbers, QStringList({u"600 Epsilon"_s, u"100 Alpha Hymnal"_s}));
}

void TestKeepLog::dayOffered_data()
{
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<QStringList>("settings"); // the View > Church Year actions chosen
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("occasion"); // offered, and selected
    QTest::addColumn<QByteArray>("head");  // as written

    // kLog's latest service names its occasion; this one names none, though an earlier one does.
    const QByteArray datesOnly = QByteArray(kLog).replace(" Advent 1", "") + "\nOct 4, 2026 Harvest\n100 Alpha\n";
    const QString advent3 = u"Advent 3 · Year B"_s;
    QTest::newRow("log with occasions") << kLog << QStringList{} << kPlanned << advent3 << u"Advent 3"_s
                                        << QByteArray("Dec 13, 2026 Advent 3");
    QTest::newRow("log of dates alone") << datesOnly << QStringList{} << kPlanned << advent3 << QString()
                                        << QByteArray("Dec 13, 2026");
    QTest::newRow("dates alone, names always") << datesOnly << QStringList{u"actNamesAlways"_s} << kPlanned << advent3
                                               << u"Advent 3"_s << QByteArray("Dec 13, 2026 Advent 3");
    QTest::newRow("Ordinary Time style") << kLog << QStringList{u"actNamingOrdinaryTime"_s} << QDate(2026, 9, 6)
                                         << u"Ordinary Time 23 · Year A"_s << u"Ordinary Time 23"_s
                                         << QByteArray("Sep 6, 2026 Ordinary Time 23");
    QTest::newRow("back to Propers") << kLog << QStringList{u"actNamingPentecost"_s, u"actNamingProper"_s}
                                     << QDate(2026, 9, 6) << u"Proper 18 · Year A"_s << u"Proper 18"_s
                                     << QByteArray("Sep 6, 2026 Proper 18");
    QTest::newRow("Trinity style") << kLog << QStringList{u"actNamingTrinity"_s} << QDate(2026, 9, 6)
                                   << u"Trinity 14 · Year A"_s << u"Trinity 14"_s
                                   << QByteArray("Sep 6, 2026 Trinity 14");
    QTest::newRow("Roman Rite, Ascension on Sunday")
        << kLog << QStringList{u"actNamingRoman"_s, u"actRomanAscensionSunday"_s} << QDate(2026, 5, 17)
        << u"The Ascension of the Lord · Year A"_s << u"The Ascension of the Lord"_s
        << QByteArray("May 17, 2026 The Ascension of the Lord");
    QTest::newRow("before the Gregorian calendar")
        << kLog << QStringList{} << QDate(1500, 6, 3) << u"Not named: before the Gregorian church year (Advent 1582)"_s
        << QString() << QByteArray("Jun 3, 1500");
}

void TestKeepLog::dayOffered()
{
    QFETCH(QByteArray, log);
    QFETCH(QStringList, settings);
    QFETCH(QDate, date);
    for (const QString &name : settings)
        m_window->findChild<QAction *>(name)->trigger();
    // Kept for the next run.
    m_window = std::make_unique<MainWindow>(&m_dialogs);
    m_window->show();
    AddServiceDialog *dialog = openDialog(log);
    QVERIFY(dialog);
    part<QDateEdit>(dialog, "ServiceDate")->setDate(date);
    QTEST(part<QLabel>(dialog, "ServiceDay")->text(), "day");
    auto *occasion = part<QLineEdit>(dialog, "ServiceOccasion");
    QTEST(occasion->text(), "occasion");
    QCOMPARE(occasion->selectedText(), occasion->text());
    // Suggestions need a hymnal, which none of these has.
    QVERIFY(!button("ServiceSuggest")->isEnabled());
    QTest::keyClicks(rows()->row(0)->numberBox(), u"300"_s);
    QTest::mouseClick(button("AddServiceOk"), Qt::LeftButton);
    QTRY_VERIFY(!m_window->addServiceDialog());
    QFETCH(QByteArray, head);
    // A service earlier than every other goes first.
    const QByteArray written = contents(m_log);
    QVERIFY2(written.contains("\n\n" + head + "\n300 Gamma\n") || written.startsWith(head + "\n300 Gamma\n"),
             written.constData());
}

void TestKeepLog::occasionFollowsTheDate()
{
    AddServiceDialog *dialog = openDialog();
    QVERIFY(dialog);
    auto *date = part<QDateEdit>(dialog, "ServiceDate");
    auto *occasion = part<QLineEdit>(dialog, "ServiceOccasion");
    date->setDate(QDate(2026, 12, 24));
    QCOMPARE(occasion->text(), u"Christmas Eve"_s);
    // Typing replaces the name offered, and what was typed stays when the date changes.
    QTest::keyClicks(occasion, u"Carols"_s);
    date->setDate(QDate(2026, 12, 27));
    QCOMPARE(occasion->text(), u"Carols"_s);
    // Cleared, it stays clear: the head line has no occasion.
    occasion->selectAll();
    QTest::keyClick(occasion, Qt::Key_Backspace);
    date->setDate(kPlanned);
    QCOMPARE(occasion->text(), QString());
    QTest::keyClicks(rows()->row(0)->numberBox(), u"300"_s);
    QTest::mouseClick(button("AddServiceOk"), Qt::LeftButton);
    QTRY_VERIFY(!m_window->addServiceDialog());
    QCOMPARE(contents(m_log), kLog + "\nDec 13, 2026\n300 Gamma\n");
}

QTEST_MAIN(TestKeepLog)
#include "tst_gui_keeplog.moc"
