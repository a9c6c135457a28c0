// The application object: the settings-file migration, the index-file
// paths, the start-up order and its failures, the file named on the command
// line, the fonts, and the close checks with their questions.
#include "AppTestUtil.h"
#include "Command.h"
#include "CommandsDoc.h"
#include "FixedSystemColors.h"
#include "JavaIDEApp.h"
#include "ScriptedUserInterface.h"
#include "TinctoView.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

const CFixedSystemColors s_colors(RGB(250, 250, 240), RGB(0, 0, 0), RGB(0, 0, 200));

// An application whose window hooks write what happened into a log.
class CRecordingApp : public CJavaIDEApp {
public:
    CRecordingApp() : CJavaIDEApp(s_colors) {}

    std::vector<std::string> m_log;
    int m_nFailAtStep = 0;
    BOOL m_bTickDontShowAgain = FALSE;
    CString m_strOpenProject;
    BOOL m_bProjectSaveCancelled = FALSE;
    BOOL m_bMinimised = FALSE;

protected:
    BOOL Hook(int nStep, const char* pszWhat)
    {
        m_log.push_back(std::to_string(nStep) + " " + pszWhat);
        return m_nFailAtStep != nStep;
    }
    BOOL EnableSplash() override { return Hook(2, "splash"); }
    BOOL InitPlatform() override { return CJavaIDEApp::InitPlatform() && Hook(3, "platform"); }
    void LoadRecentFileList(int nLength) override { Hook(5, ("recent " + std::to_string(nLength)).c_str()); }
    BOOL ShowFirstRunInfo(BOOL& bDontShowAgain) override
    {
        bDontShowAgain = m_bTickDontShowAgain;
        return Hook(5, "first run");
    }
    void ShowDirectoriesDialog() override { Hook(5, "directories"); }
    BOOL UpdateGuiBuilderSettings() override { return Hook(6, "gui builder"); }
    BOOL CreateMainFrameObject() override { return Hook(7, "frame object"); }
    BOOL CreateProjectList() override { return Hook(8, "project list"); }
    BOOL LoadMainFrame() override { return Hook(8, "main frame"); }
    BOOL CreateConsole() override { return Hook(9, "console"); }
    BOOL CreateDocumentTemplates() override { return Hook(10, "templates"); }
    BOOL CreateHelpSearchDialog() override { return Hook(12, "help search"); }
    BOOL ShowMainFrame() override { return Hook(13, "show"); }
    BOOL OpenDocumentFile(const char* pszPath) override { return Hook(14, (std::string("document ") + pszPath).c_str()); }
    BOOL OpenProject(const char* pszPath) override { return Hook(14, (std::string("project ") + pszPath).c_str()); }
    void ShowTipOfTheDay() override { Hook(15, "tip"); }
    void FinishMainWindow() override { Hook(15, "finish"); }

    void TerminateToolRun(int nCode) override { Hook(0, ("terminate tool " + std::to_string(nCode)).c_str()); }
    void TerminateProgramRun(int nCode) override { Hook(0, ("terminate program " + std::to_string(nCode)).c_str()); }
    void SendDebuggerExit() override { Hook(0, "debugger exit"); }
    CString GetOpenProjectPath() override { return m_strOpenProject; }
    BOOL SaveModifiedProject() override
    {
        Hook(0, "save project");
        return !m_bProjectSaveCancelled;
    }
    void WaitForSearchIndexLoaders() override { Hook(0, "wait loaders"); }
    BOOL IsMainWindowMinimised() override { return m_bMinimised; }
    void SaveMainFrameLayout() override { Hook(0, "save layout"); }
};

// Runs in a fresh folder that is the current folder for its lifetime.
class CCurrentFolder {
public:
    explicit CCurrentFolder(const char* pszPath) : m_old(std::filesystem::current_path())
    {
        std::filesystem::current_path(pszPath);
    }
    ~CCurrentFolder() { std::filesystem::current_path(m_old); }

private:
    std::filesystem::path m_old;
};

