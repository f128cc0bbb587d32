// SPDX-License-Identifier: GPL-3.0-or-later
// Load, search and tally on maximal files: each as the core call and as the whole window click, beside a baseline
// of the work no version of it can avoid (splitting the bytes, copying the rows, counting in a plain hash, filling
// the two lists), all measured in the same run; the usage report's core beside the tally's; and hymn suggestions
// beside a Find over the same hymnal.
#include "app/form/form1.h"
#include "app/form/resultrows.h"
#include "app/pickers/filelist.h"
#include "app/report/reportchart.h"
#include "app/report/reportmodel.h"
#include "app/report/reportwindow.h"
#include "bench_folders.h"
#include "inputs.h"
#include "language/language.h"
#include "plan/booktable.h"
#include "plan/suggestions.h"
#include "report/tabletext.h"
#include "report/usagereport.h"
#include "scripteddialogs.h"
#include "search/findhymns.h"
#include "store/entrystore.h"
#include "store/hymnfileloader.h"
#include "store/textdecoding.h"
#include "tally/tally.h"
#include "testfiles.h"
#include "workspace/loadedfile.h"

#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPalette>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

#include <algorithm>
#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using Clock = std::chrono::steady_clock;

enum class FileKind { Usage2000, Usage18000, Verse };

struct FileFacts {
    const char *label;     // benchmark name part
    QString fileName;      // name on disk for the window benchmarks
    int distinctHymns = 0; // usage files only
};

const FileFacts &factsOf(FileKind kind)
{
    static const std::array<FileFacts, 3> facts = {
        FileFacts{"usage_2000distinct", u"usage2000.txt"_s, 2000},
        FileFacts{"usage_18000distinct", u"usage18000.txt"_s, 18000},
        FileFacts{"verse", u"verse.txt"_s, 0},
    };
    return facts[static_cast<size_t>(kind)];
}

const QByteArray &bytesOf(FileKind kind)
{
    static std::array<QByteArray, 3> cache;
    QByteArray &bytes = cache[static_cast<size_t>(kind)];
    if (bytes.isEmpty())
        bytes =
            kind == FileKind::Verse ? BenchInputs::verseFile() : BenchInputs::usageFile(factsOf(kind).distinctHymns);
    return bytes;
}

