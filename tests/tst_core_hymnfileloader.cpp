// SPDX-License-Identifier: GPL-3.0-or-later
// The hymn file loader: both file kinds stored as users write them, long entries, the full store, the comma
// suffix, text decoding and line ends, and files that cannot be read.
#include "store/booklistreader.h"
#include "store/entrystore.h"
#include "store/hymnfileloader.h"
#include "store/textdecoding.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// A device that hands out some bytes and then fails, as a disk or network share may.
class FailingDevice : public QIODevice {
public:
    explicit FailingDevice(QByteArray bytes) : m_bytes(std::move(bytes)) { open(QIODevice::ReadOnly); }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_pos >= m_bytes.size()) {
            setErrorString(u"device fault"_s);
            return -1;
        }
        const qint64 n = qMin(maxSize, m_bytes.size() - m_pos);
        memcpy(data, m_bytes.constData() + m_pos, n);
        m_pos += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }
    bool isSequential() const override { return true; }

private:
    QByteArray m_bytes;
    qint64 m_pos = 0;
};

LoadOutcome load(const QByteArray &bytes, EntryStore &store)
{
    return HymnFileLoader::loadBytes(bytes, u"test.txt"_s, store);
}

// "head|tag=text|tag=text" for one entry, so a table row can state a whole entry on one line.
QString describe(const EntryStore &store, int e)
{
    QString out = store.head(e);
    for (int s = 1; s <= EntryStore::MaxSlots && !(store.tag(e, s).isEmpty() && store.text(e, s).isEmpty()); ++s)
        out += u'|' + store.tag(e, s) + u'=' + store.text(e, s);
    return out;
}

QStringList describeAll(const EntryStore &store)
{
    QStringList all;
    for (int e = 1; e <= store.entryCount(); ++e)
        all.append(describe(store, e));
    return all;
}

QByteArray entries(int count, int linesEach, const char *headPrefix = "Jan 1, 2020 #")
{
    QByteArray bytes;
    for (int e = 1; e <= count; ++e) {
        bytes += headPrefix + QByteArray::number(e) + '\n';
        for (int l = 1; l <= linesEach; ++l)
            bytes += QByteArray::number(l) + " Hymn " + QByteArray::number(l) + '\n';
        bytes += '\n';
    }
    return bytes;
}

QByteArray utf16le(const QString &text)
{
    QByteArray bytes;
    for (QChar c : text) {
        bytes += char(c.unicode() & 0xFF);
        bytes += char(c.unicode() >> 8);
    }
    return bytes;
}

} // namespace

class TestLoader : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void storesFiles_data();
    void storesFiles();
    void continuationEntries_data();
    void continuationEntries();
    void fullStore();
    void verseFileFromTheStart();
    void storeKeepsCountersInBounds();
    void referencesFlag();
    void decoding_data();
    void decoding();
    void readFailureKeepsEntries();
    void unreadableFiles_data();
    void unreadableFiles();
    void missingFileEmptiesStore();
    void piecewiseReadingMatchesWhole_data();
    void piecewiseReadingMatchesWhole();
    void lineEndAcrossPieces();
    void reloadGivesSameStore();
};

