// SPDX-License-Identifier: GPL-3.0-or-later
// The window under a person's hands: focus arriving in a list is not a click, every refill starts at the top,
// the clickable labels receive their clicks and do not hide the book list, a dark desktop theme leaves the
// window readable, and a caption too wide for its button wraps.
#include "app/widgets/dialogs.h"
#include "windowharness.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Sixty services, each with two numbered hymns: enough rows to scroll.
QByteArray manyServices()
{
    QByteArray bytes;
    for (int e = 1; e <= 60; ++e) {
        bytes += "Mar " + QByteArray::number(e % 28 + 1) + ", " + QByteArray::number(2000 + e) + "\n" +
                 QByteArray::number(100 + e) + " Hymn " + QByteArray::number(e) + "\n" + QByteArray::number(e % 7) +
                 " Psalm\n\n";
    }
    return bytes;
}

// The relative luminance and contrast ratio of the web's accessibility rules.
double luminance(const QColor &color)
{
    const auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) + 0.0722 * channel(color.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette darkPalette()
{
    QPalette dark;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase})
        dark.setColor(role, QColor(35, 35, 38));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(235, 235, 235));
    dark.setColor(QPalette::Highlight, QColor(60, 60, 200));
    return dark;
}

// Runs while the next modal box is open: checks it, then closes it.
void inspectNextModal(const std::function<void(QWidget *)> &check)
{
    QTimer::singleShot(0, [check] {
        QWidget *box = QApplication::activeModalWidget();
        QVERIFY(box != nullptr);
        check(box);
        box->close();
    });
}

} // namespace

class TestHands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void focusArrivingPicksNothing_data();
    void focusArrivingPicksNothing();
    void movingKeysPickRows();
    void refillsStartAtTop();
    void labelsTakeTheirOwnClicks_data();
    void labelsTakeTheirOwnClicks();
    void darkThemeLeavesWindowReadable();
    void narrowButtonCaptionWraps();

private:
    template <typename T> T *control(const char *name) { return m_ui->control<T>(name); }
    void loadAndFindAll();
    QStringList criteria();

    std::unique_ptr<WindowHarness> m_ui;
};

void TestHands::init()
{
    m_ui = std::make_unique<WindowHarness>();
    m_ui->folder.write(u"many.txt"_s, manyServices());
    QVERIFY(m_ui->open());
    m_ui->window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_ui->window()));
}

void TestHands::cleanup()
{
    m_ui.reset();
}

void TestHands::loadAndFindAll()
{
    QVERIFY(m_ui->load(u"many.txt"_s));
    m_ui->window().find();
    QCOMPARE(rowCount(control<QAbstractItemView>("List1")), 120);
}

QStringList TestHands::criteria()
{
    QStringList texts;
    for (const char *name : {"hymnmbr", "hymname", "LimitYr", "Filter"})
        texts.append(control<QLineEdit>(name)->text());
    return texts;
}

void TestHands::focusArrivingPicksNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("list");
    for (const QString &list : {u"List1"_s, u"List2"_s}) {
        QTest::newRow(qPrintable(u"Tab into "_s + list)) << u"tab"_s << list;
        QTest::newRow(qPrintable(u"a box closing over "_s + list)) << u"modal"_s << list;
        QTest::newRow(qPrintable(u"window activated over "_s + list)) << u"activate"_s << list;
    }
}

void TestHands::focusArrivingPicksNothing()
{
    QFETCH(QString, how);
    QFETCH(QString, list);
    loadAndFindAll();
    auto *view = m_ui->window().findChild<QAbstractItemView *>(list);
    control<QLineEdit>("hymnmbr")->setText(u"7"_s);
    control<QLineEdit>("Filter")->setText(u">2010"_s);
    const QStringList before = criteria();

    if (how == u"tab"_s) {
        // Tab from whatever control comes before the list in the focus chain.
        QWidget *previous = view->previousInFocusChain();
        while (!previous->isVisible() || !previous->isEnabled() || previous->focusPolicy() == Qt::NoFocus)
            previous = previous->previousInFocusChain();
        previous->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(previous, Qt::Key_Tab);
    } else {
        // The list holds focus without a current row (as after a right click), then the window loses and
        // regains it: a box opening and closing, or another window being used in between.
        view->setFocus(Qt::MouseFocusReason);
        QVERIFY(!view->currentIndex().isValid());
        if (how == u"modal"_s) {
            inspectNextModal([](QWidget *) {});
            QMessageBox box(QMessageBox::Information, u"Copied"_s, u"done"_s, QMessageBox::Ok, &m_ui->window());
            box.exec();
            // The window manager gives the window back its activation.
            m_ui->window().activateWindow();
        } else {
            QWidget other;
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            other.close();
            m_ui->window().activateWindow();
        }
        QVERIFY(QTest::qWaitForWindowActive(&m_ui->window()));
    }
    QTRY_COMPARE(QApplication::focusWidget(), view);
    QCOMPARE(criteria(), before);
    QCOMPARE(currentRow(view), -1);
    QVERIFY(control<QLabel>("indexPos")->text().isEmpty());
}