const EntryStore &storeOf(FileKind kind)
{
    static std::array<std::unique_ptr<EntryStore>, 3> cache;
    std::unique_ptr<EntryStore> &store = cache[static_cast<size_t>(kind)];
    if (!store) {
        store = std::make_unique<EntryStore>();
        HymnFileLoader::loadBytes(bytesOf(kind), factsOf(kind).fileName, *store);
    }
    return *store;
}

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// This thread's processor time: ratios taken in it do not move when other processes take the processor away.
double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The median processor time of a few runs, for a baseline reported beside a figure as a ratio.
template <typename Work> double medianCpuMs(Work &&work, int runs = 21)
{
    work(); // warms the caches and the allocator, as the benchmark's own iterations are
    std::vector<double> times;
    for (int r = 0; r < runs; ++r) {
        const double start = threadCpuMs();
        work();
        times.push_back(threadCpuMs() - start);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

// The ratio of the median processor times of two pieces of work, run in turn so that both meet the same state of
// the machine, the heap and the caches: the figure that compares a call with its baseline within one run.
template <typename Work, typename Base> double interleavedRatio(Work &&work, Base &&base, int runs = 21)
{
    work();
    base();
    std::vector<double> workMs, baseMs;
    for (int r = 0; r < runs; ++r) {
        double start = threadCpuMs();
        work();
        workMs.push_back(threadCpuMs() - start);
        start = threadCpuMs();
        base();
        baseMs.push_back(threadCpuMs() - start);
    }
    for (std::vector<double> *times : {&workMs, &baseMs})
        std::nth_element(times->begin(), times->begin() + runs / 2, times->end());
    return workMs[size_t(runs / 2)] / baseMs[size_t(runs / 2)];
}

// Runs what a click leaves queued: the lists' delayed item layout and the repaint of the shown window.
void drainEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// One shown window over a temporary folder holding the three files; scripted dialogs answer its questions with OK.
class WindowRig {
public:
    WindowRig()
    {
        for (FileKind kind : {FileKind::Usage2000, FileKind::Usage18000, FileKind::Verse})
            m_folder.write(factsOf(kind).fileName, bytesOf(kind));
        // The window's directory list starts at the current directory, so enter the folder first.
        m_folder.enter();
        m_form = std::make_unique<Form1>(&m_dialogs);
        m_form->show();
        drainEvents();
    }

    Form1 &form() { return *m_form; }
    ScriptedDialogs &dialogs() { return m_dialogs; }

    template <typename T> T *control(const QString &name) { return m_form->findChild<T *>(name); }

    // Chooses the file in the file list the way a click on it does.
    bool select(FileKind kind)
    {
        auto *files = control<FileList>(u"File1"_s);
        const int found = files->rowOf(factsOf(kind).fileName);
        if (found < 0)
            return false;
        files->setCurrentRow(found);
        return true;
    }

    // "Get File" on the file; true when it filled the store. The store-full message it shows is dropped.
    bool getFile(FileKind kind)
    {
        m_loaded.reset();
        if (!select(kind))
            return false;
        m_form->loadChosenFile();
        m_dialogs.reset();
        if (m_form->store().entryCount() != EntryStore::MaxEntries)
            return false;
        m_loaded = kind;
        return true;
    }

    bool ensureLoaded(FileKind kind)
    {
        const bool loaded = m_loaded == kind || getFile(kind);
        drainEvents();
        return loaded;
    }

    // The boxes a search or tally reads; the ones not named stay empty after the load.
    void setPhrase(const QString &phrase) { control<QLineEdit>(u"hymname"_s)->setText(phrase); }

    int rows(const char16_t *list) { return control<QAbstractItemView>(QString::fromUtf16(list))->model()->rowCount(); }

private:
    TestFolder m_folder; // declared first: the window goes before the folder and the current directory are restored
    ScriptedDialogs m_dialogs;
    std::unique_ptr<Form1> m_form;
    std::optional<FileKind> m_loaded;
};

std::unique_ptr<WindowRig> g_rig;

WindowRig &rig()
{
    if (!g_rig)
        g_rig = std::make_unique<WindowRig>();
    return *g_rig;
}

QString searchLabel(const Search::SearchResult &result)
{
    return u"%1 rows, %2 heads"_s.arg(result.totalRows).arg(result.distinctHeads);
}

void setLabel(benchmark::State &state, const QString &label)
{
    state.SetLabel(label.toStdString());
}

// ---- Load

void BM_SplitBytes(benchmark::State &state, FileKind kind)
{
    const QByteArray &bytes = bytesOf(kind);
    qsizetype lines = 0;
    for (auto _ : state) {
        const QByteArrayList parts = bytes.split('\n');
        lines = parts.size();
        benchmark::DoNotOptimize(parts.constData());
    }
    setLabel(state, u"QByteArray::split, %1 lines, %2 KiB"_s.arg(lines).arg(bytes.size() / 1024));
}

void BM_DecodeSplit(benchmark::State &state, FileKind kind)
{
    const QByteArray &bytes = bytesOf(kind);
    qsizetype lines = 0;
    for (auto _ : state) {
        const QStringList parts = TextDecoding::splitLines(TextDecoding::decode(bytes));
        lines = parts.size();
        benchmark::DoNotOptimize(parts.constData());
    }
    setLabel(state, u"decode + splitLines, %1 lines"_s.arg(lines));
}

void BM_LoadBytes(benchmark::State &state, FileKind kind)
{
    const QByteArray &bytes = bytesOf(kind);
    const double splitMs = medianCpuMs([&] { benchmark::DoNotOptimize(bytes.split('\n').constData()); });
    const double decodeSplitMs = medianCpuMs(
        [&] { benchmark::DoNotOptimize(TextDecoding::splitLines(TextDecoding::decode(bytes)).constData()); });
    EntryStore store;
    LoadOutcome outcome;
    const double start = threadCpuMs();
    for (auto _ : state) {
        outcome = HymnFileLoader::loadBytes(bytes, factsOf(kind).fileName, store);
        benchmark::DoNotOptimize(store.entryCount());
    }
    const double ownMs = (threadCpuMs() - start) / static_cast<double>(state.iterations());
    if (outcome.failed() || store.entryCount() != EntryStore::MaxEntries) {
        state.SkipWithError("the maximal file did not fill the store");
        return;
    }
    // Processor times: the split's median over 21 runs, and the ratios of this benchmark's mean to the baselines.
    state.counters["split_ms"] = splitMs;
    state.counters["x_split"] = ownMs / splitMs;
    state.counters["x_decsplit"] = ownMs / decodeSplitMs;
    setLabel(state, u"%1 entries, %2 hymns"_s.arg(store.entryCount()).arg(store.hymnCount()));
}

void BM_GetFileWindow(benchmark::State &state, FileKind kind)
{
    WindowRig &window = rig();
    const double loaderMs = medianCpuMs(
        [&] {
            EntryStore store;
            HymnFileLoader::loadFile(NativePath::fromText(factsOf(kind).fileName), store);
        },
        7);
    double handlerMs = 0;
    bool filled = true;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        filled = window.getFile(kind) && filled;
        handlerMs += msSince(start);
        drainEvents();
    }
    if (!filled) {
        state.SkipWithError("Get File did not fill the store");
        return;
    }
    state.counters["handler_ms"] = handlerMs / static_cast<double>(state.iterations());
    state.counters["loadFile_cpu_ms"] = loaderMs;
    setLabel(state, u"Command1_Click + events; file on disk"_s);
}

// ---- Largest accepted files: time and peak memory of a load in a process of its own

enum class HugeKind { LineEnds, CarriageReturns, ShortLines, Separators };

const char *hugeLabel(HugeKind kind)
{
    switch (kind) {
    case HugeKind::LineEnds:
        return "lf_only";
    case HugeKind::CarriageReturns:
        return "cr_only";
    case HugeKind::ShortLines:
        return "short_lines";
    case HugeKind::Separators:
        return "separators";
    }
    return "";
}

// A file of exactly the largest accepted size, made of one line pattern repeated; written once per run.
QString hugeFile(HugeKind kind)
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(QString::fromLatin1(hugeLabel(kind)) + u".txt"_s);
    if (QFile::exists(path))
        return path;
    QByteArray unit;
    switch (kind) {
    case HugeKind::LineEnds:
        unit = "\n";
        break;
    case HugeKind::CarriageReturns:
        unit = "\r";
        break;
    case HugeKind::ShortLines:
        // Services of ten short hymn lines: the store fills after about a quarter of a megabyte.
        unit = "Jan 1, 2020\n";
        for (int i = 1; i <= 10; ++i)
            unit += QByteArray::number(100 + i) + " Hymn\n";
        unit += '\n';
        break;
    case HugeKind::Separators:
        // After the first line (a head line) every line is a separator, which takes no slot: the store never
        // fills, so the whole file is read.
        unit = "--\n";
        break;
    }
    QByteArray block;
    while (block.size() < 1024 * 1024)
        block += unit;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    qint64 left = HymnFileLoader::MaxFileBytes;
    while (left > 0)
        left -= file.write(block.constData(), std::min<qint64>(left, block.size()));
    return path;
}

