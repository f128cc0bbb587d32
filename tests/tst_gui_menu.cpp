// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar over the window: each action runs its command and is offered only when that command can run,
// files are opened from anywhere (also names the file list would not show), the title names the file open, and the
// recent files and the window's place survive a restart; Help > User Guide shows the guide with its pictures.
#include "mainwindowfixture.h"
#include "scripteddialogs.h"
#include "systemfiles.h"
#include "testfiles.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QAction>
#include <QCalendarWidget>
#include <QClipboard>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include "app/form/form1.h"
#include "app/help/userguide.h"
#include "app/mainwindow/filechangedbar.h"
#include "app/mainwindow/mainwindow.h"
#include "app/pickers/dirlist.h"
#include "app/pickers/filelist.h"
#include "app/widgets/datebox.h"
#include "app/widgets/valuelabel.h"
#include "installinfo.h"
#include "language/language.h"
#include "panes/helptext.h"
#include "platform/nativefile.h"
#include "version.h"
#include "workspace/hymnal.h"
#include "workspace/loadedfile.h"
#include "workspace/recentfiles.h"

using namespace Qt::StringLiterals;

namespace {

template <typename T> T *control(const MainWindow &window, const char *name)
{
    return window.form()->findChild<T *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

// Which of Find, Tally, Copy Left and Copy Right are enabled, as one string ("FT--").
QString enabledActions(const MainWindow &window)
{
    QString marks;
    for (const auto &[name, mark] :
         {std::pair{"actFind", u'F'}, {"actTally", u'T'}, {"actCopyLeft", u'L'}, {"actCopyRight", u'R'}})
        marks += action(window, name)->isEnabled() ? QChar(mark) : u'-';
    return marks;
}

// The paths the recent-files menu offers, in order.
QList<QByteArray> offered(const MainWindow &window)
{
    QList<QByteArray> paths;
    for (const QAction *each : action(window, "actOpenRecent")->menu()->actions())
        paths.append(each->data().toByteArray());
    return paths;
}

// What a text document loaded for a picture, as an image: a null one when nothing loaded.
QImage pictureOf(const QVariant &resource)
{
    if (resource.typeId() == QMetaType::QPixmap)
        return resource.value<QPixmap>().toImage();
    if (resource.typeId() == QMetaType::QByteArray)
        return QImage::fromData(resource.toByteArray());
    return resource.value<QImage>();
}

} // namespace

class TestMenu : public QObject, protected MainWindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void actionsRunTheirCommands();
    void userGuideShowsTheGuide();
    void everyLanguageSpoken_data();
    void everyLanguageSpoken();
    void enabledStates();
    void openFileOutsideTheList();
    void openThroughTheChooser();
    void titleNamesTheFile_data();
    void titleNamesTheFile();
    void placeKeptBetweenRuns();
    void recentFiles();
    void storedListRead_data();
    void storedListRead();
    void missingRecentFile();
    void hymnalKeptBetweenRuns();
};

void TestMenu::initTestCase()
{
    QVERIFY(setUpProgram(u"MenuTest"_s, Locale::System));
}

void TestMenu::init()
{
    QVERIFY(setUpFolder(true));
    m_folder->write(u"ServiceLog.txt"_s, sample("ServiceLog.txt"));
    m_folder->write(u"Hymnal.txt"_s, sample("Hymnal.txt"));
}