void TestHands::movingKeysPickRows()
{
    loadAndFindAll();
    auto *view = control<QAbstractItemView>("List1");
    QTest::keyClick(control<QLineEdit>("hymnmbr"), Qt::Key_Tab);
    view->setFocus(Qt::TabFocusReason);
    QCOMPARE(criteria(), QStringList(4));

    // The first moving key starts at the top row; each moving key is a click on the row it reaches.
    QTest::keyClick(view, Qt::Key_Down);
    QCOMPARE(currentRow(view), 0);
    QCOMPARE(control<QLabel>("indexPos")->text(), u"(1)"_s);
    QVERIFY(!control<QLineEdit>("Filter")->text().isEmpty());
    QTest::keyClick(view, Qt::Key_End);
    QCOMPARE(control<QLabel>("indexPos")->text(), u"(120)"_s);
    // A key that moves nothing picks nothing again.
    control<QLabel>("indexPos")->clear();
    QTest::keyClick(view, Qt::Key_Down);
    QVERIFY(control<QLabel>("indexPos")->text().isEmpty());
}

void TestHands::refillsStartAtTop()
{
    loadAndFindAll();
    auto *left = control<QAbstractItemView>("List1");
    auto *right = control<QAbstractItemView>("List2");
    const auto scrolledDown = [&] {
        QCoreApplication::processEvents();
        right->verticalScrollBar()->setValue(right->verticalScrollBar()->maximum());
        QVERIFY(left->verticalScrollBar()->value() > 50);
        const QRect row = rowRect(right, 110);
        QTest::mouseClick(right->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(currentRow(right), 110);
    };
    const auto atTopWithNothingChosen = [&](const char *after) {
        QCoreApplication::processEvents();
        for (QAbstractItemView *list : {left, right}) {
            QVERIFY2(rowCount(list) > 0, after);
            QVERIFY2(list->verticalScrollBar()->value() == 0, after);
            QVERIFY2(topRow(list) == 0, after);
            QVERIFY2(currentRow(list) == -1 && !list->selectionModel()->hasSelection(), after);
        }
    };

    scrolledDown();
    control<QLineEdit>("hymnmbr")->clear();
    control<QLineEdit>("Filter")->clear();
    control<QLineEdit>("hymname")->clear();
    m_ui->window().find();
    atTopWithNothingChosen("Find");

    scrolledDown();
    m_ui->window().tally();
    QVERIFY(rowCount(left) < 120);
    atTopWithNothingChosen("Tally");
}

void TestHands::labelsTakeTheirOwnClicks_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("typed"); // what the click puts in the phrase box
    QTest::newRow("the 2") << u"Label13"_s << u"\u00E9"_s;
    QTest::newRow("the copyright sign") << u"Label14"_s << u"\u00A9"_s;
    QTest::newRow("the credits") << u"Label3"_s << QString();
    QTest::newRow("the title") << u"Label2"_s << QString();
    QTest::newRow("a caption") << u"Label1"_s << QString();
    QTest::newRow("a count") << u"Hcount"_s << QString();
}