// Peak resident memory of this process so far, from the kernel's own account, in KiB.
qint64 peakResidentKiB()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// The child's side: "load" loads the file into a store, "split" is the baseline of reading the file whole and
// splitting its bytes at line ends. Prints the time in ms and the peak before and after, in KiB.
int runPeakChild(std::string_view what, const char *path)
{
    auto store = std::make_unique<EntryStore>();
    const qint64 idle = peakResidentKiB();
    const Clock::time_point start = Clock::now();
    qint64 result = 0;
    if (what == "load") {
        const LoadOutcome outcome = HymnFileLoader::loadFile(NativePath::fromUnits(QByteArray(path)), *store);
        result = outcome.opened ? store->entryCount() : -1;
    } else {
        QFile file(QFile::decodeName(path));
        if (file.open(QIODevice::ReadOnly))
            result = file.readAll().split('\n').size();
    }
    const double ms = msSince(start);
    std::printf("%.3f %lld %lld %lld\n", ms, static_cast<long long>(idle), static_cast<long long>(peakResidentKiB()),
                static_cast<long long>(result));
    return 0;
}

struct PeakFigures {
    double ms = 0;
    double growthMiB = 0;
    bool ok = false;
};

PeakFigures runInChild(const char *what, const QString &path)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {u"--peak-child"_s, QString::fromLatin1(what), path});
    PeakFigures figures;
    if (!child.waitForFinished(60000))
        return figures;
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 4 || fields[3].toLongLong() < 0)
        return figures;
    figures.ms = fields[0].toDouble();
    figures.growthMiB = static_cast<double>(fields[2].toLongLong() - fields[1].toLongLong()) / 1024.0;
    figures.ok = true;
    return figures;
}

// Each iteration starts a fresh process, so that its peak memory is the load's own.
void BM_LoadLargestFile(benchmark::State &state, HugeKind kind)
{
    const QString path = hugeFile(kind);
    const PeakFigures split = runInChild("split", path);
    PeakFigures worst;
    double totalMs = 0;
    for (auto _ : state) {
        const PeakFigures load = runInChild("load", path);
        if (!load.ok) {
            state.SkipWithError("the load failed in its process");
            return;
        }
        totalMs += load.ms;
        worst.growthMiB = std::max(worst.growthMiB, load.growthMiB);
    }
    state.counters["load_ms"] = totalMs / static_cast<double>(state.iterations());
    state.counters["peak_MiB"] = worst.growthMiB;
    state.counters["file_MiB"] = static_cast<double>(HymnFileLoader::MaxFileBytes) / (1024.0 * 1024.0);
    state.counters["split_ms"] = split.ms;
    state.counters["split_peak_MiB"] = split.growthMiB;
    setLabel(state, u"peak = VmHWM growth in a child; split = read whole + QByteArray::split"_s);
}

// ---- Search

// The floor of a search that lists everything: each stored line copied into the two row lists.
void BM_SearchCopyRows(benchmark::State &state, FileKind kind)
{
    const EntryStore &store = storeOf(kind);
    qsizetype rows = 0;
    for (auto _ : state) {
        QStringList list1, list2;
        for (int i = 1; i <= store.entryCount(); ++i) {
            for (int j = 1; j <= EntryStore::MaxSlots && !store.tag(i, j).isEmpty(); ++j) {
                list1.append(store.head(i));
                list2.append(store.isVerseFile() ? store.text(i, j) : store.tag(i, j) + u' ' + store.text(i, j));
            }
        }
        rows = list1.size();
        benchmark::DoNotOptimize(list2.constData());
    }
    setLabel(state, u"baseline: copy %1 rows"_s.arg(rows));
}

