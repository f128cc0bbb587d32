// SPDX-License-Identifier: GPL-3.0-or-later
// The Suggest Hymns window over the real main window and the sample files: what typed readings list and in which
// order, the header and the sort box in step, the keys, the copy, how it follows the hymnal and the log, and the
// day's readings from the lectionary beside the hymnal, for a date of its own or Add Service's.
#include "mainwindowfixture.h"
#include "scripteddialogs.h"
#include "testfiles.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableView>
#include <QWindow>
#include <QtTest>

#include "app/logbook/addservicedialog.h"
#include "app/mainwindow/mainwindow.h"
#include "app/plan/suggestwindow.h"
#include "workspace/hymnal.h"

using namespace Qt::StringLiterals;

namespace {

// Never sung in the sample log, with a title a spreadsheet would run.
const QByteArray kHostileHymn = "\n999 =HYPERLINK(\"http://x.test\",\"Carol\")\nWords: Anonymous\n--\n%C.M.\n"
                                "(v1) Glory to the newborn king\n--\n^Luke 2:1-7\n";
const QString kCounted = u"uses counted up to Sunday, December 29, 2024."_s;

// Each row's cells, joined by "|"; by default number, why, meter, last 12 months, uses, last sung, days since.
QStringList rowsShown(const QTableView *table, const QList<int> &columns = {0, 2, 3, 4, 5, 6, 7})
{
    QStringList rows;
    for (int row = 0; row < table->model()->rowCount(); ++row) {
        QStringList cells;
        for (int column : columns)
            cells.append(table->model()->index(row, column).data().toString());
        rows.append(cells.join(u'|'));
    }
    return rows;
}

} // namespace

class TestSuggest : public QObject, protected MainWindowFixture {
    Q_OBJECT

    SuggestWindow *m_suggest = nullptr;

    template <typename T> T *part(const char *name) const
    {
        return m_suggest->findChild<T *>(QString::fromLatin1(name));
    }

