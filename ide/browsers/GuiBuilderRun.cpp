#include "GuiBuilderRun.h"

#include "Introspection.h"
#include "ProcessHandle.h"
#include "ProcessSpawner.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "ProjectFileItem.h"
#include "ResourceFile.h"
#include "ResourceFileItem.h"
#include "RunThreads.h"
#include "UserInterface.h"

#include <sys/stat.h>
#include <unistd.h>

struct CGuiBuilderProcess {
    CProcessHandle process;
    CString strPath;
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

BOOL CGuiBuilderRun::EditResource(const char* pszPath)
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
                 "Error starting the GUI builder. Please check the following - \n1. Java/Bin is in the path");
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
                 "\n1. classes.zip under Mosk directory is in the Classpath\n2. Java/Bin is in the path");
}

BOOL CGuiBuilderRun::Start(const char* pszPath, const CString& strCommandLine, const char* pszStatus,
                           const char* pszFailure)
{
    CUserInterface::Get().SetStatusText(pszStatus);
    int nInput = CProcessSpawner::OpenNullInput();
    pid_t nPid = 0;
    CString strError;
    auto pRun = std::make_shared<CGuiBuilderProcess>();
    pRun->strPath = pszPath;
    BOOL bStarted = nInput >= 0 && CProcessSpawner::Spawn(strCommandLine, m_strProgramFolder, nInput, 1, 2, nPid, strError);
    if (nInput >= 0)
        ::close(nInput);
    if (!bStarted || !pRun->process.Attach(nPid)) {
        AfxMessageBox(pszFailure, MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (CResourceFileItem* pItem = dynamic_cast<CResourceFileItem*>(m_projectDoc.GetProject().FindFileItem(pszPath)))
        pItem->m_bEditing = TRUE;
    m_runs[CString(pszPath)] = pRun;
    CWindowHandle window = GetHandle();
    if (!CRunThreads::Start([pRun, window] {
            pRun->process.Wait();
            window.PostMessage(WM_GUI_BUILDER_ENDED, 0, reinterpret_cast<LPARAM>(pRun.get()));
        })) {
        pRun->process.Terminate();
        pRun->process.Wait();
        Ended(pszPath);
    }
    return TRUE;
}

LRESULT CGuiBuilderRun::OnWindowMessage(UINT nMsg, WPARAM, LPARAM lParam)
{
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
    if (auto* pResource = dynamic_cast<CResourceFileItem*>(pItem))
        pResource->m_bEditing = FALSE;
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