// Verse files are searched with "incl. refs" checked: otherwise a hymn's lines after its reference line are left
// out, and a search without criteria would not list every stored line.
Search::SearchCriteria searchCriteria(FileKind kind, const QString &phrase, const QString &limit = QString())
{
    Search::SearchCriteria criteria;
    criteria.hymname = phrase;
    criteria.Filter = limit;
    criteria.showRefs = kind == FileKind::Verse;
    return criteria;
}

void BM_FindHymns(benchmark::State &state, FileKind kind, QString phrase, QString limit)
{
    const EntryStore &store = storeOf(kind);
    const Search::SearchCriteria criteria = searchCriteria(kind, phrase, limit);
    Search::SearchResult result;
    for (auto _ : state) {
        result = Search::FindHymns(store, criteria);
        benchmark::DoNotOptimize(result.list1.constData());
    }
    const bool everything = phrase.isEmpty() && limit.isEmpty();
    const int stored = kind == FileKind::Verse ? BenchInputs::kVerseHymns * BenchInputs::kVerseLinesPerHymn
                                               : BenchInputs::kServices * BenchInputs::kHymnsPerService;
    if ((everything && result.totalRows != stored) || result.totalRows == 0) {
        state.SkipWithError("the search listed an unexpected number of rows");
        return;
    }
    setLabel(state, searchLabel(result));
}

// Rows as a search hands them over: strings of their own, freshly allocated (a copy that shares the store's
// strings makes the lists measurably slower to fill and to clear, so it would not be a fair floor).
QStringList freshCopy(const QStringList &rows)
{
    QStringList copy;
    copy.reserve(rows.size());
    for (const QString &row : rows)
        copy.append(QString(row.constData(), row.size()));
    return copy;
}

// The floor of the window's part of a search: the same rows put into the window's own two lists.
void BM_FillLists(benchmark::State &state, FileKind kind)
{
    WindowRig &window = rig();
    if (!window.ensureLoaded(kind)) {
        state.SkipWithError("Get File did not fill the store");
        return;
    }
    const Search::SearchResult result = Search::FindHymns(storeOf(kind), searchCriteria(kind, QString()));
    auto *list1 = window.control<QAbstractItemView>(u"List1"_s);
    auto *list2 = window.control<QAbstractItemView>(u"List2"_s);
    auto *rows1 = qobject_cast<ResultRows *>(list1->model());
    auto *rows2 = qobject_cast<ResultRows *>(list2->model());
    double clearMs = 0, addMs = 0;
    for (auto _ : state) {
        // Empty, make the rows, fill: the order of a click.
        Clock::time_point start = Clock::now();
        rows1->setRows({});
        rows2->setRows({});
        clearMs += msSince(start);
        state.PauseTiming();
        QStringList left = freshCopy(result.list1);
        QStringList right = freshCopy(result.list2);
        state.ResumeTiming();
        start = Clock::now();
        rows1->setRows(std::move(left));
        rows2->setRows(std::move(right));
        addMs += msSince(start);
        drainEvents();
    }
    state.counters["clear_ms"] = clearMs / static_cast<double>(state.iterations());
    state.counters["add_ms"] = addMs / static_cast<double>(state.iterations());
    setLabel(state, u"baseline: empty + fill both lists + events, %1 rows"_s.arg(rows1->rowCount()));
}

void BM_GoClickWindow(benchmark::State &state, FileKind kind, QString phrase)
{
    WindowRig &window = rig();
    if (!window.ensureLoaded(kind)) {
        state.SkipWithError("Get File did not fill the store");
        return;
    }
    window.setPhrase(phrase);
    window.control<QCheckBox>(u"ShowRefs"_s)->setChecked(kind == FileKind::Verse);
    double handlerMs = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        window.form().find();
        handlerMs += msSince(start);
        drainEvents();
        window.dialogs().reset();
    }
    const int expected = Search::FindHymns(storeOf(kind), searchCriteria(kind, phrase)).totalRows;
    if (window.rows(u"List1") != expected || window.rows(u"List2") != expected) {
        state.SkipWithError("the lists do not hold the search's rows");
        return;
    }
    state.counters["handler_ms"] = handlerMs / static_cast<double>(state.iterations());
    const Search::SearchCriteria criteria = searchCriteria(kind, phrase);
    state.counters["x_core"] = interleavedRatio(
        [&] {
            window.form().find();
            drainEvents();
            window.dialogs().reset();
        },
        [&] { benchmark::DoNotOptimize(Search::FindHymns(storeOf(kind), criteria).totalRows); });
    setLabel(state, u"Go_Click + events, %1 rows"_s.arg(expected));
}

// ---- Tally