void TestMenu::actionsRunTheirCommands()
{
    MainWindow window(&m_dialogs);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.objectName(), u"MainWindow"_s);
    QCOMPARE(window.windowTitle(), u"Cantorix2"_s);
    const QList<std::pair<const char *, QKeySequence>> keys = {
        {"actOpen", QKeySequence(u"Ctrl+O"_s)}, {"actQuit", QKeySequence(u"Ctrl+Q"_s)},
        {"actFind", QKeySequence(u"F3"_s)},     {"actTally", QKeySequence(u"Ctrl+T"_s)},
        {"actBold", QKeySequence(u"Ctrl+B"_s)}, {"actFocusNumber", QKeySequence(u"Ctrl+L"_s)},
        {"actHelp", QKeySequence(u"F1"_s)}};
    for (const auto &[name, key] : keys)
        QVERIFY2(action(window, name) && action(window, name)->shortcut() == key, name);

    QVERIFY(window.openFile(NativePath::fromText(m_folder->filePath(u"ServiceLog.txt"_s))));
    auto *hymnmbr = control<QLineEdit>(window, "hymnmbr");
    hymnmbr->setText(u"378"_s);
    action(window, "actFind")->trigger();
    const int found = window.form()->leftRowCount();
    QVERIFY(found > 0);
    QCOMPARE(window.form()->rightRowCount(), found);

    QGuiApplication::clipboard()->clear();
    action(window, "actCopyRight")->trigger();
    QVERIFY(QGuiApplication::clipboard()->text().contains(u"378"_s));
    QGuiApplication::clipboard()->clear();
    action(window, "actCopyLeft")->trigger();
    QVERIFY(!QGuiApplication::clipboard()->text().isEmpty());
    QCOMPARE(m_dialogs.messages().size(), 2);
    QVERIFY(m_dialogs.messages().last().text.contains(QString::number(found)));

    action(window, "actTally")->trigger();
    QCOMPARE(window.form()->tallyShown(), qint16(1));

    action(window, "actClear")->trigger();
    QVERIFY(hymnmbr->text().isEmpty());

    hymnmbr->setText(u"12"_s);
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    action(window, "actFocusNumber")->trigger();
    QVERIFY(hymnmbr->hasFocus());
    QCOMPARE(hymnmbr->selectedText(), u"12"_s);

    const bool wasBold = control<QListView>(window, "List1")->font().bold();
    action(window, "actBold")->trigger();
    QCOMPARE(control<QListView>(window, "List1")->font().bold(), !wasBold);

    m_dialogs.reset();
    action(window, "actHelp")->trigger();
    action(window, "actAbout")->trigger();
    QCOMPARE(m_dialogs.messages().size(), 2);
    QCOMPARE(m_dialogs.messages().at(0).title, Panes::HelpTitle());
    const QString about = m_dialogs.messages().at(1).text;
    QVERIFY(about.contains(QString::fromUtf16(CantorixVersion)));
    QVERIFY(about.contains(u"Licensed under the GNU General Public License, version 3 or later."_s));
    QVERIFY(about.contains(u"Homepage: "_s + QString::fromUtf16(CantorixHomepage)));
    QVERIFY(about.contains(u"Sample files: "_s + MainWindow::samplesFolder()));
    QVERIFY(about.contains(u"by the "_s + QString::fromUtf16(CantorixPublisher)));
}

// Each language's catalogue and Qt's own are in the program (embedded on Windows, where no system folder holds
// them): the menus, Qt's buttons and the date boxes' calendars speak it.
void TestMenu::everyLanguageSpoken_data()
{
    QTest::addColumn<QString>("code");
    for (const Language::Offered &language : Language::offered()) {
        if (language.code != u"en"_s)
            QTest::newRow(qPrintable(language.code)) << language.code;
    }
}

void TestMenu::everyLanguageSpoken()
{
    QFETCH(QString, code);
    Language::install(code);
    const auto speakEnglishAfter = qScopeGuard([] { Language::install(u"en"_s); });
    MainWindow window(&m_dialogs);
    const QString file = window.menuBar()->actions().constFirst()->text();
    QVERIFY2(file != u"&File"_s && file == QCoreApplication::translate("MainWindow", "&File"), qPrintable(file));
    const QString cancel = QDialogButtonBox(QDialogButtonBox::Cancel).button(QDialogButtonBox::Cancel)->text();
    QVERIFY2(cancel != u"Cancel"_s && cancel != u"&Cancel"_s, qPrintable(cancel));
    QDateEdit box;
    box.setCalendarPopup(true);
    DateBox::speakLanguage(&box);
    QCOMPARE(box.calendarWidget()->locale().language(), QLocale(code).language());
}

