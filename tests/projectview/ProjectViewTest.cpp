// The project tree view in the running main window: what it shows of a
// saved and reopened project, and how its context-menu commands, the Delete
// key, label editing, double clicks and the class nodes change the model
// and the tree together.
#include "ProjectViewFixture.h"

#include "ChildFrame.h"
#include "Command.h"
#include "CommandsDoc.h"
#include "DocumentWindows.h"
#include "DragToken.h"
#include "FileObject.h"
#include "VarClass.h"
#include "JavaIDEView.h"
#include "MainFrame.h"
#include "MDIOutputFrame.h"
#include "PathName.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "ProjectFileItem.h"
#include "ProjectFolder.h"
#include "ProjectImage.h"
#include "ProjectMenu.h"
#include "ProjectView.h"
#include "FrameProjectViewHost.h"
#include "ToolCommands.h"

#include <QApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

bool Exists(const char* pszPath)
{
    struct stat st;
    return ::stat(pszPath, &st) == 0;
}

CString FileListText(const CProject& project)
{
    CString strOut;
    const CStringList& files = project.GetFileList();
    for (POSITION pos = files.GetHeadPosition(); pos;)
        strOut += CPathName::FileNameOf(files.GetNext(pos)) + " ";
    return strOut;
}

std::vector<UINT> MenuIds(const std::vector<CProjectViewMenuItem>& items)
{
    std::vector<UINT> ids;
    for (const CProjectViewMenuItem& item : items)
        ids.push_back(item.nID);
    return ids;
}

// Edits pItem's label as the user does: the editor opens, takes the text, Enter commits it.
bool EditLabel(CProjectView& view, QTreeWidgetItem* pItem, const char* pszText)
{
    view.setCurrentItem(pItem);
    view.editItem(pItem);
    QLineEdit* pEditor = nullptr;
    for (QLineEdit* pEdit : view.viewport()->findChildren<QLineEdit*>())
        if (pEdit->isVisible())
            pEditor = pEdit;
    if (!pEditor)
        return false;
    pEditor->selectAll();
    QTest::keyClicks(pEditor, pszText);
    QTest::keyClick(pEditor, Qt::Key_Return);
    QApplication::processEvents();
    return true;
}

} // namespace

TEST_F(ProjectViewTest, ShowsTheReopenedProjectWithFoldersFilesAndClasses)
{
    StartWithProject();
    ASSERT_TRUE(Doc().CloseProject());
    ASSERT_TRUE(Doc().OpenProjectFile(m_strProject));
    ASSERT_TRUE(Doc().GetProject().ParseFile(m_strMain, FALSE));
    ExpandAll();
    CString strExpected;
    strExpected.Format("Mosk Projects [%d]\n"
                       "  Demo [%d]\n"
                       "    notes.txt [%d]\n"
                       "    page.html [%d]\n"
                       "    Main.java [%d]\n"
                       "      Imports [%d]\n"
                       "        java.util.List [%d]\n"
                       "      Classes [%d]\n"
                       "        Main [%d]\n"
                       "      Interfaces [%d]\n"
                       "        Shape [%d]\n"
                       "    Lib [%d]\n"
                       "      Helper.java [%d]\n",
                       PROJIMG_ROOT, PROJIMG_OPEN_PROJECT, PROJIMG_FILE, PROJIMG_HTML, PROJIMG_JAVA, PROJIMG_GROUP,
                       PROJIMG_IMPORT, PROJIMG_GROUP, PROJIMG_CLASS, PROJIMG_GROUP, PROJIMG_INTERFACE, PROJIMG_FOLDER,
                       PROJIMG_JAVA);
    EXPECT_EQ(View().Dump(), strExpected);
    // Closed, the project keeps its node and its files, with the closed picture.
    ASSERT_TRUE(Doc().CloseProject());
    QTreeWidgetItem* pProject = Item("Demo");
    ASSERT_NE(pProject, nullptr);
    EXPECT_EQ(CProjectView::ImageOf(pProject), PROJIMG_PROJECT);
}

