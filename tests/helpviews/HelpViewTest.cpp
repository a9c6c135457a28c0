// The Help page on its own: the Info menu's commands with their messages,
// label editing, and opening documents and links from the tree.
#include "HTMLItem.h"
#include "HelpDoc.h"
#include "HelpView.h"
#include "RunThreads.h"
#include "ScriptedUserInterface.h"
#include "StringArray.h"
#include "TempFolder.h"
#include "TreeFolder.h"
#include "URLItem.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

class HelpViewTest : public ::testing::Test {
protected:
    HelpViewTest()
    {
        m_dirs.Add(m_temp.Path());
        m_doc.Open(m_temp.File("mosk.hpg"));
        m_pView = std::make_unique<CHelpView>(m_doc);
        m_pView->m_fnShowAddress = [this](const CString& strAddress) {
            m_shownAddresses.push_back(strAddress);
            return TRUE;
        };
        m_pView->resize(300, 400);
        m_pView->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_pView.get()));
    }

    // Selects the item of pNode, with the keyboard's focus on the view.
    QTreeWidgetItem* Select(const CTreeItem* pNode)
    {
        QTreeWidgetItem* pItem = m_pView->ItemOf(pNode);
        EXPECT_NE(nullptr, pItem);
        m_pView->setCurrentItem(pItem);
        m_pView->setFocus();
        return pItem;
    }

    // Types into the open label editor and ends with Enter.
    void TypeLabel(const char* pszText)
    {
        auto* pEditor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(nullptr, pEditor) << "no label editor open";
        pEditor->selectAll();
        QTest::keyClicks(pEditor, QString::fromUtf8(pszText));
        QTest::keyClick(pEditor, Qt::Key_Return);
        // The delegate commits the text from the event loop.
        QCoreApplication::processEvents();
    }

    CString Saved() const
    {
        CHelpDoc saved(m_dirs);
        saved.Open(m_temp.File("mosk.hpg"));
        return saved.Dump();
    }

    CTempFolder m_temp;
    CScriptedUserInterface m_ui;
    CStringArray m_dirs;
    CHelpDoc m_doc{m_dirs};
    std::unique_ptr<CHelpView> m_pView;
    std::vector<CString> m_shownAddresses;
};

TEST_F(HelpViewTest, AddFolderEditsTheNewLabelAndStopsAtTheDepthLimit)
{
    Select(m_doc.GetRoot());
    ASSERT_TRUE(m_pView->Execute(CHelpView::ID_ADD_FOLDER));
    ASSERT_NE(nullptr, qobject_cast<QLineEdit*>(QApplication::focusWidget())) << "no label editor open";
    TypeLabel("Guides");
    EXPECT_EQ("Folder Help\n  Folder Guides\n", m_doc.Dump());
    EXPECT_EQ(m_doc.Dump(), Saved());
    EXPECT_EQ(QStringLiteral("Guides"), m_pView->currentItem()->text(0));

    // Down to the fourth level; a fifth is refused.
    for (int nLevel = 2; nLevel <= CHelpDoc::MAX_FOLDER_DEPTH; nLevel++) {
        ASSERT_TRUE(m_pView->Execute(CHelpView::ID_ADD_FOLDER)) << nLevel;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QCoreApplication::processEvents();
    }
    EXPECT_TRUE(m_ui.m_shown.empty());
    EXPECT_FALSE(m_pView->Execute(CHelpView::ID_ADD_FOLDER));
    ASSERT_EQ(1u, m_ui.m_shown.size());
    EXPECT_EQ("Nested too deep !!!", m_ui.m_shown[0].strText);
    EXPECT_EQ(CHelpDoc::MAX_FOLDER_DEPTH, CHelpDoc::DepthOf(CHelpView::NodeOf(m_pView->currentItem())));

    // An emptied label is put back.
    QTreeWidgetItem* pItem = Select(m_doc.GetRoot()->GetChild(0));
    m_pView->editItem(pItem);
    TypeLabel("");
    EXPECT_EQ(QStringLiteral("Guides"), pItem->text(0));
    EXPECT_EQ("Guides", m_doc.GetRoot()->GetChild(0)->m_strLabel);
}

