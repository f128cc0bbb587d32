// SPDX-License-Identifier: GPL-3.0-or-later
// The usage report window over the real main window: when it is offered, how its table sorts and filters, that
// its chart draws the counts of the rows chosen, what it copies and writes, and how it follows the main window.
// Also what a keyboard, a screen reader and a small screen meet, what is kept between runs, and how long printouts
// can be stopped. A failing write is reached through the writer's seam and, where the system has one, through a
// file size limit.
#include "mainwindowfixture.h"
#include "scripteddialogs.h"
#include "systemfiles.h"
#include "testfiles.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QStyleFactory>
#include <QTableView>
#include <QtTest>

#include "app/form/form1.h"
#include "app/mainwindow/mainwindow.h"
#include "app/report/reportchart.h"
#include "app/report/reportmodel.h"
#include "app/report/reportwindow.h"
#include "app/widgets/progress.h"
#include "platform/clock.h"
#include "platform/savefile.h"
#include "report/tabletext.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Four dated services over three years and one without a date. Uses, a hymn once per service: 100 four times,
// 200 three (one of them undated), the others once; per year 2020: 4, 2021: 2, 2022: 3.
const QByteArray kLog = "Jan 5, 2020\n100 Alpha Hymn\n200 Beta Hymn\n\n"
                        "Feb 2, 2020\n100 Alpha Hymn\n300 Gamma Hymn\n\n"
                        "Mar 1, 2021\n100 Alpha Hymn\n9 Delta Hymn\n\n"
                        "Jun 6, 2022\n100 Alpha Hymn\n200 Beta Hymn\n10 Epsilon Hymn\n\n"
                        "Harvest Festival\n200 Beta Hymn\n";

// The hymn numbers of the table's rows, top to bottom.
QStringList numbersShown(const QTableView *table)
{
    QStringList numbers;
    for (int row = 0; row < table->model()->rowCount(); ++row)
        numbers.append(table->model()->index(row, ReportModel::Number).data().toString());
    return numbers;
}

// The height in pixels of what is drawn in the bar colour along the middle of a bar's column.
int paintedHeight(const ReportChart *chart, const QImage &image, int bar)
{
    const QRect slot = chart->barRect(bar);
    const QColor colour = chart->palette().color(QPalette::Highlight);
    const int x = slot.isEmpty() ? -1 : slot.center().x();
    int height = 0;
    for (int y = 0; x >= 0 && y < image.height(); ++y)
        height += image.pixelColor(x, y) == colour ? 1 : 0;
    return height;
}