TEST(JavaIDEApp, PendingSettingsFileReplacesTheOld)
{
    struct {
        const char* pszName;
        bool bPending, bOld;
        bool bMoved;
        const char* pszIniAfter;
    } cases[] = {
        {"pending replaces old", true, true, true, "new"},
        {"pending without old", true, false, true, "new"},
        {"nothing pending", false, true, false, "old"},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CTempFolder folder;
        if (c.bPending)
            folder.Write("mosk", "new");
        if (c.bOld)
            folder.Write("mosk.ini", "old");
        EXPECT_EQ(CJavaIDEApp::MigrateSettingsFile(folder.Path()), c.bMoved);
        EXPECT_EQ(ReadWholeFile(folder.File("mosk.ini")), c.pszIniAfter);
        EXPECT_FALSE(std::filesystem::exists(folder.File("mosk").c_str()));
    }
    CTempFolder folder;
    std::filesystem::create_directory(folder.File("mosk").c_str());  // a folder is not a pending file
    EXPECT_FALSE(CJavaIDEApp::MigrateSettingsFile(folder.Path()));
}

TEST(JavaIDEApp, IndexPathResolution)
{
    CTempFolder there, current;
    there.Write("mosk.pkg", "x");
    current.Write("mosk.pkg", "x");
    current.Write("user.cmd", "x");
    struct {
        const char* pszName;
        CString strPath;
        const char* pszIndexName;
        CString strExpected;
    } cases[] = {
        {"existing path is kept", there.File("mosk.pkg"), "mosk.pkg", there.File("mosk.pkg")},
        {"missing path, file in current folder", there.File("user.cmd"), "user.cmd", current.File("user.cmd")},
        {"missing everywhere: path kept", there.File("mosk.bns"), "mosk.bns", there.File("mosk.bns")},
        {"empty path: current folder even when missing", "", "mosk.hpg", current.File("mosk.hpg")},
        {"empty path, file there", "", "mosk.pkg", current.File("mosk.pkg")},
        {"a folder is not a file", there.Path(), "mosk.pkg", there.Path()},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CString strPath = c.strPath;
        CJavaIDEApp::ResolveIndexPath(strPath, c.pszIndexName, current.Path());
        EXPECT_EQ(strPath, c.strExpected);
    }
    CString strPath;
    CJavaIDEApp::ResolveIndexPath(strPath, "user.ipg", current.Path() + "/");
    EXPECT_EQ(strPath, current.File("user.ipg"));  // no doubled "/"
}

