// The GUI builder's resources in the running main window's project tree:
// the "Dialogs" and "Frames" groups under a resource item, the resource
// commands of the tree menus on the kinds of node they are offered on, the
// renames of a resource and of a design, and the opening of a design.
#include "ProjectViewFixture.h"

#include "FrameProjectViewHost.h"
#include "Introspection.h"
#include "KeyState.h"
#include "MainFrame.h"
#include "OutputWnd.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "ProjectImage.h"
#include "ProjectMenu.h"
#include "ProjectView.h"
#include "RunThreads.h"
#include "TempFolder.h"
#include "ToolCommands.h"
#include "TreeFolder.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <sys/stat.h>

namespace {

const char* const LOGIN_RES = "// Mosk Resource file\n\n"
                              "Begin Dialog 1.0 \"Login\"\n\tBegin ComponentGroup\n\tEnd ComponentGroup\nEnd Dialog\n\n"
                              "Begin Frame 1.0 \"Window\"\n\tBegin ComponentGroup\n\tEnd ComponentGroup\nEnd Frame\n\n"
                              "Begin Dialog 1.0 \"Ask\"\n\tBegin ComponentGroup\n\tEnd ComponentGroup\nEnd Dialog";

bool Exists(const char* pszPath)
{
    struct stat st;
    return ::stat(pszPath, &st) == 0;
}

// The lines of the tree's dump from the one starting with pszFirst (after
// its indentation) for nCount lines.
CString DumpFrom(const CString& strDump, const char* pszFirst, int nCount)
{
    std::string strText = strDump.c_str();
    size_t nAt = strText.find(std::string(" ") + pszFirst + " [");
    if (nAt == std::string::npos)
        return CString();
    nAt = strText.rfind('\n', nAt) + 1;
    size_t nEnd = nAt;
    for (int i = 0; i < nCount && nEnd != std::string::npos; ++i)
        nEnd = strText.find('\n', nEnd + 1);
    return CString(strText.substr(nAt, nEnd == std::string::npos ? std::string::npos : nEnd - nAt + 1).c_str());
}

std::vector<std::pair<UINT, bool>> MenuState(QMenu* pMenu)
{
    std::vector<std::pair<UINT, bool>> state;
    for (QAction* pAction : pMenu->actions())
        state.emplace_back(pAction->isSeparator() ? 0u : pAction->data().toUInt(),
                           pAction->isSeparator() || pAction->isEnabled());
    return state;
}

} // namespace

class ResourceTreeTest : public ProjectViewTest {
protected:
    void StartWithResource()
    {
        StartWithProject();
        Frame().show();
        m_strLogin = WriteSource("Login.res", LOGIN_RES);
        ASSERT_TRUE(Doc().GetProject().AddFile(m_strLogin));
        QApplication::processEvents();
    }
    CString m_strLogin;
};

TEST_F(ResourceTreeTest, AResourceShowsItsDialogsAndFramesAndTheirMenus)
{
    StartWithResource();
    QTreeWidgetItem* pItem = Item("Login.res");
    ASSERT_NE(pItem, nullptr);
    CString strExpected;
    strExpected.Format("    Login.res [%d]\n      Dialogs [%d]\n        Login [%d]\n        Ask [%d]\n"
                       "      Frames [%d]\n        Window [%d]\n",
                       PROJIMG_RES_DIALOG, PROJIMG_GROUP, PROJIMG_RES_DIALOG, PROJIMG_RES_DIALOG, PROJIMG_GROUP,
                       PROJIMG_RES_FRAME);
    EXPECT_EQ(DumpFrom(View().Dump(), "Login.res", 6), strExpected);

    CString strFrameOnly = WriteSource("Shell.res", "// Mosk Resource file\n\nBegin Frame 1.0 \"Shell\"\nEnd Frame");
    ASSERT_TRUE(Doc().GetProject().AddFile(strFrameOnly));
    struct {
        const char* pszItem;
        std::vector<UINT> ids;
    } cases[] = {
        {"Login.res", {33006, 33007, 0, 32994, 32993}},
        {"Shell.res", {33006, 33007, 0, 32998, 32997}},
        {"Dialogs", {32995}},
        {"Frames", {32999}},
        {"Ask", {}},
        {"Demo", {32985, 32983, 32992, 32996, 33009, 0, 32981, 0, 33018}},
        {"Lib", {32985, 32983, 33002, 33003, 33009, 0, 32984, 0, 33018}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszItem);
        QTreeWidgetItem* pCase = Item(c.pszItem);
        ASSERT_NE(pCase, nullptr);
        std::vector<UINT> ids;
        for (const CProjectViewMenuItem& item : View().GetMenuItems(pCase))
            ids.push_back(item.nID);
        EXPECT_EQ(ids, c.ids);
    }
    // Of another project's resource only the designs show, nothing is offered on them.
    ASSERT_TRUE(Doc().CloseProject());
    QTreeWidgetItem* pDialogs = Item("Dialogs");
    ASSERT_NE(pDialogs, nullptr);
    EXPECT_TRUE(View().GetMenuItems(pDialogs).empty());
    QTreeWidgetItem* pAsk = Item("Ask");
    ASSERT_NE(pAsk, nullptr);
    EXPECT_FALSE(pAsk->flags() & Qt::ItemIsEditable);
}

