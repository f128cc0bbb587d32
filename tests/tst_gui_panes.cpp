// SPDX-License-Identifier: GPL-3.0-or-later
// The window's output panes and tally: the tally click and its captions, the two lists kept at one top row, a
// click turning a row into criteria, right-click copies onto the real clipboard, the help message and bold toggle.
#include "app/form/resultrows.h"
#include "panes/helptext.h"
#include "windowharness.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kServices = "Jan 3, 2021\n123 Amazing Grace\n45 Holy, Holy, Holy\n\n"
                             "Jan 10, 2021\n123 Amazing Grace\n\n";

const QByteArray kHymns = "378 Amazing Grace\nJohn Newton, 1779\n--\n(v1) Amazing grace\nthat saved\n--\n"
                          "(v2) Twas grace\n--\n^Luke 15\n\n"
                          "395 Blessed Assurance.\nFanny Crosby, 1873\n--\n(v1) Blessed assurance\n--\n"
                          "(R) This is my story\n--\n(v2) Perfect submission\n";

} // namespace

class TestPanesWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void tallyCaptionsAndOrder_data();
    void tallyCaptionsAndOrder();
    void scrollingKeepsListsTogether();
    void usageClicks();
    void verseClicks();
    void rightClickCopiesList1();
    void rightClickCopiesChosenVerse_data();
    void rightClickCopiesChosenVerse();
    void clipboardLeftAloneWithoutCopy();
    void helpMessage();
    void titleTogglesBold();

private:
    void load(const QString &name);
    void rightClick(QAbstractItemView *list);
    void leftClickRow(QAbstractItemView *list, int row);
    template <typename T> T *control(const char *name) { return m_ui->control<T>(name); }

    std::unique_ptr<WindowHarness> m_ui;
};

void TestPanesWindow::init()
{
    m_ui = std::make_unique<WindowHarness>();
    m_ui->folder.write(u"hymns.txt"_s, kHymns);
    m_ui->folder.write(u"services.txt"_s, kServices);
    QVERIFY(m_ui->open());
    QGuiApplication::clipboard()->setText(u"what the user had"_s);
}

void TestPanesWindow::cleanup()
{
    m_ui.reset();
}

void TestPanesWindow::load(const QString &name)
{
    QVERIFY(m_ui->load(name));
    QVERIFY(m_ui->store().entryCount() > 0);
}

void TestPanesWindow::rightClick(QAbstractItemView *list)
{
    const QPoint at = rowCount(list) > 0 ? rowRect(list, 0).center() : QPoint(5, 5);
    QTest::mouseClick(list->viewport(), Qt::RightButton, {}, at);
}

void TestPanesWindow::leftClickRow(QAbstractItemView *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowRect(list, row).center());
}

void TestPanesWindow::tallyCaptionsAndOrder_data()
{
    QTest::addColumn<QString>("sort");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QStringList>("right");
    QTest::newRow("freq") << u"freq"_s << QStringList{u" 2"_s, u" 1"_s}
                          << QStringList{u"123 Amazing Grace"_s, u"45 Holy, Holy, Holy"_s};
    QTest::newRow("hymn #") << u"hymn #"_s << QStringList{u" 1"_s, u" 2"_s}
                            << QStringList{u"45 Holy, Holy, Holy"_s, u"123 Amazing Grace"_s};
}

