// SPDX-License-Identifier: GPL-3.0-or-later
// Find from the window: Enter in the three search boxes, the question before listing a whole file, the panes and
// counts a search leaves, the "Clear" button and its caption, and the two title labels that type into the phrase.
#include "windowharness.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kServices = "Jan 3, 2021\n378 Amazing Grace\n14 Holy God\n\n"
                             "Dec 19, 2020\n378* Amazing Grace\n\n"
                             "Dec 24, 2022 (evening)\n1378 Other\n101 Silent Night\n\n"
                             "Easter service\n378 Amazing Grace\n";

} // namespace

class TestSearchWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void enterSearchesFromThreeBoxes_data();
    void enterSearchesFromThreeBoxes();
    void wholeFileQuestion();
    void cancelKeepsPanesAndTally();
    void clearCaption();
    void clearButtonEmptiesCriteria();
    void titleLabelsType();
    void emptyStoreSearch();

private:
    void loadServices();
    template <typename T> T *control(const char *name) { return m_ui->control<T>(name); }

    std::unique_ptr<WindowHarness> m_ui;
};

void TestSearchWindow::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestSearchWindow::init()
{
    m_ui = std::make_unique<WindowHarness>();
    m_ui->folder.write(u"services.txt"_s, kServices);
    QVERIFY(m_ui->open());
}

void TestSearchWindow::cleanup()
{
    m_ui.reset();
}

void TestSearchWindow::loadServices()
{
    QVERIFY(m_ui->load(u"services.txt"_s));
    QCOMPARE(m_ui->store().entryCount(), 4);
}

void TestSearchWindow::enterSearchesFromThreeBoxes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("searches");
    QTest::newRow("hymn number") << u"hymnmbr"_s << true;
    QTest::newRow("phrase") << u"hymname"_s << true;
    QTest::newRow("limit") << u"Filter"_s << true;
    QTest::newRow("exclude hymn") << u"excludH"_s << false;
    QTest::newRow("exclude title") << u"excludT"_s << false;
}

void TestSearchWindow::enterSearchesFromThreeBoxes()
{
    QFETCH(QString, box);
    QFETCH(bool, searches);
    loadServices();
    auto *edit = m_ui->window().findChild<QLineEdit *>(box);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    // With every box empty a search first asks whether to list the whole file.
    QCOMPARE(m_ui->dialogs.shown.size(), searches ? 1 : 0);
    QCOMPARE(rowCount(control<QAbstractItemView>("List1")), searches ? 6 : 0);
}

void TestSearchWindow::wholeFileQuestion()
{
    loadServices();
    QTest::mouseClick(control<QPushButton>("Go"), Qt::LeftButton);
    QCOMPARE(m_ui->dialogs.shown.size(), 1);
    QCOMPARE(m_ui->dialogs.shown[0].kind, u"confirm"_s);
    QCOMPARE(m_ui->dialogs.shown[0].title, u"Show output"_s);
    QCOMPARE(m_ui->dialogs.shown[0].text, u"Show entire file (may be slow)?"_s);

    // Number and limit: every use of 378 from 2021 on, with distinct dates counted.
    m_ui->dialogs.reset();
    QTest::keyClicks(control<QLineEdit>("hymnmbr"), u"378"_s);
    QTest::keyClicks(control<QLineEdit>("Filter"), u">2021"_s);
    QTest::keyClick(control<QLineEdit>("Filter"), Qt::Key_Return);
    QVERIFY(m_ui->dialogs.shown.isEmpty());
    QCOMPARE(rowsOf(control<QAbstractItemView>("List1")), (QStringList{u"Jan 3, 2021"_s, u"Dec 24, 2022 (evening)"_s}));
    QCOMPARE(rowsOf(control<QAbstractItemView>("List2")), (QStringList{u"378 Amazing Grace"_s, u"1378 Other"_s}));
    QCOMPARE(control<QLabel>("Tally")->text(), u"2"_s);
    QCOMPARE(control<QLabel>("TitleCount")->text(), u"2"_s);
    QCOMPARE(control<QLabel>("Hcount")->text(), u"  # of dates:"_s);
    QVERIFY(control<QPushButton>("Go")->isEnabled());
    QVERIFY(control<QPushButton>("TallyAll")->isEnabled());
    QCOMPARE(m_ui->window().tallyShown(), 0);
}