void TestLoader::storesFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("verse");

    QTest::newRow("usage example") << QByteArray("Dec 18\n378 Amazing Grace\n14 Holy God\nOffertory\n\nDec 24, 2022\n"
                                                 "101 Silent Night\n")
                                   << QStringList{u"Dec 18, 2022|378=Amazing Grace|14=Holy God|=Offertory"_s,
                                                  u"Dec 24, 2022|101=Silent Night"_s}
                                   << 0;
    QTest::newRow("verse example")
        << QByteArray("378 Amazing Grace\n--\n%C.M.\n$G\n~3/4\n^Luke 15\nFirst line of the first verse\n")
        << QStringList{u"378 Amazing Grace|378.=Meter: C.M.|378=Key: G|378=Time: 3/4|378=^Luke 15|"
                       "378=First line of the first verse"_s}
        << 1;
    QTest::newRow("blank lines around and between") << QByteArray("\n  \n\nMay 1, 2021\n1 A\n\n\n   \nMay 8, 2021\n2 B")
                                                    << QStringList{u"May 1, 2021|1=A"_s, u"May 8, 2021|2=B"_s} << 0;
    QTest::newRow("spaces-only line ends entry")
        << QByteArray("May 1, 2021\n1 A\n    \n2 B\n") << QStringList{u"May 1, 2021|1=A"_s, u"2 B"_s} << 0;
    QTest::newRow("leading space gives blank tag")
        << QByteArray("May 1, 2021\n  Prelude in G  \n") << QStringList{u"May 1, 2021| =Prelude in G"_s} << 0;
    QTest::newRow("head keeps leading, loses trailing spaces")
        << QByteArray("  May 1, 2021   \n1 A\n") << QStringList{u"  May 1, 2021|1=A"_s} << 0;
    QTest::newRow("comma suffix reaches back to previous comma")
        << QByteArray("Dec 4\n1 A\n\nDec 11 (evening)\n2 B\n\nDec 18, 2022 Advent\n3 C\n\nJan 1\n4 D\n")
        << QStringList{u"Dec 4, 2022 Advent|1=A"_s, u"Dec 11 (evening), 2022 Advent|2=B"_s,
                       u"Dec 18, 2022 Advent|3=C"_s, u"Jan 1|4=D"_s}
        << 0;
    QTest::newRow("dash pair inside a line is a separator")
        << QByteArray("7 Refrain Hymn\nWords: X, 1850\n(R) Sing -- sing again\nLine\n")
        << QStringList{u"7 Refrain Hymn|7=Words: X, 1850|7.=Line"_s} << 1;
    QTest::newRow("only the first of each mark is rewritten")
        << QByteArray("9 T\n--\n%8.7.%8.7.\n$C$D\n3~4~5\n")
        << QStringList{u"9 T|9.=Meter: 8.7.%8.7.|9=Key: C$D|9=3Time: 4~5"_s} << 1;
    QTest::newRow("verse head with leading space gives empty tags")
        << QByteArray(" 12 Lead\nCredits\n--\nVerse\n") << QStringList{u" 12 Lead|=Credits|.=Verse"_s} << 1;
    QTest::newRow("verse head without space gives empty tags")
        << QByteArray("12\n--\nVerse\n") << QStringList{u"12|.=Verse"_s} << 1;
    QTest::newRow("marks stay in usage files")
        << QByteArray("Jun 5, 2022\n%1 $2 ~3\n") << QStringList{u"Jun 5, 2022|%1=$2 ~3"_s} << 0;
    QTest::newRow("head line at end of file")
        << QByteArray("May 1, 2021\n1 A\n\nMay 8, 2021") << QStringList{u"May 1, 2021|1=A"_s, u"May 8, 2021"_s} << 0;
    QTest::newRow("lead byte removal, two at most, follower skipped")
        << QByteArray("Jan 2, 2022\n5 A\xC3\x82\xC3\x82\xC3\x82"
                      "B\xC3\x82"
                      "C\n")
        << QStringList{u"Jan 2, 2022|5=A\u00C2B\u00C2C"_s} << 0;
}

void TestLoader::storesFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, expected);
    QFETCH(int, verse);
    EntryStore store;
    const LoadOutcome outcome = load(file, store);
    QVERIFY2(!outcome.failed(), qPrintable(outcome.errorText));
    QCOMPARE(describeAll(store), expected);
    QCOMPARE(store.isVerseFile(), verse != 0);
    QCOMPARE(store.head(0), QString());
    QCOMPARE(store.tag(1, 0), QString());
    QCOMPARE(store.text(1, 0), QString());
}

void TestLoader::continuationEntries_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("entryCount");
    QTest::addColumn<int>("overflow");
    QTest::addColumn<int>("lastSlotsUsed");
    QTest::newRow("3 lines") << 3 << 1 << 0 << 3;
    QTest::newRow("10 lines, no continuation") << 10 << 1 << 0 << 10;
    QTest::newRow("11 lines") << 11 << 2 << 1 << 1;
    QTest::newRow("25 lines") << 25 << 3 << 2 << 5;
}

