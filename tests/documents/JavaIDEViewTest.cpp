// The source view: read-only files and the checkout command, resource
// files, bookmarks, breakpoints of a real project, lines kept in step with
// edits, compile and documentation runs, replace-all counts, drops of
// browser tokens and the context menu.
#include "JavaIDEView.h"

#include "DocumentCommands.h"
#include "DragToken.h"
#include "FileObject.h"
#include "KeyState.h"
#include "ProjectDoc.h"
#include "RecordingViewHost.h"
#include "ScriptedUserInterface.h"
#include "TempFolder.h"
#include "VarClass.h"
#include "VarMethod.h"
#include "VirtualKey.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class JavaIDEViewTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CTinctoView::Init(RGB(255, 255, 255), 100); }
    void TearDown() override { CKeyState::SetModifiers(FALSE, FALSE, FALSE); }

    // Presses a key with the given modifiers, the way the editor widget sends it.
    static void Press(CJavaIDEView& view, int nKey, BOOL bShift = FALSE, BOOL bControl = FALSE)
    {
        CKeyState::SetModifiers(bShift, bControl, FALSE);
        view.SendMessage(WM_KEYDOWN, nKey, 0);
        view.SendMessage(WM_KEYUP, nKey, 0);
        CKeyState::SetModifiers(FALSE, FALSE, FALSE);
    }

    CTempFolder m_folder;
    CScriptedUserInterface m_ui;
    CRecordingViewHost m_host;
};