TEST_F(ProjectViewTest, MenusFollowTheKindOfNode)
{
    StartWithProject();
    struct {
        const char* pszItem;
        std::vector<UINT> ids;
    } cases[] = {
        {"Mosk Projects", {32987, 0, 33012, 33013, 33014, 0, 33018}},
        {"Demo", {32985, 32983, 32992, 32996, 33009, 0, 32981, 0, 33018}},
        {"Main.java", {32881, 32815, 32831, 32879, 0, 32986, 32808}},
        {"Lib", {32985, 32983, 33002, 33003, 33009, 0, 32984, 0, 33018}},
        {"Main", {48001, 0, 49001, 49002}},   // the class and its two methods
        {"Imports", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszItem);
        QTreeWidgetItem* pItem = Item(c.pszItem);
        ASSERT_NE(pItem, nullptr);
        EXPECT_EQ(MenuIds(View().GetMenuItems(pItem)), c.ids);
    }
    // The user commands join the file and project menus after a separator.
    CCommandsDoc* pCommands = App().GetCommandsDoc();
    auto* pCommand = new CCommand;
    pCommand->m_strName = "Echo";
    pCommand->m_strCommand = "/bin/echo";
    pCommand->m_strArguments = "echoed-by-command";
    pCommand->m_bCaptureOutput = TRUE;
    pCommand->m_bOnFileMenu = TRUE;
    pCommands->Add(pCommand);
    std::vector<CProjectViewMenuItem> items = View().GetMenuItems(Item("notes.txt"));
    ASSERT_GE(items.size(), 2u);
    EXPECT_EQ(items[items.size() - 2].nID, 0u);
    EXPECT_EQ(items.back().nID, 49510u);
    EXPECT_EQ(items.back().strText, "Echo");
    EXPECT_EQ(MenuIds(View().GetMenuItems(Item("Demo"))).back(), 33018u);   // not on project menus

    // Chosen, it runs with its output in an MDI output window.
    ASSERT_TRUE(Select("notes.txt"));
    ASSERT_TRUE(View().OnCommand(49510));
    CToolCommands& tools = Frame().GetToolCommands();
    ASSERT_EQ(tools.GetOutputFrameCount(), 1);
    ASSERT_TRUE(WaitFor([&] { return tools.GetOutputFrame(0)->GetView().GetText().Find("echoed-by-command") >= 0; }));
    ASSERT_TRUE(WaitFor([&] { return tools.GetOutputFrame(0)->GetView().GetText().Find("Process Exit...") >= 0; }));
    // Ended, its window closes without a question.
    size_t nShown = m_ui.m_shown.size();
    EXPECT_TRUE(tools.CloseOutputFrame(tools.GetOutputFrame(0)));
    EXPECT_EQ(m_ui.m_shown.size(), nShown);
}

