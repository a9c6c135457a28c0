// What the Directories, Editor and Font commands do with the values their
// dialogs hand back: existence checks with their messages, ranges, the
// stored forms and what is saved at once.
#include "AppTestUtil.h"
#include "FixedSystemColors.h"
#include "JavaIDEApp.h"
#include "ScriptedUserInterface.h"
#include "TinctoView.h"

#include <gtest/gtest.h>

namespace {

const CFixedSystemColors s_colors;

class CViewsApp : public CJavaIDEApp {
public:
    CViewsApp() : CJavaIDEApp(s_colors) {}
    int m_nViewUpdates = 0;
    int m_nFontUpdates = 0;

protected:
    void ApplyEditorSettingsToViews() override { ++m_nViewUpdates; }
    void ApplyEditorFontToViews() override { ++m_nFontUpdates; }
};

TEST(OptionsDialogs, DirectoriesAreCheckedInOrder)
{
    CSettingsFolder folder;
    CString strThere = folder.Folder().Path();
    CString strGone = folder.Folder().File("gone");
    struct {
        const char* pszName;
        CString CDirSettings::CDialogValues::* pMissing1;
        CString CDirSettings::CDialogValues::* pMissing2;
        const char* pszMessage;
    } cases[] = {
        {"browser", &CDirSettings::CDialogValues::strBrowserPath, nullptr, "Browser file path does not exist"},
        {"exe before bean", &CDirSettings::CDialogValues::strBeanDocPath, &CDirSettings::CDialogValues::strExePath,
         "Java EXE files path does not exist"},
        {"source", &CDirSettings::CDialogValues::strSourcePath, nullptr, "Java Source files path does not exist"},
        {"doc", &CDirSettings::CDialogValues::strDocPath, nullptr, "Java DOC path does not exist"},
        {"server kit before program", &CDirSettings::CDialogValues::strProgramPath,
         &CDirSettings::CDialogValues::strJSDKDocPath, "Java Server SDK DOC path does not exist"},
        {"program", &CDirSettings::CDialogValues::strProgramPath, nullptr, "Mosk program path does not exist"},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CScriptedUserInterface ui;
        folder.WriteIni("");
        CViewsApp app;
        app.LoadDirSettings();
        CString strBefore = app.m_DirSettings.Dump();
        CDirSettings::CDialogValues values;
        values.strExePath = values.strDocPath = values.strProgramPath = strThere;
        values.strBrowserPath = "";  // empty paths are not checked
        values.*c.pMissing1 = strGone;
        if (c.pMissing2)
            values.*c.pMissing2 = strGone;
        EXPECT_FALSE(app.ApplyDirectoriesDialog(values));
        ASSERT_EQ(ui.m_shown.size(), 1u);
        EXPECT_EQ(ui.m_shown[0].strText, c.pszMessage);
        EXPECT_EQ(ui.m_shown[0].nType, MB_OK | MB_ICONINFORMATION);
        EXPECT_EQ(app.m_DirSettings.Dump(), strBefore);
    }
}

TEST(OptionsDialogs, DirectoriesAreStoredAndTheHelpListRebuilt)
{
    CScriptedUserInterface ui;
    CSettingsFolder folder;
    folder.WriteIni("[User]\nPath1=/mine\n");
    CViewsApp app;
    app.LoadDirSettings();
    CAppFolders::EnsureFolder(folder.Folder().File("jdk/docs/api"));
    CDirSettings::CDialogValues values;
    values.strDocPath = folder.Folder().File("jdk/docs/api");
    values.strProgramPath = folder.Folder().Path();
    values.docPaths.Add(values.strDocPath);
    ASSERT_TRUE(app.ApplyDirectoriesDialog(values));
    EXPECT_TRUE(ui.m_shown.empty());
    const CDirSettings& dirs = app.m_DirSettings;
    EXPECT_EQ(dirs.m_strDocPath, folder.Folder().File("jdk/docs"));
    EXPECT_EQ(dirs.m_strApiDocDir, folder.Folder().File("jdk/docs/api/"));
    EXPECT_EQ(dirs.m_DocPaths.GetSize(), 1);
    EXPECT_EQ(dirs.GetHelpDir(1), folder.Folder().Path());
    EXPECT_EQ(dirs.GetHelpDir(3), folder.Folder().File("jdk/docs/api"));
    EXPECT_EQ(dirs.GetHelpDir(101), "/mine");
    EXPECT_FALSE(app.m_EditorSettings.m_bWarning);
}

TEST(OptionsDialogs, DropDownSelection)
{
    CStringArray list;
    list.Add("/opt/jdk8/bin");
    list.Add("/opt/jdk17/bin");
    EXPECT_EQ(CDirSettings::FindSelection(list, "/opt/jdk17"), 1);
    EXPECT_EQ(CDirSettings::FindSelection(list, "/opt/jdk"), 0);
    EXPECT_EQ(CDirSettings::FindSelection(list, "/usr"), -1);
    EXPECT_EQ(CDirSettings::FindSelection(list, ""), -1);
}

TEST(OptionsDialogs, EditorValuesOutOfRange)
{
    struct {
        int CEditorSettings::CDialogValues::* pField;
        int nValue;
        const char* pszMessage;
    } cases[] = {
        {&CEditorSettings::CDialogValues::nTabWidth, 1, "Please enter an integer between 2 and 20."},
        {&CEditorSettings::CDialogValues::nTabWidth, 21, "Please enter an integer between 2 and 20."},
        {&CEditorSettings::CDialogValues::nMenuItems, 9, "Please enter an integer between 10 and 50."},
        {&CEditorSettings::CDialogValues::nMRULength, 17, "Please enter an integer between 4 and 16."},
        {&CEditorSettings::CDialogValues::nUndoBufferSize, 0, "Please enter an integer between 1 and 250."},
        {&CEditorSettings::CDialogValues::nUndoBufferSize, 251, "Please enter an integer between 1 and 250."},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.pszMessage);
        CScriptedUserInterface ui;
        CSettingsFolder folder;
        CProfile& profile = folder.WriteIni("");
        CViewsApp app;
        CEditorSettings::CDialogValues values = app.m_EditorSettings.GetDialogValues();
        values.bBeep = TRUE;
        values.*c.pField = c.nValue;
        EXPECT_FALSE(app.ApplyEditorDialog(values));
        ASSERT_EQ(ui.m_shown.size(), 1u);
        EXPECT_EQ(ui.m_shown[0].strText, c.pszMessage);
        EXPECT_FALSE(app.m_EditorSettings.m_bBeep);
        EXPECT_FALSE(profile.HasKey("Editor", "Beep"));
        EXPECT_EQ(app.m_nViewUpdates, 0);
    }
}

