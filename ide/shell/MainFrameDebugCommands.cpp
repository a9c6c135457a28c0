// The main window's debugger commands: Run under the debugger (F5), the
// stepping and inspection commands of the Debug submenu and the debug bar,
// JDB Debug and Stop Debug, with their enable rules.
#include "MainFrameCommands.h"

#include "DebugController.h"
#include "Debugger.h"
#include "DocumentWindows.h"
#include "JavaIDEApp.h"
#include "MainFrame.h"
#include "PathName.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "RunClass.h"
#include "ToolCommandLine.h"
#include "ToolCommands.h"

namespace {

enum : UINT {
    ID_DEBUG_STOP = 32841, ID_DEBUG_RUN = 32843, ID_DEBUG_EXIT = 32846, ID_DEBUG_JDB = 32847,
    ID_DEBUG_LOCALS = 32849, ID_DEBUG_STEP = 32850, ID_DEBUG_CONT = 32851, ID_DEBUG_MEMORY = 32852,
    ID_DEBUG_THREADS = 32853, ID_DEBUG_STEP_OVER = 32889, ID_DEBUG_WHERE_ALL = 32902, ID_DEBUG_STEP_PACKAGES = 33020,
};

const CToolOptions& GlobalOptions(const CJavaIDEApp& app)
{
    static const CToolOptions s_defaults;
    CProjectDoc* pDoc = app.GetProjectDoc();
    return pDoc ? pDoc->m_options : s_defaults;
}

}  // namespace

BOOL CMainFrameCommands::GetDebugLaunch(BOOL, CString& strCommandLine, CString& strFolder) const
{
    const CJavaIDEApp& app = m_frame.GetApp();
    CProjectDoc* pDoc = app.GetProjectDoc();
    if (!pDoc || !pDoc->GetProject().IsOpen())
        return FALSE;
    const CProject& project = pDoc->GetProject();
    const CToolOptions& global = GlobalOptions(app);
    const char* pszExePath = app.m_DirSettings.m_strExePath;
    CString strClass = CRunClass::ClassToRun(project);
    if (!strClass.IsEmpty()) {
        strCommandLine = CToolCommandLine::Debugger(project.m_options, global, pszExePath, strClass);
        strFolder = CRunClass::RunFolder(project);
        return TRUE;
    }
    if (!project.m_strMainHtml.IsEmpty()) {
        strCommandLine =
            CToolCommandLine::AppletViewer(&project.m_options, global, pszExePath, TRUE, project.m_strMainHtml);
        strFolder = CPathName(project.GetMainHtmlPath()).GetDriveFolder();
        return TRUE;
    }
    // The class of the current file.
    CDocumentWindow* pActive = m_frame.GetDocumentWindows().GetActive();
    CString strPath = pActive ? CDocumentWindows::GetPath(pActive) : CString();
    if (strPath.IsEmpty() || !CPathName(strPath).HasExtension(".java"))
        return FALSE;
    CString strPackage, strError;
    CRunClass::PackageName(strPath, strPackage, strError);
    strClass = CPathName::BaseNameOf(strPath);
    if (!strPackage.IsEmpty())
        strClass = strPackage + "." + strClass;
    strCommandLine = CToolCommandLine::Debugger(project.m_options, global, pszExePath, strClass);
    // A class in a package runs from the folder above the package's folders.
    std::string strDir = CPathName(strPath).GetDriveFolder().str();
    int nLevels = strPackage.IsEmpty() ? 0 : 1;
    for (int i = 0; i < strPackage.GetLength(); ++i)
        nLevels += strPackage[i] == '.';
    for (int i = 0; i < nLevels && strDir.size() > 1; ++i) {
        if (strDir.back() == '/')
            strDir.pop_back();
        strDir.erase(strDir.rfind('/') + 1);
    }
    strFolder = CString(strDir);
    return TRUE;
}

