#include "JavaIDEDoc.h"

#include "FileObject.h"
#include "JavaIDEView.h"
#include "JavaIDEViewHost.h"
#include "JavaParser.h"
#include "ProjectDoc.h"
#include "SafeFile.h"
#include "StringArray.h"
#include "UserInterface.h"
#include "VarClass.h"
#include "VarInterface.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

CJavaIDEViewHost g_idleHost;

void Tell(const CString& strText)
{
    AfxMessageBox(strText, MB_OK | MB_ICONEXCLAMATION);
}

BOOL EndsWith(const CString& str, const char* pszEnd)
{
    int nLength = static_cast<int>(std::strlen(pszEnd));
    return str.GetLength() >= nLength && str.Right(nLength) == pszEnd;
}

CString CurrentFolder()
{
    char szFolder[PATH_MAX];
    CString strFolder = getcwd(szFolder, sizeof szFolder) ? CString(szFolder) : CString();
    if (strFolder.IsEmpty() || strFolder[strFolder.GetLength() - 1] != '/')
        strFolder += '/';
    return strFolder;
}

}  // namespace

int CJavaIDEDoc::m_nUntitledCount = 0;

CJavaIDEDoc::CJavaIDEDoc(CJavaIDEViewHost* pHost) : m_pHost(pHost ? pHost : &g_idleHost)
{
}

CJavaIDEDoc::~CJavaIDEDoc() = default;

CJavaIDEView* CJavaIDEDoc::GetView() const
{
    if (m_viewList.IsEmpty())
        return nullptr;
    return dynamic_cast<CJavaIDEView*>(static_cast<CTinctoView*>(m_viewList.GetHead()));
}

CProject* CJavaIDEDoc::GetOpenProject() const
{
    CProjectDoc* pProjectDoc = m_pHost->GetProjectDoc();
    if (!pProjectDoc || !pProjectDoc->GetProject().IsOpen())
        return nullptr;
    return &pProjectDoc->GetProject();
}

CString CJavaIDEDoc::FixJavExtension(const CString& strPath)
{
    int nSlash = strPath.ReverseFind('/');
    int nDot = strPath.ReverseFind('.');
    if (nDot > nSlash && strPath.Mid(nDot).CompareNoCase(".jav") == 0)
        return strPath.Left(nDot) + ".java";
    return strPath;
}

// ---- Title

CString CJavaIDEDoc::BaseTitle() const
{
    CString strTitle = m_strTitle;
    if (EndsWith(strTitle, " *"))
        strTitle = strTitle.Left(strTitle.GetLength() - 2);
    if (EndsWith(strTitle, " (RO)"))
        strTitle = strTitle.Left(strTitle.GetLength() - 5);
    return strTitle;
}

void CJavaIDEDoc::SetTitle(const char* pszTitle)
{
    CString strTitle(pszTitle);
    if (strTitle.Left(static_cast<int>(std::strlen(UNTITLED))) != UNTITLED && !m_strPathName.IsEmpty()) {
        CString strFolder = m_strPathName.Left(m_strPathName.ReverseFind('/') + 1);
        if (strFolder != CurrentFolder())
            strTitle = m_strPathName;
    }
    CJavaIDEView* pView = GetView();
    BOOL bReadOnly = pView && pView->GetReadOnly();
    // The markers are rebuilt in order: " (RO)" first, then " *".
    BOOL bStarred = EndsWith(strTitle, " *");
    if (bStarred)
        strTitle = strTitle.Left(strTitle.GetLength() - 2);
    if (bReadOnly && !EndsWith(strTitle, "(RO)"))
        strTitle += " (RO)";
    if (!bReadOnly && EndsWith(strTitle, " (RO)"))
        strTitle = strTitle.Left(strTitle.GetLength() - 5);
    if (IsModified() && !bReadOnly)
        strTitle += " *";
    CDocument::SetTitle(strTitle);
}

void CJavaIDEDoc::SetModifiedFlag(BOOL bModified)
{
    BOOL bWas = m_bModified;
    CDocument::SetModifiedFlag(bModified);
    if (bWas != m_bModified)
        SetTitle(m_strTitle);
}

void CJavaIDEDoc::SetPathName(const char* pszPath, BOOL bAddToRecent)
{
    CString strNewPath(pszPath ? pszPath : "");
    if (strNewPath != m_strPathName)
        m_nDiskTime = 0;  // known only of the file this document read or wrote
    m_strPathName = strNewPath;
    if (CJavaIDEView* pView = GetView())
        pView->SetPathName(m_strPathName);
    if (bAddToRecent && !m_strPathName.IsEmpty())
        m_pHost->AddToRecentFileList(m_strPathName);
    SetTitle(m_strPathName.Mid(m_strPathName.ReverseFind('/') + 1));
}

// ---- Opening

