// The document window: its title follows typing, the margin paints the
// marked line's glyph where the line is, Ctrl+G goes to the line chosen in
// the Go To dialog, the outside-change question comes once when the focus
// comes back, the context menu and Find / Replace work on the view, and a
// modified document is not closed without asking.
#include "ChildFrame.h"

#include "DocumentCommands.h"
#include "FindReplaceDialog.h"
#include "GlyphMargin.h"
#include "GotoDialog.h"
#include "JavaIDEDoc.h"
#include "JavaIDEView.h"
#include "JavaIDEViewHost.h"
#include "RichEditCtrl.h"
#include "RichEditWidget.h"
#include "ScriptedUserInterface.h"
#include "TempFolder.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

class COutputHost : public CJavaIDEViewHost {
public:
    void ClearOutput() override { m_strOutput.Empty(); }
    void WriteOutput(const char* pszText) override { m_strOutput += pszText; }
    CString m_strOutput;
};

class ChildFrameTest : public ::testing::Test {
protected:
    CChildFrame* Open(const char* pszName, const char* pszText)
    {
        CChildFrame* pFrame = CChildFrame::OpenFile(m_folder.Write(pszName, pszText), &m_host);
        if (pFrame) {
            pFrame->show();
            QApplication::processEvents();
        }
        return pFrame;
    }
    static void Focus(QWidget* pWidget, bool bIn)
    {
        QFocusEvent event(bIn ? QEvent::FocusIn : QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(pWidget, &event);
        QApplication::processEvents();
    }

    CTempFolder m_folder;
    CScriptedUserInterface m_ui;
    COutputHost m_host;
};

TEST_F(ChildFrameTest, TitleFollowsTheDocument)
{
    std::unique_ptr<CChildFrame> pFrame(Open("T.java", "class T {}\n"));
    ASSERT_TRUE(pFrame);
    CString strPath = m_folder.File("T.java");
    EXPECT_EQ(pFrame->windowTitle(), QString::fromUtf8(strPath.c_str()));
    QTest::keyClicks(pFrame->GetEditor(), "// ");
    QApplication::processEvents();
    EXPECT_EQ(pFrame->windowTitle(), QString::fromUtf8(strPath.c_str()) + " *");
    EXPECT_EQ(pFrame->GetView()->GetCtrl().GetWindowText(), "// class T {}\r\n");
    ASSERT_TRUE(pFrame->Save());
    EXPECT_EQ(pFrame->windowTitle(), QString::fromUtf8(strPath.c_str()));
    EXPECT_EQ(ReadWholeFile(strPath), "// class T {}\n");

    // A file that cannot be opened makes no window.
    m_ui.m_shown.clear();
    EXPECT_EQ(CChildFrame::OpenFile(m_folder.File("Missing.java"), &m_host), nullptr);
    EXPECT_EQ(m_ui.m_shown.size(), 1u);
}

TEST_F(ChildFrameTest, MarginPaintsTheGlyphsOnTheirLines)
{
    std::unique_ptr<CChildFrame> pFrame(Open("G.java", "a\nb\nc\nd\ne\n"));
    ASSERT_TRUE(pFrame);
    CJavaIDEView* pView = pFrame->GetView();
    CRichEditWidget* pEditor = pFrame->GetEditor();
    pView->GotoLine(3, 1);
    LONG nLine2 = pView->GetCtrl().LineIndex(1);
    pView->GetCtrl().SetSel(nLine2, nLine2);
    pView->ToggleBookmark();
    QApplication::processEvents();
    QImage image = pFrame->GetMargin()->grab().toImage();
    int nHeight = pEditor->GetLineHeight();
    struct Case {
        int nGlyph;
        int nLine;           // 1-based
        bool bPainted;
    } cases[] = {
        {CJavaIDEView::GLYPH_MARKED, 3, true},  {CJavaIDEView::GLYPH_MARKED, 2, false},
        {CJavaIDEView::GLYPH_MARKED, 4, false}, {CJavaIDEView::GLYPH_BOOKMARK, 2, true},
        {CJavaIDEView::GLYPH_BOOKMARK, 3, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nGlyph * 100 + c.nLine);
        QRect glyph = CGlyphMargin::GlyphRect(c.nGlyph, pEditor->LineTop(c.nLine - 1), nHeight);
        QPoint at = c.nGlyph == CJavaIDEView::GLYPH_BOOKMARK ? glyph.topLeft() + QPoint(2, nHeight / 2) : glyph.center();
        ASSERT_TRUE(image.rect().contains(at));
        EXPECT_EQ(image.pixelColor(at) == CGlyphMargin::GlyphColor(c.nGlyph), c.bPainted) << at.x() << "," << at.y();
    }
    EXPECT_EQ(pEditor->LineTop(2) - pEditor->LineTop(1), nHeight);
}

TEST_F(ChildFrameTest, CtrlGGoesToTheLineChosenInTheDialog)
{
    std::unique_ptr<CChildFrame> pFrame(Open("Go.java", "1\n2\n3\n4\n5\n6\n"));
    ASSERT_TRUE(pFrame);
    int nOffered = 0;
    QTimer::singleShot(0, [&] {
        auto* pDialog = qobject_cast<CGotoDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(pDialog, nullptr);
        nOffered = pDialog->GetLine();
        pDialog->SetLine(5);
        pDialog->accept();
    });
    QTest::keyClick(pFrame->GetEditor(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(nOffered, 1);
    EXPECT_EQ(pFrame->GetView()->GetCaretLine(), 5);
    EXPECT_EQ(pFrame->GetView()->GetMarkedLine(), 5);
    // Cancelled: nothing moves.
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    QTest::keyClick(pFrame->GetEditor(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(pFrame->GetView()->GetCaretLine(), 5);
}

TEST_F(ChildFrameTest, OutsideChangeIsAskedOnceWhenTheFocusReturns)
{
    std::unique_ptr<CChildFrame> pFrame(Open("O.java", "class O {}\n"));
    ASSERT_TRUE(pFrame);
    CString strPath = m_folder.File("O.java");
    Focus(pFrame->GetEditor(), false);
    m_folder.Write("O.java", "class Other {}\n");
    timespec times[2];
    clock_gettime(CLOCK_REALTIME, &times[0]);
    times[0].tv_sec += 5;
    times[1] = times[0];
    utimensat(AT_FDCWD, strPath, times, 0);
    m_ui.Answer(IDNO);
    Focus(pFrame->GetEditor(), true);
    Focus(pFrame->GetEditor(), true);
    ASSERT_EQ(m_ui.m_shown.size(), 1u);
    EXPECT_EQ(m_ui.m_shown[0].strText,
              "File " + strPath + " has been modified from outside. Plese select Yes to reload the file !!!");
    EXPECT_EQ(pFrame->GetView()->GetCtrl().GetWindowText(), "class O {}\r\n");
}

TEST_F(ChildFrameTest, ContextMenuAndFindReplaceWorkOnTheView)
{
    std::unique_ptr<CChildFrame> pFrame(Open("C.java", "class C {\n    int a; int b; int c;\n}\n"));
    ASSERT_TRUE(pFrame);
    CJavaIDEView* pView = pFrame->GetView();
    pView->GetCtrl().SetSel(16, 16);
    std::unique_ptr<QMenu> pMenu(pFrame->CreateContextMenu(16));
    QStringList texts;
    QAction* pBookmark = nullptr;
    for (QAction* pAction : pMenu->actions()) {
        if (pAction->isSeparator())
            continue;
        texts << pAction->text() + (pAction->isEnabled() ? "" : " (off)");
        if (pAction->data().toUInt() == ID_VIEW_BOOKMARK)
            pBookmark = pAction;
    }
    EXPECT_EQ(texts.join("|"), "&Compile|&Run (off)|Book&Mark|&BreakPoint (off)|&Undo (off)|Cu&t (off)|&Copy (off)|"
                               "&Paste (off)|&Delete (off)|Select &All|&Look Up int|&Find int");
    ASSERT_NE(pBookmark, nullptr);
    EXPECT_TRUE(pFrame->ExecuteCommand(pBookmark->data().toUInt()));
    EXPECT_EQ(pView->GetBookmarks(), std::vector<int>{2});

    // Find int (the word at the caret) opens the find dialog; replace all reports its count.
    EXPECT_TRUE(pFrame->ExecuteCommand(ID_VIEW_FIND_WORD));
    CFindReplaceDialog* pFind = pFrame->GetFindDialog();
    ASSERT_NE(pFind, nullptr);
    EXPECT_EQ(pFind->GetFindEdit()->text(), "int");
    pView->GetCtrl().SetSel(0, 0);
    EXPECT_TRUE(pFind->FindNext());
    EXPECT_EQ(pView->GetCtrl().GetSelText(), "int");
    EXPECT_TRUE(pFrame->ExecuteCommand(ID_EDIT_REPLACE));
    EXPECT_TRUE(pFind->IsReplace());
    pFind->GetReplaceEdit()->setText("long");
    pView->GetCtrl().SetSel(0, 0);
    EXPECT_EQ(pFind->ReplaceAll(), 3);
    EXPECT_EQ(m_host.m_strOutput, "3 instances replaced...\n");
    EXPECT_EQ(pView->GetCtrl().GetWindowText(), "class C {\r\n    long a; long b; long c;\r\n}\r\n");
}

TEST_F(ChildFrameTest, ClosingAModifiedDocumentAsks)
{
    CChildFrame* pFrame = Open("X.java", "class X {}\n");
    ASSERT_TRUE(pFrame);
    QPointer<CChildFrame> pWatch(pFrame);
    QTest::keyClicks(pFrame->GetEditor(), "x");
    m_ui.Answer(IDCANCEL);
    EXPECT_FALSE(pFrame->close());
    ASSERT_EQ(m_ui.m_shown.size(), 1u);
    EXPECT_EQ(m_ui.m_shown[0].strText, "Save changes to " + m_folder.File("X.java") + "?");
    m_ui.Answer(IDNO);
    EXPECT_TRUE(pFrame->close());
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(pWatch.isNull());
    EXPECT_EQ(ReadWholeFile(m_folder.File("X.java")), "class X {}\n");
}

}  // namespace
