// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a user meets it: its controls at start, the file picker, "Get File" with both kinds of file and
// with files that cannot be loaded, and the scripture book list.
#include "systemfiles.h"
#include "windowharness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "app/pickers/dirlist.h"
#include "app/pickers/drivelist.h"
#include "app/pickers/filelist.h"
#include "platform/systemfonts.h"

using namespace Qt::StringLiterals;

namespace {

QString captionOf(QWidget *control)
{
    if (auto *label = qobject_cast<QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        return button->text();
    return QString();
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void startState_data();
    void startState();
    void startLists();
    void bookListFromStartFolder();
    void fileListShowsRegularTextFilesOnly();
    void clickShowsFileDate();
    void loadUsageSample();
    void loadVerseSample();
    void bookListButtonNeedsBookFile();
    void bookPickedIntoPhrase();
    void directoryChangeRetriesBookList();
    void fileRemovedBeforeGetFile();
    void limitReachedMessage();
    void driveChangeFailureKeepsFolder();

private:
    // Creates the window in the given folder (the sample folder when empty).
    void open(const QString &folder = QString());
    void getFile(const QString &name);
    template <typename T> T *control(const char *name)
    {
        T *found = m_ui->control<T>(name);
        if (found == nullptr)
            qFatal("no control %s", name);
        return found;
    }

    std::unique_ptr<WindowHarness> m_ui;
};

void TestWindow::init()
{
    m_ui = std::make_unique<WindowHarness>();
}

void TestWindow::cleanup()
{
    m_ui.reset();
}

void TestWindow::open(const QString &folder)
{
    QVERIFY(m_ui->open(folder.isEmpty() ? QStringLiteral(CANTORIX_SAMPLES_DIR) : folder));
}

void TestWindow::getFile(const QString &name)
{
    auto *files = control<FileList>("File1");
    const int found = files->rowOf(name);
    QVERIFY2(found >= 0, qPrintable(name));
    const QRect where = rowRect(files, found);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, where.center());
    auto *getButton = control<QPushButton>("Command1");
    QVERIFY(getButton->isVisible());
    QTest::mouseClick(getButton, Qt::LeftButton);
}

void TestWindow::startState_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("family"); // as the design names it; the system may ask for its successor
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    // Twips converted at 15 a pixel.
    QTest::newRow("TitleOnly") << u"TitleOnly"_s << u"title only"_s << QRect(416, 80, 73, 17) << false << u"Arial"_s
                               << 8.25 << true;
    QTest::newRow("LimitYr") << u"LimitYr"_s << QString() << QRect(584, 128, 49, 25) << false << u"Arial"_s << 9.75
                             << false;
    QTest::newRow("Filter") << u"Filter"_s << QString() << QRect(392, 40, 241, 33) << true << u"MS Sans Serif"_s << 12.0
                            << false;
    QTest::newRow("Check1") << u"Check1"_s << u" full # only"_s << QRect(416, 165, 81, 17) << true << u"Arial"_s << 8.25
                            << true;
    QTest::newRow("Go") << u"Go"_s << u"Find"_s << QRect(584, 186, 49, 57) << false << u"Arial"_s << 9.75 << true;
    QTest::newRow("TallyAll") << u"TallyAll"_s << u"Tally"_s << QRect(584, 88, 49, 33) << false << u"Arial"_s << 9.75
                              << true;
    QTest::newRow("List1") << u"List1"_s << QString() << QRect(8, 288, 193, 194) << true << u"MS Sans Serif"_s << 9.75
                           << false;
    QTest::newRow("List2") << u"List2"_s << QString() << QRect(208, 288, 353, 194) << true << u"MS Sans Serif"_s << 9.75
                           << false;
    QTest::newRow("Command3") << u"Command3"_s << u"Clear"_s << QRect(576, 456, 57, 25) << true << u"Arial"_s << 9.75
                              << true;
    QTest::newRow("Command1") << u"Command1"_s << u"Get File"_s << QRect(560, 8, 73, 25) << false << u"Arial"_s << 9.75
                              << true;
    QTest::newRow("Book") << u"Book"_s << QString() << QRect(568, 288, 65, 147) << false << u"MS Sans Serif"_s << 8.25
                          << false;
    QTest::newRow("BookList") << u"BookList"_s << u"book list"_s << QRect(592, 248, 41, 29) << false << u"Arial"_s
                              << 8.25 << true;
    QTest::newRow("ShowRefs") << u"ShowRefs"_s << u"incl. refs"_s << QRect(587, 368, 46, 25) << false << u"Arial"_s
                              << 8.25 << true;
    QTest::newRow("ClipCopy") << u"ClipCopy"_s << u"copy w/ title"_s << QRect(574, 400, 60, 29) << true << u"Arial"_s
                              << 8.25 << true;
    QTest::newRow("TallySort") << u"TallySort"_s << QString() << QRect(496, 96, 73, 21) << false << u"MS Sans Serif"_s
                               << 8.25 << false;
    QTest::newRow("Label11") << u"Label11"_s << u"Sort tally by:"_s << QRect(496, 80, 81, 17) << false << u"Arial"_s
                             << 8.25 << true;
    QTest::newRow("Label7") << u"Label7"_s << u"Limit date to:"_s << QRect(336, 40, 49, 33) << true << u"Arial"_s
                            << 9.75 << true;
    QTest::newRow("Label5") << u"Label5"_s << u"Title phrase:"_s << QRect(8, 240, 57, 33) << true << u"Arial"_s << 9.75
                            << true;
    QTest::newRow("Label15") << u"Label15"_s << u"exclude title:"_s << QRect(368, 192, 89, 17) << true << u"Arial"_s
                             << 8.25 << true;
    QTest::newRow("Hcount") << u"Hcount"_s << u"# of hymns:"_s << QRect(568, 320, 65, 25) << true << u"Arial"_s << 8.25
                            << true;
    QTest::newRow("ShowYr") << u"ShowYr"_s << u"Year"_s << QRect(552, 134, 25, 17) << false << u"Arial"_s << 8.25
                            << true;
    QTest::newRow("ShowFile") << u"ShowFile"_s << QString() << QRect(400, 8, 105, 17) << false << u"Arial"_s << 8.25
                              << true;
    QTest::newRow("Label13") << u"Label13"_s << u"2"_s << QRect(192, 8, 17, 33) << true << u"Times New Roman"_s << 20.25
                             << true;
    QTest::newRow("Label14") << u"Label14"_s << u"\u00A9"_s << QRect(220, 13, 9, 17) << true << u"Arial"_s << 9.0
                             << false;
    QTest::newRow("Label2") << u"Label2"_s << u"Cantorix"_s << QRect(8, 8, 209, 49) << true << u"Times New Roman"_s
                            << 30.0 << true;
    QTest::newRow("Tally") << u"Tally"_s << QString() << QRect(578, 288, 54, 25) << true << u"MS Sans Serif"_s << 12.0
                           << true;
    QTest::newRow("Dir1") << u"Dir1"_s << QString() << QRect(8, 96, 161, 126) << true << u"MS Sans Serif"_s << 8.25
                          << false;
    QTest::newRow("Drive1") << u"Drive1"_s << QString() << QRect(8, 64, 161, 22) << true << u"Arial"_s << 8.25 << true;
    QTest::newRow("File1") << u"File1"_s << QString() << QRect(176, 96, 169, 132) << true << u"MS Sans Serif"_s << 8.25
                           << false;
}