TEST_F(ResourceTreeTest, CommandsAreEnabledOnTheirNodesAndPasteFollowsTheClipboard)
{
    StartWithResource();
    // Nothing names a resource yet: Paste waits.
    std::unique_ptr<QMenu> pMenu(View().BuildContextMenu(Item("Demo")));
    ASSERT_NE(pMenu, nullptr);
    std::vector<std::pair<UINT, bool>> expected = {{32985, true}, {32983, true}, {32992, true}, {32996, true},
                                                   {33009, false}, {0, true}, {32981, true}, {0, true},
                                                   {33018, true}};
    EXPECT_EQ(MenuState(pMenu.get()), expected);
    // Clipboard text that is not a resource reference changes nothing.
    m_ui.SetClipboardText("Window:" + m_strLogin);
    EXPECT_FALSE(View().OnCommand(ID_RESOURCE_PASTE));

    // Copy on the resource names it; Paste into the folder "Lib" then makes a renamed copy there.
    ASSERT_TRUE(Select("Login.res"));
    ASSERT_TRUE(View().OnCommand(ID_RESOURCE_COPY));
    EXPECT_EQ(m_ui.m_strClipboard, "Dialog:" + m_strLogin);
    // A command of another node's kind does nothing here.
    EXPECT_FALSE(View().OnCommand(ID_RESOURCE_FOLDER_ADD_DIALOG));
    pMenu.reset(View().BuildContextMenu(Item("Lib")));
    EXPECT_EQ(MenuState(pMenu.get())[4], std::make_pair(UINT(33009), true));
    ASSERT_TRUE(Select("Lib"));
    ASSERT_TRUE(View().OnCommand(ID_RESOURCE_PASTE));
    CString strCopy = m_folder.File("Login1.res");
    EXPECT_TRUE(Doc().GetProject().HasFile(strCopy));
    ExpandAll();
    CString strExpected;
    strExpected.Format("      Login1.res [%d]\n        Dialogs [%d]\n          Login1 [%d]\n          Ask [%d]\n",
                       PROJIMG_RES_DIALOG, PROJIMG_GROUP, PROJIMG_RES_DIALOG, PROJIMG_RES_DIALOG);
    EXPECT_EQ(DumpFrom(View().Dump(), "Login1.res", 4), strExpected);

    // Make Copy on the copy puts the next copy beside it.
    ASSERT_TRUE(Select("Login1.res"));
    ASSERT_TRUE(View().OnCommand(ID_RESOURCE_MAKE_COPY));
    QTreeWidgetItem* pSecond = Item("Login11.res");
    ASSERT_NE(pSecond, nullptr);
    EXPECT_EQ(pSecond->parent(), Item("Lib"));
    EXPECT_NE(DumpFrom(View().Dump(), "Login11", 1), "");

    // Delete Dialog takes the resource out of the project; the file stays.
    ASSERT_TRUE(Select("Login11.res"));
    ASSERT_TRUE(View().OnCommand(ID_RESOURCE_DELETE_DIALOG));
    EXPECT_EQ(Item("Login11.res"), nullptr);
    EXPECT_TRUE(Exists(m_folder.File("Login11.res")));
    EXPECT_FALSE(Doc().GetProject().HasFile(m_folder.File("Login11.res")));
}

