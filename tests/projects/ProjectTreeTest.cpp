// The operations of the project tree's nodes, checked through the dump of
// the tree and the project's file list.
#include "ArchiveFile.h"
#include "ProjectDoc.h"
#include "ProjectFileItem.h"
#include "ProjectFolder.h"
#include "ProjectImage.h"
#include "ProjectMenu.h"
#include "ProjectRootFolder.h"
#include "ProjectSamples.h"
#include "ProjectTreeCommands.h"
#include "ProjectVirtualFolder.h"
#include "ResourceFileItem.h"
#include "ScriptedUserInterface.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

bool Exists(const CString& strPath)
{
    struct stat st;
    return ::stat(strPath, &st) == 0;
}

// A new open project "P" in a temporary folder.
class ProjectTreeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_strDir = m_tmp.Path() + "/";
        ASSERT_TRUE(m_doc.OpenProject(m_tmp.File("P.mosk"), TRUE));
        m_ui.m_shown.clear();
    }

    CProject& Project() { return m_doc.GetProject(); }
    CProjectFolder* Node() { return Project().GetNode(); }
    // The node's dump with the folder's path shortened to "~/".
    std::string Tree()
    {
        CString str = Node()->Dump();
        str.Replace(m_strDir, "~/");
        return str.str();
    }
    std::string Files()
    {
        std::string str;
        for (POSITION pos = Project().GetFileList().GetHeadPosition(); pos;) {
            CString strPath = Project().GetFileList().GetNext(pos);
            strPath.Replace(m_strDir, "~/");
            str += strPath.str() + " ";
        }
        return str;
    }
    CProjectFileItem* Item(const char* pszName) { return Project().FindFileItem(m_strDir + pszName); }
    CString Path(const char* pszName) const { return m_strDir + pszName; }

    CTempFolder m_tmp;
    CString m_strDir;
    CScriptedUserInterface m_ui;
    CRecordingHost m_host;
    CProjectDoc m_doc{&m_host};
    CProjectTreeCommands m_commands{m_doc};
};

} // namespace

TEST_F(ProjectTreeTest, NewProjectIsListedEmptyAndOpen)
{
    EXPECT_TRUE(Project().IsOpen());
    EXPECT_TRUE(Project().IsModified());
    EXPECT_EQ(Project().m_strProjectDir, m_strDir);
    EXPECT_EQ(m_host.GetMainTitle(), "Mosk - P");
    EXPECT_EQ(m_doc.GetCurrentNode(), Node());
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_EQ(Tree(), "CProjectFolder \"P\" path=\"~/P.mosk\" loaded current\n");
    EXPECT_EQ(ReadWholeFile(m_tmp.File("P.mosk")), "");
}

TEST_F(ProjectTreeTest, AddingFilesPutsThemAtTheHeadOfTheList)
{
    m_tmp.Write("A.java", "class A {}");
    EXPECT_TRUE(Project().AddFile(Path("A.java")));
    EXPECT_TRUE(Project().AddFile(Path("B.java")));   // missing: made empty
    EXPECT_TRUE(Project().AddFile(Path("dlg.res")));
    EXPECT_TRUE(Project().AddFile(Path("a.java")));   // another letter case is another file
    EXPECT_TRUE(Project().AddFile(Path("Other.mosk")));
    EXPECT_TRUE(Exists(Path("B.java")));
    EXPECT_EQ(ReadWholeFile(Path("A.java")), "class A {}");
    EXPECT_EQ(Files(), "~/Other.mosk ~/a.java ~/dlg.res ~/B.java ~/A.java ");
    EXPECT_EQ(Tree(), "CProjectFolder \"P\" path=\"~/P.mosk\" loaded current\n"
                      "  CProjectFileItem \"~/A.java\"\n"
                      "  CProjectFileItem \"~/B.java\"\n"
                      "  CResourceFileItem \"~/dlg.res\"\n"
                      "  CProjectFileItem \"~/a.java\"\n"
                      "  CProjectFileItem \"~/Other.mosk\"\n");
    EXPECT_TRUE(m_ui.m_shown.empty());
}

