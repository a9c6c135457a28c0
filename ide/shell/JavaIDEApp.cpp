#include "JavaIDEApp.h"

#include "SearchIndex.h"

#include "AppFolders.h"
#include "AppProjectHost.h"
#include "ArchiveFile.h"
#include "CommandRunContext.h"
#include "CommandRunner.h"
#include "CommandsDoc.h"
#include "ModernJavaKeywords.h"
#include "Profile.h"
#include "ProjectDoc.h"
#include "SettingsFile.h"
#include "SystemColors.h"
#include "TinctoView.h"
#include "ToolCommands.h"
#include "UserInterface.h"

#include <cassert>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

CJavaIDEApp* s_pApp = nullptr;

const char* const s_indexNames[CJavaIDEApp::INDEX_COUNT] = {
    "mosk.proj", "user.cmd", "mosk.pkg", "mosk.hpg", "mosk.ipg", "user.ipg", "mosk.bns",
};

const char* const s_shippedFiles[] = {"classes.zip", "tips.txt", "keyboard.txt"};

BOOL IsFile(const char* pszPath)
{
    struct stat st;
    return pszPath && *pszPath && ::stat(pszPath, &st) == 0 && S_ISREG(st.st_mode);
}

BOOL IsFolder(const char* pszPath)
{
    struct stat st;
    return pszPath && *pszPath && ::stat(pszPath, &st) == 0 && S_ISDIR(st.st_mode);
}

CString CurrentFolder()
{
    char szBuf[4096];
    return ::getcwd(szBuf, sizeof szBuf) ? CString(szBuf) : CString(".");
}

CString JoinPath(const CString& strFolder, const char* pszName)
{
    if (strFolder.IsEmpty() || strFolder[strFolder.GetLength() - 1] == '/')
        return strFolder + pszName;
    return strFolder + "/" + pszName;
}

void SetFont(LOGFONT& lf, const char* pszFace, int nHeight)
{
    std::memset(&lf, 0, sizeof lf);
    lf.lfHeight = nHeight;
    lf.lfWeight = FW_NORMAL;
    std::strncpy(lf.lfFaceName, pszFace, LF_FACESIZE - 1);
}

} // namespace

CJavaIDEApp::CJavaIDEApp(const CSystemColors& colors)
    : m_EditorSettings(colors)
    , m_colors(colors)
{
    std::memset(&m_lfOutput, 0, sizeof m_lfOutput);
    std::memset(&m_lfEditor, 0, sizeof m_lfEditor);
    std::memset(&m_lfDialog, 0, sizeof m_lfDialog);
    for (int i = 0; i < INDEX_COUNT; ++i)
        m_strIndexPaths[i] = s_indexNames[i];
    RegisterHelpIndexLoaders();
    s_pApp = this;
}

CJavaIDEApp::CJavaIDEApp()
    : CJavaIDEApp(CSystemColors::Get())
{
}

CJavaIDEApp::~CJavaIDEApp()
{
    delete m_pCommandsDoc;
    if (s_pApp == this)
        s_pApp = nullptr;
}

CJavaIDEApp* CJavaIDEApp::Get()
{
    return s_pApp;
}

CProfile& CJavaIDEApp::GetProfile() const
{
    return CProfile::App();
}

// ---------------------------------------------------------------------------
// Start-up

