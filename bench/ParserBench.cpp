// Java parser over the JDK's java.base sources: speed and agreement with
// universal-ctags. In one run it parses every file from disk with Mosk's
// parser and runs `ctags --languages=Java -f - -L LIST` over the same files
// as a child process (best of five timed passes each, taken in turn), prints the MB/s of
// both and their ratio, then counts how many of the classes, enums,
// interfaces, annotation types, methods, fields and enum constants ctags
// reports (by file, kind and name) are in Mosk's parse results. A Google
// Benchmark case adds the in-memory parse rate.
#include "Corpus.h"
#include "SummaryReporter.h"
#include "FileObject.h"
#include "JavaParser.h"
#include "VarClass.h"
#include "VarInterface.h"
#include "VarMethod.h"
#include "TinctoView.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

CCorpus g_corpus;

using CClock = std::chrono::steady_clock;

double Seconds(CClock::time_point start)
{
    return std::chrono::duration<double>(CClock::now() - start).count();
}

// Declaration groups compared: ctags kinds c and g are classes, i and a interfaces.
const char* GroupOfCtagsKind(char chKind)
{
    switch (chKind) {
    case 'c': case 'g': return "class";
    case 'i': case 'a': return "interface";
    case 'm': return "method";
    case 'f': case 'e': return "field";
    }
    return nullptr;
}

// file -> "group name" -> count
using CNameCounts = std::map<std::string, std::map<std::string, int>>;

void CollectDeclarations(const CVarObject* pObject, const char* pszGroup, std::map<std::string, int>& names);

void CollectList(const CVarList& list, const char* pszGroup, std::map<std::string, int>& names)
{
    for (POSITION pos = list.GetHeadPosition(); pos;)
        CollectDeclarations(list.GetNext(pos), pszGroup, names);
}

void CollectDeclarations(const CVarObject* pObject, const char* pszGroup, std::map<std::string, int>& names)
{
    ++names[std::string(pszGroup) + " " + pObject->m_strName.str()];
    if (const auto* pContainer = dynamic_cast<const CVarContainer*>(pObject)) {
        CollectList(pContainer->m_Methods, "method", names);
        CollectList(pContainer->m_Fields, "field", names);
        auto* pMutable = const_cast<CVarContainer*>(pContainer);
        if (const CVarList* pList = pMutable->GetInnerClassList())
            CollectList(*pList, "class", names);
        if (const CVarList* pList = pMutable->GetInnerInterfaceList())
            CollectList(*pList, "interface", names);
    } else if (const auto* pMethod = dynamic_cast<const CVarMethod*>(pObject)) {
        CollectList(pMethod->m_LocalClasses, "class", names);
    }
}

// Parses every corpus file from disk; returns the seconds taken (and, when
// pCounts is given, the declarations found). Reports files that fail.
double ParseAllFromDisk(CNameCounts* pCounts, double* pSlowest, std::string* pSlowestPath)
{
    auto start = CClock::now();
    for (const CCorpus::CFile& file : g_corpus.Files()) {
        auto fileStart = CClock::now();
        CString strError;
        std::unique_ptr<CFileObject> pResult(CJavaParser::ParseFile(file.strPath.c_str(), strError));
        if (!pResult) {
            std::fprintf(stderr, "parser_bench: %s: %s\n", file.strPath.c_str(), strError.c_str());
            continue;
        }
        if (pSlowest) {
            double d = Seconds(fileStart);
            if (d > *pSlowest) {
                *pSlowest = d;
                *pSlowestPath = file.strPath;
            }
        }
        if (pCounts) {
            auto& names = (*pCounts)[file.strPath];
            CollectList(pResult->m_Classes, "class", names);
            CollectList(pResult->m_Interfaces, "interface", names);
        }
    }
    return Seconds(start);
}

// Runs ctags over the list file with its output in strOutput; returns the
// seconds taken, or a negative value when it could not be run.
double RunCtags(const std::string& strList, const std::string& strOutput)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, strOutput.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const char* argv[] = {"ctags", "--languages=Java", "-f", "-", "-L", strList.c_str(), nullptr};
    auto start = CClock::now();
    pid_t pid = 0;
    int nError = posix_spawnp(&pid, "ctags", &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (nError != 0)
        return -1;
    int nStatus = 0;
    if (waitpid(pid, &nStatus, 0) != pid || !WIFEXITED(nStatus) || WEXITSTATUS(nStatus) != 0)
        return -1;
    return Seconds(start);
}

// Reads ctags' tag lines: NAME TAB FILE TAB PATTERN;" TAB KIND [TAB SCOPE].
struct CCtagsEntry {
    std::string strFile;
    std::string strName;
    char chKind;
};

std::vector<CCtagsEntry> ReadCtags(const std::string& strOutput)
{
    std::vector<CCtagsEntry> entries;
    std::ifstream in(strOutput);
    std::string strLine;
    while (std::getline(in, strLine)) {
        if (strLine.empty() || strLine[0] == '!')
            continue;
        size_t nTab1 = strLine.find('\t');
        size_t nTab2 = nTab1 == std::string::npos ? nTab1 : strLine.find('\t', nTab1 + 1);
        size_t nKind = strLine.find(";\"\t", nTab2 == std::string::npos ? 0 : nTab2);
        if (nTab2 == std::string::npos || nKind == std::string::npos || nKind + 3 >= strLine.size())
            continue;
        entries.push_back({strLine.substr(nTab1 + 1, nTab2 - nTab1 - 1), strLine.substr(0, nTab1), strLine[nKind + 3]});
    }
    return entries;
}