// A tool's standard output, or a null array when it is not installed or cannot run here (a Unix tool seen from
// Wine).
QByteArray runTool(const QString &tool, const QStringList &args)
{
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return {};
    QProcess process;
    process.start(tool, args);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput() + " ";
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int pagesOf(const QString &path)
{
    const QRegularExpressionMatch pages =
        QRegularExpression(u"Pages:\\s+(\\d+)"_s).match(QString::fromUtf8(runTool(u"pdfinfo"_s, {path})));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

// Progress that stops a task when a given step is done, and remembers the steps it was told of.
class StoppingProgress : public Progress {
public:
    int stopAt = -1;
    QList<int> done;
    int steps = 0;
    bool ended = false;

    void begin(const QString &, const QString &) override {}
    bool advance(int step, int all) override
    {
        done.append(step);
        steps = all;
        return step != stopAt;
    }
    void end() override { ended = true; }
};

// The tab chain's controls from first, by their object names, as Tab walks it back to first.
QStringList tabChain(QWidget *first)
{
    first->setFocus();
    QStringList names;
    for (int step = 0; step < 40 && (names.isEmpty() || QApplication::focusWidget() != first); ++step) {
        names.append(QApplication::focusWidget()->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    return names;
}

} // namespace

class TestReport : public QObject, protected MainWindowFixture {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void offeredForServiceLogsOnly();
    void rangeAndNotes();
    void sortsByHeaderClick_data();
    void sortsByHeaderClick();
    void filterNarrows_data();
    void filterNarrows();
    void chartDrawsTheCounts();
    void copyAndFiles();
    void pdfPages_data();
    void pdfPages();
    void followsTheMainWindow();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
    void customRange_data();
    void customRange();
    void fileTextStaysText();
    void latestServiceAfterToday_data();
    void latestServiceAfterToday();
    void creditsFromTheHymnal();
    void exportBesideALatin1Name_data();
    void exportBesideALatin1Name();
    void keyboardOnly();
    void namedForScreenReaders();
    void fitsASmallScreen();
    void datesShownWhole_data();
    void datesShownWhole();
    void exportStartsWhereItCanBeWritten();
    void keptBetweenRuns_data();
    void keptBetweenRuns();
    void exportsCompleteTheName_data();
    void exportsCompleteTheName();
    void chartPicture();
    void undatedNote_data();
    void undatedNote();
    void printoutCanBeStopped_data();
    void printoutCanBeStopped();

private:
    // Opens the log in a fresh main window and the report over it.
    ReportWindow *openReport(const QByteArray &log = kLog);
};

void TestReport::initTestCase()
{
    QVERIFY(setUpProgram(u"ReportTest"_s, Locale::UsEnglish));
}

void TestReport::init()
{
    QVERIFY(setUpFolder(true));
    QVERIFY(openWindow(Shown::No));
}

void TestReport::cleanup()
{
    SaveFile::failWritesWith(0);
    Clock::setToday({});
    tearDown();
}

ReportWindow *TestReport::openReport(const QByteArray &log)
{
    m_window->openFile(NativePath::fromText(m_folder->write(u"log.txt"_s, log)));
    action(*m_window, "actReport")->trigger();
    auto *report = m_window->findChild<ReportWindow *>(u"UsageReport"_s);
    if (report != nullptr && !QTest::qWaitForWindowExposed(report))
        return nullptr;
    return report;
}

void TestReport::offeredForServiceLogsOnly()
{
    QAction *report = action(*m_window, "actReport");
    QVERIFY(report);
    QCOMPARE(report->shortcut(), QKeySequence(u"Ctrl+R"_s));
    QVERIFY(!report->isEnabled());
    m_window->openFile(NativePath::fromText(m_folder->write(u"empty.txt"_s, "")));
    QVERIFY(!report->isEnabled());
    m_window->openFile(NativePath::fromText(m_folder->write(u"log.txt"_s, kLog)));
    QVERIFY(report->isEnabled());
    m_window->openFile(NativePath::fromText(m_folder->write(u"Hymnal.txt"_s, sample("Hymnal.txt"))));
    QVERIFY(!report->isEnabled());
    report->trigger();
    QVERIFY(!m_window->findChild<ReportWindow *>());
}

void TestReport::rangeAndNotes()
{
    ReportWindow *report = openReport();
    QVERIFY(report && report->isVisible() && report->isWindow());
    auto *preset = part<QComboBox>(report, "ReportPreset");
    auto *from = part<QDateEdit>(report, "ReportFrom");
    auto *to = part<QDateEdit>(report, "ReportTo");
    auto *status = part<QLabel>(report, "ReportStatus");
    auto *undated = part<QLabel>(report, "ReportUndated");
    // The counts, before the note on the date they are counted from.
    const auto counts = [status] { return status->text().section(u". "_s, 0, 0); };
    QCOMPARE(preset->currentText(), u"All"_s);
    QCOMPARE(std::pair(from->date(), to->date()), std::pair(QDate(2020, 1, 5), QDate(2022, 6, 6)));
    QVERIFY(!from->isEnabled() && !to->isEnabled());
    QCOMPARE(status->text(), u"5 services, 5 hymns. Counted from 2022-06-06, the latest service"_s);
    QVERIFY(undated->isVisible() && undated->text().startsWith(u"1 service has no date"_s));

    preset->setCurrentIndex(int(Report::Preset::LatestYear));
    QCOMPARE(std::pair(from->date(), to->date()), std::pair(QDate(2022, 1, 1), QDate(2022, 12, 31)));
    QVERIFY(!from->isEnabled());
    QCOMPARE(counts(), u"1 service, 3 hymns"_s);
    // The undated service is left out of a range, and the note says so.
    QVERIFY(undated->isVisible() && undated->text().contains(u"only under All"_s));

    // The previous years are counted back from today, not from the file.
    Clock::setToday(QDate(2023, 3, 1));
    preset->setCurrentIndex(preset->findText(u"Previous calendar year"_s));
    QCOMPARE(std::pair(from->date(), to->date()), std::pair(QDate(2022, 1, 1), QDate(2022, 12, 31)));
    QCOMPARE(counts(), u"1 service, 3 hymns"_s);
    preset->setCurrentIndex(preset->findText(u"Previous church year"_s));
    QCOMPARE(std::pair(from->date(), to->date()), std::pair(QDate(2021, 11, 28), QDate(2022, 11, 26)));
    QCOMPARE(counts(), u"1 service, 3 hymns"_s);

    preset->setCurrentIndex(int(Report::Preset::Custom));
    QVERIFY(from->isEnabled() && to->isEnabled());
    from->setDate(QDate(2020, 2, 1));
    to->setDate(QDate(2021, 12, 31));
    QCOMPARE(counts(), u"2 services, 3 hymns"_s);

    // Counting every use of a hymn: Alpha twice in one service.
    preset->setCurrentIndex(int(Report::Preset::All));
    auto *table = part<QTableView>(report, "ReportTable");
    report->findChild<QCheckBox *>(u"ReportOncePerService"_s)->setChecked(false);
    const QByteArray twice = kLog + "\nJul 4, 2022\n100 Alpha Hymn\n100 Alpha Hymn\n";
    m_window->openFile(NativePath::fromText(m_folder->write(u"log.txt"_s, twice)));
    QCOMPARE(numbersShown(table).first(), u"100"_s);
    QCOMPARE(table->model()->index(0, ReportModel::Uses).data().toString(), u"6"_s);
    report->findChild<QCheckBox *>(u"ReportOncePerService"_s)->setChecked(true);
    QCOMPARE(table->model()->index(0, ReportModel::Uses).data().toString(), u"5"_s);
}

void TestReport::sortsByHeaderClick_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("first");

    QTest::newRow("uses, most first") << int(ReportModel::Uses) << int(Qt::DescendingOrder)
                                      << QStringList{u"100"_s, u"200"_s};
    QTest::newRow("last used, longest ago first")
        << int(ReportModel::LastUsed) << int(Qt::AscendingOrder) << QStringList{u"300"_s, u"9"_s};
    QTest::newRow("numbers by value") << int(ReportModel::Number) << int(Qt::AscendingOrder)
                                      << QStringList{u"9"_s, u"10"_s, u"100"_s, u"200"_s, u"300"_s};
}

void TestReport::sortsByHeaderClick()
{
    QFETCH(int, column);
    QFETCH(int, order);
    QFETCH(QStringList, first);
    ReportWindow *report = openReport();
    auto *table = part<QTableView>(report, "ReportTable");
    QHeaderView *header = table->horizontalHeader();
    // A click sorts by a new column, a second click turns the order round.
    for (int click = 0; click < 3; ++click) {
        if (header->sortIndicatorSection() == column && header->sortIndicatorOrder() == Qt::SortOrder(order))
            break;
        const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
    }
    QCOMPARE(header->sortIndicatorSection(), column);
    QCOMPARE(int(header->sortIndicatorOrder()), order);

    const QStringList numbers = numbersShown(table);
    QCOMPARE(numbers.mid(0, first.size()), first);
    QCOMPARE(numbers.size(), 5);
    // Every neighbour pair in order, by the values themselves rather than their texts.
    for (int row = 1; row < numbers.size(); ++row) {
        const QVariant above = table->model()->index(row - 1, column).data(ReportModel::SortRole);
        const QVariant below = table->model()->index(row, column).data(ReportModel::SortRole);
        const auto ordering = QVariant::compare(above, below);
        QVERIFY2(order == Qt::AscendingOrder ? ordering != QPartialOrdering::Greater
                                             : ordering != QPartialOrdering::Less,
                 qPrintable(numbers.join(u' ')));
    }
}

void TestReport::filterNarrows_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("numbers");
    QTest::addColumn<QString>("status");

    QTest::newRow("a title in another case") << u"gAMMA"_s << QStringList{u"300"_s} << u"(1 shown)"_s;
    QTest::newRow("a number and those holding it") << u"10"_s << QStringList{u"10"_s, u"100"_s} << u"(2 shown)"_s;
    QTest::newRow("nothing") << u"zeta"_s << QStringList{} << u"(0 shown)"_s;
    QTest::newRow("everything") << u"hymn"_s << QStringList{u"9"_s, u"10"_s, u"100"_s, u"200"_s, u"300"_s}
                                << u"5 hymns"_s;
}

void TestReport::filterNarrows()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, numbers);
    ReportWindow *report = openReport();
    auto *table = part<QTableView>(report, "ReportTable");
    table->sortByColumn(ReportModel::Number, Qt::AscendingOrder);
    QTest::keyClicks(part<QLineEdit>(report, "ReportFilter"), typed);
    QCOMPARE(numbersShown(table), numbers);
    QFETCH(QString, status);
    QVERIFY(part<QLabel>(report, "ReportStatus")->text().section(u". "_s, 0, 0).endsWith(status));
}