void TestPanesWindow::tallyCaptionsAndOrder()
{
    QFETCH(QString, sort);
    QFETCH(QStringList, left);
    QFETCH(QStringList, right);
    load(u"services.txt"_s);
    control<QComboBox>("TallySort")->setCurrentText(sort);
    QTest::mouseClick(control<QPushButton>("TallyAll"), Qt::LeftButton);
    QCOMPARE(rowsOf(control<QAbstractItemView>("List1")), left);
    QCOMPARE(rowsOf(control<QAbstractItemView>("List2")), right);
    QCOMPARE(control<QLabel>("Hcount")->text(), u"           sum:"_s);
    QCOMPARE(control<QLabel>("Tally")->text(), u"2"_s);
    QCOMPARE(control<QLabel>("TitleCount")->text(), u"3"_s);
    QCOMPARE(m_ui->window().tallyShown(), 1);
    QVERIFY(control<QPushButton>("Go")->isEnabled());
    QVERIFY(control<QPushButton>("TallyAll")->isEnabled());
    QVERIFY(!control<QPushButton>("Command1")->isVisible());
    QVERIFY(control<QLabel>("ShowFile")->isVisible());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void TestPanesWindow::scrollingKeepsListsTogether()
{
    load(u"services.txt"_s);
    QByteArray many;
    for (int e = 1; e <= 60; ++e)
        many += "Mar " + QByteArray::number(e % 28 + 1) + ", 2022\n" + QByteArray::number(e) + " Hymn\n\n";
    m_ui->folder.write(u"many.txt"_s, many);
    load(u"many.txt"_s);
    m_ui->window().find();
    auto *left = control<QAbstractItemView>("List1");
    auto *right = control<QAbstractItemView>("List2");
    QCOMPARE(rowCount(left), 60);
    QCoreApplication::processEvents();
    left->verticalScrollBar()->setValue(17);
    QCOMPARE(right->verticalScrollBar()->value(), 17);
    right->verticalScrollBar()->setValue(30);
    QCOMPARE(left->verticalScrollBar()->value(), 30);
    // A top row past the other list's end is taken as far as it goes, without complaint.
    auto *rows = qobject_cast<ResultRows *>(right->model());
    QVERIFY(rows != nullptr);
    rows->setRows(rows->rows() + QStringList{u"extra"_s});
    QCoreApplication::processEvents();
    right->verticalScrollBar()->setValue(right->verticalScrollBar()->maximum());
    QCOMPARE(left->verticalScrollBar()->value(), left->verticalScrollBar()->maximum());
}

void TestPanesWindow::usageClicks()
{
    load(u"services.txt"_s);
    control<QLineEdit>("hymnmbr")->setText(u"123"_s);
    m_ui->window().find();
    auto *left = control<QAbstractItemView>("List1");
    auto *right = control<QAbstractItemView>("List2");
    control<QLineEdit>("LimitYr")->setText(u"1900"_s);
    control<QCheckBox>("ChkMusic")->setChecked(true);
    leftClickRow(right, 1);
    QCOMPARE(control<QLabel>("indexPos")->text(), u"(2)"_s);
    QCOMPARE(control<QLineEdit>("hymnmbr")->text(), u"123"_s);
    QCOMPARE(control<QLineEdit>("hymname")->text(), u"Amazing Grace"_s);
    QCOMPARE(control<QLineEdit>("Filter")->text(), u"Jan 10, 2021"_s);
    QCOMPARE(control<QLineEdit>("LimitYr")->text(), QString());
    QVERIFY(!control<QCheckBox>("ChkMusic")->isChecked());
    QCOMPARE(control<QPushButton>("Command3")->text(), u"Clear*"_s);

    leftClickRow(left, 0);
    QCOMPARE(control<QLabel>("indexPos")->text(), u"(1)"_s);
    QCOMPARE(control<QLineEdit>("Filter")->text(), u"Jan 3, 2021"_s);
    QCOMPARE(control<QLineEdit>("hymnmbr")->text(), QString());

    // While a tally is shown a click on a count leaves the limit alone.
    QTest::mouseClick(control<QPushButton>("TallyAll"), Qt::LeftButton);
    control<QLineEdit>("Filter")->setText(u">2020"_s);
    leftClickRow(left, 0);
    QCOMPARE(control<QLineEdit>("Filter")->text(), u">2020"_s);
    QCOMPARE(control<QLabel>("indexPos")->text(), u"(1)"_s);
}

void TestPanesWindow::verseClicks()
{
    load(u"hymns.txt"_s);
    control<QLineEdit>("hymname")->setText(u"grace"_s);
    m_ui->window().find();
    auto *left = control<QAbstractItemView>("List1");
    auto *right = control<QAbstractItemView>("List2");
    QVERIFY(rowCount(right) >= 2);
    control<QCheckBox>("TitleOnly")->setChecked(true);
    leftClickRow(right, 1);
    QCOMPARE(control<QLineEdit>("hymnmbr")->text(), u"378"_s);
    QCOMPARE(control<QLineEdit>("hymname")->text(), rowsOf(right).value(1));
    QCOMPARE(control<QLineEdit>("Filter")->text(), u"Amazing Grace"_s);
    QVERIFY(control<QCheckBox>("TitleOnly")->isChecked());
    leftClickRow(left, 0);
    QVERIFY(!control<QCheckBox>("TitleOnly")->isChecked());
    QCOMPARE(control<QLineEdit>("hymname")->text(), QString());
}

void TestPanesWindow::rightClickCopiesList1()
{
    load(u"services.txt"_s);
    m_ui->window().find();
    auto *left = control<QAbstractItemView>("List1");
    QCOMPARE(rowCount(left), 3);
    rightClick(left);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Jan 3, 2021\rJan 3, 2021\rJan 10, 2021"_s);
    QCOMPARE(currentRow(left), -1);
    control<QCheckBox>("ClipCopy")->setChecked(true);
    rightClick(left);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Jan 3, 2021\rJan 10, 2021"_s);
    const QList<ScriptedDialogs::Shown> messages = m_ui->dialogs.messages();
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages[0].title, u"Dates used"_s);
    QCOMPARE(messages[0].text, u"3 items copied"_s);
    QCOMPARE(messages[1].text, u"2 items copied"_s);

    rightClick(control<QAbstractItemView>("List2"));
    QCOMPARE(QGuiApplication::clipboard()->text(),
             u"Jan 3, 2021\r123 Amazing Grace\r45 Holy, Holy, Holy\r\rJan 10, 2021\r123 Amazing Grace"_s);
    QCOMPARE(m_ui->dialogs.messages().last().text, u"3 items copied +  2 dates"_s);
    QCOMPARE(m_ui->dialogs.messages().last().title, u"Verse lines"_s);
}