TEST_F(ProjectTreeTest, AddingIsRefusedWithTheReason)
{
    ASSERT_TRUE(Project().AddFile(Path("A.java")));
    struct Case {
        const char* pszName;
        const char* pszMessage;
        UINT nIcon;
    };
    const Case cases[] = {
        {"A.java", "~/A.java file already in the project !!!", MB_ICONINFORMATION},
        {"P.mosk", "Cannot add Mosk project !!!", MB_ICONEXCLAMATION},
        {"missing/X.java", "Cannot create ~/missing/X.java: No such file or directory", MB_ICONEXCLAMATION},
    };
    for (const Case& c : cases) {
        m_ui.m_shown.clear();
        EXPECT_FALSE(Project().AddFile(Path(c.pszName))) << c.pszName;
        ASSERT_EQ(m_ui.m_shown.size(), 1u);
        CString strText = m_ui.m_shown[0].strText;
        strText.Replace(m_strDir, "~/");
        EXPECT_EQ(strText, c.pszMessage);
        EXPECT_EQ(m_ui.m_shown[0].nType & MB_ICONMASK, c.nIcon);
    }
    EXPECT_EQ(Files(), "~/A.java ");
}

TEST_F(ProjectTreeTest, FoldersGroupFilesAndTakeThemAlongWhenDeleted)
{
    ASSERT_TRUE(Project().AddFile(Path("Main.java")));
    CProjectVirtualFolder* pFolder = Project().AddFolder(Node());
    ASSERT_NE(pFolder, nullptr);
    ASSERT_TRUE(m_commands.OnLabelEdited(pFolder, "Pages"));
    ASSERT_TRUE(Project().AddFile(Path("index.html"), pFolder));
    CProjectVirtualFolder* pInner = Project().AddFolder(pFolder);
    ASSERT_TRUE(Project().AddFile(Path("Deep.java"), pInner));
    ASSERT_TRUE(Project().ToggleMainHtml(Item("index.html")));
    EXPECT_EQ(Tree(), "CProjectFolder \"P\" path=\"~/P.mosk\" loaded current\n"
                      "  CProjectFileItem \"~/Main.java\"\n"
                      "  CProjectVirtualFolder \"Pages\"\n"
                      "    CProjectFileItem \"~/index.html\"\n"
                      "    CProjectVirtualFolder \"Folder\"\n"
                      "      CProjectFileItem \"~/Deep.java\"\n");

    ASSERT_TRUE(m_commands.OnCommand(ID_PROJECT_DELETE_FOLDER, pFolder));
    EXPECT_EQ(Tree(), "CProjectFolder \"P\" path=\"~/P.mosk\" loaded current\n"
                      "  CProjectFileItem \"~/Main.java\"\n");
    EXPECT_EQ(Files(), "~/Main.java ");
    EXPECT_EQ(Project().m_strMainHtml, "");
    EXPECT_TRUE(Exists(Path("Deep.java")));
    EXPECT_EQ(m_host.m_nDeleted, 1);
}

TEST_F(ProjectTreeTest, SavedTreeReadsBackInTreeOrder)
{
    ASSERT_TRUE(Project().AddFile(Path("First.java")));
    CProjectVirtualFolder* pFolder = Project().AddFolder(Node());
    ASSERT_TRUE(Project().AddFile(Path("Second.java"), pFolder));
    ASSERT_TRUE(Project().AddFile(Path("Third.java")));
    Item("Third.java")->m_bNeedsCompile = TRUE;
    EXPECT_EQ(Files(), "~/Third.java ~/Second.java ~/First.java ");
    // The alphabetical display does not touch the stored order.
    EXPECT_EQ(Node()->GetSortedChildren()[0]->GetShownLabel(), "First.java");
    EXPECT_EQ(Node()->GetSortedChildren()[1]->GetShownLabel(), "Folder");
    // Closing asks to save: Cancel keeps the project open, Yes saves it.
    m_ui.Answer(IDCANCEL);
    EXPECT_FALSE(m_doc.CloseProject());
    EXPECT_TRUE(Project().IsOpen());
    m_ui.Answer(IDYES);
    ASSERT_TRUE(m_doc.CloseProject());
    ASSERT_EQ(m_ui.m_shown.size(), 2u);
    EXPECT_EQ(m_ui.m_shown[1].strText, "Save changes to " + m_tmp.File("P.mosk") + "?");
    EXPECT_FALSE(Project().IsOpen());
    EXPECT_EQ(m_host.GetMainTitle(), "Mosk");
    EXPECT_EQ(m_doc.GetCurrentNode(), nullptr);

    ASSERT_TRUE(m_doc.OpenProject(m_tmp.File("P.mosk"), FALSE));
    EXPECT_FALSE(Project().IsModified());
    EXPECT_EQ(Files(), "~/First.java ~/Second.java ~/Third.java ");
    EXPECT_EQ(Tree(), "CProjectFolder \"P\" path=\"~/P.mosk\" loaded current\n"
                      "  CProjectFileItem \"~/First.java\"\n"
                      "  CProjectVirtualFolder \"Folder\"\n"
                      "    CProjectFileItem \"~/Second.java\"\n"
                      "  CProjectFileItem \"~/Third.java\" needs-compile\n");
    EXPECT_EQ(m_doc.GetRoot()->GetChildCount(), 1);  // the same node again
}