void TestHands::labelsTakeTheirOwnClicks()
{
    QFETCH(QString, label);
    QFETCH(QString, typed);
    Form1 &window = m_ui->window();
    auto *target = window.findChild<QLabel *>(label);
    auto *books = control<QListWidget>("Book");
    books->show();

    // A real click goes to the topmost control under the pointer: the label itself must be the one.
    const QPoint centre = target->geometry().center();
    QCOMPARE(window.childAt(centre), target);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&window, centre));
    QCOMPARE(control<QLineEdit>("hymname")->text(), typed);
    QVERIFY2(books->isVisible(), "a click on a label hid the book list");

    // The window's own background still hides it.
    const QPoint background(240, 85);
    QCOMPARE(window.childAt(background), nullptr);
    QTest::mouseClick(&window, Qt::LeftButton, {}, background);
    QVERIFY(!books->isVisible());
}

void TestHands::darkThemeLeavesWindowReadable()
{
    const QPalette previous = QApplication::palette();
    QApplication::setPalette(darkPalette());
    m_ui.reset();
    m_ui = std::make_unique<WindowHarness>();
    QVERIFY(m_ui->open());
    Form1 &window = m_ui->window();
    const QColor face = window.palette().color(QPalette::Window);

    int checked = 0;
    for (QWidget *child : window.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        QColor text;
        QColor ground;
        const QPalette &own = child->palette();
        if (qobject_cast<QLabel *>(child) || qobject_cast<QCheckBox *>(child)) {
            text = own.color(QPalette::WindowText);
            ground = face;
        } else if (qobject_cast<QPushButton *>(child)) {
            text = own.color(QPalette::ButtonText);
            ground = own.color(QPalette::Button);
        } else {
            text = own.color(QPalette::Text);
            ground = own.color(QPalette::Base);
            const double selected = contrast(own.color(QPalette::HighlightedText), own.color(QPalette::Highlight));
            QVERIFY2(selected >= 4.5, qPrintable(child->objectName()));
        }
        QVERIFY2(contrast(text, ground) >= 4.5, qPrintable(child->objectName()));
        ++checked;
    }
    QVERIFY(checked >= 40);

    // The window's own boxes keep the light colours too, and are wide enough for their whole titles.
    QtDialogs dialogs(&window);
    const auto readableAndWide = [](const QString &title) {
        return [title](QWidget *box) {
            const QPalette &own = box->palette();
            QVERIFY(contrast(own.color(QPalette::WindowText), own.color(QPalette::Window)) >= 4.5);
            QFont bold = box->font();
            bold.setBold(true);
            QVERIFY2(box->width() > QFontMetrics(bold).horizontalAdvance(title) + 60,
                     qPrintable(QString::number(box->width()) + u" "_s +
                                QString::number(QFontMetrics(bold).horizontalAdvance(title))));
        };
    };
    const QString verseTitle = u"Select verse # (0 = credits only, ^ = references )"_s;
    inspectNextModal(readableAndWide(u"Dates used"_s));
    dialogs.message(u"Dates used"_s, u"3 items copied"_s, Dialogs::Icon::Information);
    inspectNextModal(readableAndWide(u"Show output"_s));
    dialogs.confirm(u"Show output"_s, u"Show entire file (may be slow)?"_s);
    inspectNextModal(readableAndWide(verseTitle));
    dialogs.input(u"Limit copy to Verse #:"_s, verseTitle, u"All"_s);
    QApplication::setPalette(previous);
}

void TestHands::narrowButtonCaptionWraps()
{
    // "book list" is wider than its button: both words must show, on two lines, rather than the middle of one.
    auto *button = control<QPushButton>("BookList");
    button->show();
    const QImage image = button->grab().toImage();
    const QColor ink = button->palette().color(QPalette::ButtonText);
    QList<int> inkRows;
    for (int y = 3; y < image.height() - 3; ++y) {
        for (int x = 3; x < image.width() - 3; ++x) {
            if (contrast(image.pixelColor(x, y), ink) < 2.0) {
                inkRows.append(y);
                break;
            }
        }
    }
    QVERIFY(!inkRows.isEmpty());
    // Lines are told apart by a gap of more than one blank row: a row of a letter's stem drawn faint alone is none.
    int lines = 1;
    for (qsizetype i = 1; i < inkRows.size(); ++i)
        lines += inkRows[i] > inkRows[i - 1] + 2 ? 1 : 0;
    QCOMPARE(lines, 2);
}

QTEST_MAIN(TestHands)
#include "tst_gui_hands.moc"
