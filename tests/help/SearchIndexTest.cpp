#include "HelpProgress.h"
#include "IndexBytes.h"
#include "IndexReader.h"
#include "ScriptedUserInterface.h"
#include "SearchIndex.h"
#include "StringArray.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

CStringArray HelpDirs()
{
    CStringArray dirs;
    dirs.Add("/prog");
    dirs.Add("/prog/help");
    dirs.Add("/doc/api");
    while (dirs.GetSize() < 100)
        dirs.Add("");
    dirs.Add("/home/me/pages");
    return dirs;
}

TEST(SearchIndex, CountZeroGivesAnEmptyKeywordTable)
{
    CTempFolder temp;
    CScriptedUserInterface ui;
    CStringArray dirs = HelpDirs();
    CSearchIndex index(dirs, FALSE, TRUE);
    ASSERT_TRUE(index.Load(temp.Write("mosk.ipg", RawIndex(0))));
    ASSERT_TRUE(index.WaitForLoad());
    EXPECT_EQ(0, index.GetKeywords().GetCount());
    EXPECT_TRUE(ui.m_shown.empty());
}

TEST(SearchIndex, KeywordsDifferingInCaseShareTheFirstPosition)
{
    CTempFolder temp;
    CScriptedUserInterface ui;
    CStringArray dirs = HelpDirs();
    CRawEntry list1{3, "java/util/List", 1, "", "List"};
    CRawEntry list2{3, "java/awt/List", 1, "", "list"};
    CRawEntry map{3, "java/util/Map", 1, "", "Map"};
    std::string bytes = RawIndex(3, list1, list2, map);
    CSearchIndex index(dirs, FALSE, TRUE);
    ASSERT_TRUE(index.Load(temp.Write("mosk.ipg", bytes)));
    ASSERT_TRUE(index.WaitForLoad());
    uint32_t nMapPos = static_cast<uint32_t>(4 + RawEntry(list1).size() + RawEntry(list2).size());
    EXPECT_EQ(CString("List 4\nMap ") + std::to_string(nMapPos).c_str() + "\n", index.GetKeywords().Dump());
    EXPECT_EQ(3, index.GetEntryCount());

    // The listing of "List" takes both spellings (the keyword table groups them).
    CStringArray displays, addresses;
    ASSERT_TRUE(index.ListTopics(0, displays, addresses));
    ASSERT_EQ(2, displays.GetSize());
    EXPECT_EQ(CString("List"), displays[0]);
    EXPECT_EQ(CString("/doc/api/java/util/List.html"), addresses[0]);
    EXPECT_EQ(CString("/doc/api/java/awt/List.html"), addresses[1]);
}

TEST(SearchIndex, DirectoryNumbersAddressTheirFolders)
{
    struct {
        const char* pszName;
        CRawEntry entry;
        const char* pszAddress;
        const char* pszDisplay;
    } cases[] = {
        {"number 0 is a full path", {0, "/tmp/x/page.htm", 0, "", "page"}, "/tmp/x/page.htm", "page"},
        {"number 1 is the first entry", {1, "readme", 2, "top", "readme"}, "/prog/readme.htm#top", "readme.top"},
        {"number 3 with html", {3, "java/lang/String", 1, "length()", "length"},
         "/doc/api/java/lang/String.html#length()", "String.length()"},
        {"number 101 is the first user folder", {101, "mine", 1, "", "mine"}, "/home/me/pages/mine.html", "mine"},
        {"another code has no extension", {3, "notes", 7, "", "notes"}, "/doc/api/notes", "notes"},
    };
    CStringArray dirs = HelpDirs();
    for (const auto& c : cases) {
        CTempFolder temp;
        CSearchIndex index(dirs, FALSE, FALSE);
        ASSERT_TRUE(index.Load(temp.Write("i.ipg", RawIndex(1, c.entry)))) << c.pszName;
        CStringArray displays, addresses;
        ASSERT_TRUE(index.ListTopics(0, displays, addresses)) << c.pszName;
        ASSERT_EQ(1, addresses.GetSize()) << c.pszName;
        EXPECT_EQ(CString(c.pszAddress), addresses[0]) << c.pszName;
        EXPECT_EQ(CString(c.pszDisplay), displays[0]) << c.pszName;
    }
}

