// The Directories dialog: the lists open on the current folders, OK with a
// folder that does not exist says so and stays open, browse buttons and
// list editors fill the fields, and OK stores everything.
#include "DialogsTestUtil.h"
#include "DirectoriesDlg.h"
#include "ListEditorDlg.h"
#include "ScriptedUserInterface.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QStringList Items(const QComboBox* pList)
{
    QStringList items;
    for (int i = 0; i < pList->count(); ++i)
        items << pList->itemText(i);
    return items;
}

QString Q(const CString& str)
{
    return QString::fromUtf8(str.c_str());
}

class DirectoriesDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_strJdk1 = m_folder.MakeFolder("jdk1");
        m_strJdk2 = m_folder.MakeFolder("jdk2");
        m_strDocs = m_folder.MakeFolder("docs");
        m_folder.MakeFolder("jdk1/bin");
        m_folder.MakeFolder("jdk2/bin");
        m_folder.WriteIni("[Help]\nWarning=1\n[Java]\nExePathCount=2\nExePath1=" + m_strJdk1.str() + "/bin\nExePath2="
                          + m_strJdk2.str() + "/bin\nExePath=" + m_strJdk2.str() + "/bin\nDocPath=" + m_strDocs.str()
                          + "\nSourcePath=/elsewhere/src\n");
        m_app.LoadEditorSettings();
        m_app.LoadDirSettings();
    }

    CScriptedUserInterface m_ui;
    CDialogsFolder m_folder;
    CDialogsApp m_app;
    CString m_strJdk1, m_strJdk2, m_strDocs;
};

TEST_F(DirectoriesDlgTest, ListsOpenOnTheCurrentFolders)
{
    CDirectoriesDlg dlg(m_app);
    QComboBox* pExe = dlg.GetList(CDirectoriesDlg::LIST_EXE);
    EXPECT_EQ(Items(pExe), QStringList({Q(m_strJdk1) + "/bin", Q(m_strJdk2) + "/bin"}));
    EXPECT_EQ(pExe->currentIndex(), 1);
    EXPECT_EQ(dlg.GetList(CDirectoriesDlg::LIST_DOC)->currentText(), Q(m_strDocs));
    // A current folder that is in no list entry still shows, so OK keeps it.
    QComboBox* pSource = dlg.GetList(CDirectoriesDlg::LIST_SOURCE);
    EXPECT_EQ(pSource->currentText(), QStringLiteral("/elsewhere/src"));
    EXPECT_EQ(dlg.GetField(CDirectoriesDlg::FIELD_PROGRAM)->text(), Q(m_app.m_DirSettings.m_strProgramPath));

    CDirSettings::CDialogValues values = dlg.GetValues();
    EXPECT_EQ(values.strExePath, m_strJdk2 + "/bin");
    EXPECT_EQ(values.strSourcePath, "/elsewhere/src");
    ASSERT_EQ(values.srcPaths.GetSize(), 1);
    EXPECT_EQ(values.srcPaths[0], "/elsewhere/src");
    EXPECT_EQ(values.exePaths.GetSize(), 2);
}

TEST_F(DirectoriesDlgTest, MissingFolderKeepsTheDialogOpen)
{
    CDirectoriesDlg dlg(m_app);
    dlg.GetList(CDirectoriesDlg::LIST_SOURCE)->setEditText(QString());
    QLineEdit* pBean = dlg.GetField(CDirectoriesDlg::FIELD_BEAN_DOC);
    pBean->setText(Q(m_folder.Folder().File("no-beans")));
    dlg.show();
    CString strBefore = m_app.m_DirSettings.Dump();

    QTest::mouseClick(DialogButton(&dlg, QDialogButtonBox::Ok), Qt::LeftButton);
    ASSERT_EQ(m_ui.m_shown.size(), 1u);
    EXPECT_EQ(m_ui.m_shown[0].strText, "Java Bean DOC path does not exist");
    EXPECT_EQ(m_ui.m_shown[0].nType, MB_OK | MB_ICONINFORMATION);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(m_app.m_DirSettings.Dump(), strBefore);

    // With the folder made the same OK is taken.
    m_folder.MakeFolder("no-beans");
    QTest::mouseClick(DialogButton(&dlg, QDialogButtonBox::Ok), Qt::LeftButton);
    EXPECT_EQ(m_ui.m_shown.size(), 1u);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(m_app.m_DirSettings.m_strBeanDocPath, m_folder.Folder().File("no-beans"));
    EXPECT_EQ(m_app.m_DirSettings.m_strSourcePath, "");
    EXPECT_EQ(m_app.m_DirSettings.FindHelpDirNumber(m_folder.Folder().File("no-beans") + "/javadoc"), 2 + 29 + 1);
}

