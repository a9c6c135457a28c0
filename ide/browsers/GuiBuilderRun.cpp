#include "GuiBuilderRun.h"

#include "Introspection.h"
#include "OutputReader.h"
#include "ProcessHandle.h"
#include "ProcessSpawner.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "ProjectFileItem.h"
#include "ProjectHost.h"
#include "ResourceFile.h"
#include "ResourceFileItem.h"
#include "RunThreads.h"
#include "UserInterface.h"

#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

struct CGuiBuilderProcess {
    CProcessHandle process;
    CString strPath;
    std::atomic<BOOL> bAlive{TRUE};  // cleared by the waiter once the builder has ended
    int fdOutput = -1;               // a captured run's pipe, read by its reader
};

namespace {

BOOL FileExists(const char* pszPath)
{
    struct stat st;
    return ::stat(pszPath, &st) == 0 && S_ISREG(st.st_mode);
}

CString Java()
{
    CString strFolder = CIntrospection::GetJdkFolder();
    return strFolder.IsEmpty() ? CString("java") : "\"" + strFolder + "/java\"";
}

CString WithoutExtension(const CString& strPath)
{
    int nDot = strPath.ReverseFind('.');
    return nDot > strPath.ReverseFind('/') ? strPath.Left(nDot) : strPath;
}

} // namespace

CGuiBuilderRun::CGuiBuilderRun(CProjectDoc& projectDoc, const char* pszProgramFolder)
    : m_projectDoc(projectDoc), m_strProgramFolder(pszProgramFolder)
{
}

CGuiBuilderRun::~CGuiBuilderRun()
{
    DestroyWindow();
}

CString CGuiBuilderRun::ResourceCommandLine(const char* pszPath, const char* pszName, BOOL bFrame)
{
    return Java() + " MGB \"" + pszPath + "\" \"" + pszName + "\" \"" + (bFrame ? "Frame" : "Dialog") + "\"";
}

CString CGuiBuilderRun::DesignCommandLine(const char* pszPath, const char* pszName, BOOL bFrame)
{
    return Java() + " MGB " + pszPath + " " + pszName + " " + (bFrame ? "Frame" : "Dialog");
}

BOOL CGuiBuilderRun::IsEditing(const char* pszPath) const
{
    return m_runs.count(CString(pszPath)) > 0;
}

void CGuiBuilderRun::SetOutput(const CWindowHandle& target, std::function<void()> fnShowOutput)
{
    m_output = target;
    m_fnShowOutput = std::move(fnShowOutput);
}

BOOL CGuiBuilderRun::EditResource(const char* pszPath, BOOL bCapture)
{
    CProject& project = m_projectDoc.GetProject();
    if (!project.IsOpen() || !project.FindFileItem(pszPath))
        return FALSE;  // resources of other projects do nothing
    CString strPath = pszPath;
    if (IsEditing(strPath)) {
        CString strBase = WithoutExtension(strPath.Mid(strPath.ReverseFind('/') + 1));
        if (!m_fnRaiseWindow || !m_fnRaiseWindow("Mosk GUI Builder - " + strBase))
            AfxMessageBox("This resource is already being edited !!!", MB_ICONEXCLAMATION);
        return FALSE;
    }
    CUserInterface::Get().SetWaitCursor(TRUE);
    CResourceFile file;
    BOOL bRead = file.Read(strPath);
    CUserInterface::Get().SetWaitCursor(FALSE);
    const CResourceFile::CDesign* pDesign = bRead ? file.GetFirstDesign() : nullptr;
    if (!pDesign) {
        AfxMessageBox("Invalid resource file object !!!", MB_ICONEXCLAMATION);
        return FALSE;
    }
    return Start(strPath, ResourceCommandLine(strPath, pDesign->strName, pDesign->bFrame), "Wait, Loading the resource...",
                 "Error starting the GUI builder. Please check the following - \n1. Java/Bin is in the path", bCapture);
}

BOOL CGuiBuilderRun::EditDesign(const char* pszPath, const char* pszName, BOOL bFrame)
{
    if (IsEditing(pszPath)) {
        AfxMessageBox("This resource is already being edited !!!", MB_ICONEXCLAMATION);
        return FALSE;
    }
    return Start(pszPath, DesignCommandLine(pszPath, pszName, bFrame),
                 bFrame ? "Wait, Loading the Frame resource..." : "Wait, Loading the Dialog resource...",
                 "Error starting the GUI builder. Please check the following - "
                 "\n1. classes.zip under Mosk directory is in the Classpath\n2. Java/Bin is in the path",
                 FALSE);
}

