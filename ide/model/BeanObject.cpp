#include "BeanObject.h"

#include "Archive.h"
#include "BeanListenInterface.h"
#include "JavaName.h"

MOSK_IMPLEMENT_SERIAL(CBeanObject, CVarContainer, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)

void CBeanObject::Serialize(CArchive& ar)
{
    CVarContainer::Serialize(ar);
    if (ar.IsStoring())
        ar << m_nReserved1 << m_nReserved2;
    else
        ar >> m_nReserved1 >> m_nReserved2;
    m_Listeners.Serialize(ar);
}

void CBeanObject::Clear()
{
    m_Listeners.DeleteAll();
    CVarContainer::Clear();
}

void CBeanObject::GetDisplayText(CString& strText) const
{
    strText = CJavaName::Unqualify(m_strName);
}

POSITION CBeanObject::AddListener(CBeanListenInterface* pListener)
{
    return m_Listeners.AddSorted(pListener);
}

void CBeanObject::DumpAttributes(CString& strOut) const
{
    CVarContainer::DumpAttributes(strOut);
    CString str;
    str.Format(" reserved=%d,%d", m_nReserved1, m_nReserved2);
    strOut += str;
}

void CBeanObject::DumpChildren(CString& strOut, int nIndent) const
{
    CVarContainer::DumpChildren(strOut, nIndent);
    m_Listeners.DumpTo(strOut, nIndent);
}
