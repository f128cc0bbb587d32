// SPDX-License-Identifier: GPL-3.0-or-later
// What the program has open and keeps: the loaded file's kind and path after each kind of load, the hymnal's book
// names and what a refused hymnal leaves, its lectionary followed on disk and written by an import, and the
// settings' keys, defaults and the recent weeks' bounds as a settings file written by earlier versions holds them.
#include "testfiles.h"

#include "platform/writelock.h"
#include "workspace/appsettings.h"
#include "workspace/hymnal.h"
#include "workspace/lectionarysave.h"
#include "workspace/loadedfile.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kLog = "Jan 3, 2021\n130 As with Gladness\n125 We Three Kings\n";
const QByteArray kHymnal = "14 Holy, Holy, Holy\nWords: Heber\n--\n(v1) Holy, holy, holy\n--\n";

} // namespace

class TestWorkspace : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void loadedFile_data();
    void loadedFile();
    void takeLeavesTheOtherEmpty();
    void hymnal_data();
    void hymnal();
    void settings_data();
    void settings();
    void recentWeeksKept_data();
    void recentWeeksKept();
    void lectionaryFollowed();
    void lectionaryRefused_data();
    void lectionaryRefused();
    void lectionaryWritten_data();
    void lectionaryWritten();
};

void TestWorkspace::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(u"Cantorix2"_s);
    QCoreApplication::setApplicationName(u"Cantorix2"_s);
}

void TestWorkspace::init()
{
    programSettings()->clear();
}

// Each row catches a load that judges the kind wrongly or forgets which file was tried.
void TestWorkspace::loadedFile_data()
{
    QTest::addColumn<QByteArray>("first");  // loaded first, to be replaced; empty for none
    QTest::addColumn<QByteArray>("second"); // null: no such file
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("entries");
    QTest::addColumn<bool>("factsKnown");

    using Kind = LoadedFile::Kind;
    // A verse flag ignored would take every file for a log.
    QTest::newRow("a service log") << QByteArray() << kLog << int(Kind::ServiceLog) << 1 << true;
    QTest::newRow("a hymnal text") << QByteArray() << kHymnal << int(Kind::Hymnal) << 1 << true;
    // A store not emptied first would keep the hymnal's entry beside the log's.
    QTest::newRow("a log after a hymnal") << kHymnal << kLog << int(Kind::ServiceLog) << 1 << true;
    // A failed load that kept the old kind or facts would let Add Service write over a file it never read.
    QTest::newRow("a file that is gone, after a log") << kLog << QByteArray() << int(Kind::None) << 0 << false;
}

void TestWorkspace::loadedFile()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    TestFolder folder;
    LoadedFile file;
    if (!first.isEmpty())
        file.load(NativePath::fromText(folder.write(u"first.txt"_s, first)));
    const NativePath path =
        NativePath::fromText(second.isNull() ? folder.filePath(u"gone.txt"_s) : folder.write(u"second.txt"_s, second));
    QSignalSpy loaded(&file, &LoadedFile::loaded);
    file.load(path);

    QCOMPARE(loaded.size(), 1);
    QTEST(int(file.kind()), "kind");
    QTEST(int(file.store().entryCount()), "entries");
    // The file tried is the one named, read or not: the report's title and its exports' folder follow it.
    QCOMPARE(file.path(), path);
    QTEST(file.readFromDisk().size >= 0, "factsKnown");
}

void TestWorkspace::takeLeavesTheOtherEmpty()
{
    // A take that moved without clearing would leave the candidate holding the hymnal, and its watch tripping.
    TestFolder folder;
    LoadedFile candidate;
    LoadedFile kept;
    const NativePath path = NativePath::fromText(folder.write(u"hymnal.txt"_s, kHymnal));
    candidate.load(path);
    QSignalSpy keptLoaded(&kept, &LoadedFile::loaded);
    kept.take(candidate);
    QCOMPARE(keptLoaded.size(), 1);
    QCOMPARE(kept.kind(), LoadedFile::Kind::Hymnal);
    QCOMPARE(kept.path(), path);
    QCOMPARE(candidate.kind(), LoadedFile::Kind::None);
    QCOMPARE(int(candidate.store().entryCount()), 0);
    QVERIFY(candidate.path().isEmpty());
}

