// Find in Files in the running main window: the dialog's buttons, the
// Search Results window (title, text, Escape, double click, Alt+4), and a
// new window after the first one was closed.
#include "FrameFixture.h"

#include "ChildFrame.h"
#include "DocumentWindows.h"
#include "FindInFilesDlg.h"
#include "JavaIDEView.h"
#include "MainFrame.h"
#include "MainFrameCommands.h"
#include "RichEditCtrl.h"
#include "SearchView.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace {

class FindInFilesTest : public FrameTest {};

TEST_F(FindInFilesTest, OkNeedsATextAndAFile)
{
    CStringArray projectFiles;
    projectFiles.Add(WriteSource("A.java", "class A {}\n"));
    projectFiles.Add(WriteSource("page.html", "<p>"));
    projectFiles.Add(WriteSource("B.JAVA", "class B {}\n"));
    CFindInFilesDlg dialog(projectFiles, TRUE, "Java Files (*.java)|*.java||");
    EXPECT_FALSE(dialog.GetOkButton()->isEnabled());
    QTest::keyClicks(dialog.GetTextField(), "class");
    EXPECT_FALSE(dialog.GetOkButton()->isEnabled());
    QTest::mouseClick(dialog.GetProjectButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.GetOkButton()->isEnabled());
    // Only the Java files come, once each.
    QTest::mouseClick(dialog.GetProjectButton(), Qt::LeftButton);
    CStringArray files = dialog.GetFiles();
    ASSERT_EQ(2, files.GetSize());
    EXPECT_EQ(projectFiles[0], files[0]);
    EXPECT_EQ(projectFiles[2], files[1]);
    // Add Files takes existing files not yet listed.
    m_ui.AnswerFiles({projectFiles[1], projectFiles[0], m_folder.File("missing.java")});
    dialog.OnAddFiles();
    ASSERT_EQ(1u, m_ui.m_fileDialogs.size());
    EXPECT_EQ(CString("Add Files"), m_ui.m_fileDialogs[0].strTitle);
    EXPECT_EQ(CString("java"), m_ui.m_fileDialogs[0].strDefExt);
    EXPECT_EQ(3, dialog.GetList()->count());
    EXPECT_FALSE(dialog.GetRemoveButton()->isEnabled());
    dialog.GetList()->selectAll();
    EXPECT_TRUE(dialog.GetRemoveButton()->isEnabled());
    QTest::mouseClick(dialog.GetRemoveButton(), Qt::LeftButton);
    EXPECT_EQ(0, dialog.GetList()->count());
    EXPECT_FALSE(dialog.GetOkButton()->isEnabled());
    dialog.GetTextField()->clear();
    dialog.AddFile(projectFiles[0]);
    EXPECT_FALSE(dialog.GetOkButton()->isEnabled());

    CFindInFilesDlg closed(CStringArray(), FALSE, "");
    EXPECT_FALSE(closed.GetProjectButton()->isEnabled());
}

TEST_F(FindInFilesTest, ResultsWindowListsOpensAndComesBack)
{
    ASSERT_TRUE(Start());
    CMainFrameCommands& commands = Frame().GetCommands();
    EXPECT_FALSE(commands.IsEnabled(32960));
    CStringArray files;
    files.Add(WriteSource("Two.java", "class Two {\r\n  int foo; // FOO\r\n}\r\n"));
    files.Add(m_folder.File("Gone.java"));
    commands.SearchFiles("foo", files);
    QMdiSubWindow* pFrame = commands.GetSearchFrame();
    ASSERT_NE(nullptr, pFrame);
    EXPECT_EQ(QStringLiteral("Search Results - foo"), pFrame->windowTitle());
    CSearchView* pView = commands.GetSearchView();
    ASSERT_NE(nullptr, pView);
    QString strPath = QString::fromUtf8(files[0].c_str());
    EXPECT_EQ(QStringLiteral("Wait, Searching...\n\nSearching file -") + strPath + "\n" + strPath +
                  ":2:    int foo; // FOO\n" + strPath + ":2:    int foo; // FOO\n",
              pView->toPlainText());
    EXPECT_TRUE(commands.IsEnabled(32960));

    // A double click on a result opens the file with that line selected.
    QTextBlock block = pView->document()->findBlockByNumber(3);
    QRect rect = pView->cursorRect(QTextCursor(block));
    QTest::mouseDClick(pView->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    CDocumentWindow* pWindow = Frame().GetDocumentWindows().Find(files[0]);
    ASSERT_NE(nullptr, pWindow);
    CRichEditCtrl* pCtrl = CDocumentWindows::GetView(pWindow).GetEditCtrl();
    LONG nStart = 0, nEnd = 0;
    pCtrl->GetSel(nStart, nEnd);
    EXPECT_EQ(pCtrl->LineIndex(1), nStart);
    EXPECT_EQ(pCtrl->LineIndex(1) + pCtrl->LineLength(pCtrl->LineIndex(1)), nEnd);
    EXPECT_EQ(pWindow, Frame().GetMdiArea()->activeSubWindow());

    // The header lines do nothing.
    int nWindows = Frame().GetMdiArea()->subWindowList().size();
    pView->OpenLine(0);
    pView->OpenLine(2);
    EXPECT_EQ(nWindows, Frame().GetMdiArea()->subWindowList().size());

    // Alt+4 brings the results forward; Escape maximises them, again restores.
    ASSERT_TRUE(commands.Execute(32960));
    EXPECT_EQ(pFrame, Frame().GetMdiArea()->activeSubWindow());
    QTest::keyClick(pView, Qt::Key_Escape);
    EXPECT_TRUE(pFrame->isMaximized());
    EXPECT_FALSE(Frame().IsOutputShown());
    QTest::keyClick(pView, Qt::Key_Escape);
    EXPECT_FALSE(pFrame->isMaximized());

    // A second search reuses the window; after closing it a new one is made.
    commands.SearchFiles("class", files);
    EXPECT_EQ(pFrame, commands.GetSearchFrame());
    EXPECT_EQ(QStringLiteral("Search Results - class"), pFrame->windowTitle());
    pFrame->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(nullptr, commands.GetSearchFrame());
    EXPECT_FALSE(commands.IsEnabled(32960));
    commands.SearchFiles("class", files);
    ASSERT_NE(nullptr, commands.GetSearchFrame());
    EXPECT_TRUE(m_ui.m_shown.empty());
    EXPECT_TRUE(Close());
}

} // namespace
