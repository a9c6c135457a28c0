#include "ClassWizard.h"

#include "Archive.h"
#include "ClassIndex.h"
#include "JavaIDEView.h"
#include "JavaName.h"
#include "TinctoView.h"
#include "UserInterface.h"
#include "VarClass.h"
#include "VarInterface.h"
#include "VarMethodDecl.h"
#include "Variable.h"

#include <algorithm>
#include <memory>

namespace {

const char* AccessWord(int nAccess)
{
    switch (nAccess) {
    case CVarObject::ACCESS_PUBLIC: return "public";
    case CVarObject::ACCESS_PRIVATE: return "private";
    case CVarObject::ACCESS_PROTECTED: return "protected";
    }
    return "";
}

// A method of the index copied for the project's model through the archive.
CVarObject* CloneMethod(const CVarObject* pMethod)
{
    CArchive out;
    out.WriteObject(pMethod);
    CArchive in(out.GetData().data(), out.GetData().size());
    return static_cast<CVarObject*>(in.ReadOwnedObject(MOSK_RUNTIME_CLASS(CVarObject)));
}

BOOL IsConstructorOf(const CVarObject* pMethod, const CVarClass& cls)
{
    return pMethod->m_strType.IsEmpty() && pMethod->m_strName.CompareNoCase(cls.m_strName) == 0;
}

} // namespace

CString CClassWizard::MethodText(const CVarMethodDecl& method, BOOL bBody, BOOL bBraces)
{
    CString strText = bBody ? "\n\t" : "";
    CString strAccess = AccessWord(method.m_nAccess);
    if (!strAccess.IsEmpty())
        strText += strAccess + " ";
    if (method.m_bSynchronized)
        strText += "synchronized ";
    strText += method.m_strType;
    if (!strText.IsEmpty())
        strText += " ";
    strText += method.m_strName + "(";
    BOOL bFirst = TRUE;
    for (POSITION pos = method.m_Arguments.GetHeadPosition(); pos; bFirst = FALSE) {
        CVariable* pArgument = method.m_Arguments.GetNext(pos);
        if (!bFirst)
            strText += ", ";
        strText += pArgument->m_strType + " " + pArgument->m_strName;
    }
    strText += ")";
    for (int i = 0; i < method.m_Exceptions.GetSize(); i++)
        strText += (i == 0 ? " throws " : ", ") + CJavaName::Unqualify(method.m_Exceptions[i]);
    if (!bBody)
        strText += ";\n";
    else if (!bBraces)
        strText += "{ }\n";
    else
        strText += "\n\t{\n\t\t\n\t}\n";
    return strText;
}

CString CClassWizard::NewClassText(const char* pszName, const CVarContainer* pParent,
                                   const std::vector<CVarInterface*>& interfaces, BOOL bConstructor)
{
    CString strText = CString("\n\nclass ") + pszName;
    if (pParent)
        strText += " extends " + pParent->m_strName;
    for (size_t i = 0; i < interfaces.size(); i++)
        strText += (i == 0 ? " implements " : ", ") + interfaces[i]->m_strName;
    strText += "\n{\n";
    if (bConstructor)
        strText += CString("\n\tpublic ") + pszName + "()\n\t{\n\t\n\t}\n";
    for (CVarInterface* pInterface : interfaces) {
        strText += "\n";
        for (POSITION pos = pInterface->m_Methods.GetHeadPosition(); pos;) {
            auto* pMethod = dynamic_cast<CVarMethodDecl*>(pInterface->m_Methods.GetNext(pos));
            if (pMethod)
                strText += MethodText(*pMethod, TRUE, TRUE) + "\n";
        }
    }
    strText += "\n}";
    return strText;
}

CString CClassWizard::NewInterfaceText(const char* pszName, const CVarContainer* pParent)
{
    CString strText = CString("\n\ninterface ") + pszName;
    if (pParent)
        strText += " extends " + pParent->m_strName;
    return strText + "\n{\n\n}";
}