TEST_F(ProjectViewTest, FileCommandsChangeTheModelAndTheTreeTogether)
{
    StartWithProject();
    Frame().show();
    CProject& project = Doc().GetProject();

    // Add File on the folder.
    CString strExtra = WriteSource("Extra.java", "class Extra {}\n");
    m_ui.AnswerFiles({strExtra});
    ASSERT_TRUE(Select("Lib"));
    ASSERT_TRUE(View().OnCommand(ID_PROJECT_ADD_FILE));
    EXPECT_TRUE(project.HasFile(strExtra));
    QTreeWidgetItem* pExtra = Item("Extra.java");
    ASSERT_NE(pExtra, nullptr);
    EXPECT_EQ(pExtra->parent(), Item("Lib"));

    // Delete File takes it out of the project and leaves it on the disk.
    View().setCurrentItem(pExtra);
    ASSERT_TRUE(View().OnCommand(ID_PROJECT_DELETE_FILE));
    EXPECT_FALSE(project.HasFile(strExtra));
    EXPECT_EQ(Item("Extra.java"), nullptr);
    EXPECT_TRUE(Exists(strExtra));

    // The Delete key asks about the disk: No keeps the file, Yes removes it.
    struct {
        const char* pszName;
        int nAnswer;
        bool bOnDisk;
    } deletes[] = {{"notes.txt", IDNO, true}, {"page.html", IDYES, false}};
    for (const auto& d : deletes) {
        SCOPED_TRACE(d.pszName);
        CString strPath = m_folder.File(d.pszName);
        ASSERT_TRUE(Select(d.pszName));
        m_ui.Answer(d.nAnswer);
        QTest::keyClick(&View(), Qt::Key_Delete);
        ASSERT_FALSE(m_ui.m_shown.empty());
        EXPECT_EQ(m_ui.m_shown.back().strText,
                  "Do you want to physically delete the file " + strPath + " from the disk ???");
        EXPECT_EQ(m_ui.m_shown.back().nType, UINT(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2));
        EXPECT_FALSE(project.HasFile(strPath));
        EXPECT_EQ(Item(d.pszName), nullptr);
        EXPECT_EQ(Exists(strPath), d.bOnDisk);
    }

    // Renaming to a file that exists is refused and the label stays.
    WriteSource("Taken.java", "class Taken {}\n");
    QTreeWidgetItem* pMain = Item("Main.java");
    ASSERT_NE(pMain, nullptr);
    ASSERT_TRUE(EditLabel(View(), pMain, "Taken.java"));
    EXPECT_EQ(m_ui.m_shown.back().strText, "File " + m_folder.File("Taken.java") + " exists. Cannot rename.");
    EXPECT_EQ(Item("Main.java"), pMain);
    EXPECT_TRUE(project.HasFile(m_strMain));
    // A free name renames the file on the disk and in the project.
    ASSERT_TRUE(EditLabel(View(), pMain, "Start.java"));
    EXPECT_TRUE(Exists(m_folder.File("Start.java")));
    EXPECT_FALSE(Exists(m_strMain));
    EXPECT_TRUE(project.HasFile(m_folder.File("Start.java")));
    ASSERT_NE(Item("Start.java"), nullptr);

    // The main class twice: set, then cleared, and the picture follows.
    ASSERT_TRUE(Select("Start.java"));
    ASSERT_TRUE(View().OnCommand(ID_PROJECT_MAIN_CLASS));
    EXPECT_EQ(project.m_strMainClass, "Start.java");
    EXPECT_EQ(CProjectView::ImageOf(Item("Start.java")), PROJIMG_JAVA_MAIN);
    ASSERT_TRUE(Select("Start.java"));
    ASSERT_TRUE(View().OnCommand(ID_PROJECT_MAIN_CLASS));
    EXPECT_EQ(project.m_strMainClass, "");
    EXPECT_EQ(CProjectView::ImageOf(Item("Start.java")), PROJIMG_JAVA);
    EXPECT_TRUE(project.IsModified());
}

TEST_F(ProjectViewTest, AddFolderStartsEditingItsLabel)
{
    StartWithProject();
    Frame().show();
    ASSERT_TRUE(Select("Demo"));
    ASSERT_TRUE(View().OnCommand(ID_PROJECT_ADD_FOLDER));
    QTreeWidgetItem* pFolder = View().currentItem();
    ASSERT_NE(pFolder, nullptr);
    EXPECT_EQ(pFolder->text(0), "Folder");
    QLineEdit* pEditor = nullptr;
    for (QLineEdit* pEdit : View().viewport()->findChildren<QLineEdit*>())
        if (pEdit->isVisible())
            pEditor = pEdit;
    ASSERT_NE(pEditor, nullptr);
    EXPECT_EQ(pEditor->text(), "Folder");
    pEditor->selectAll();
    QTest::keyClicks(pEditor, "Tests");
    QTest::keyClick(pEditor, Qt::Key_Return);
    QApplication::processEvents();
    CTreeItem* pNode = View().NodeOf(pFolder);
    ASSERT_NE(pNode, nullptr);
    EXPECT_EQ(pNode->m_strLabel, "Tests");
    EXPECT_EQ(pFolder->text(0), "Tests");
    // An empty label is refused: the folder keeps its name.
    pFolder->setText(0, QString());
    EXPECT_EQ(pNode->m_strLabel, "Tests");
    EXPECT_EQ(pFolder->text(0), "Tests");
}

TEST_F(ProjectViewTest, AlphabeticalOrderSortsOnlyWhatIsShown)
{
    StartWithProject();
    CString strBefore = FileListText(Doc().GetProject());
    ASSERT_TRUE(Select("Demo"));
    ASSERT_TRUE(View().OnCommand(ID_PROJECT_ALPHABETICAL));
    QTreeWidgetItem* pProject = Item("Demo");
    QStringList shown;
    for (int i = 0; i < pProject->childCount(); ++i)
        shown << pProject->child(i)->text(0);
    EXPECT_EQ(shown, QStringList({"Lib", "Main.java", "notes.txt", "page.html"}));
    EXPECT_EQ(FileListText(Doc().GetProject()), strBefore);
    // A file added later lands in its sorted place.
    CString strAlpha = WriteSource("Alpha.java", "class Alpha {}\n");
    ASSERT_TRUE(Doc().GetProject().AddFile(strAlpha));
    EXPECT_EQ(Item("Demo")->child(0)->text(0), "Alpha.java");
}

