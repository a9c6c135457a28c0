// The main window opens files from disk into document windows, reports the
// ones it cannot open through the user-interface seam, and keeps a modified
// document open when the user cancels its close.
#include "MainFrame.h"

#include "QtUserInterface.h"
#include "RichEditCtrl.h"
#include "RichEditWidget.h"
#include "ScriptedUserInterface.h"
#include "ChildFrame.h"
#include "JavaIDEView.h"
#include "TempFolder.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class MainFrameTest : public ::testing::Test {
protected:
    int WindowCount() const { return static_cast<int>(m_frame.GetMdiArea()->subWindowList().size()); }

    CTempFolder m_folder;
    CScriptedUserInterface m_ui;
    CMainFrame m_frame;
};

TEST_F(MainFrameTest, OpensAFileIntoADocumentWindowOnce)
{
    CString strPath = m_folder.Write("Hello.java", "public class Hello {\n\tint x;\n}\n");
    m_frame.show();
    ASSERT_TRUE(m_frame.OpenFile(QString::fromUtf8(strPath.c_str())));
    ASSERT_EQ(WindowCount(), 1);
    CChildFrame* pFrame = m_frame.GetActiveSourceFrame();
    ASSERT_NE(pFrame, nullptr);
    EXPECT_EQ(pFrame->windowTitle(), QString::fromUtf8(strPath.c_str()));   // a file outside the working folder
    CRichEditWidget* pEditor = pFrame->GetEditor();
    ASSERT_NE(pEditor->GetEditCtrl(), nullptr);
    EXPECT_EQ(pEditor->GetEditCtrl(), &pFrame->GetView()->GetCtrl());
    EXPECT_EQ(pEditor->GetEditCtrl()->GetWindowText(), "public class Hello {\r\n\tint x;\r\n}\r\n");
    EXPECT_TRUE(m_ui.m_shown.empty());

    // The same file again brings its window forward instead of a second one.
    EXPECT_TRUE(m_frame.OpenFile(m_folder.Path().c_str() + QStringLiteral("/./Hello.java")));
    EXPECT_EQ(WindowCount(), 1);

    // Typing marks the title; a second file gets a window of its own.
    QTest::keyClicks(pEditor, "x");
    QApplication::processEvents();
    EXPECT_EQ(pFrame->windowTitle(), QString::fromUtf8(strPath.c_str()) + QStringLiteral(" *"));
    ASSERT_TRUE(m_frame.OpenFile(QString::fromUtf8(m_folder.Write("page.html", "<b>x</b>").c_str())));
    EXPECT_EQ(WindowCount(), 2);
    m_ui.Answer(IDNO);   // leave without saving
}

TEST_F(MainFrameTest, FilesThatCannotBeOpenedAreReportedAndOpenNoWindow)
{
    mkdir(m_folder.File("folder"), 0755);
    struct Case {
        const char* pszName;
        const char* pszSaid;
    } cases[] = {{"Missing.java", "Cannot find the file"}, {"folder", "is a folder"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        m_ui.m_shown.clear();
        EXPECT_FALSE(m_frame.OpenFile(QString::fromUtf8(m_folder.File(c.pszName).c_str())));
        EXPECT_EQ(WindowCount(), 0);
        ASSERT_EQ(m_ui.m_shown.size(), 1u);
        EXPECT_NE(m_ui.m_shown[0].strText.Find(c.pszSaid), -1) << m_ui.m_shown[0].strText.c_str();
        EXPECT_NE(m_ui.m_shown[0].strText.Find(m_folder.File(c.pszName)), -1);
    }
}

TEST_F(MainFrameTest, ClosingAModifiedDocumentFollowsTheAnswer)
{
    CString strPath = m_folder.Write("Edit.java", "class Edit {}\n");
    m_frame.show();
    struct Case {
        int nAnswer;
        int nWindowsLeft;
        const char* pszOnDisk;
    } cases[] = {{IDCANCEL, 1, "class Edit {}\n"}, {IDNO, 0, "class Edit {}\n"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nAnswer);
        ASSERT_TRUE(m_frame.OpenFile(QString::fromUtf8(strPath.c_str())));
        QTest::keyClicks(m_frame.GetActiveSourceFrame()->GetEditor(), "// ");
        m_ui.m_shown.clear();
        m_ui.Answer(c.nAnswer);
        m_frame.GetMdiArea()->closeActiveSubWindow();
        QApplication::processEvents();
        EXPECT_EQ(WindowCount(), c.nWindowsLeft);
        EXPECT_EQ(m_ui.m_shown.size(), 1u);
        EXPECT_EQ(ReadWholeFile(strPath), c.pszOnDisk);
    }

    // Closing the main window asks too; Yes saves and lets it close.
    ASSERT_TRUE(m_frame.OpenFile(QString::fromUtf8(strPath.c_str())));
    QTest::keyClicks(m_frame.GetActiveSourceFrame()->GetEditor(), "// ");
    m_ui.Answer(IDYES);
    EXPECT_TRUE(m_frame.close());
    EXPECT_EQ(ReadWholeFile(strPath), "// class Edit {}\n");
}

TEST_F(MainFrameTest, NewOpensAnUntitledDocumentThatTakesTyping)
{
    m_frame.show();
    CChildFrame* pFrame = m_frame.NewFile();
    ASSERT_NE(pFrame, nullptr);
    EXPECT_EQ(WindowCount(), 1);
    QString strUntitled = pFrame->windowTitle();
    EXPECT_TRUE(strUntitled.startsWith(QStringLiteral("untitled"))) << strUntitled.toStdString();
    CRichEditWidget* pEditor = pFrame->GetEditor();
    EXPECT_EQ(pEditor->GetMessageTarget(), pFrame->GetView());
    QTest::keyClicks(pEditor, "int");
    QTest::keyClick(pEditor, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(pFrame->GetView()->GetCtrl().GetWindowText(), "int\r\n");
    EXPECT_EQ(pFrame->windowTitle(), strUntitled + QStringLiteral(" *"));
    // A second untitled document is a window of its own; files opened later are not confused with it.
    m_frame.NewFile();
    EXPECT_EQ(WindowCount(), 2);
    ASSERT_TRUE(m_frame.OpenFile(QString::fromUtf8(m_folder.Write("A.java", "class A {}").c_str())));
    EXPECT_EQ(WindowCount(), 3);
}

TEST(QtUserInterface, ClipboardAndStatusBar)
{
    CQtUserInterface ui;
    CMainFrame frame;
    ui.SetMainWindow(&frame);
    struct Case {
        const char* pszIn;
        const char* pszOut;
    } cases[] = {{"a\r\nb", "a\nb"}, {"gr\xC3\xB6\xC3\x9F" "e", "gr\xC3\xB6\xC3\x9F" "e"}, {"", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszIn);
        ASSERT_TRUE(ui.SetClipboardText(c.pszIn));
        CString strText;
        ASSERT_TRUE(ui.GetClipboardText(strText));
        EXPECT_EQ(strText, c.pszOut);
    }
    ui.SetStatusText("Wait, loading...");
    EXPECT_EQ(frame.statusBar()->currentMessage(), QStringLiteral("Wait, loading..."));
    ui.SetWaitCursor(TRUE);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ui.SetWaitCursor(FALSE);
    ui.SetWaitCursor(FALSE);   // unbalanced: no effect
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
