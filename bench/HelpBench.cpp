// Help search index: building the system index from the JDK's API
// documentation (the folder $MOSK_BENCH_DOCDIR, else
// /usr/share/doc/openjdk-17-doc; without either, a documentation tree of
// javadoc's shape and the JDK's size is written to a temporary folder
// first), loading it on the background thread, and prefix searches with
// the listing of the found keyword's topics.
#include "SearchIndex.h"
#include "StringArray.h"
#include "SystemIndexBuilder.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using CClock = std::chrono::steady_clock;

std::string g_strDocDir;
std::string g_strIndex;
std::string g_strTemp;
CStringArray g_helpDirs;

double Millis(CClock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// 27 letter pages with 65,000 index items, each linking its member, its class and its package.
void WriteSyntheticDocs(const std::string& strDoc)
{
    for (const char* psz : {"", "/api", "/api/index-files"})
        mkdir((strDoc + psz).c_str(), 0700);
    const char* pszMembers[] = {"get", "set", "is", "to", "value", "add", "remove", "create", "find", "open"};
    int nItem = 0;
    for (int nPage = 1; nPage <= 27; ++nPage) {
        std::string strHtml = "<html><body><main><div class=\"header\">";
        for (int n = 1; n <= 27; ++n)
            strHtml += "<a href=\"index-" + std::to_string(n) + ".html\">" + std::to_string(n) + "</a> ";
        strHtml += "</div><dl class=\"index\">\n";
        char chLetter = static_cast<char>('A' + (nPage - 1) % 26);
        for (int i = 0; i < 2400; ++i, ++nItem) {
            std::string strPackage = "java/pkg" + std::to_string(nItem % 300);
            std::string strClass = std::string(1, chLetter) + "Class" + std::to_string(nItem % 4000);
            std::string strMember = std::string(1, static_cast<char>(chLetter + 32)) + pszMembers[i % 10] +
                                    std::to_string(i);
            strHtml += "<dt><a href=\"../java.base/" + strPackage + "/" + strClass + ".html#" + strMember +
                       "(int,java.lang.String)\" class=\"member-name-link\">" + strMember +
                       "(int, String)</a> - Method in class <a href=\"../java.base/" + strPackage + "/" + strClass +
                       ".html\" title=\"class in " + strPackage + "\">" + strClass + "</a></dt>\n<dd><a href=\"../java.base/" +
                       strPackage + "/package-summary.html\">" + strPackage + "</a></dd>\n";
        }
        strHtml += "</dl></main></body></html>\n";
        std::ofstream(strDoc + "/api/index-files/index-" + std::to_string(nPage) + ".html") << strHtml;
    }
}

bool Prepare()
{
    const char* pszDoc = std::getenv("MOSK_BENCH_DOCDIR");
    g_strDocDir = pszDoc ? pszDoc : "/usr/share/doc/openjdk-17-doc";
    char szTemp[] = "/tmp/mosk-help-bench-XXXXXX";
    if (!mkdtemp(szTemp))
        return false;
    g_strTemp = szTemp;
    struct stat st {};
    if (stat((g_strDocDir + "/api").c_str(), &st) != 0) {
        std::printf("help_bench: %s/api is absent; writing a documentation tree of javadoc's shape\n",
                    g_strDocDir.c_str());
        g_strDocDir = g_strTemp + "/doc";
        WriteSyntheticDocs(g_strDocDir);
    }
    g_helpDirs.Add("/prog");
    g_helpDirs.Add("/prog/help");
    g_helpDirs.Add((g_strDocDir + "/api").c_str());
    g_strIndex = g_strTemp + "/mosk.ipg";

    auto start = CClock::now();
    CSearchIndex index(g_helpDirs, FALSE, FALSE);
    CSystemIndexBuilder::CStats stats;
    CString strError;
    if (!CSystemIndexBuilder::Build(g_strDocDir.c_str(), index, stats, strError) ||
        !index.Save(g_strIndex.c_str(), FALSE)) {
        std::printf("help_bench: %s\n", strError.c_str());
        return false;
    }
    double dBuild = Millis(CClock::now() - start);
    struct stat stIndex {};
    stat(g_strIndex.c_str(), &stIndex);
    std::printf("help_bench: built the system index from %d pages, %d links, %d entries (%.1f MB) in %.0f ms "
                "(limit 10000 ms)\n",
                stats.nPages, stats.nLinks, stats.nAdded, stIndex.st_size / 1e6, dBuild);

    double dBest = 1e9;
    int nKeywords = 0;
    for (int i = 0; i < 5; ++i) {
        auto loadStart = CClock::now();
        CSearchIndex loaded(g_helpDirs, FALSE, TRUE);
        loaded.Load(g_strIndex.c_str());
        loaded.WaitForLoad();
        dBest = std::min(dBest, Millis(CClock::now() - loadStart));
        nKeywords = loaded.GetKeywords().GetCount();
    }
    std::printf("help_bench: background load of %d keywords in %.1f ms, best of 5 (limit 300 ms)\n", nKeywords, dBest);
    return true;
}

void BM_PrefixSearchAndTopics(benchmark::State& state)
{
    CSearchIndex index(g_helpDirs, FALSE, TRUE);
    index.Load(g_strIndex.c_str());
    index.WaitForLoad();
    const char* pszPrefixes[] = {"g", "get1", "Cclass12", "valu", "package-summary", "zzz", "Remove9", "iS"};
    size_t n = 0;
    CStringArray displays, addresses;
    for (auto _ : state) {
        int nKeyword = index.GetKeywords().FindPrefix(pszPrefixes[n++ % 8]);
        if (nKeyword >= 0)
            index.ListTopics(nKeyword, displays, addresses);
        benchmark::DoNotOptimize(nKeyword);
    }
}
BENCHMARK(BM_PrefixSearchAndTopics)->Unit(benchmark::kMicrosecond);

void BM_PrefixSearchOnly(benchmark::State& state)
{
    CSearchIndex index(g_helpDirs, FALSE, TRUE);
    index.Load(g_strIndex.c_str());
    index.WaitForLoad();
    size_t n = 0;
    const char* pszPrefixes[] = {"g", "get1", "Cclass12", "valu", "zzz", "iS"};
    for (auto _ : state)
        benchmark::DoNotOptimize(index.GetKeywords().FindPrefix(pszPrefixes[n++ % 6]));
}
BENCHMARK(BM_PrefixSearchOnly)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (!Prepare())
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::string strRemove = "rm -rf '" + g_strTemp + "'";
    return std::system(strRemove.c_str()) == 0 ? 0 : 1;
}