void TestSearchWindow::cancelKeepsPanesAndTally()
{
    loadServices();
    QTest::mouseClick(control<QPushButton>("TallyAll"), Qt::LeftButton);
    const QStringList tallied = rowsOf(control<QAbstractItemView>("List2"));
    QVERIFY(!tallied.isEmpty());
    QCOMPARE(m_ui->window().tallyShown(), 1);
    m_ui->dialogs.confirmAnswers = {false};
    QTest::mouseClick(control<QPushButton>("Go"), Qt::LeftButton);
    QCOMPARE(m_ui->dialogs.shown.size(), 1);
    QCOMPARE(rowsOf(control<QAbstractItemView>("List2")), tallied);
    // The panes still hold the tally, so they must still be read as one.
    QCOMPARE(m_ui->window().tallyShown(), 1);
}

void TestSearchWindow::clearCaption()
{
    auto *clear = control<QPushButton>("Command3");
    auto *exclude = control<QLineEdit>("excludT");
    QTest::keyClick(exclude, Qt::Key_J);
    QCOMPARE(clear->text(), u"Clear*"_s);
    QTest::keyClick(exclude, Qt::Key_Backspace);
    QCOMPARE(clear->text(), u"Clear"_s);
    control<QCheckBox>("TitleOnly")->setChecked(true);
    control<QCheckBox>("Check1")->setChecked(true);
    QCOMPARE(clear->text(), u"Clear"_s);
    for (const char *name : {"excludH", "hymname", "hymnmbr", "Filter", "LimitYr"}) {
        auto *box = control<QLineEdit>(name);
        box->setText(u"x"_s);
        QCOMPARE(clear->text(), u"Clear*"_s);
        box->clear();
        QCOMPARE(clear->text(), u"Clear"_s);
    }
}

void TestSearchWindow::clearButtonEmptiesCriteria()
{
    const QList<const char *> boxes = {"Filter", "hymnmbr", "hymname", "excludH", "excludT", "LimitYr"};
    for (const char *name : boxes)
        control<QLineEdit>(name)->setText(u"12"_s);
    const QList<const char *> checks = {"Check1", "ChkMusic", "TitleOnly", "ShowRefs"};
    for (const char *name : checks)
        control<QCheckBox>(name)->setChecked(true);
    control<QListWidget>("Book")->show();
    QTest::mouseClick(control<QPushButton>("Command3"), Qt::LeftButton);
    for (const char *name : boxes)
        QCOMPARE(control<QLineEdit>(name)->text(), QString());
    QVERIFY(!control<QCheckBox>("Check1")->isChecked());
    QVERIFY(!control<QCheckBox>("ChkMusic")->isChecked());
    QVERIFY(!control<QCheckBox>("TitleOnly")->isChecked());
    QVERIFY(control<QCheckBox>("ShowRefs")->isChecked());
    QVERIFY(!control<QListWidget>("Book")->isVisible());
    QCOMPARE(control<QPushButton>("Command3")->text(), u"Clear"_s);
}

void TestSearchWindow::titleLabelsType()
{
    auto *phrase = control<QLineEdit>("hymname");
    phrase->setText(u"Caf"_s);
    QTest::mouseClick(control<QLabel>("Label13"), Qt::LeftButton);
    QCOMPARE(phrase->text(), u"Caf\u00E9"_s);
    QTest::mouseClick(control<QLabel>("Label14"), Qt::LeftButton);
    QCOMPARE(phrase->text(), u"Caf\u00E9\u00A9"_s);
    QCOMPARE(control<QPushButton>("Command3")->text(), u"Clear*"_s);
}

void TestSearchWindow::emptyStoreSearch()
{
    control<QLineEdit>("hymnmbr")->setText(u"1"_s);
    m_ui->window().find();
    QVERIFY(m_ui->dialogs.shown.isEmpty());
    QCOMPARE(rowCount(control<QAbstractItemView>("List1")), 0);
    QCOMPARE(control<QLabel>("Tally")->text(), u"0"_s);
    QVERIFY(control<QPushButton>("Go")->isEnabled());
    QVERIFY(control<QPushButton>("TallyAll")->isEnabled());
}

QTEST_MAIN(TestSearchWindow)
#include "tst_gui_search.moc"