// The floor of a tally: one hash lookup per line, one sort by count, and the two row texts per hymn.
qsizetype countAndSort(const EntryStore &store)
{
    QHash<QString, int> rowOf;
    std::vector<std::pair<qint64, int>> counts; // minus the count, so the plain sort puts the most used first
    std::vector<std::pair<const QString *, const QString *>> lines; // the tag and title of each row's first use
    for (int i = 1; i <= store.entryCount(); ++i) {
        for (int j = 1; j <= EntryStore::MaxSlots && !store.tag(i, j).isEmpty(); ++j) {
            const QString &tag = store.tag(i, j);
            auto at = rowOf.constFind(tag);
            if (at == rowOf.constEnd()) {
                at = rowOf.insert(tag, static_cast<int>(counts.size()));
                counts.emplace_back(0, static_cast<int>(counts.size()));
                lines.emplace_back(&tag, &store.text(i, j));
            }
            --counts[*at].first;
        }
    }
    std::sort(counts.begin(), counts.end());
    QStringList list1, list2;
    for (const auto &[negative, row] : counts) {
        list1.append(u' ' + QString::number(-negative));
        list2.append(*lines[row].first + u' ' + *lines[row].second);
    }
    benchmark::DoNotOptimize(list2.constData());
    return list1.size();
}

void BM_TallyCountSort(benchmark::State &state, FileKind kind)
{
    const EntryStore &store = storeOf(kind);
    qsizetype rows = 0;
    for (auto _ : state)
        rows = countAndSort(store);
    setLabel(state, u"baseline: hash count + sort, %1 rows"_s.arg(rows));
}

void BM_TallyHymns(benchmark::State &state, FileKind kind, QString sort, Tally::TallyOrder order)
{
    const EntryStore &store = storeOf(kind);
    const Tally::TallyCriteria criteria{.order = order};
    Tally::TallyResult result;
    for (auto _ : state) {
        result = Tally::TallyHymns(store, criteria);
        benchmark::DoNotOptimize(result.list1.constData());
    }
    if (result.rows != factsOf(kind).distinctHymns) {
        state.SkipWithError("the tally did not find every distinct hymn");
        return;
    }
    state.counters["x_baseline"] =
        interleavedRatio([&] { benchmark::DoNotOptimize(Tally::TallyHymns(store, criteria).rows); },
                         [&] { benchmark::DoNotOptimize(countAndSort(store)); });
    setLabel(state, u"sort \"%1\", %2 rows, sum %3"_s.arg(sort).arg(result.rows).arg(result.sum));
}

// ---- Usage report

// The report over the whole log, once per service, beside the tally core on the same store: both read every line
// and find its row in a TallyTable, so the tally is the report's floor.
void BM_UsageReport(benchmark::State &state, FileKind kind)
{
    const EntryStore &store = storeOf(kind);
    const Report::ReportCriteria criteria{Tally::TallyCriteria{}, Report::DateRange{}, true};
    Report::ReportResult result;
    for (auto _ : state) {
        result = Report::buildReport(store, criteria);
        benchmark::DoNotOptimize(result.rows.data());
    }
    if (int(result.rows.size()) != factsOf(kind).distinctHymns || result.services != BenchInputs::kServices) {
        state.SkipWithError("the report did not find every hymn and service");
        return;
    }
    const double tallyMs = medianCpuMs([&] { benchmark::DoNotOptimize(Tally::TallyHymns(store, {}).rows); });
    const double reportMs =
        medianCpuMs([&] { benchmark::DoNotOptimize(Report::buildReport(store, criteria).services); });
    state.counters["tally_cpu_ms"] = tallyMs;
    state.counters["x_tally"] = reportMs / tallyMs;
    setLabel(
        state,
        u"%1 rows, %2 services, %3 periods"_s.arg(result.rows.size()).arg(result.services).arg(result.periods.size()));
}

// The report's rows as the window exports them: a header and one record per hymn, written as CSV.
void BM_ReportCsv(benchmark::State &state, FileKind kind)
{
    const Report::ReportResult result =
        Report::buildReport(storeOf(kind), {Tally::TallyCriteria{}, Report::DateRange{}, true});
    QList<QStringList> records{{u"Number"_s, u"Title"_s, u"Uses"_s, u"First used"_s, u"Last used"_s, u"Days since"_s}};
    for (const Report::ReportRow &row : result.rows) {
        records.append({row.number, row.title, QString::number(row.uses), row.firstUsed.toString(Qt::ISODate),
                        row.lastUsed.toString(Qt::ISODate), QString::number(row.daysSince)});
    }
    qsizetype chars = 0;
    for (auto _ : state) {
        const QString csv = Report::csvOf(records, {0, 1});
        chars = csv.size();
        benchmark::DoNotOptimize(csv.constData());
    }
    setLabel(state, u"%1 records, %2 KiB"_s.arg(records.size()).arg(chars * 2 / 1024));
}

