// SPDX-License-Identifier: GPL-3.0-or-later
// Files no one should feed the program, loaded the way a user would (chosen in the file list, then "Get File"):
// binary noise, NUL bytes, huge lines, floods of blank lines, overfull stores, odd line ends and encodings, names
// that are not regular files (tst_gui_hostile_posix.cpp), files that vanish or change after the click, and a source
// that never ends. Each must give the right message (or none), leave a store and window that make sense, and let Find,
// Tally and the copies run on what was kept.
#include "app/pickers/filelist.h"
#include "store/hymnfileloader.h"
#include "systemfiles.h"
#include "windowharness.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 kMiB = 1024 * 1024;

QByteArray randomBytes(quint32 seed, qsizetype size)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

// count services of `lines` hymn lines each, every hymn number different.
QByteArray services(int count, int lines)
{
    QByteArray bytes;
    int number = 100;
    for (int e = 0; e < count; ++e) {
        bytes += "Jan 1, 2020\n";
        for (int s = 0; s < lines; ++s, ++number)
            bytes += QByteArray::number(number) + " Hymn " + QByteArray::number(number) + '\n';
        bytes += '\n';
    }
    return bytes;
}

QByteArray utf16(const QString &text, bool bigEndian)
{
    QByteArray bytes = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (QChar c : text) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
        bytes.append(bigEndian ? high : low).append(bigEndian ? low : high);
    }
    return bytes;
}

// "head|tag=text|..." for each entry in use, for tables that state a small store whole.
QStringList describe(const EntryStore &store)
{
    QStringList all;
    for (int e = 1; e <= store.entryCount(); ++e) {
        QString out = store.head(e);
        for (int s = 1; s <= EntryStore::MaxSlots && !store.text(e, s).isEmpty(); ++s)
            out += u'|' + store.tag(e, s) + u'=' + store.text(e, s);
        all.append(out);
    }
    return all;
}

// Hands out an endless stream of hymn lines, as a file that something keeps appending to while it is read.
class EndlessDevice : public QIODevice {
public:
    EndlessDevice() { open(QIODevice::ReadOnly); }
    qint64 handedOut() const { return m_handedOut; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        static const QByteArray pattern = "Jan 1, 2020\n378 Amazing Grace\n14 Holy God\n\n";
        for (qint64 i = 0; i < maxSize; ++i)
            data[i] = pattern[(m_handedOut + i) % pattern.size()];
        m_handedOut += maxSize;
        return maxSize;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    qint64 m_handedOut = 0;
};

} // namespace

class TestHostileFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void hostileFiles_data();
    void hostileFiles();
    void changedAfterClick_data();
    void changedAfterClick();
    void oversizedFileRefusedUnread_data();
    void oversizedFileRefusedUnread();
    void endlessSourceStopsAtCap();

private:
    // The store is whole and the window agrees with it; Find, Tally and both copies run on it.
    void checkWindowAfterLoad();
    void expectOneMessage(const QString &title, const QString &fragment);
    template <typename T> T *control(const char *name) { return m_ui->control<T>(name); }

    std::unique_ptr<WindowHarness> m_ui;
};

void TestHostileFiles::init()
{
    m_ui = std::make_unique<WindowHarness>();
}

void TestHostileFiles::cleanup()
{
    m_ui.reset();
}

void TestHostileFiles::expectOneMessage(const QString &title, const QString &fragment)
{
    const QList<ScriptedDialogs::Shown> messages = m_ui->dialogs.messages();
    if (title.isEmpty()) {
        QVERIFY2(messages.isEmpty(), qPrintable(messages.value(0).title + u": "_s + messages.value(0).text));
        return;
    }
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].title, title);
    QCOMPARE(messages[0].icon, Dialogs::Icon::Exclamation);
    QVERIFY2(messages[0].text.contains(fragment, Qt::CaseInsensitive), qPrintable(messages[0].text));
}

