#include "VarInnerClass.h"

#include "Archive.h"

MOSK_IMPLEMENT_SERIAL(CVarInnerClass, CVarClass, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)

void CVarInnerClass::Serialize(CArchive& ar)
{
    CVarClass::Serialize(ar);
    if (ar.IsStoring())
        ar << m_strOuterClass;
    else
        ar >> m_strOuterClass;
}

void CVarInnerClass::DumpAttributes(CString& strOut) const
{
    CVarClass::DumpAttributes(strOut);
    strOut += " outer=\"" + m_strOuterClass + "\"";
}
