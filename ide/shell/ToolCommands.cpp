#include "ToolCommands.h"

#include "ChildProcess.h"
#include "CommandRunner.h"
#include "JarOptions.h"
#include "JavaIDEApp.h"
#include "MDIOutputFrame.h"
#include "PathName.h"
#include "ProgramInputModel.h"
#include "ProgramRunState.h"
#include "ProgramRunner.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "ProjectPages.h"
#include "RmiOptions.h"
#include "RunClass.h"
#include "RunMessages.h"
#include "ToolCommandLine.h"
#include "ToolDocumentHost.h"
#include "ToolRunState.h"
#include "ToolRunner.h"
#include "UserInterface.h"

#include <algorithm>
#include <cstring>
#include <glob.h>
#include <unistd.h>
#include <utility>

namespace {

const char* const SEQUENCE_LINE = "\n\n--------------------------------------------\n";
const char* const ERROR_HINT_LINE = "\n\n-----------------------------------------------------------------------------";
const char* const ERROR_HINT = "\nDouble click on the line with file name\nand error number to locate the error.";
const char* const OUTPUT_BUSY = "Please wait. Another process is using the output Window !!!";

// The folder a process started with an empty working directory runs in.
CString CurrentFolder()
{
    char szBuffer[4096];
    return ::getcwd(szBuffer, sizeof szBuffer) ? CString(szBuffer) : CString();
}

// Programs on this system get their arguments as written, without the
// wildcard expansion the tools do for themselves elsewhere: a pattern is
// replaced by the matching names in pszFolder (sorted, quoted when spaced),
// and kept as it is when nothing matches so that the tool names it.
CString ExpandPattern(const char* pszFolder, const CString& strPattern)
{
    if (strPattern.FindOneOf("*?[") < 0)
        return strPattern;
    CString strFolder(pszFolder);
    if (strFolder.IsEmpty())
        strFolder = CurrentFolder();
    if (!strFolder.IsEmpty() && strFolder[strFolder.GetLength() - 1] != '/')
        strFolder += '/';
    // Characters of the folder that glob reads as patterns are escaped.
    CString strEscaped;
    for (int i = 0; i < strFolder.GetLength(); ++i) {
        char ch = strFolder[i];
        if (ch == '*' || ch == '?' || ch == '[' || ch == '\\')
            strEscaped += '\\';
        strEscaped += ch;
    }
    glob_t found{};
    CString strResult;
    if (::glob((strEscaped + strPattern).c_str(), 0, nullptr, &found) == 0) {
        for (size_t i = 0; i < found.gl_pathc; ++i) {
            CString strName(found.gl_pathv[i] + strFolder.GetLength());
            if (!strResult.IsEmpty())
                strResult += ' ';
            strResult += CToolCommandLine::QuoteIfSpaced(strName);
        }
    }
    ::globfree(&found);
    return strResult.IsEmpty() ? strPattern : strResult;
}

// Index of the first character that is not a carriage return or line feed; -1 when there is none.
int FirstContentIndex(const CString& strText)
{
    size_t nFirst = strText.str().find_first_not_of("\r\n");
    return nFirst == std::string::npos ? -1 : static_cast<int>(nFirst);
}

// The archive and RMI dialogs' fields and the settings that keep them
// between runs of the dialogs.
template <class TOptions>
using CSwitchLink = std::pair<BOOL CEditorSettings::*, BOOL TOptions::*>;
template <class TOptions>
using CTextLink = std::pair<CString CEditorSettings::*, CString TOptions::*>;

const CSwitchLink<CJarOptions> JAR_SWITCHES[] = {
    {&CEditorSettings::m_bJarIncludeManifest, &CJarOptions::m_bIncludeManifest},
    {&CEditorSettings::m_bJarNoCompression, &CJarOptions::m_bNoCompression},
    {&CEditorSettings::m_bJarNoManifestEntries, &CJarOptions::m_bNoManifestEntries},
    {&CEditorSettings::m_bJarSpecifyArchive, &CJarOptions::m_bSpecifyArchive},
    {&CEditorSettings::m_bJarVerbose, &CJarOptions::m_bVerbose},
    {&CEditorSettings::m_bJarCustom, &CJarOptions::m_bCustom},
};
const CTextLink<CJarOptions> JAR_TEXTS[] = {
    {&CEditorSettings::m_strJarManifestFile, &CJarOptions::m_strManifestFile},
    {&CEditorSettings::m_strJarOutputFile, &CJarOptions::m_strOutputFile},
    {&CEditorSettings::m_strJarCustomOptions, &CJarOptions::m_strCustomOptions},
};
const CSwitchLink<CRmiOptions> RMI_SWITCHES[] = {
    {&CEditorSettings::m_bRmicClassPath, &CRmiOptions::m_bClassPath},
    {&CEditorSettings::m_bRmicCustom, &CRmiOptions::m_bCustom},
    {&CEditorSettings::m_bRmicDebug, &CRmiOptions::m_bDebug},
    {&CEditorSettings::m_bRmicDebugTables, &CRmiOptions::m_bDebugTables},
    {&CEditorSettings::m_bRmicDepend, &CRmiOptions::m_bDepend},
    {&CEditorSettings::m_bRmicOutputDir, &CRmiOptions::m_bOutputDir},
    {&CEditorSettings::m_bRmicKeepGenerated, &CRmiOptions::m_bKeepGenerated},
    {&CEditorSettings::m_bRmicNoWarn, &CRmiOptions::m_bNoWarnings},
    {&CEditorSettings::m_bRmicNoWrite, &CRmiOptions::m_bNoWrite},
    {&CEditorSettings::m_bRmicOptimize, &CRmiOptions::m_bOptimize},
    {&CEditorSettings::m_bRmicShow, &CRmiOptions::m_bShow},
    {&CEditorSettings::m_bRmicSkelDir, &CRmiOptions::m_bSkeletonDir},
    {&CEditorSettings::m_bRmicStubDir, &CRmiOptions::m_bStubDir},
    {&CEditorSettings::m_bRmicVerbose, &CRmiOptions::m_bVerbose},
};
const CTextLink<CRmiOptions> RMI_TEXTS[] = {
    {&CEditorSettings::m_strRmicCustomOptions, &CRmiOptions::m_strCustomOptions},
    {&CEditorSettings::m_strRmicOutputDirPath, &CRmiOptions::m_strOutputDir},
    {&CEditorSettings::m_strRmicSkelDirPath, &CRmiOptions::m_strSkeletonDir},
    {&CEditorSettings::m_strRmicStubDirPath, &CRmiOptions::m_strStubDir},
};

template <class TOptions, class TLinks>
void LoadLinks(const CEditorSettings& settings, TOptions& options, const TLinks& links)
{
    for (const auto& link : links)
        options.*link.second = settings.*link.first;
}

template <class TOptions, class TLinks>
void SaveLinks(CEditorSettings& settings, const TOptions& options, const TLinks& links)
{
    for (const auto& link : links)
        settings.*link.first = options.*link.second;
}

}  // namespace

