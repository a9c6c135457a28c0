// The help windows in the running main window: "Mosk Help" shows a page,
// follows its links through the address checks, Next and Previous, the
// history; the help search dialog finds a keyword of the system index and
// opens its single topic at once.
#include "FrameFixture.h"

#include "HTMLView.h"
#include "HelpHistory.h"
#include "HelpSearchDlg.h"
#include "IndexBytes.h"
#include "JavaIDEApp.h"
#include "MainFrame.h"
#include "MainFrameCommands.h"
#include "QtHTMLClient.h"
#include "SearchIndex.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class HelpWindowTest : public FrameTest {};

TEST_F(HelpWindowTest, ShowsPagesAndFollowsLinks)
{
    ASSERT_TRUE(Start());
    CMainFrameCommands& commands = Frame().GetCommands();
    EXPECT_FALSE(commands.IsEnabled(32917));
    CString strFirst = WriteSource("first.html", "<h1>First</h1><p><a href=\"second.html#part\">on</a> "
                                                 "<a href=\"gone.html\">gone</a> <b><a href=\"first.html\">me</a></b>");
    CString strSecond = WriteSource("second.html", "<h2 id=\"part\">Second</h2><a href=\"first.html\">back</a>");
    CHTMLView* pView = commands.OpenHelpWindow(FALSE);
    ASSERT_NE(nullptr, pView);
    EXPECT_EQ(QStringLiteral("Mosk Help"), commands.GetHelpFrame()->windowTitle());
    EXPECT_TRUE(commands.IsEnabled(32917));
    CHelpHistory::Shared().RemoveAll();

    ASSERT_TRUE(pView->ShowAddress("file:" + strFirst));
    EXPECT_EQ(QStringLiteral("first.html"), commands.GetHelpFrame()->windowTitle());
    EXPECT_EQ((QStringList{"second.html#part", "gone.html", "first.html"}), pView->GetClient()->GetLinks());

    // A followed link goes through the same checks.
    emit pView->GetClient()->anchorClicked(QUrl("second.html#part"));
    EXPECT_EQ(QStringLiteral("second.html"), commands.GetHelpFrame()->windowTitle());
    EXPECT_EQ(strSecond + "#part", CHelpHistory::Shared().GetEntries().GetHead());
    emit pView->GetClient()->anchorClicked(QUrl("gone.html"));
    ASSERT_EQ(1u, m_ui.m_shown.size());
    EXPECT_EQ("File " + m_folder.File("gone.html") +
                  " not found. Please make sure Java document direcory is set properly under Options/Directory !",
              m_ui.m_shown[0].strText);
    EXPECT_EQ(2, CHelpHistory::Shared().GetCount());

    ASSERT_TRUE(commands.Execute(32918));  // Previous
    EXPECT_EQ(QStringLiteral("first.html"), commands.GetHelpFrame()->windowTitle());
    ASSERT_TRUE(commands.Execute(32917));  // Next
    EXPECT_EQ(QStringLiteral("second.html"), commands.GetHelpFrame()->windowTitle());

    // The side window is another one.
    CHTMLView* pTemp = commands.OpenHelpWindow(TRUE);
    EXPECT_NE(pView, pTemp);
    EXPECT_EQ(pTemp, commands.GetHelpView(TRUE));
    EXPECT_EQ(pView, commands.OpenHelpWindow(FALSE));
    EXPECT_TRUE(Close());
}

TEST_F(HelpWindowTest, SearchDialogOpensASingleTopic)
{
    CString strPage = WriteSource("Thing.html", "<p>thing");
    std::string strFolder = m_folder.Path().str();
    std::string bytes = RawIndex(2, CRawEntry{0, strPage.str(), 0, "", "Thing"},
                                 CRawEntry{0, strFolder + "/Two.html", 0, "", "Twofold"});
    m_settings.Write("data/mosk.ipg", bytes);
    ASSERT_TRUE(Start());
    CMainFrameCommands& commands = Frame().GetCommands();
    ASSERT_TRUE(commands.Execute(32913));
    CHelpSearchDlg* pDialog = commands.GetHelpSearchDialog();
    ASSERT_TRUE(pDialog->isVisible());
    ASSERT_EQ(2, pDialog->GetKeywordList(0)->count());
    EXPECT_EQ(0, pDialog->GetKeywordList(1)->count());
    QTest::keyClicks(pDialog->GetTextField(), "th");
    EXPECT_EQ(0, pDialog->GetKeywordList(0)->currentRow());
    EXPECT_FALSE(pDialog->isVisible());
    CHTMLView* pView = commands.GetHelpView(FALSE);
    ASSERT_NE(nullptr, pView);
    EXPECT_EQ(QStringLiteral("Thing.html"), commands.GetHelpFrame()->windowTitle());
    // A missing document: the message, and the dialog comes back.
    pDialog->ShowSearch();
    pDialog->GetTextField()->clear();
    QTest::keyClicks(pDialog->GetTextField(), "tw");
    EXPECT_TRUE(pDialog->isVisible());
    ASSERT_EQ(1u, m_ui.m_shown.size());
    EXPECT_TRUE(Close());
}

} // namespace