TEST_F(ResourceTreeTest, AddDialogFromTheDialogsGroupGoesBesideTheResourceAndShowsItsDesign)
{
    StartWithResource();
    // The resource goes into "Lib"; its "Dialogs" group adds the next one there too.
    CString strInLib = WriteSource("Form.res", "// Mosk Resource file\n\nBegin Dialog 1.0 \"Form\"\nEnd Dialog");
    CTreeFolder* pLib = static_cast<CTreeFolder*>(View().NodeOf(Item("Lib")));
    ASSERT_TRUE(Doc().GetProject().AddFile(strInLib, pLib));
    QTreeWidgetItem* pFormItem = Item("Form.res");
    ASSERT_NE(pFormItem, nullptr);
    QTreeWidgetItem* pGroup = pFormItem->child(0);
    ASSERT_NE(pGroup, nullptr);
    ASSERT_EQ(pGroup->text(0), "Dialogs");
    View().setCurrentItem(pGroup);
    m_ui.AnswerFiles({m_folder.File("Dialog1.res")});
    ASSERT_TRUE(View().OnCommand(ID_RESOURCE_GROUP_ADD_DIALOG));
    ASSERT_EQ(m_ui.m_fileDialogs.size(), 1u);
    EXPECT_EQ(m_ui.m_fileDialogs[0].strTitle, "New Dialog");
    QTreeWidgetItem* pNew = Item("Dialog1.res");
    ASSERT_NE(pNew, nullptr);
    EXPECT_EQ(pNew->parent(), Item("Lib"));
    CString strExpected;
    strExpected.Format("      Dialog1.res [%d]\n        Dialogs [%d]\n          Dialog1 [%d]\n", PROJIMG_RES_DIALOG,
                       PROJIMG_GROUP, PROJIMG_RES_DIALOG);
    EXPECT_EQ(DumpFrom(View().Dump(), "Dialog1.res", 3), strExpected);

    // Add Frame on the project's node: a frame, shown with the frame picture.
    ASSERT_TRUE(Select("Demo"));
    m_ui.AnswerFiles({m_folder.File("Frame1.res")});
    ASSERT_TRUE(View().OnCommand(ID_RESOURCE_ADD_FRAME));
    QTreeWidgetItem* pFrame = Item("Frame1.res");
    ASSERT_NE(pFrame, nullptr);
    EXPECT_EQ(CProjectView::ImageOf(pFrame), PROJIMG_RES_FRAME);
    EXPECT_EQ(pFrame->parent(), Item("Demo"));
    EXPECT_EQ(pFrame->child(0)->text(0), "Frames");
}

TEST_F(ResourceTreeTest, RenamingTheResourceRenamesItsDesignAndADesignIsRenamedInItsFile)
{
    StartWithResource();
    // Rename Dialog edits the resource's label; the design follows the new file name.
    ASSERT_TRUE(Select("Login.res"));
    ASSERT_TRUE(View().OnCommand(ID_RESOURCE_RENAME_DIALOG));
    ASSERT_TRUE(TypeIntoEditor("Entry.res"));
    CString strEntry = m_folder.File("Entry.res");
    EXPECT_TRUE(Doc().GetProject().HasFile(strEntry));
    EXPECT_FALSE(Exists(m_strLogin));
    EXPECT_NE(ReadWholeFile(strEntry).find("Begin Dialog 1.0 \"Entry\""), std::string::npos);
    EXPECT_EQ(Item("Login"), nullptr);
    ASSERT_NE(Item("Entry"), nullptr);

    // A design node is renamed through its label; spaces are refused.
    struct {
        const char* pszFrom;
        const char* pszTo;
        const char* pszShown;
        const char* pszMessage;
    } cases[] = {
        {"Window", "Main Window", "Window", "Invalid Name. No Spaces allowed in the name."},
        {"Window", "Shell", "Shell", nullptr},
        {"Ask", "Confirm", "Confirm", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszTo);
        size_t nShown = m_ui.m_shown.size();
        QTreeWidgetItem* pDesign = Item(c.pszFrom);
        ASSERT_NE(pDesign, nullptr);
        View().setCurrentItem(pDesign);
        View().editItem(pDesign);
        ASSERT_TRUE(TypeIntoEditor(c.pszTo));
        EXPECT_EQ(pDesign->text(0), c.pszShown);
        if (c.pszMessage) {
            ASSERT_EQ(m_ui.m_shown.size(), nShown + 1);
            EXPECT_EQ(m_ui.m_shown.back().strText, c.pszMessage);
        } else {
            EXPECT_EQ(m_ui.m_shown.size(), nShown);
        }
    }
    std::string strText = ReadWholeFile(strEntry);
    EXPECT_NE(strText.find("Begin Frame 1.0 \"Shell\""), std::string::npos) << strText;
    EXPECT_NE(strText.find("Begin Dialog 1.0 \"Confirm\""), std::string::npos) << strText;
    EXPECT_EQ(strText.find("Window"), std::string::npos) << strText;
}