TEST_F(JavaIDEViewTest, TypingIntoAReadOnlyFileAsksAndDropsTheCharacter)
{
    const char* pszCheckout = "This file is read only. Please select YES to run the Checkout command otherwise select NO";
    const char* pszWritable = "This file is read only. Please select YES to make it read write otherwise select NO";
    struct Case {
        const char* pszName;
        BOOL bCheckout;
        int nAnswer;
        const char* pszAsked;      // null: no question
        int nCheckouts;
        BOOL bReadOnlyAfter;
        const char* pszText;       // after the posted messages were delivered
    } cases[] = {
        {"Checkout yes.java", TRUE, IDYES, pszCheckout, 1, TRUE, "class A {}"},
        {"Checkout no.java", TRUE, IDNO, pszCheckout, 0, TRUE, "class A {}"},
        {"Writable yes.java", FALSE, IDYES, pszWritable, 0, FALSE, "xclass A {}"},
        {"Writable no.java", FALSE, IDNO, pszWritable, 0, TRUE, "class A {}"},
        {"Dialog.res", FALSE, IDYES, nullptr, 0, TRUE, "class A {}"},
        {"Writable.res", TRUE, IDYES, nullptr, 0, TRUE, "class A {}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        CString strPath = m_folder.Write(c.pszName, "class A {}");
        // A resource file is read-only even when the disk would allow writing.
        if (CString(c.pszName).Right(4) != ".res" || !c.bCheckout)
            chmod(strPath, 0444);
        m_host.m_bCheckout = c.bCheckout;
        m_host.m_checkouts.clear();
        m_ui.m_shown.clear();
        CDocViewPair pair(&m_host);
        ASSERT_TRUE(pair.Open(strPath));
        ASSERT_TRUE(pair.view.GetReadOnly());
        m_ui.Answer(c.nAnswer);
        pair.Type("x");
        pair.view.DeliverPostedMessages();
        if (c.pszAsked) {
            ASSERT_EQ(m_ui.m_shown.size(), 1u);
            EXPECT_EQ(m_ui.m_shown[0].strText, c.pszAsked);
            EXPECT_EQ(m_ui.m_shown[0].nType, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
        } else {
            EXPECT_TRUE(m_ui.m_shown.empty());
        }
        ASSERT_EQ(static_cast<int>(m_host.m_checkouts.size()), c.nCheckouts);
        if (c.nCheckouts) {
            EXPECT_EQ(m_host.m_checkouts[0], strPath);
        }
        EXPECT_EQ(pair.view.GetReadOnly(), c.bReadOnlyAfter);
        EXPECT_EQ(pair.Text(), c.pszText);
        EXPECT_EQ(pair.doc.IsModified(), !c.bReadOnlyAfter);
        EXPECT_EQ(pair.view.IsResourceFile(), CString(c.pszName).Right(4) == ".res");
    }
}

TEST_F(JavaIDEViewTest, BookmarksToggleAndNextWrapsAround)
{
    CDocViewPair pair(&m_host);
    ASSERT_TRUE(pair.Open(m_folder.Write("B.java", "a\nb\nc\nd\ne\nf\n")));
    for (int nLine : {5, 2, 4, 4}) {
        pair.CaretToLine(nLine);
        Press(pair.view, CVirtualKey::VK_F1 + 1, FALSE, TRUE);   // Ctrl+F2
    }
    EXPECT_EQ(pair.view.GetBookmarks(), (std::vector<int>{2, 5}));
    struct Case {
        int nFrom, nTo;
    } cases[] = {{1, 2}, {2, 5}, {3, 5}, {5, 2}, {6, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nFrom);
        pair.CaretToLine(c.nFrom);
        Press(pair.view, CVirtualKey::VK_F1 + 1, TRUE, FALSE);   // Shift+F2
        EXPECT_EQ(pair.view.GetCaretLine(), c.nTo);
        EXPECT_EQ(m_host.m_nLine, c.nTo);
        EXPECT_EQ(pair.view.GetMarkedLine(), -1);   // going to a bookmark marks nothing
    }
    EXPECT_TRUE(pair.view.IsCommandEnabled(ID_VIEW_NEXT_BOOKMARK));
    EXPECT_EQ(pair.view.GetLineGlyphs(2), CJavaIDEView::GLYPH_BOOKMARK);
    EXPECT_EQ(pair.view.GetLineGlyphs(3), 0);
}

TEST_F(JavaIDEViewTest, LinesKeepTheirMarksWhenLinesComeAndGo)
{
    CProjectDoc projects;
    ASSERT_TRUE(projects.OpenProject(m_folder.File("P.mosk"), TRUE));
    m_host.m_pProjectDoc = &projects;
    CString strPath = m_folder.Write("L.java", "l1\nl2\nl3\nl4\nl5\nl6\nl7\n");
    CDocViewPair pair(&m_host);
    ASSERT_TRUE(pair.Open(strPath));
    CProject& project = projects.GetProject();
    auto setUp = [&] {
        ASSERT_TRUE(pair.doc.Reload());
        while (!pair.view.GetBookmarks().empty()) {
            pair.CaretToLine(pair.view.GetBookmarks()[0]);
            pair.view.ToggleBookmark();
        }
        project.RemoveAllBreakpoints(strPath);
        for (int nLine : {2, 5}) {
            pair.CaretToLine(nLine);
            pair.view.ToggleBookmark();
        }
        project.AddBreakpoint(strPath, "L", 6);
        pair.view.GotoLine(5, 1);
    };
    auto state = [&] {
        CString str, strLine;
        for (int nLine = 1; nLine <= pair.view.GetCtrl().GetLineCount(); ++nLine) {
            if (int nGlyphs = pair.view.GetLineGlyphs(nLine)) {
                strLine.Format("%d:%d ", nLine, nGlyphs);
                str += strLine;
            }
        }
        return str;
    };
    // 1 bookmark, 2 breakpoint, 8 marked line.
    struct Case {
        const char* pszEdit;
        const char* pszState;
    } cases[] = {
        {"none", "2:1 5:9 6:2 "},
        {"enter at the start of line 3", "2:1 6:9 7:2 "},
        {"backspace at the start of line 3", "2:1 4:9 5:2 "},
        {"delete at the end of line 1", "1:1 4:9 5:2 "},
        {"cut lines 3 and 4", "2:1 3:9 4:2 "},
        {"cut from line 1 to 3", "3:9 4:2 "},
        {"paste two lines at the start of line 2", "4:1 7:9 8:2 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszEdit);
        setUp();
        CString strEdit(c.pszEdit);
        CRichEditCtrl& ctrl = pair.view.GetCtrl();
        if (strEdit.Find("enter") == 0) {
            pair.CaretToLine(3);
            pair.Type("\r");
        } else if (strEdit.Find("backspace") == 0) {
            pair.CaretToLine(3);
            pair.Key(VK_BACK);
        } else if (strEdit.Find("delete") == 0) {
            ctrl.SetSel(2, 2);
            pair.Key(VK_DELETE);
        } else if (strEdit == "cut lines 3 and 4") {
            ctrl.SetSel(ctrl.LineIndex(2), ctrl.LineIndex(4));
            pair.view.SendMessage(WM_CUT, 0, 0);
        } else if (strEdit.Find("cut from") == 0) {
            ctrl.SetSel(1, ctrl.LineIndex(2) + 1);
            pair.view.SendMessage(WM_CUT, 0, 0);
        } else if (strEdit.Find("paste") == 0) {
            m_ui.SetClipboardText("n1\nn2\n");
            pair.CaretToLine(2);
            pair.view.SendMessage(WM_PASTE, 0, 0);
        }
        EXPECT_EQ(state(), c.pszState) << pair.Text().c_str();
    }
    EXPECT_TRUE(project.IsModified());
}

TEST_F(JavaIDEViewTest, F9SetsBreakpointsInTheOpenProjectByClass)
{
    CString strSource = m_folder.Write("Outer.java",
                                       "package demo.app;\n"       // 1
                                       "public class Outer {\n"    // 2
                                       "    void f() {\n"          // 3
                                       "        int a = 1;\n"      // 4
                                       "    }\n"                   // 5
                                       "    class Inner {\n"       // 6
                                       "        int b = 2;\n"      // 7
                                       "    }\n"                   // 8
                                       "}\n"                       // 9
                                       "\n");                      // 10
    {
        CProjectDoc maker;
        ASSERT_TRUE(maker.OpenProject(m_folder.File("Demo.mosk"), TRUE));
        ASSERT_TRUE(maker.GetProject().AddFile(strSource));
        ASSERT_TRUE(maker.GetProject().Save());
    }
    CProjectDoc projects;
    ASSERT_TRUE(projects.OpenProject(m_folder.File("Demo.mosk"), FALSE));
    m_host.m_pProjectDoc = &projects;
    CDocViewPair pair(&m_host);
    ASSERT_TRUE(pair.Open(strSource));
    struct Case {
        int nLine;
        const char* pszBreakpoints;
    } cases[] = {
        {4, " demo.app.Outer:4"},
        {7, " demo.app.Outer:4 demo.app.Outer$Inner:7"},
        {4, " demo.app.Outer$Inner:7"},
        {10, " demo.app.Outer$Inner:7"},   // outside every class: nothing to stop in
    };
    int nChanges = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nLine);
        pair.CaretToLine(c.nLine);
        Press(pair.view, CVirtualKey::VK_F1 + 8);
        if (c.nLine != 10)
            ++nChanges;
        CString strDump = pair.view.Dump();
        int nAt = strDump.Find("breakpoints:");
        EXPECT_EQ(strDump.Mid(nAt + 12), CString(c.pszBreakpoints) + "\n");
    }
    EXPECT_EQ(m_host.m_nBreakpointsChanged, nChanges);
    EXPECT_EQ(pair.view.GetLineGlyphs(7), CJavaIDEView::GLYPH_BREAKPOINT);
    EXPECT_EQ(m_ui.m_nBeeps, 1);
    // Without an open project there is nowhere to keep them.
    m_host.m_pProjectDoc = nullptr;
    EXPECT_FALSE(pair.view.IsCommandEnabled(ID_VIEW_BREAKPOINT));
}

TEST_F(JavaIDEViewTest, CompileAndJavadocSaveFirstAndFollowTheEnablingRule)
{
    struct Case {
        const char* pszName;
        BOOL bBusy;
        BOOL bEnabled;
    } cases[] = {
        {"Run.java", FALSE, TRUE}, {"Run.JAVA", FALSE, TRUE}, {"Run.java", TRUE, FALSE},
        {"page.html", FALSE, FALSE}, {"Run.jav", FALSE, FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        CString strPath = m_folder.Write(c.pszName, "class Run {}\n");
        m_host.m_bBusy = c.bBusy;
        m_host.m_runs.clear();
        CDocViewPair pair(&m_host);
        ASSERT_TRUE(pair.Open(strPath));
        pair.Type("x");
        pair.view.GotoLine(1, 1);
        m_host.m_strOutput = "old output";
        for (UINT nId : {ID_VIEW_COMPILE, ID_VIEW_JAVADOC}) {
            EXPECT_EQ(pair.view.IsCommandEnabled(nId), c.bEnabled);
            EXPECT_EQ(pair.view.OnCommand(nId), c.bEnabled);
        }
        if (!c.bEnabled) {
            EXPECT_TRUE(m_host.m_runs.empty());
            EXPECT_TRUE(pair.doc.IsModified());
            continue;
        }
        EXPECT_EQ(m_host.m_runs, (std::vector<CString>{"compile " + strPath, "javadoc " + strPath}));
        EXPECT_EQ(ReadWholeFile(strPath), "xclass Run {}\n");
        EXPECT_FALSE(pair.doc.IsModified());
        EXPECT_EQ(m_host.m_strOutput, "");
        EXPECT_EQ(pair.view.GetMarkedLine(), -1);
    }
}

TEST_F(JavaIDEViewTest, HooksReachTheHost)
{
    CDocViewPair pair(&m_host);
    ASSERT_TRUE(pair.Open(m_folder.Write("H.java", "int a; int a; int a;\n\tb\n")));
    pair.CaretToLine(2);
    Press(pair.view, VK_END);
    EXPECT_EQ(m_host.m_nLine, 2);
    EXPECT_EQ(m_host.m_nColumn, 4);   // after a tab of two ("Tabsize" 8) and "b"
    Press(pair.view, VK_INSERT);
    Press(pair.view, VK_INSERT);
    EXPECT_EQ(m_host.m_insertModes, (std::vector<BOOL>{FALSE, TRUE}));
    Press(pair.view, VK_TAB, FALSE, TRUE);
    EXPECT_EQ(m_host.m_nNextDocument, 1);
    Press(pair.view, VK_ESCAPE);
    EXPECT_EQ(m_host.m_nPanesHidden, 1);

    m_host.m_strOutput = "old";
    EXPECT_EQ(pair.view.OnReplaceAll("int", "long", TRUE, TRUE), 3);
    EXPECT_EQ(m_host.m_strOutput, "3 instances replaced...\n");
    EXPECT_EQ(pair.Text(), "long a; long a; long a;\r\n\tb\r\n");
    EXPECT_TRUE(pair.doc.IsModified());
}

TEST_F(JavaIDEViewTest, BrowserTokensAreTakenOnlyFromABrowserDrag)
{
    CDocViewPair pair(&m_host);
    ASSERT_TRUE(pair.Open(m_folder.Write("D.java", "class D {\n    int x;\n}\n\n")));
    CVarMethod method("run", 1);
    CVarClass dropped("Base", 1);
    CDragToken methodToken(CDragToken::DRAG_METHOD, &method);
    CDragToken classToken(CDragToken::DRAG_CLASS, &dropped);
    struct Case {
        const char* pszName;
        CString strText;
        BOOL bBrowser;
        int nLine;
        BOOL bTaken;
        const char* pszClassAtLine;   // null: the host hears nothing
    } cases[] = {
        {"method inside the class", methodToken.GetText(), TRUE, 2, TRUE, "D"},
        {"method outside every class", methodToken.GetText(), TRUE, 4, TRUE, nullptr},
        {"class anywhere", classToken.GetText(), TRUE, 4, TRUE, "(none)"},
        {"not from a browser", methodToken.GetText(), FALSE, 2, FALSE, nullptr},
        {"plain text", "MOSKMETHODx", TRUE, 2, FALSE, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        m_host.m_bBrowserDrag = c.bBrowser;
        m_host.m_drops.clear();
        EXPECT_EQ(pair.view.QueryAcceptData(c.strText, TRUE, c.nLine), c.bTaken);
        EXPECT_FALSE(pair.view.QueryAcceptData(c.strText, FALSE, c.nLine));
        if (!c.pszClassAtLine) {
            EXPECT_TRUE(m_host.m_drops.empty());
            continue;
        }
        ASSERT_EQ(m_host.m_drops.size(), 1u);
        EXPECT_EQ(m_host.m_drops[0].nLine, c.nLine);
        EXPECT_EQ(m_host.m_drops[0].strClass, c.pszClassAtLine);
    }
    // A dropped text that is no token is inserted as usual.
    m_host.m_bBrowserDrag = TRUE;
    EXPECT_TRUE(pair.view.DropText(0, "// ", TRUE));
    EXPECT_EQ(pair.Text().Left(6), "// cla");
}

TEST_F(JavaIDEViewTest, ContextMenuOffersTheStandardPopupAndFindsTheClass)
{
    CDocViewPair pair(&m_host);
    ASSERT_TRUE(pair.Open(m_folder.Write("M.java", "class M {\n    int count;\n}\n")));
    pair.view.GetCtrl().SetSel(21, 21);   // inside "count"
    std::vector<CViewMenuItem> items = pair.view.GetContextMenu(pair.view.GetCtrl().LineIndex(1));
    CString strTexts;
    for (const CViewMenuItem& item : items)
        strTexts += (item.nId ? item.strText : CString("-")) + "|";
    EXPECT_EQ(strTexts, "&Compile|&Run|Book&Mark|&BreakPoint|-|&Undo|-|Cu&t|&Copy|&Paste|&Delete|-|Select &All|-|"
                        "&Look Up count|&Find count|");
    ASSERT_NE(pair.view.GetObjectAtCursor(), nullptr);
    EXPECT_EQ(pair.view.GetObjectAtCursor()->GetName(), "M");
    pair.view.GetContextMenu(pair.view.GetCtrl().GetTextLength());
    EXPECT_EQ(pair.view.GetObjectAtCursor(), nullptr);

    EXPECT_TRUE(pair.view.OnCommand(ID_VIEW_LOOKUP_WORD));
    EXPECT_TRUE(pair.view.OnCommand(ID_VIEW_FIND_WORD));   // no window: the host's find dialog
    EXPECT_EQ(pair.view.GetCtrl().GetSelText(), "count");
    EXPECT_EQ(m_host.m_words, (std::vector<CString>{"look up count", "find count"}));
    EXPECT_FALSE(pair.view.IsCommandEnabled(ID_FILE_PRINT));
    EXPECT_FALSE(pair.view.OnCommand(ID_BUILD_RUN));   // the main window's
}

}  // namespace
