#include "BrowserHost.h"
#include "BrowserImages.h"
#include "FileObject.h"
#include "JavaParser.h"
#include "PackageObject.h"
#include "PackageView.h"
#include "PkgDoc.h"
#include "ScriptedUserInterface.h"
#include "TempFolder.h"
#include "VarClass.h"

#include <QTest>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace {

CFileObject* Parse(const char* pszText) { return CJavaParser::ParseText(pszText, static_cast<long>(strlen(pszText))); }

class CRefreshingHost : public CBrowserHost {
public:
    void RefreshViews() override
    {
        if (m_pView)
            m_pView->Refresh();
    }
    CPackageView* m_pView = nullptr;
};

class PackageViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_doc.AddParsedFile(Parse("package p.one;\npublic class Alpha extends Base implements Runnable, Cloneable "
                                  "{ public int n; public void run() { } }\ninterface Ia { void f(); }\n"));
        m_doc.AddParsedFile(Parse("package p.two;\npublic class Base { }\ninterface Runnable extends Ia { }\n"));
        m_pView = std::make_unique<CPackageView>(m_doc);
        m_host.m_pView = m_pView.get();
    }

    QTreeWidgetItem* Root() { return m_pView->topLevelItem(0); }

    // The shown tree, one item a line, indented by depth.
    QString Shown(QTreeWidgetItem* pItem, int nDepth = 0)
    {
        QString str = QString(nDepth * 2, ' ') + pItem->text(0) + "\n";
        for (int i = 0; i < pItem->childCount(); i++)
            str += Shown(pItem->child(i), nDepth + 1);
        return str;
    }

    CRefreshingHost m_host;
    CPkgDoc m_doc{&m_host};
    std::unique_ptr<CPackageView> m_pView;
};

} // namespace