CToolCommands::CToolCommands(CJavaIDEApp& app, CToolDocumentHost& host)
    : m_app(app),
      m_host(host),
      m_pToolRunner(std::make_unique<CToolRunner>(app.m_ToolRun)),
      m_pProgramRunner(std::make_unique<CProgramRunner>(app.m_ProgramRun))
{
    m_output.SetNavigator(&m_host);
    m_app.SetToolCommands(this);
}

CToolCommands::~CToolCommands()
{
    if (m_app.GetToolCommands() == this)
        m_app.SetToolCommands(nullptr);
    // The frames' processes end with their frames; the runners kill their
    // children without waiting for their threads.
    m_frames.clear();
    m_plainProcesses.clear();
    m_pInput.reset();
}

// ---------------------------------------------------------------------------
// Surroundings

CProjectDoc* CToolCommands::GetProjectDoc() const
{
    return m_app.GetProjectDoc();
}

CProject* CToolCommands::GetOpenProject() const
{
    CProjectDoc* pDoc = GetProjectDoc();
    return pDoc && pDoc->GetProject().IsOpen() ? &pDoc->GetProject() : nullptr;
}

const CToolOptions& CToolCommands::GetGlobalOptions() const
{
    static const CToolOptions s_defaults;
    CProjectDoc* pDoc = GetProjectDoc();
    return pDoc ? pDoc->m_options : s_defaults;
}

const char* CToolCommands::GetExePath() const
{
    return m_app.m_DirSettings.m_strExePath;
}

BOOL CToolCommands::IsToolRunActive() const
{
    return m_pToolRunner->IsActive();
}

BOOL CToolCommands::IsProgramRunActive() const
{
    return m_pProgramRunner->IsBusy();
}

void CToolCommands::WriteOutput(const char* pszText)
{
    m_output.Write(pszText);
}

void CToolCommands::ShowOutputPane()
{
    ++m_nShowPane;
    if (m_fnShowPane)
        m_fnShowPane();
}

void CToolCommands::ClearOutput()
{
    m_output.Clear();
}

// ---------------------------------------------------------------------------
// Command dispatch

