// SPDX-License-Identifier: GPL-3.0-or-later
// The window without a mouse and beyond its design size: the Tab order of both layouts, where the keys start,
// copying a list and loading a file with keys, choosing a folder by typing, names for screen readers (also of a
// caption a language shortened), the mark of the focused list, and the window growing from 640 x 487.
#include "app/pickers/dirlist.h"
#include "app/pickers/filelist.h"
#include "app/widgets/focusmark.h"
#include "windowharness.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kServices = "Jan 3, 2021\n123 Amazing Grace\n45 Holy, Holy, Holy\n\n"
                             "Jan 10, 2021\n123 Amazing Grace\n\n";
const QByteArray kHymns = "378 Amazing Grace\nJohn Newton, 1779\n--\n(v1) Amazing grace\n--\n^Luke 15\n\n";

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(QAccessible::Name) : QString();
}

// A language whose words for three of the design's captions are too long for their rooms, so it shortens them.
class ShortCaptions : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *disambiguation, int) const override
    {
        static const std::pair<const char *, QString> shortened[] = {
            {"Limit date to:", u"Lim. date:"_s}, {" full # only", u" full #"_s}, {"freq", u"f."_s}};
        if (qstrcmp(context, "Form1") != 0 || qstrcmp(disambiguation, "caption") != 0)
            return {};
        for (const auto &[whole, caption] : shortened) {
            if (qstrcmp(source, whole) == 0)
                return caption;
        }
        return {};
    }
};

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void tabOrder_data();
    void tabOrder();
    void keysCopyAndLoad();
    void typingChoosesFolder();
    void accessibleNames();
    void shortenedCaptions();
    void focusMark_data();
    void focusMark();
    void windowGrows();

private:
    template <typename T> T *control(const char *name) { return m_ui->control<T>(name); }
    std::unique_ptr<WindowHarness> m_ui;
};

void TestKeyboard::init()
{
    m_ui = std::make_unique<WindowHarness>();
    m_ui->folder.write(u"services.txt"_s, kServices);
    m_ui->folder.write(u"hymns.txt"_s, kHymns);
    QVERIFY(m_ui->open());
    m_ui->window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_ui->window()));
    QGuiApplication::clipboard()->setText(u"what the user had"_s);
}

void TestKeyboard::cleanup()
{
    m_ui.reset();
}

void TestKeyboard::tabOrder_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("service log") << u"services.txt"_s
                                 << QStringList{u"Drive1"_s,    u"Dir1"_s,     u"File1"_s,    u"Filter"_s,
                                                u"TallySort"_s, u"TallyAll"_s, u"hymnmbr"_s,  u"Check1"_s,
                                                u"Go"_s,        u"excludT"_s,  u"excludH"_s,  u"hymname"_s,
                                                u"List1"_s,     u"List2"_s,    u"ClipCopy"_s, u"Command3"_s};
    QTest::newRow("hymnal") << u"hymns.txt"_s
                            << QStringList{u"Drive1"_s,   u"Dir1"_s,     u"File1"_s,   u"Filter"_s,   u"TitleOnly"_s,
                                           u"hymnmbr"_s,  u"LimitYr"_s,  u"Check1"_s,  u"ChkMusic"_s, u"Go"_s,
                                           u"excludT"_s,  u"excludH"_s,  u"hymname"_s, u"List1"_s,    u"List2"_s,
                                           u"ShowRefs"_s, u"ClipCopy"_s, u"Command3"_s};
}

void TestKeyboard::tabOrder()
{
    QFETCH(QString, file);
    QFETCH(QStringList, order);
    QVERIFY(m_ui->load(file));
    // Focus goes back to the number box after every load.
    QCOMPARE(QApplication::focusWidget(), control<QLineEdit>("hymnmbr"));

    control<QWidget>("Drive1")->setFocus(Qt::TabFocusReason);
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < order.size() + 1; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    // Round the whole chain and back to the start.
    QCOMPARE(visited, order + QStringList{order.first()});
}

void TestKeyboard::keysCopyAndLoad()
{
    // Enter in the file list loads the current file, as "Get File" does.
    auto *files = control<FileList>("File1");
    files->setFocus(Qt::TabFocusReason);
    files->setCurrentRow(files->rowOf(u"services.txt"_s));
    QTest::keyClick(files, Qt::Key_Return);
    QTRY_COMPARE(m_ui->store().entryCount(), 2);
    QCOMPARE(control<QLabel>("ShowFile")->text(), u"services.txt"_s);

    // A double click on a file loads it too.
    const int hymns = files->rowOf(u"hymns.txt"_s);
    QVERIFY(hymns >= 0);
    // As a real double click arrives: a click, then the second press as a double click.
    const QPoint at = rowRect(files, hymns).center();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, at);
    QTRY_VERIFY(m_ui->store().isVerseFile());

    // In a focused output list, Ctrl+C and the menu key copy it with the right click's message.
    QVERIFY(m_ui->load(u"services.txt"_s));
    m_ui->window().find();
    auto *left = control<QAbstractItemView>("List1");
    left->setFocus(Qt::TabFocusReason);
    m_ui->dialogs.reset();
    QTest::keyClick(left, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Jan 3, 2021\rJan 3, 2021\rJan 10, 2021"_s);
    QCOMPARE(m_ui->dialogs.messages().size(), 1);
    QGuiApplication::clipboard()->setText(u"again"_s);
    QTest::keyClick(left, Qt::Key_Menu);
    QCOMPARE(QGuiApplication::clipboard()->text(), u"Jan 3, 2021\rJan 3, 2021\rJan 10, 2021"_s);
}