BOOL CGuiBuilderRun::Start(const char* pszPath, const CString& strCommandLine, const char* pszStatus,
                           const char* pszFailure, BOOL bCapture)
{
    CUserInterface::Get().SetStatusText(pszStatus);
    // A second capture would have nobody to read its pipe: that run writes
    // where this program's own output goes.
    if (bCapture && m_bCaptureTaken) {
        AfxMessageBox("Cannot redirect output for more than one DEBUG GUI builder session at a time. "
                      "No output redirection will be done for this session.",
                      MB_ICONINFORMATION);
        bCapture = FALSE;
    }
    int fdsPipe[2] = {-1, -1};
    if (bCapture && ::pipe2(fdsPipe, O_CLOEXEC) != 0) {
        COutputReader::SendText(m_output, "Error setting standard output handle\n");
        bCapture = FALSE;
    }
    int nInput = CProcessSpawner::OpenNullInput();
    pid_t nPid = 0;
    CString strError;
    auto pRun = std::make_shared<CGuiBuilderProcess>();
    pRun->strPath = pszPath;
    int nOutput = bCapture ? fdsPipe[1] : 1;
    int nErrors = bCapture ? fdsPipe[1] : 2;
    BOOL bStarted = nInput >= 0 && CProcessSpawner::Spawn(strCommandLine, m_strProgramFolder, nInput, nOutput, nErrors,
                                                          nPid, strError);
    if (nInput >= 0)
        ::close(nInput);
    if (fdsPipe[1] >= 0)
        ::close(fdsPipe[1]);
    pRun->fdOutput = fdsPipe[0];
    if (!bStarted || !pRun->process.Attach(nPid)) {
        if (pRun->fdOutput >= 0)
            ::close(pRun->fdOutput);
        AfxMessageBox(pszFailure, MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (CResourceFileItem* pItem = dynamic_cast<CResourceFileItem*>(m_projectDoc.GetProject().FindFileItem(pszPath)))
        pItem->m_bEditing = TRUE;
    m_runs[CString(pszPath)] = pRun;
    CWindowHandle window = GetHandle();
    if (!CRunThreads::Start([pRun, window] {
            pRun->process.Wait();
            pRun->bAlive = FALSE;
            window.PostMessage(WM_GUI_BUILDER_ENDED, 0, reinterpret_cast<LPARAM>(pRun.get()));
        })) {
        pRun->process.Terminate();
        pRun->process.Wait();
        pRun->bAlive = FALSE;
        if (pRun->fdOutput >= 0)
            ::close(pRun->fdOutput);
        Ended(pszPath);
        return TRUE;
    }
    // Without a reader the builder's writes fail at once instead of stalling on a full pipe.
    if (pRun->fdOutput >= 0 && !StartReader(pRun))
        ::close(pRun->fdOutput);
    return TRUE;
}

BOOL CGuiBuilderRun::StartReader(const std::shared_ptr<CGuiBuilderProcess>& pRun)
{
    m_bCaptureTaken = TRUE;
    if (m_fnShowOutput)
        m_fnShowOutput();
    CWindowHandle target = m_output;
    CWindowHandle window = GetHandle();
    if (CRunThreads::Start([pRun, target, window] {
            COutputReader::SendText(target, "GUI Builder Started...\n");
            COutputReader::Pump(pRun->fdOutput, target, pRun->bAlive);
            COutputReader::SendText(target, "GUI Builder Exit...");
            ::close(pRun->fdOutput);
            window.PostMessage(WM_GUI_BUILDER_CAPTURE_FREE, 0, 0);
        }))
        return TRUE;
    m_bCaptureTaken = FALSE;
    return FALSE;
}

LRESULT CGuiBuilderRun::OnWindowMessage(UINT nMsg, WPARAM, LPARAM lParam)
{
    if (nMsg == WM_GUI_BUILDER_CAPTURE_FREE)
        m_bCaptureTaken = FALSE;
    if (nMsg != WM_GUI_BUILDER_ENDED)
        return 0;
    for (const auto& entry : m_runs)
        if (reinterpret_cast<LPARAM>(entry.second.get()) == lParam) {
            Ended(entry.first);
            break;
        }
    return 0;
}

void CGuiBuilderRun::Ended(CString strPath)  // a copy: the key it may name is erased here
{
    m_runs.erase(strPath);
    CProject& project = m_projectDoc.GetProject();
    CProjectFileItem* pItem = project.IsOpen() ? project.FindFileItem(strPath) : nullptr;
    if (auto* pResource = dynamic_cast<CResourceFileItem*>(pItem)) {
        pResource->m_bEditing = FALSE;
        // The builder may have saved the designs under other names.
        m_projectDoc.GetHost().RefreshNode(pResource);
    }
    CString strSource = WithoutExtension(strPath) + ".java";
    if (FileExists(strSource + ".bak"))
        ::unlink(strSource + ".bak");
    if (!pItem || !FileExists(strSource) || project.HasFile(strSource))
        return;
    CString strQuestion;
    strQuestion.Format("Do you want to add the file %s to the project ?", strSource.c_str());
    if (AfxMessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES)
        project.AddFile(strSource);
}