void TestHostileFiles::checkWindowAfterLoad()
{
    const EntryStore &store = m_ui->store();
    QVERIFY(store.entryCount() >= 0 && store.entryCount() <= EntryStore::MaxEntries);
    QVERIFY(store.overflowCount() >= 0 && store.overflowCount() <= qMax(0, store.entryCount() - 1));
    QCOMPARE(control<QLabel>("Tally")->text(), QString::number(store.entryCount() - store.overflowCount()));

    // Entry 0, slot 0, entries past the count and slots past an entry's last line stay empty; no line end is kept.
    for (int e = 0; e <= EntryStore::MaxEntries; ++e) {
        const bool inUse = e >= 1 && e <= store.entryCount();
        QVERIFY(inUse || store.head(e).isEmpty());
        QVERIFY(!store.head(e).contains(u'\n') && !store.head(e).contains(u'\r'));
        bool ended = !inUse;
        for (int s = 0; s <= EntryStore::MaxSlots; ++s) {
            const QString &tag = store.tag(e, s);
            const QString &text = store.text(e, s);
            if (s == 0 || ended) {
                QVERIFY2(tag.isEmpty() && text.isEmpty(), qPrintable(u"entry %1 slot %2"_s.arg(e).arg(s)));
                continue;
            }
            ended = tag.isEmpty() && text.isEmpty();
            QVERIFY(!text.contains(u'\n') && !text.contains(u'\r') && !tag.contains(u'\n') && !tag.contains(u'\r'));
        }
    }

    auto *list1 = control<QAbstractItemView>("List1");
    auto *list2 = control<QAbstractItemView>("List2");
    m_ui->dialogs.reset();
    m_ui->window().find();
    QCOMPARE(rowCount(list1), rowCount(list2));
    QCOMPARE(control<QLabel>("Tally")->text(), QString::number(rowCount(list1)));
    QVERIFY(store.entryCount() > 0 || rowCount(list1) == 0);
    QVERIFY(control<QPushButton>("Go")->isEnabled());
    // The rows must show at once, however long they are (a slow machine takes milliseconds for the largest here).
    QElapsedTimer drawing;
    drawing.start();
    QVERIFY(!m_ui->window().grab().isNull());
    QVERIFY2(drawing.elapsed() < 10000, qPrintable(u"drawing the rows took %1 ms"_s.arg(drawing.elapsed())));

    m_ui->window().tally();
    QCOMPARE(rowCount(list1), rowCount(list2));
    QCOMPARE(control<QLabel>("Tally")->text(), QString::number(rowCount(list1)));
    qint64 sum = 0;
    for (const QString &count : rowsOf(list1))
        sum += count.toLongLong();
    QCOMPARE(control<QLabel>("TitleCount")->text(), QString::number(sum));

    // Copies of whatever the tally left: every row whole, one a line, and a message that counts them.
    for (QAbstractItemView *list : {list1, list2}) {
        m_ui->dialogs.reset();
        QGuiApplication::clipboard()->setText(u"before"_s);
        if (list == list1)
            m_ui->window().copyList(Form1::Side::Left);
        else
            m_ui->window().copyList(Form1::Side::Right);
        if (rowCount(list) == 0) {
            QVERIFY(m_ui->dialogs.messages().isEmpty());
            continue;
        }
        QVERIFY(QGuiApplication::clipboard()->text() == rowsOf(list).join(u'\r'));
        QCOMPARE(m_ui->dialogs.messages().size(), 1);
        QVERIFY(m_ui->dialogs.messages()[0].text.startsWith(QString::number(rowCount(list)) + u" item"_s));
    }
}