void TestWorkspace::hymnal_data()
{
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<bool>("books"); // a BibleBooks.txt beside the chosen file
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("hymnalAfter"); // the hymnal set afterwards
    QTest::addColumn<bool>("genesisAfter");   // its books name Genesis

    // Books read from the wrong folder, or not at all, leave Suggest Hymns unable to read a reference.
    QTest::newRow("a hymnal with a book list") << kHymnal << true << true << u"chosen/Hymnal.txt"_s << true;
    // Books kept from the hymnal before would name books the new hymnal's folder does not have.
    QTest::newRow("a hymnal without one") << kHymnal << false << true << u"chosen/Hymnal.txt"_s << false;
    // A refused file must leave the hymnal set before, with its books, and its path kept.
    QTest::newRow("a service log is refused") << kLog << false << false << u"first/Hymnal.txt"_s << true;
    QTest::newRow("a missing file is refused") << QByteArray() << false << false << u"first/Hymnal.txt"_s << true;
}

void TestWorkspace::hymnal()
{
    QFETCH(QByteArray, chosen);
    QFETCH(bool, books);
    QFETCH(QString, hymnalAfter);
    TestFolder folder;
    QVERIFY(QDir(folder.path()).mkpath(u"first"_s) && QDir(folder.path()).mkpath(u"chosen"_s));
    folder.write(u"first/Hymnal.txt"_s, kHymnal);
    folder.write(u"first/BibleBooks.txt"_s, sample("BibleBooks.txt"));
    if (!chosen.isEmpty())
        folder.write(u"chosen/Hymnal.txt"_s, chosen);
    if (books)
        folder.write(u"chosen/BibleBooks.txt"_s, sample("BibleBooks.txt"));

    AppSettings settings;
    Hymnal hymnal(&settings);
    QVERIFY(hymnal.set(NativePath::fromText(folder.filePath(u"first/Hymnal.txt"_s))));
    QSignalSpy changed(&hymnal, &Hymnal::changed);
    QTEST(hymnal.set(NativePath::fromText(folder.filePath(u"chosen/Hymnal.txt"_s))), "taken");

    const NativePath expected = NativePath::fromText(folder.filePath(hymnalAfter));
    QVERIFY(hymnal.isSet());
    QCOMPARE(hymnal.file().path(), expected);
    QTEST(hymnal.books().contains(u"Genesis"_s), "genesisAfter");
    // Only a hymnal taken is news to the windows that follow it.
    QFETCH(bool, taken);
    QCOMPARE(changed.size(), taken ? 1 : 0);
    // The hymnal kept is the one a new start reads, with its books.
    Hymnal again(&settings);
    again.restore();
    QCOMPARE(again.file().path(), expected);
    QCOMPARE(again.books(), hymnal.books());

    // Cleared, nothing is read at the next start, and no books are left behind.
    hymnal.clear();
    QVERIFY(!hymnal.isSet());
    QVERIFY(hymnal.books().isEmpty());
    QCOMPARE(hymnal.store(), nullptr);
    Hymnal cleared(&settings);
    cleared.restore();
    QVERIFY(!cleared.isSet());
}