void TestKeyboard::typingChoosesFolder()
{
    QVERIFY(QDir(m_ui->folder.path()).mkdir(u"Psalms"_s));
    QVERIFY(QDir(m_ui->folder.path()).mkdir(u"Hymns"_s));
    auto *folders = control<DirList>("Dir1");
    QCOMPARE(folders->open(folders->nativePath()), 0);
    folders->setFocus(Qt::TabFocusReason);
    // Subfolders are indented below the current folder; typing finds them by their names all the same.
    QTest::keyClicks(folders, u"ps"_s);
    QVERIFY(folders->currentItem() != nullptr);
    QCOMPARE(folders->currentItem()->text().trimmed(), u"Psalms"_s);
    QVERIFY(folders->currentItem()->text().startsWith(u' '));
}

void TestKeyboard::accessibleNames()
{
    const auto heard = [this](const char *name) { return accessibleName(control<QWidget>(name)); };
    QCOMPARE(heard("hymnmbr"), u"Hymn #"_s);
    QCOMPARE(heard("excludT"), u"exclude title:"_s);
    QCOMPARE(heard("Check1"), u"full number only"_s);
    QCOMPARE(control<QLabel>("Label1")->buddy(), control<QLineEdit>("hymnmbr"));
    // A drop-down is named by its label on Linux, where its own name is its value.
    const auto labels =
        QAccessible::queryAccessibleInterface(control<QWidget>("Drive1"))->relations(QAccessible::Label);
    QCOMPARE(labels.size(), 1);
    QCOMPARE(labels.first().first->text(QAccessible::Name), u"Volume"_s);

    // Counts and the file are heard with their values, as they change.
    QVERIFY(m_ui->load(u"services.txt"_s));
    QCOMPARE(heard("Tally"), u"Services loaded: 2"_s);
    QCOMPARE(heard("ShowFile"), u"File loaded: services.txt"_s);
    QCOMPARE(heard("TitleCount"), u"Dates listed"_s);
    control<QLineEdit>("hymnmbr")->setText(u"123"_s);
    QCOMPARE(heard("Command3"), u"Clear, criteria set"_s);
    m_ui->window().find();
    QCOMPARE(heard("List1"), u"Dates"_s);
    QCOMPARE(heard("List2"), u"Hymn lines"_s);
    QCOMPARE(heard("Tally"), u"Hymn lines listed: 2"_s);
    QCOMPARE(heard("TitleCount"), u"Dates listed: 2"_s);
    auto *left = control<QAbstractItemView>("List1");
    QTest::mouseClick(left->viewport(), Qt::LeftButton, {}, rowRect(left, 1).center());
    QCOMPARE(heard("indexPos"), u"Row clicked: (2)"_s);
    m_ui->window().tally();
    QCOMPARE(heard("List1"), u"Counts"_s);
    QCOMPARE(heard("Tally"), u"Hymns tallied: 1"_s);
    QCOMPARE(heard("TitleCount"), u"Uses counted: 1"_s);
    QCOMPARE(heard("Hcount"), u"sum:"_s);
    m_ui->window().clearCriteria();
    QCOMPARE(heard("Command3"), u"Clear"_s);

    QVERIFY(m_ui->load(u"hymns.txt"_s));
    QCOMPARE(heard("Tally"), u"Hymns loaded: 1"_s);
    m_ui->window().find();
    QCOMPARE(heard("List1"), u"Titles"_s);
    QCOMPARE(heard("List2"), u"Verse lines"_s);
    QCOMPARE(heard("Filter"), u"Limit title to:"_s);
    QCOMPARE(heard("hymname"), u"Verse phrase:"_s);
}