TEST(JavaIDEApp, StartupRunsTheStepsInOrder)
{
    CScriptedUserInterface ui;
    CSettingsFolder folder;
    folder.WriteIni("[Editor]\nMRULength=5\nTabSpaces=1\nUndoBufferSize=42\n[Edit]\nBackColor=255\n");
    CCurrentFolder cwd(folder.Folder().Path());
    CRecordingApp app;
    std::vector<std::string> loaded;
    for (int i = 0; i < CJavaIDEApp::INDEX_COUNT; ++i)
        if (i != CJavaIDEApp::INDEX_COMMANDS)
            app.SetIndexLoader(i, [&loaded, i](CJavaIDEApp&, const CString& strPath) {
                loaded.push_back(std::to_string(i) + " " + strPath.str());
                return TRUE;
            });
    ASSERT_TRUE(app.InitInstance(nullptr));
    EXPECT_EQ(app.GetFailedStep(), 0);
    const std::vector<std::string> expected = {
        "2 splash", "3 platform", "5 first run", "5 directories", "5 recent 5", "6 gui builder", "7 frame object",
        "8 project list", "8 main frame", "9 console", "10 templates", "12 help search", "13 show", "15 finish",
        "15 tip"};
    EXPECT_EQ(app.m_log, expected);
    // The editor colours today's Java keywords in the keyword format.
    CJavaLanguage* pJava = CTinctoView::GetJavaLanguage();
    ASSERT_NE(pJava->GetUserKeywords(), nullptr);
    EXPECT_EQ(pJava->IsKeyword("record"), pJava->GetUserKeywords());
    EXPECT_EQ(pJava->IsKeyword("record")->GetTextFormat(), pJava->GetJavaKeywords()->GetTextFormat());
    EXPECT_EQ(pJava->IsKeyword("recorder"), nullptr);
    // The program folder is the data folder; the index files live there.
    CString strData = folder.DataFolder();
    EXPECT_EQ(app.m_DirSettings.m_strProgramPath, strData);
    const std::vector<std::string> expectedLoads = {
        "0 " + strData.str() + "/mosk.proj", "2 " + strData.str() + "/mosk.pkg", "3 " + strData.str() + "/mosk.hpg",
        "4 " + strData.str() + "/mosk.ipg", "5 " + strData.str() + "/user.ipg", "6 " + strData.str() + "/mosk.bns"};
    EXPECT_EQ(loaded, expectedLoads);
    ASSERT_NE(app.GetCommandsDoc(), nullptr);
    EXPECT_EQ(app.GetCommandsDoc()->GetCount(), 0);
    // The engine took its settings.
    EXPECT_EQ(CTinctoView::GetBackgroundColor(), RGB(255, 0, 0));
    EXPECT_TRUE(CTinctoView::IsSpaceForTab());
    EXPECT_EQ(CTinctoView::GetMaxUndo(), 42);
    EXPECT_TRUE(app.m_DebuggerRun.m_bReady);
    EXPECT_TRUE(ui.m_shown.empty());
}

TEST(JavaIDEApp, FailingStepsStopStartup)
{
    struct {
        int nFailAt;
        const char* pszMessage;
    } cases[] = {
        {2, nullptr}, {6, nullptr}, {8, "Error allocating memory for Project !!!"},
        {9, "Error creating a debug console !!!"}, {12, nullptr}, {13, nullptr},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.nFailAt);
        CScriptedUserInterface ui;
        CSettingsFolder folder;
        folder.WriteIni("[Java]\nDocPath=/docs\n");
        CRecordingApp app;
        app.m_nFailAtStep = c.nFailAt;
        EXPECT_FALSE(app.InitInstance(nullptr));
        EXPECT_EQ(app.GetFailedStep(), c.nFailAt);
        ASSERT_FALSE(app.m_log.empty());
        EXPECT_EQ(std::stoi(app.m_log.back()), c.nFailAt);  // nothing ran after the failure
        if (c.pszMessage) {
            ASSERT_EQ(ui.m_shown.size(), 1u);
            EXPECT_EQ(ui.m_shown[0].strText, c.pszMessage);
        } else {
            EXPECT_TRUE(ui.m_shown.empty());
        }
    }
}

TEST(JavaIDEApp, FirstRunInformation)
{
    struct {
        const char* pszName;
        const char* pszIni;
        BOOL bTick;
        bool bShown;
        BOOL bWarningAfter;
    } cases[] = {
        {"no documentation, not shown yet", "", FALSE, true, FALSE},
        {"ticked: not again", "", TRUE, true, TRUE},
        {"already shown", "[Help]\nWarning=1\n", FALSE, false, TRUE},
        {"documentation set: warning cleared", "[Java]\nDocPath=/docs\n[Help]\nWarning=1\n", FALSE, false, FALSE},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CScriptedUserInterface ui;
        CSettingsFolder folder;
        folder.WriteIni(c.pszIni);
        CRecordingApp app;
        app.m_bTickDontShowAgain = c.bTick;
        ASSERT_TRUE(app.InitInstance(nullptr));
        bool bShown = std::find(app.m_log.begin(), app.m_log.end(), "5 first run") != app.m_log.end();
        EXPECT_EQ(bShown, c.bShown);
        EXPECT_EQ(app.m_EditorSettings.m_bWarning, c.bWarningAfter);
        ASSERT_TRUE(app.SaveSettings());
        EXPECT_EQ(CProfile::App().GetInt("Help", "Warning", -1), c.bWarningAfter);
    }
}