// Settings written by earlier versions, read through the table: a key renamed would lose what users kept, a default
// not taken from the table would change what a first start shows.
void TestWorkspace::settings_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("stored"); // the key as the settings file names it; empty to store nothing
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("read");

    using Key = AppSettings::Key;
    QTest::newRow("recent weeks, nothing kept: the default")
        << int(Key::RecentWeeks) << QString() << QVariant() << QVariant(4);
    QTest::newRow("recent weeks kept") << int(Key::RecentWeeks) << u"planner/recentWeeks"_s << QVariant(9)
                                       << QVariant(9);
    QTest::newRow("hymnal kept") << int(Key::HymnalPath) << u"hymnal/path"_s << QVariant(QByteArray("/x/H.txt"))
                                 << QVariant(QByteArray("/x/H.txt"));
    QTest::newRow("window place kept") << int(Key::MainWindowPlace) << u"mainWindow/geometry"_s
                                       << QVariant(QByteArray("\x01\xd9")) << QVariant(QByteArray("\x01\xd9"));
    QTest::newRow("least height, nothing kept: false")
        << int(Key::MainWindowLeastHeight) << QString() << QVariant() << QVariant(false);
    QTest::newRow("least height kept") << int(Key::MainWindowLeastHeight) << u"mainWindow/leastHeight"_s
                                       << QVariant(true) << QVariant(true);
    QTest::newRow("naming kept") << int(Key::CalendarNaming) << u"calendar/naming"_s << QVariant(u"Pentecost"_s)
                                 << QVariant(u"Pentecost"_s);
    QTest::newRow("names always kept") << int(Key::CalendarNamesAlways) << u"calendar/namesAlways"_s << QVariant(true)
                                       << QVariant(true);
    QTest::newRow("samples copied kept") << int(Key::SamplesCopied) << u"samples/copied"_s << QVariant(true)
                                         << QVariant(true);
    QTest::newRow("report place kept") << int(Key::ReportGeometry) << u"report/geometry"_s
                                       << QVariant(QRect(10, 20, 300, 200)) << QVariant(QRect(10, 20, 300, 200));
    QTest::newRow("report maximized kept")
        << int(Key::ReportMaximized) << u"report/maximized"_s << QVariant(true) << QVariant(true);
    QTest::newRow("report split kept") << int(Key::ReportSplitter) << u"report/splitter"_s
                                       << QVariant(QByteArray("split")) << QVariant(QByteArray("split"));
    QTest::newRow("report sort column kept")
        << int(Key::ReportSortColumn) << u"report/sortColumn"_s << QVariant(3) << QVariant(3);
    // An unknown sort column must stay unknown, not column 0.
    QTest::newRow("report sort column, nothing kept: unknown")
        << int(Key::ReportSortColumn) << QString() << QVariant() << QVariant();
    QTest::newRow("report descending kept")
        << int(Key::ReportDescending) << u"report/descending"_s << QVariant(true) << QVariant(true);
    QTest::newRow("report preset kept") << int(Key::ReportPreset) << u"report/preset"_s << QVariant(u"Season"_s)
                                        << QVariant(u"Season"_s);
}

void TestWorkspace::settings()
{
    QFETCH(int, key);
    QFETCH(QString, stored);
    QFETCH(QVariant, value);
    QFETCH(QVariant, read);
    if (!stored.isEmpty())
        programSettings()->setValue(stored, value);

    AppSettings settings;
    const QVariant got = settings.value(AppSettings::Key(key));
    // The settings file hands back text for what it stores as text: compared as the type asked for.
    QCOMPARE(got.isValid(), read.isValid());
    QCOMPARE(got.toString(), read.toString());
    if (read.typeId() == QMetaType::QRect)
        QCOMPARE(got.toRect(), read.toRect());
    if (read.typeId() == QMetaType::QByteArray)
        QCOMPARE(got.toByteArray(), read.toByteArray());
}

void TestWorkspace::recentWeeksKept_data()
{
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("kept");

    // A setter that kept what it was given would let a hand-made call store weeks the dialog cannot show.
    QTest::newRow("least") << 1 << 1;
    QTest::newRow("below the least") << 0 << 1;
    QTest::newRow("negative") << -5 << 1;
    QTest::newRow("most") << 52 << 52;
    QTest::newRow("past the most") << 53 << 52;
}

void TestWorkspace::recentWeeksKept()
{
    QFETCH(int, asked);
    AppSettings settings;
    settings.setRecentWeeks(asked);
    QTEST(programSettings()->value(u"planner/recentWeeks"_s).toInt(), "kept");
    QTEST(settings.recentWeeks(), "kept");
}

