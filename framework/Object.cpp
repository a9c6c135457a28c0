#include "Object.h"

const CRuntimeClass* CObject::GetThisClass()
{
    static const CRuntimeClass s_class = {"CObject", NO_SCHEMA, nullptr, nullptr};
    return &s_class;
}

const CRuntimeClass* CObject::GetRuntimeClass() const
{
    return GetThisClass();
}

void CObject::Serialize(CArchive&)
{
}

void CObject::DumpTo(CString& strOut, int nIndent) const
{
    DumpIndent(strOut, nIndent);
    strOut += GetRuntimeClass()->m_lpszClassName;
    strOut += '\n';
}

CString CObject::Dump() const
{
    CString str;
    DumpTo(str, 0);
    return str;
}

void CObject::DumpIndent(CString& strOut, int nIndent)
{
    for (int i = 0; i < nIndent; ++i)
        strOut += ' ';
}