void TestReport::chartDrawsTheCounts()
{
    ReportWindow *report = openReport();
    auto *chart = part<ReportChart>(report, "ReportChart");
    auto *table = part<QTableView>(report, "ReportTable");
    QCOMPARE(chart->data().labels, (QStringList{u"2020"_s, u"2021"_s, u"2022"_s}));
    QCOMPARE(chart->data().values, (std::vector<int>{4, 2, 3}));
    QVERIFY(chart->data().title.contains(u"All hymns"_s));

    // The bars drawn stand in the proportion of their counts.
    QImage image = chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int h2020 = paintedHeight(chart, image, 0);
    const int h2021 = paintedHeight(chart, image, 1);
    const int h2022 = paintedHeight(chart, image, 2);
    QVERIFY2(h2021 > 10, qPrintable(QString::number(h2021)));
    QVERIFY(qAbs(h2020 - 2 * h2021) <= 2);
    QVERIFY(qAbs(2 * h2022 - 3 * h2021) <= 2);

    // Choosing rows charts only them, and the title names them.
    table->sortByColumn(ReportModel::Number, Qt::AscendingOrder);
    table->selectRow(4); // 300 Gamma, sung only in 2020
    QCOMPARE(chart->data().values, (std::vector<int>{1, 0, 0}));
    QVERIFY(chart->data().title.endsWith(u"Gamma Hymn"_s));
    image = chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(paintedHeight(chart, image, 0) > 10);
    QCOMPARE(paintedHeight(chart, image, 1), 0);
    QCOMPARE(paintedHeight(chart, image, 2), 0);

    table->selectAll();
    QVERIFY(chart->data().title.endsWith(u"+ 2 more"_s));
    QCOMPARE(chart->data().values, (std::vector<int>{4, 2, 3}));
}

void TestReport::copyAndFiles()
{
    ReportWindow *report = openReport();
    auto *table = part<QTableView>(report, "ReportTable");
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(part<QPushButton>(report, "ReportCopy"), Qt::LeftButton);
    QStringList lines = QGuiApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines.first(), ReportModel::headers().join(u'\t'));

    // Ctrl+C in the table copies the selected rows only.
    table->sortByColumn(ReportModel::Number, Qt::AscendingOrder);
    table->selectRow(2);
    report->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(report));
    table->setFocus();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    lines = QGuiApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.at(1).startsWith(u"100\tAlpha Hymn\t4\t2020-01-05\t2022-06-06\t0"_s));

    // The CSV holds the rows shown, in their order, after the header row.
    QTest::keyClicks(part<QLineEdit>(report, "ReportFilter"), u"l"_s);
    const QString csv = m_folder->filePath(u"out.csv"_s);
    m_dialogs.saveAnswers = {csv};
    QTest::mouseClick(part<QPushButton>(report, "ReportExportCsv"), Qt::LeftButton);
    QCOMPARE(m_dialogs.shown.last().kind, u"save"_s);
    QVERIFY(m_dialogs.shown.last().text.endsWith(u"hymn-usage 2020-01-05 to 2022-06-06.csv"_s));
    QFile written(csv);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QList<QStringList> expected = report->records(false);
    QCOMPARE(expected.size(), 3); // Alpha, Delta, Epsilon
    expected.prepend(ReportModel::headers());
    QCOMPARE(written.readAll(), Report::csvFileOf(expected, ReportModel::textColumns()));
    QCOMPARE(part<QStatusBar>(report, "ReportStatusBar")->currentMessage(), u"Saved out.csv"_s);

    // A folder that is not there: the user is told, and nothing is written.
    m_dialogs.saveAnswers = {m_folder->filePath(u"gone/out.csv"_s)};
    QTest::mouseClick(part<QPushButton>(report, "ReportExportCsv"), Qt::LeftButton);
    QCOMPARE(m_dialogs.messages().size(), 1);
    QVERIFY(m_dialogs.messages().first().text.contains(u"gone"_s));
    // A cancelled chooser writes nothing and says nothing.
    QTest::mouseClick(part<QPushButton>(report, "ReportExportCsv"), Qt::LeftButton);
    QCOMPARE(m_dialogs.messages().size(), 1);

    // The chart as a picture, from its context menu.
    const QString png = m_folder->filePath(u"chart.png"_s);
    m_dialogs.saveAnswers = {png};
    action(*report, "actReportSavePng")->trigger();
    QVERIFY(!QImage(png).isNull());

    const QString pdf = m_folder->filePath(u"report.pdf"_s);
    m_dialogs.saveAnswers = {pdf};
    QTest::mouseClick(part<QPushButton>(report, "ReportExportPdf"), Qt::LeftButton);
    QVERIFY(QFileInfo(pdf).size() > 0);
    const QString text = QString::fromUtf8(runTool(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s}));
    if (text.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: the PDF's text is not checked");
    QVERIFY(text.contains(u"Hymn usage: log.txt"_s));
    QVERIFY(text.contains(u"Alpha Hymn"_s));
    QVERIFY(!text.contains(u"Beta Hymn"_s)); // filtered out
    QVERIFY(pagesOf(pdf) > 0);
}

void TestReport::pdfPages_data()
{
    QTest::addColumn<int>("paper");
    QTest::newRow("A4") << int(QPageSize::A4);
    QTest::newRow("Letter") << int(QPageSize::Letter);
}

void TestReport::pdfPages()
{
    QFETCH(int, paper);
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: the printed pages are not checked");
    // Enough hymns for several pages, with titles long enough to need most of the width.
    QByteArray log = "Jan 2, 2022\n";
    for (int hymn = 1; hymn <= 150; ++hymn)
        log += QByteArray::number(hymn) + " Hymn number " + QByteArray::number(hymn) + " of the long list\n";
    ReportWindow *report = openReport(log);
    QVERIFY(report);
    const QString pdf = m_folder->filePath(u"pages.pdf"_s);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::PageSizeId(paper)));
    QVERIFY(ReportPrinter(report->exports()->document()).print(printer));

    const int pages = pagesOf(pdf);
    QVERIFY2(pages > 1, qPrintable(QString::number(pages)));
    const QString text = QString::fromUtf8(runTool(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s}));
    for (int page = 1; page <= pages; ++page)
        QVERIFY2(text.contains(u"Page %1 of %2"_s.arg(page).arg(pages)), qPrintable(QString::number(page)));
    // No row is lost or doubled at a page break, and the header row heads every page.
    for (int hymn = 1; hymn <= 150; ++hymn)
        QCOMPARE(text.count(u"Hymn number %1 of the long list"_s.arg(hymn)), 1);
    QCOMPARE(text.count(QRegularExpression(u"Hymn #\\s+Title"_s)), pages);
}