void TestWindow::startState()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, pixels);
    QFETCH(bool, shown);
    QFETCH(QString, family);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    open();
    QCOMPARE(m_ui->window().windowTitle(), u"Cantorix2"_s);
    QCOMPARE(m_ui->window().size(), QSize(640, 487));
    auto *widget = control<QWidget>(name.toLatin1().constData());
    QCOMPARE(captionOf(widget), caption);
    QCOMPARE(widget->geometry(), pixels);
    QCOMPARE(widget->isVisible(), shown);
    QCOMPARE(widget->font().family(), SystemFonts::face(family));
    QCOMPARE(widget->font().pointSizeF(), points);
    QCOMPARE(widget->font().bold(), bold);
}

void TestWindow::startLists()
{
    open();
    auto *sort = control<QComboBox>("TallySort");
    QCOMPARE(sort->count(), 3);
    QCOMPARE(sort->itemText(0), u"freq"_s);
    QCOMPARE(sort->itemText(1), u"title"_s);
    QCOMPARE(sort->itemText(2), u"hymn #"_s);
    QCOMPARE(sort->currentText(), u"freq"_s);
    QCOMPARE(m_ui->store().entryCount(), 0);
    QCOMPARE(m_ui->window().palette().color(QPalette::Window), QColor(224, 224, 224));
    QCOMPARE(control<QLabel>("Label2")->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QVERIFY(!m_ui->window().windowIcon().isNull());
}

void TestWindow::bookListFromStartFolder()
{
    open();
    auto *books = control<QListWidget>("Book");
    QCOMPARE(books->count(), 67);
    QCOMPARE(books->item(0)->text(), u"NONE"_s);
    QCOMPARE(books->item(1)->text(), u"Genesis"_s);
    QCOMPARE(books->item(66)->text(), u"Revelation"_s);
    QCOMPARE(m_ui->window().fileErr(), 0);
}

void TestWindow::fileListShowsRegularTextFilesOnly()
{
    m_ui->folder.write(u"b.txt"_s, "Jan 1, 2020\n1 A\n");
    m_ui->folder.write(u"A.TXT"_s, "Jan 1, 2020\n1 A\n");
    m_ui->folder.write(u"notes.md"_s, "x");
    QVERIFY(QDir(m_ui->folder.path()).mkdir(u"folder.txt"_s));
    if (SystemFiles::hasFifos())
        QVERIFY(SystemFiles::makeFifo(m_ui->folder.filePath(u"pipe.txt"_s)));
    open(m_ui->folder.path());
    auto *files = control<FileList>("File1");
    QCOMPARE(rowsOf(files), (QStringList{u"A.TXT"_s, u"b.txt"_s}));
    auto *folders = control<DirList>("Dir1");
    QCOMPARE(folders->path(), QFileInfo(m_ui->folder.path()).canonicalFilePath());
    QVERIFY(!folders->findItems(u"folder.txt"_s, Qt::MatchEndsWith).isEmpty());
}

void TestWindow::clickShowsFileDate()
{
    const QString path = m_ui->folder.write(u"dated.txt"_s, "Jan 1, 2020\n1 A\n");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime(QDate(2023, 3, 5), QTime(10, 0)), QFileDevice::FileModificationTime));
    file.close();
    open(m_ui->folder.path());
    auto *files = control<FileList>("File1");
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, rowRect(files, 0).center());
    QCOMPARE(control<QLabel>("ShowDate")->text(), u"05Mar2023"_s);
    QVERIFY(control<QPushButton>("Command1")->isVisible());
    QVERIFY(!control<QLabel>("ShowFile")->isVisible());
}

