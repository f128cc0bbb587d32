// SPDX-License-Identifier: GPL-3.0-or-later
// The commands on one service of the log, through the real windows: the service chosen by a search's row or the
// latest, edited by keys and written (not over a log changed since), removed after a question, the last change
// undone (in a later run too); the hymn board's figures measured on A4 and Letter, and the bulletin's text and table
// on the clipboard.
#include "mainwindowfixture.h"
#include "scripteddialogs.h"
#include "testfiles.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPageSize>
#include <QPdfWriter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStringEncoder>
#include <QtTest>

#include "app/form/form1.h"
#include "app/logbook/addservicedialog.h"
#include "app/logbook/hymnboard.h"
#include "app/logbook/hymnrow.h"
#include "app/logbook/hymnrows.h"
#include "platform/systemtext.h"

using namespace Qt::StringLiterals;

namespace {

// Three services; the middle one sings 380, the latest 378.
const QStringList kServices{u"Nov 22, 2026 Christ the King\n130 As with Gladness\nDoxology"_s,
                            u"Nov 29, 2026 Advent 1\n14 Holy, Holy, Holy\n380 How Firm a Foundation"_s,
                            u"Dec 13, 2026 Advent 3\n50 All Praise to Thee\n378 Amazing Grace"_s};

QByteArray encoded(const QString &text, const QString &encoding)
{
    if (encoding == u"Windows-1252")
        return text.toLatin1();
    if (encoding == u"UTF-8")
        return text.toUtf8();
    QStringEncoder encoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    return encoder.encode(text);
}

// The services joined as a log with eol, newest first when asked.
QString logOf(QStringList services, const QString &eol, bool newestFirst)
{
    if (newestFirst)
        std::reverse(services.begin(), services.end());
    return services.join(u"\n\n"_s).replace(u"\n"_s, eol) + eol;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// The height in points of each run of ink down a page rendered by pdftoppm at 72 dots per inch; nothing where the
// tool is not there (or is a Unix tool seen from Wine).
QList<QList<int>> inkRuns(const QString &pdf)
{
    const QString tool = QStandardPaths::findExecutable(u"pdftoppm"_s);
    if (tool.isEmpty())
        return {};
    QProcess render;
    render.start(tool, {u"-r"_s, u"72"_s, u"-gray"_s, pdf});
    if (!render.waitForFinished(30000) || render.exitCode() != 0)
        return {};
    QList<QList<int>> pages;
    QByteArray out = render.readAllStandardOutput();
    // One binary PGM after another: "P5\nW H\n255\n" and W*H bytes.
    while (out.startsWith("P5")) {
        const QList<QByteArray> head = out.split('\n').mid(0, 3);
        const QList<QByteArray> size = head.at(1).split(' ');
        const int width = size.at(0).toInt(), height = size.at(1).toInt();
        const qsizetype start = head.at(0).size() + head.at(1).size() + head.at(2).size() + 3;
        QList<int> runs;
        int run = 0;
        for (int y = 0; y < height; ++y) {
            bool ink = false;
            for (int x = 0; x < width && !ink; ++x)
                ink = quint8(out.at(start + qsizetype(y) * width + x)) < 128;
            if (ink)
                ++run;
            else if (run > 0)
                runs.append(std::exchange(run, 0));
        }
        pages.append(runs);
        out = out.sliced(start + qsizetype(width) * height);
    }
    return pages;
}

} // namespace

class TestServiceCommands : public QObject, protected MainWindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(setUpProgram(u"ServiceCommandsTest"_s, Locale::UsEnglish)); }
    void init()
    {
        QVERIFY(setUpFolder(true));
        QVERIFY(openWindow(Shown::Exposed));
    }
    void cleanup() { tearDown(); }
    void editRemoveUndo_data();
    void editRemoveUndo();
    void editRefusedOnAChangedLog();
    void boardFigures_data();
    void boardFigures();
    void boardAndBulletin();

private:
    AddServiceDialog *openEditor();
    QString m_log;
};

AddServiceDialog *TestServiceCommands::openEditor()
{
    action(*m_window, "actEditService")->trigger();
    AddServiceDialog *dialog = m_window->addServiceDialog();
    if (dialog == nullptr || !QTest::qWaitForWindowExposed(dialog))
        return nullptr;
    dialog->activateWindow();
    return QTest::qWaitForWindowActive(dialog) ? dialog : nullptr;
}

void TestServiceCommands::editRemoveUndo_data()
{
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QString>("eol");
    QTest::addColumn<bool>("newestFirst");
    QTest::newRow("UTF-16, CR LF") << u"UTF-16"_s << u"\r\n"_s << false;
    QTest::newRow("Windows-1252, CR LF") << u"Windows-1252"_s << u"\r\n"_s << false;
    QTest::newRow("UTF-8, newest first") << u"UTF-8"_s << u"\n"_s << true;
}

