// SPDX-License-Identifier: GPL-3.0-or-later
// File > Import Lectionary… over the real main window: tables pasted from the clipboard (HTML and text) and read from
// CSV and tab-separated files, previewed with the columns guessed and changed, written into a new Lectionary.txt or
// merged into the one there after a question, and refused before anything when the hymnal's folder cannot take it.
#include "mainwindowfixture.h"
#include "scripteddialogs.h"
#include "testfiles.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QtTest>

#include "app/plan/importlectionarydialog.h"
#include "workspace/hymnal.h"

using namespace Qt::StringLiterals;

namespace {

const QByteArray kHymnal = "12 While Shepherds Watched\n--\n(v1) While shepherds watched\n--\n^Luke 2:8-14\n";

} // namespace

class TestImportDialog : public QObject, protected MainWindowFixture {
    Q_OBJECT

    ImportLectionaryDialog *m_import = nullptr;

    template <typename T> T *part(const char *name) const
    {
        return m_import->findChild<T *>(QString::fromLatin1(name));
    }

    ImportLectionaryDialog *openImport()
    {
        m_window->findChild<QAction *>(u"actImportLectionary"_s)->trigger();
        m_import = m_window->findChild<ImportLectionaryDialog *>(u"ImportLectionary"_s);
        return m_import;
    }

    QByteArray lectionary() const
    {
        QFile file(m_folder->filePath(u"Lectionary.txt"_s));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The preview's last column, the lines each row gives, row by row.
    QStringList written() const
    {
        const QAbstractItemModel *model = part<QTableView>("ImportPreview")->model();
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row)
            rows.append(model->index(row, model->columnCount() - 1).data().toString());
        return rows;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(setUpProgram(u"ImportTest"_s, Locale::UsEnglish)); }

    void init()
    {
        QVERIFY(setUpFolder(true));
        QVERIFY(openWindow(Shown::Exposed));
        QVERIFY(m_window->setHymnal(NativePath::fromText(m_folder->write(u"Hymnal.txt"_s, kHymnal))));
    }

    void cleanup() { tearDown(); }

    void pasted_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("preview");
        QTest::addColumn<QByteArray>("file");