void TestLoader::continuationEntries()
{
    QFETCH(int, lines);
    QFETCH(int, entryCount);
    QFETCH(int, overflow);
    QFETCH(int, lastSlotsUsed);
    EntryStore store;
    QVERIFY(!load(entries(1, lines), store).failed());
    QCOMPARE(store.entryCount(), entryCount);
    QCOMPARE(store.overflowCount(), overflow);
    QCOMPARE(store.hymnCount(), 1);
    for (int e = 2; e <= entryCount; ++e)
        QCOMPARE(store.head(e), store.head(1));
    for (int e = 1; e <= entryCount + 1; ++e)
        QCOMPARE(store.isContinuation(e), e > 1 && e <= entryCount);
    QCOMPARE(store.text(entryCount, lastSlotsUsed), u"Hymn %1"_s.arg(lines));
    if (lastSlotsUsed < EntryStore::MaxSlots)
        QVERIFY(store.tag(entryCount, lastSlotsUsed + 1).isEmpty());
}

void TestLoader::fullStore()
{
    EntryStore store;
    LoadOutcome outcome = load(entries(1801, 2), store);
    QVERIFY(outcome.limitReached);
    QVERIFY(!outcome.failed());
    QCOMPARE(store.entryCount(), 1800);
    QCOMPARE(store.head(1800), u"Jan 1, 2020 #1800"_s);
    QCOMPARE(HymnFileLoader::limitMessage(store.entryCount()), u"1800 items loaded - this is the program's maximum"_s);

    // A continuation entry past the last one is a failure, not a crash; what was read stays.
    QByteArray bytes = entries(1799, 1) + entries(1, 25, "Dec 25, 2020 #");
    outcome = load(bytes, store);
    QVERIFY(outcome.failed());
    QVERIFY2(outcome.errorText.contains(u"1800"_s), qPrintable(outcome.errorText));
    QCOMPARE(store.entryCount(), 1800);
    QCOMPARE(store.text(1800, 10), u"Hymn 10"_s);

    // A separator in the part of the file that is not read does not make a service log a verse file.
    const QByteArray unread = "Dec 31, 2020\nPostlude -- organ\n";
    for (const QByteArray &log : {entries(1801, 2) + unread, bytes + unread}) {
        load(log, store);
        QVERIFY(!store.isVerseFile());
        QCOMPARE(store.tag(1, 1), u"1"_s);
        QCOMPARE(store.text(1, 1), u"Hymn 1"_s);
    }
}

// The store's own writes keep its counters within its arrays, whatever order they come in.
void TestLoader::storeKeepsCountersInBounds()
{
    EntryStore store;
    store.addContinuation(); // nothing to continue yet
    store.setHead(1, u"Jan 1"_s);
    store.setLine(1, 1, u"1"_s, u"A"_s);
    QCOMPARE(store.entryCount(), 0);
    QCOMPARE(store.overflowCount(), 0);
    QVERIFY(store.head(1).isEmpty() && store.text(1, 1).isEmpty());

    for (int e = 1; e <= EntryStore::MaxEntries + 1; ++e)
        store.addEntry(u"Service %1"_s.arg(e));
    store.addContinuation();
    QCOMPARE(store.entryCount(), EntryStore::MaxEntries);
    QCOMPARE(store.overflowCount(), 0);
    QCOMPARE(store.head(EntryStore::MaxEntries), u"Service %1"_s.arg(EntryStore::MaxEntries));

    store.clear();
    QVERIFY(store == EntryStore());
}

void TestLoader::verseFileFromTheStart()
{
    // The first hymn's credits come before any separator, yet are stored like every other hymn's.
    EntryStore store;
    QVERIFY(!load("378 Amazing Grace\nWords: John Newton, 1779\n--\n(v1) Amazing grace\n"_ba, store).failed());
    QVERIFY(store.isVerseFile());
    QCOMPARE(describe(store, 1), u"378 Amazing Grace|378=Words: John Newton, 1779|378.=(v1) Amazing grace"_s);
}

void TestLoader::referencesFlag()
{
    EntryStore store;
    QVERIFY(load("1 A\n--\n^Psalms 23\n"_ba, store).hasReferences);
    QVERIFY(!load("1 A\n--\n ^Psalms 23\n"_ba, store).hasReferences);
    QVERIFY(!load("May 1, 2021\n^1 Psalms\n"_ba, store).hasReferences);
}