void TestMenu::userGuideShowsTheGuide()
{
    MainWindow window(&m_dialogs);
    window.show();
    QAction *open = action(window, "actUserGuide");
    QVERIFY(open);
    open->trigger();
    auto *guide = window.findChild<UserGuide *>(u"UserGuide"_s);
    QVERIFY(guide);
    QVERIFY(QTest::qWaitForWindowExposed(guide));
    const QTextDocument *page = guide->document();
    QCOMPARE(page->begin().blockFormat().headingLevel(), 1);
    QVERIFY2(page->begin().text().startsWith(u"Cantorix2 User Guide"_s), qPrintable(page->begin().text()));
    // Each picture from the program's own resources: one left out of them would be drawn as an empty box. The
    // pictures are fitted to the window, and the text after them must still be laid out, or it is not drawn.
    QStringList pictures;
    for (QTextBlock block = page->begin(); block.isValid(); block = block.next()) {
        QVERIFY2(page->documentLayout()->blockBoundingRect(block).height() > 0, qPrintable(block.text()));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QString name = format.toImageFormat().name();
            QVERIFY2(!pictureOf(page->resource(QTextDocument::ImageResource, QUrl(name))).isNull(), qPrintable(name));
            pictures.append(name);
        }
    }
    QVERIFY(pictures.contains(u"report.png"_s));
    QCOMPARE(guide->horizontalScrollBar()->maximum(), 0);
    // Asked for again, the one window comes back; F1's help is the design's message (actionsRunTheirCommands).
    guide->close();
    open->trigger();
    QVERIFY(guide->isVisible());
    QCOMPARE(window.findChildren<UserGuide *>().size(), 1);
    QVERIFY(m_dialogs.messages().isEmpty());
}

void TestMenu::enabledStates()
{
    MainWindow window(&m_dialogs);
    QCOMPARE(enabledActions(window), u"----"_s);
    window.openFile(NativePath::fromText(m_folder->filePath(u"ServiceLog.txt"_s)));
    QCOMPARE(enabledActions(window), u"FT--"_s);
    control<QLineEdit>(window, "hymnmbr")->setText(u"378"_s);
    action(window, "actFind")->trigger();
    QCOMPARE(enabledActions(window), u"FTLR"_s);
    // A search that finds nothing empties both lists, and the copies go with them.
    control<QLineEdit>(window, "hymnmbr")->setText(u"99999"_s);
    action(window, "actFind")->trigger();
    QCOMPARE(enabledActions(window), u"FT--"_s);
    // Loading through the file list's own button updates the menu as well.
    auto *files = control<FileList>(window, "File1");
    files->choose(NativePath::fromText(u"Hymnal.txt"_s));
    window.form()->loadChosenFile();
    QVERIFY(window.form()->store().isVerseFile());
    QCOMPARE(enabledActions(window), u"F---"_s);
    QCOMPARE(RecentFiles().load().value(0), files->nativePath().child(u"Hymnal.txt"_s));

    // The Roman Rite's options only while its style is chosen.
    const auto romanOptions = [&window] {
        QString marks;
        for (const char *name : {"actRomanEpiphanySunday", "actRomanAscensionSunday", "actRomanCorpusChristiSunday"})
            marks += action(window, name)->isEnabled() ? u'+' : u'-';
        return marks;
    };
    QCOMPARE(romanOptions(), u"---"_s);
    action(window, "actNamingRoman")->trigger();
    QCOMPARE(romanOptions(), u"+++"_s);
    action(window, "actNamingTrinity")->trigger();
    QCOMPARE(romanOptions(), u"---"_s);
}

void TestMenu::openFileOutsideTheList()
{
    TestFolder other;
    QVERIFY(QDir(other.path()).mkdir(u"logs"_s));
    const QString path = other.filePath(u"logs/services.log"_s);
    other.write(u"logs/services.log"_s, sample("ServiceLog.txt"));
    other.write(u"logs/listed.txt"_s, "Jan 3, 2021\n1 A\n");

    const QString startedIn = QDir::currentPath();
    MainWindow window(&m_dialogs);
    QVERIFY(window.form()->openFile(NativePath::fromText(path)));
    QVERIFY(m_dialogs.messages().isEmpty());
    QVERIFY(window.form()->store().entryCount() > 0);
    QCOMPARE(control<QLabel>(window, "ShowFile")->text(), u"services.log"_s);
    const QString folder = QFileInfo(other.filePath(u"logs"_s)).canonicalFilePath();
    // The window shows the file's folder; the process's own current folder stays where it was.
    QCOMPARE(control<DirList>(window, "Dir1")->path(), folder);
    QCOMPARE(QDir::currentPath(), startedIn);
    auto *files = control<FileList>(window, "File1");
    QCOMPARE(files->path(), folder);
    QCOMPARE(files->count(), 1);
    QVERIFY(files->fileName().isEmpty());
    QVERIFY(!control<QLabel>(window, "ShowDate")->text().isEmpty());

    // A file the list shows is chosen in it, as if it had been clicked.
    QVERIFY(window.form()->openFile(NativePath::fromText(other.filePath(u"logs/listed.txt"_s))));
    QCOMPARE(files->fileName(), u"listed.txt"_s);

    // A file that is not there gets the usual message, and is remembered all the same.
    QVERIFY(!window.form()->openFile(NativePath::fromText(other.filePath(u"logs/gone.txt"_s))));
    QCOMPARE(m_dialogs.messages().size(), 1);
    QCOMPARE(m_dialogs.messages().first().title, u"File Error"_s);
    QCOMPARE(RecentFiles().load().value(0), NativePath::fromText(other.filePath(u"logs/gone.txt"_s)));
}