// Whatever an editor does to Lectionary.txt (makes it, writes it, removes it), the hymnal reads it again and says so.
void TestWorkspace::lectionaryFollowed()
{
    TestFolder folder;
    Hymnal hymnal(nullptr);
    QVERIFY(hymnal.set(NativePath::fromText(folder.write(u"Hymnal.txt"_s, kHymnal))));
    QVERIFY(hymnal.lectionary().table().isEmpty());
    QSignalSpy changed(&hymnal, &Hymnal::lectionaryChanged);
    const auto readings = [&] {
        const auto &entries = hymnal.lectionary().table().entries();
        return entries.empty() ? QString() : entries.front().readings;
    };
    folder.write(u"Lectionary.txt"_s, "Advent 1 B: Isaiah 64:1-9\n");
    QVERIFY(changed.wait());
    QCOMPARE(readings(), u"Isaiah 64:1-9"_s);
    folder.write(u"Lectionary.txt"_s, "Advent 1 B: Mark 13:24-37\n");
    QTRY_COMPARE(readings(), u"Mark 13:24-37"_s);
    QVERIFY(QFile::remove(folder.filePath(u"Lectionary.txt"_s)));
    QTRY_VERIFY(hymnal.lectionary().table().isEmpty());
}

void TestWorkspace::lectionaryRefused_data()
{
    QTest::addColumn<QString>("made"); // what has the name Lectionary.txt: "", "file", "read-only", "folder"
    QTest::addColumn<bool>("refused");
    QTest::newRow("nothing yet") << QString() << false;
    QTest::newRow("a file") << u"file"_s << false;
    // Refused before anything: else the user would choose and check a table only to have the write fail.
    QTest::newRow("a read-only file") << u"read-only"_s << true;
    QTest::newRow("a folder") << u"folder"_s << true;
}

void TestWorkspace::lectionaryRefused()
{
    QFETCH(QString, made);
    TestFolder folder;
    const QString path = folder.filePath(u"Lectionary.txt"_s);
    if (made == u"folder"_s)
        QVERIFY(QDir(folder.path()).mkdir(u"Lectionary.txt"_s));
    else if (!made.isEmpty())
        folder.write(u"Lectionary.txt"_s, "# x\n");
    if (made == u"read-only"_s)
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QString refusal = LectionarySave::refusal(NativePath::fromText(folder.path()));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QTEST(!refusal.isEmpty(), "refused");
}

void TestWorkspace::lectionaryWritten_data()
{
    QTest::addColumn<QByteArray>("before");    // null: no file
    QTest::addColumn<QByteArray>("meanwhile"); // what another program writes after the draft; null: nothing
    QTest::addColumn<bool>("locked");          // another copy of the program holds the lock
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QByteArray>("after");

    using Outcome = LectionarySave::Written::Outcome;
    const QByteArray line = "Lent 1 A: Genesis 2\n";
    QTest::newRow("a new file") << QByteArray() << QByteArray() << false << int(Outcome::Written) << line;
    QTest::newRow("merged") << "# x\n"_ba << QByteArray() << false << int(Outcome::Written) << "# x\n"_ba + line;
    // What another program made or wrote since the file was read is never written over.
    QTest::newRow("made meanwhile") << QByteArray() << "# theirs\n"_ba << false << int(Outcome::Changed)
                                    << "# theirs\n"_ba;
    QTest::newRow("edited meanwhile") << "# x\n"_ba
                                      << "# y\n"_ba << false << int(Outcome::Changed) << "# y\n"_ba;
    QTest::newRow("another copy writing") << "# x\n"_ba << QByteArray() << true << int(Outcome::Failed) << "# x\n"_ba;
}

void TestWorkspace::lectionaryWritten()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, meanwhile);
    TestFolder folder;
    if (!before.isNull())
        folder.write(u"Lectionary.txt"_s, before);
    const NativePath path = NativePath::fromText(folder.filePath(u"Lectionary.txt"_s));
    const Calendar::LectionaryFile line = Calendar::LectionaryFile::read("Lent 1 A: Genesis 2\n");
    const Calendar::LectionaryEntry &entry = line.table().entries().front();
    const LectionarySave::Draft draft =
        LectionarySave::draft(NativePath::fromText(folder.path()), {{entry.day, entry.year, u"Lent 1 A: Genesis 2"_s}});
    if (!meanwhile.isNull())
        folder.write(u"Lectionary.txt"_s, meanwhile);
    QFETCH(bool, locked);
    std::optional<WriteLock> other;
    if (locked)
        other.emplace(path);
    QTEST(int(LectionarySave::write(draft).outcome), "outcome");
    QFile file(path.toText());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QTEST(file.readAll(), "after");
}

QTEST_GUILESS_MAIN(TestWorkspace)
#include "tst_core_workspace.moc"