void CJavaIDEDoc::OnNewDocument()
{
    m_strPathName.Empty();
    m_nRememberedTime = 0;
    if (CJavaIDEView* pView = GetView()) {
        pView->SetPathName("");
        pView->LoadText("", 0);
        pView->SetUnix(TRUE);   // a new file gets this system's line ends
        pView->SetRO(FALSE);
    }
    m_bModified = FALSE;
    CString strTitle;
    strTitle.Format("%s%d", UNTITLED, ++m_nUntitledCount);
    SetTitle(strTitle);
}

BOOL CJavaIDEDoc::OnOpenDocument(const char* pszPath)
{
    CString strPath(pszPath);
    CJavaIDEView* pView = GetView();
    SetPathName(strPath, TRUE);
    auto fail = [&](const CString& strWhy) {
        Tell(strWhy);
        SetPathName("", FALSE);
        return FALSE;
    };
    struct stat st {};
    if (stat(strPath, &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return fail("Cannot find the file " + strPath + " !!!");
        return fail("Cannot open the file " + strPath + ": " + std::strerror(errno) + " !!!");
    }
    if (S_ISDIR(st.st_mode))
        return fail(strPath + " is a folder, not a file !!!");
    std::string strText;
    CString strError;
    if (!CSafeFile::ReadAll(strPath, strText, strError))
        return fail("Cannot read the file " + strPath + ": " + strError + " !!!");
    if (strText.size() > static_cast<size_t>(INT_MAX / 2))
        return fail("The file " + strPath + " is too large to edit !!!");
    if (!pView)
        return fail("Cannot load the file " + strPath + " !!!");
    CUserInterface::Get().SetWaitCursor(TRUE);
    BOOL bLoaded = pView->LoadText(strText.data(), static_cast<long>(strText.size()));
    CUserInterface::Get().SetWaitCursor(FALSE);
    if (!bLoaded)
        return fail("Cannot load the file " + strPath + " !!!");
    // Text without a CR is written back with LF line ends, also when it has no line break at all.
    pView->SetUnix(strText.find('\r') == std::string::npos);
    pView->SetRO(CSafeFile::IsReadOnly(strPath));
    m_nRememberedTime = 0;
    // The time of the stat before the read: a change made while reading
    // counts as a change made outside.
    m_nDiskTime = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
    m_bModified = FALSE;
    SetTitle(m_strTitle);
    return TRUE;
}

BOOL CJavaIDEDoc::Reload()
{
    if (m_strPathName.IsEmpty())
        return FALSE;
    CString strPath = m_strPathName;
    SetModifiedFlag(FALSE);
    if (!OnOpenDocument(strPath))
        return FALSE;
    if (CJavaIDEView* pView = GetView())
        pView->OnInitialUpdate();
    return TRUE;
}

// ---- Saving

CString CJavaIDEDoc::ProposeName() const
{
    CJavaIDEView* pView = GetView();
    if (!pView)
        return CString();
    CString strText = pView->GetCtrl().GetWindowText();
    std::unique_ptr<CFileObject> pFile(CJavaParser::ParseText(strText.c_str(), strText.GetLength()));
    if (!pFile)
        return CString();
    if (CVarClass* pClass = pFile->GetFirstClass())
        return pClass->GetName();
    if (CVarInterface* pInterface = pFile->GetFirstInterface())
        return pInterface->GetName();
    return CString();
}

CString CJavaIDEDoc::AskSavePath(const char* pszProposed)
{
    CString strProposed(pszProposed);
    if (EndsWith(strProposed, " *"))
        strProposed = strProposed.Left(strProposed.GetLength() - 2);
    CStringArray paths;
    if (!CUserInterface::Get().GetFileNames(FALSE, "Save As", "java", SAVE_FILTER, strProposed,
                                            OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, paths) ||
        paths.GetSize() == 0)
        return CString();
    return FixJavExtension(paths[0]);
}

BOOL CJavaIDEDoc::OnFileSave()
{
    if (!m_strPathName.IsEmpty())
        return DoFileSave();
    CString strName = ProposeName();
    CString strPath = AskSavePath(strName.IsEmpty() ? BaseTitle() : strName);
    if (strPath.IsEmpty())
        return FALSE;
    if (!DoSave(strPath, TRUE))
        return FALSE;
    // A new file may join the open project.
    CProject* pProject = GetOpenProject();
    if (pProject && access(m_strPathName, F_OK) == 0 && !pProject->HasFile(m_strPathName) &&
        AfxMessageBox("Select Yes to add the file to project otherwise select NO.", MB_YESNO | MB_ICONQUESTION) == IDYES) {
        if (pProject->AddFile(m_strPathName))
            m_pHost->RefreshProjectTree();
    }
    return TRUE;
}

BOOL CJavaIDEDoc::OnFileSaveAs()
{
    CString strProposed = m_strPathName.IsEmpty() ? BaseTitle() : m_strPathName;
    CStringArray paths;
    // Unlike the framework's dialog, choosing an existing other file asks before it is replaced.
    if (!CUserInterface::Get().GetFileNames(FALSE, "Save As", "java", SAVE_AS_FILTER, strProposed,
                                            OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_OVERWRITEPROMPT, paths) ||
        paths.GetSize() == 0)
        return FALSE;
    CString strPath = FixJavExtension(paths[0]);
    if (access(strPath, F_OK) != 0) {
        int nFd = open(strPath, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (nFd < 0) {
            Tell("Cannot write the file " + strPath + ": " + std::strerror(errno) + " !!!");
            return FALSE;
        }
        close(nFd);
    }
    CString strOldPath = m_strPathName;
    CJavaIDEView* pView = GetView();
    BOOL bOldReadOnly = pView && pView->GetReadOnly();
    CLanguage* pOldLanguage = pView ? pView->GetLanguage() : nullptr;
    long long nOldDiskTime = m_nDiskTime;
    SetPathName(strPath, TRUE);
    if (pView)
        pView->SetReadOnly(CSafeFile::IsReadOnly(strPath));
    if (!DoFileSave()) {
        SetPathName(strOldPath, FALSE);
        m_nDiskTime = nOldDiskTime;
        if (pView)
            pView->SetReadOnly(bOldReadOnly);
        return FALSE;
    }
    // A new extension may mean another language.
    if (pView && pView->GetLanguage() != pOldLanguage)
        pView->OnTextFormatChange();
    return TRUE;
}

BOOL CJavaIDEDoc::DoFileSave()
{
    m_nRememberedTime = 0;
    CJavaIDEView* pView = GetView();
    BOOL bSaved;
    if (m_strPathName.IsEmpty() || CSafeFile::IsReadOnly(m_strPathName) || (pView && pView->IsResourceFile()))
        bSaved = DoSave(nullptr, TRUE);
    else
        bSaved = DoSave(m_strPathName, TRUE);
    if (!bSaved)
        return FALSE;
    if (CProject* pProject = GetOpenProject()) {
        if (m_pHost->GetViewSettings().m_bParseOnSave)
            pProject->ParseFile(m_strPathName, FALSE);
        pProject->OnFileSaved(m_strPathName);
    }
    return TRUE;
}

BOOL CJavaIDEDoc::DoSave(const char* pszPath, BOOL bReplace)
{
    m_nRememberedTime = 0;
    CString strPath(pszPath);
    if (strPath.IsEmpty()) {
        CString strName = m_strPathName.IsEmpty() ? ProposeName() : CString();
        strPath = AskSavePath(!strName.IsEmpty() ? strName
                              : m_strPathName.IsEmpty() ? BaseTitle()
                                                        : m_strPathName.Mid(m_strPathName.ReverseFind('/') + 1));
        if (strPath.IsEmpty())
            return FALSE;
    }
    if (!OnSaveDocument(strPath))
        return FALSE;
    if (bReplace && strPath != m_strPathName) {
        SetPathName(strPath, TRUE);
        m_nDiskTime = CSafeFile::ModificationTime(strPath);
        if (CJavaIDEView* pView = GetView())
            pView->SetReadOnly(FALSE);
    }
    if (CJavaIDEView* pView = GetView())
        pView->GetCtrl().SetModify(FALSE);
    SetModifiedFlag(FALSE);
    m_nRememberedTime = 0;
    return TRUE;
}

BOOL CJavaIDEDoc::OnSaveDocument(const char* pszPath)
{
    CJavaIDEView* pView = GetView();
    if (!pView)
        return FALSE;
    // A file another program changed since it was read is not written over
    // without the question, also when the window never lost the focus.
    if (!m_strPathName.IsEmpty() && m_strPathName == pszPath && m_nDiskTime != 0) {
        long long nNow = CSafeFile::ModificationTime(pszPath);
        if (nNow != 0 && nNow != m_nDiskTime) {
            m_nRememberedTime = nNow;
            CString strQuestion;
            strQuestion.Format("File %s has been modified from outside. Plese select Yes to reload the file !!!",
                               pszPath);
            if (AfxMessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES) {
                Reload();
                return FALSE;
            }
        }
    }
    CString strText = pView->GetCtrl().GetWindowText();
    if (pView->IsUnix())
        CTinctoView::ConvertToUnix(strText);
    CUserInterface::Get().SetWaitCursor(TRUE);
    CString strError;
    BOOL bWritten = CSafeFile::Write(pszPath, strText.c_str(), static_cast<size_t>(strText.GetLength()), strError);
    CUserInterface::Get().SetWaitCursor(FALSE);
    if (!bWritten) {
        Tell(CString("Cannot write the file ") + pszPath + ": " + strError + " !!!");
        return FALSE;
    }
    if (m_strPathName == pszPath)
        m_nDiskTime = CSafeFile::ModificationTime(pszPath);
    return TRUE;
}

BOOL CJavaIDEDoc::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString strName = m_strPathName.IsEmpty() ? BaseTitle() : m_strPathName;
    switch (AfxMessageBox("Save changes to " + strName + "?", MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return m_strPathName.IsEmpty() ? OnFileSave() : DoFileSave();
    case IDNO:
        return TRUE;
    default:
        return FALSE;
    }
}