TEST(SearchIndex, EveryTruncationIsAReadErrorWithAnEmptyTable)
{
    std::string whole = RawIndex(2, CRawEntry{3, "a/B", 1, "x", "Bee"}, CRawEntry{0, "/c", 0, "", "Cee"});
    CStringArray dirs = HelpDirs();
    for (size_t nCut = 0; nCut < whole.size(); ++nCut) {
        CTempFolder temp;
        CScriptedUserInterface ui;
        CSearchIndex index(dirs, FALSE, TRUE);
        ASSERT_TRUE(index.Load(temp.Write("cut.ipg", whole.substr(0, nCut))));
        ASSERT_TRUE(index.WaitForLoad());
        EXPECT_EQ(0, index.GetKeywords().GetCount()) << "cut at " << nCut;
        ASSERT_EQ(1u, ui.m_shown.size()) << "cut at " << nCut;
        EXPECT_EQ(CString("Error loading Index in a thread."), ui.m_shown[0].strText);
    }
}

TEST(SearchIndex, LengthsBeyondTheFileAreRefusedWithoutAllocating)
{
    std::string bytes;
    PutLe32(bytes, 1);
    PutLe32(bytes, 3);
    PutLe32(bytes, 0xFFFFFFF0u);  // file name length
    bytes += "abcdefghijklmnopqrstuvwxyz";
    CIndexReader reader;
    reader.OpenMemory(bytes.data(), bytes.size());
    DWORD nCount = 0;
    ASSERT_TRUE(reader.ReadCount(nCount));
    CSearchEntry entry;
    EXPECT_FALSE(reader.ReadEntry(entry));

    std::string huge;
    PutLe32(huge, 0x7FFFFFFF);
    huge += std::string(40, 'x');
    reader.OpenMemory(huge.data(), huge.size());
    EXPECT_FALSE(reader.ReadCount(nCount));
}

TEST(SearchIndex, DuplicateRuleComparesWithTheFirstEntryOfTheKeyword)
{
    CScriptedUserInterface ui;
    CStringArray dirs = HelpDirs();
    CSearchIndex index(dirs, FALSE, FALSE);
    ASSERT_TRUE(index.AddEntry(CSearchEntry("", "java/util/List", "List", 3, 1)));
    // Same anchor, file, keyword (letters in any case) and directory: refused.
    EXPECT_FALSE(index.AddEntry(CSearchEntry("", "JAVA/util/list", "LIST", 3, 1)));
    ASSERT_EQ(1u, ui.m_shown.size());
    EXPECT_EQ(CString("Error adding an index !!!"), ui.m_shown[0].strText);
    // Another directory number is another entry; it goes before the run.
    EXPECT_TRUE(index.AddEntry(CSearchEntry("", "java/util/List", "List", 4, 1)));
    // The first entry of the run is now the one of number 4: the first entry again slips through.
    EXPECT_TRUE(index.AddEntry(CSearchEntry("", "java/util/List", "list", 3, 1)));
    EXPECT_FALSE(index.AddEntry(CSearchEntry("", "java/util/List", "List", 3, 1), FALSE));
    EXPECT_TRUE(index.AddEntry(CSearchEntry("", "Map", "Map", 3, 1)));
    EXPECT_TRUE(index.AddEntry(CSearchEntry("", "Abc", "abc", 3, 1)));
    EXPECT_EQ(CString("count 0, keywords 0, list 5\n"
                      "abc | 3 | Abc | 1 | \n"
                      "list | 3 | java/util/List | 1 | \n"
                      "List | 4 | java/util/List | 1 | \n"
                      "List | 3 | java/util/List | 1 | \n"
                      "Map | 3 | Map | 1 | \n"),
              index.Dump());
    EXPECT_TRUE(index.RemoveEntry(CSearchEntry("", "java/util/list", "LIST", 4, 1)));
    EXPECT_FALSE(index.RemoveEntry(CSearchEntry("", "java/util/List", "List", 9, 1)));
    EXPECT_EQ(4u, index.GetList().size());
}

TEST(SearchIndex, SaveWritesTheFormatByteForByteAndLoadsBack)
{
    CTempFolder temp;
    CScriptedUserInterface ui;
    CStringArray dirs = HelpDirs();
    CSearchIndex index(dirs, TRUE, TRUE);
    index.AddEntry(CSearchEntry("x", "a/B", "Bee", 3, 1));
    index.AddEntry(CSearchEntry("", "/c", "Cee", 0, 0));
    CString strPath = temp.File("user.ipg");
    ASSERT_TRUE(index.Save(strPath, FALSE));
    EXPECT_EQ(RawIndex(2, CRawEntry{3, "a/B", 1, "x", "Bee"}, CRawEntry{0, "/c", 0, "", "Cee"}),
              ReadWholeFile(strPath));
    ASSERT_GE(ui.m_statusTexts.size(), 2u);
    EXPECT_EQ(CString("Wait, Saving the help Indices..."), ui.m_statusTexts[ui.m_statusTexts.size() - 2]);
    EXPECT_EQ(CString("Wait, Saving the help Indices...Done"), ui.m_statusTexts.back());

    CSearchIndex loaded(dirs, TRUE, TRUE);
    ASSERT_TRUE(loaded.Load(strPath));
    ASSERT_TRUE(loaded.WaitForLoad());
    ASSERT_TRUE(loaded.LoadList());
    EXPECT_EQ(CString("count 2, keywords 2, list 2\nBee 4\nCee 31\nBee | 3 | a/B | 1 | x\nCee | 0 | /c | 0 | \n"),
              loaded.Dump());

    // Appending keeps the file's entries and counts both.
    CSearchIndex more(dirs, TRUE, FALSE);
    more.AddEntry(CSearchEntry("", "d", "Dee", 3, 2));
    ASSERT_TRUE(more.Save(strPath, TRUE));
    EXPECT_EQ(RawIndex(3, CRawEntry{3, "a/B", 1, "x", "Bee"}, CRawEntry{0, "/c", 0, "", "Cee"},
                       CRawEntry{3, "d", 2, "", "Dee"}),
              ReadWholeFile(strPath));
}

