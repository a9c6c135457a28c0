#include "SourceDocument.h"

#include "UserInterface.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Whole contents of an open file; false on a read error (errno set).
bool ReadAll(int nFd, std::string& strText)
{
    char buffer[65536];
    for (;;) {
        ssize_t n = read(nFd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        strText.append(buffer, static_cast<size_t>(n));
    }
}

bool WriteAll(int nFd, const char* pText, size_t nLength)
{
    while (nLength > 0) {
        ssize_t n = write(nFd, pText, nLength);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        pText += n;
        nLength -= static_cast<size_t>(n);
    }
    return true;
}

void Tell(const CString& strText)
{
    AfxMessageBox(strText, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

CSourceDocument::CSourceDocument()
{
    m_view.Create(&m_ctrl);
}

void CSourceDocument::NewUntitled()
{
    m_strPathName.Empty();
    m_strTitle = "Untitled";
    m_bUnix = TRUE;   // a new file gets this system's line ends
    m_view.SetPathName("");
    m_view.LoadText("", 0);
    m_view.SetUnix(TRUE);
    m_view.SetRO(FALSE);
    m_view.OnInitialUpdate();
}

BOOL CSourceDocument::Open(const char* pszPath)
{
    CString strPath(pszPath);
    struct stat st {};
    if (stat(strPath, &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            Tell("Cannot find the file " + strPath + " !!!");
        else
            Tell("Cannot open the file " + strPath + ": " + std::strerror(errno) + " !!!");
        return FALSE;
    }
    if (S_ISDIR(st.st_mode)) {
        Tell(strPath + " is a folder, not a file !!!");
        return FALSE;
    }
    int nFd = open(strPath, O_RDONLY | O_CLOEXEC);
    std::string strText;
    if (nFd < 0 || !ReadAll(nFd, strText)) {
        int nError = errno;
        if (nFd >= 0)
            close(nFd);
        Tell("Cannot read the file " + strPath + ": " + std::strerror(nError) + " !!!");
        return FALSE;
    }
    close(nFd);
    if (strText.size() > static_cast<size_t>(INT_MAX / 2)) {
        Tell("The file " + strPath + " is too large to edit !!!");
        return FALSE;
    }

    m_strPathName = strPath;
    m_strTitle = strPath.Mid(strPath.ReverseFind('/') + 1);
    m_bUnix = strText.find('\n') != std::string::npos && strText.find('\r') == std::string::npos;
    m_view.SetPathName(strPath);
    CUserInterface::Get().SetWaitCursor(TRUE);
    BOOL bLoaded = m_view.LoadText(strText.data(), static_cast<long>(strText.size()));
    CUserInterface::Get().SetWaitCursor(FALSE);
    if (!bLoaded) {
        Tell("Cannot load the file " + strPath + " !!!");
        return FALSE;
    }
    // Read-only like a read-only attribute: no write permission bit at all,
    // or none that lets this user write.
    bool bReadOnly = (st.st_mode & 0222) == 0 || access(strPath, W_OK) != 0;
    m_view.SetUnix(m_bUnix);
    m_view.SetRO(bReadOnly ? TRUE : FALSE);
    m_view.OnInitialUpdate();
    return TRUE;
}

BOOL CSourceDocument::Save()
{
    if (m_strPathName.IsEmpty())
        return FALSE;
    if (IsReadOnly()) {
        Tell("The file " + m_strPathName + " is read-only !!!");
        return FALSE;
    }
    CString strText = m_ctrl.GetWindowText();
    if (m_bUnix)
        std::erase(strText.str(), '\r');

    // Written next to the file and renamed over it, so that a failed write
    // leaves the old file as it was. A link is followed to the real file.
    char szReal[PATH_MAX];
    CString strTarget = realpath(m_strPathName, szReal) ? CString(szReal) : m_strPathName;
    CString strTemp = strTarget + ".mosk-save-XXXXXX";
    int nFd = mkstemp(strTemp.str().data());
    if (nFd < 0) {
        Tell("Cannot write the file " + m_strPathName + ": " + std::strerror(errno) + " !!!");
        return FALSE;
    }
    // The file keeps its permissions; a new one gets the usual ones, not
    // the owner-only ones of the temporary file.
    struct stat st {};
    if (stat(strTarget, &st) == 0) {
        fchmod(nFd, st.st_mode & 07777);
    } else {
        mode_t nMask = umask(0);
        umask(nMask);
        fchmod(nFd, 0666 & ~nMask);
    }
    bool bWritten = WriteAll(nFd, strText.c_str(), static_cast<size_t>(strText.GetLength())) && fsync(nFd) == 0;
    int nError = errno;
    bWritten = close(nFd) == 0 && bWritten;
    if (!bWritten || rename(strTemp, strTarget) != 0) {
        if (bWritten)
            nError = errno;
        unlink(strTemp);
        Tell("Cannot write the file " + m_strPathName + ": " + std::strerror(nError) + " !!!");
        return FALSE;
    }
    m_ctrl.SetModify(FALSE);
    return TRUE;
}

BOOL CSourceDocument::SaveAs(const char* pszPath)
{
    CString strPath(pszPath);
    if (strPath.IsEmpty())
        return FALSE;
    CString strOldPath = m_strPathName, strOldTitle = m_strTitle;
    BOOL bOldReadOnly = m_ctrl.GetReadOnly();
    m_strPathName = strPath;
    m_strTitle = strPath.Mid(strPath.ReverseFind('/') + 1);
    m_view.SetRO(FALSE);
    if (!Save()) {
        m_strPathName = strOldPath;
        m_strTitle = strOldTitle;
        m_view.SetRO(bOldReadOnly);
        return FALSE;
    }
    // A new extension may mean another language.
    CLanguage* pOld = m_view.GetLanguage();
    m_view.SetPathName(strPath);
    if (m_view.GetLanguage() != pOld)
        m_view.OnTextFormatChange();
    return TRUE;
}

BOOL CSourceDocument::CanClose(const std::function<BOOL()>& fnSave)
{
    if (!IsModified())
        return TRUE;
    switch (AfxMessageBox("Save changes to " + m_strTitle + "?", MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return fnSave ? fnSave() : Save();
    case IDNO:
        return TRUE;
    default:
        return FALSE;
    }
}