void TestKeyboard::shortenedCaptions()
{
    ShortCaptions language;
    QCoreApplication::installTranslator(&language);
    m_ui = std::make_unique<WindowHarness>();
    m_ui->folder.write(u"hymns.txt"_s, kHymns);
    QVERIFY(m_ui->open());
    // The full text is the tooltip and the name heard, of the caption and of the box it names; a name of the
    // control's own is kept.
    auto *limit = control<QLabel>("Label7");
    QCOMPARE(limit->text(), u"Lim. date:"_s);
    QCOMPARE(limit->toolTip(), u"Limit date to:"_s);
    QCOMPARE(accessibleName(limit), u"Limit date to:"_s);
    QCOMPARE(accessibleName(control<QWidget>("Filter")), u"Limit date to:"_s);
    auto *fullNumber = control<QCheckBox>("Check1");
    QCOMPARE(fullNumber->text(), u" full #"_s);
    QCOMPARE(fullNumber->toolTip(), u"full # only"_s);
    QCOMPARE(accessibleName(fullNumber), u"full number only"_s);
    auto *sort = control<QComboBox>("TallySort");
    QCOMPARE(sort->itemText(0), u"f."_s);
    QCOMPARE(sort->itemData(0, Qt::ToolTipRole).toString(), u"freq"_s);
    QCOMPARE(sort->itemData(0, Qt::AccessibleTextRole).toString(), u"freq"_s);

    // A caption the language did not shorten takes the tooltip and the name of the one before away.
    QVERIFY(m_ui->load(u"hymns.txt"_s));
    QCOMPARE(limit->text(), u"Limit title to:"_s);
    QCOMPARE(limit->toolTip(), QString());
    QCOMPARE(accessibleName(limit), u"Limit title to:"_s);
    QCOMPARE(accessibleName(control<QWidget>("Filter")), u"Limit title to:"_s);
}

void TestKeyboard::focusMark_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<bool>("dark");
    for (const char *name : {"List1", "List2", "Dir1", "File1"})
        QTest::newRow(name) << QString::fromLatin1(name) << false;
    // A theme whose highlight is barely apart from its base, as the report window may have.
    QTest::newRow("dark theme, dim highlight") << QString() << true;
}

void TestKeyboard::focusMark()
{
    QFETCH(QString, list);
    QFETCH(bool, dark);
    QVERIFY(m_ui->load(u"services.txt"_s));
    QAbstractItemView *view = m_ui->window().findChild<QAbstractItemView *>(list, Qt::FindDirectChildrenOnly);
    std::unique_ptr<QListWidget> own;
    if (dark) {
        own = std::make_unique<QListWidget>(&m_ui->window());
        QPalette palette = own->palette();
        palette.setColor(QPalette::Base, QColor(32, 32, 32));
        palette.setColor(QPalette::Highlight, QColor(40, 48, 64));
        palette.setColor(QPalette::Text, QColor(224, 224, 224));
        own->setPalette(palette);
        own->setGeometry(10, 10, 100, 100);
        own->show();
        new FocusMark(own.get());
        view = own.get();
    }
    QVERIFY(view != nullptr);
    // The corner below any row: where the mark is, and only the mark.
    const auto corner = [view] {
        const QImage image = view->viewport()->grab().toImage();
        return image.pixelColor(1, image.height() - 2);
    };
    const QColor base = view->palette().color(QPalette::Base);
    view->clearFocus();
    QCOMPARE(corner(), base);
    view->setFocus(Qt::TabFocusReason);
    QVERIFY(view->hasFocus());
    const QColor marked = corner();
    QVERIFY2(std::abs(qGray(marked.rgb()) - qGray(base.rgb())) > 100, qPrintable(marked.name()));
    // Focus elsewhere takes the mark away.
    control<QLineEdit>("hymnmbr")->setFocus(Qt::TabFocusReason);
    QCOMPARE(corner(), base);
}

void TestKeyboard::windowGrows()
{
    Form1 &window = m_ui->window();
    QCOMPARE(window.size(), QSize(640, 487));
    QCOMPARE(window.minimumSize(), QSize(640, 487));
    QHash<QString, QRect> design;
    const QList<QWidget *> controls = window.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *control : controls)
        design.insert(control->objectName(), control->geometry());

    window.resize(640 + 300, 487 + 200);
    QCoreApplication::processEvents();
    const QRect left = control<QWidget>("List1")->geometry();
    const QRect right = control<QWidget>("List2")->geometry();
    QCOMPARE(left.height(), design[u"List1"_s].height() + 200);
    QCOMPARE(right.height(), design[u"List2"_s].height() + 200);
    QVERIFY(right.width() - design[u"List2"_s].width() > left.width() - design[u"List1"_s].width());
    QCOMPARE(left.width() + right.width(), design[u"List1"_s].width() + design[u"List2"_s].width() + 300);
    QCOMPARE(control<QWidget>("Command3")->geometry(), design[u"Command3"_s].translated(300, 200));
    QCOMPARE(control<QWidget>("Label6")->geometry(), design[u"Label6"_s].translated(300, 0));
    for (const char *above : {"Filter", "hymname", "Go", "File1", "Label2"})
        QCOMPARE(control<QWidget>(above)->geometry(), design[QString::fromLatin1(above)]);

    // Nothing that was apart in the design overlaps after growing.
    for (QWidget *a : controls) {
        for (QWidget *b : controls) {
            if (a == b || design[a->objectName()].intersects(design[b->objectName()]))
                continue;
            QVERIFY2(!a->geometry().intersects(b->geometry()),
                     qPrintable(a->objectName() + u" / "_s + b->objectName()));
        }
    }
    // Not smaller than the design.
    window.resize(500, 400);
    QCOMPARE(window.size(), QSize(640, 487));
}

QTEST_MAIN(TestKeyboard)
#include "tst_gui_keyboard.moc"