void TestServiceCommands::editRemoveUndo()
{
    QFETCH(QString, encoding);
    QFETCH(QString, eol);
    QFETCH(bool, newestFirst);
    m_log = m_folder->write(u"log.txt"_s, encoded(logOf(kServices, eol, newestFirst), encoding));
    QVERIFY(m_window->openFile(NativePath::fromText(m_log)));

    // A left click on a row of a search chooses its service: the middle one, wherever the file keeps it.
    Form1 *form = m_window->form();
    part<QLineEdit>(form, "hymnmbr")->setText(u"380"_s);
    form->find();
    auto *left = part<QListView>(form, "List1");
    QTest::mouseClick(left->viewport(), Qt::LeftButton, {}, left->visualRect(left->model()->index(0, 0)).center());
    AddServiceDialog *dialog = openEditor();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), u"Edit Service"_s);
    QCOMPARE(part<QDateEdit>(dialog, "ServiceDate")->date(), QDate(2026, 11, 29));
    auto *rows = part<HymnRows>(dialog, "ServiceHymns");
    QCOMPARE(rows->row(1)->titleBox()->text(), u"How Firm a Foundation"_s);
    // By keys: a line's title typed over, the service written with Enter.
    rows->row(1)->titleBox()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), u"Firm Foundation"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(!m_window->addServiceDialog());
    QStringList edited = kServices;
    edited[1].replace(u"380 How Firm a Foundation"_s, u"380 Firm Foundation"_s);
    const QByteArray afterEdit = encoded(logOf(edited, eol, newestFirst), encoding);
    QCOMPARE(contents(m_log), afterEdit);
    QVERIFY(m_window->statusBar()->currentMessage().startsWith(u"Service of Nov 29, 2026 changed: 2 hymns"_s));

    // The lists refilled, nothing is chosen: the latest goes, after a question that shows it.
    dialog = openEditor();
    QVERIFY(dialog);
    m_dialogs.confirmAnswers = {true};
    QTest::keyClick(dialog, Qt::Key_S, Qt::AltModifier);
    QTRY_VERIFY(!m_window->addServiceDialog());
    const ScriptedDialogs::Shown asked = m_dialogs.shown.last();
    QCOMPARE(asked.title, u"Remove Service"_s);
    QVERIFY2(asked.text.contains(u"\n\nDec 13, 2026 Advent 3\n50 All Praise to Thee\n378 Amazing Grace\n\n"_s),
             qPrintable(asked.text));
    QStringList removed = edited;
    removed.removeLast();
    const QByteArray afterRemove = encoded(logOf(removed, eol, newestFirst), encoding);
    QCOMPARE(contents(m_log), afterRemove);

    // Undone: the log as it was before the removal, and in a later run the removal again.
    action(*m_window, "actUndoChange")->trigger();
    QVERIFY(m_dialogs.shown.last().text.contains(u"(Service of Dec 13, 2026 removed)"_s));
    QCOMPARE(contents(m_log), afterEdit);
    QVERIFY(m_window->statusBar()->currentMessage().startsWith(u"Undone: Service of Dec 13, 2026 removed"_s));
    m_window = std::make_unique<MainWindow>(&m_dialogs);
    QVERIFY(m_window->openFile(NativePath::fromText(m_log)));
    action(*m_window, "actUndoChange")->trigger();
    QCOMPARE(contents(m_log), afterRemove);
}

// The service was read from the log as loaded: a log changed on disk before Write is not written over, and the dialog
// stays with what was typed. (The refusals of Undo are the write step's, told as they are.)
void TestServiceCommands::editRefusedOnAChangedLog()
{
    m_log = m_folder->write(u"log.txt"_s, logOf(kServices, u"\n"_s, false).toUtf8());
    QVERIFY(m_window->openFile(NativePath::fromText(m_log)));
    AddServiceDialog *dialog = openEditor();
    QVERIFY(dialog);
    const QByteArray changed = contents(m_log) + "\nDec 27, 2026\n2 Later\n";
    m_folder->write(u"log.txt"_s, changed);
    part<QLineEdit>(dialog, "ServiceOccasion")->setText(u"Gaudete"_s);
    part<QPushButton>(dialog, "AddServiceOk")->click();
    QVERIFY(m_dialogs.messages().last().text.startsWith(
        u"\"log.txt\" has changed on disk since it was loaded, so nothing was written."_s));
    QCOMPARE(contents(m_log), changed);
    QVERIFY(m_window->addServiceDialog());
}

void TestServiceCommands::boardFigures_data()
{
    QTest::addColumn<int>("paper");
    QTest::addColumn<int>("numbers");
    QTest::addColumn<int>("pages");
    for (const auto &[name, paper] : {std::pair(u"A4"_s, QPageSize::A4), std::pair(u"Letter"_s, QPageSize::Letter)}) {
        QTest::newRow(qPrintable(name + u", one"_s)) << int(paper) << 1 << 1;
        QTest::newRow(qPrintable(name + u", a board of six"_s)) << int(paper) << 6 << 1;
        QTest::newRow(qPrintable(name + u", eight over two boards"_s)) << int(paper) << 8 << 2;
    }
}

