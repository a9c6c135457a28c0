// Package index over the JDK's java.base sources: Add/Update of every file
// into an empty index (parse from disk, add, save), loading the saved
// "mosk.pkg", and Find Class of the index's last class and of a name that
// is nowhere (the whole map is searched).
#include "Corpus.h"
#include "PackageObject.h"
#include "PkgDoc.h"
#include "StringArray.h"
#include "VarClass.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

CStringArray g_paths;
std::string g_strFolder;   // a scratch folder for the index files

CString IndexPath(const char* pszName) { return CString((g_strFolder + "/" + pszName).c_str()); }

void BM_AddUpdateJavaBase(benchmark::State& state)
{
    for (auto _ : state) {
        std::filesystem::remove(IndexPath("add.pkg").c_str());
        CPkgDoc doc;
        doc.Open(IndexPath("add.pkg"));
        if (!doc.AddSourceFiles(g_paths))
            state.SkipWithError("Add/Update failed");
        benchmark::DoNotOptimize(doc.GetPackageCount());
    }
    state.counters["files"] = g_paths.GetSize();
}
BENCHMARK(BM_AddUpdateJavaBase)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LoadIndex(benchmark::State& state)
{
    for (auto _ : state) {
        CPkgDoc doc;
        doc.Open(IndexPath("full.pkg"));
        benchmark::DoNotOptimize(doc.GetPackageCount());
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(IndexPath("full.pkg").c_str()));
}
BENCHMARK(BM_LoadIndex)->Unit(benchmark::kMillisecond);

void BM_FindClass(benchmark::State& state)
{
    CPkgDoc doc;
    doc.Open(IndexPath("full.pkg"));
    CString strLast;
    for (CPackageObject* pPackage : doc.GetPackages())
        for (POSITION pos = pPackage->m_Classes.GetHeadPosition(); pos;)
            strLast = pPackage->m_Classes.GetNext(pos)->m_strName;
    const char* pszName = state.range(0) ? strLast.c_str() : "NoSuchClassAnywhere";
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.FindClass(pszName));
    state.SetLabel(pszName);
}
BENCHMARK(BM_FindClass)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    std::string strCorpus = CCorpus::DefaultFolder();
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(strCorpus, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error))
        if (it->is_regular_file() && it->path().extension() == ".java")
            g_paths.Add(it->path().c_str());
    if (g_paths.GetSize() == 0) {
        std::fprintf(stderr, "pkgindex_bench: no Java sources under %s (set MOSK_BENCH_CORPUS)\n", strCorpus.c_str());
        return 1;
    }
    char szFolder[] = "/tmp/pkgbenchXXXXXX";
    if (!::mkdtemp(szFolder))
        return 1;
    g_strFolder = szFolder;
    std::printf("corpus: %s, %d files\n", strCorpus.c_str(), g_paths.GetSize());
    {
        CPkgDoc doc;
        doc.Open(IndexPath("full.pkg"));
        doc.AddSourceFiles(g_paths);
        std::printf("index: %d packages\n", doc.GetPackageCount());
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(g_strFolder);
    return 0;
}