void TestLoader::decoding_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("utf-8 with bom") << QByteArray("\xEF\xBB\xBFMay 1, 2021\n1 Caf\xC3\xA9\n")
                                    << QStringList{u"May 1, 2021|1=Caf\u00E9"_s};
    QTest::newRow("windows-1252") << QByteArray("May 1, 2021\n1 Caf\xE9 \x93quoted\x94\n")
                                  << QStringList{u"May 1, 2021|1=Caf\u00E9 \u201Cquoted\u201D"_s};
    QTest::newRow("utf-16le with bom") << utf16le(u"\uFEFFMay 1, 2021\r\n1 A\r\n"_s)
                                       << QStringList{u"May 1, 2021|1=A"_s};
    QTest::newRow("cr-lf, lone cr and lf") << QByteArray("May 1, 2021\r\n1 A\r2 B\n\r\nMay 8, 2021\r3 C\r")
                                           << QStringList{u"May 1, 2021|1=A|2=B"_s, u"May 8, 2021|3=C"_s};
    QTest::newRow("nul bytes are text") << QByteArray("May 1, 2021\n1 A\0B\n", 18)
                                        << QStringList{u"May 1, 2021|1=A\0B"_s.replace(u"\\0"_s, QString(QChar(0)))};
}

void TestLoader::decoding()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, expected);
    EntryStore store;
    QVERIFY(!load(file, store).failed());
    QCOMPARE(describeAll(store), expected);
}

void TestLoader::readFailureKeepsEntries()
{
    EntryStore store;
    FailingDevice device("May 1, 2021\n1 A\n\nMay 8, 2021\n2 B\n"_ba);
    const LoadOutcome outcome = HymnFileLoader::loadDevice(device, u"shaky.txt"_s, store);
    QVERIFY(outcome.failed());
    QVERIFY2(outcome.errorText.contains(u"device fault"_s), qPrintable(outcome.errorText));
    QCOMPARE(store.entryCount(), 2);
    QCOMPARE(store.text(2, 1), u"B"_s);
}

void TestLoader::unreadableFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("wordInMessage");
    // Folders, pipes, sockets and devices under the file's name: notRegularAnswersAtOnce.
    QTest::newRow("missing") << u"missing"_s << u"not found"_s;
    QTest::newRow("empty") << u"empty"_s << u"empty"_s;
    QTest::newRow("blank lines only") << u"blank"_s << u"empty"_s;
    QTest::newRow("far too large") << u"large"_s << u"64 MiB"_s;
}

void TestLoader::unreadableFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, wordInMessage);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"x.txt"_s);
    if (kind != u"missing"_s) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (kind == u"blank"_s)
            file.write("\n   \n\r\n");
        if (kind == u"large"_s)
            QVERIFY(file.resize(HymnFileLoader::MaxFileBytes + 1));
    }
    EntryStore store;
    QVERIFY(!load("May 1, 2021\n1 A\n"_ba, store).failed());
    const LoadOutcome outcome = HymnFileLoader::loadFile(NativePath::fromText(path), store);
    QVERIFY(outcome.failed());
    QVERIFY2(outcome.errorText.contains(wordInMessage), qPrintable(outcome.errorText));
    QVERIFY(outcome.errorText.contains(u"x.txt"_s));
    QCOMPARE(store.entryCount(), 0);
    QCOMPARE(store.overflowCount(), 0);
    QCOMPARE(store.head(1), QString());
}

void TestLoader::missingFileEmptiesStore()
{
    EntryStore store;
    QVERIFY(!load(entries(3, 12), store).failed());
    QCOMPARE(store.overflowCount(), 3);
    const LoadOutcome outcome = HymnFileLoader::loadFile(NativePath::fromText(u"/nonexistent/folder/x.txt"_s), store);
    QVERIFY(!outcome.opened);
    QCOMPARE(store.entryCount(), 0);
    QCOMPARE(store.overflowCount(), 0);
    QVERIFY(!store.isContinuation(2));
    QVERIFY(!store.isVerseFile());
    QCOMPARE(store.tag(1, 1), QString());
}

void TestLoader::reloadGivesSameStore()
{
    const QByteArray file = entries(40, 13) + "1 A\n--\nB\n";
    EntryStore first;
    EntryStore second;
    load(file, first);
    load(entries(5, 3), second);
    load(file, second);
    QCOMPARE(describeAll(second), describeAll(first));
    QCOMPARE(second.overflowCount(), first.overflowCount());
    QVERIFY(second == first);
}