void TestServiceCommands::boardFigures()
{
    QFETCH(int, paper);
    QFETCH(int, numbers);
    QStringList shown;
    for (int i = 0; i < numbers; ++i)
        shown.append(QString::number(100 + i * 111));
    const QString pdf = m_folder->filePath(u"board.pdf"_s);
    {
        QPdfWriter writer(pdf);
        writer.setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
        writer.setResolution(600);
        const HymnBoard board(shown, u"Sunday, December 13, 2026 — Advent 3"_s);
        QTEST(board.layoutOn(writer).pages, "pages");
        QVERIFY(board.layoutOn(writer).figureHeight / 600 * 2.54 >= HymnBoard::LeastFigureCm);
        QVERIFY(board.print(writer));
    }
    const QList<QList<int>> pages = inkRuns(pdf);
    if (pages.isEmpty())
        QSKIP("pdftoppm (poppler-utils) is not there: the figures are not measured on the page");
    QTEST(int(pages.size()), "pages");
    int figures = 0;
    for (const QList<int> &runs : pages) {
        // The date line, then one run of ink a number: each at least 3 cm, 85 points.
        QVERIFY(runs.size() >= 2);
        for (qsizetype run = 1; run < runs.size(); ++run)
            QVERIFY2(runs.at(run) >= 85, qPrintable(QString::number(runs.at(run))));
        figures += int(runs.size()) - 1;
    }
    QCOMPARE(figures, numbers);
}

void TestServiceCommands::boardAndBulletin()
{
    m_log = m_folder->write(u"log.txt"_s, logOf(kServices, u"\n"_s, false).toUtf8());
    QVERIFY(m_window->openFile(NativePath::fromText(m_log)));
    // A row clicked under a tally chooses no service: the latest, for the bulletin, with the platform's line ends
    // and as a table.
    Form1 *form = m_window->form();
    form->tally();
    auto *left = part<QListView>(form, "List1");
    QTest::mouseClick(left->viewport(), Qt::LeftButton, {}, left->visualRect(left->model()->index(0, 0)).center());
    action(*m_window, "actCopyBulletin")->trigger();
    const QString eol = SystemText::lineEnd();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringList({u"Dec 13, 2026 Advent 3"_s, u"50\tAll Praise to Thee"_s, u"378\tAmazing Grace"_s}).join(eol) +
                 eol);
    QVERIFY(
        QGuiApplication::clipboard()->mimeData()->html().contains(u"<tr><td>378</td><td>Amazing Grace</td></tr>"_s));

    // From the dialog, the service as it stands: a line without a number is on the bulletin, not on the board.
    action(*m_window, "actAddService")->trigger();
    AddServiceDialog *dialog = m_window->addServiceDialog();
    QVERIFY(dialog);
    part<QDateEdit>(dialog, "ServiceDate")->setDate(QDate(2026, 12, 20));
    part<QLineEdit>(dialog, "ServiceOccasion")->setText(u"Advent 4"_s);
    dialog->appendLines({{u"88"_s, u"O Come"_s}, {QString(), u"Anthem: Ave verum"_s}, {u"92(2)"_s, u"Noël"_s}});
    part<QPushButton>(dialog, "ServiceCopyBulletin")->click();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringList({u"Dec 20, 2026 Advent 4"_s, u"88\tO Come"_s, u"\tAnthem: Ave verum"_s, u"92(2)\tNoël"_s})
                     .join(eol) +
                 eol);
    part<QPushButton>(dialog, "ServicePrintBoard")->click();
    auto *board = dialog->findChild<QDialog *>(u"HymnBoard"_s);
    QVERIFY(board);
    QCOMPARE(part<QLabel>(board, "BoardNumbers")->text(), u"On the board, one a line: 88, 92"_s);
    const QString pdf = m_folder->filePath(u"board.pdf"_s);
    m_dialogs.saveAnswers = {pdf};
    part<QPushButton>(board, "BoardSavePdf")->click();
    QCOMPARE(m_window->statusBar()->currentMessage(), u"Saved board.pdf"_s);
    QProcess text;
    text.start(u"pdftotext"_s, {pdf, u"-"_s});
    if (!text.waitForFinished(30000) || text.exitCode() != 0)
        QSKIP("pdftotext (poppler-utils) is not there: the board's text is not read");
    const QString read = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    QCOMPARE(read, u"Sunday, December 20, 2026 — Advent 4 88 92"_s);
}

QTEST_MAIN(TestServiceCommands)
#include "tst_gui_servicecommands.moc"