// The report's chart of all rows, summed and drawn on an image the size of the report window's chart: per year over
// the whole log, per month over its last twelve months.
void BM_ReportChart(benchmark::State &state, FileKind kind, Report::Preset preset)
{
    const EntryStore &store = storeOf(kind);
    const Report::DateRange range = Report::presetRange(preset, Report::serviceSpan(store).latest);
    const Report::ReportResult result = Report::buildReport(store, {Tally::TallyCriteria{}, range, true});
    QImage image(QSize(960, 360), QImage::Format_ARGB32_Premultiplied);
    const QPalette colours = QApplication::palette();
    for (auto _ : state) {
        ReportChart::Data data;
        data.title = u"All hymns"_s;
        data.values = Report::seriesOf(result, {});
        for (const QDate &start : result.periods)
            data.labels.append(Report::periodLabel(result.period, start));
        image.fill(colours.color(QPalette::Base));
        QPainter painter(&image);
        ReportChart::paint(painter, image.rect(), data, colours);
    }
    setLabel(state, u"%1 bars of %2 rows, 960 x 360"_s.arg(result.periods.size()).arg(result.rows.size()));
}

// One report window over the maximal log, shown, with scripted dialogs: what a user opens, sorts and filters.
class ReportRig {
public:
    explicit ReportRig(FileKind kind)
    {
        m_loadedFile.load(NativePath::fromText(m_folder.write(factsOf(kind).fileName, bytesOf(kind))));
    }

    // Makes the window and shows its report, as the first Usage Report of a run does.
    ReportWindow &open()
    {
        m_report = std::make_unique<ReportWindow>(
            &m_loadedFile, [] { return Tally::TallyCriteria{}; }, &m_dialogs);
        m_report->showReport();
        drainEvents();
        return *m_report;
    }
    void close() { m_report.reset(); }
    ReportWindow &report() { return m_report ? *m_report : open(); }
    const EntryStore &store() const { return m_loadedFile.store(); }
    int rows() { return report().findChild<QTableView *>(u"ReportTable"_s)->model()->rowCount(); }

private:
    TestFolder m_folder;
    ScriptedDialogs m_dialogs;
    LoadedFile m_loadedFile;
    std::unique_ptr<ReportWindow> m_report;
};

// Held at namespace scope, not in a function's static, so that main can release it while the application object
// still exists: a window destroyed after it takes the program down at exit.
std::unique_ptr<ReportRig> g_reportRig;
std::optional<FileKind> g_reportKind;

ReportRig &reportRig(FileKind kind)
{
    if (!g_reportRig || g_reportKind != kind) {
        g_reportRig.reset();
        g_reportRig = std::make_unique<ReportRig>(kind);
        g_reportKind = kind;
    }
    return *g_reportRig;
}

// The window's work beside what every report of the log costs whatever window shows it, the report core over the
// whole log: each one's median processor time in this thread, and their ratio measured in turn.
void besideReportCore(benchmark::State &state, ReportRig &rig, const std::function<void()> &work)
{
    const Report::ReportCriteria criteria{Tally::TallyCriteria{}, Report::DateRange{}, true};
    const auto core = [&] { benchmark::DoNotOptimize(Report::buildReport(rig.store(), criteria).rows.data()); };
    state.counters["cpu_ms"] = medianCpuMs(work, 7);
    state.counters["core_cpu_ms"] = medianCpuMs(core, 7);
    state.counters["x_core"] = interleavedRatio(work, core, 7);
}

// Opening the report: the window made, the report computed and shown, and the events that follow, beside the
// report core on the same log.
void BM_ReportWindowOpen(benchmark::State &state, FileKind kind)
{
    ReportRig &rig = reportRig(kind);
    // The program has shown a window before the report's first: the style and the fonts are loaded.
    rig.open();
    rig.close();
    for (auto _ : state) {
        rig.open();
        state.PauseTiming();
        rig.close();
        state.ResumeTiming();
    }
    rig.open();
    if (rig.rows() != factsOf(kind).distinctHymns) {
        state.SkipWithError("the report does not show one row per distinct hymn");
        return;
    }
    besideReportCore(state, rig, [&] { rig.open(); });
    setLabel(state, u"window made + showReport + events, %1 rows; baseline: Report::buildReport"_s.arg(rig.rows()));
}

// A click on a column's header in the shown report, turning the order round each time so that every click sorts.
void BM_ReportWindowSort(benchmark::State &state, FileKind kind, int column)
{
    ReportRig &rig = reportRig(kind);
    auto *table = rig.report().findChild<QTableView *>(u"ReportTable"_s);
    Qt::SortOrder order = Qt::AscendingOrder;
    const auto sort = [&] {
        order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
        table->sortByColumn(column, order);
        drainEvents();
    };
    for (auto _ : state)
        sort();
    besideReportCore(state, rig, sort);
    setLabel(state,
             u"sort by \"%1\" + events, %2 rows; baseline: Report::buildReport"_s.arg(ReportModel::headers().at(column))
                 .arg(rig.rows()));
}