void BM_ParseInMemory(benchmark::State& state)
{
    for (auto _ : state) {
        for (const CCorpus::CFile& file : g_corpus.Files()) {
            std::unique_ptr<CFileObject> pResult(
                CJavaParser::ParseText(file.strText.data(), static_cast<long>(file.strText.size())));
            benchmark::DoNotOptimize(pResult.get());
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * g_corpus.TotalBytes()));
}


// Timed passes of each side, taken in turn; the best of each counts.
const int s_nPasses = 5;

// Prints speed and agreement; returns the process status.
int CompareWithCtags()
{
    char szFolder[] = "/tmp/parser_bench.XXXXXX";
    if (!mkdtemp(szFolder)) {
        std::perror("parser_bench: mkdtemp");
        return 1;
    }
    std::string strFolder = szFolder;
    std::string strList = strFolder + "/files.txt";
    std::string strTags = strFolder + "/tags.txt";
    {
        std::ofstream out(strList);
        for (const CCorpus::CFile& file : g_corpus.Files())
            out << file.strPath << '\n';
    }

    const double dMegabytes = static_cast<double>(g_corpus.TotalBytes()) / 1e6;
    CNameCounts moskCounts;
    double dSlowest = 0;
    std::string strSlowest;
    ParseAllFromDisk(&moskCounts, &dSlowest, &strSlowest);  // warms the page cache too
    double dMosk = 1e30, dCtags = 1e30;
    for (int i = 0; i < s_nPasses; ++i) {
        dMosk = std::min(dMosk, ParseAllFromDisk(nullptr, nullptr, nullptr));
        double d = RunCtags(strList, strTags);
        if (d < 0) {
            // Not a failure of the parser: the other benchmarks of the run go on.
            std::printf("mosk parser (from disk) %8.1f MB/s; ctags could not be run (is universal-ctags "
                        "installed?): no comparison\n", dMegabytes / dMosk);
            std::remove(strList.c_str());
            std::remove(strTags.c_str());
            rmdir(szFolder);
            return 0;
        }
        dCtags = std::min(dCtags, d);
    }
    std::vector<CCtagsEntry> entries = ReadCtags(strTags);
    std::remove(strList.c_str());
    std::remove(strTags.c_str());
    rmdir(szFolder);

    std::printf("\nfiles %zu, %.1f MB; slowest file %.1f ms (%s)\n", g_corpus.Files().size(), dMegabytes,
                dSlowest * 1e3, strSlowest.c_str());
    std::printf("mosk parser (from disk)  %8.1f MB/s  (%.3f s)\n", dMegabytes / dMosk, dMosk);
    std::printf("ctags                    %8.1f MB/s  (%.3f s)\n", dMegabytes / dCtags, dCtags);
    std::printf("ratio mosk / ctags       %8.2f      (target >= 2)\n", dCtags / dMosk);

    // Each ctags entry is matched by one Mosk declaration of the same file, group and name.
    std::map<char, std::pair<int, int>> byKind;  // kind -> (found, reported)
    std::map<std::string, std::map<std::string, int>> used;
    for (const CCtagsEntry& entry : entries) {
        const char* pszGroup = GroupOfCtagsKind(entry.chKind);
        if (!pszGroup)
            continue;
        std::string strKey = std::string(pszGroup) + " " + entry.strName;
        auto& counts = moskCounts[entry.strFile];
        auto it = counts.find(strKey);
        int& nUsed = used[entry.strFile][strKey];
        auto& tally = byKind[entry.chKind];
        ++tally.second;
        if (it != counts.end() && nUsed < it->second) {
            ++nUsed;
            ++tally.first;
        }
    }
    static const std::pair<char, const char*> s_kinds[] = {
        {'c', "classes"}, {'g', "enums"}, {'i', "interfaces"}, {'a', "annotation types"},
        {'m', "methods"}, {'f', "fields"}, {'e', "enum constants"}};
    int nFound = 0, nReported = 0;
    std::printf("\nctags declarations found in Mosk's parse (by file, kind and name):\n");
    for (const auto& [chKind, pszName] : s_kinds) {
        auto [nKindFound, nKindReported] = byKind[chKind];
        if (nKindReported == 0)
            continue;
        std::printf("  %-17s %6d of %6d  %7.3f%%\n", pszName, nKindFound, nKindReported,
                    100.0 * nKindFound / nKindReported);
        if (chKind != 'e') {
            nFound += nKindFound;
            nReported += nKindReported;
        }
    }
    std::printf("  %-17s %6d of %6d  %7.3f%%  (target >= 98%%; enum constants not counted)\n", "together", nFound,
                nReported, nReported ? 100.0 * nFound / nReported : 0.0);
    return 0;
}

} // namespace

BENCHMARK(BM_ParseInMemory)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (!g_corpus.LoadDefault("parser_bench"))
        return 1;
    CTinctoView::Init(RGB(255, 255, 255), 100);
    benchmark::Initialize(&argc, argv);
    CSummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (double dInMemory = reporter.MBPerSecond("BM_ParseInMemory"); dInMemory > 0)
        std::printf("mosk parser (in memory) %8.1f MB/s\n", dInMemory);
    int nStatus = CompareWithCtags();
    benchmark::Shutdown();
    return nStatus;
}