TEST(SearchIndex, ProgressRunsOnlyBeyondAHundredEntries)
{
    struct CCounting : CHelpProgress {
        int nMax = -1, nSteps = 0, nEnds = 0;
        void Begin(int n) override { nMax = n; }
        void Step() override { ++nSteps; }
        void End() override { ++nEnds; }
    };
    CTempFolder temp;
    CScriptedUserInterface ui;
    CStringArray dirs = HelpDirs();
    for (int nEntries : {100, 101}) {
        CSearchIndex index(dirs, FALSE, FALSE);
        for (int i = 0; i < nEntries; ++i)
            index.AddEntry(CSearchEntry("", "f", CString(std::to_string(i).c_str()), 3, 1));
        CCounting progress;
        ASSERT_TRUE(index.Save(temp.File("p.ipg"), FALSE, &progress));
        EXPECT_EQ(nEntries > 100 ? nEntries : -1, progress.nMax);
        EXPECT_EQ(nEntries > 100 ? nEntries : 0, progress.nSteps);
    }
}

TEST(SearchIndex, SaveFailureIsReportedAndLeavesTheFile)
{
    CTempFolder temp;
    CScriptedUserInterface ui;
    CStringArray dirs = HelpDirs();
    CSearchIndex index(dirs, FALSE, FALSE);
    index.AddEntry(CSearchEntry("", "f", "k", 3, 1));
    EXPECT_FALSE(index.Save(temp.File("missing/folder/x.ipg"), FALSE));
    ASSERT_EQ(1u, ui.m_shown.size());
    EXPECT_EQ(CString("Error saving search index !!!"), ui.m_shown[0].strText);
}

TEST(SearchIndex, SaveChangedReloadsTheKeywordTable)
{
    CTempFolder temp;
    CScriptedUserInterface ui;
    CStringArray dirs = HelpDirs();
    CSearchIndex index(dirs, TRUE, TRUE);
    index.SetPath(temp.File("user.ipg"));
    index.AddEntry(CSearchEntry("", "b", "beta", 3, 1));
    index.AddEntry(CSearchEntry("", "a", "Alpha", 3, 1));
    ASSERT_TRUE(index.IsChanged());
    ASSERT_TRUE(index.SaveChanged());
    EXPECT_FALSE(index.IsChanged());
    EXPECT_EQ(CString("Alpha 4\nbeta 30\n"), index.GetKeywords().Dump());
    EXPECT_EQ(1, index.GetKeywords().FindPrefix("B"));
}