void TestReport::followsTheMainWindow()
{
    ReportWindow *report = openReport();
    auto *table = part<QTableView>(report, "ReportTable");
    QCOMPARE(table->model()->rowCount(), 5);
    auto *hymnmbr = m_window->form()->findChild<QLineEdit *>(u"hymnmbr"_s);
    hymnmbr->setText(u"200"_s);
    // Typing is not a search: the report waits for Find or Tally.
    QCOMPARE(table->model()->rowCount(), 5);
    action(*m_window, "actFind")->trigger();
    QCOMPARE(numbersShown(table), QStringList{u"200"_s});
    action(*m_window, "actClear")->trigger();
    QCOMPARE(table->model()->rowCount(), 5);
    hymnmbr->setText(u"300"_s);
    action(*m_window, "actTally")->trigger();
    QCOMPARE(numbersShown(table), QStringList{u"300"_s});

    m_window->openFile(NativePath::fromText(m_folder->write(u"Hymnal.txt"_s, sample("Hymnal.txt"))));
    QVERIFY(!report->isVisible());
    // Opened again on a log, it shows that log.
    m_window->openFile(NativePath::fromText(m_folder->write(u"other.txt"_s, "Jan 3, 2021\n1 Only Hymn\n")));
    action(*m_window, "actReport")->trigger();
    QVERIFY(report->isVisible());
    QCOMPARE(numbersShown(table), QStringList{u"1"_s});
    QVERIFY(report->windowTitle().endsWith(u"other.txt"_s));
}

void TestReport::failedWriteKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("error"); // the system error the seam fails the write with; 0: a file size limit
    QTest::addColumn<QString>("reason");
    const SystemFiles::SystemError full = SystemFiles::diskFull();
    const SystemFiles::SystemError denied = SystemFiles::accessDenied();
    QTest::newRow("CSV, full disk") << u"csv"_s << full.code << full.reason;
    QTest::newRow("PDF, no permission") << u"pdf"_s << denied.code << denied.reason;
    QTest::newRow("PNG, full disk") << u"png"_s << full.code << full.reason;
    if (SystemFiles::FileSizeLimit::supported()) {
        for (const QString &kind : {u"csv"_s, u"pdf"_s, u"png"_s})
            QTest::addRow("%s, size limit", qPrintable(kind.toUpper()))
                << kind << 0 << SystemFiles::FileSizeLimit::reason();
    }
}

void TestReport::failedWriteKeepsTheOldFile()
{
    QFETCH(QString, kind);
    QFETCH(int, error);
    ReportWindow *report = openReport();
    const auto exportTo = [&](const QString &path) {
        m_dialogs.saveAnswers = {path};
        if (kind == u"png"_s)
            action(*report, "actReportSavePng")->trigger();
        else
            part<QPushButton>(report, kind == u"csv"_s ? "ReportExportCsv" : "ReportExportPdf")->click();
        return contents(path);
    };
    const QString target = m_folder->filePath(u"report."_s + kind);
    const QByteArray good = exportTo(target);
    // What is written next differs, so that a file it replaced would show; its size sets the limit.
    QTest::keyClicks(part<QLineEdit>(report, "ReportFilter"), u"Alpha"_s);
    const qint64 next = exportTo(m_folder->filePath(u"next."_s + kind)).size();
    const QStringList files = QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden);
    {
        std::optional<SystemFiles::FileSizeLimit> limit;
        if (error == 0)
            limit.emplace(next / 2);
        SaveFile::failWritesWith(error);
        exportTo(target);
    }
    QVERIFY(!good.isEmpty());
    QCOMPARE(contents(target), good);
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden), files);
    QCOMPARE(m_dialogs.messages().size(), 1);
    QFETCH(QString, reason);
    QVERIFY2(m_dialogs.messages().first().text.contains(reason), qPrintable(m_dialogs.messages().first().text));
}

void TestReport::customRange_data()
{
    QTest::addColumn<QDate>("from"); // null: that end open
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("status");
    QTest::newRow("a plain date box's lowest") << QDate(1752, 9, 14) << QDate(1752, 9, 14) << u"1 service,"_s;
    QTest::newRow("before it") << QDate(1, 1, 1) << QDate(1752, 9, 13) << u"1 service,"_s;
    QTest::newRow("open start") << QDate() << QDate(1752, 9, 14) << u"2 services,"_s;
    QTest::newRow("open end") << QDate(1752, 9, 15) << QDate() << u"2 services,"_s;
    QTest::newRow("backwards") << QDate(1800, 1, 5) << QDate(1700, 1, 1) << u"From is after To"_s;
}

void TestReport::customRange()
{
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, status);
    ReportWindow *report =
        openReport("Mar 1, 1700\n1 Old\n\nSep 14, 1752\n2 New\n\nJan 5, 1800\n3 Later\n\nJun 6, 2020\n4 Recent\n");
    auto *fromOpen = part<QCheckBox>(report, "ReportFromOpen");
    // All is open at both ends, with nothing to edit.
    QVERIFY(fromOpen && fromOpen->isChecked() && part<QCheckBox>(report, "ReportToOpen")->isChecked());
    QVERIFY(!fromOpen->isEnabled());
    part<QComboBox>(report, "ReportPreset")->setCurrentIndex(int(Report::Preset::Custom));
    fromOpen->setChecked(from.isNull());
    part<QCheckBox>(report, "ReportToOpen")->setChecked(to.isNull());
    part<QDateEdit>(report, "ReportFrom")->setDate(from.isNull() ? QDate(2000, 1, 1) : from);
    auto *toBox = part<QDateEdit>(report, "ReportTo");
    toBox->setDate(QDate(1000, 1, 1));
    if (to.isValid()) {
        // A click and the date typed, separators and all, replace the date shown.
        report->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(report));
        part<QLineEdit>(report, "ReportFilter")->setFocus();
        QLineEdit *field = toBox->findChild<QLineEdit *>();
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width() - 8, field->height() / 2));
        QTest::keyClicks(toBox, to.toString(u"yyyy-MM-dd"_s));
        QTest::keyClick(toBox, Qt::Key_Tab);
        QCOMPARE(toBox->date(), to);
    }
    QCOMPARE(part<QDateEdit>(report, "ReportFrom")->isEnabled(), from.isValid());
    const QString shown = part<QLabel>(report, "ReportStatus")->text();
    QVERIFY2(shown.startsWith(status), qPrintable(shown));

    // The next run shows Custom as it was left, not open at both ends.
    report->close();
    m_window = std::make_unique<MainWindow>(&m_dialogs);
    report = openReport("Mar 1, 1700\n1 Old\n\nSep 14, 1752\n2 New\n\nJan 5, 1800\n3 Later\n\nJun 6, 2020\n4 Recent\n");
    QCOMPARE(part<QComboBox>(report, "ReportPreset")->currentIndex(), int(Report::Preset::Custom));
    QCOMPARE(part<QCheckBox>(report, "ReportFromOpen")->isChecked(), from.isNull());
    QCOMPARE(part<QCheckBox>(report, "ReportToOpen")->isChecked(), to.isNull());
    if (from.isValid())
        QCOMPARE(part<QDateEdit>(report, "ReportFrom")->date(), from);
    if (to.isValid())
        QCOMPARE(part<QDateEdit>(report, "ReportTo")->date(), to);
    QCOMPARE(part<QLabel>(report, "ReportStatus")->text(), shown);
    // A range that runs backwards leaves nothing to hand on.
    const bool handsOn = !status.startsWith(u"From"_s);
    for (const char *name : {"ReportCopy", "ReportExportCsv", "ReportExportPdf", "ReportPrint"})
        QCOMPARE(part<QPushButton>(report, name)->isEnabled(), handsOn);
    QCOMPARE(action(*report, "actReportCopy")->isEnabled(), handsOn);
}