void TestMenu::openThroughTheChooser()
{
    MainWindow window(&m_dialogs);
    QString answer;
    QString startedIn;
    window.setFileChooser([&](QWidget *, const QString &, const QString &start) {
        startedIn = start;
        return answer;
    });
    action(window, "actOpen")->trigger();
    QCOMPARE(startedIn, QDir::currentPath());
    QCOMPARE(window.form()->store().entryCount(), 0);
    QVERIFY(RecentFiles().load().isEmpty());

    answer = m_folder->filePath(u"Hymnal.txt"_s);
    action(window, "actOpen")->trigger();
    QVERIFY(window.form()->store().isVerseFile());
    QCOMPARE(RecentFiles().load(), QList<NativePath>{NativePath::fromText(answer)});
}

void TestMenu::titleNamesTheFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << u"ServiceLog.txt"_s;
    QTest::newRow("longer than its label") << QString(u"Services of the parish church, "_s.repeated(5) + u"end.txt"_s);
    QTest::newRow("markup and Qt's mark") << u"<b>Lent & Easter<b> [*].txt"_s;
}

void TestMenu::titleNamesTheFile()
{
    QFETCH(QString, name);
    const QString path = m_folder->write(name, sample("ServiceLog.txt"));
    if (!QFileInfo::exists(path))
        QSKIP("Windows names cannot hold < > or *");
    MainWindow window(&m_dialogs);
    QVERIFY(window.openFile(NativePath::fromText(path)));
    // As the window manager and a screen reader show it.
    QCOMPARE(QAccessible::queryAccessibleInterface(&window)->text(QAccessible::Name), name + u" \u2014 Cantorix2"_s);

    auto *shown = control<ValueLabel>(window, "ShowFile");
    QCOMPARE(shown->text(), name);
    const QString drawn = shown->shownText();
    QVERIFY(shown->fontMetrics().horizontalAdvance(drawn) <= shown->contentsRect().width());
    if (drawn != name) {
        // Cut in the middle: both ends of the name stay in view.
        QVERIFY(drawn.contains(QChar(0x2026)));
        QVERIFY(name.startsWith(drawn.section(QChar(0x2026), 0, 0)));
        QVERIFY(name.endsWith(drawn.section(QChar(0x2026), 1)));
    }
    QTextDocument tip;
    tip.setHtml(shown->toolTip());
    QCOMPARE(tip.toPlainText(), NativePath::fromText(path).display());

    // A file that cannot be read leaves nothing open to name.
    QVERIFY(!window.openFile(NativePath::fromText(m_folder->filePath(u"gone.txt"_s))));
    QCOMPARE(window.windowTitle(), u"Cantorix2"_s);
}

void TestMenu::placeKeptBetweenRuns()
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QRect place;
    {
        MainWindow window(&m_dialogs);
        window.show();
        window.setGeometry(screen.x() + 40, screen.y() + 30, 700, 560);
        place = window.geometry();
        window.close();
    }
    MainWindow again(&m_dialogs);
    again.show();
    QCOMPARE(again.geometry(), place);
    // Left on a monitor that is no longer there: brought back onto the screen.
    again.move(screen.right() + 3000, screen.bottom() + 3000);
    again.close();
    MainWindow back(&m_dialogs);
    back.show();
    QVERIFY(back.frameGeometry().intersects(screen));
    QCOMPARE(back.size(), place.size());

    // The status bar and the changed-on-disk notice grow a window at its least height; the next start, which shows
    // neither, is at the design's height, not at the one they needed.
    back.resize(back.width(), back.minimumSizeHint().height());
    const QSize design = back.size();
    back.statusBar()->showMessage(u"Hymnal set"_s);
    back.findChild<FileChangedBar *>()->showChanged(u"log.txt"_s);
    QTRY_VERIFY(back.height() > design.height());
    back.close();
    MainWindow fresh(&m_dialogs);
    fresh.show();
    QCOMPARE(fresh.size(), design);
}