// A keystroke in the filter box, typing one digit and then taking it back: each leaves a new set of rows shown.
void BM_ReportWindowFilter(benchmark::State &state, FileKind kind)
{
    ReportRig &rig = reportRig(kind);
    auto *filter = rig.report().findChild<QLineEdit *>(u"ReportFilter"_s);
    filter->clear();
    const auto key = [&] {
        filter->setText(filter->text().isEmpty() ? u"4"_s : QString());
        drainEvents();
    };
    int shown = 0;
    for (auto _ : state) {
        key();
        shown = std::max(shown, rig.rows());
    }
    besideReportCore(state, rig, key);
    filter->clear();
    setLabel(state, u"filter \"4\" and back + events, up to %1 rows; baseline: Report::buildReport"_s.arg(shown));
}

void BM_TallyAllWindow(benchmark::State &state, FileKind kind, QString sort)
{
    WindowRig &window = rig();
    if (!window.ensureLoaded(kind)) {
        state.SkipWithError("Get File did not fill the store");
        return;
    }
    window.setPhrase(QString());
    window.control<QComboBox>(u"TallySort"_s)->setCurrentText(sort);
    double handlerMs = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        window.form().tally();
        handlerMs += msSince(start);
        drainEvents();
    }
    if (window.rows(u"List2") != factsOf(kind).distinctHymns) {
        state.SkipWithError("the lists do not hold one row per distinct hymn");
        return;
    }
    state.counters["handler_ms"] = handlerMs / static_cast<double>(state.iterations());
    const Tally::TallyCriteria criteria = window.form().tallyCriteria();
    state.counters["x_core"] = interleavedRatio(
        [&] {
            window.form().tally();
            drainEvents();
        },
        [&] { benchmark::DoNotOptimize(Tally::TallyHymns(storeOf(kind), criteria).rows); });
    setLabel(state, u"TallyAll_Click + events, sort \"%1\""_s.arg(sort));
}

// ---- Suggestions

// Two readings and a phrase over the maximal hymnal, the uses counted in the maximal log, beside a Find of the same
// phrase over the same hymnal: both read every stored line of the hymnal once. The readings fit 16 hymns (Psalm 23
// and Isaiah 40 are each the reference of eight), and the phrase leaves some of them.
void BM_Suggest(benchmark::State &state)
{
    const EntryStore &hymnal = storeOf(FileKind::Verse);
    const EntryStore &log = storeOf(FileKind::Usage2000);
    const Plan::BookTable books;
    const Plan::SuggestCriteria criteria{.readings = u"Psalm 23; Isaiah 40:1-20"_s,
                                         .phrase = BenchInputs::phraseWord()};
    Plan::SuggestResult result;
    for (auto _ : state) {
        result = Plan::suggest(hymnal, &log, criteria, books);
        benchmark::DoNotOptimize(result.rows.data());
    }
    const qsizetype sung = std::count_if(result.rows.begin(), result.rows.end(),
                                         [](const Plan::Suggestion &row) { return row.usesEver > 0; });
    if (result.rows.empty() || result.rows.size() > 16 || sung == 0 || !result.message.isEmpty()) {
        state.SkipWithError("the suggestions are not the hymns of the two readings");
        return;
    }
    const Search::SearchCriteria find = searchCriteria(FileKind::Verse, BenchInputs::phraseWord());
    const auto findWork = [&] { benchmark::DoNotOptimize(Search::FindHymns(hymnal, find).totalRows); };
    state.counters["find_cpu_ms"] = medianCpuMs(findWork);
    state.counters["x_find"] = interleavedRatio(
        [&] { benchmark::DoNotOptimize(Plan::suggest(hymnal, &log, criteria, books).rows); }, findWork);
    state.counters["x_find_nolog"] = interleavedRatio(
        [&] { benchmark::DoNotOptimize(Plan::suggest(hymnal, nullptr, criteria, books).rows); }, findWork);
    setLabel(state, u"%1 rows, %2 sung; baseline: Find \"%3\" over the hymnal"_s.arg(result.rows.size())
                        .arg(sung)
                        .arg(BenchInputs::phraseWord()));
}

// ---- Languages

// What choosing a language costs at the start: its catalogue and Qt's loaded and installed (English takes the
// catalogue of counts alone, installed with the application object). Each round puts English back, as the start
// meets it, and the baseline is that alone.
void BM_InstallLanguage(benchmark::State &state, QString code)
{
    for (auto _ : state) {
        Language::install(code);
        state.PauseTiming();
        Language::install(u"en"_s);
        state.ResumeTiming();
    }
    Language::install(code);
    const bool translated = QCoreApplication::translate("Form1", "Hymn #", "caption") != u"Hymn #";
    Language::install(u"en"_s);
    if (!translated)
        state.SkipWithError("the language's catalogue was not installed");
    state.counters["english_ms"] = medianCpuMs([] { Language::install(u"en"_s); });
    setLabel(state, u"baseline: English, the catalogue of counts only"_s);
}

std::string nameOf(const char *bench, FileKind kind, const QString &suffix = QString())
{
    std::string name = std::string(bench) + '/' + factsOf(kind).label;
    if (!suffix.isEmpty())
        name += '/' + suffix.toStdString();
    return name;
}