void TestPanesWindow::rightClickCopiesChosenVerse_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("copied");
    // The second row's List1 partner ends in "." (a verse's first line), so a blank line comes before it.
    QTest::newRow("verse 2") << u"2"_s << u"(v2) Twas grace\r\r(v2) Perfect submission"_s;
    QTest::newRow("refrain") << u"R"_s << u"(R) This is my story"_s;
    QTest::newRow("references") << u"^"_s << u"^Luke 15"_s;
}

void TestPanesWindow::rightClickCopiesChosenVerse()
{
    QFETCH(QString, answer);
    QFETCH(QString, copied);
    load(u"hymns.txt"_s);
    control<QCheckBox>("ShowRefs")->setChecked(true);
    m_ui->window().find();
    m_ui->dialogs.reset();
    m_ui->dialogs.inputAnswers = {answer};
    rightClick(control<QAbstractItemView>("List2"));
    QCOMPARE(m_ui->dialogs.shown.size(), 2);
    QCOMPARE(m_ui->dialogs.shown[0].kind, u"input"_s);
    QCOMPARE(m_ui->dialogs.shown[0].text, u"\r\r\r\rLimit copy to Verse #:"_s);
    QCOMPARE(m_ui->dialogs.shown[0].title, u"Select verse # (0 = credits only; ^ = references )"_s);
    QCOMPARE(m_ui->dialogs.shown[0].defaultAnswer, u"All"_s);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
}

void TestPanesWindow::clipboardLeftAloneWithoutCopy()
{
    load(u"hymns.txt"_s);
    auto *right = control<QAbstractItemView>("List2");
    rightClick(right);
    QVERIFY(m_ui->dialogs.shown.isEmpty());
    m_ui->window().find();
    leftClickRow(right, 0);
    leftClickRow(control<QAbstractItemView>("List1"), 0);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"what the user had"_s);

    m_ui->dialogs.reset();
    m_ui->dialogs.inputAnswers = {QString()};
    rightClick(right);
    QCOMPARE(m_ui->dialogs.shown.size(), 1);
    QCOMPARE(m_ui->dialogs.shown[0].kind, u"input"_s);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"what the user had"_s);
}

void TestPanesWindow::helpMessage()
{
    QTest::mouseClick(control<QLabel>("Label3"), Qt::LeftButton);
    const QList<ScriptedDialogs::Shown> messages = m_ui->dialogs.messages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].title, u"Cantorix2 ver 2.9.7"_s);
    QCOMPARE(messages[0].icon, Dialogs::Icon::Information);
    const QStringList lines = messages[0].text.split(u'\r');
    QCOMPARE(lines.size(), 8);
    QVERIFY(lines[0].startsWith(QChar(0x00A9)));
    QCOMPARE(lines[3], u"- only 'Exclude' terms are case sensitive"_s);
    QCOMPARE(lines[7], u"- to select from directory box, double click your selection"_s);
}

void TestPanesWindow::titleTogglesBold()
{
    control<QLineEdit>("Filter")->setFont([&] {
        QFont bold = control<QLineEdit>("Filter")->font();
        bold.setBold(true);
        return bold;
    }());
    QHash<QString, bool> before;
    for (QWidget *child : m_ui->window().findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        before.insert(child->objectName(), child->font().bold());
    const QStringList toggled = Form1::boldToggleNames();
    QTest::mouseClick(control<QLabel>("Label2"), Qt::LeftButton);
    for (QWidget *child : m_ui->window().findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        const bool expected =
            toggled.contains(child->objectName()) ? !before[child->objectName()] : before[child->objectName()];
        QVERIFY2(child->font().bold() == expected, qPrintable(child->objectName()));
    }
    QTest::mouseClick(control<QLabel>("Label2"), Qt::LeftButton);
    for (QWidget *child : m_ui->window().findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        QCOMPARE(child->font().bold(), before[child->objectName()]);
}

QTEST_MAIN(TestPanesWindow)
#include "tst_gui_panes.moc"
