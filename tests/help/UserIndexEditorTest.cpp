// The User Index dialog's work on the user index: opening, the scratch
// entries of a page's links, adding them, and the ends of the dialog (OK
// tidies and saves, Cancel asks), on real index files.
#include "IndexBytes.h"
#include "ScriptedUserInterface.h"
#include "SearchIndex.h"
#include "StringArray.h"
#include "TempFolder.h"
#include "UserIndexEditor.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// A user index file over real pages: Page.html (present) and Gone.html (missing).
struct CUserPages {
    CTempFolder temp;
    CScriptedUserInterface ui;
    CStringArray dirs;
    CString strPage, strIndex;
    CUserPages()
    {
        mkdir(temp.File("pages"), 0700);
        strPage = temp.Write("pages/Page.html", "<a href=\"#top\">top</a>");
        while (dirs.GetSize() < 100)
            dirs.Add("");
        dirs.Add(temp.File("pages"));  // 101
        strIndex = temp.Write("user.ipg", RawIndex(2, CRawEntry{0, temp.File("Gone.html").str(), 0, "", "Gone"},
                                                   CRawEntry{101, "Page", 1, "", "Page"}));
    }
    std::vector<CString> Texts() const
    {
        std::vector<CString> texts;
        for (const auto& shown : ui.m_shown)
            texts.push_back(shown.strText);
        return texts;
    }
    // The entries of the file, read afresh.
    CString FileList() const
    {
        CSearchIndex index(dirs, TRUE, FALSE);
        index.SetPath(strIndex);
        return index.LoadList() ? index.Dump() : CString("unreadable");
    }
};

TEST(UserIndexEditor, OpeningReadsEveryEntryOrSaysWhyNot)
{
    {
        CScriptedUserInterface ui;
        CUserIndexEditor editor(nullptr);
        EXPECT_FALSE(editor.Open());
        ASSERT_EQ(1u, ui.m_shown.size());
        EXPECT_EQ(CString("Error loading the indices !!!"), ui.m_shown[0].strText);
        EXPECT_EQ(CString("Wait, Loading all the user indexes...."), ui.m_statusTexts.at(0));
        EXPECT_TRUE(editor.GetEntries().empty());
    }
    CUserPages pages;
    CSearchIndex index(pages.dirs, TRUE, TRUE);
    index.SetPath(pages.strIndex);
    ASSERT_TRUE(index.Load(pages.strIndex));
    CUserIndexEditor editor(&index);
    ASSERT_TRUE(editor.Open());
    EXPECT_TRUE(pages.ui.m_shown.empty());
    EXPECT_EQ(CString("Wait, Loading all the user indexes....Done"), pages.ui.m_statusTexts.back());
    ASSERT_EQ(2u, editor.GetEntries().size());
    EXPECT_EQ(pages.strPage, editor.GetAddress(*std::next(editor.GetEntries().begin())));
    EXPECT_FALSE(editor.IsChanged());

    // A damaged file: the read error and the dialog's own message.
    pages.temp.Write("user.ipg", RawIndex(3, CRawEntry{0, "x", 0, "", "x"}));
    CSearchIndex damaged(pages.dirs, TRUE, FALSE);
    damaged.SetPath(pages.strIndex);
    CUserIndexEditor editor2(&damaged);
    EXPECT_FALSE(editor2.Open());
    EXPECT_EQ((std::vector<CString>{"Error reading search index file !!!", "Error loading the indices !!!"}),
              pages.Texts());
}

TEST(UserIndexEditor, OnlyHtmlPagesGiveLinks)
{
    CScriptedUserInterface ui;
    struct {
        const char* pszPath;
        BOOL bPage;
    } cases[] = {{"/p/a.html", TRUE}, {"/p/a.HTM", TRUE}, {"/p/a.htm", TRUE}, {"/p/a.hlp", FALSE},
                 {"/p/a.html.txt", FALSE}, {"/p/html", FALSE}};
    for (const auto& c : cases) {
        ui.m_shown.clear();
        EXPECT_EQ(c.bPage, CUserIndexEditor::CheckPage(c.pszPath)) << c.pszPath;
        EXPECT_EQ(c.bPage ? 0u : 1u, ui.m_shown.size()) << c.pszPath;
        if (!c.bPage)
            EXPECT_EQ(CString("Index file has to be a HTML or HTM file !!!"), ui.m_shown[0].strText);
    }
}

TEST(UserIndexEditor, ScratchEntriesComeFromThePageLinks)
{
    CUserPages pages;
    CSearchIndex index(pages.dirs, TRUE, FALSE);
    CUserIndexEditor editor(&index);
    CStringArray links;
    for (const char* psz : {"Other.html#run()", "./Other.html#run()", "sub/../Third.htm", "#top", "Page.html",
                            "https://example.org/x.html", "../notes.txt", "Other.html#_top_"})
        links.Add(psz);
    std::vector<CSearchEntry> scratch;
    editor.MakeScratch(pages.strPage, links, scratch);
    CString strDump;
    for (const CSearchEntry& entry : scratch)
        strDump += entry.Dump() + "\n";
    // In the user folder (101): names without extension; outside: the whole path.
    EXPECT_EQ(CString("notes | 0 | ") + pages.temp.File("notes.txt") + " | 0 | \n" +
                  "Other | 101 | Other | 1 | _top_\n" + "run | 101 | Other | 1 | run()\n" +
                  "Third | 101 | Third | 2 | \n",
              strDump);
    EXPECT_TRUE(index.GetList().empty());
    EXPECT_FALSE(editor.IsChanged());
}

