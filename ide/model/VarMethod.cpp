#include "VarMethod.h"

#include "Archive.h"
#include "VarClass.h"

MOSK_IMPLEMENT_SERIAL(CVarMethod, CVarMethodDecl, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)

CVarMethod::CVarMethod()
{
    m_bAbstract = FALSE;
}

CVarMethod::CVarMethod(const char* pszName, int nStartLine) : CVarMethodDecl(pszName, nStartLine)
{
    m_bAbstract = FALSE;
}

void CVarMethod::Serialize(CArchive& ar)
{
    CVarMethodDecl::Serialize(ar);
    if (ar.IsStoring() || m_nLoadedSchema >= CURRENT_SCHEMA)
        m_LocalClasses.Serialize(ar);
}

void CVarMethod::Clear()
{
    m_LocalClasses.DeleteAll();
    CVarMethodDecl::Clear();
}

POSITION CVarMethod::AddLocalClass(CVarClass* pClass)
{
    return m_LocalClasses.AddSorted(pClass);
}

void CVarMethod::DumpChildren(CString& strOut, int nIndent) const
{
    CVarMethodDecl::DumpChildren(strOut, nIndent);
    m_LocalClasses.DumpTo(strOut, nIndent);
}