void TestReport::fileTextStaysText()
{
    // A file named like markup, whose hymns are made to render as markup or to run in a spreadsheet.
    const QString path = m_folder->write(
        u"<h1>log.txt"_s, "Jan 3, 2021\n=1+1 <h1>BIG</h1><font color=red>x</font>\n-12 +cmd|' /C calc'!A0\n");
    if (!QFileInfo::exists(path))
        QSKIP("Windows names cannot hold < or >");
    m_window->openFile(NativePath::fromText(path));
    auto *showFile = m_window->form()->findChild<QLabel *>(u"ShowFile"_s);
    QCOMPARE(std::pair(showFile->text(), showFile->textFormat()), std::pair(u"<h1>log.txt"_s, Qt::PlainText));
    action(*m_window, "actReport")->trigger();
    auto *report = m_window->findChild<ReportWindow *>(u"UsageReport"_s);
    for (const char *name : {"ReportStatus", "ReportUndated"})
        QCOMPARE(part<QLabel>(report, name)->textFormat(), Qt::PlainText);
    auto *table = part<QTableView>(report, "ReportTable");
    table->sortByColumn(ReportModel::Number, Qt::DescendingOrder);
    const QString tip = table->model()->index(0, ReportModel::Title).data(Qt::ToolTipRole).toString();
    QVERIFY2(tip.contains(u"&lt;h1&gt;BIG"_s) && !tip.contains(u"<h1>"_s), qPrintable(tip));
    // Numbers and titles go out as text, counts and dates as they are.
    part<QPushButton>(report, "ReportCopy")->click();
    QVERIFY(QGuiApplication::clipboard()->text().contains(u"\n'-12\t'+cmd|' /C calc'!A0\t1\t2021-01-03\t"_s));
}

void TestReport::latestServiceAfterToday_data()
{
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<bool>("countPlanned");
    QTest::addColumn<QString>("status");

    const QByteArray mistyped = "Jan 8, 2023\n1 A\n\nJan 3, 9999\n2 B\n";
    const QString leftOut = u"1 planned service after today is not counted"_s;
    const QString counted = u"1 planned service after today is counted"_s;
    QTest::newRow("a mistyped year, planned left out")
        << mistyped << QDate(2024, 1, 1) << false
        << u"1 service, 1 hymn. Counted from 2023-01-08, the latest service up to today. %1. The head line “Jan 3, "
           "9999” is dated more than a year after today: check its year"_s.arg(leftOut);
    QTest::newRow("a mistyped year, planned counted")
        << mistyped << QDate(2024, 1, 1) << true
        << u"2 services, 2 hymns. Counted from 9999-01-03, the latest service — after today: check the head line “Jan "
           "3, 9999”. %1"_s.arg(counted);
    QTest::newRow("on the day") << mistyped << QDate(9999, 1, 3) << false
                                << u"2 services, 2 hymns. Counted from 9999-01-03, the latest service"_s;
    QTest::newRow("next Sunday's service is no mistyped year")
        << QByteArray("Jan 8, 2023\n1 A\n\nJan 15, 2023\n2 B\n") << QDate(2023, 1, 10) << false
        << u"1 service, 1 hymn. Counted from 2023-01-08, the latest service up to today. %1"_s.arg(leftOut);
}

void TestReport::latestServiceAfterToday()
{
    QFETCH(QByteArray, log);
    QFETCH(QDate, today);
    QFETCH(bool, countPlanned);
    Clock::setToday(today);
    ReportWindow *report = openReport(log);
    part<QCheckBox>(report, "ReportCountPlanned")->setChecked(countPlanned);
    QTEST(part<QLabel>(report, "ReportStatus")->text(), "status");
}

// With a hymnal set, each hymn's credits line is a column of its own, which copies, exports and printouts carry.
void TestReport::creditsFromTheHymnal()
{
    QVERIFY(m_window->setHymnal(NativePath::fromText(m_folder->write(
        u"hymnal.txt"_s, "100 Alpha Hymn\nWords: Ann Author, 1900\n--\n(v1) A line\n\n9 Delta\n--\n(v1) Words\n"))));
    ReportWindow *report = openReport();
    auto *table = part<QTableView>(report, "ReportTable");
    QCOMPARE(table->model()->headerData(ReportModel::Credits, Qt::Horizontal).toString(), u"Credits"_s);

    // The sort box names the new column and still shows the order the table has.
    auto *sort = part<QComboBox>(report, "ReportSort");
    QCOMPARE(sort->count(), int(ReportModel::ColumnCount));
    QCOMPARE(sort->currentIndex(), table->horizontalHeader()->sortIndicatorSection());
    table->sortByColumn(ReportModel::Number, Qt::AscendingOrder);
    QCOMPARE(table->model()->index(2, ReportModel::Credits).data().toString(), u"Words: Ann Author, 1900"_s);

    const QString csv = m_folder->filePath(u"credits.csv"_s);
    m_dialogs.saveAnswers = {csv};
    part<QPushButton>(report, "ReportExportCsv")->click();
    const QString written = QString::fromUtf8(contents(csv));
    QVERIFY2(written.contains(u",Credits\r\n"_s) &&
                 written.contains(u",Words: Ann Author, 1900\r\n"_s.replace(u"Words: Ann Author, 1900"_s,
                                                                            u"\"Words: Ann Author, 1900\""_s)),
             qPrintable(written));
    const QString pdf = m_folder->filePath(u"credits.pdf"_s);
    m_dialogs.saveAnswers = {pdf};
    part<QPushButton>(report, "ReportExportPdf")->click();
    const QString text = QString::fromUtf8(runTool(u"pdftotext"_s, {pdf, u"-"_s}));
    if (!text.isEmpty())
        QVERIFY2(text.contains(u"Ann Author"_s), qPrintable(text));

    // Without the hymnal the column goes, from the table and from what is copied.
    m_window->clearHymnal();
    QCOMPARE(table->model()->columnCount(), int(ReportModel::Credits));
    part<QPushButton>(report, "ReportCopy")->click();
    QCOMPARE(QGuiApplication::clipboard()->text().section(u'\n', 0, 0), ReportModel::headers().join(u'\t'));
}