BOOL CToolCommands::IsCommandEnabled(UINT nId)
{
    switch (nId) {
    case ID_BUILD_COMPILE:
    case ID_JAVADOC:
        return CanCompile();
    case ID_COMPILE_MAIN_FILE:
        return CanCompileMainFile();
    case ID_COMPILE_ALL_JAVA:
    case ID_REBUILD_ALL:
    case ID_JAVADOC_ALL:
        return CanBuildAll();
    case ID_TREE_COMPILE:
        return !IsToolRunActive() && !IsProgramRunActive();
    case ID_JAVADOC_FOLDER:
    case ID_INPUT_WINDOW:
    case ID_MAKE_JAR:
    case ID_RMI_COMPILE:
        return TRUE;
    case ID_STOP_BUILD:
        return CanStopBuild();
    case ID_TOGGLE_COMPILER:
        return CanToggleCompiler();
    case ID_RUN:
        return CanRun();
    case ID_STOP_RUN:
        return CanStopRun();
    case ID_ADD_DEFAULT_HTML:
        return CanAddDefaultHtml();
    case ID_ADD_MANIFEST:
        return CanAddManifestFile();
    case ID_MAKE_BEAN:
        return CanMakeBean();
    default:
        return FALSE;
    }
}

BOOL CToolCommands::OnCommand(UINT nId)
{
    if (!IsCommandEnabled(nId))
        return FALSE;
    switch (nId) {
    case ID_BUILD_COMPILE: OnCompile(); break;
    case ID_COMPILE_MAIN_FILE: OnCompileMainFile(); break;
    case ID_COMPILE_ALL_JAVA: OnCompileAllJava(); break;
    case ID_REBUILD_ALL: OnRebuildAll(); break;
    case ID_JAVADOC: OnJavadoc(); break;
    case ID_JAVADOC_ALL: OnJavadocAll(); break;
    case ID_JAVADOC_FOLDER: OnJavadocFolder(); break;
    case ID_STOP_BUILD: OnStopBuild(); break;
    case ID_TOGGLE_COMPILER: OnToggleCompiler(); break;
    case ID_RUN: OnRun(); break;
    case ID_STOP_RUN: OnStopRun(); break;
    case ID_INPUT_WINDOW: OnInputWindow(); break;
    case ID_ADD_DEFAULT_HTML: OnAddDefaultHtml(); break;
    case ID_ADD_MANIFEST: OnAddManifestFile(); break;
    default:
        // The tree's Compile needs its file; the dialogs are the main window's.
        return FALSE;
    }
    return TRUE;
}

// ---------------------------------------------------------------------------
// Enabling

BOOL CToolCommands::CanCompile()
{
    if (IsToolRunActive() || IsProgramRunActive())
        return FALSE;
    return CPathName(m_host.GetActiveDocumentPath()).HasExtension(".java");
}

BOOL CToolCommands::CanCompileMainFile()
{
    CProject* pProject = GetOpenProject();
    return pProject && !pProject->m_strMainClass.IsEmpty() && !IsToolRunActive() && !IsProgramRunActive();
}

BOOL CToolCommands::CanBuildAll()
{
    CProjectDoc* pDoc = GetProjectDoc();
    return pDoc && pDoc->CanBuildAll(IsToolRunActive() || IsProgramRunActive());
}

BOOL CToolCommands::CanStopBuild()
{
    return IsToolRunActive();
}

BOOL CToolCommands::CanToggleCompiler()
{
    return !GetGlobalOptions().m_strCompOtherCommand.IsEmpty();
}

BOOL CToolCommands::CanRun()
{
    if (IsToolRunActive() || IsProgramRunActive() || m_app.m_DebuggerRun.m_bRunning)
        return FALSE;
    if (GetOpenProject())
        return TRUE;
    CPathName active(m_host.GetActiveDocumentPath());
    return active.HasExtension(".java") || active.HasExtension(".html") || active.HasExtension(".htm");
}

BOOL CToolCommands::CanStopRun()
{
    return m_app.m_ProgramRun.m_bBusy;
}

// ---------------------------------------------------------------------------
// Compiler and documentation runs

BOOL CToolCommands::StartToolRun(const CString& strCommandLine, const CString& strWorkingDir,
                                 const char* pszSourcePath, int nContinuation, UINT nCompletionMsg)
{
    m_output.SetBaseFolder(strWorkingDir.IsEmpty() ? CurrentFolder() : strWorkingDir);
    return m_pToolRunner->Start(strCommandLine, strWorkingDir, pszSourcePath, nContinuation, nCompletionMsg,
                                GetHandle(), this);
}

BOOL CToolCommands::Compile(const char* pszPath, int nContinuation, BOOL bAllFiles)
{
    if (IsToolRunActive())
        return FALSE;
    CProject* pProject = GetOpenProject();
    // The project's options count for its own files and for runs over all of them.
    const CToolOptions* pOptions =
        pProject && (bAllFiles || pProject->HasFile(pszPath)) ? &pProject->m_options : nullptr;
    CString strCommandLine = CToolCommandLine::Compiler(pOptions, GetGlobalOptions(), GetExePath());
    CString strDir;
    if (bAllFiles) {
        strDir = pProject ? pProject->m_strProjectDir : CString();
        strCommandLine += ExpandPattern(strDir, CString(pszPath));
        return StartToolRun(strCommandLine, strDir, "", nContinuation, WM_COMPILE_DONE);
    }
    CPathName file(pszPath);
    strCommandLine += CToolCommandLine::QuoteIfSpaced(file.GetFileName());
    return StartToolRun(strCommandLine, file.GetDriveFolder(), pszPath, nContinuation, WM_COMPILE_DONE);
}

