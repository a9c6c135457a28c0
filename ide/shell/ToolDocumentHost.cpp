#include "ToolDocumentHost.h"

#include "Project.h"
#include "ProjectDoc.h"
#include "ProjectFileItem.h"

CString CToolDocumentHost::FindClassSource(const char* pszClass)
{
    if (!m_pProjectDoc || !pszClass || !*pszClass)
        return CString();
    const CProject& project = m_pProjectDoc->GetProject();
    if (!project.IsOpen())
        return CString();
    // The map holds the names as the parser gives them: try the whole name,
    // then the name after its package; an inner class ("Outer$Inner") is
    // found through its outer class.
    CString strName(pszClass);
    int nDollar = strName.Find('$');
    if (nDollar >= 0)
        strName = strName.Left(nDollar);
    CString strCandidates[2] = {strName, strName};
    int nDot = strName.ReverseFind('.');
    if (nDot >= 0)
        strCandidates[1] = strName.Mid(nDot + 1);
    for (const CString& strCandidate : strCandidates) {
        void* pValue = nullptr;
        if (project.m_ClassMap.Lookup(strCandidate, pValue) && pValue)
            return static_cast<CProjectFileItem*>(pValue)->GetPathName();
    }
    return CString();
}