// POSIX only: a folder whose name is Latin-1 bytes, which Windows names cannot be.
void TestReport::exportBesideALatin1Name_data()
{
    QTest::addColumn<bool>("suggested"); // the suggested folder kept, or another such folder chosen
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("the loaded file's folder") << true
                                              << QByteArray("lat\xe9"
                                                            "dir/mine.csv");
    QTest::newRow("another folder named in Latin-1") << false << QByteArray();
}

void TestReport::exportBesideALatin1Name()
{
    if (!SystemFiles::hasByteNames())
        QSKIP("Windows names are UTF-16: a name cannot be Latin-1 bytes");
    QFETCH(bool, suggested);
    QFETCH(QByteArray, written);
    const QByteArray base = QFile::encodeName(m_folder->path()) + '/';
    for (const QByteArray folder : {"lat\xe9"
                                    "dir",
                                    "autre\xe9"})
        QVERIFY(SystemFiles::makeFolder(base + folder));
    const QByteArray log = base + "lat\xe9"
                                  "dir/log.txt";
    QVERIFY(SystemFiles::writeFile(log, kLog));
    m_window->openFile(NativePath::fromUnits(log));
    action(*m_window, "actReport")->trigger();
    auto *report = m_window->findChild<ReportWindow *>(u"UsageReport"_s);
    QVERIFY(report);

    // The dialog hands back text, the folder's bytes shown as U+FFFD.
    const QString folder = QFile::decodeName(base + (suggested ? "lat\xe9"
                                                                 "dir"
                                                               : "autre\xe9"));
    QVERIFY(folder.contains(QChar::ReplacementCharacter));
    m_dialogs.saveAnswers = {folder + u"/mine.csv"_s};
    part<QPushButton>(report, "ReportExportCsv")->click();
    for (const QByteArray place : {"lat\xe9"
                                   "dir/mine.csv",
                                   "autre\xe9/mine.csv"})
        QCOMPARE(SystemFiles::exists(base + place), place == written);
    QCOMPARE(m_dialogs.messages().size(), suggested ? 0 : 1);
    // Nothing is written under the text's own bytes either.
    QVERIFY(!QFileInfo::exists(folder + u"/mine.csv"_s));
    for (const QByteArray place : {"lat\xe9"
                                   "dir/mine.csv",
                                   "lat\xe9"
                                   "dir/log.txt",
                                   "lat\xe9"
                                   "dir",
                                   "autre\xe9"})
        SystemFiles::remove(base + place);
}

void TestReport::keyboardOnly()
{
    ReportWindow *report = openReport();
    report->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(report));
    auto *table = part<QTableView>(report, "ReportTable");
    auto *sort = part<QComboBox>(report, "ReportSort");
    auto *descending = part<QCheckBox>(report, "ReportDescending");
    QVERIFY(sort && descending);
    QStringList columns;
    for (int i = 0; i < sort->count(); ++i)
        columns.append(sort->itemText(i));
    QCOMPARE(columns, ReportModel::headers());

    // Sorted by Last used, longest ago first, by mnemonics and arrows alone; the header follows.
    QTest::keyClick(report, Qt::Key_S, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), sort);
    QTest::keyClick(sort, Qt::Key_Down);
    QTest::keyClick(sort, Qt::Key_Down);
    QTest::keyClick(report, Qt::Key_E, Qt::AltModifier);
    QHeaderView *header = table->horizontalHeader();
    // A check box's mnemonic clicks it a moment later, as a button shows itself pressed.
    QTRY_COMPARE(std::pair(header->sortIndicatorSection(), header->sortIndicatorOrder()),
                 std::pair(int(ReportModel::LastUsed), Qt::AscendingOrder));
    QCOMPARE(numbersShown(table).mid(0, 2), (QStringList{u"300"_s, u"9"_s}));
    // A click on a header moves the box and the order with it.
    const QPoint number(header->sectionViewportPosition(ReportModel::Number) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, number);
    QCOMPARE(std::pair(sort->currentIndex(), descending->isChecked()),
             std::pair(int(ReportModel::Number), header->sortIndicatorOrder() == Qt::DescendingOrder));

    // Tab passes through the table once, leaving its selection (and the chart) as it was.
    table->selectRow(1);
    const std::vector<int> charted = part<ReportChart>(report, "ReportChart")->data().values;
    QCOMPARE(tabChain(part<QComboBox>(report, "ReportPreset")),
             (QStringList{u"ReportPreset"_s, u"ReportOncePerService"_s, u"ReportCountPlanned"_s, u"ReportFilter"_s,
                          u"ReportSort"_s, u"ReportDescending"_s, u"ReportTable"_s, u"ReportChart"_s, u"ReportCopy"_s,
                          u"ReportExportCsv"_s, u"ReportExportPdf"_s, u"ReportPrint"_s, u"ReportSaveChart"_s,
                          u"ReportClose"_s}));
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), descending);
    QCOMPARE(table->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(part<ReportChart>(report, "ReportChart")->data().values, charted);
    // The table shows that it has the focus, with a frame no row covers.
    const auto corner = [table] {
        const QImage image = table->viewport()->grab().toImage();
        return image.pixelColor(1, image.height() - 2);
    };
    const QColor unfocused = corner();
    table->setFocus();
    QVERIFY(corner() != unfocused);
    QTest::keyClick(table, Qt::Key_Escape);
    QVERIFY(!report->isVisible());
}

void TestReport::namedForScreenReaders()
{
    ReportWindow *report = openReport();
    QList<QWidget *> controls;
    for (const char *name : {"ReportPreset", "ReportFrom", "ReportTo", "ReportFromOpen", "ReportToOpen",
                             "ReportOncePerService", "ReportCountPlanned", "ReportFilter", "ReportSort",
                             "ReportDescending", "ReportTable", "ReportChart", "ReportSplitter"})
        controls.append(part<QWidget>(report, name));
    for (QPushButton *button : report->findChildren<QPushButton *>())
        controls.append(button);
    controls.append(part<QSplitter>(report, "ReportSplitter")->handle(1));
    for (QWidget *control : std::as_const(controls)) {
        QVERIFY(control);
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
        QVERIFY2(face && !face->text(QAccessible::Name).isEmpty(), qPrintable(control->objectName()));
    }
    // The chart's bars as text, following the rows chosen.
    QAccessibleInterface *chart = QAccessible::queryAccessibleInterface(part<ReportChart>(report, "ReportChart"));
    QCOMPARE(chart->text(QAccessible::Description),
             u"Uses per year, 2020-01-05 to 2022-06-06, All hymns: 2020 4, 2021 2, 2022 3"_s);
    part<QLineEdit>(report, "ReportFilter")->setText(u"Gamma"_s);
    QVERIFY2(chart->text(QAccessible::Description).endsWith(u"(1): 2020 1, 2021 0, 2022 0"_s),
             qPrintable(chart->text(QAccessible::Description)));
}