BOOL CToolCommands::RefuseUnsupportedDocType(const CToolOptions* pProject)
{
    if (CToolCommandLine::IsDocTypeSupported(pProject, GetGlobalOptions()))
        return FALSE;
    ShowOutputPane();
    ClearOutput();
    WriteOutput("The documentation tool of this JDK no longer writes the document type MIF. "
                "Choose HTML in the JavaDoc options to document the sources.\n");
    return TRUE;
}

BOOL CToolCommands::Document(const char* pszPath, int nContinuation)
{
    if (IsToolRunActive())
        return FALSE;
    CProject* pProject = GetOpenProject();
    if (RefuseUnsupportedDocType(pProject ? &pProject->m_options : nullptr))
        return FALSE;
    CString strCommandLine =
        CToolCommandLine::Javadoc(pProject ? &pProject->m_options : nullptr, GetGlobalOptions(), GetExePath());
    CPathName file(pszPath);
    strCommandLine += CToolCommandLine::QuoteIfSpaced(file.GetFileName());
    return StartToolRun(strCommandLine, file.GetDriveFolder(), pszPath, nContinuation, WM_JAVADOC_DONE);
}

BOOL CToolCommands::DocumentFolder(const char* pszFolder)
{
    if (IsToolRunActive())
        return FALSE;
    CProject* pProject = GetOpenProject();
    if (RefuseUnsupportedDocType(pProject ? &pProject->m_options : nullptr))
        return FALSE;
    CString strDir(pszFolder);
    if (strDir.IsEmpty() && pProject)
        strDir = pProject->m_strProjectDir;
    CString strCommandLine =
        CToolCommandLine::Javadoc(pProject ? &pProject->m_options : nullptr, GetGlobalOptions(), GetExePath());
    // The documentation tool takes the folder's sources by name; a folder
    // without sources is passed as "." so that the tool says what is wrong.
    CString strSources = ExpandPattern(strDir, CString("*.java"));
    strCommandLine += strSources == "*.java" ? CString(" .") : strSources;
    return StartToolRun(strCommandLine, strDir, "", 0, WM_JAVADOC_DONE);
}

void CToolCommands::OnCompile()
{
    RunActiveDocument(FALSE);
}

void CToolCommands::OnJavadoc()
{
    RunActiveDocument(TRUE);
}

void CToolCommands::RunActiveDocument(BOOL bJavadoc)
{
    if (IsToolRunActive() || !m_host.SaveActiveDocument())
        return;
    CString strPath = m_host.GetActiveDocumentPath();
    if (strPath.IsEmpty())
        return;
    ShowOutputPane();
    ClearOutput();
    m_host.RemoveErrorMarker();
    if (bJavadoc)
        Document(strPath, 0);
    else
        Compile(strPath, 0, FALSE);
}

void CToolCommands::OnCompileMainFile()
{
    CProject* pProject = GetOpenProject();
    if (!pProject || IsToolRunActive())
        return;
    ShowOutputPane();
    ClearOutput();
    CString strPath = pProject->GetMainClassPath();
    if (!strPath.IsEmpty())
        Compile(strPath, 0, FALSE);
}

void CToolCommands::OnCompileAllJava()
{
    CProject* pProject = GetOpenProject();
    if (!pProject || IsToolRunActive())
        return;
    const CStringList& files = pProject->GetFileList();
    for (POSITION pos = files.GetHeadPosition(); pos;)
        if (!m_host.SaveDocumentIfModified(files.GetNext(pos)))
            return;
    ShowOutputPane();
    ClearOutput();
    Compile("*.java", 0, TRUE);
}

void CToolCommands::OnTreeCompile(const char* pszPath)
{
    if (IsToolRunActive() || !pszPath || !*pszPath)
        return;
    if (!m_host.SaveDocumentIfModified(pszPath))
        return;
    ShowOutputPane();
    ClearOutput();
    Compile(pszPath, 0, FALSE);
}

void CToolCommands::OnRebuildAll()
{
    StartSequence(FALSE);
}

void CToolCommands::OnJavadocAll()
{
    StartSequence(TRUE);
}

void CToolCommands::StartSequence(BOOL bJavadoc)
{
    if (!GetOpenProject() || IsToolRunActive())
        return;
    ClearOutput();
    ShowOutputPane();
    if (!m_host.SaveAllModified())
        return;
    ContinueSequence(1, bJavadoc);
}

