#include "ClassIndex.h"

#include "VarClass.h"
#include "VarInterface.h"

#include <set>
#include <string>

BOOL CClassIndex::IsAncestor(const CVarContainer* pClass, const CVarContainer* pOther) const
{
    if (!pClass || !pOther)
        return FALSE;
    BOOL bOtherIsInterface = pOther->IsKindOf(MOSK_RUNTIME_CLASS(CVarInterface));
    std::set<std::string> seen;  // a damaged index may hold a circle of parents
    CString strName = pClass->m_strParent;
    while (!strName.IsEmpty() && seen.insert(strName.str()).second) {
        if (const CVarClass* pParent = FindClass(strName)) {
            if (pParent->m_strName.CompareNoCase(pOther->m_strName) == 0)
                return TRUE;
            strName = pParent->m_strParent;
        } else if (const CVarInterface* pInterface = FindInterface(strName)) {
            if (bOtherIsInterface && pInterface->m_strName.CompareNoCase(pOther->m_strName) == 0)
                return TRUE;
            strName = pInterface->m_strParent;
        } else {
            return FALSE;
        }
    }
    return FALSE;
}
