// The system index built on a thread of its own: the file appears whole
// when the build ends, an abort leaves none and ends the thread quickly,
// and a folder without index pages fails with its reason.
#include "HelpProgress.h"
#include "ScriptedUserInterface.h"
#include "SearchIndex.h"
#include "SystemIndexJob.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <set>
#include <string>
#include <sys/stat.h>
#include <thread>

namespace {

using namespace std::chrono;

// Counts from the building thread; each step can be made slow.
struct CThreadProgress : CHelpProgress {
    std::atomic<int> nBegins{0}, nSteps{0}, nEnds{0};
    int nStepMs = 0;
    void Begin(int) override { ++nBegins; }
    void Step() override
    {
        ++nSteps;
        if (nStepMs)
            std::this_thread::sleep_for(milliseconds(nStepMs));
    }
    void End() override { ++nEnds; }
};

// nPages letter pages of nLinks member links each, in javadoc's shape.
CString WriteDocTree(const CTempFolder& temp, int nPages, int nLinks)
{
    for (const char* psz : {"/doc", "/doc/api", "/doc/api/index-files"})
        mkdir(temp.Path() + psz, 0700);
    for (int nPage = 1; nPage <= nPages; ++nPage) {
        std::string strHtml;
        for (int i = 0; i < nLinks; ++i)
            strHtml += "<a href=\"../C" + std::to_string(nPage) + ".html#m" + std::to_string(i) + "()\">m</a>\n";
        temp.Write(("doc/api/index-files/index-" + std::to_string(nPage) + ".html").c_str(), strHtml);
    }
    return temp.Path() + "/doc";
}

bool Exists(const char* pszPath)
{
    struct stat st {};
    return stat(pszPath, &st) == 0;
}

TEST(SystemIndexJob, BuildsTheFileOnItsThread)
{
    CTempFolder temp;
    CScriptedUserInterface ui;
    CString strDoc = WriteDocTree(temp, 3, 40);
    CStringArray dirs;
    dirs.Add(strDoc + "/api");
    CString strOut = temp.File("mosk.ipg");
    CThreadProgress progress;
    std::atomic<bool> bEnded{false};
    std::thread::id building;
    CSystemIndexJob job(dirs, strDoc, strOut);
    // The program's list may change while the thread runs: the job has its own.
    dirs.SetAt(0, "/elsewhere");
    ASSERT_TRUE(job.Start(&progress, [&] {
        building = std::this_thread::get_id();
        bEnded = true;
    }));
    EXPECT_FALSE(job.Start(&progress));
    job.Join();
    ASSERT_TRUE(bEnded);
    EXPECT_NE(std::this_thread::get_id(), building);
    EXPECT_FALSE(job.IsRunning());
    EXPECT_TRUE(job.Succeeded());
    EXPECT_FALSE(job.WasAborted());
    EXPECT_TRUE(job.GetError().IsEmpty());
    EXPECT_EQ(3, job.GetStats().nPages);
    EXPECT_EQ(120, job.GetStats().nAdded);
    // Pages, then the entries of the save (more than 100).
    EXPECT_EQ(2, progress.nBegins);
    EXPECT_EQ(3 + 120, progress.nSteps);
    EXPECT_EQ(2, progress.nEnds);
    // The thread never spoke to the user.
    EXPECT_TRUE(ui.m_shown.empty());
    EXPECT_TRUE(ui.m_statusTexts.empty());

    CStringArray loadDirs;
    loadDirs.Add(strDoc + "/api");
    CSearchIndex index(loadDirs, FALSE, TRUE);
    ASSERT_TRUE(index.Load(strOut));
    ASSERT_TRUE(index.WaitForLoad());
    EXPECT_EQ(120, index.GetEntryCount());
    EXPECT_EQ(40, index.GetKeywords().GetCount());  // m0..m39
    CStringArray displays, addresses;
    ASSERT_TRUE(index.ListTopics(index.GetKeywords().FindPrefix("m7"), displays, addresses));
    std::set<CString> topics;
    for (int i = 0; i < addresses.GetSize(); ++i)
        topics.insert(addresses[i]);
    CString strApi = strDoc + "/api/";
    EXPECT_EQ((std::set<CString>{strApi + "C1.html#m7()", strApi + "C2.html#m7()", strApi + "C3.html#m7()"}), topics);
}

TEST(SystemIndexJob, AnAbortEndsTheThreadAndLeavesNoFile)
{
    CTempFolder temp;
    CScriptedUserInterface ui;
    CString strDoc = WriteDocTree(temp, 40, 5);
    CStringArray dirs;
    CString strOut = temp.File("mosk.ipg");
    for (bool bByDestructor : {false, true}) {
        SCOPED_TRACE(bByDestructor ? "destructor" : "Abort");
        CThreadProgress progress;
        progress.nStepMs = 50;  // 40 pages: two seconds unless aborted
        auto pJob = std::make_unique<CSystemIndexJob>(dirs, strDoc, strOut);
        ASSERT_TRUE(pJob->Start(&progress));
        auto start = steady_clock::now();
        while (progress.nSteps == 0 && steady_clock::now() - start < seconds(20))
            std::this_thread::sleep_for(milliseconds(1));
        ASSERT_EQ(1, progress.nBegins);
        auto abortAt = steady_clock::now();
        if (bByDestructor) {
            pJob.reset();
        } else {
            pJob->Abort();
            EXPECT_FALSE(pJob->IsRunning());
            EXPECT_TRUE(pJob->WasAborted());
            EXPECT_FALSE(pJob->Succeeded());
            EXPECT_TRUE(pJob->GetError().IsEmpty());
        }
        EXPECT_LT(duration_cast<milliseconds>(steady_clock::now() - abortAt).count(), 1000);
        EXPECT_LT(progress.nSteps, 40);
        EXPECT_FALSE(Exists(strOut));
    }
}

TEST(SystemIndexJob, FoldersWithoutIndexPagesFail)
{
    CTempFolder temp;
    CScriptedUserInterface ui;
    CStringArray dirs;
    struct {
        const char* pszName;
        CString strDoc;
    } cases[] = {{"no such folder", temp.File("none")}, {"a folder without api", temp.Path()}};
    for (const auto& c : cases) {
        CSystemIndexJob job(dirs, c.strDoc, temp.File("mosk.ipg"));
        ASSERT_TRUE(job.Start(nullptr)) << c.pszName;
        job.Join();
        EXPECT_FALSE(job.Succeeded()) << c.pszName;
        EXPECT_FALSE(job.WasAborted()) << c.pszName;
        EXPECT_EQ("No index pages under " + c.strDoc + "/api", job.GetError()) << c.pszName;
        EXPECT_FALSE(Exists(temp.File("mosk.ipg"))) << c.pszName;
    }
    // An index that cannot be written is a failure too.
    CString strDoc = WriteDocTree(temp, 1, 2);
    CSystemIndexJob job(dirs, strDoc, temp.File("missing/mosk.ipg"));
    ASSERT_TRUE(job.Start(nullptr));
    job.Join();
    EXPECT_FALSE(job.Succeeded());
    EXPECT_EQ("Cannot write " + temp.File("missing/mosk.ipg"), job.GetError());
    EXPECT_TRUE(ui.m_shown.empty());
}

} // namespace
