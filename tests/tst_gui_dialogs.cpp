// SPDX-License-Identifier: GPL-3.0-or-later
// The program's dialogs on the smallest screen it is made for, 1280 x 1024 at twice the scale: each opens within the
// screen, goes down to 640 x 480 with all its buttons in reach, and its whole text can be read.
#include "app/widgets/dialogs.h"
#include "panes/clipcopy.h"
#include "panes/helptext.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryFile>
#include <QTextEdit>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {
enum class Kind { Message, Input, File };
} // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fit_data();
    void fit();
};

void TestDialogs::fit_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::newRow("help") << int(Kind::Message) << Panes::HelpText();
    // A path the window cannot break at a blank.
    const QString path = u"/home/organist/"_s + QString(u"x"_s).repeated(600) + u"/ServiceLog.txt"_s;
    QTest::newRow("a long path") << int(Kind::Message) << u"The folder \"%1\" cannot be opened."_s.arg(path);
    QStringList lines;
    for (int i = 1; i <= 60; ++i)
        lines << u"Line %1 of a long message"_s.arg(i);
    QTest::newRow("sixty lines") << int(Kind::Message) << lines.join(QChar(u'\r'));
    QTest::newRow("verse input") << int(Kind::Input) << Panes::List2VersePrompt(true).prompt;
    QTest::newRow("open a file") << int(Kind::File) << QString();
}

void TestDialogs::fit()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QWidget window;
    window.resize(640, 487);
    window.show();
    QtDialogs dialogs(&window);
    std::unique_ptr<QDialog> dialog;
    if (kind == int(Kind::Message))
        dialog = dialogs.messageBox(u"Message"_s, text, Dialogs::Icon::Exclamation);
    else if (kind == int(Kind::Input))
        dialog = dialogs.inputBox(text, u"Copy verses"_s, QString());
    else
        dialog = QtDialogs::fileDialog(&window, QtDialogs::FileUse::Open, u"Open"_s, QDir::tempPath(), QString());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    const QRect screen = dialog->screen()->availableGeometry();
    QCOMPARE(screen.size(), QSize(640, 512));
    QVERIFY2(screen.contains(dialog->frameGeometry()),
             qPrintable(u"%1 x %2"_s.arg(dialog->width()).arg(dialog->height())));

    // As small as 640 x 480 (a box of fixed size is that small already), every button still on it.
    QVERIFY(dialog->minimumWidth() <= 640 && dialog->minimumHeight() <= 480);
    dialog->resize(dialog->size().boundedTo(QSize(640, 480)));
    dialog->layout()->activate();
    for (const QAbstractButton *button : dialog->findChildren<QAbstractButton *>()) {
        if (button->isVisible())
            QVERIFY(dialog->rect().contains(QRect(button->mapTo(dialog.get(), QPoint()), button->size())));
    }

    // The whole text can be read: in its label as laid out, or in a box of its own that scrolls.
    if (text.isEmpty())
        return;
    if (const auto *view = dialog->findChild<QTextEdit *>()) {
        QVERIFY(view->isVisible());
        QCOMPARE(view->toPlainText(), QString(text).replace(QChar(u'\r'), QChar(u'\n')));
        return;
    }
    for (const QLabel *label : dialog->findChildren<QLabel *>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        const QRect room = label->contentsRect();
        const QRect needed = label->fontMetrics().boundingRect(room, Qt::TextWordWrap, label->text());
        QVERIFY2(room.contains(needed), qPrintable(label->text().left(60)));
    }
}

int main(int argc, char *argv[])
{
    // 1280 x 1024 pixels at twice the scale: 640 x 512 logical pixels.
    // Named relative to the test's folder: the platform's options are split at colons, which a drive letter has.
    QTemporaryFile screens(u"screens-XXXXXX.json"_s);
    if (!screens.open())
        return 1;
    screens.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 1280, "height": 1024,
                      "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    screens.flush();
    qputenv("QT_QPA_PLATFORM",
            "offscreen:configfile=" + QFile::encodeName(QDir::current().relativeFilePath(screens.fileName())));
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestDialogs test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_gui_dialogs.moc"