TEST_F(DirectoriesDlgTest, TypedFolderJoinsItsList)
{
    CString strJdk3 = m_folder.MakeFolder("jdk3");
    CDirectoriesDlg dlg(m_app);
    dlg.GetList(CDirectoriesDlg::LIST_EXE)->setEditText(Q(strJdk3));
    dlg.GetList(CDirectoriesDlg::LIST_SOURCE)->setEditText(QString());
    dlg.accept();
    EXPECT_TRUE(m_ui.m_shown.empty());
    EXPECT_EQ(m_app.m_DirSettings.m_strExePath, strJdk3);
    ASSERT_EQ(m_app.m_DirSettings.m_ExePaths.GetSize(), 3);
    EXPECT_EQ(m_app.m_DirSettings.m_ExePaths[2], strJdk3);
    m_app.SaveDirSettings();
    EXPECT_EQ(m_app.GetProfile().GetInt("Java", "ExePathCount", 0), 3);
}

TEST_F(DirectoriesDlgTest, BrowseButtons)
{
    CDirectoriesDlg dlg(m_app);
    struct {
        CDirectoriesDlg::EField nField;
        const char* pszTitle;
    } folders[] = {
        {CDirectoriesDlg::FIELD_BEAN_DOC, "Select Java Bean Documents Directory"},
        {CDirectoriesDlg::FIELD_JSDK_DOC, "Select Java Server SDK Documents Directory"},
        {CDirectoriesDlg::FIELD_PROGRAM, "Select Mosk program Directory"},
    };
    for (const auto& f : folders) {
        SCOPED_TRACE(f.pszTitle);
        m_ui.m_folderDialogs.clear();
        m_ui.AnswerFolder("/picked");
        dlg.Browse(f.nField);
        ASSERT_EQ(m_ui.m_folderDialogs.size(), 1u);
        EXPECT_EQ(m_ui.m_folderDialogs[0].strTitle, f.pszTitle);
        EXPECT_EQ(dlg.GetField(f.nField)->text(), QStringLiteral("/picked"));
        // Cancelled: the field stays.
        dlg.Browse(f.nField);
        EXPECT_EQ(dlg.GetField(f.nField)->text(), QStringLiteral("/picked"));
    }
    m_ui.AnswerFiles({"/usr/bin/browser"});
    dlg.Browse(CDirectoriesDlg::FIELD_BROWSER);
    ASSERT_EQ(m_ui.m_fileDialogs.size(), 1u);
    EXPECT_TRUE(m_ui.m_fileDialogs[0].bOpen);
    EXPECT_EQ(m_ui.m_fileDialogs[0].strTitle, "Browser program File");
    EXPECT_EQ(m_ui.m_fileDialogs[0].strFilter, "Exe Files (*.exe)|*.exe|All Files (*.*)|*.*||");
    EXPECT_EQ(dlg.GetField(CDirectoriesDlg::FIELD_BROWSER)->text(), QStringLiteral("/usr/bin/browser"));
}

TEST_F(DirectoriesDlgTest, ListEditorsEditTheLists)
{
    CDirectoriesDlg dlg(m_app);
    struct {
        CDirectoriesDlg::EList nList;
        const char* pszTitle;
    } lists[] = {
        {CDirectoriesDlg::LIST_EXE, "Edit Java Bin Path"},
        {CDirectoriesDlg::LIST_SOURCE, "Edit Java Source Path"},
        {CDirectoriesDlg::LIST_DOC, "Edit Java Doc Path"},
    };
    for (const auto& l : lists) {
        SCOPED_TRACE(l.pszTitle);
        QString strTitle;
        bool bSeen = false;
        WhenModal<CListEditorDlg>(
            [&strTitle](CListEditorDlg* pEditor) {
                strTitle = pEditor->windowTitle();
                pEditor->OnAdd();
                QLineEdit* pField = pEditor->GetList()->findChild<QLineEdit*>();
                ASSERT_NE(pField, nullptr);
                QTest::keyClicks(pField, QStringLiteral("/added"));
                QTest::keyClick(pField, Qt::Key_Return);
                pEditor->accept();
            },
            &bSeen);
        dlg.EditList(l.nList);
        EXPECT_TRUE(bSeen);
        EXPECT_EQ(strTitle, QString::fromUtf8(l.pszTitle));
        EXPECT_EQ(Items(dlg.GetList(l.nList)).last(), QStringLiteral("/added"));
    }
    // The selected folder of the program list is kept through the edit.
    EXPECT_EQ(dlg.GetList(CDirectoriesDlg::LIST_EXE)->currentText(), Q(m_strJdk2) + "/bin");

    // Cancelling the editor leaves the list.
    WhenModal<CListEditorDlg>([](CListEditorDlg* pEditor) {
        pEditor->OnRemove();
        pEditor->reject();
    });
    dlg.EditList(CDirectoriesDlg::LIST_EXE);
    EXPECT_EQ(dlg.GetList(CDirectoriesDlg::LIST_EXE)->count(), 3);
}

} // namespace
