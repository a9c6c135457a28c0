#include "ProjectViewFixture.h"

#include "MainFrame.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "ProjectFolder.h"
#include "ProjectView.h"
#include "ProjectVirtualFolder.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

void ProjectViewTest::StartWithProject()
{
    ASSERT_TRUE(Start());
    m_strMain = WriteSource("Main.java", "import java.util.List;\n"
                                         "\n"
                                         "public class Main {\n"
                                         "    public static void main(String[] args) {\n"
                                         "    }\n"
                                         "\n"
                                         "    void helper() {\n"
                                         "    }\n"
                                         "}\n"
                                         "\n"
                                         "interface Shape {\n"
                                         "}\n");
    m_strPage = WriteSource("page.html", "<HTML></HTML>\n");
    m_strNotes = WriteSource("notes.txt", "notes\n");
    m_strHelper = WriteSource("Helper.java", "class Helper {\n}\n");
    m_strProject = m_folder.File("Demo.mosk");
    CProjectDoc& doc = Doc();
    ASSERT_TRUE(doc.OpenProject(m_strProject, TRUE));
    CProject& project = doc.GetProject();
    ASSERT_TRUE(project.AddFile(m_strNotes));
    ASSERT_TRUE(project.AddFile(m_strPage));
    ASSERT_TRUE(project.AddFile(m_strMain));
    CProjectVirtualFolder* pFolder = project.AddFolder(project.GetNode());
    ASSERT_NE(pFolder, nullptr);
    QApplication::processEvents();
    ASSERT_TRUE(project.RenameFolder(pFolder, "Lib"));
    ASSERT_TRUE(project.AddFile(m_strHelper, pFolder));
    ASSERT_TRUE(project.ParseFile(m_strMain, FALSE));
    ASSERT_TRUE(project.Save());
    QApplication::processEvents();
}

CProjectDoc& ProjectViewTest::Doc() const
{
    return *App().GetProjectDoc();
}

CProjectView& ProjectViewTest::View() const
{
    return *Frame().GetProjectView();
}

void ProjectViewTest::ExpandAll() const
{
    // Expanding inserts children, which are expanded in turn.
    for (bool bMore = true; bMore;) {
        bMore = false;
        for (QTreeWidgetItemIterator it(&View()); *it; ++it)
            if (!(*it)->isExpanded() && ((*it)->childCount() > 0 ||
                                         (*it)->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator)) {
                (*it)->setExpanded(true);
                bMore = true;
            }
    }
}

QTreeWidgetItem* ProjectViewTest::Item(const char* pszText) const
{
    ExpandAll();
    QList<QTreeWidgetItem*> items =
        View().findItems(QString::fromUtf8(pszText), Qt::MatchExactly | Qt::MatchRecursive);
    return items.isEmpty() ? nullptr : items.first();
}

bool ProjectViewTest::Select(const char* pszText) const
{
    QTreeWidgetItem* pItem = Item(pszText);
    if (pItem)
        View().setCurrentItem(pItem);
    return pItem != nullptr;
}

bool ProjectViewTest::TypeIntoEditor(const char* pszText) const
{
    QLineEdit* pEditor = nullptr;
    for (QLineEdit* pEdit : View().viewport()->findChildren<QLineEdit*>())
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