void TestMenu::recentFiles()
{
    QList<NativePath> written;
    for (int i = 0; i < 10; ++i)
        written.append(NativePath::fromText(m_folder->write(u"log%1.txt"_s.arg(i), "Jan 3, 2021\n1 A\n")));
    // A name the system's text encoding may not hold: Latin-1 bytes on POSIX, which are not UTF-8 (written by its
    // bytes: QFile would name it through a decoding that changes them), Greek outside Windows' ANSI code page. Its
    // units must come back as they went in.
    NativePath odd;
    QString oddShown;
    if (SystemFiles::hasByteNames()) {
        const QByteArray latin1 = QFile::encodeName(m_folder->path()) + "/caf\xe9.txt";
        QVERIFY(SystemFiles::writeFile(latin1, sample("Hymnal.txt")));
        odd = NativePath::fromUnits(latin1);
        oddShown = u"caf\uFFFD.txt"_s;
    } else {
        oddShown = u"ύμνοι.txt"_s;
        odd = NativePath::fromText(m_folder->write(oddShown, sample("Hymnal.txt")));
    }
    {
        MainWindow window(&m_dialogs);
        for (const NativePath &path : written)
            window.openFile(path);
        window.openFile(written.at(5)); // again: it moves up, and is not listed twice
        window.openFile(odd);
    }
    const QList<NativePath> expected = {odd,           written.at(5), written.at(9), written.at(8),
                                        written.at(7), written.at(6), written.at(4), written.at(3)};
    QCOMPARE(RecentFiles().load(), expected);

    // A new window offers them in that order and opens the one chosen.
    MainWindow window(&m_dialogs);
    QMenu *recent = action(window, "actOpenRecent")->menu();
    QVERIFY(recent);
    QCOMPARE(recent->actions().size(), 8);
    recent->actions().at(0)->trigger();
    QVERIFY(window.form()->store().isVerseFile());
    QCOMPARE(control<QLabel>(window, "ShowFile")->text(), oddShown);
    recent->actions().at(7)->trigger();
    QCOMPARE(control<QLabel>(window, "ShowFile")->text(), u"log3.txt"_s);
    QCOMPARE(RecentFiles().load().value(0), written.at(3));
}

// The list as the settings file holds it, edited by hand: a count that is no count of entries, entries that name no
// file.
void TestMenu::storedListRead_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QList<QByteArray>>("stored");
    QTest::addColumn<QList<QByteArray>>("offered");

    // The longest path the system takes, in the settings file's form: a byte for each unit on POSIX, a UTF-8 letter
    // for each two-byte unit on Windows.
    const qsizetype unitBytes = NativePath::fromStoredForm("a").units().size();
    const QByteArray longest = '/' + QByteArray(NativeFile::maxPathBytes() / unitBytes - 1, 'a');
    QTest::newRow("huge count, no entries") << 2000000000 << QList<QByteArray>{} << QList<QByteArray>{};
    QTest::newRow("huge count, two entries")
        << 2000000000 << QList<QByteArray>{"/a.txt", "/b.txt"} << QList<QByteArray>{"/a.txt", "/b.txt"};
    QTest::newRow("NUL byte") << 2 << QList<QByteArray>{QByteArray("/a.txt\0/b", 9), "/c.txt"}
                              << QList<QByteArray>{"/c.txt"};
    QTest::newRow("longer than a path") << 2 << QList<QByteArray>{longest + 'a', longest} << QList<QByteArray>{longest};
}

void TestMenu::storedListRead()
{
    QFETCH(int, size);
    QFETCH(QList<QByteArray>, stored);
    QFETCH(QList<QByteArray>, offered);
    {
        const std::unique_ptr<QSettings> settings = programSettings();
        for (int i = 0; i < stored.size(); ++i)
            settings->setValue(u"recentFiles/%1/path"_s.arg(i + 1), stored.at(i));
        settings->setValue(u"recentFiles/size"_s, size);
    }
    const MainWindow window(&m_dialogs);
    QList<QByteArray> units;
    for (const QByteArray &path : offered)
        units.append(NativePath::fromStoredForm(path).units());
    QCOMPARE(::offered(window), units);
    QCOMPARE(action(window, "actOpenRecent")->isEnabled(), !offered.isEmpty());
}