BOOL CJavaIDEApp::InitInstance(const char* pszCommandLineFile)
{
    m_strCommandLineFile = pszCommandLineFile ? pszCommandLineFile : "";
    m_nFailedStep = 0;
    // MOSK_STARTUP_TRACE=1: each step's time on standard error, to see where a start goes.
    const char* pszTrace = std::getenv("MOSK_STARTUP_TRACE");
    const bool bTrace = pszTrace && std::strcmp(pszTrace, "1") == 0;
    for (int nStep = 1; nStep <= STARTUP_STEP_COUNT; ++nStep) {
        auto start = std::chrono::steady_clock::now();
        BOOL bDone = RunStartupStep(nStep);
        if (bTrace)
            std::fprintf(stderr, "mosk: start-up step %d took %.1f ms\n", nStep,
                         std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (!bDone) {
            m_nFailedStep = nStep;
            return FALSE;
        }
    }
    return TRUE;
}

BOOL CJavaIDEApp::RunStartupStep(int nStep)
{
    switch (nStep) {
    case 1:
        MigrateSettingsFile(CAppFolders::GetSettingsFolder());
        return TRUE;
    case 2:
        return EnableSplash();
    case 3:
        return InitPlatform();
    case 4:
        // The settings file is fixed by the settings folder; the records start clear.
        m_ToolRun.Clear();
        m_ProgramRun.Clear();
        m_DebuggerRun.Clear();
        return TRUE;
    case 5: {
        LoadEditorSettings();
        LoadDirSettings();
        CProfile& profile = GetProfile();
        m_strIndexPaths[INDEX_PACKAGES] = profile.GetString("Java", "PkgPath", m_strIndexPaths[INDEX_PACKAGES]);
        m_strIndexPaths[INDEX_HELP_TREE] = profile.GetString("Java", "HelpPath", m_strIndexPaths[INDEX_HELP_TREE]);
        LoadRecentFileList(m_EditorSettings.m_nMRULength);
        return TRUE;
    }
    case 6:
        return UpdateGuiBuilderSettings();
    case 7:
        if (!CreateMainFrameObject())
            return FALSE;
        CModernJavaKeywords::Install();
        CTinctoView::Init(m_EditorSettings.m_clrEditBack, 100);
        CTinctoView::SetSpaceForTab(m_EditorSettings.m_bTabSpaces);
        CTinctoView::SetSmartIndent(m_EditorSettings.m_bSmartIndent);
        CTinctoView::SetMaxUndo(m_EditorSettings.m_nUndoBufferSize);
        BuildFonts(GetScreenLogPixelsY());
        return TRUE;
    case 8:
        if (!CreateProjectList()) {
            AfxMessageBox("Error allocating memory for Project !!!", MB_OK | MB_ICONSTOP);
            return FALSE;
        }
        return LoadMainFrame();
    case 9:
        if (!CreateConsole()) {
            AfxMessageBox("Error creating a debug console !!!", MB_OK | MB_ICONSTOP);
            return FALSE;
        }
        return TRUE;
    case 10:
        return CreateDocumentTemplates();
    case 11:
        SetIndexPathsFromProgramPath();
        return TRUE;
    case 12:
        return LoadIndexFiles();
    case 13:
        return ShowMainFrame();
    case 14:
        OpenCommandLineFile();
        return TRUE;
    case 15:
        FinishMainWindow();
        if (m_EditorSettings.m_bTip)
            ShowTipOfTheDay();
        return TRUE;
    default:
        assert(!"no such start-up step");
        return FALSE;
    }
}

BOOL CJavaIDEApp::LoadIndexFiles()
{
    CString strCurrent = CurrentFolder();
    for (int i = 0; i < INDEX_COUNT; ++i) {
        if (i == INDEX_SYSTEM_SEARCH && !CreateHelpSearchDialog())
            return FALSE;
        ResolveIndexPath(m_strIndexPaths[i], s_indexNames[i], strCurrent);
        if (i == INDEX_COMMANDS) {
            if (!LoadCommands(m_strIndexPaths[i]))
                return FALSE;
        } else if (i == INDEX_PROJECT_LIST && !m_loaders[i] && m_pProjectDoc) {
            // A list that cannot be read is reported; the program goes on with an empty one.
            m_pProjectDoc->Load(m_strIndexPaths[i]);
        } else if (m_loaders[i] && !m_loaders[i](*this, m_strIndexPaths[i])) {
            return FALSE;
        }
    }
    return TRUE;
}

BOOL CJavaIDEApp::LoadCommands(const CString& strPath)
{
    delete m_pCommandsDoc;
    m_pCommandsDoc = new CCommandsDoc;
    CString strError;
    if (!m_pCommandsDoc->Load(strPath, strError)) {
        // A damaged file costs the commands, not the start of the program.
        AfxMessageBox("Error reading the commands file " + strPath + ": " + strError + " !!!", MB_OK | MB_ICONSTOP);
        m_pCommandsDoc->RemoveAll();
    }
    return TRUE;
}

void CJavaIDEApp::OpenCommandLineFile()
{
    if (!m_strCommandLineFile.IsEmpty()) {
        CString strFile = m_strCommandLineFile;
        int nSlash = strFile.ReverseFind('/');
        int nDot = strFile.ReverseFind('.');
        CString strExt = nDot > nSlash ? strFile.Mid(nDot) : CString();
        if (strExt.CompareNoCase(".mosk") != 0) {
            OpenDocumentFile(strFile);
        } else if (IsFile(strFile)) {
            OpenProject(strFile);
        } else {
            CString strText;
            strText.Format("File %s not found !!!", strFile.c_str());
            AfxMessageBox(strText);
        }
        return;
    }
    CString strProject = GetProfile().GetString("Mosk", "Project", "");
    if (IsFile(strProject))
        OpenProject(strProject);
}

// ---------------------------------------------------------------------------
// Settings

void CJavaIDEApp::LoadDirSettings()
{
    CProfile& profile = GetProfile();
    // Without a program folder of its own the program keeps its files in the per-user data folder.
    CString strDataFolder = CAppFolders::GetDataFolder();
    m_DirSettings.Load(profile, strDataFolder);
    if (m_DirSettings.m_strProgramPath == strDataFolder && CAppFolders::EnsureFolder(strDataFolder)) {
        CString strShipped = GetShippedFilesFolder();
        if (!strShipped.IsEmpty())
            CopyShippedFiles(strShipped, strDataFolder);
    }
    if (m_DirSettings.NeedsFirstRunInfo(m_EditorSettings.m_bWarning)) {
        BOOL bDontShowAgain = FALSE;
        ShowFirstRunInfo(bDontShowAgain);
        if (bDontShowAgain)
            m_EditorSettings.m_bWarning = TRUE;
        ShowDirectoriesDialog();
    }
    m_DirSettings.BuildHelpDirs(profile, m_EditorSettings.m_bWarning);
}

BOOL CJavaIDEApp::SaveDirSettings()
{
    return m_DirSettings.Save(GetProfile());
}

void CJavaIDEApp::LoadEditorSettings()
{
    m_EditorSettings.Load(GetProfile(), m_colors);
}

BOOL CJavaIDEApp::SaveEditorSettings()
{
    return m_EditorSettings.Save(GetProfile());
}

BOOL CJavaIDEApp::SaveSettings()
{
    BOOL bDirs = SaveDirSettings();
    BOOL bEditor = SaveEditorSettings();
    return bDirs && bEditor;
}

void CJavaIDEApp::RebuildHelpDirs()
{
    m_DirSettings.BuildHelpDirs(GetProfile(), m_EditorSettings.m_bWarning);
}

BOOL CJavaIDEApp::ApplyDirectoriesDialog(const CDirSettings::CDialogValues& values)
{
    return m_DirSettings.ApplyDialog(values, GetProfile(), m_EditorSettings.m_bWarning);
}

BOOL CJavaIDEApp::ApplyEditorDialog(const CEditorSettings::CDialogValues& values)
{
    int nOldUndo = m_EditorSettings.m_nUndoBufferSize;
    if (!m_EditorSettings.SetDialogValues(values))
        return FALSE;
    CTinctoView::SetSpaceForTab(m_EditorSettings.m_bTabSpaces);
    ApplyEditorSettingsToViews();
    // The engine takes its undo depth only at start-up.
    if (m_EditorSettings.m_nUndoBufferSize != nOldUndo)
        AfxMessageBox("Undo buffer size will take effect next time you start Mosk !!!");
    SaveEditorSettings();
    return TRUE;
}

void CJavaIDEApp::ApplyEditorFont(const char* pszFace, int nHeight)
{
    m_EditorSettings.m_strFontFace = pszFace;
    m_EditorSettings.m_nFontHeight = nHeight;
    SetFont(m_lfEditor, pszFace, nHeight);
    ApplyEditorFontToViews();
}

const CString& CJavaIDEApp::GetIndexPath(int nIndex) const
{
    assert(nIndex >= 0 && nIndex < INDEX_COUNT);
    return m_strIndexPaths[nIndex];
}

void CJavaIDEApp::SetIndexPath(int nIndex, const char* pszPath)
{
    assert(nIndex >= 0 && nIndex < INDEX_COUNT);
    m_strIndexPaths[nIndex] = pszPath;
}

const char* CJavaIDEApp::GetIndexFileName(int nIndex)
{
    assert(nIndex >= 0 && nIndex < INDEX_COUNT);
    return s_indexNames[nIndex];
}

void CJavaIDEApp::SetIndexLoader(int nIndex, IndexLoader fnLoader)
{
    assert(nIndex >= 0 && nIndex < INDEX_COUNT && nIndex != INDEX_COMMANDS);
    m_loaders[nIndex] = std::move(fnLoader);
}

void CJavaIDEApp::SetIndexPathsFromProgramPath()
{
    const CString& strProgram = m_DirSettings.m_strProgramPath;
    if (!IsFolder(strProgram))
        return;
    for (int i = 0; i < INDEX_COUNT; ++i)
        m_strIndexPaths[i] = JoinPath(strProgram, s_indexNames[i]);
}

void CJavaIDEApp::BuildFonts(int nLogPixelsY)
{
    SetFont(m_lfOutput, "Courier", CEditorSettings::PointsToHeight(10, nLogPixelsY));
    SetFont(m_lfEditor, m_EditorSettings.m_strFontFace, m_EditorSettings.GetEditorFontHeight(nLogPixelsY));
    SetFont(m_lfDialog, "ms sans serif", CEditorSettings::PointsToHeight(8, nLogPixelsY));
}

BOOL CJavaIDEApp::MigrateSettingsFile(const char* pszFolder)
{
    CString strPending = JoinPath(pszFolder, "mosk");
    if (!IsFile(strPending))
        return FALSE;
    // rename replaces "mosk.ini" in one step: it is never left missing.
    return ::rename(strPending, JoinPath(pszFolder, "mosk.ini")) == 0;
}

void CJavaIDEApp::ResolveIndexPath(CString& strPath, const char* pszName, const char* pszCurrentFolder)
{
    if (!strPath.IsEmpty() && IsFile(strPath))
        return;
    CString strName = strPath.IsEmpty() ? CString(pszName) : strPath.Mid(strPath.ReverseFind('/') + 1);
    CString strCandidate = JoinPath(pszCurrentFolder, strName);
    if (strPath.IsEmpty() || IsFile(strCandidate))
        strPath = strCandidate;
}

int CJavaIDEApp::CopyShippedFiles(const char* pszFrom, const char* pszTo)
{
    int nCopied = 0;
    for (const char* pszName : s_shippedFiles) {
        CString strFrom = JoinPath(pszFrom, pszName), strTo = JoinPath(pszTo, pszName);
        struct stat stFrom, stTo;
        if (::stat(strFrom, &stFrom) != 0 || !S_ISREG(stFrom.st_mode))
            continue;
        if (::stat(strTo, &stTo) == 0 && stTo.st_mtime >= stFrom.st_mtime)
            continue;
        std::string strData;
        CString strError;
        if (CArchiveFile::ReadWholeFile(strFrom, strData, strError)
            && CArchiveFile::WriteWholeFile(strTo, strData, strError))
            ++nCopied;
    }
    return nCopied;
}

// ---------------------------------------------------------------------------
// Close and exit

BOOL CJavaIDEApp::CanCloseMainFrame()
{
    const UINT nQuestion = MB_YESNO | MB_ICONQUESTION;
    if (m_ToolRun.m_bRunning) {
        if (AfxMessageBox("Compile/Javadoc is in progress. Select Yes to exit.", nQuestion) != IDYES)
            return FALSE;
        m_ToolRun.m_bUserAbort = TRUE;
        TerminateToolRun(TOOL_ABORT_EXIT_CODE);
    }
    if (m_ProgramRun.m_bBusy) {
        if (AfxMessageBox("Application is running. Select Yes to Stop the app and exit.", nQuestion) != IDYES)
            return FALSE;
        m_ProgramRun.m_bUserAbort = TRUE;
        TerminateProgramRun(PROGRAM_ABORT_EXIT_CODE);
    }
    if (m_DebuggerRun.m_bRunning) {
        if (!m_DebuggerRun.m_bReady) {
            AfxMessageBox("The debugger is busy loading. Please try exiting the app later.", MB_OK | MB_ICONINFORMATION);
            return FALSE;
        }
        if (!ConfirmDebuggerKill())
            return FALSE;
        if (AfxMessageBox("Java Debugger is running. Select Yes to Stop the debugger and exit.", nQuestion) != IDYES)
            return FALSE;
        SendDebuggerExit();
        m_DebuggerRun.m_bAborted = TRUE;
    }
    CSettingsFile::WriteString(GetProfile(), "Mosk", "Project", GetOpenProjectPath());
    if (!SaveModifiedProject())
        return FALSE;
    WaitForSearchIndexLoaders();
    if (!IsMainWindowMinimised())
        SaveMainFrameLayout();
    SaveSettings();
    return TRUE;
}

int CJavaIDEApp::ExitInstance()
{
    ReleaseSharedObjects();
    delete m_pCommandsDoc;
    m_pCommandsDoc = nullptr;
    return 0;
}

// ---------------------------------------------------------------------------
// Default hooks: what the headless core does without windows.

BOOL CJavaIDEApp::EnableSplash() { return TRUE; }

BOOL CJavaIDEApp::InitPlatform()
{
    // The views' special cases were written for the platforms this one stands in for.
    m_bSystemVersion = TRUE;
    return TRUE;
}

void CJavaIDEApp::LoadRecentFileList(int) {}

BOOL CJavaIDEApp::ShowFirstRunInfo(BOOL& bDontShowAgain)
{
    bDontShowAgain = FALSE;
    return TRUE;
}

void CJavaIDEApp::ShowDirectoriesDialog() {}
CString CJavaIDEApp::GetShippedFilesFolder() { return CString(); }
BOOL CJavaIDEApp::UpdateGuiBuilderSettings() { return TRUE; }
BOOL CJavaIDEApp::CreateMainFrameObject() { return TRUE; }
int CJavaIDEApp::GetScreenLogPixelsY() { return 96; }
BOOL CJavaIDEApp::CreateProjectList()
{
    m_pProjectHost = CreateProjectHost();
    m_pProjectDoc = std::make_unique<CProjectDoc>(m_pProjectHost.get());
    return TRUE;
}
std::unique_ptr<CAppProjectHost> CJavaIDEApp::CreateProjectHost()
{
    return std::make_unique<CAppProjectHost>(*this);
}
BOOL CJavaIDEApp::LoadMainFrame() { return TRUE; }
BOOL CJavaIDEApp::CreateConsole() { return TRUE; }
BOOL CJavaIDEApp::CreateDocumentTemplates() { return TRUE; }
BOOL CJavaIDEApp::CreateHelpSearchDialog() { return TRUE; }
BOOL CJavaIDEApp::ShowMainFrame() { return TRUE; }
BOOL CJavaIDEApp::OpenDocumentFile(const char*) { return FALSE; }
BOOL CJavaIDEApp::OpenProject(const char* pszPath)
{
    return m_pProjectDoc && m_pProjectDoc->OpenProjectFile(pszPath);
}
void CJavaIDEApp::ShowTipOfTheDay() {}
void CJavaIDEApp::FinishMainWindow() {}

void CJavaIDEApp::TerminateToolRun(int)
{
    // The runner ends the run as aborted; once it is over the main window
    // gets a close request.
    if (m_pToolCommands)
        m_pToolCommands->RequestToolExit();
    else if (m_ToolRun.m_nProcess > 0)
        ::kill(m_ToolRun.m_nProcess, SIGTERM);
}

void CJavaIDEApp::TerminateProgramRun(int)
{
    if (m_pToolCommands)
        m_pToolCommands->RequestProgramExit();
    else if (m_ProgramRun.m_nProcess > 0)
        ::kill(m_ProgramRun.m_nProcess, SIGTERM);
}

BOOL CJavaIDEApp::ConfirmDebuggerKill()
{
    int nAnswer = AfxMessageBox("Select YES to kill the debugger otherwise select NO. Please note you may have to "
                                "kill some tasks manually from the system task list if you kill the debugger.",
                                MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    if (nAnswer != IDYES)
        return FALSE;
    if (m_DebuggerRun.m_nProcess > 0)
        ::kill(m_DebuggerRun.m_nProcess, SIGTERM);
    return TRUE;
}

void CJavaIDEApp::ApplyEditorSettingsToViews() {}
void CJavaIDEApp::ApplyEditorFontToViews() {}
void CJavaIDEApp::SendDebuggerExit() {}
CString CJavaIDEApp::GetOpenProjectPath()
{
    if (!m_pProjectDoc || !m_pProjectDoc->GetProject().IsOpen())
        return CString();
    return m_pProjectDoc->GetProject().GetPathName();
}

BOOL CJavaIDEApp::SaveModifiedProject()
{
    if (!m_pProjectDoc)
        return TRUE;
    if (m_pProjectDoc->GetProject().IsOpen() && m_pProjectDoc->GetProject().IsModified()
        && !m_pProjectDoc->GetProject().Save())
        return FALSE;
    return m_pProjectDoc->SaveModified();
}

BOOL CJavaIDEApp::RunUserCommand(UINT nId, const char* pszPath,
                                 const std::function<BOOL(const CCommandLaunch&)>& fnStart)
{
    if (!m_pCommandsDoc)
        return FALSE;
    BOOL bProjectMenu = nId >= CCommandsDoc::FIRST_PROJECT_COMMAND_ID;
    const CCommand* pCommand = m_pCommandsDoc->FindMenuCommand(nId, bProjectMenu);
    if (!pCommand)
        return FALSE;
    CCommandRunContext context =
        bProjectMenu ? CCommandRunContext::ForProject(pszPath) : CCommandRunContext::ForFile(pszPath);
    if (m_pProjectDoc)
        context.SetOpenProject(*m_pProjectDoc);
    return CCommandRunner::Run(*pCommand, context, fnStart) == CCommandRunner::RUN_STARTED;
}
BOOL CJavaIDEApp::RunUserCommand(UINT nId, const char* pszPath)
{
    if (!m_pToolCommands)
        return FALSE;
    CToolCommands* pCommands = m_pToolCommands;
    return RunUserCommand(nId, pszPath,
                          [pCommands](const CCommandLaunch& launch) { return pCommands->StartUserCommand(launch); });
}

BOOL CJavaIDEApp::IsMainWindowMinimised() { return FALSE; }
void CJavaIDEApp::SaveMainFrameLayout() {}
void CJavaIDEApp::ReleaseSharedObjects() {}