TEST(SearchIndex, LoaderAbortedAtCloseStopsEarly)
{
    CTempFolder temp;
    CScriptedUserInterface ui;
    CStringArray dirs = HelpDirs();
    std::string bytes;
    bytes.reserve(200000 * 60);
    PutLe32(bytes, 200000);
    for (int i = 0; i < 200000; ++i)
        bytes += RawEntry(CRawEntry{3, "java/lang/Object", 1, "m" + std::to_string(i) + "()", "k" + std::to_string(i)});
    CString strPath = temp.Write("big.ipg", bytes);
    auto start = std::chrono::steady_clock::now();
    {
        CSearchIndex index(dirs, FALSE, TRUE);
        ASSERT_TRUE(index.Load(strPath));
        EXPECT_TRUE(index.IsLoading());
        EXPECT_TRUE(index.AbortLoad(1000));
        EXPECT_FALSE(index.IsLoading());
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_TRUE(ui.m_shown.empty());
}

TEST(SearchIndex, WaitsEndAfterTheirTimeWhenTheLoaderHangs)
{
    CTempFolder temp;
    CScriptedUserInterface ui;
    CStringArray dirs = HelpDirs();
    CString strFifo = temp.File("slow.ipg");
    ASSERT_EQ(0, mkfifo(strFifo, 0600));
    {
        CSearchIndex index(dirs, FALSE, TRUE);
        ASSERT_TRUE(index.Load(strFifo));
        auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(index.WaitForLoad(200));
        auto waited = std::chrono::steady_clock::now() - start;
        EXPECT_GE(waited, std::chrono::milliseconds(200));
        EXPECT_LT(waited, std::chrono::milliseconds(2000));
        ASSERT_EQ(1u, ui.m_shown.size());
        EXPECT_EQ(CString("Error loading User Help content !!!"), ui.m_shown[0].strText);
        EXPECT_EQ(CString("Waiting for Help Index to load..."), ui.m_statusTexts.back());
        EXPECT_EQ(0, ui.m_nWaitDepth);
        EXPECT_FALSE(index.AbortLoad(200));
    }
    // The loader is still blocked in opening the pipe: a writer lets it go.
    int fd = ::open(strFifo, O_WRONLY);
    ASSERT_GE(fd, 0);
    ::close(fd);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

TEST(SearchIndex, TidyDropsEntriesOfMissingDocumentsAndRepeats)
{
    CTempFolder temp;
    CScriptedUserInterface ui;
    mkdir(temp.File("pages"), 0700);
    CString strPage = temp.Write("pages/Page.html", "<p>");
    CString strOther = temp.Write("Other.htm", "<p>");
    CStringArray dirs;
    while (dirs.GetSize() < 100)
        dirs.Add("");
    dirs.Add(temp.File("pages"));  // directory number 101
    struct {
        const char* pszName;
        CSearchEntry entry;
        BOOL bKept;
    } cases[] = {
        {"full path, the file is there", CSearchEntry("", strPage, "Page", 0, 0), TRUE},
        {"full path and an anchor of it", CSearchEntry("top", strPage, "top", 0, 0), TRUE},
        {"user folder 101 and .html", CSearchEntry("", "Page", "Alpha", 101, 1), TRUE},
        {"another document", CSearchEntry("", strOther, "Other", 0, 0), TRUE},
        {"user folder, but no .htm there", CSearchEntry("", "Page", "Beta", 101, 2), FALSE},
        {"missing full path", CSearchEntry("", temp.File("Gone.html"), "Gone", 0, 0), FALSE},
        {"a folder is no document", CSearchEntry("", temp.File("pages"), "pages", 0, 0), FALSE},
        {"directory number beyond the list", CSearchEntry("", "Page", "Far", 150, 1), FALSE},
        {"empty directory entry", CSearchEntry("", "Page", "Empty", 7, 1), FALSE},
    };
    CSearchIndex index(dirs, TRUE, FALSE);
    int nMissing = 0;
    for (const auto& c : cases) {
        ASSERT_TRUE(index.AddEntry(c.entry)) << c.pszName;
        nMissing += c.bKept ? 0 : 1;
    }
    // Repeats the insert rule lets through: it compares only the run's first entry.
    CSearchEntry first("a", strPage, "Run", 0, 0), second("b", strPage, "run", 0, 0), third("c", strPage, "RUN", 0, 0);
    ASSERT_TRUE(index.AddEntry(first));
    ASSERT_TRUE(index.AddEntry(second));
    ASSERT_TRUE(index.AddEntry(CSearchEntry("A", strPage, "RUN", 0, 0)));  // first again, letters aside
    ASSERT_TRUE(index.AddEntry(third));
    ASSERT_TRUE(index.AddEntry(second));
    index.SetChanged(FALSE);

    EXPECT_EQ(nMissing + 2, index.Tidy());
    EXPECT_TRUE(index.IsChanged());
    for (const auto& c : cases) {
        bool bFound = false;
        for (const CSearchEntry& entry : index.GetList())
            bFound = bFound || (entry.IsSame(c.entry) && entry.m_nExtCode == c.entry.m_nExtCode);
        EXPECT_EQ(static_cast<bool>(c.bKept), bFound) << c.pszName;
    }
    int nRun = 0;
    for (const CSearchEntry& entry : index.GetList())
        nRun += CompareKeywords(entry.m_strKeyword, "run") == 0 ? 1 : 0;
    EXPECT_EQ(3, nRun);
    // The documents the index refers to, each once: the page by its two names is one file.
    ASSERT_EQ(2, index.GetDocumentFiles().GetSize());
    EXPECT_EQ(strPage, index.GetDocumentFiles()[0] == strOther ? index.GetDocumentFiles()[1]
                                                                : index.GetDocumentFiles()[0]);
    // A second pass finds nothing more to do.
    index.SetChanged(FALSE);
    EXPECT_EQ(0, index.Tidy());
    EXPECT_FALSE(index.IsChanged());
    EXPECT_TRUE(ui.m_shown.empty());
}

} // namespace
