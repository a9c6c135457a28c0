#include "MethodLines.h"

#include "FileObject.h"
#include "JavaParser.h"
#include "VarClass.h"
#include "VarContainer.h"
#include "VarInterface.h"

#include <memory>

namespace {

void Search(CVarContainer* pContainer, int nLine, int& nFirst, int& nLast, BOOL& bFound)
{
    if (!pContainer)
        return;
    for (POSITION pos = pContainer->m_Methods.GetHeadPosition(); pos;) {
        CVarObject* pMethod = pContainer->m_Methods.GetNext(pos);
        if (pMethod->m_nStartLine > nLine || pMethod->m_nEndLine < nLine)
            continue;
        // The innermost method is the one with the smallest range.
        if (!bFound || pMethod->m_nEndLine - pMethod->m_nStartLine < nLast - nFirst) {
            nFirst = pMethod->m_nStartLine;
            nLast = pMethod->m_nEndLine;
            bFound = TRUE;
        }
    }
    for (CVarList* pList : {pContainer->GetInnerClassList(), pContainer->GetInnerInterfaceList()}) {
        if (!pList)
            continue;
        for (POSITION pos = pList->GetHeadPosition(); pos;)
            Search(dynamic_cast<CVarContainer*>(pList->GetNext(pos)), nLine, nFirst, nLast, bFound);
    }
}

}  // namespace

BOOL CMethodLines::Find(const CFileObject& file, int nLine, int& nFirst, int& nLast)
{
    BOOL bFound = FALSE;
    for (POSITION pos = file.m_Classes.GetHeadPosition(); pos;)
        Search(file.m_Classes.GetNext(pos), nLine, nFirst, nLast, bFound);
    for (POSITION pos = file.m_Interfaces.GetHeadPosition(); pos;)
        Search(file.m_Interfaces.GetNext(pos), nLine, nFirst, nLast, bFound);
    return bFound;
}

BOOL CMethodLines::FindInFile(const char* pszPath, int nLine, int& nFirst, int& nLast)
{
    std::unique_ptr<CFileObject> pFile(CJavaParser::ParseFile(pszPath));
    return pFile && Find(*pFile, nLine, nFirst, nLast);
}
