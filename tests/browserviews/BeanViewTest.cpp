#include "BeanDoc.h"
#include "BrowserHost.h"
#include "BeanObject.h"
#include "BeanParseData.h"
#include "BeanProp.h"
#include "BeanPropDialog.h"
#include "BeanView.h"
#include "BrowserImages.h"
#include "ScriptedUserInterface.h"
#include "TreeFolder.h"

#include <QTest>
#include <gtest/gtest.h>

#include <cstring>

namespace {

void AddBeans(CBeanDoc& doc, CTreeFolder* pFolder, const char* pszText)
{
    std::vector<std::unique_ptr<CBeanObject>> beans;
    CBeanParseData::ReadText(pszText, static_cast<long>(strlen(pszText)), beans);
    doc.AddBeans(pFolder, beans);
}

class CRefreshingHost : public CBrowserHost {
public:
    void RefreshViews() override
    {
        if (m_pView)
            m_pView->Refresh();
    }
    CBeanView* m_pView = nullptr;
};

QString Shown(QTreeWidgetItem* pItem, int nDepth = 0)
{
    QString str = QString(nDepth * 2, ' ') + pItem->text(0) + "\n";
    for (int i = 0; i < pItem->childCount(); i++)
        str += Shown(pItem->child(i), nDepth + 1);
    return str;
}

} // namespace

TEST(BeanViewTest, BeanNodesImagesAndThePropertyDialog)
{
    CBeanDoc doc;
    AddBeans(doc, doc.GetRoot(),
             "class demo.Dial { Properties { int level getLevel setLevel; boolean on isOn; java.lang.String note setNote; "
             "int raw; } Events { demo.TickListener addTickListener removeTickListener tick; } "
             "Methods { public void reset(); } }\n"
             "class demo.Plain { Properties { } Methods { } }\n");
    CBeanView view(doc);
    QTreeWidgetItem* pRoot = view.topLevelItem(0);
    ASSERT_EQ(pRoot->childCount(), 2);
    pRoot->child(0)->setExpanded(true);
    pRoot->child(1)->setExpanded(true);
    for (int i = 0; i < 3; i++)
        pRoot->child(0)->child(i)->setExpanded(true);
    pRoot->child(0)->child(1)->child(0)->setExpanded(true);
    EXPECT_EQ(Shown(pRoot).toStdString(), "Beans\n"
                            "  Dial\n"
                            "    Properties\n"
                            "      int level\n"
                            "      String note\n"
                            "      boolean on\n"
                            "      int raw\n"
                            "    Events\n"
                            "      TickListener\n"
                            "        tick\n"
                            "    Methods\n"
                            "      void reset( )\n"
                            "  Plain\n"
                            "    Properties\n"
                            "    Methods\n");
    QTreeWidgetItem* pProps = pRoot->child(0)->child(0);
    struct {
        int nRow;
        int nImage;
        const char* pszGet;
        const char* pszSet;
    } cases[] = {
        {0, IMG_PROP_READWRITE, "GetMethod  -  getLevel", "SetMethod  -  setLevel"},
        {1, IMG_PROP_WRITE, "GetMethod  -  None", "SetMethod  -  setNote"},
        {2, IMG_PROP_READ, "GetMethod  -  isOn", "SetMethod  -  None"},
        {3, IMG_PROP, "GetMethod  -  None", "SetMethod  -  None"},
    };
    for (const auto& c : cases) {
        QTreeWidgetItem* pItem = pProps->child(c.nRow);
        EXPECT_EQ(pItem->icon(0).cacheKey(), CBrowserImages::Image(c.nImage).cacheKey()) << c.nRow;
        auto* pProp = static_cast<CBeanProp*>(CBeanView::ObjectOf(pItem));
        EXPECT_EQ(CBeanPropDialog::Lines(*pProp), QStringList({c.pszGet, c.pszSet})) << c.nRow;
    }
    // A double click on a property opens its dialog; on other items nothing.
    QList<QTreeWidgetItem*> shown;
    view.m_fnShowProperty = [&](QTreeWidgetItem* pItem) { shown << pItem; };
    emit view.itemDoubleClicked(pProps->child(2), 0);
    emit view.itemDoubleClicked(pProps, 0);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0], pProps->child(2));
}

TEST(BeanViewTest, AddFolderAndDeleteFromTheView)
{
    CScriptedUserInterface ui;
    CRefreshingHost host;
    CBeanDoc doc(&host);
    CBeanView view(doc);
    host.m_pView = &view;
    view.setCurrentItem(view.topLevelItem(0));
    ASSERT_TRUE(view.Execute(CBeanView::ID_ADD_FOLDER));
    QTreeWidgetItem* pNew = view.currentItem();
    ASSERT_NE(pNew, nullptr);
    EXPECT_EQ(pNew->text(0), "New Folder");
    pNew->setText(0, "Gauges");  // the label edited in place
    EXPECT_EQ(doc.GetRoot()->GetChild(0)->m_strLabel, "Gauges");
    // Add Bean wants a folder: on a non-folder nothing happens.
    AddBeans(doc, doc.GetRoot(), "class demo.Knob { Properties { } }\n");
    view.Refresh();
    view.setCurrentItem(view.topLevelItem(0)->child(1));
    EXPECT_FALSE(view.Execute(CBeanView::ID_ADD_BEAN));
    EXPECT_TRUE(ui.m_fileDialogs.empty());
    ui.Answer(IDYES);
    EXPECT_TRUE(view.Execute(CBeanView::ID_DELETE));
    EXPECT_EQ(Shown(view.topLevelItem(0)).toStdString(), "Beans\n  Gauges\n");
    // Add Bean's file dialog on a folder.
    view.setCurrentItem(view.topLevelItem(0));
    EXPECT_FALSE(view.Execute(CBeanView::ID_ADD_BEAN));
    ASSERT_EQ(ui.m_fileDialogs.size(), 1u);
    EXPECT_EQ(ui.m_fileDialogs[0].strTitle, "Select File");
    EXPECT_EQ(ui.m_fileDialogs[0].strFilter, "Jar Files (*.jar)|*.jar|Class Files (*.class)|*.class|All Files (*.*)|*.*||");
}