void TestWindow::loadUsageSample()
{
    open();
    getFile(u"ServiceLog.txt"_s);
    QVERIFY(m_ui->dialogs.shown.isEmpty());
    const EntryStore &store = m_ui->store();
    QVERIFY(!store.isVerseFile());
    QVERIFY(store.overflowCount() >= 1);
    QCOMPARE(control<QLabel>("Tally")->text(), QString::number(store.entryCount() - store.overflowCount()));
    QCOMPARE(control<QLabel>("Label7")->text(), u"Limit date to:"_s);
    QCOMPARE(control<QLabel>("Label5")->text(), u"Title phrase:"_s);
    QCOMPARE(control<QLabel>("Label15")->text(), u"exclude title:"_s);
    QCOMPARE(control<QLabel>("Hcount")->text(), u"  # of dates:"_s);
    QCOMPARE(control<QCheckBox>("ClipCopy")->text(), u"copy w/ date"_s);
    QCOMPARE(control<QLineEdit>("Filter")->geometry().left(), 5880 / 15);
    QVERIFY(control<QComboBox>("TallySort")->isVisible());
    QVERIFY(control<QPushButton>("TallyAll")->isVisible());
    QVERIFY(control<QLabel>("Label11")->isVisible());
    QVERIFY(control<QPushButton>("Go")->isVisible());
    QVERIFY(!control<QLineEdit>("LimitYr")->isVisible());
    QVERIFY(!control<QCheckBox>("TitleOnly")->isVisible());
    QVERIFY(!control<QCheckBox>("ShowRefs")->isVisible());
    QVERIFY(!control<QPushButton>("Command1")->isVisible());
    QCOMPARE(control<QLabel>("ShowFile")->text(), u"ServiceLog.txt"_s);
    QVERIFY(control<QLabel>("ShowFile")->isVisible());
}

