// SPDX-License-Identifier: GPL-3.0-or-later
// Many rounds of the heaviest use in one process: the largest usage and verse files the store takes (1800 entries
// of 10 lines) loaded, searched, tallied in every order and copied, all through the window. Resident memory after
// the last round must stay within a tenth of that after the first, so nothing piles up from round to round.
// CANTORIX_ENDURANCE_CYCLES sets the number of rounds (scripts/endurance.sh runs 1,000); the figures are printed.
#include "processmemory.h"
#include "windowharness.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int kDefaultCycles = 50;

// Weekly services from 1990 on, ten hymns each, numbers 1 to 999 so that hymns recur as they do in a real log.
QByteArray fullUsageFile()
{
    QByteArray bytes;
    for (int e = 1; e <= 1800; ++e) {
        bytes += QDate(1990, 1, 7).addDays(7 * e).toString(u"MMM d, yyyy"_s).toUtf8() + '\n';
        for (int s = 1; s <= 10; ++s) {
            const int number = (e * 7 + s * 131) % 999 + 1;
            bytes += QByteArray::number(number) + (number % 10 == 3 ? "* " : " ") + "Hymn of praise " +
                     QByteArray::number(number) + '\n';
        }
        bytes += '\n';
    }
    return bytes;
}

// 1800 hymns, each with exactly ten stored lines: credits, meter, key, two verses, a refrain and a reference.
QByteArray fullVerseFile()
{
    QByteArray bytes;
    for (int h = 1; h <= 1800; ++h) {
        const QByteArray n = QByteArray::number(h);
        bytes += n + " Hymn number " + n + "\nWords: Author " + n + ", 17" + QByteArray::number(h % 100) +
                 "; Music: Composer, 1850\n--\n%C.M.\n$G\n(v1) First verse of " + n +
                 "\nsecond line\n--\n(v2) Second "
                 "verse\nsecond line\n--\n(R) Refrain of " +
                 n + "\nrefrain line\n^Psalm " + QByteArray::number(h % 150 + 1) + "\n\n";
    }
    return bytes;
}

bool underAddressSanitizer()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#else
    return false;
#endif
#else
    return false;
#endif
}

} // namespace

class TestEndurance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void repeatedHeavyUseKeepsMemoryFlat();

private:
    void cycle();
    void load(const QString &name);
    template <typename T> T *control(const char *name) { return m_ui->control<T>(name); }

    std::unique_ptr<WindowHarness> m_ui;
};

void TestEndurance::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    m_ui = std::make_unique<WindowHarness>();
    m_ui->folder.write(u"usage.txt"_s, fullUsageFile());
    m_ui->folder.write(u"verse.txt"_s, fullVerseFile());
    QVERIFY(m_ui->open());
}

void TestEndurance::cleanupTestCase()
{
    m_ui.reset();
}

void TestEndurance::load(const QString &name)
{
    QVERIFY(m_ui->load(name));
    // A full store is reported each time; nothing else may be.
    const QList<ScriptedDialogs::Shown> messages = m_ui->dialogs.messages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0].title, u"Limit reached"_s);
    QCOMPARE(m_ui->store().entryCount(), 1800);
    QCOMPARE(m_ui->store().overflowCount(), 0);
}

void TestEndurance::cycle()
{
    Form1 &window = m_ui->window();
    auto *list1 = control<QAbstractItemView>("List1");
    auto *list2 = control<QAbstractItemView>("List2");

    m_ui->dialogs.reset();
    load(u"usage.txt"_s);
    window.find(); // the whole file, after the question
    QCOMPARE(rowCount(list1), 18000);
    QCOMPARE(rowCount(list2), 18000);
    QVERIFY(!window.grab().isNull()); // drawn, as the user would see it
    control<QLineEdit>("Filter")->setText(u">2010"_s);
    control<QLineEdit>("hymname")->setText(u"praise 1"_s);
    window.find();
    QVERIFY(rowCount(list1) > 0);
    QCOMPARE(rowCount(list1), rowCount(list2));
    control<QLineEdit>("Filter")->clear();
    control<QLineEdit>("hymname")->clear();
    auto *sort = control<QComboBox>("TallySort");
    for (int order = 0; order < sort->count(); ++order) {
        sort->setCurrentIndex(order);
        window.tally();
        QCOMPARE(control<QLabel>("TitleCount")->text(), u"18000"_s);
    }
    window.copyList(Form1::Side::Left);
    window.copyList(Form1::Side::Right);

    m_ui->dialogs.reset();
    load(u"verse.txt"_s);
    window.find();
    QCOMPARE(rowCount(list1), rowCount(list2));
    QVERIFY(rowCount(list1) >= 16200);
    QVERIFY(!window.grab().isNull());
    m_ui->dialogs.inputAnswers = {u"All"_s};
    window.copyList(Form1::Side::Right);
    m_ui->dialogs.inputAnswers = {u"2"_s};
    window.copyList(Form1::Side::Right);
    window.copyList(Form1::Side::Left);
    window.tally();
    QCOMPARE(rowCount(list1), rowCount(list2));

    m_ui->dialogs.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void TestEndurance::repeatedHeavyUseKeepsMemoryFlat()
{
    bool ok = false;
    int cycles = qEnvironmentVariableIntValue("CANTORIX_ENDURANCE_CYCLES", &ok);
    if (!ok || cycles < 2)
        cycles = kDefaultCycles;

    QVERIFY(m_ui->load(u"usage.txt"_s));
    const qint64 peakLoaded = ProcessMemory::peakResidentKb();
    cycle();
    if (QTest::currentTestFailed())
        return;
    const qint64 rssFirst = ProcessMemory::residentKb();
    const qint64 peakFirst = ProcessMemory::peakResidentKb();
    QVERIFY(rssFirst > 0);

    QElapsedTimer timer;
    timer.start();
    for (int c = 2; c <= cycles; ++c) {
        cycle();
        if (QTest::currentTestFailed())
            return;
    }
    const qint64 rssLast = ProcessMemory::residentKb();
    const qint64 peakLast = ProcessMemory::peakResidentKb();
    qInfo("endurance: %d cycles, %.1f ms a cycle; VmRSS after cycle 1: %lld kB, after cycle %d: %lld kB (%+.1f%%); "
          "VmHWM with the full usage file loaded: %lld kB, after cycle 1: %lld kB, at the end: %lld kB",
          cycles, double(timer.elapsed()) / (cycles - 1), rssFirst, cycles, rssLast,
          100.0 * double(rssLast - rssFirst) / double(rssFirst), peakLoaded, peakFirst, peakLast);

    // The sanitizer holds freed memory back in quarantine on purpose, so resident memory says nothing there.
    if (underAddressSanitizer())
        QSKIP("resident memory is not comparable under AddressSanitizer; leaks are reported at exit instead");
    QVERIFY2(rssLast * 10 <= rssFirst * 11,
             qPrintable(u"resident memory grew from %1 kB to %2 kB"_s.arg(rssFirst).arg(rssLast)));
}

QTEST_MAIN(TestEndurance)
#include "tst_gui_endurance.moc"