void TestHostileFiles::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("title");     // the one message shown; empty for none
    QTest::addColumn<QString>("fragment");  // words the message must hold
    QTest::addColumn<int>("entries");       // EntryCount; -1 when only its range is known
    QTest::addColumn<int>("overflow");      // OverflowCount; -1 when only its range is known
    QTest::addColumn<QStringList>("store"); // the whole store, for small files; empty when not stated

    const QString fileError = u"File Error"_s, limit = u"Limit reached"_s;
    const QString limitText = u"1800 items loaded - this is the program's maximum"_s;

    QTest::newRow("random binary") << randomBytes(20260101, 256 * 1024) << QString() << QString() << -1 << -1
                                   << QStringList();
    QTest::newRow("nothing but NUL bytes")
        << QByteArray(4096, '\0') << QString() << QString() << 1 << 0 << QStringList{QString(4096, QChar(0))};
    static const char nulLines[] = "Jan 1, 2020\n1 A\0B\n\0\0\n\0 C\n";
    QTest::newRow("NUL bytes inside lines") << QByteArray(nulLines, sizeof nulLines - 1) << QString() << QString() << 1
                                            << 0 << QStringList{u"Jan 1, 2020|1=A\u0000B|=\u0000\u0000|\u0000=C"_s};
    {
        QByteArray huge("Jan 1, 2020\n378 ");
        huge += QByteArray(50 * kMiB, 'a');
        huge += '\n';
        QTest::newRow("one line of 50 MB") << huge << QString() << QString() << 1 << 0 << QStringList();
    }
    QTest::newRow("200,000 blank lines only")
        << QByteArray(200000, '\n') << fileError << u"empty"_s << 0 << 0 << QStringList();
    QTest::newRow("200,000 blank lines between two services")
        << QByteArray("Jan 1, 2020\n1 A\n" + QByteArray(200000, '\n') + "Jan 8, 2020\n2 B\n") << QString() << QString()
        << 2 << 0 << QStringList{u"Jan 1, 2020|1=A"_s, u"Jan 8, 2020|2=B"_s};
    QTest::newRow("1,800 services") << services(1800, 1) << limit << limitText << 1800 << 0 << QStringList();
    QTest::newRow("1,801 services") << services(1801, 1) << limit << limitText << 1800 << 0 << QStringList();
    QTest::newRow("1,801 full services") << services(1801, 10) << limit << limitText << 1800 << 0 << QStringList();
    QTest::newRow("one service of 18,000 lines")
        << services(1, 18000) << limit << limitText << 1800 << 1799 << QStringList();
    QTest::newRow("one service of 18,100 lines")
        << services(1, 18100) << fileError << u"1800 entries"_s << 1800 << 1799 << QStringList();
    QTest::newRow("CR-only line ends") << QByteArray("Jan 1, 2020\r1 A\r2 B\r\rJan 8, 2020\r3 C\r") << QString()
                                       << QString() << 2 << 0
                                       << QStringList{u"Jan 1, 2020|1=A|2=B"_s, u"Jan 8, 2020|3=C"_s};
    // LF then CR is two line ends, so the lone CR after "2 B" closes an empty line and ends the service.
    QTest::newRow("mixed line ends") << QByteArray("Jan 1\r\n1 A\n2 B\n\r3 C\r\n\r\nJan 8, 2020\r4 D") << QString()
                                     << QString() << 3 << 0
                                     << QStringList{u"Jan 1, 2020|1=A|2=B"_s, u"3 C, 2020"_s, u"Jan 8, 2020|4=D"_s};
    QTest::newRow("UTF-16 LE with BOM") << utf16(u"Jan 1, 2020\r\n1 Caf\u00E9\r\n\r\nJan 8, 2020\r\n2 \u263A"_s, false)
                                        << QString() << QString() << 2 << 0
                                        << QStringList{u"Jan 1, 2020|1=Caf\u00E9"_s, u"Jan 8, 2020|2=\u263A"_s};
    QTest::newRow("UTF-16 BE with BOM") << utf16(u"Jan 1, 2020\n1 Caf\u00E9\n"_s, true) << QString() << QString() << 1
                                        << 0 << QStringList{u"Jan 1, 2020|1=Caf\u00E9"_s};
    QTest::newRow("UTF-16 LE cut mid-character") << utf16(u"Jan 1, 2020\n1 A"_s, false).chopped(1) << QString()
                                                 << QString() << 1 << 0 << QStringList{u"Jan 1, 2020|1=\uFFFD"_s};
    QTest::newRow("invalid UTF-8 read as Windows-1252")
        << QByteArray("Jan 1, 2020\n1 Caf\xE9 \x80 \x93x\x94\n2 \xC3\xA9 \xC3\n") << QString() << QString() << 1 << 0
        << QStringList{u"Jan 1, 2020|1=Caf\u00E9 \u20AC \u201Cx\u201D|2=\u00C3\u00A9 \u00C3"_s};
}

void TestHostileFiles::hostileFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, title);
    QFETCH(QString, fragment);
    QFETCH(int, entries);
    QFETCH(int, overflow);
    QFETCH(QStringList, store);

    m_ui->folder.write(u"x.txt"_s, bytes);
    QVERIFY(m_ui->open());
    QVERIFY(m_ui->load(u"x.txt"_s));
    expectOneMessage(title, fragment);
    if (entries >= 0)
        QCOMPARE(m_ui->store().entryCount(), entries);
    if (overflow >= 0)
        QCOMPARE(m_ui->store().overflowCount(), overflow);
    if (!store.isEmpty())
        QCOMPARE(describe(m_ui->store()), store);
    QCOMPARE(control<QLabel>("ShowFile")->text(), u"x.txt"_s);
    QVERIFY(control<QPushButton>("Go")->isVisible() || m_ui->store().entryCount() == 0);
    checkWindowAfterLoad();
}