void TestWindow::loadVerseSample()
{
    open();
    control<QLineEdit>("hymnmbr")->setText(u"12"_s);
    control<QCheckBox>("Check1")->setChecked(true);
    getFile(u"Hymnal.txt"_s);
    QVERIFY(m_ui->dialogs.shown.isEmpty());
    QVERIFY(m_ui->store().isVerseFile());
    QCOMPARE(control<QLabel>("Label7")->text(), u"Limit title to:"_s);
    QCOMPARE(control<QLabel>("Label5")->text(), u"Verse phrase:"_s);
    QCOMPARE(control<QLabel>("Label15")->text(), u"exclude phrase:"_s);
    QCOMPARE(control<QLabel>("Hcount")->text(), u"# of hymns:"_s);
    QCOMPARE(control<QCheckBox>("ClipCopy")->text(), u"copy w/ title"_s);
    QCOMPARE(control<QLineEdit>("Filter")->geometry(), QRect(3900 / 15, 600 / 15, 5600 / 15, 495 / 15));
    QCOMPARE(control<QLabel>("Label7")->geometry().left(), 3080 / 15);
    QVERIFY(!control<QComboBox>("TallySort")->isVisible());
    QVERIFY(!control<QPushButton>("TallyAll")->isVisible());
    QVERIFY(control<QLineEdit>("LimitYr")->isVisible());
    QVERIFY(control<QLabel>("ShowYr")->isVisible());
    QVERIFY(control<QCheckBox>("ChkMusic")->isVisible());
    QVERIFY(control<QCheckBox>("TitleOnly")->isVisible());
    QVERIFY(control<QCheckBox>("ShowRefs")->isVisible());
    QVERIFY(control<QPushButton>("BookList")->isVisible());
    QCOMPARE(control<QLineEdit>("hymnmbr")->text(), QString());
    QVERIFY(!control<QCheckBox>("Check1")->isChecked());

    // Loading a usage file afterwards puts the usage layout back.
    getFile(u"ServiceLog.txt"_s);
    QCOMPARE(control<QLineEdit>("Filter")->geometry().left(), 5880 / 15);
    QVERIFY(!control<QCheckBox>("ShowRefs")->isVisible());
    QVERIFY(!control<QPushButton>("BookList")->isVisible());
}

void TestWindow::bookListButtonNeedsBookFile()
{
    m_ui->folder.write(u"hymns.txt"_s, "1 A\nCredits\n--\nVerse\n--\n^Psalms 23\n");
    open(m_ui->folder.path());
    QCOMPARE(m_ui->window().fileErr(), 1);
    QCOMPARE(control<QListWidget>("Book")->count(), 1);
    getFile(u"hymns.txt"_s);
    QVERIFY(control<QCheckBox>("ShowRefs")->isVisible());
    QVERIFY(!control<QPushButton>("BookList")->isVisible());
}

void TestWindow::bookPickedIntoPhrase()
{
    open();
    getFile(u"Hymnal.txt"_s);
    auto *books = control<QListWidget>("Book");
    auto *button = control<QPushButton>("BookList");
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(books->isVisible());
    QVERIFY(control<QCheckBox>("ShowRefs")->isChecked());
    QTest::mouseClick(books->viewport(), Qt::LeftButton, {}, books->visualItemRect(books->item(0)).center());
    QVERIFY(!books->isVisible());
    QCOMPARE(control<QLineEdit>("hymname")->text(), QString());

    QTest::mouseClick(button, Qt::LeftButton);
    books->scrollToItem(books->item(19));
    QTest::mouseClick(books->viewport(), Qt::LeftButton, {}, books->visualItemRect(books->item(19)).center());
    QCOMPARE(control<QLineEdit>("hymname")->text(), u"Psalms"_s);
    QVERIFY(!books->isVisible());

    QTest::mouseClick(button, Qt::LeftButton);
    // A point of the window's own background, in both layouts: right of "Files:", above the file list.
    QCOMPARE(m_ui->window().childAt(QPoint(240, 85)), nullptr);
    QTest::mouseClick(&m_ui->window(), Qt::LeftButton, {}, QPoint(240, 85));
    QVERIFY(!books->isVisible());
}