void TestMenu::missingRecentFile()
{
    const NativePath kept = NativePath::fromText(m_folder->filePath(u"ServiceLog.txt"_s));
    const NativePath gone = NativePath::fromText(m_folder->write(u"gone.txt"_s, "Jan 3, 2021\n1 A\n"));
    RecentFiles().add(kept);
    RecentFiles().add(gone);
    QVERIFY(QFile::remove(gone.toText()));

    MainWindow window(&m_dialogs);
    QMenu *recent = action(window, "actOpenRecent")->menu();
    // Looked at when the menu opens, not before.
    QCOMPARE(recent->actions().at(0)->text(), gone.display());
    Q_EMIT recent->aboutToShow();
    QCOMPARE(recent->actions().at(0)->text(), gone.display() + u" (missing)"_s);
    QCOMPARE(recent->actions().at(1)->text(), kept.display());
    QVERIFY(recent->actions().at(0)->isEnabled());

    m_dialogs.confirmAnswers = {false, true};
    recent->actions().at(0)->trigger();
    QCOMPARE(m_dialogs.shown.size(), 1);
    QCOMPARE(m_dialogs.shown.at(0).kind, u"confirm"_s);
    QCOMPARE(m_dialogs.shown.at(0).title, u"Remove from list"_s);
    QCOMPARE(RecentFiles().load(), (QList<NativePath>{gone, kept}));
    recent->actions().at(0)->trigger();
    QCOMPARE(RecentFiles().load(), QList<NativePath>{kept});
    QCOMPARE(::offered(window), QList<QByteArray>{kept.units()});
    // The file was not tried: no "File Error" message.
    QCOMPARE(m_dialogs.shown.size(), 2);
}

void TestMenu::hymnalKeptBetweenRuns()
{
    const NativePath hymnal = NativePath::fromText(m_folder->filePath(u"Hymnal.txt"_s));
    m_folder->write(u"BibleBooks.txt"_s, sample("BibleBooks.txt"));
    {
        MainWindow window(&m_dialogs);
        QVERIFY(!action(window, "actClearHymnal")->isEnabled());
        // A service log is no hymnal: nothing is set, and nothing kept.
        QVERIFY(!window.setHymnal(NativePath::fromText(m_folder->filePath(u"ServiceLog.txt"_s))));
        QCOMPARE(window.hymnal()->file().kind(), LoadedFile::Kind::None);
        QVERIFY(window.setHymnal(hymnal));
        // The main window's own file is not touched by it.
        QCOMPARE(window.form()->store().entryCount(), 0);
        // Chosen from the menu: a file that is no hymnal leaves the one set, which the menu names.
        QString chosen = m_folder->filePath(u"ServiceLog.txt"_s);
        window.setFileChooser([&](QWidget *, const QString &, const QString &) { return chosen; });
        action(window, "actSetHymnal")->trigger();
        QCOMPARE(m_dialogs.messages().size(), 1);
        QVERIFY(m_dialogs.messages().at(0).text.endsWith(u"so the hymnal stays “Hymnal.txt”."_s));
        QCOMPARE(window.hymnal()->file().path(), hymnal);
        QCOMPARE(action(window, "actClearHymnal")->text(), u"Clear H&ymnal (Hymnal.txt)"_s);
        chosen = m_folder->write(u"R&B.txt"_s, sample("Hymnal.txt"));
        action(window, "actSetHymnal")->trigger();
        QCOMPARE(action(window, "actClearHymnal")->text(), u"Clear H&ymnal (R&&B.txt)"_s);
        QCOMPARE(window.statusBar()->currentMessage(), u"Hymnal set: R&B.txt"_s);
        QVERIFY(window.setHymnal(hymnal));
    }
    MainWindow again(&m_dialogs);
    QCOMPARE(again.hymnal()->file().path(), hymnal);
    QCOMPARE(again.hymnal()->file().kind(), LoadedFile::Kind::Hymnal);
    QVERIFY(again.hymnal()->books().contains(u"Genesis"_s));
    action(again, "actClearHymnal")->trigger();
    QCOMPARE(MainWindow(&m_dialogs).hymnal()->file().kind(), LoadedFile::Kind::None);
}

QTEST_MAIN(TestMenu)
#include "tst_gui_menu.moc"