BOOL CMainFrameCommands::CanDebugRun(UINT)
{
    CDebugger* pDebugger = m_frame.GetDebugController().GetDebugger();
    if (pDebugger && m_frame.GetApp().m_DebuggerRun.m_bRunning)
        return CanDebugAtBreak(ID_DEBUG_CONT);
    if (m_frame.GetApp().m_DebuggerRun.m_bRunning || IsRunActive())
        return FALSE;
    CString strCommandLine, strFolder;
    return GetDebugLaunch(FALSE, strCommandLine, strFolder);
}

BOOL CMainFrameCommands::CanDebugAtBreak(UINT)
{
    CDebugger* pDebugger = m_frame.GetDebugController().GetDebugger();
    // One command at a time: none while an answer is awaited.
    return pDebugger && m_frame.GetApp().m_DebuggerRun.m_bRunning && pDebugger->IsAtBreak() &&
           pDebugger->GetState() == CDebugger::STATE_RUNNING;
}

BOOL CMainFrameCommands::CanDebugExit(UINT)
{
    CDebugger* pDebugger = m_frame.GetDebugController().GetDebugger();
    return pDebugger && m_frame.GetApp().m_DebuggerRun.m_bRunning && !pDebugger->IsAtBreak() &&
           pDebugger->GetState() == CDebugger::STATE_RUNNING;
}

BOOL CMainFrameCommands::CanJdbDebug(UINT)
{
    if (m_frame.GetApp().m_DebuggerRun.m_bRunning || IsRunActive())
        return FALSE;
    CString strCommandLine, strFolder;
    return GetDebugLaunch(TRUE, strCommandLine, strFolder);
}

BOOL CMainFrameCommands::IsDebuggerRunning(UINT)
{
    return m_frame.GetApp().m_DebuggerRun.m_bRunning;
}

void CMainFrameCommands::OnDebugRun(UINT)
{
    CDebugController& controller = m_frame.GetDebugController();
    if (controller.IsActive()) {
        if (CDebugger* pDebugger = controller.GetDebugger())
            pDebugger->Cont();
        return;
    }
    CString strCommandLine, strFolder;
    if (!GetDebugLaunch(FALSE, strCommandLine, strFolder))
        return;
    CProject& project = m_frame.GetApp().GetProjectDoc()->GetProject();
    if (!project.SaveAll())
        return;
    std::vector<CBreakpoint> initial;
    for (const auto& [strKey, pSet] : project.GetBreakpoints())
        for (const CBreakpoint& entry : pSet->GetEntries())
            initial.push_back(entry);
    const BOOL bCompileDebug = project.m_options.m_bCompDebug || GlobalOptions(m_frame.GetApp()).m_bCompDebug;
    controller.StartRedirected(strCommandLine, strFolder, 0, bCompileDebug, std::move(initial));
}

void CMainFrameCommands::OnDebugCommand(UINT nId)
{
    CDebugger* pDebugger = m_frame.GetDebugController().GetDebugger();
    if (!pDebugger)
        return;
    switch (nId) {
    case ID_DEBUG_CONT: pDebugger->Cont(); break;
    case ID_DEBUG_STEP: pDebugger->Step(); break;
    case ID_DEBUG_STEP_OVER: pDebugger->StepOver(); break;
    case ID_DEBUG_STEP_PACKAGES: pDebugger->StepOverPackages(); break;
    case ID_DEBUG_EXIT: pDebugger->Exit(); break;
    case ID_DEBUG_LOCALS: pDebugger->Locals(); break;
    case ID_DEBUG_MEMORY: pDebugger->Memory(); break;
    case ID_DEBUG_THREADS: pDebugger->Threads(); break;
    case ID_DEBUG_WHERE_ALL: pDebugger->WhereAll(); break;
    default: break;
    }
}

void CMainFrameCommands::OnJdbDebug(UINT)
{
    CString strCommandLine, strFolder;
    if (GetDebugLaunch(TRUE, strCommandLine, strFolder))
        m_frame.GetDebugController().StartConsole(strCommandLine, strFolder, 0);
}

void CMainFrameCommands::OnStopDebug(UINT)
{
    m_frame.GetDebugController().StopDebug();
}