TEST(UserIndexEditor, AddedEntriesAreTidiedAndSavedOnOk)
{
    CUserPages pages;
    CSearchIndex index(pages.dirs, TRUE, FALSE);
    index.SetPath(pages.strIndex);
    CUserIndexEditor editor(&index);
    ASSERT_TRUE(editor.Open());
    // One entry is there already: refused, said once.
    std::vector<CSearchEntry> entries = {CSearchEntry("top", "Page", "top", 101, 1),
                                         CSearchEntry("", "page", "PAGE", 101, 1),
                                         CSearchEntry("x", "Page", "extra", 101, 1)};
    EXPECT_EQ(2, editor.AddEntries(entries));
    EXPECT_EQ((std::vector<CString>{"Error adding an index !!!"}), pages.Texts());
    EXPECT_TRUE(editor.IsChanged());
    pages.ui.m_statusTexts.clear();
    ASSERT_TRUE(editor.Accept());
    EXPECT_EQ(1, editor.GetTidied());  // Gone.html is missing
    EXPECT_EQ((std::vector<CString>{"Wait, Optimizing the user indexes....", "Wait, Optimizing the user indexes....Done",
                                    "Wait, Saving the help Indices...", "Wait, Saving the help Indices...Done"}),
              pages.ui.m_statusTexts);
    EXPECT_EQ(0, pages.ui.m_nWaitDepth);
    EXPECT_EQ(CString("count 0, keywords 0, list 3\n"
                      "extra | 101 | Page | 1 | x\n"
                      "Page | 101 | Page | 1 | \n"
                      "top | 101 | Page | 1 | top\n"),
              pages.FileList());
    // The keyword table follows the file.
    EXPECT_EQ(3, index.GetKeywords().GetCount());
    EXPECT_FALSE(editor.IsChanged());
}

TEST(UserIndexEditor, OkWithoutChangesLeavesTheFile)
{
    CUserPages pages;
    CSearchIndex index(pages.dirs, TRUE, FALSE);
    index.SetPath(pages.strIndex);
    CUserIndexEditor editor(&index);
    ASSERT_TRUE(editor.Open());
    std::string strBefore = ReadWholeFile(pages.strIndex);
    ASSERT_TRUE(editor.Accept());
    ASSERT_TRUE(editor.Cancel());
    EXPECT_EQ(strBefore, ReadWholeFile(pages.strIndex));
    EXPECT_TRUE(pages.ui.m_shown.empty());
}

TEST(UserIndexEditor, CancelWithChangesAsks)
{
    struct {
        const char* pszName;
        int nAnswer;  // 0: nobody answers (the default button)
        bool bSaved;
    } cases[] = {{"Yes saves without tidying", IDYES, true}, {"No drops the changes", IDNO, false},
                 {"the default is No", 0, false}};
    for (const auto& c : cases) {
        CUserPages pages;
        CSearchIndex index(pages.dirs, TRUE, FALSE);
        index.SetPath(pages.strIndex);
        CUserIndexEditor editor(&index);
        ASSERT_TRUE(editor.Open());
        std::string strBefore = ReadWholeFile(pages.strIndex);
        ASSERT_TRUE(editor.RemoveEntry(CSearchEntry("", "Page", "page", 101, 1))) << c.pszName;
        EXPECT_FALSE(editor.RemoveEntry(CSearchEntry("", "Page", "page", 101, 1))) << c.pszName;
        if (c.nAnswer)
            pages.ui.Answer(c.nAnswer);
        ASSERT_TRUE(editor.Cancel()) << c.pszName;
        ASSERT_EQ(1u, pages.ui.m_shown.size()) << c.pszName;
        EXPECT_EQ(CString("Please select Yes to save the changes or No to Cancel the changes..."),
                  pages.ui.m_shown[0].strText);
        EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), pages.ui.m_shown[0].nType);
        if (c.bSaved) {
            // Gone.html stays: only OK tidies.
            EXPECT_EQ(CString("count 0, keywords 0, list 1\nGone | 0 | ") + pages.temp.File("Gone.html") + " | 0 | \n",
                      pages.FileList())
                << c.pszName;
        } else {
            EXPECT_EQ(strBefore, ReadWholeFile(pages.strIndex)) << c.pszName;
            EXPECT_EQ(2u, index.GetList().size()) << c.pszName;
        }
        EXPECT_FALSE(editor.IsChanged()) << c.pszName;
    }
}

} // namespace