    // Sets the hymnal, loads the sample log when asked, and opens the window with its key.
    SuggestWindow *openSuggestions(bool withLog = true)
    {
        if (withLog && !m_window->openFile(NativePath::fromText(m_folder->filePath(u"ServiceLog.txt"_s))))
            return nullptr;
        if (!m_window->setHymnal(NativePath::fromText(m_folder->filePath(u"Hymnal.txt"_s))))
            return nullptr;
        QTest::keyClick(m_window.get(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        m_suggest = m_window->findChild<SuggestWindow *>(u"SuggestHymns"_s);
        // Its keys work while it is the application's active window. (QWindow calls a window over the main window
        // active as soon as the main window is.)
        if (m_suggest == nullptr || !QTest::qWaitFor([this] { return QApplication::activeWindow() == m_suggest; }))
            return nullptr;
        // The log's last service, which the counts below were made for.
        part<QDateEdit>("SuggestDate")->setDate(QDate(2024, 12, 29));
        return m_suggest;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(setUpProgram(u"SuggestTest"_s, Locale::UsEnglish)); }

    void init()
    {
        QVERIFY(setUpFolder(true));
        m_folder->write(u"Hymnal.txt"_s, sample("Hymnal.txt") + kHostileHymn);
        m_folder->write(u"BibleBooks.txt"_s, sample("BibleBooks.txt"));
        m_folder->write(u"ServiceLog.txt"_s, sample("ServiceLog.txt"));
        QVERIFY(openWindow(Shown::Active));
    }

    void cleanup() { tearDown(); }

    void readingsList_data()
    {
        QTest::addColumn<QString>("readings");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("meter");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("status");
        // Counted by hand in ServiceLog.txt ("92(2)" is 92), to its last service.
        QTest::newRow("Christmas: often sung before lately sung, never sung last")
            << u"Isaiah 7:10-16; Luke 2:1-20"_s << QString() << QString()
            << QStringList{u"83|Isaiah 7:14|L.M. with refrain|3|11|2024-12-15|14"_s,
                           u"92|Luke 2:13-14|7.7.7.7.D. with refrain|1|5|2024-12-24|5"_s,
                           u"101|Luke 2:8-14|Irregular|1|6|2024-12-24|5"_s, u"999|Luke 2:1-7|C.M.|0|0|new|"_s}
            << u"4 hymns suggested, "_s + kCounted;
        QTest::newRow("unreadable reference named; phrase and meter")
            << u"Hez 1; Luke 2"_s << u"HEAVEN"_s << u"irregular"_s
            << QStringList{u"101|Luke 2:8-14; verse 1: Sleep in heavenly peace,|Irregular|1|6|2024-12-24|5"_s}
            << u"Could not read the reference \"Hez 1\". 1 hymn suggested, "_s + kCounted;
        QTest::newRow("nothing fits") << u"Jude 3"_s << QString() << QString() << QStringList{}
                                      << u"No hymn in the hymnal fits."_s;
        QTest::newRow("readable part of a reading used, the rest named")
            << u"Luke 2:8-14, 20-"_s << QString() << QString()
            << QStringList{u"92|Luke 2:13-14|7.7.7.7.D. with refrain|1|5|2024-12-24|5"_s,
                           u"101|Luke 2:8-14|Irregular|1|6|2024-12-24|5"_s}
            << u"Could not read the reference \"20-\". 2 hymns suggested, "_s + kCounted;
        // Named in full in the tooltip, in two lines at most under the table.
        QStringList many, named;
        for (int i = 1; i <= 60; ++i) {
            many.append(u"Hez %1"_s.arg(i));
            named.append(u"\"Hez %1\""_s.arg(i));
        }
        QTest::newRow("many unreadable") << many.join(u"; "_s) << QString() << QString() << QStringList{}
                                         << u"Could not read the references %1."_s.arg(named.join(u", "_s));
    }

    void readingsList()
    {
        QFETCH(QString, readings);
        QFETCH(QString, phrase);
        QFETCH(QString, meter);
        QVERIFY(openSuggestions());
        QCOMPARE(part<QLabel>("SuggestStatus")->text(), u"Type readings, a phrase or a meter to see suggestions."_s);
        QTest::keyClicks(part<QLineEdit>("SuggestReadings"), readings);
        QTest::keyClicks(part<QLineEdit>("SuggestPhrase"), phrase);
        QTest::keyClicks(part<QLineEdit>("SuggestMeter"), meter);
        QTEST(rowsShown(part<QTableView>("SuggestTable")), "rows");
        const auto *status = part<QLabel>("SuggestStatus");
        QTEST(status->toolTip().isEmpty() ? status->text() : status->toolTip(), "status");
        // The height the layout gives it, once it has run.
        QVERIFY(status->heightForWidth(status->width()) <= 2 * status->fontMetrics().lineSpacing() + 4);
    }

    void headerAndSortBoxAgree()
    {
        QVERIFY(openSuggestions());
        auto *table = part<QTableView>("SuggestTable");
        auto *sort = part<QComboBox>("SuggestSort");
        QHeaderView *header = table->horizontalHeader();
        part<QLineEdit>("SuggestReadings")->setText(u"Isaiah 7:10-16; Luke 2:1-20"_s);
        // The header's column and order, the sort box and its check box, and the rows: one order, whichever moved.
        const auto shown = [&] {
            return u"%1 %2 / %3 %4 / %5"_s.arg(header->sortIndicatorSection())
                .arg(header->sortIndicatorOrder() == Qt::DescendingOrder ? u"down"_s : u"up"_s, sort->currentText(),
                     part<QCheckBox>("SuggestDescending")->isChecked() ? u"down"_s : u"up"_s,
                     rowsShown(table, {0}).join(u' '));
        };
        const QPoint daysSince(header->sectionViewportPosition(7) + header->sectionSize(7) / 2, header->height() / 2);
        QCOMPARE(shown(), u"-1 up / Suggested order up / 83 92 101 999"_s);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, daysSince);
        QCOMPARE(shown(), u"7 up / Days since up / 92 101 83 999"_s);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, daysSince);
        QCOMPARE(shown(), u"7 down / Days since down / 999 83 101 92"_s);
        // A third click goes back to the suggested order.
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, daysSince);
        QCOMPARE(shown(), u"-1 up / Suggested order up / 83 92 101 999"_s);
        // From the keyboard: the sort box by its mnemonic and the arrows, the check box by its own mnemonic, which
        // clicks it once the press has been drawn.
        QTest::keyClick(m_suggest, Qt::Key_S, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), sort);
        QTest::keyClick(sort, Qt::Key_Down);
        QCOMPARE(shown(), u"0 up / Hymn # up / 83 92 101 999"_s);
        QTest::keyClick(m_suggest, Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(shown(), u"0 down / Hymn # down / 999 101 92 83"_s);
        sort->setCurrentIndex(0);
        QCOMPARE(shown(), u"-1 down / Suggested order down / 999 101 92 83"_s);
    }

    void keysCopyAndAdd()
    {
        QVERIFY(openSuggestions());
        auto *table = part<QTableView>("SuggestTable");
        QCOMPARE(QApplication::focusWidget(), part<QLineEdit>("SuggestReadings"));
        QTest::keyClicks(QApplication::focusWidget(), u"Luke 2"_s);
        // Tab and Shift+Tab go past the table, not through its cells.
        part<QCheckBox>("SuggestDescending")->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (Qt::KeyboardModifiers shift : {Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier, Qt::ShiftModifier}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, shift);
            visited.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(visited,
                 (QStringList{u"SuggestTable"_s, u"SuggestCopy"_s, u"SuggestTable"_s, u"SuggestDescending"_s}));

        QAction *add = m_suggest->findChild<QAction *>(u"actSuggestAdd"_s);
        QVERIFY(!add->isEnabled());
        table->setFocus(Qt::TabFocusReason);
        table->setCurrentIndex(table->model()->index(1, 0));
        QTest::keyClick(table, Qt::Key_Down, Qt::ShiftModifier);
        QVERIFY(add->isEnabled());
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 u"Hymn #\tTitle\tWhy\tMeter\tLast 12 months\tUses\tLast sung\tDays since\n"
                 "101\tSilent Night\tLuke 2:8-14\tIrregular\t1\t6\t2024-12-24\t5\n"
                 "999\t'=HYPERLINK(\"http://x.test\",\"Carol\")\tLuke 2:1-7\tC.M.\t0\t0\tnew\t\n"_s);

        QStringList added;
        connect(m_suggest, &SuggestWindow::addToService, this, [&](const std::vector<Logbook::ServiceLine> &lines) {
            for (const Logbook::ServiceLine &line : lines)
                added.append(line.number + u'|' + line.text);
        });
        QTest::keyClick(table, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(added, (QStringList{u"101|Silent Night"_s, u"999|=HYPERLINK(\"http://x.test\",\"Carol\")"_s}));
        // Escape in the sort box's open list closes the list only; then it closes the window.
        auto *sort = part<QComboBox>("SuggestSort");
        sort->showPopup();
        QTest::keyClick(sort->view(), Qt::Key_Escape);
        QVERIFY(m_suggest->isVisible() && !sort->view()->isVisible());
        QTest::keyClick(table, Qt::Key_Escape);
        QVERIFY(!m_suggest->isVisible());
    }

    void followsHymnalAndLog()
    {
        QAction *suggest = m_window->findChild<QAction *>(u"actSuggest"_s);
        QCOMPARE(suggest->shortcut(), QKeySequence(u"Ctrl+Shift+F"_s));
        QVERIFY(!suggest->isEnabled());
        QVERIFY(openSuggestions(false));
        auto *table = part<QTableView>("SuggestTable");
        part<QLineEdit>("SuggestReadings")->setText(u"Luke 2:7-8"_s);
        // No log: nothing counted, and the status says how to count.
        QCOMPARE(rowsShown(table), (QStringList{u"101|Luke 2:8-14|Irregular||||"_s, u"999|Luke 2:1-7|C.M.||||"_s}));
        QVERIFY(
            part<QLabel>("SuggestStatus")->text().endsWith(u"Load a service log to see how often each was sung."_s));
        QVERIFY(m_window->openFile(NativePath::fromText(m_folder->write(u"short.txt"_s, "Jun 2, 2024\n999 Carol\n"))));
        // Counted up to the date shown, not to the log's last service.
        QCOMPARE(rowsShown(table),
                 (QStringList{u"999|Luke 2:1-7|C.M.|1|1|2024-06-02|210"_s, u"101|Luke 2:8-14|Irregular|0|0|new|"_s}));

        // Every control named for a screen reader, and all of them in the window at 640 x 480.
        m_suggest->resize(640, 480);
        QTRY_COMPARE(m_suggest->size(), QSize(640, 480));
        int controls = 0;
        for (QWidget *control : m_suggest->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(m_suggest))
                continue;
            ++controls;
            QVERIFY2(!QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty(),
                     qPrintable(control->objectName()));
            QVERIFY2(m_suggest->rect().contains(control->geometry()), qPrintable(control->objectName()));
        }
        QCOMPARE(controls, 10); // the date, three boxes, the sort box and its check box, the table, three buttons

        m_window->clearHymnal();
        QVERIFY(!m_suggest->isVisible());
        QVERIFY(!suggest->isEnabled());
    }

    void dateFromAddService()
    {
        m_folder->write(u"Lectionary.txt"_s, sample("Lectionary.txt"));
        QVERIFY(m_window->openFile(NativePath::fromText(m_folder->filePath(u"ServiceLog.txt"_s))));
        QVERIFY(m_window->setHymnal(NativePath::fromText(m_folder->filePath(u"Hymnal.txt"_s))));
        m_window->findChild<QAction *>(u"actSuggest"_s)->trigger();
        m_suggest = m_window->findChild<SuggestWindow *>(u"SuggestHymns"_s);
        QVERIFY(m_suggest);
        // At first the date Add Service offers.
        auto *date = part<QDateEdit>("SuggestDate");
        m_window->findChild<QAction *>(u"actAddService"_s)->trigger();
        AddServiceDialog *dialog = m_window->addServiceDialog();
        QVERIFY(dialog);
        auto *serviceDate = dialog->findChild<QDateEdit *>(u"ServiceDate"_s);
        QCOMPARE(date->date(), serviceDate->date());

        // Suggestions for the dialog's date, with the day's readings from the sample lectionary, go to the dialog.
        serviceDate->setDate(QDate(2024, 12, 24));
        // Its key works while it is the active window, which the window already open may have taken.
        dialog->activateWindow();
        QVERIFY(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
        // A mnemonic clicks its button once the press has been drawn.
        QTest::keyClick(dialog, Qt::Key_G, Qt::AltModifier);
        QTRY_COMPARE(date->date(), QDate(2024, 12, 24));
        QCOMPARE(part<QLabel>("SuggestDay")->text(), u"Christmas Eve · Year C"_s);
        QCOMPARE(part<QLineEdit>("SuggestReadings")->text(),
                 u"Isaiah 9:2-7; Psalm 96; Titus 2:11-14; Luke 2:1-14 (15-20)"_s);
        // Every reading of the sample read, and counted up to that evening: the service after it is not counted.
        auto *table = part<QTableView>("SuggestTable");
        QCOMPARE(rowsShown(table, {0, 6, 7}),
                 (QStringList{u"92|2024-12-24|0"_s, u"101|2024-12-24|0"_s, u"999|new|"_s}));
        QCOMPARE(part<QLabel>("SuggestStatus")->text(),
                 u"3 hymns suggested, uses counted up to Tuesday, December 24, 2024."_s);
        // Chosen with the mouse and the keys as the window system delivers them, which a window blocked by the
        // dialog would never see.
        QWindow *window = m_suggest->windowHandle();
        const QRect row = table->visualRect(table->model()->index(1, 1));
        QTest::mouseClick(window, Qt::LeftButton, {}, table->viewport()->mapTo(m_suggest, row.center()));
        QTest::keyClick(window, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(m_window->addServiceDialog(), dialog);
        QCOMPARE(dialog->service().lines.size(), size_t(1));
        QCOMPARE(dialog->service().lines.front().number, u"101"_s);
        // Opened for the service, it goes once the hymns are in it.
        QVERIFY(!m_suggest->isVisible());

        // Opened again for the same day, after its readings were edited: the day's readings again.
        part<QLineEdit>("SuggestReadings")->setText(u"Jude 3"_s);
        QTest::keyClick(dialog, Qt::Key_G, Qt::AltModifier);
        QTRY_VERIFY(m_suggest->isVisible());
        QCOMPARE(part<QLineEdit>("SuggestReadings")->text(),
                 u"Isaiah 9:2-7; Psalm 96; Titus 2:11-14; Luke 2:1-14 (15-20)"_s);
        // Suggest Hymns outlives the dialog it served.
        m_dialogs.confirmAnswers = {true};
        dialog->reject();
        QTRY_VERIFY(!m_window->addServiceDialog());
        QCOMPARE(m_window->findChild<SuggestWindow *>(u"SuggestHymns"_s), m_suggest);
        QVERIFY(m_suggest->isVisible());
    }

    // A service written for the day offered moves the day offered on a week; the window keeps the day it plans.
    void dateKeptAfterService()
    {
        QVERIFY(m_window->openFile(NativePath::fromText(m_folder->filePath(u"ServiceLog.txt"_s))));
        QVERIFY(m_window->setHymnal(NativePath::fromText(m_folder->filePath(u"Hymnal.txt"_s))));
        m_window->findChild<QAction *>(u"actSuggest"_s)->trigger();
        m_suggest = m_window->findChild<SuggestWindow *>(u"SuggestHymns"_s);
        QVERIFY(m_suggest);
        const QDate planned = part<QDateEdit>("SuggestDate")->date();
        m_window->openAddService({{u"101"_s, u"Silent Night"_s}});
        AddServiceDialog *dialog = m_window->addServiceDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->service().date, planned);
        dialog->accept();
        QTRY_VERIFY(!m_window->addServiceDialog());
        QVERIFY2(m_dialogs.messages().isEmpty(), qPrintable(m_dialogs.messages().value(0).text));
        QVERIFY(m_window->statusBar()->currentMessage().startsWith(u"Service of"_s));
        QCOMPARE(part<QDateEdit>("SuggestDate")->date(), planned);
    }

    // An editor's change to Lectionary.txt reaches the open window at once: the day's readings refilled, what the
    // user typed kept.
    void lectionaryFollowed()
    {
        QVERIFY(openSuggestions());
        auto *readings = part<QLineEdit>("SuggestReadings");
        part<QDateEdit>("SuggestDate")->setDate(QDate(2024, 12, 22));
        QVERIFY(readings->text().isEmpty());
        m_folder->write(u"Lectionary.txt"_s, "Advent 4 C: Micah 5:2-5a\n");
        QTRY_COMPARE(readings->text(), u"Micah 5:2-5a"_s);
        m_folder->write(u"Lectionary.txt"_s, "Advent 4 C: Luke 1:39-45\n");
        QTRY_COMPARE(readings->text(), u"Luke 1:39-45"_s);
        readings->setText(u"Luke 1:46-55"_s);
        QFile::remove(m_folder->filePath(u"Lectionary.txt"_s));
        QTRY_VERIFY(m_window->hymnal()->lectionary().table().isEmpty());
        QCOMPARE(readings->text(), u"Luke 1:46-55"_s);
    }

    void lectionaryReadings_data()
    {
        QTest::addColumn<QByteArray>("lectionary");
        QTest::addColumn<QString>("naming"); // the View > Church Year actions chosen, separated by commas
        QTest::addColumn<QString>("typed");  // in the readings box before the date is chosen
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("readings");
        QTest::addColumn<QString>("status"); // how it begins

        const QByteArray lectionary = sample("Lectionary.txt");
        const QDate proper17(2024, 9, 1), advent4(2024, 12, 22);
        const QString advent4Readings = u"Micah 5:2-5a; Luke 1:46b-55; Hebrews 10:5-10; Luke 1:39-45 (46-55)"_s;
        QTest::newRow("no line for the day") << lectionary << u"actNamingProper"_s << QString() << proper17 << QString()
                                             << u"No readings for Proper 17 B in Lectionary.txt. Type"_s;
        QTest::newRow("named in the style chosen") << lectionary << u"actNamingPentecost"_s << QString() << proper17
                                                   << QString() << u"No readings for Pentecost 15 B in"_s;
        QTest::newRow("typed readings stay on a day without any")
            << lectionary << u"actNamingProper"_s << u"Jude 3"_s << proper17 << u"Jude 3"_s << u"No readings for"_s;
        QTest::newRow("the day's readings replace typed ones")
            << lectionary << u"actNamingProper"_s << u"Jude 3"_s << advent4 << advent4Readings << u"No hymn"_s;
        QTest::newRow("a line not read is named, the others used")
            << QByteArray("Advent 4 C: Micah 5:2-5a\nAdvent 9 C: Isaiah 1\n") << u"actNamingProper"_s << QString()
            << advent4 << u"Micah 5:2-5a"_s << u"Lectionary.txt, line 2: "_s;
        QTest::newRow("the Roman Rite's Epiphany on a Sunday")
            << QByteArray("Christmas 2: Jeremiah 31:7-14\nThe Epiphany of the Lord: Isaiah 60:1-6\n")
            << u"actNamingRoman,actRomanEpiphanySunday"_s << QString() << QDate(2025, 1, 5) << u"Isaiah 60:1-6"_s
            << u"No hymn"_s;
    }

    void lectionaryReadings()
    {
        QFETCH(QByteArray, lectionary);
        QFETCH(QString, naming);
        QFETCH(QString, typed);
        QFETCH(QDate, date);
        m_folder->write(u"Lectionary.txt"_s, lectionary);
        for (const QString &action : naming.split(u','))
            m_window->findChild<QAction *>(action)->trigger();
        QVERIFY(openSuggestions());
        part<QLineEdit>("SuggestReadings")->setText(typed);
        part<QDateEdit>("SuggestDate")->setDate(date);
        QTEST(part<QLineEdit>("SuggestReadings")->text(), "readings");
        const auto *label = part<QLabel>("SuggestStatus");
        const QString shown = label->toolTip().isEmpty() ? label->text() : label->toolTip();
        QFETCH(QString, status);
        QVERIFY2(shown.startsWith(status), qPrintable(shown));
    }
};

QTEST_MAIN(TestSuggest)
#include "tst_gui_suggest.moc"