void TestHostileFiles::changedAfterClick_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("fragment");
    QTest::newRow("removed") << u"remove"_s << u"not found"_s;
    QTest::newRow("replaced by a folder") << u"folder"_s << u"folder"_s;
    if (SystemFiles::hasFifos())
        QTest::newRow("replaced by a FIFO") << u"fifo"_s << u"not an ordinary file"_s;
    QTest::newRow("grown past 64 MiB") << u"grow"_s << u"64 MiB"_s;
    QTest::newRow("emptied") << u"empty"_s << u"empty"_s;
}

void TestHostileFiles::changedAfterClick()
{
    QFETCH(QString, change);
    QFETCH(QString, fragment);
    const QString path = m_ui->folder.write(u"x.txt"_s, "Jan 1, 2020\n1 A\n2 B\n");
    QVERIFY(m_ui->open());
    QVERIFY(m_ui->load(u"x.txt"_s));
    QCOMPARE(m_ui->store().entryCount(), 1);
    m_ui->dialogs.reset();

    // Clicking the file again shows "Get File" again.
    auto *files = control<FileList>("File1");
    const int row = files->rowOf(u"x.txt"_s);
    QVERIFY(row >= 0);
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, rowRect(files, row).center());
    auto *getFile = control<QPushButton>("Command1");
    QVERIFY(getFile->isVisible());
    if (change == u"grow"_s) {
        QFile file(path);
        QVERIFY(file.resize(HymnFileLoader::MaxFileBytes + 1));
    } else if (change == u"empty"_s) {
        QFile file(path);
        QVERIFY(file.resize(0));
    } else {
        QVERIFY(QFile::remove(path));
        if (change == u"folder"_s)
            QVERIFY(QDir(m_ui->folder.path()).mkdir(u"x.txt"_s));
        else if (change == u"fifo"_s)
            QVERIFY(SystemFiles::makeFifo(path));
    }
    QTest::mouseClick(getFile, Qt::LeftButton);

    expectOneMessage(u"File Error"_s, fragment);
    QVERIFY(m_ui->dialogs.messages()[0].text.contains(u"x.txt"_s));
    QCOMPARE(m_ui->store().entryCount(), 0);
    QVERIFY(!getFile->isVisible());
    // The list now offers only what can be loaded.
    QCOMPARE(files->count(), change == u"grow"_s || change == u"empty"_s ? 1 : 0);
    checkWindowAfterLoad();
}

void TestHostileFiles::oversizedFileRefusedUnread_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("shownSize");
    QTest::newRow("one byte over 64 MiB") << HymnFileLoader::MaxFileBytes + 1 << u"65 MiB"_s;
    // Reading this one would take more memory than the machine has, so only a refusal up front passes.
    QTest::newRow("8 GiB") << qint64(8) * 1024 * kMiB << u"8192 MiB"_s;
}

void TestHostileFiles::oversizedFileRefusedUnread()
{
    QFETCH(qint64, size);
    QFETCH(QString, shownSize);
    // A sparse file: its size is real to every reader, though no block of it is written.
    QFile file(m_ui->folder.filePath(u"huge.txt"_s));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write("Jan 1, 2020\n1 A\n") > 0);
    QVERIFY(file.resize(size));
    file.close();

    QVERIFY(m_ui->open());
    QVERIFY(m_ui->load(u"huge.txt"_s));
    expectOneMessage(u"File Error"_s, u"was not read"_s);
    const QString text = m_ui->dialogs.messages()[0].text;
    QVERIFY2(text.contains(u"huge.txt"_s) && text.contains(shownSize), qPrintable(text));
    QCOMPARE(m_ui->store().entryCount(), 0);
    checkWindowAfterLoad();
}

void TestHostileFiles::endlessSourceStopsAtCap()
{
    EntryStore store;
    QVERIFY(HymnFileLoader::loadBytes("Jan 1, 2020\n1 A\n", u"before.txt"_s, store).errorText.isEmpty());
    EndlessDevice device;
    const LoadOutcome outcome = HymnFileLoader::loadDevice(device, u"growing.txt"_s, store);
    QVERIFY2(outcome.errorText.contains(u"growing.txt"_s) && outcome.errorText.contains(u"64 MiB"_s),
             qPrintable(outcome.errorText));
    // It stopped at the cap (give or take one read), not at the end of memory.
    QVERIFY(device.handedOut() >= HymnFileLoader::MaxFileBytes);
    QVERIFY(device.handedOut() <= HymnFileLoader::MaxFileBytes + 64 * 1024);
    QCOMPARE(store.entryCount(), 0);
    QVERIFY(store.head(1).isEmpty());
}

QTEST_MAIN(TestHostileFiles)
#include "tst_gui_hostile.moc"