BOOL CClassWizard::CopyClassText(const CVarClass& cls, const std::string& strFileText, const char* pszNewName,
                                 CString& strText)
{
    const long nStart = cls.m_nHeaderOffset, nEnd = cls.m_nEndOffset;
    if (nStart < 0 || nEnd < nStart || static_cast<size_t>(nEnd) >= strFileText.size()) {
        AfxMessageBox("Error matching class name to name in the file !!!");
        return FALSE;
    }
    std::string strClass = strFileText.substr(nStart, nEnd - nStart + 1);
    size_t nLast = strClass.rfind('}');
    if (nLast != std::string::npos)
        strClass.resize(nLast + 1);
    const std::string strOld = cls.m_strName.str();
    if (cls.m_strName.CompareNoCase(pszNewName) != 0) {
        // Every recorded name, relative to the header; the last first so that earlier offsets stay valid.
        std::vector<long> offsets = {cls.m_nNameOffset - nStart};
        for (POSITION pos = cls.m_Methods.GetHeadPosition(); pos;) {
            CVarObject* pMethod = cls.m_Methods.GetNext(pos);
            if (IsConstructorOf(pMethod, cls))
                offsets.push_back(pMethod->m_nNameOffset - nStart);
        }
        std::sort(offsets.rbegin(), offsets.rend());
        for (long nAt : offsets) {
            if (nAt < 0 || strClass.compare(static_cast<size_t>(nAt), strOld.size(), strOld) != 0) {
                AfxMessageBox("Error matching class name to name in the file !!!");
                return FALSE;
            }
        }
        for (long nAt : offsets)
            strClass.replace(static_cast<size_t>(nAt), strOld.size(), pszNewName);
    }
    strText = strClass.c_str();
    return TRUE;
}

CString CClassWizard::NotParentText(const CVarObject* pMethod, const CVarContainer* pHolder, const CVarContainer& cls)
{
    return "Cannot override method " + pMethod->m_strName + ". Class or Interface " +
           (pHolder ? pHolder->m_strName : CString()) + " is not a parent of class " + cls.m_strName;
}

CString CClassWizard::AlreadyDefinedText(const CVarObject* pMethod, const CVarContainer& cls)
{
    return "Method " + pMethod->m_strName + " already defined in class or interface" + cls.m_strName;
}

void CClassWizard::Paste(CJavaIDEView& view, const CString& strText)
{
    CTinctoView::CopyToClipboard(strText);
    view.SendMessage(WM_PASTE, 0, 0);
}

void CClassWizard::PasteAtEnd(CJavaIDEView& view, const CString& strText)
{
    LONG nEnd = view.GetCtrl().GetTextLength();
    view.GetCtrl().SetSel(nEnd, nEnd);
    Paste(view, strText);
}

int CClassWizard::Override(CJavaIDEView& view, const CVarContainer& cls, const CVarObject* pMethod,
                           CVarContainer* pTarget, const CClassIndex& index)
{
    auto* pDecl = dynamic_cast<const CVarMethodDecl*>(pMethod);
    if (!pDecl)
        return 1;
    int nResult = cls.CanOverride(pMethod, index);
    if (nResult == 1) {
        AfxMessageBox(NotParentText(pMethod, index.FindMethodOwner(pMethod), cls));
        return nResult;
    }
    if (nResult == 2) {
        AfxMessageBox(AlreadyDefinedText(pMethod, cls));
        return nResult;
    }
    view.GotoLine(cls.m_nEndLine, 0);
    BOOL bBody = !pTarget || pTarget->IsClass();
    Paste(view, MethodText(*pDecl, bBody, TRUE));
    if (pTarget) {
        CVarObject* pCopy = CloneMethod(pMethod);
        pCopy->m_nStartLine = cls.m_nEndLine;
        pTarget->AddMethod(pCopy);
    }
    return 0;
}
