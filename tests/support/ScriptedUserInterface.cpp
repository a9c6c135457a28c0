#include "ScriptedUserInterface.h"

#include "StringArray.h"

CScriptedUserInterface::CScriptedUserInterface()
    : m_pPrevious(CUserInterface::Install(this))
{
}

CScriptedUserInterface::~CScriptedUserInterface()
{
    CUserInterface::Install(m_pPrevious);
}

int CScriptedUserInterface::MessageBox(const char* pszText, UINT nType)
{
    m_shown.push_back({CString(pszText), nType});
    if (m_answers.empty())
        return DefaultAnswer(nType);
    int nAnswer = m_answers.front();
    m_answers.pop_front();
    return nAnswer;
}

BOOL CScriptedUserInterface::SetClipboardText(const char* pszText)
{
    if (m_bClipboardFails)
        return FALSE;
    m_strClipboard = pszText;
    m_bClipboardHasText = true;
    return TRUE;
}

BOOL CScriptedUserInterface::GetClipboardText(CString& strText)
{
    if (m_bClipboardFails || !m_bClipboardHasText)
        return FALSE;
    strText = m_strClipboard;
    return TRUE;
}

void CScriptedUserInterface::SetStatusText(const char* pszText)
{
    m_statusTexts.emplace_back(pszText);
}

void CScriptedUserInterface::SetWaitCursor(BOOL bWait)
{
    m_nWaitDepth += bWait ? 1 : -1;
}

BOOL CScriptedUserInterface::GetFileNames(BOOL bOpen, const char* pszTitle, const char* pszDefExt,
                                          const char* pszFilter, const char* pszFolder, DWORD nFlags,
                                          CStringArray& arrPaths)
{
    m_fileDialogs.push_back({bOpen, CString(pszTitle), CString(pszDefExt), CString(pszFilter), CString(pszFolder), nFlags});
    arrPaths.RemoveAll();
    if (m_fileAnswers.empty())
        return FALSE;
    std::vector<CString> paths = std::move(m_fileAnswers.front());
    m_fileAnswers.pop_front();
    for (const CString& str : paths)
        arrPaths.Add(str);
    return !paths.empty();
}

BOOL CScriptedUserInterface::GetFolderName(const char* pszTitle, const char* pszStart, CString& strFolder)
{
    m_folderDialogs.push_back({CString(pszTitle), CString(pszStart)});
    strFolder.Empty();
    if (m_folderAnswers.empty())
        return FALSE;
    strFolder = m_folderAnswers.front();
    m_folderAnswers.pop_front();
    return !strFolder.IsEmpty();
}