void CToolCommands::OnJavadocFolder()
{
    if (IsToolRunActive())
        return;
    CProject* pProject = GetOpenProject();
    CString strFolder;
    if (!CUserInterface::Get().GetFolderName("Select the directory to Javadoc",
                                             pProject ? pProject->m_strProjectDir.c_str() : "", strFolder))
        return;
    ShowOutputPane();
    ClearOutput();
    DocumentFolder(strFolder);
}

void CToolCommands::OnStopBuild()
{
    m_pToolRunner->Stop();
}

void CToolCommands::OnToggleCompiler()
{
    CProjectDoc* pDoc = GetProjectDoc();
    if (!pDoc || !CanToggleCompiler())
        return;
    pDoc->m_options.m_bCompUseOther = !pDoc->m_options.m_bCompUseOther;
    pDoc->SetModifiedFlag();
}

void CToolCommands::ContinueSequence(int nPosition, BOOL bJavadoc)
{
    CToolRunState& record = m_app.m_ToolRun;
    if (CProject* pProject = GetOpenProject()) {
        const CStringList& files = pProject->GetFileList();
        int nIndex = 0;
        for (POSITION pos = files.GetHeadPosition(); pos; ++nIndex) {
            CString strPath = files.GetNext(pos);
            if (nIndex + 1 < nPosition || !CPathName(strPath).HasExtension(".java"))
                continue;
            // The next position; none after the last entry.
            int nNext = pos ? nIndex + 2 : 0;
            record.m_bRunning = FALSE;
            BOOL bStarted = bJavadoc ? Document(strPath, nNext) : Compile(strPath, nNext, FALSE);
            // A file that cannot be run ends the sequence; the reason is in the output.
            record.m_bSequence = bStarted;
            return;
        }
    }
    FinishToolRun(bJavadoc);
}

void CToolCommands::FinishToolRun(BOOL bJavadoc)
{
    CToolRunState& record = m_app.m_ToolRun;
    record.m_bRunning = FALSE;
    if (m_app.m_EditorSettings.m_bBeep)
        CUserInterface::Get().Beep();
    if (record.m_bSequence) {
        WriteOutput(SEQUENCE_LINE);
        WriteOutput(bJavadoc ? "Javadoc All Complete..." : "RebuildAll Complete...");
        record.m_bSequence = FALSE;
    }
}

void CToolCommands::ReportToolRun(WPARAM wParam, BOOL bJavadoc)
{
    CToolRunState& record = m_app.m_ToolRun;
    if (wParam == RUN_WAIT_TIMEOUT)
        WriteOutput(bJavadoc ? "Error executing JavaDoc...\n" : "Error executing Javac...\n");
    else if (wParam == 0)
        WriteOutput(bJavadoc ? "Done...\n" : "File Compiled...\n");
    else if (wParam == RUN_USER_ABORT)
        WriteOutput("User Abort...\n");

    if (!record.m_bRedirectOpen)
        return;
    CString strText;
    if (!m_pToolRunner->TakeRedirectText(strText)) {
        if (bJavadoc)
            WriteOutput("Error allocating memory for output window.");
        return;
    }
    int nFirst = FirstContentIndex(strText);
    if (nFirst < 0) {
        BOOL bAborted = wParam == RUN_USER_ABORT || record.m_bUserAbort;
        if (!bJavadoc && !bAborted) {
            CProject* pProject = GetOpenProject();
            if (pProject && !record.m_strSourcePath.IsEmpty())
                pProject->OnFileCompiled(record.m_strSourcePath);
            record.m_strSourcePath.Empty();
        }
        if (!bJavadoc || strText.IsEmpty()) {
            WriteOutput("No Errors...");
            return;
        }
        nFirst = 0;
    }
    if (bJavadoc) {
        WriteOutput("\n--------------------------- Javadoc Output ---------------------------\n");
        WriteOutput(strText);
    } else {
        WriteOutput("\n--------------------------- Javac Output ---------------------------\n");
        WriteOutput(strText.c_str() + nFirst);
    }
    if (strText.Find(" error") >= 0) {
        WriteOutput(ERROR_HINT_LINE);
        WriteOutput(ERROR_HINT);
        m_output.SetCaretToStart();
    }
}

void CToolCommands::OnCompileDone(WPARAM wParam, CToolRunState*)
{
    OnToolRunDone(wParam, FALSE);
}

void CToolCommands::OnJavadocDone(WPARAM wParam, CToolRunState*)
{
    OnToolRunDone(wParam, TRUE);
}

void CToolCommands::OnToolRunDone(WPARAM wParam, BOOL bJavadoc)
{
    ReportToolRun(wParam, bJavadoc);
    CToolRunState& record = m_app.m_ToolRun;
    if (record.m_nContinuation == 0 || wParam != 0)
        FinishToolRun(bJavadoc);
    else
        GetHandle().PostMessage(bJavadoc ? WM_JAVADOC_NEXT : WM_COMPILE_NEXT, 0, reinterpret_cast<LPARAM>(&record));
}

