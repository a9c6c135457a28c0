// The Help page in the running main window: the last page of the project
// window, read from "mosk.hpg" at start-up, the Info menu's commands, and a
// document opened from the tree in the "Mosk Help" window.
#include "FrameFixture.h"

#include "Archive.h"
#include "HTMLItem.h"
#include "HelpDoc.h"
#include "HelpView.h"
#include "MainFrame.h"
#include "MainFrameCommands.h"
#include "MainFrameHelpTree.h"
#include "StringArray.h"
#include "TreeFolder.h"

#include <QMdiSubWindow>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class HelpTreePageTest : public FrameTest {};

TEST_F(HelpTreePageTest, TheTreeOfTheDataFolderIsTheLastPageAndOpensItsDocuments)
{
    CString strPage = WriteSource("guide.html", "<h1>Guide</h1>");
    // A tree written by the program before: one document in a folder.
    CStringArray noDirs;
    CHelpDoc written(noDirs);
    auto* pFolder = new CTreeFolder("Guides");
    written.GetRoot()->AddChild(pFolder, FALSE);
    pFolder->AddChild(new CHTMLItem(0, strPage), FALSE);
    CArchive ar;
    written.Store(ar);
    m_settings.Write("data/mosk.hpg", ar.GetData());
    ASSERT_TRUE(Start());

    QTabWidget* pTabs = Frame().GetProjectWindow();
    ASSERT_GE(pTabs->count(), 2);
    EXPECT_EQ(QStringLiteral("Help"), pTabs->tabText(pTabs->count() - 1));
    CHelpView* pView = Frame().GetHelpTree().GetHelpView();
    EXPECT_EQ(pView, pTabs->widget(pTabs->count() - 1));
    CHelpDoc& doc = Frame().GetHelpTree().GetHelpDoc();
    EXPECT_EQ(written.Dump(), doc.Dump());

    // Info > Add Folder on the root; the page comes forward.
    pTabs->setCurrentIndex(0);
    pView->setCurrentItem(pView->ItemOf(doc.GetRoot()));
    CMainFrameCommands& commands = Frame().GetCommands();
    ASSERT_TRUE(commands.Execute(32909));
    EXPECT_EQ(pView, pTabs->currentWidget());
    EXPECT_EQ("Folder Help\n  Folder Guides\n    HTML 0 " + strPage + "\n  Folder New Folder\n", doc.Dump());
    EXPECT_EQ(m_settings.File("data/mosk.hpg"), doc.GetPathName());

    // A double click on the document shows it in "Mosk Help".
    QTreeWidgetItem* pFolderItem = pView->ItemOf(doc.GetRoot()->GetChild(0));
    ASSERT_NE(nullptr, pFolderItem);
    pFolderItem->setExpanded(true);
    QTreeWidgetItem* pItem = pFolderItem->child(0);
    ASSERT_NE(nullptr, pItem);
    pView->scrollToItem(pItem);
    QCoreApplication::processEvents();   // the items are laid out
    QPoint at = pView->visualItemRect(pItem).center();
    QTest::mouseClick(pView->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(pView->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    ASSERT_NE(nullptr, commands.GetHelpFrame());
    EXPECT_EQ(QStringLiteral("guide.html"), commands.GetHelpFrame()->windowTitle());
    EXPECT_TRUE(m_ui.m_shown.empty());

    // Delete from the Info menu, answered Yes.
    pView->setCurrentItem(pView->ItemOf(doc.GetRoot()->GetChild(1)));
    m_ui.Answer(IDYES);
    ASSERT_TRUE(commands.Execute(32772));
    EXPECT_EQ("Folder Help\n  Folder Guides\n    HTML 0 " + strPage + "\n", doc.Dump());
    EXPECT_TRUE(Close());
}

} // namespace