TEST_F(ResourceTreeTest, OpeningADesignStartsTheBuilderForThatDesign)
{
    StartWithResource();
    CString strPath, strName;
    BOOL bFrame = FALSE;
    Frame().GetProjectViewHost().SetDesignEditor([&](const char* pszPath, const char* pszName, BOOL bIsFrame) {
        strPath = pszPath;
        strName = pszName;
        bFrame = bIsFrame;
        return TRUE;
    });
    QTreeWidgetItem* pWindow = Item("Window");
    ASSERT_NE(pWindow, nullptr);
    View().scrollToItem(pWindow);
    QTest::mouseDClick(View().viewport(), Qt::LeftButton, Qt::NoModifier, View().visualItemRect(pWindow).center());
    EXPECT_EQ(strPath, m_strLogin);
    EXPECT_EQ(strName, "Window");
    EXPECT_TRUE(bFrame);
    // The resource item itself goes to the resource's start, with Control as it was held.
    CString strOpened;
    Frame().GetProjectViewHost().SetResourceEditor([&strOpened](const char* pszPath) { strOpened = pszPath; });
    QTreeWidgetItem* pItem = Item("Login.res");
    View().scrollToItem(pItem);
    QTest::mouseDClick(View().viewport(), Qt::LeftButton, Qt::ControlModifier, View().visualItemRect(pItem).center());
    EXPECT_EQ(strOpened, m_strLogin);
    EXPECT_TRUE(CKeyState::IsDown(VK_CONTROL));
    CKeyState::SetDown(VK_CONTROL, FALSE);
}

TEST_F(ResourceTreeTest, AControlDoubleClickShowsTheBuildersOutputInTheOutputPane)
{
    StartWithResource();
    // A builder that says what it opens and ends.
    CTempFolder jdk;
    CString strJava = jdk.Write("java", "#!/bin/sh\necho \"building $3 as $4\"\n");
    ::chmod(strJava, 0755);
    CIntrospection::SetJdkFolder(jdk.Path());
    Frame().WriteOutput("an earlier run\n");
    QTreeWidgetItem* pItem = Item("Login.res");
    ASSERT_NE(pItem, nullptr);
    View().scrollToItem(pItem);
    QTest::mouseDClick(View().viewport(), Qt::LeftButton, Qt::ControlModifier, View().visualItemRect(pItem).center());
    CKeyState::SetDown(VK_CONTROL, FALSE);
    COutputWnd& output = Frame().GetToolCommands().GetOutputWnd();
    EXPECT_TRUE(WaitFor([&] { return output.GetText().Find("GUI Builder Exit...") >= 0; }, 20000));
    CRunThreads::WaitIdle(5000);
    EXPECT_EQ(output.GetText(), "GUI Builder Started...\r\nbuilding Login as Dialog\r\nGUI Builder Exit...");
    EXPECT_EQ(m_ui.m_statusTexts.back(), "Wait, Loading the resource...");
    CIntrospection::SetJdkFolder("");
}