BOOL CToolCommands::StoppedBetweenFiles(BOOL bJavadoc)
{
    // Stop Build (or the main window's close) between two files of a
    // sequence finds no child to end; the sequence ends here instead.
    CToolRunState& record = m_app.m_ToolRun;
    if (!record.m_bUserAbort)
        return FALSE;
    WriteOutput("User Abort...\n");
    FinishToolRun(bJavadoc);
    if (record.m_bExitRequested)
        GetHandle().PostMessage(WM_CLOSE, 0, 0);
    return TRUE;
}

void CToolCommands::OnCompileNext(CToolRunState*)
{
    OnToolRunNext(FALSE);
}

void CToolCommands::OnJavadocNext(CToolRunState*)
{
    OnToolRunNext(TRUE);
}

void CToolCommands::OnToolRunNext(BOOL bJavadoc)
{
    if (StoppedBetweenFiles(bJavadoc))
        return;
    WriteOutput(SEQUENCE_LINE);
    ContinueSequence(m_app.m_ToolRun.m_nContinuation, bJavadoc);
}

// ---------------------------------------------------------------------------
// Window messages

LRESULT CToolCommands::OnWindowMessage(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CToolRunState* pRecord = reinterpret_cast<CToolRunState*>(lParam);
    switch (nMsg) {
    case WM_COMPILE_DONE:
        OnCompileDone(wParam, pRecord);
        break;
    case WM_JAVADOC_DONE:
        OnJavadocDone(wParam, pRecord);
        break;
    case WM_COMPILE_NEXT:
        OnCompileNext(pRecord);
        break;
    case WM_JAVADOC_NEXT:
        OnJavadocNext(pRecord);
        break;
    case WM_OUTPUT_CHUNK:
        if (const COutputChunk* pChunk = reinterpret_cast<const COutputChunk*>(lParam))
            OnOutputChunk(pChunk->m_pBytes, pChunk->m_nCount);
        return 1;
    case WM_CLOSE:
        if (m_fnClose)
            m_fnClose();
        break;
    default:
        break;
    }
    return 0;
}

void CToolCommands::OnOutputChunk(const char* pBytes, DWORD nCount)
{
    if (!pBytes || nCount == 0)
        return;
    // The whole chunk, up to the most a reader hands over at once.
    m_output.Write(pBytes, static_cast<int>(std::min<DWORD>(nCount, OUTPUT_PEEK_SIZE)));
}

// ---------------------------------------------------------------------------
// Program runs

BOOL CToolCommands::StartProgramRun(const char* pszCommandLine, const char* pszWorkingDir)
{
    CString strDir(pszWorkingDir);
    m_output.SetBaseFolder(strDir.IsEmpty() ? CurrentFolder() : strDir);
    return m_pProgramRunner->Start(pszCommandLine, strDir, GetHandle(), this);
}

BOOL CToolCommands::StartDroppedToolRun(const char* pszTool, const char* pszCommandLine, const char* pszWorkingDir)
{
    if (StartProgramRun(pszCommandLine, pszWorkingDir))
        return TRUE;
    if (!CToolCommandLine::HasJdkProgram(GetExePath(), pszTool)) {
        CString strWhy;
        strWhy.Format("%s is not part of this JDK: the JDKs after version 8 no longer have it. To %s, name a JDK 8 "
                      "or older in Customize, Directories.\n",
                      pszTool, std::strcmp(pszTool, "rmic") == 0 ? "make RMI stubs and skeletons" : "run applets");
        WriteOutput(strWhy);
    }
    return FALSE;
}

void CToolCommands::OnRun()
{
    if (!CanRun())
        return;
    CProject* pProject = GetOpenProject();
    if (!pProject) {
        CString strPath = m_host.GetActiveDocumentPath();
        CPathName file(strPath);
        if (file.HasExtension(".java")) {
            CString strLeftOut;
            CString strCommandLine = CToolCommandLine::Interpreter(nullptr, GetGlobalOptions(), GetExePath(),
                                                                   file.GetBaseName(), &strLeftOut);
            if (StartProgramRun(strCommandLine, file.GetDriveFolder()))
                ReportLeftOutSwitches(strLeftOut);
        } else if (file.HasExtension(".html") || file.HasExtension(".htm")) {
            CString strCommandLine = CToolCommandLine::AppletViewer(nullptr, GetGlobalOptions(), GetExePath(), FALSE,
                                                                    file.GetFileName());
            StartDroppedToolRun("appletviewer", strCommandLine, file.GetDriveFolder());
        }
        return;
    }
    if (!pProject->m_strMainClass.IsEmpty()) {
        RunApplication(*pProject);
        return;
    }
    if (!pProject->m_strMainHtml.IsEmpty()) {
        RunApplet(*pProject);
        return;
    }
    CUserInterface& ui = CUserInterface::Get();
    ui.SetWaitCursor(TRUE);
    ui.SetStatusText("Wait, Parsing all files for main class...");
    BOOL bFound = CRunClass::AdoptMainClassFile(*pProject);
    ui.SetStatusText("Done");
    ui.SetWaitCursor(FALSE);
    if (!bFound) {
        AfxMessageBox("Unable to find a class with Main method to run. Please define main method in a class or add a "
                      "HTML file to the project and select the HTML file as main HTML file to run as an Applet.");
        return;
    }
    m_host.RefreshProjectImages();
    RunApplication(*pProject);
}