        // As a spreadsheet copies it: the day once over its years, the HTML's cells whole where the text's break.
        QTest::newRow("a spreadsheet's HTML table")
            << u"<meta charset=utf-8><table><tr><td>Sunday</td><td>Year</td><td>Gospel</td></tr><tr><td rowspan=2>"
               "Advent 3</td><td>B</td><td>John 1:6-8,<br>19-28</td></tr><tr><td>C</td><td>Luke 3:7-18</td></tr>"
               "</table>"_s
            << u"Sunday\tYear\tGospel\nAdvent 3\tB\tJohn 1:6-8,\n"_s
            << QStringList{u"(the headings)"_s, u"Advent 3 B: John 1:6-8, 19-28"_s, u"Advent 3 C: Luke 3:7-18"_s}
            << "Advent 3 B: John 1:6-8, 19-28\nAdvent 3 C: Luke 3:7-18\n"_ba;
        QTest::newRow("a web page's text, a row not read")
            << QString() << u"Advent 4 B\tLuke 1:26-38\nAdvent 9 B\tLuke 9\n"_s
            << QStringList{u"Advent 4 B: Luke 1:26-38"_s, u"“Advent 9 B” is not a day of the church year"_s}
            << "Advent 4 B: Luke 1:26-38\n"_ba;
    }

    void pasted()
    {
        QFETCH(QString, html);
        QFETCH(QString, text);
        auto *data = new QMimeData;
        if (!html.isEmpty())
            data->setHtml(html);
        data->setText(text);
        QGuiApplication::clipboard()->setMimeData(data);
        QVERIFY(openImport());
        QVERIFY(!part<QPushButton>("ImportOk")->isEnabled());
        QTest::mouseClick(part<QPushButton>("ImportPaste"), Qt::LeftButton);
        QTEST(written(), "preview");
        QFETCH(QStringList, preview);
        const int notRead = int(std::count_if(preview.begin(), preview.end(),
                                              [](const QString &row) { return row.contains(u"not a day"_s); }));
        QCOMPARE(part<QListWidget>("ImportProblems")->count(), notRead);
        QTest::mouseClick(part<QPushButton>("ImportOk"), Qt::LeftButton);
        QTEST(lectionary(), "file");
        QVERIFY(m_dialogs.shown.isEmpty());
        QTRY_VERIFY(!m_window->findChild<ImportLectionaryDialog *>(u"ImportLectionary"_s));
        // Read at once, not when the watch comes round to it.
        QVERIFY(!m_window->hymnal()->lectionary().table().isEmpty());
        QVERIFY(m_window->statusBar()->currentMessage().startsWith(u"Lectionary.txt made beside the hymnal"_s));
    }

    void columnsChosen()
    {
        QVERIFY(openImport());
        const QString csv = m_folder->write(u"table.csv"_s, "Lent 1,A,Genesis 2:15-17,Psalm 32\n"
                                                            "Lent 2,A,Genesis 12:1-4a,Psalm 121\n");
        QVERIFY(m_import->readFile(NativePath::fromText(csv)));
        QCOMPARE(part<QComboBox>("ImportDayColumn")->currentText(), u"A"_s);
        QCOMPARE(part<QComboBox>("ImportYearColumn")->currentText(), u"B"_s);
        QCOMPARE(written().first(), u"Lent 1 A: Genesis 2:15-17; Psalm 32"_s);
        // Each box read again at once: no year, one reading less.
        part<QComboBox>("ImportYearColumn")->setCurrentIndex(0);
        part<QListWidget>("ImportReadingsColumns")->item(3)->setCheckState(Qt::Unchecked);
        QCOMPARE(written().first(), u"Lent 1: Genesis 2:15-17"_s);
        part<QListWidget>("ImportReadingsColumns")->item(2)->setCheckState(Qt::Unchecked);
        QVERIFY(!part<QPushButton>("ImportOk")->isEnabled());
    }

    // Lines for the same day and year are replaced only once the user agrees, and the rest stays byte for byte.
    void mergedAfterQuestion()
    {
        const QByteArray before = "# Our parish\r\nAdvent 3 B: Zephaniah 3 # old\r\nLent 1: Genesis 2\r\n";
        m_folder->write(u"Lectionary.txt"_s, before);
        QVERIFY(openImport());
        const QString tsv = m_folder->write(u"table.tsv"_s, "Advent 3\tB\tJes 61,1-2a.10-11\n"
                                                            "Advent 4\tB\tLk 1,26-38\n");
        QVERIFY(m_import->readFile(NativePath::fromText(tsv)));
        m_dialogs.confirmAnswers = {false};
        QTest::mouseClick(part<QPushButton>("ImportOk"), Qt::LeftButton);
        QCOMPARE(lectionary(), before);
        QVERIFY(m_import->isVisible());
        QCOMPARE(m_dialogs.shown.size(), 1);
        QVERIFY2(m_dialogs.shown.front().text.contains(u"line 2: Advent 3 B: Zephaniah 3 # old"_s),
                 qPrintable(m_dialogs.shown.front().text));
        m_dialogs.confirmAnswers = {true};
        QTest::mouseClick(part<QPushButton>("ImportOk"), Qt::LeftButton);
        QCOMPARE(lectionary(), "# Our parish\r\nAdvent 3 B: Jes 61,1-2a.10-11\r\nLent 1: Genesis 2\r\n"
                               "Advent 4 B: Lk 1,26-38\r\n"_ba);
    }

    void refusedBeforeAnything()
    {
        QVERIFY(QDir(m_folder->path()).mkdir(u"Lectionary.txt"_s));
        QVERIFY(!openImport());
        QCOMPARE(m_dialogs.messages().size(), 1);
        QVERIFY(m_dialogs.messages().front().text.startsWith(u"Lectionary.txt in"_s));
    }
};

QTEST_MAIN(TestImportDialog)
#include "tst_gui_import.moc"