TEST(OptionsDialogs, EditorValuesAreStoredAndSavedAtOnce)
{
    CScriptedUserInterface ui;
    CSettingsFolder folder;
    CProfile& profile = folder.WriteIni("");
    CViewsApp app;
    CEditorSettings::CDialogValues values = app.m_EditorSettings.GetDialogValues();
    EXPECT_EQ(values.nTabWidth, 2);  // "Tabsize" 8
    values.nTabWidth = 3;
    values.bTabSpaces = TRUE;
    ASSERT_TRUE(app.ApplyEditorDialog(values));
    EXPECT_TRUE(ui.m_shown.empty());  // the undo size did not change
    EXPECT_EQ(profile.GetInt("Editor", "Tabsize", 0), 12);
    EXPECT_EQ(profile.GetInt("Editor", "TabSpaces", 0), 1);
    EXPECT_TRUE(CTinctoView::IsSpaceForTab());
    EXPECT_EQ(app.m_nViewUpdates, 1);

    values.nUndoBufferSize = 50;
    ASSERT_TRUE(app.ApplyEditorDialog(values));
    ASSERT_EQ(ui.m_shown.size(), 1u);
    EXPECT_EQ(ui.m_shown[0].strText, "Undo buffer size will take effect next time you start Mosk !!!");
    EXPECT_EQ(profile.GetInt("Editor", "UndoBufferSize", 0), 50);
    CTinctoView::SetSpaceForTab(FALSE);
}

TEST(OptionsDialogs, EditorFont)
{
    CSettingsFolder folder;
    folder.WriteIni("");
    CViewsApp app;
    app.ApplyEditorFont("DejaVu Sans Mono", -16);
    EXPECT_EQ(app.m_EditorSettings.m_strFontFace, "DejaVu Sans Mono");
    EXPECT_EQ(app.m_EditorSettings.m_nFontHeight, -16);
    EXPECT_STREQ(app.m_lfEditor.lfFaceName, "DejaVu Sans Mono");
    EXPECT_EQ(app.m_lfEditor.lfHeight, -16);
    EXPECT_EQ(app.m_lfEditor.lfWeight, FW_NORMAL);
    EXPECT_EQ(app.m_nFontUpdates, 1);
}

} // namespace