void CToolCommands::RunApplication(CProject& project)
{
    CString strClass = CRunClass::ClassToRun(project);
    CString strLeftOut;
    CString strCommandLine =
        CToolCommandLine::Interpreter(&project.m_options, GetGlobalOptions(), GetExePath(), strClass, &strLeftOut);
    if (StartProgramRun(strCommandLine, CRunClass::RunFolder(project)))
        ReportLeftOutSwitches(strLeftOut);
}

void CToolCommands::ReportLeftOutSwitches(const CString& strLeftOut)
{
    if (!strLeftOut.IsEmpty())
        WriteOutput("Left out " + strLeftOut + ": the Java virtual machine of today no longer takes "
                    + (strLeftOut.Find(' ') >= 0 ? "these switches" : "this switch") + ".\n");
}

void CToolCommands::RunApplet(CProject& project)
{
    CString strCommandLine = CToolCommandLine::AppletViewer(&project.m_options, GetGlobalOptions(), GetExePath(),
                                                            FALSE, project.m_strMainHtml);
    CString strPage = project.GetMainHtmlPath();
    if (!strPage.IsEmpty() && !m_host.SaveDocumentIfModified(strPage))
        return;
    ShowOutputPane();
    ClearOutput();
    StartDroppedToolRun("appletviewer", strCommandLine, CPathName(strPage).GetDriveFolder());
}

void CToolCommands::OnStopRun()
{
    m_pProgramRunner->Stop();
}

void CToolCommands::OnInputWindow()
{
    if (!m_pInput)
        m_pInput = std::make_unique<CProgramInputModel>(*m_pProgramRunner);
    if (m_app.m_ProgramRun.m_bBusy)
        m_pProgramRunner->SetInputWindow(m_pInput->GetHandle());
    m_pInput->Open();
}

void CToolCommands::RequestToolExit()
{
    m_pToolRunner->RequestExit();
}

void CToolCommands::RequestProgramExit()
{
    m_pProgramRunner->RequestCloseAfterExit();
}

// ---------------------------------------------------------------------------
// Project files

BOOL CToolCommands::CanAddDefaultHtml()
{
    return GetOpenProject() && m_host.IsProjectPageCurrent() && !IsProgramRunActive()
        && !m_app.m_DebuggerRun.m_bRunning;
}

BOOL CToolCommands::CanAddManifestFile()
{
    CProject* pProject = GetOpenProject();
    if (!pProject)
        return FALSE;
    CString strPath = CProjectPages::ManifestPath(*pProject, GetGlobalOptions());
    return strPath.IsEmpty() || !pProject->HasFile(strPath);
}

BOOL CToolCommands::CanMakeBean()
{
    CProject* pProject = GetOpenProject();
    if (!pProject)
        return FALSE;
    CString strPath = CProjectPages::ManifestPath(*pProject, GetGlobalOptions());
    return !strPath.IsEmpty() && pProject->HasFile(strPath);
}

void CToolCommands::OnAddDefaultHtml()
{
    CProject* pProject = GetOpenProject();
    if (!pProject)
        return;
    CString strPath, strError;
    if (!CProjectPages::AddDefaultHtml(*pProject, strPath, strError)) {
        if (!strError.IsEmpty())
            AfxMessageBox(strError);
        return;
    }
    if (pProject->m_strMainClass.IsEmpty())
        AfxMessageBox(CProjectPages::DEFAULT_HTML_NO_MAIN_CLASS);
}

void CToolCommands::OnAddManifestFile()
{
    CProject* pProject = GetOpenProject();
    if (!pProject)
        return;
    CString strPath, strError;
    if (!CProjectPages::AddManifest(*pProject, GetGlobalOptions(), strPath, strError) && !strError.IsEmpty())
        AfxMessageBox(strError);
}

// ---------------------------------------------------------------------------
// Archive and RMI tools

void CToolCommands::GetJarSettings(CJarOptions& options) const
{
    options = CJarOptions();
    LoadLinks(m_app.m_EditorSettings, options, JAR_SWITCHES);
    LoadLinks(m_app.m_EditorSettings, options, JAR_TEXTS);
}

void CToolCommands::GetBeanPreset(CJarOptions& options) const
{
    GetJarSettings(options);
    if (CProject* pProject = GetOpenProject())
        CProjectPages::MakeBeanPresets(*pProject, GetGlobalOptions(), options);
}