TEST_F(ProjectViewTest, ClassNodesJumpToTheirLines)
{
    StartWithProject();
    struct {
        const char* pszItem;
        UINT nID;
        int nLine;
    } jumps[] = {
        {"Main", 48001, 3},     // the class
        {"Main", 49001, 7},     // its first method by name: helper()
        {"Main", 49002, 4},     // main()
        {"Shape", 48001, 11},   // the interface
    };
    for (const auto& j : jumps) {
        SCOPED_TRACE(j.nID);
        ASSERT_TRUE(Select(j.pszItem));
        ASSERT_TRUE(View().OnCommand(j.nID));
        CDocumentWindow* pWindow = Frame().GetActiveSourceFrame();
        ASSERT_NE(pWindow, nullptr);
        EXPECT_EQ(CDocumentWindows::GetPath(pWindow), m_strMain);
        EXPECT_EQ(CDocumentWindows::GetView(pWindow).GetCaretLine(), j.nLine);
    }
    // A double click on a file opens it; on a class it jumps.
    ASSERT_TRUE(View().OpenItem(Item("Helper.java")));
    EXPECT_EQ(CDocumentWindows::GetPath(Frame().GetActiveSourceFrame()), m_strHelper);
    // The class gone from the file: the node says so.
    WriteSource("Main.java", "class Other {}\n");
    ASSERT_TRUE(Select("Shape"));
    Doc().GetProject().FindFileItem(m_strMain)->SetFileObject(nullptr);
    EXPECT_FALSE(View().OnCommand(48001));
    EXPECT_EQ(m_ui.m_shown.back().strText, "Class not found in the file !!!");
}

TEST_F(ProjectViewTest, ClassItemsAreDraggedAsProjectClassTokens)
{
    StartWithProject();
    std::unique_ptr<CDragToken> pToken;
    std::unique_ptr<QMimeData> pData(View().CreateDragData(Item("Main"), pToken));
    ASSERT_NE(pData, nullptr);
    ASSERT_NE(pToken, nullptr);
    QByteArray text = pData->text().toUtf8();
    EXPECT_TRUE(text.startsWith("MOSKPROJCLASS"));
    // The receiver turns the text back into the token and the project's own class.
    EXPECT_EQ(CDragToken::FromText(text.constData()), pToken.get());
    EXPECT_EQ(pToken->GetKind(), CDragToken::DRAG_PROJCLASS);
    CFileObject* pObject = Doc().GetProject().FindFileItem(m_strMain)->GetFileObject();
    EXPECT_EQ(pToken->GetObject(), pObject->FindClass("Main"));
    // Files and groups are not dragged.
    for (const char* pszItem : {"Main.java", "Classes", "Demo"}) {
        std::unique_ptr<CDragToken> pNone;
        EXPECT_EQ(View().CreateDragData(Item(pszItem), pNone), nullptr) << pszItem;
    }
    pToken.reset();
    EXPECT_EQ(CDragToken::FromText(text.constData()), nullptr);
}

TEST_F(ProjectViewTest, ADoubleClickOnAResourceGoesToTheGuiBuildersStart)
{
    StartWithProject();
    CString strResource = WriteSource("Form.res", "Begin Dialog Form\nEnd\n");
    ASSERT_TRUE(Doc().GetProject().AddFile(strResource));
    CString strOpened;
    Frame().GetProjectViewHost().SetResourceEditor([&strOpened](const char* pszPath) { strOpened = pszPath; });
    QTreeWidgetItem* pItem = Item("Form.res");
    ASSERT_NE(pItem, nullptr);
    EXPECT_EQ(CProjectView::ImageOf(pItem), PROJIMG_RES_DIALOG);
    ASSERT_TRUE(View().OpenItem(pItem));
    EXPECT_EQ(strOpened, strResource);
    EXPECT_EQ(Frame().GetActiveSourceFrame(), nullptr);   // no editor window for it
    // Its resource commands go to the GUI builder's handler, which the main window installs.
    EXPECT_TRUE(Frame().GetProjectViewHost().IsCommandEnabled(ID_RESOURCE_DELETE));
}