void registerAll()
{
    const auto add = [](const std::string &name, auto &&fn, auto &&...args) {
        benchmark::RegisterBenchmark(name.c_str(), fn, args...)->Unit(benchmark::kMillisecond)->UseRealTime();
    };
    const std::array<FileKind, 3> all = {FileKind::Usage2000, FileKind::Usage18000, FileKind::Verse};
    const std::array<FileKind, 2> usage = {FileKind::Usage2000, FileKind::Usage18000};
    const std::array<FileKind, 2> searched = {FileKind::Usage2000, FileKind::Verse};
    const QString phrase = BenchInputs::phraseWord();

    for (FileKind kind : all)
        add(nameOf("BM_SplitBytes", kind), BM_SplitBytes, kind);
    for (FileKind kind : all)
        add(nameOf("BM_DecodeSplit", kind), BM_DecodeSplit, kind);
    for (FileKind kind : all)
        add(nameOf(kind == FileKind::Verse ? "BM_LoadVerse" : "BM_LoadUsage", kind), BM_LoadBytes, kind);
    for (FileKind kind : all)
        add(nameOf("BM_GetFileWindow", kind), BM_GetFileWindow, kind);
    for (HugeKind kind : {HugeKind::LineEnds, HugeKind::CarriageReturns, HugeKind::ShortLines, HugeKind::Separators}) {
        benchmark::RegisterBenchmark((std::string("BM_LoadLargestFile/") + hugeLabel(kind)).c_str(), BM_LoadLargestFile,
                                     kind)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Iterations(3);
    }

    for (FileKind kind : searched) {
        add(nameOf("BM_SearchCopyRows", kind), BM_SearchCopyRows, kind);
        add(nameOf("BM_FindHymns", kind, u"all"_s), BM_FindHymns, kind, QString(), QString());
        add(nameOf("BM_FindHymns", kind, u"phrase"_s), BM_FindHymns, kind, phrase, QString());
    }
    add(nameOf("BM_FindHymns", FileKind::Usage2000, u"after2015"_s), BM_FindHymns, FileKind::Usage2000, QString(),
        u">2015"_s);
    for (FileKind kind : searched) {
        add(nameOf("BM_FillLists", kind), BM_FillLists, kind);
        add(nameOf("BM_GoClickWindow", kind, u"all"_s), BM_GoClickWindow, kind, QString());
        add(nameOf("BM_GoClickWindow", kind, u"phrase"_s), BM_GoClickWindow, kind, phrase);
    }

    const std::array<QString, 3> sorts = {u"freq"_s, u"title"_s, u"hymn #"_s};
    for (FileKind kind : usage) {
        add(nameOf("BM_TallyCountSort", kind), BM_TallyCountSort, kind);
        // The sort box's captions stand in its order, so a caption's index is the box's index.
        for (int index = 0; index < int(sorts.size()); ++index)
            add(nameOf("BM_TallyHymns", kind, sorts[index]), BM_TallyHymns, kind, sorts[index],
                Tally::tallyOrderAt(index));
        if (kind == FileKind::Usage2000) {
            add(nameOf("BM_UsageReport", kind), BM_UsageReport, kind);
            add(nameOf("BM_ReportCsv", kind), BM_ReportCsv, kind);
            add(nameOf("BM_ReportChart", kind, u"years"_s), BM_ReportChart, kind, Report::Preset::All);
            add(nameOf("BM_ReportChart", kind, u"months"_s), BM_ReportChart, kind, Report::Preset::Last12Months);
        }
    }
    add(nameOf("BM_ReportWindowOpen", FileKind::Usage18000), BM_ReportWindowOpen, FileKind::Usage18000);
    for (const auto &[column, label] :
         {std::pair(int(ReportModel::Title), u"title"_s), std::pair(int(ReportModel::Number), u"number"_s),
          std::pair(int(ReportModel::LastUsed), u"lastused"_s)})
        add(nameOf("BM_ReportWindowSort", FileKind::Usage18000, label), BM_ReportWindowSort, FileKind::Usage18000,
            column);
    add(nameOf("BM_ReportWindowFilter", FileKind::Usage18000), BM_ReportWindowFilter, FileKind::Usage18000);
    for (FileKind kind : usage) {
        for (const QString &sort : sorts)
            add(nameOf("BM_TallyAllWindow", kind, sort), BM_TallyAllWindow, kind, sort);
    }
    add("BM_Suggest/verse+usage_2000distinct", BM_Suggest);
    for (const Language::Offered &language : Language::offered()) {
        if (language.code != u"en")
            add("BM_InstallLanguage/" + language.code.toStdString(), BM_InstallLanguage, language.code);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && std::string_view(argv[1]) == "--peak-child")
        return runPeakChild(argv[2], argv[3]);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    // Every window the benchmarks made goes before the application object, however main ends; the folders go in
    // the reverse of the order they were entered, so that the current directory ends where it started.
    const auto release = qScopeGuard([] {
        g_reportRig.reset();
        releaseFolderBenchmarks();
        g_rig.reset();
    });
    // Date limits read the regional date order; fix it so figures do not depend on the machine's locale.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    registerAll();
    registerFolderBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
