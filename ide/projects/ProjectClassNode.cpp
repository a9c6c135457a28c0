#include "ProjectClassNode.h"

#include "FileObject.h"
#include "ProjectFileItem.h"
#include "UserInterface.h"
#include "VarClass.h"
#include "VarInterface.h"

std::vector<CProjectViewMenuItem> CProjectClassNode::GetMenu() const
{
    std::vector<CProjectViewMenuItem> items;
    CVarContainer* pClass = FindCurrentClass();
    if (!pClass)
        return items;
    items.push_back({ID_CLASS_GOTO, m_bInterface ? CString("&Go To Interface") : CString("&Go To Class")});
    int nMethod = 0;
    for (POSITION pos = pClass->m_Methods.GetHeadPosition(); pos && nMethod < static_cast<int>(MAX_METHODS); ++nMethod) {
        if (nMethod == 0)
            items.push_back({0, CString()});
        CString strText;
        pClass->m_Methods.GetNext(pos)->GetDisplayText(strText);
        // A lone "&" would become a mnemonic mark in the menu.
        strText.Replace("&", "&&");
        items.push_back({ID_CLASS_METHOD_FIRST + static_cast<UINT>(nMethod), "Go To " + strText});
    }
    return items;
}

CVarContainer* CProjectClassNode::FindCurrentClass() const
{
    CFileObject* pObject = m_pFile ? m_pFile->GetFileObject() : nullptr;
    if (!pObject)
        return nullptr;
    if (m_bInterface)
        return pObject->FindInterface(m_strName);
    return pObject->FindClass(m_strName);
}

BOOL CProjectClassNode::OnCommand(UINT nID, CString& strPath, int& nLine) const
{
    BOOL bGoTo = nID == ID_CLASS_GOTO;
    BOOL bMethod = nID >= ID_CLASS_METHOD_FIRST && nID < ID_CLASS_METHOD_FIRST + MAX_METHODS;
    if (!bGoTo && !bMethod)
        return FALSE;
    CVarContainer* pClass = FindCurrentClass();
    if (!pClass) {
        AfxMessageBox("Class not found in the file !!!", MB_ICONEXCLAMATION);
        return FALSE;
    }
    strPath = m_pFile->GetPathName();
    nLine = pClass->m_nStartLine;
    if (bMethod) {
        int nIndex = static_cast<int>(nID - ID_CLASS_METHOD_FIRST);
        POSITION pos = pClass->m_Methods.GetHeadPosition();
        for (int i = 0; pos && i < nIndex; ++i)
            pClass->m_Methods.GetNext(pos);
        if (!pos)
            return FALSE;
        nLine = pClass->m_Methods.GetAt(pos)->m_nStartLine;
    }
    return nLine > 0;
}