void TestLoader::piecewiseReadingMatchesWhole_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("cr-lf, lone cr, lf") << QByteArray("a\r\nb\rc\n\r\n\rd\r");
    QTest::newRow("utf-8 with two marks") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF"
                                                        "caf\xC3\xA9\r\n\xE2\x82\xAC\xF0\x9F\x8E\xB5");
    QTest::newRow("utf-8 cut at the end") << QByteArray("caf\xC3\xA9\n\xE2\x82");
    QTest::newRow("invalid utf-8 at the end") << QByteArray("caf\xC3\xA9\n\x93q\x94\xFF");
    QTest::newRow("utf-16le, second mark, odd tail") << QByteArray("\xFF\xFE\xFF\xFE"
                                                                   "a\0\r\0\n\0\x01\xD8\x02\xDCz",
                                                                   15);
    QTest::newRow("utf-16be, cr-lf") << QByteArray("\xFE\xFF\0a\0\r\0\n\0b\0\r", 13);
    QTest::newRow("nul bytes") << QByteArray("a\0b\n\0", 5);
    // Random files from bytes that begin marks, sequences and line ends, for boundaries nobody thought of.
    const QByteArrayList parts = {"\r",       "\n",           "\xC3", "\xA9", "\xEF\xBB\xBF",
                                  "\xFF\xFE", "\xE2\x82\xAC", "\x80", "a",    " "};
    QRandomGenerator random(20240611);
    for (int f = 0; f < 300; ++f) {
        QByteArray file;
        for (int n = random.bounded(30); n > 0; --n)
            file += parts[random.bounded(int(parts.size()))];
        QTest::addRow("random %d", f) << file;
    }
}

// Reading a file a few bytes at a time chooses the same encoding and gives the same lines as decoding it whole.
void TestLoader::piecewiseReadingMatchesWhole()
{
    QFETCH(QByteArray, file);
    const TextDecoding::Encoding whole = TextDecoding::encodingOf(file);
    const QStringList expected = TextDecoding::splitLines(TextDecoding::decode(file));
    for (qsizetype pieceBytes : {1, 2, 3, 5, 7, 64}) {
        TextDecoding::EncodingProbe probe;
        for (qsizetype at = 0; at < file.size(); at += pieceBytes)
            probe.feed(QByteArrayView(file).sliced(at, qMin(pieceBytes, file.size() - at)));
        QCOMPARE(probe.encoding().kind, whole.kind);
        QCOMPARE(probe.encoding().markBytes, whole.markBytes);

        qsizetype at = 0;
        TextDecoding::LineReader reader(whole, [&]() -> QByteArrayView {
            const QByteArrayView piece = QByteArrayView(file).sliced(at, qMin(pieceBytes, file.size() - at));
            at += piece.size();
            return piece;
        });
        QStringList lines;
        for (QStringView line; reader.next(line);)
            lines.append(line.toString());
        QVERIFY2(lines == expected,
                 qPrintable(
                     u"pieces of %1: %2 lines, expected %3"_s.arg(pieceBytes).arg(lines.size()).arg(expected.size())));
    }
}

// A CR-LF pair split where the loader's own pieces meet, after a character that needs the UTF-8 decoder.
void TestLoader::lineEndAcrossPieces()
{
    constexpr qsizetype piece = 256 * 1024;
    QByteArray bytes = "Jan 1, 2020\r\n1 ";
    bytes += QByteArray(piece - 1 - bytes.size() - 2, 'x') + "\xC3\xA9\r\n2 B\r\n";
    QCOMPARE(bytes.at(piece - 1), '\r');
    QTemporaryDir dir;
    const QString path = dir.filePath(u"long.txt"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    for (bool fromFile : {false, true}) {
        EntryStore store;
        const LoadOutcome outcome =
            fromFile ? HymnFileLoader::loadFile(NativePath::fromText(path), store) : load(bytes, store);
        QVERIFY2(!outcome.failed(), qPrintable(outcome.errorText));
        QCOMPARE(store.entryCount(), 1);
        QVERIFY(store.text(1, 1).endsWith(u"x\u00E9"_s));
        QCOMPARE(store.text(1, 2), u"B"_s);
    }
}

QTEST_GUILESS_MAIN(TestLoader)
#include "tst_core_hymnfileloader.moc"