TEST_F(PackageViewTest, TreeFillsEachLevelWhenFirstExpanded)
{
    EXPECT_EQ(Shown(Root()), "Packages\n  p.one\n  p.two\n");
    QTreeWidgetItem* pPackage = Root()->child(0);
    EXPECT_EQ(pPackage->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    EXPECT_EQ(pPackage->icon(0).cacheKey(), CBrowserImages::Folder(false).cacheKey());
    pPackage->setExpanded(true);
    EXPECT_EQ(pPackage->icon(0).cacheKey(), CBrowserImages::Folder(true).cacheKey());
    EXPECT_EQ(Shown(pPackage), "p.one\n  Classes\n  Interfaces\n");
    pPackage->child(0)->setExpanded(true);
    pPackage->child(0)->child(0)->setExpanded(true);
    EXPECT_EQ(Shown(pPackage->child(0)),
              "Classes\n  Alpha extends Base implements Runnable, Cloneable\n    int n\n    void run( )\n");
    pPackage->setExpanded(false);
    EXPECT_EQ(pPackage->icon(0).cacheKey(), CBrowserImages::Folder(false).cacheKey());
}

TEST_F(PackageViewTest, FindSelectsTheTypeInItsPackage)
{
    struct {
        const char* pszName;
        BOOL bInterface;
        BOOL bFound;
        const char* pszPackage;
    } cases[] = {
        {"Base", FALSE, TRUE, "p.two"},
        {"Ia", TRUE, TRUE, "p.one"},
        {"Ia", FALSE, FALSE, ""},
        {"Missing", FALSE, FALSE, ""},
    };
    for (const auto& c : cases) {
        m_pView->setCurrentItem(Root());
        EXPECT_EQ(m_pView->FindType(c.pszName, c.bInterface), c.bFound) << c.pszName;
        if (!c.bFound)
            continue;
        QTreeWidgetItem* pItem = m_pView->currentItem();
        ASSERT_EQ(CPackageView::KindOf(pItem), c.bInterface ? CPackageView::ITEM_INTERFACE : CPackageView::ITEM_CLASS);
        EXPECT_EQ(CPackageView::ObjectOf(pItem)->m_strName, c.pszName);
        EXPECT_EQ(pItem->parent()->parent()->text(0), c.pszPackage);
        EXPECT_TRUE(pItem->parent()->isExpanded());
    }
    // The editor's look-up tries a class, then an interface.
    m_pView->setCurrentItem(Root());
    EXPECT_TRUE(m_pView->LookUp("Runnable"));
    EXPECT_EQ(CPackageView::KindOf(m_pView->currentItem()), CPackageView::ITEM_INTERFACE);
}

TEST_F(PackageViewTest, ClassSubmenusNameParentAndInterfaces)
{
    ASSERT_TRUE(m_pView->FindType("Alpha", FALSE));
    std::vector<std::pair<UINT, QString>> entries = m_pView->GetMenuEntries(m_pView->currentItem());
    std::vector<std::pair<UINT, QString>> submenus;
    for (const auto& entry : entries)
        if (entry.first >= CPackageView::ID_CLASS_FIRST)
            submenus.push_back(entry);
    ASSERT_EQ(submenus.size(), 3u);
    EXPECT_EQ(submenus[0], std::make_pair(UINT(49101), QString("Classes/Base")));
    EXPECT_EQ(submenus[1], std::make_pair(UINT(49201), QString("Interfaces/Runnable")));
    EXPECT_EQ(submenus[2], std::make_pair(UINT(49202), QString("Interfaces/Cloneable")));
    EXPECT_TRUE(m_pView->Execute(49201));
    EXPECT_EQ(CPackageView::ObjectOf(m_pView->currentItem())->m_strName, "Runnable");
    // Cloneable is in no package of the index.
    ASSERT_TRUE(m_pView->FindType("Alpha", FALSE));
    EXPECT_FALSE(m_pView->Execute(49202));
}

TEST_F(PackageViewTest, DeleteAndFindCommandsGoThroughTheSeams)
{
    CTempFolder folder;
    CScriptedUserInterface ui;
    m_doc.SetPathName(folder.File("mosk.pkg"));
    m_pView->setCurrentItem(Root()->child(1));
    ui.Answer(IDYES);
    EXPECT_TRUE(m_pView->Execute(CPackageView::ID_DELETE));
    EXPECT_EQ(Shown(Root()), "Packages\n  p.one\n");
    EXPECT_FALSE(ReadWholeFile(folder.File("mosk.pkg")).empty());

    QStringList asked;
    m_pView->m_fnAskName = [&](const QString& strTitle) {
        asked << strTitle;
        return QString("Ia");
    };
    EXPECT_TRUE(m_pView->Execute(CPackageView::ID_FIND_INTERFACE));
    EXPECT_FALSE(m_pView->Execute(CPackageView::ID_FIND_CLASS));
    EXPECT_EQ(asked, QStringList({"Find Interface", "Find Class"}));

    // Add/Update: the file dialog's title, extension and filter, then the chosen file.
    CString strSource = folder.Write("Gamma.java", "package p.three;\nclass Gamma { }\n");
    ui.AnswerFiles({strSource});
    EXPECT_TRUE(m_pView->Execute(CPackageView::ID_ADD_UPDATE));
    ASSERT_EQ(ui.m_fileDialogs.size(), 1u);
    EXPECT_EQ(ui.m_fileDialogs[0].strTitle, "Add Package");
    EXPECT_EQ(ui.m_fileDialogs[0].strDefExt, "java");
    EXPECT_EQ(ui.m_fileDialogs[0].strFilter, "Java Files (*.java)|*.java|All Files (*.*)|*.*||");
    EXPECT_EQ(Shown(Root()), "Packages\n  p.one\n  p.three\n");
}

TEST_F(PackageViewTest, ADoubleClickOpensTheSourceOfAClassOrMemberFromTheSourceFolder)
{
    // p.one's sources in a module folder of the source folder, as an unpacked JDK source archive has them;
    // p.two has none.
    CTempFolder sources;
    std::filesystem::create_directories((sources.Path() + "/java.base/p/one").c_str());
    CString strAlpha = sources.Write("java.base/p/one/Alpha.java",
                                     "package p.one;\n// Alpha and Base are named in this comment\n"
                                     "public class Alpha extends Base {\n    public int n;\n\n"
                                     "    public void run() {\n    }\n}\n");
    CString strOpened;
    int nLine = 0;
    m_pView->m_fnSourceFolder = [&] { return sources.Path(); };
    m_pView->m_fnOpenSource = [&](const CString& strPath, int nAt) {
        strOpened = strPath;
        nLine = nAt;
        return TRUE;
    };
    m_pView->resize(500, 700);
    m_pView->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_pView.get()));
    m_pView->expandAll();
    for (int i = 0; i < 3; i++)
        for (QTreeWidgetItemIterator it(m_pView.get()); *it; ++it)
            (*it)->setExpanded(true);
    struct {
        const char* pszItem;
        const char* pszPath;
        int nLine;
    } cases[] = {
        {"Alpha extends Base implements Runnable, Cloneable", "java.base/p/one/Alpha.java", 3},
        {"int n", "java.base/p/one/Alpha.java", 4},
        {"void run( )", "java.base/p/one/Alpha.java", 6},
        {"Base", "", 0},     // no source: the item expands or collapses instead
        {"p.one", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszItem);
        strOpened.Empty();
        nLine = 0;
        QList<QTreeWidgetItem*> items = m_pView->findItems(c.pszItem, Qt::MatchExactly | Qt::MatchRecursive);
        ASSERT_FALSE(items.isEmpty());
        QTreeWidgetItem* pItem = items.first();
        bool bExpanded = pItem->isExpanded();
        m_pView->scrollToItem(pItem);
        QTest::mouseDClick(m_pView->viewport(), Qt::LeftButton, Qt::NoModifier,
                           m_pView->visualItemRect(pItem).center());
        EXPECT_EQ(strOpened, *c.pszPath ? sources.File(c.pszPath) : CString());
        EXPECT_EQ(nLine, c.nLine);
        if (!*c.pszPath && pItem->childCount() > 0) {
            EXPECT_NE(pItem->isExpanded(), bExpanded);
        }
    }
    (void)strAlpha;
}