TEST_F(ProjectTreeTest, RemovingFilesClearsTheirSettings)
{
    ASSERT_TRUE(Project().AddFile(Path("Main.java")));
    ASSERT_TRUE(Project().AddFile(Path("Other.java")));
    ASSERT_TRUE(m_commands.OnCommand(ID_PROJECT_MAIN_CLASS, Item("Main.java")));
    EXPECT_EQ(Project().m_strMainClass, "Main.java");
    EXPECT_EQ(Project().GetMainClassPath(), Path("Main.java"));

    ASSERT_TRUE(m_commands.OnCommand(ID_PROJECT_DELETE_FILE, Item("Main.java")));
    EXPECT_EQ(Project().m_strMainClass, "");
    EXPECT_EQ(Files(), "~/Other.java ");
    EXPECT_TRUE(Exists(Path("Main.java")));
    EXPECT_TRUE(m_ui.m_shown.empty());

    // The generic delete asks whether the file goes from the disk too; No is the default.
    ASSERT_TRUE(m_commands.GenericDelete(Item("Other.java")));
    ASSERT_EQ(m_ui.m_shown.size(), 1u);
    EXPECT_EQ(m_ui.m_shown[0].strText,
              "Do you want to physically delete the file " + Path("Other.java") + " from the disk ???");
    EXPECT_EQ(m_ui.m_shown[0].nType, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    EXPECT_TRUE(Exists(Path("Other.java")));

    ASSERT_TRUE(Project().AddFile(Path("Other.java")));
    m_ui.Answer(IDYES);
    ASSERT_TRUE(m_commands.GenericDelete(Item("Other.java")));
    EXPECT_FALSE(Exists(Path("Other.java")));
    EXPECT_EQ(Tree(), "CProjectFolder \"P\" path=\"~/P.mosk\" loaded current\n");
}

TEST_F(ProjectTreeTest, MainClassAndHtmlToggle)
{
    ASSERT_TRUE(Project().AddFile(Path("Main.java")));
    ASSERT_TRUE(Project().AddFile(Path("page.HTM")));
    CProjectFileItem* pMain = Item("Main.java");
    CProjectFileItem* pPage = Item("page.HTM");
    struct Step {
        CProjectFileItem* pItem;
        UINT nID;
        BOOL bResult;
        const char *pszClass, *pszHtml;
    };
    const Step steps[] = {
        {pMain, ID_PROJECT_MAIN_CLASS, TRUE, "Main.java", ""},
        {pPage, ID_PROJECT_MAIN_HTML, TRUE, "Main.java", "page.HTM"},
        {pMain, ID_PROJECT_MAIN_CLASS, TRUE, "", "page.HTM"},   // again: cleared
        {pPage, ID_PROJECT_MAIN_CLASS, FALSE, "", "page.HTM"},  // not a ".java" file
        {pMain, ID_PROJECT_MAIN_HTML, FALSE, "", "page.HTM"},
        {pPage, ID_PROJECT_MAIN_HTML, TRUE, "", ""},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(m_commands.OnCommand(s.nID, s.pItem), s.bResult);
        EXPECT_EQ(Project().m_strMainClass, s.pszClass);
        EXPECT_EQ(Project().m_strMainHtml, s.pszHtml);
    }
}

TEST_F(ProjectTreeTest, RenameMovesTheFileOrSaysWhyNot)
{
    ASSERT_TRUE(Project().AddFile(Path("Old.java")));
    ASSERT_TRUE(Project().AddFile(Path("Taken.java")));
    m_tmp.Write("OnDisk.java", "");
    ASSERT_TRUE(Project().ToggleMainClass(Item("Old.java")));
    struct Case {
        const char* pszNewName;
        BOOL bResult;
        const char* pszMessage;
    };
    const Case cases[] = {
        {"old.JAVA", FALSE, nullptr},  // the same name in another case: nothing happens
        {"OnDisk.java", FALSE, "File ~/OnDisk.java exists. Cannot rename."},
        {"Taken.java", FALSE, "File ~/Taken.java exists. Cannot rename."},
        {"../Up.java", FALSE, "Invalid file name ../Up.java !!!"},
        {"", FALSE, "Invalid file name  !!!"},
        {"New.java", TRUE, nullptr},
    };
    for (const Case& c : cases) {
        m_ui.m_shown.clear();
        EXPECT_EQ(m_commands.OnLabelEdited(Item(Exists(Path("Old.java")) ? "Old.java" : "New.java"), c.pszNewName),
                  c.bResult)
            << c.pszNewName;
        if (c.pszMessage) {
            ASSERT_EQ(m_ui.m_shown.size(), 1u) << c.pszNewName;
            CString strText = m_ui.m_shown[0].strText;
            strText.Replace(m_strDir, "~/");
            EXPECT_EQ(strText, c.pszMessage);
        } else {
            EXPECT_TRUE(m_ui.m_shown.empty()) << c.pszNewName;
        }
    }
    EXPECT_FALSE(Exists(Path("Old.java")));
    EXPECT_TRUE(Exists(Path("New.java")));
    EXPECT_EQ(Files(), "~/Taken.java ~/New.java ");
    EXPECT_EQ(Project().m_strMainClass, "New.java");
    EXPECT_EQ(Item("New.java")->GetShownLabel(), "New.java");
}

TEST_F(ProjectTreeTest, RenameRefusesANameTheListHoldsAlready)
{
    ASSERT_TRUE(Project().AddFile(Path("A.java")));
    ASSERT_TRUE(Project().AddFile(Path("B.java")));
    ASSERT_EQ(::unlink(Path("B.java")), 0);  // listed, but gone from the disk
    EXPECT_FALSE(Project().RenameFileItem(Item("A.java"), "B.java"));
    ASSERT_EQ(m_ui.m_shown.size(), 1u);
    EXPECT_EQ(m_ui.m_shown[0].strText, "Duplicate file name in the project !!!");
    EXPECT_TRUE(Exists(Path("A.java")));
}

TEST_F(ProjectTreeTest, ImagesTellTheKindsApart)
{
    ASSERT_TRUE(Project().AddFile(Path("Main.java")));
    ASSERT_TRUE(Project().AddFile(Path("Util.java")));
    ASSERT_TRUE(Project().AddFile(Path("Dirty.java")));
    ASSERT_TRUE(Project().AddFile(Path("index.html")));
    ASSERT_TRUE(Project().AddFile(Path("help.htm")));
    m_tmp.Write("win.res", "// Mosk Resource file\n\nBegin Frame 1.0 \"win\"\n");
    ASSERT_TRUE(Project().AddFile(Path("win.res")));
    ASSERT_TRUE(Project().AddFile(Path("dlg.res")));
    ASSERT_TRUE(Project().AddFile(Path("notes.txt")));
    ASSERT_TRUE(Project().ToggleMainClass(Item("Main.java")));
    ASSERT_TRUE(Project().ToggleMainHtml(Item("index.html")));
    Project().OnFileSaved(Path("Dirty.java"));
    struct Case {
        const char* pszName;
        int nImage;
    };
    const Case cases[] = {
        {"Main.java", PROJIMG_JAVA_MAIN}, {"Util.java", PROJIMG_JAVA},   {"Dirty.java", PROJIMG_JAVA_COMPILE},
        {"index.html", PROJIMG_HTML_MAIN}, {"help.htm", PROJIMG_HTML},   {"win.res", PROJIMG_RES_FRAME},
        {"dlg.res", PROJIMG_RES_DIALOG},  {"notes.txt", PROJIMG_FILE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Item(c.pszName)->GetImage(), c.nImage) << c.pszName;
    EXPECT_EQ(Node()->GetImage(), PROJIMG_OPEN_PROJECT);
    EXPECT_EQ(m_doc.GetRoot()->GetImage(), PROJIMG_ROOT);
    Project().OnFileCompiled(Path("Dirty.java"));
    EXPECT_EQ(Item("Dirty.java")->GetImage(), PROJIMG_JAVA);
}

TEST_F(ProjectTreeTest, MenusDependOnTheNode)
{
    ASSERT_TRUE(Project().AddFile(Path("A.java")));
    CProjectSettings settings;
    settings.m_bParseOnSave = TRUE;
    std::vector<CProjectMenuItem> menu = CProjectMenu::GetNodeMenu(*Item("A.java"), settings);
    ASSERT_FALSE(menu.empty());
    EXPECT_EQ(Item("A.java")->GetContextMenu(), SUBMENU_FILE);
    EXPECT_NE(menu.front().nID, static_cast<UINT>(ID_PROJECT_PARSE));
    settings.m_bParseOnSave = FALSE;
    menu = CProjectMenu::GetNodeMenu(*Item("A.java"), settings);
    EXPECT_EQ(menu.front().nID, static_cast<UINT>(ID_PROJECT_PARSE));
    EXPECT_STREQ(menu.front().pszText, "&Parse...");
    EXPECT_EQ(CProjectMenu::GetNodeMenu(*Node(), settings).front().nID, static_cast<UINT>(ID_PROJECT_ADD_FILE));
    EXPECT_EQ(Node()->GetContextMenu(), SUBMENU_OPEN_PROJECT);
    EXPECT_EQ(m_doc.GetRoot()->GetContextMenu(), SUBMENU_ROOT);
    EXPECT_STREQ(CProjectMenu::GetCommandName(ID_PROJECT_ADD_PROJECT), "Add Project");
    EXPECT_EQ(CProjectMenu::GetCommandName(1), nullptr);
}

TEST_F(ProjectTreeTest, AddFileDialogAddsEveryChosenFileThatExists)
{
    m_tmp.Write("One.java", "");
    m_tmp.Write("Two.java", "");
    m_ui.AnswerFiles({Path("One.java"), Path("Two.java"), Path("Ghost.java")});
    EXPECT_TRUE(m_commands.OnCommand(ID_PROJECT_ADD_FILE, Node()));
    ASSERT_EQ(m_ui.m_fileDialogs.size(), 1u);
    EXPECT_EQ(m_ui.m_fileDialogs[0].strTitle, "Add File");
    EXPECT_EQ(m_ui.m_fileDialogs[0].strDefExt, "java");
    EXPECT_TRUE(m_ui.m_fileDialogs[0].nFlags & OFN_ALLOWMULTISELECT);
    EXPECT_EQ(Files(), "~/Two.java ~/One.java ");
    EXPECT_FALSE(Exists(Path("Ghost.java")));
    // The next dialog starts where the last one ended; a cancel adds nothing.
    EXPECT_FALSE(m_commands.OnCommand(ID_PROJECT_ADD_FILE, Node()));
    EXPECT_EQ(m_ui.m_fileDialogs[1].strFolder, m_strDir);
}

TEST_F(ProjectTreeTest, ProjectNodesAreAddedOnceAndNotDeletedWhileOpen)
{
    m_tmp.Write("Q.mosk", "");
    m_ui.AnswerFiles({Path("Q.mosk")});
    ASSERT_TRUE(m_commands.OnCommand(ID_PROJECT_ADD_PROJECT, nullptr));
    m_ui.AnswerFiles({Path("Q.mosk")});
    EXPECT_FALSE(m_commands.OnCommand(ID_PROJECT_ADD_PROJECT, nullptr));
    ASSERT_EQ(m_ui.m_shown.size(), 1u);
    EXPECT_EQ(m_ui.m_shown[0].strText, "Project " + Path("Q.mosk") + " already exists in the tree !!!");
    // Each change of the list was saved at once.
    CProjectDoc reread(&m_host);
    ASSERT_TRUE(reread.Load(m_doc.GetPathName().IsEmpty() ? m_tmp.File("none") : m_doc.GetPathName()));

    EXPECT_FALSE(m_commands.GenericDelete(Node()));
    EXPECT_FALSE(m_commands.OnCommand(ID_PROJECT_DELETE_PROJECT, Node()));
    CProjectFolder* pQ = m_doc.FindProjectNode(Path("Q.mosk"));
    ASSERT_NE(pQ, nullptr);
    EXPECT_EQ(pQ->GetContextMenu(), SUBMENU_PROJECT);
    EXPECT_TRUE(m_commands.GenericDelete(pQ));
    EXPECT_EQ(m_doc.FindProjectNode(Path("Q.mosk")), nullptr);
    EXPECT_TRUE(Exists(Path("Q.mosk")));
    EXPECT_EQ(m_doc.GetRoot()->GetChildCount(), 1);
}

TEST_F(ProjectTreeTest, FilesOfAProjectThatIsNotOpenAreLeftAlone)
{
    ASSERT_TRUE(Project().AddFile(Path("A.java")));
    m_ui.Answer(IDYES);  // save changes
    ASSERT_TRUE(m_doc.CloseProject());
    ASSERT_EQ(Node(), nullptr);
    CTreeFolder* pClosed = static_cast<CTreeFolder*>(m_doc.GetRoot()->GetChild(0));
    CProjectFileItem* pFile = static_cast<CProjectFileItem*>(pClosed->GetChild(0));
    EXPECT_FALSE(pFile->CanDelete());
    EXPECT_EQ(pFile->GetContextMenu(), SUBMENU_OTHER_FILE);
    EXPECT_FALSE(m_commands.OnCommand(ID_PROJECT_DELETE_FILE, pFile));
    EXPECT_FALSE(m_commands.OnLabelEdited(pFile, "B.java"));
    EXPECT_EQ(pClosed->GetChildCount(), 1);
}