TEST_F(HelpViewTest, AddFilesReportsEachRefusedFile)
{
    CString strPage = m_temp.Write("page.html", "<p>page");
    ASSERT_EQ(0, ::mkdir(m_temp.File("notes"), 0755));
    CString strText = m_temp.Write("notes/readme.txt", "text");
    CString strGone = m_temp.File("gone.html");
    Select(m_doc.GetRoot());
    m_ui.AnswerFiles({strGone, strPage, strText, strPage});
    ASSERT_TRUE(m_pView->Execute(CHelpView::ID_ADD_FILES));
    ASSERT_EQ(1u, m_ui.m_fileDialogs.size());
    EXPECT_EQ("HTML Files (*.html;*.htm)|*.html;*.htm|Java Files (*.java)|*.java|Txt Files (*.txt)|*.txt|"
              "Help files (*.hlp)|*.hlp|All Files (*.*)|*.*||",
              m_ui.m_fileDialogs[0].strFilter);
    EXPECT_TRUE(m_ui.m_fileDialogs[0].nFlags & OFN_ALLOWMULTISELECT);
    ASSERT_EQ(2u, m_ui.m_shown.size());
    EXPECT_EQ("File " + strGone + " does not exist !!!", m_ui.m_shown[0].strText);
    EXPECT_EQ("File " + strPage + " already found under folder Help !!!", m_ui.m_shown[1].strText);
    EXPECT_EQ("Folder Help\n  HTML 1 page.html\n  HTML 0 " + strText + "\n", m_doc.Dump());
    EXPECT_EQ(m_doc.Dump(), Saved());
    // The tree shows names; with a document selected the files go into its folder.
    QTreeWidgetItem* pText = m_pView->ItemOf(m_doc.GetRoot()->GetChild(1));
    ASSERT_NE(nullptr, pText);
    EXPECT_EQ(QStringLiteral("readme.txt"), pText->text(0));
    EXPECT_FALSE(pText->flags().testFlag(Qt::ItemIsEditable));

    m_ui.AnswerFiles({});
    EXPECT_FALSE(m_pView->Execute(CHelpView::ID_ADD_FILES));
    EXPECT_EQ(2u, m_ui.m_shown.size());
}

TEST_F(HelpViewTest, DeleteKeyAsksAndRemovesTheItemWithItsSubtree)
{
    CTreeFolder* pFolder = m_doc.AddFolder(m_doc.GetRoot());
    m_doc.AddURL(pFolder, "http://localhost/inner");
    CURLItem* pLink = m_doc.AddURL(m_doc.GetRoot(), "http://localhost/outer");
    m_pView->Refresh();

    Select(m_doc.GetRoot());
    QTest::keyClick(m_pView.get(), Qt::Key_Delete);
    EXPECT_TRUE(m_ui.m_shown.empty());

    Select(pLink);
    m_ui.Answer(IDNO);
    QTest::keyClick(m_pView.get(), Qt::Key_Delete);
    ASSERT_EQ(1u, m_ui.m_shown.size());
    EXPECT_EQ("Are you sure you want to delete ???", m_ui.m_shown[0].strText);
    EXPECT_NE(nullptr, m_pView->ItemOf(pLink));

    Select(pFolder);
    m_ui.Answer(IDYES);
    ASSERT_TRUE(m_pView->Execute(CHelpView::ID_DELETE));
    EXPECT_EQ(nullptr, m_pView->ItemOf(pFolder));
    EXPECT_EQ(1, m_pView->topLevelItem(0)->childCount());
    EXPECT_EQ("Folder Help\n  URL New URL <http://localhost/outer>\n", m_doc.Dump());
    EXPECT_EQ(m_doc.Dump(), Saved());
}