TEST(JavaIDEApp, FileNamedOnTheCommandLine)
{
    CSettingsFolder folder;
    CString strProject = folder.Folder().Write("Game.MOSK", "");
    CString strLast = folder.Folder().Write("last.mosk", "");
    struct {
        const char* pszName;
        CString strFile;
        CString strLastProject;
        const char* pszOpened;  // log entry of step 14; null: none
        const char* pszMessage;
    } cases[] = {
        {"a project in capitals", strProject, "", "project", nullptr},
        {"a source file", folder.Folder().File("A.java"), strLast, "document", nullptr},
        {"a missing project", folder.Folder().File("gone.mosk"), strLast, nullptr, "not found !!!"},
        {"none: the last project", "", strLast, "project", nullptr},
        {"none, last project gone", "", folder.Folder().File("gone.mosk"), nullptr, nullptr},
        {"none and no last project", "", "", nullptr, nullptr},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CScriptedUserInterface ui;
        folder.WriteIni("[Java]\nDocPath=/docs\n[Mosk]\nProject=" + c.strLastProject.str() + "\n");
        CRecordingApp app;
        ASSERT_TRUE(app.InitInstance(c.strFile));
        std::vector<std::string> opened;
        for (const std::string& str : app.m_log)
            if (str.rfind("14 ", 0) == 0)
                opened.push_back(str);
        if (c.pszOpened) {
            ASSERT_EQ(opened.size(), 1u);
            CString strExpectedFile = c.strFile.IsEmpty() ? c.strLastProject : c.strFile;
            EXPECT_EQ(opened[0], std::string("14 ") + c.pszOpened + " " + strExpectedFile.str());
        } else {
            EXPECT_TRUE(opened.empty());
        }
        if (c.pszMessage) {
            ASSERT_EQ(ui.m_shown.size(), 1u);
            EXPECT_NE(ui.m_shown[0].strText.Find(c.pszMessage), -1);
        } else {
            EXPECT_TRUE(ui.m_shown.empty());
        }
    }
}

TEST(JavaIDEApp, UserCommandsAreLoadedAndABadFileIsSurvived)
{
    CSettingsFolder folder;
    CAppFolders::EnsureFolder(folder.DataFolder());
    {
        CCommandsDoc doc;
        CCommand* pCommand = new CCommand;
        pCommand->m_strName = "List";
        pCommand->m_strCommand = "ls";
        doc.Add(pCommand);
        CString strError;
        ASSERT_TRUE(doc.Save(folder.DataFolder() + "/user.cmd", strError)) << strError.str();
    }
    {
        CScriptedUserInterface ui;
        folder.WriteIni("[Java]\nDocPath=/docs\n");
        CRecordingApp app;
        ASSERT_TRUE(app.InitInstance(nullptr));
        ASSERT_EQ(app.GetCommandsDoc()->GetCount(), 1);
        EXPECT_EQ(app.GetCommandsDoc()->GetAt(0)->m_strName, "List");
        EXPECT_EQ(app.ExitInstance(), 0);
        EXPECT_EQ(app.GetCommandsDoc(), nullptr);
    }
    // Version 1 and five commands, none of which follow.
    folder.Folder().Write("data/user.cmd", std::string("\x01\x00\x00\x00\x05\x00\x00\x00", 8));
    CScriptedUserInterface ui;
    CRecordingApp app;
    ASSERT_TRUE(app.InitInstance(nullptr));
    EXPECT_EQ(app.GetCommandsDoc()->GetCount(), 0);
    ASSERT_EQ(ui.m_shown.size(), 1u);
    EXPECT_NE(ui.m_shown[0].strText.Find("user.cmd"), -1);
    EXPECT_EQ(ReadWholeFile(folder.DataFolder() + "/user.cmd").size(), 8u);  // the file is left as it was
}