void TestReport::fitsASmallScreen()
{
    ReportWindow *report = openReport();
    // The offscreen screen is 800 × 600, smaller than the window would like.
    QVERIFY(report->screen()->availableGeometry().contains(report->frameGeometry()));
    QVERIFY2(report->minimumSize().boundedTo(QSize(640, 480)) == report->minimumSize(),
             qPrintable(u"%1 x %2"_s.arg(report->minimumWidth()).arg(report->minimumHeight())));
    report->resize(640, 480);
    QTRY_COMPARE(report->size(), QSize(640, 480));
    QCoreApplication::processEvents();
    // Every control inside the window, at no less than its least size, none over another.
    QList<QPair<QString, QRect>> places;
    for (QWidget *control : report->findChildren<QWidget *>(QRegularExpression(u"^Report"_s))) {
        if (!control->isVisibleTo(report) || control->objectName() == u"ReportSplitter"_s ||
            qobject_cast<QLabel *>(control) != nullptr)
            continue;
        const QRect place(control->mapTo(report, QPoint()), control->size());
        QVERIFY2(report->rect().contains(place), qPrintable(control->objectName()));
        QVERIFY2(control->width() >= control->minimumSizeHint().width() &&
                     control->height() >= control->minimumSizeHint().height(),
                 qPrintable(control->objectName()));
        for (const auto &[name, other] : std::as_const(places))
            QVERIFY2(!place.intersects(other), qPrintable(control->objectName() + u" over "_s + name));
        places.append({control->objectName(), place});
    }
    QCOMPARE(places.size(), 19);
}

// A date box gives its text room for any date in the font and style in use: a style that draws the calendar's
// drop-down as a combo box's (Windows') leaves the text less room than a spin box's would.
void TestReport::datesShownWhole_data()
{
    QTest::addColumn<QString>("style");
    QTest::newRow("Fusion") << u"Fusion"_s;
    QTest::newRow("Windows") << u"Windows"_s;
}

void TestReport::datesShownWhole()
{
    QFETCH(QString, style);
    ReportWindow *report = openReport();
    const std::unique_ptr<QStyle> look(QStyleFactory::create(style));
    QVERIFY(look);
    for (const char *name : {"ReportFrom", "ReportTo"}) {
        auto *box = part<QDateEdit>(report, name);
        box->setStyle(look.get());
        box->resize(box->sizeHint());
        const auto *edit = box->findChild<QLineEdit *>();
        for (const QDate date : {QDate(2021, 1, 8), QDate(2888, 8, 28), QDate(4444, 4, 4)}) {
            box->setDate(date);
            // The line edit keeps two pixels either side of its text and one for the cursor.
            QVERIFY2(edit->fontMetrics().horizontalAdvance(edit->text()) <= edit->contentsRect().width() - 5,
                     qPrintable(edit->text()));
        }
        box->setStyle(nullptr);
    }
}

// An installed sample's folder cannot be written by the user: the export dialog starts in the documents instead.
void TestReport::exportStartsWhereItCanBeWritten()
{
    // In a folder of its own, which is not the process's current one: Windows renames no current folder.
    const QString folder = m_folder->filePath(u"sub"_s);
    QVERIFY(QDir().mkdir(folder));
    m_window->openFile(NativePath::fromText(m_folder->write(u"sub/log.txt"_s, kLog)));
    action(*m_window, "actReport")->trigger();
    auto *report = m_window->findChild<ReportWindow *>(u"UsageReport"_s);
    QVERIFY(report);
    const auto suggestedFolder = [&] {
        m_dialogs.saveAnswers = {QString()};
        part<QPushButton>(report, "ReportExportCsv")->click();
        const QString suggested = m_dialogs.shown.last().text;
        return QDir::cleanPath(suggested.left(suggested.lastIndexOf(u'/')));
    };
    QCOMPARE(suggestedFolder(), QDir::cleanPath(folder));
    // The folder is there no more: nothing can be written where the log was.
    QVERIFY(QDir().rename(folder, folder + u"-moved"_s));
    const QString documents = suggestedFolder();
    QCOMPARE(documents, QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)));
}

void TestReport::keptBetweenRuns_data()
{
    QTest::addColumn<QRect>("left"); // where the window was closed
    QTest::newRow("on the screen") << QRect(50, 60, 700, 500);
    QTest::newRow("on a screen no longer there") << QRect(5000, -4000, 700, 500);
    QTest::newRow("larger than the screen") << QRect(-20, 30, 1900, 1400);
}

void TestReport::keptBetweenRuns()
{
    QFETCH(QRect, left);
    const QRect first(50, 60, 700, 500);
    ReportWindow *report = openReport();
    report->setGeometry(first);
    part<QComboBox>(report, "ReportPreset")->setCurrentIndex(int(Report::Preset::LatestYear));
    part<QComboBox>(report, "ReportSort")->setCurrentIndex(ReportModel::Title);
    auto *splitter = part<QSplitter>(report, "ReportSplitter");
    splitter->setSizes({200, 400});
    const QList<int> split = splitter->sizes();
    report->close();
    m_window.reset();
    QCOMPARE(programSettings()->value(u"report/geometry"_s).toRect(), first);
    programSettings()->setValue(u"report/geometry"_s, left);

    m_window = std::make_unique<MainWindow>(&m_dialogs);
    report = openReport();
    // Wholly on the screen, as large as it was where the screen has room.
    const QRect screen = report->screen()->availableGeometry();
    QVERIFY(screen.contains(report->frameGeometry()));
    const QSize frame = report->frameGeometry().size() - report->size();
    QCOMPARE(report->size(), left.size().boundedTo(screen.size() - frame));
    if (left == first) {
        QCOMPARE(report->geometry(), first);
        QCOMPARE(part<QSplitter>(report, "ReportSplitter")->sizes(), split);
    }
    QCOMPARE(part<QComboBox>(report, "ReportPreset")->currentIndex(), int(Report::Preset::LatestYear));
    QCOMPARE(part<QLabel>(report, "ReportStatus")->text().section(u". "_s, 0, 0), u"1 service, 3 hymns"_s);
    QCOMPARE(std::pair(part<QTableView>(report, "ReportTable")->horizontalHeader()->sortIndicatorSection(),
                       part<QCheckBox>(report, "ReportDescending")->isChecked()),
             std::pair(int(ReportModel::Title), true));
}