void CToolCommands::GetRmiSettings(CRmiOptions& options) const
{
    options = CRmiOptions();
    LoadLinks(m_app.m_EditorSettings, options, RMI_SWITCHES);
    LoadLinks(m_app.m_EditorSettings, options, RMI_TEXTS);
}

BOOL CToolCommands::OnJarOK(const CJarOptions& options)
{
    SaveLinks(m_app.m_EditorSettings, options, JAR_SWITCHES);
    SaveLinks(m_app.m_EditorSettings, options, JAR_TEXTS);
    if (IsProgramRunActive()) {
        AfxMessageBox(OUTPUT_BUSY);
        return FALSE;
    }
    // Patterns in the file list ("*.class" of a bean without package) name
    // the files of the archive's folder.
    CJarOptions expanded(options);
    CString strDir = options.GetWorkingDir();
    for (int i = 0; i < expanded.m_arrFiles.GetSize(); ++i)
        expanded.m_arrFiles[i] = ExpandPattern(strDir, expanded.m_arrFiles[i]);
    return StartProgramRun(CToolCommandLine::Jar(expanded, GetExePath()), strDir);
}

BOOL CToolCommands::OnRmiOK(const CRmiOptions& options)
{
    SaveLinks(m_app.m_EditorSettings, options, RMI_SWITCHES);
    SaveLinks(m_app.m_EditorSettings, options, RMI_TEXTS);
    if (IsProgramRunActive()) {
        AfxMessageBox(OUTPUT_BUSY);
        return FALSE;
    }
    CProject* pProject = GetOpenProject();
    CString strClassPath = CToolCommandLine::EffectiveCompilerClassPath(pProject, GetGlobalOptions());
    CString strCommandLine = CToolCommandLine::Rmic(options, strClassPath, GetExePath());
    return StartDroppedToolRun("rmic", strCommandLine, pProject ? pProject->m_strProjectDir : CString());
}

// ---------------------------------------------------------------------------
// User commands

BOOL CToolCommands::StartUserCommand(const CCommandLaunch& launch)
{
    PrunePlainProcesses();
    if (!launch.m_bCaptureOutput) {
        auto pProcess = std::make_unique<CChildProcess>(launch.m_strCommandLine, launch.m_strWorkingDir);
        if (!pProcess->Start())
            return FALSE;
        m_plainProcesses.push_back(std::move(pProcess));
        return TRUE;
    }
    auto pFrame = std::make_unique<CMDIOutputFrame>();
    CMDIOutputFrame& frame = *pFrame;
    frame.SetTitle(launch.m_strTitle.IsEmpty() ? launch.m_strCommandLine : launch.m_strTitle);
    auto pProcess = std::make_unique<CChildProcess>(launch.m_strCommandLine, launch.m_strWorkingDir,
                                                    frame.GetHandle());
    // A failed start destroys the window and the process object here.
    if (!pProcess->Start())
        return FALSE;
    frame.SetProcess(std::move(pProcess));
    m_host.ShowOutputFrame(&frame);
    m_frames.push_back(std::move(pFrame));
    return TRUE;
}

CMDIOutputFrame* CToolCommands::GetOutputFrame(int nIndex) const
{
    return m_frames[static_cast<size_t>(nIndex)].get();
}

BOOL CToolCommands::CloseOutputFrame(CMDIOutputFrame* pFrame)
{
    auto it = std::find_if(m_frames.begin(), m_frames.end(),
                           [pFrame](const std::unique_ptr<CMDIOutputFrame>& p) { return p.get() == pFrame; });
    if (it == m_frames.end() || !pFrame->CanClose())
        return FALSE;
    m_host.OutputFrameClosing(pFrame);
    m_frames.erase(it);
    return TRUE;
}

void CToolCommands::PrunePlainProcesses()
{
    std::erase_if(m_plainProcesses, [](const std::unique_ptr<CChildProcess>& p) { return !p->IsRunning(); });
}

CString CToolCommands::Dump() const
{
    const CToolRunState& tool = m_app.m_ToolRun;
    const CProgramRunState& program = m_app.m_ProgramRun;
    CString strOut;
    strOut.Format("tool run: running=%d sequence=%d continuation=%d source=%s\n"
                  "program run: busy=%d user-abort=%d\ninput window: %s\noutput windows: %d\n",
                  tool.m_bRunning ? 1 : 0, tool.m_bSequence ? 1 : 0, tool.m_nContinuation,
                  tool.m_strSourcePath.c_str(), program.m_bBusy ? 1 : 0, program.m_bUserAbort ? 1 : 0,
                  !m_pInput ? "none" : m_pInput->IsOpen() ? "open" : "closed", GetOutputFrameCount());
    for (const std::unique_ptr<CMDIOutputFrame>& pFrame : m_frames)
        strOut += "  " + pFrame->GetTitle() + "\n";
    return strOut;
}
