// SPDX-License-Identifier: GPL-3.0-or-later
// Listing a folder of 100,000 *.txt files: the raw listing alone (the floor), the way the file list used to
// read it (QDir with a QFileInfo per entry, a row added at a time) as the figure to beat, the file list now,
// and the window's own moves in such a folder: entering it and "Get File" (which lists it again). The file list
// and the entering are also given as a ratio to the raw listing, measured in turn with it.
#include "bench_folders.h"

#include "app/form/form1.h"
#include "app/pickers/dirlist.h"
#include "app/pickers/filelist.h"
#include "platform/folderaccess.h"
#include "scripteddialogs.h"
#include "testfiles.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int kFiles = 100'000;

void drain()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// This thread's processor time, the system's share included: a directory read is mostly the kernel's work.
double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double medianOf(std::vector<double> times)
{
    std::nth_element(times.begin(), times.begin() + std::ptrdiff_t(times.size() / 2), times.end());
    return times[times.size() / 2];
}

// The ratio of the median processor times of work and of the raw listing of the big folder, run in turn so that
// both meet the same state of the machine and of the file system's caches. prepare runs untimed before each work.
template <typename Prepare, typename Work>
double ratioToReaddir(const QByteArray &big, Prepare &&prepare, Work &&work, int runs = 11)
{
    const NativePath folder = NativePath::fromUnits(big);
    std::vector<FolderAccess::Entry> entries;
    std::vector<double> workMs, readMs;
    for (int r = 0; r < runs; ++r) {
        prepare();
        double start = threadCpuMs();
        work();
        workMs.push_back(threadCpuMs() - start);
        start = threadCpuMs();
        FolderAccess::system().list(folder, entries);
        readMs.push_back(threadCpuMs() - start);
    }
    return medianOf(workMs) / medianOf(readMs);
}

// A temporary folder holding "big" (100,000 small *.txt files, one of them a real service log) and "small".
class BigFolder {
public:
    BigFolder()
    {
        QDir(m_folder.path()).mkdir(u"big"_s);
        QDir(m_folder.path()).mkdir(u"small"_s);
        m_big = QFile::encodeName(m_folder.filePath(u"big"_s));
        m_small = QFile::encodeName(m_folder.filePath(u"small"_s));
        for (int i = 0; i < kFiles; ++i) {
            const QByteArray name = m_big + "/service-" + QByteArray::number(i).rightJustified(6, '0') + ".txt";
            const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd >= 0) {
                if (i == 0)
                    (void)!::write(fd, "Jan 1, 2020\n1 A\n2 B\n", 20);
                ::close(fd);
            }
        }
        m_folder.enter();
        m_form = std::make_unique<Form1>(&m_dialogs);
        m_form->show();
        drain();
    }
    ~BigFolder()
    {
        m_form.reset();
        QDir(QFile::decodeName(m_big)).removeRecursively();
    }

    const QByteArray &big() const { return m_big; }
    const QByteArray &small() const { return m_small; }
    Form1 &form() { return *m_form; }
    template <typename T> T *control(const QString &name) { return m_form->findChild<T *>(name); }

private:
    TestFolder m_folder;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<Form1> m_form;
    QByteArray m_big;
    QByteArray m_small;
};

std::unique_ptr<BigFolder> g_folder;

BigFolder &folder()
{
    if (!g_folder)
        g_folder = std::make_unique<BigFolder>();
    return *g_folder;
}

void BM_Folder100k_Readdir(benchmark::State &state)
{
    const NativePath big = NativePath::fromUnits(folder().big());
    std::vector<FolderAccess::Entry> entries;
    for (auto _ : state) {
        FolderAccess::system().list(big, entries);
        benchmark::DoNotOptimize(entries.data());
    }
    state.SetLabel(std::to_string(entries.size()) + " entries");
}

void BM_Folder100k_QDirFileInfoRows(benchmark::State &state)
{
    const QString big = QFile::decodeName(folder().big());
    QListWidget list;
    list.setUniformItemSizes(true);
    for (auto _ : state) {
        list.clear();
        const QDir dir(big, u"*.txt"_s, QDir::Name | QDir::IgnoreCase, QDir::Files | QDir::Hidden);
        for (const QFileInfo &info : dir.entryInfoList()) {
            if (info.isFile())
                list.addItem(info.fileName());
        }
    }
    state.SetLabel(std::to_string(list.count()) + " rows");
}

void BM_Folder100k_FileList(benchmark::State &state)
{
    const NativePath big = NativePath::fromUnits(folder().big());
    FileList list;
    list.setPattern(u"*.txt"_s);
    for (auto _ : state)
        list.setNativePath(big);
    state.counters["x_readdir"] = ratioToReaddir(
        folder().big(), [] {}, [&] { list.setNativePath(big); });
    state.SetLabel(std::to_string(list.count()) + " rows");
}

void BM_Folder100k_EnterWindow(benchmark::State &state)
{
    BigFolder &rig = folder();
    auto *folders = rig.control<DirList>(u"Dir1"_s);
    auto *files = rig.control<FileList>(u"File1"_s);
    const auto leave = [&] {
        folders->open(NativePath::fromUnits(rig.small()));
        drain();
    };
    const auto enter = [&] {
        folders->open(NativePath::fromUnits(rig.big()));
        drain();
    };
    for (auto _ : state) {
        state.PauseTiming();
        leave();
        state.ResumeTiming();
        enter();
    }
    state.counters["x_readdir"] = ratioToReaddir(rig.big(), leave, enter);
    state.SetLabel(std::to_string(files->count()) + " rows");
}

void BM_Folder100k_GetFileWindow(benchmark::State &state)
{
    BigFolder &rig = folder();
    rig.control<DirList>(u"Dir1"_s)->open(NativePath::fromUnits(rig.big()));
    auto *files = rig.control<FileList>(u"File1"_s);
    for (auto _ : state) {
        files->setCurrentRow(0);
        rig.form().loadChosenFile();
        drain();
    }
    state.SetLabel(std::to_string(rig.form().store().entryCount()) + " entries loaded, " +
                   std::to_string(files->count()) + " rows listed again");
}

} // namespace

void registerFolderBenchmarks()
{
    for (auto *bench : {benchmark::RegisterBenchmark("BM_Folder100k_Readdir", BM_Folder100k_Readdir),
                        benchmark::RegisterBenchmark("BM_Folder100k_QDirFileInfoRows", BM_Folder100k_QDirFileInfoRows),
                        benchmark::RegisterBenchmark("BM_Folder100k_FileList", BM_Folder100k_FileList),
                        benchmark::RegisterBenchmark("BM_Folder100k_EnterWindow", BM_Folder100k_EnterWindow),
                        benchmark::RegisterBenchmark("BM_Folder100k_GetFileWindow", BM_Folder100k_GetFileWindow)})
        bench->Unit(benchmark::kMillisecond)->UseRealTime();
}

void releaseFolderBenchmarks()
{
    g_folder.reset();
}