void TestReport::exportsCompleteTheName_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("there"); // a file of the written name is there before
    QTest::addColumn<bool>("asked"); // the report asks before replacing it
    QTest::addColumn<bool>("replace");
    QTest::newRow("no extension") << u"csv"_s << u"hymns 2024"_s << u"hymns 2024.csv"_s << false << false << true;
    QTest::newRow("a dot in the name") << u"csv"_s << u"hymns v2.1"_s << u"hymns v2.1.csv"_s << false << false << true;
    QTest::newRow("extension in capitals") << u"pdf"_s << u"Report.PDF"_s << u"Report.PDF"_s << false << false << true;
    QTest::newRow("completed name there, replaced")
        << u"pdf"_s << u"report"_s << u"report.pdf"_s << true << true << true;
    QTest::newRow("completed name there, kept") << u"png"_s << u"chart"_s << u"chart.png"_s << true << true << false;
    QTest::newRow("typed name there: the dialog asked")
        << u"png"_s << u"chart.png"_s << u"chart.png"_s << true << false << true;
}

void TestReport::exportsCompleteTheName()
{
    QFETCH(QString, kind);
    QFETCH(QString, written);
    QFETCH(bool, there);
    QFETCH(bool, replace);
    ReportWindow *report = openReport();
    if (there)
        m_folder->write(written, "old");
    QFETCH(QString, typed);
    m_dialogs.saveAnswers = {m_folder->filePath(typed)};
    m_dialogs.confirmAnswers = {replace};
    if (kind == u"png"_s)
        part<QPushButton>(report, "ReportSaveChart")->click();
    else
        part<QPushButton>(report, kind == u"csv"_s ? "ReportExportCsv" : "ReportExportPdf")->click();
    const QByteArray bytes = contents(m_folder->filePath(written));
    QVERIFY(replace ? bytes.size() > 100 : bytes == "old");
    const auto confirms =
        int(std::count_if(m_dialogs.shown.cbegin(), m_dialogs.shown.cend(),
                          [](const ScriptedDialogs::Shown &one) { return one.kind == u"confirm"_s; }));
    QFETCH(bool, asked);
    QCOMPARE(confirms, asked ? 1 : 0);
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files).size(), 2); // the log and the export
}

void TestReport::chartPicture()
{
    ReportWindow *report = openReport();
    auto *table = part<QTableView>(report, "ReportTable");
    auto *chart = part<ReportChart>(report, "ReportChart");
    table->sortByColumn(ReportModel::Number, Qt::DescendingOrder);
    table->selectionModel()->select(QItemSelection(table->model()->index(0, 0), table->model()->index(2, 0)),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
    const QString names = u"3 hymns: Gamma Hymn, Beta Hymn, Alpha Hymn"_s;
    QCOMPARE(report->exports()->pictureData().title.section(u'\n', 1), names);
    QVERIFY(report->exports()->document().notes.contains(
        u"Chart of the 3 selected hymns: Gamma Hymn, Beta Hymn, Alpha Hymn"_s));

    // Saved at a print-like size in the paper's colours, whatever the screen's theme.
    QPalette dark(QColor(53, 53, 53));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, Qt::white);
    chart->setPalette(dark);
    m_dialogs.saveAnswers = {m_folder->filePath(u"chart.png"_s)};
    part<QPushButton>(report, "ReportSaveChart")->click();
    const QImage picture(m_folder->filePath(u"chart.png"_s));
    QVERIFY(picture.width() >= 1600 && picture.height() >= 900);
    QCOMPARE(picture.pixelColor(2, 2), QColor(Qt::white));

    // On screen, the grid lines stand out from the dark ground: look down the gap left of the first bar.
    const QImage screen = chart->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int x = chart->barRect(0).left() - 2;
    int lines = 0;
    for (int y = chart->barRect(0).top(); y < chart->barRect(0).bottom(); ++y)
        lines += qGray(screen.pixel(x, y)) - 30 >= 40 ? 1 : 0;
    QVERIFY2(lines >= 2, qPrintable(QString::number(lines)));
}

void TestReport::undatedNote_data()
{
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<int>("preset");
    QTest::addColumn<QString>("note");
    const QByteArray two = kLog + "\nEaster Vigil\n100 Alpha Hymn\n";
    QTest::newRow("one, all") << kLog << int(Report::Preset::All)
                              << u"1 service has no date in its head line: counted in the table, not in the chart."_s;
    QTest::newRow("one, a year") << kLog << int(Report::Preset::LatestYear)
                                 << u"1 service has no date in its head line: counted only under All."_s;
    QTest::newRow("two, all") << two << int(Report::Preset::All)
                              << u"2 services have no date in their head line: counted in the table, not in the "
                                 "chart."_s;
    QTest::newRow("two, a year") << two << int(Report::Preset::LatestYear)
                                 << u"2 services have no date in their head line: counted only under All."_s;
}

void TestReport::undatedNote()
{
    QFETCH(QByteArray, log);
    QFETCH(int, preset);
    ReportWindow *report = openReport(log);
    part<QComboBox>(report, "ReportPreset")->setCurrentIndex(preset);
    QTEST(part<QLabel>(report, "ReportUndated")->text(), "note");
}

void TestReport::printoutCanBeStopped_data()
{
    QTest::addColumn<int>("stopAt"); // -1: not stopped
    QTest::addColumn<bool>("there"); // a file of that name is there before
    QTest::newRow("stopped, a new name") << 2 << false;
    QTest::newRow("stopped, replacing") << 2 << true;
    QTest::newRow("to the end") << -1 << true;
}

void TestReport::printoutCanBeStopped()
{
    QFETCH(int, stopAt);
    QFETCH(bool, there);
    QByteArray log = "Jan 2, 2022\n";
    for (int hymn = 1; hymn <= 150; ++hymn)
        log += QByteArray::number(hymn) + " Hymn " + QByteArray::number(hymn) + "\n";
    ReportWindow *report = openReport(log);
    StoppingProgress progress;
    progress.stopAt = stopAt;
    report->exports()->setProgress(&progress);
    const QString pdf = m_folder->filePath(u"report.pdf"_s);
    if (there)
        m_folder->write(u"report.pdf"_s, "old");
    const QStringList files = QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden);
    m_dialogs.saveAnswers = {pdf};
    part<QPushButton>(report, "ReportExportPdf")->click();
    report->exports()->setProgress(nullptr);
    QVERIFY(progress.ended && progress.steps > 2);
    QCOMPARE(progress.done.size(), stopAt < 0 ? progress.steps : stopAt);
    QVERIFY(m_dialogs.messages().isEmpty());
    if (stopAt < 0) {
        QVERIFY(contents(pdf).startsWith("%PDF"));
        return;
    }
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Hidden), files);
    QCOMPARE(contents(pdf), there ? QByteArray("old") : QByteArray());
}

QTEST_MAIN(TestReport)
#include "tst_gui_report.moc"
