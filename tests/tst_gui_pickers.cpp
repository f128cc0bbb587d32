// SPDX-License-Identifier: GPL-3.0-or-later
// The file picker on every system: "Get File" reads the folder the lists show, also after the folder was renamed or
// deleted under them, and the file's date reads the same in any locale.
#include "app/pickers/dirlist.h"
#include "app/pickers/filelist.h"
#include "windowharness.h"

#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class TestPickers : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { m_ui = std::make_unique<WindowHarness>(); }
    void cleanup()
    {
        m_ui.reset();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void getFileReadsTheListedFolder();
    void fileDateInAnyLocale_data();
    void fileDateInAnyLocale();

private:
    template <typename T> T *control(const char *name) const { return m_ui->control<T>(name); }
    QString base() const { return QFileInfo(m_ui->folder.path()).canonicalFilePath(); }
    void chooseFile(const QString &name);
    void write(const QString &path, const QByteArray &bytes);

    std::unique_ptr<WindowHarness> m_ui;
};

void TestPickers::chooseFile(const QString &name)
{
    auto *files = control<FileList>("File1");
    QCOMPARE(rowsOf(files).count(name), 1);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, rowRect(files, files->rowOf(name)).center());
}

void TestPickers::write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

void TestPickers::getFileReadsTheListedFolder()
{
    const QString hymns = base() + u"/hymns"_s;
    QVERIFY(QDir().mkdir(hymns));
    write(hymns + u"/x.txt"_s, "Jan 1, 2020\n1 Old\n");
    QVERIFY(m_ui->open(hymns));
    chooseFile(u"x.txt"_s);

    // The folder shown is renamed away (nothing of the program's holds it) and a new one takes its name, with
    // another file of the same name.
    QVERIFY(QDir().rename(hymns, base() + u"/hymns-old"_s));
    QVERIFY(QDir().mkdir(hymns));
    write(hymns + u"/x.txt"_s, "Jan 1, 2020\n1 New\n\nFeb 2, 2020\n2 Newer\n");
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(m_ui->dialogs.messages().size(), 0);
    QCOMPARE(m_ui->store().entryCount(), 2);
    QCOMPARE(control<DirList>("Dir1")->path(), hymns);

    // The folder is deleted: the message names it, and the lists move to where the folder was.
    chooseFile(u"x.txt"_s);
    QVERIFY(QDir(hymns).removeRecursively());
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    const QList<ScriptedDialogs::Shown> messages = m_ui->dialogs.messages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].title, u"File Error"_s);
    QVERIFY2(messages[0].text.contains(QDir::toNativeSeparators(hymns)), qPrintable(messages[0].text));
    QCOMPARE(m_ui->store().entryCount(), 0);
    QCOMPARE(control<DirList>("Dir1")->path(), base());
    QVERIFY(!control<DirList>("Dir1")->findItems(u"hymns-old"_s, Qt::MatchEndsWith).isEmpty());
}

void TestPickers::fileDateInAnyLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<qint64>("seconds");
    QTest::addColumn<QString>("shown");
    const qint64 march = QDateTime(QDate(2023, 3, 5), QTime(12, 0)).toSecsSinceEpoch();
    const qint64 september = QDateTime(QDate(2023, 9, 5), QTime(12, 0)).toSecsSinceEpoch();
    // The epoch falls on the last day of 1969 west of Greenwich.
    const QString epoch = QDateTime::fromSecsSinceEpoch(0).date().year() == 1970 ? u"01Jan1970"_s : u"31Dec1969"_s;
    QTest::newRow("de_DE, March") << u"de_DE"_s << march << u"05Mar2023"_s;
    QTest::newRow("de_DE, September") << u"de_DE"_s << september << u"05Sep2023"_s;
    QTest::newRow("ja_JP, September") << u"ja_JP"_s << september << u"05Sep2023"_s;
    QTest::newRow("de_DE, the epoch") << u"de_DE"_s << qint64(0) << epoch;
}

void TestPickers::fileDateInAnyLocale()
{
    QFETCH(QString, locale);
    QFETCH(qint64, seconds);
    QFETCH(QString, shown);
    QLocale::setDefault(QLocale(locale));
    QFile file(m_ui->folder.write(u"dated.txt"_s, "Jan 1, 2020\n1 A\n"));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::fromSecsSinceEpoch(seconds), QFileDevice::FileModificationTime));
    file.close();
    QVERIFY(m_ui->open());
    chooseFile(u"dated.txt"_s);
    QCOMPARE(control<QLabel>("ShowDate")->text(), shown);
}

QTEST_MAIN(TestPickers)
#include "tst_gui_pickers.moc"