void TestWindow::directoryChangeRetriesBookList()
{
    QVERIFY(QDir(m_ui->folder.path()).mkdir(u"with"_s));
    m_ui->folder.write(u"with/BibleBooks.txt"_s, "Genesis\nExodus\n\nLeviticus\n");
    open(m_ui->folder.path());
    QCOMPARE(m_ui->window().fileErr(), 1);
    const QString startedIn = QDir::currentPath();
    auto *folders = control<DirList>("Dir1");
    const QList<QListWidgetItem *> sub = folders->findItems(u"with"_s, Qt::MatchEndsWith);
    QCOMPARE(sub.size(), 1);
    const QPoint at = folders->visualItemRect(sub.first()).center();
    QTest::mouseClick(folders->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(folders->viewport(), Qt::LeftButton, {}, at);
    QTRY_COMPARE(folders->path(), QFileInfo(m_ui->folder.filePath(u"with"_s)).canonicalFilePath());
    // The book list is read from the folder shown; the process's own current folder is left where it was.
    QCOMPARE(QDir::currentPath(), startedIn);
    QCOMPARE(m_ui->window().fileErr(), 0);
    auto *books = control<QListWidget>("Book");
    QStringList items;
    for (int i = 0; i < books->count(); ++i)
        items.append(books->item(i)->text());
    QCOMPARE(items, (QStringList{u"NONE"_s, u"Genesis"_s, u"Exodus"_s, QString()}));
}

void TestWindow::fileRemovedBeforeGetFile()
{
    m_ui->folder.write(u"gone.txt"_s, "Jan 1, 2020\n1 A\n2 B\n");
    open(m_ui->folder.path());
    getFile(u"gone.txt"_s);
    QCOMPARE(m_ui->store().entryCount(), 1);
    auto *files = control<FileList>("File1");
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, rowRect(files, 0).center());
    QVERIFY(QFile::remove(m_ui->folder.filePath(u"gone.txt"_s)));
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    const QList<ScriptedDialogs::Shown> messages = m_ui->dialogs.messages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].title, u"File Error"_s);
    QCOMPARE(messages[0].icon, Dialogs::Icon::Exclamation);
    QVERIFY(messages[0].text.contains(u"gone.txt"_s));
    QCOMPARE(m_ui->store().entryCount(), 0);
    QCOMPARE(control<QLabel>("Tally")->text(), u"0"_s);
    QCOMPARE(files->count(), 0);
}

void TestWindow::limitReachedMessage()
{
    QByteArray bytes;
    for (int e = 1; e <= 1805; ++e)
        bytes += "Jan 1, 2020\n" + QByteArray::number(e) + " Hymn\n\n";
    m_ui->folder.write(u"big.txt"_s, bytes);
    open(m_ui->folder.path());
    getFile(u"big.txt"_s);
    const QList<ScriptedDialogs::Shown> messages = m_ui->dialogs.messages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].title, u"Limit reached"_s);
    QCOMPARE(messages[0].text, u"1800 items loaded - this is the program's maximum"_s);
    QCOMPARE(control<QLabel>("Tally")->text(), u"1800"_s);
    QVERIFY(control<QPushButton>("Go")->isVisible());
}

void TestWindow::driveChangeFailureKeepsFolder()
{
    open(m_ui->folder.path());
    auto *drives = control<DriveList>("Drive1");
    auto *folders = control<DirList>("Dir1");
    const QString before = folders->path();
    const QString driveBefore = drives->drive();
    drives->addItem(u"/no/such/volume"_s);
    drives->setCurrentIndex(drives->count() - 1);
    Q_EMIT drives->activated(drives->currentIndex());
    const QList<ScriptedDialogs::Shown> messages = m_ui->dialogs.messages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].title, u"Change Drive"_s);
    QCOMPARE(messages[0].text, u"Error encountered while changing drive"_s);
    QCOMPARE(folders->path(), before);
    QCOMPARE(drives->drive(), driveBefore);
}

QTEST_MAIN(TestWindow)
#include "tst_gui_window.moc"