TEST(JavaIDEApp, Fonts)
{
    CSettingsFolder folder;
    folder.WriteIni("[Fonts]\nFace=DejaVu Sans Mono\nHeight=0\n");
    CJavaIDEApp app(s_colors);
    app.LoadEditorSettings();
    app.BuildFonts(120);
    EXPECT_STREQ(app.m_lfOutput.lfFaceName, "Courier");
    EXPECT_EQ(app.m_lfOutput.lfHeight, -17);
    EXPECT_STREQ(app.m_lfEditor.lfFaceName, "DejaVu Sans Mono");
    EXPECT_EQ(app.m_lfEditor.lfHeight, -17);  // height 0: 10 points
    EXPECT_STREQ(app.m_lfDialog.lfFaceName, "ms sans serif");
    EXPECT_EQ(app.m_lfDialog.lfHeight, -13);
    EXPECT_EQ(app.m_lfEditor.lfWeight, FW_NORMAL);
}

TEST(JavaIDEApp, ShippedFilesAreCopiedWhenMissingOrOlder)
{
    CTempFolder from, to;
    from.Write("tips.txt", "new tips");
    from.Write("classes.zip", "zip");
    to.Write("classes.zip", "mine");
    // The copy in the target is newer than the shipped one: it stays.
    std::filesystem::last_write_time(from.File("classes.zip").c_str(),
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    EXPECT_EQ(CJavaIDEApp::CopyShippedFiles(from.Path(), to.Path()), 1);
    EXPECT_EQ(ReadWholeFile(to.File("tips.txt")), "new tips");
    EXPECT_EQ(ReadWholeFile(to.File("classes.zip")), "mine");
    EXPECT_FALSE(std::filesystem::exists(to.File("keyboard.txt").c_str()));
    EXPECT_EQ(CJavaIDEApp::CopyShippedFiles(from.Path(), to.Path()), 0);
}

struct CCloseCase {
    const char* pszName;
    BOOL bToolRunning, bProgramBusy, bDebuggerRunning, bDebuggerReady;
    std::vector<int> answers;
    BOOL bCancelProjectSave;
    BOOL bMinimised;
    BOOL bCloses;
    std::vector<const char*> questions;  // beginnings of the texts shown, in order
    std::vector<std::string> log;
};

TEST(JavaIDEApp, CloseChecks)
{
    const char* pszTool = "Compile/Javadoc is in progress.";
    const char* pszProgram = "Application is running.";
    const char* pszKill = "Select YES to kill the debugger";
    const char* pszDebugger = "Java Debugger is running.";
    const char* pszBusy = "The debugger is busy loading.";
    const std::vector<std::string> tail = {"0 save project", "0 wait loaders", "0 save layout"};
    const CCloseCase cases[] = {
        {"nothing running", FALSE, FALSE, FALSE, TRUE, {}, FALSE, FALSE, TRUE, {}, tail},
        {"minimised: no layout", FALSE, FALSE, FALSE, TRUE, {}, FALSE, TRUE, TRUE, {},
         {"0 save project", "0 wait loaders"}},
        {"tool: no", TRUE, FALSE, FALSE, TRUE, {IDNO}, FALSE, FALSE, FALSE, {pszTool}, {}},
        {"tool: yes", TRUE, FALSE, FALSE, TRUE, {IDYES}, FALSE, FALSE, TRUE, {pszTool},
         {"0 terminate tool 101", "0 save project", "0 wait loaders", "0 save layout"}},
        {"program: no", FALSE, TRUE, FALSE, TRUE, {IDNO}, FALSE, FALSE, FALSE, {pszProgram}, {}},
        {"tool and program: yes, yes", TRUE, TRUE, FALSE, TRUE, {IDYES, IDYES}, FALSE, FALSE, TRUE,
         {pszTool, pszProgram},
         {"0 terminate tool 101", "0 terminate program 102", "0 save project", "0 wait loaders", "0 save layout"}},
        {"tool yes, program no", TRUE, TRUE, FALSE, TRUE, {IDYES, IDNO}, FALSE, FALSE, FALSE, {pszTool, pszProgram},
         {"0 terminate tool 101"}},
        {"debugger loading", FALSE, FALSE, TRUE, FALSE, {}, FALSE, FALSE, FALSE, {pszBusy}, {}},
        {"debugger: kill declined", FALSE, FALSE, TRUE, TRUE, {IDNO}, FALSE, FALSE, FALSE, {pszKill}, {}},
        {"debugger: second question declined", FALSE, FALSE, TRUE, TRUE, {IDYES, IDNO}, FALSE, FALSE, FALSE,
         {pszKill, pszDebugger}, {}},
        {"debugger: stopped", FALSE, FALSE, TRUE, TRUE, {IDYES, IDYES}, FALSE, FALSE, TRUE, {pszKill, pszDebugger},
         {"0 debugger exit", "0 save project", "0 wait loaders", "0 save layout"}},
        {"project save cancelled", FALSE, FALSE, FALSE, TRUE, {}, TRUE, FALSE, FALSE, {}, {"0 save project"}},
    };
    for (const CCloseCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        CScriptedUserInterface ui;
        for (int nAnswer : c.answers)
            ui.Answer(nAnswer);
        CSettingsFolder folder;
        CProfile& profile = folder.WriteIni("");
        CRecordingApp app;
        app.m_ToolRun.m_bRunning = c.bToolRunning;
        app.m_ProgramRun.m_bBusy = c.bProgramBusy;
        app.m_DebuggerRun.m_bRunning = c.bDebuggerRunning;
        app.m_DebuggerRun.m_bReady = c.bDebuggerReady;
        app.m_bProjectSaveCancelled = c.bCancelProjectSave;
        app.m_bMinimised = c.bMinimised;
        app.m_strOpenProject = "/work/p/Game.mosk";
        app.m_EditorSettings.m_nTabSize = 12;

        EXPECT_EQ(app.CanCloseMainFrame(), c.bCloses);
        ASSERT_EQ(ui.m_shown.size(), c.questions.size());
        for (size_t i = 0; i < c.questions.size(); ++i)
            EXPECT_EQ(ui.m_shown[i].strText.Find(c.questions[i]), 0) << ui.m_shown[i].strText.str();
        EXPECT_EQ(app.m_log, c.log);
        EXPECT_EQ(app.m_ToolRun.m_bUserAbort.load(), c.bToolRunning && c.answers.size() > 0 && c.answers[0] == IDYES);
        // The settings are saved exactly when the window closes.
        EXPECT_EQ(profile.GetInt("Editor", "Tabsize", 0), c.bCloses ? 12 : 0);
        // The open project is remembered once the run checks are passed.
        bool bPassedRuns = c.bCloses || c.bCancelProjectSave;
        EXPECT_EQ(profile.GetString("Mosk", "Project", ""), bPassedRuns ? "/work/p/Game.mosk" : "");
    }
}

TEST(JavaIDEApp, CloseQuestionsAreYesNoQuestions)
{
    CScriptedUserInterface ui;
    CSettingsFolder folder;
    folder.WriteIni("");
    CRecordingApp app;
    app.m_ToolRun.m_bRunning = TRUE;
    app.m_DebuggerRun.m_bRunning = TRUE;
    app.m_DebuggerRun.m_bReady = FALSE;
    ui.Answer(IDYES);
    EXPECT_FALSE(app.CanCloseMainFrame());
    ASSERT_EQ(ui.m_shown.size(), 2u);
    EXPECT_EQ(ui.m_shown[0].nType, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(ui.m_shown[1].nType, MB_OK | MB_ICONINFORMATION);
}

} // namespace