TEST_F(HelpViewTest, DocumentsOpenInTheHelpWindow)
{
    CString strPage = m_temp.Write("page.html", "<p>page");
    ASSERT_EQ(0, ::mkdir(m_temp.File("sub"), 0755));
    CString strOther = m_temp.Write("sub/other.htm", "<p>other");
    CHTMLItem* pPage = m_doc.AddFile(m_doc.GetRoot(), strPage);
    CHTMLItem* pOther = m_doc.AddFile(m_doc.GetRoot(), strOther);
    m_pView->Refresh();

    QTreeWidgetItem* pItem = Select(pPage);
    QCoreApplication::processEvents();   // the items are laid out
    QRect rect = m_pView->visualItemRect(pItem);
    ASSERT_TRUE(rect.isValid());
    // The press of a double click comes first; the view remembers the item it hit.
    QTest::mouseClick(m_pView->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    QTest::mouseDClick(m_pView->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
    Select(pOther);
    QTest::keyClick(m_pView.get(), Qt::Key_Return);
    // A folder opens and closes instead.
    Select(m_doc.GetRoot());
    QTest::keyClick(m_pView.get(), Qt::Key_Return);
    ASSERT_EQ(2u, m_shownAddresses.size());
    EXPECT_EQ(strPage, m_shownAddresses[0]);
    EXPECT_EQ(strOther, m_shownAddresses[1]);
}

TEST_F(HelpViewTest, LinksOpenInTheBrowserOfTheSettings)
{
    CString strOut = m_temp.File("opened.txt");
    CString strBrowser = m_temp.Write("browser", "#!/bin/sh\nprintf '%s|' \"$@\" > '" + strOut.str() + ".part'\n"
                                                 "mv '" + strOut.str() + ".part' '" + strOut.str() + "'\n");
    ASSERT_EQ(0, ::chmod(strBrowser, 0755));
    m_pView->m_fnBrowserPath = [strBrowser] { return strBrowser; };
    CString strAsked;
    m_pView->m_fnAskURL = [&strAsked](CString& strURL) {
        strAsked = strURL;
        strURL = " http://localhost/docs/a b.html ";
        return TRUE;
    };

    Select(m_doc.GetRoot());
    ASSERT_TRUE(m_pView->OnAddURL());
    EXPECT_EQ("", strAsked);
    // The new link's title is edited at once.
    TypeLabel("Local docs");
    auto* pLink = dynamic_cast<CURLItem*>(m_doc.GetRoot()->GetChild(0));
    ASSERT_NE(nullptr, pLink);
    EXPECT_EQ("Folder Help\n  URL Local docs <http://localhost/docs/a b.html>\n", m_doc.Dump());
    EXPECT_EQ(m_doc.Dump(), Saved());

    Select(pLink);
    QTest::keyClick(m_pView.get(), Qt::Key_Return);
    for (int i = 0; i < 2000 && ReadWholeFile(strOut).empty(); i++)
        QTest::qWait(10);
    EXPECT_EQ("http://localhost/docs/a b.html|", ReadWholeFile(strOut));
    EXPECT_TRUE(m_shownAddresses.empty());
    EXPECT_TRUE(CRunThreads::WaitIdle(10000));

    // A browser that cannot start is reported.
    m_pView->m_fnBrowserPath = [this] { return m_temp.File("no-such-browser"); };
    EXPECT_FALSE(m_pView->OpenItem(m_pView->currentItem()));
    ASSERT_EQ(1u, m_ui.m_shown.size());
    EXPECT_EQ(0, m_ui.m_shown[0].strText.Find("Cannot start " + m_temp.File("no-such-browser") + " !!!"));

    // Edit URL asks with the present text.
    m_pView->m_fnAskURL = [&strAsked](CString& strURL) {
        strAsked = strURL;
        strURL = "http://localhost/b";
        return TRUE;
    };
    EXPECT_TRUE(m_pView->OnEditURL());
    EXPECT_EQ("http://localhost/docs/a b.html", strAsked);
    EXPECT_EQ("http://localhost/b", pLink->m_strURL);
    EXPECT_EQ(m_doc.Dump(), Saved());
}

} // namespace
