#include "VarClass.h"

#include "Archive.h"
#include "DragToken.h"
#include "JavaName.h"
#include "VarInterface.h"

MOSK_IMPLEMENT_SERIAL(CVarClass, CVarContainer, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)

void CVarClass::Serialize(CArchive& ar)
{
    CVarContainer::Serialize(ar);
    if (ar.IsStoring()) {
        ar.SerializeStrings(m_Interfaces);
        m_InnerClasses.Serialize(ar);
        m_InnerInterfaces.Serialize(ar);
        return;
    }
    if (m_nLoadedSchema == 1) {
        // Schema 1 kept the one implemented interface as a string; empty meant none.
        CString strInterface;
        ar >> strInterface;
        if (!strInterface.IsEmpty())
            m_Interfaces.Add(strInterface);
        return;
    }
    ar.SerializeStrings(m_Interfaces);
    if (m_nLoadedSchema >= 3) {
        m_InnerClasses.Serialize(ar);
        m_InnerInterfaces.Serialize(ar);
    }
}

void CVarClass::Clear()
{
    m_InnerClasses.DeleteAll();
    m_InnerInterfaces.DeleteAll();
    CVarContainer::Clear();
}

void CVarClass::GetDisplayText(CString& strText) const
{
    strText.Empty();
    if (m_bFinal)
        strText += "Final ";
    strText += CJavaName::Unqualify(m_strName);
    if (!m_strParent.IsEmpty())
        strText += " extends " + CJavaName::Unqualify(m_strParent);
    CString strInterfaces;
    for (int i = 0; i < m_Interfaces.GetSize(); ++i)
        AppendJoined(strInterfaces, CJavaName::Unqualify(m_Interfaces[i]), ", ");
    if (!strInterfaces.IsEmpty())
        strText += " implements " + strInterfaces;
}

CDragToken* CVarClass::MakeProjectDragToken()
{
    return new CDragToken(CDragToken::DRAG_PROJCLASS, this);
}

CDragToken* CVarClass::MakeDragToken()
{
    return new CDragToken(CDragToken::DRAG_CLASS, this);
}

BOOL CVarClass::ImplementsInterface(const char* pszName) const
{
    for (int i = 0; i < m_Interfaces.GetSize(); ++i)
        if (m_Interfaces[i].CompareNoCase(pszName) == 0)
            return TRUE;
    return FALSE;
}

POSITION CVarClass::AddInnerInterface(CVarInterface* pInterface)
{
    return m_InnerInterfaces.AddSorted(pInterface);
}

CVarClass* CVarClass::FindClassAtLine(int nLine)
{
    for (POSITION pos = m_InnerClasses.GetHeadPosition(); pos;)
        if (CVarClass* pFound = m_InnerClasses.GetNext(pos)->FindClassAtLine(nLine))
            return pFound;
    return (m_nStartLine <= nLine && nLine <= m_nEndLine) ? this : nullptr;
}

void CVarClass::DumpAttributes(CString& strOut) const
{
    CVarContainer::DumpAttributes(strOut);
    CString strInterfaces;
    for (int i = 0; i < m_Interfaces.GetSize(); ++i)
        AppendJoined(strInterfaces, m_Interfaces[i], ",");
    if (!m_Interfaces.IsEmpty())
        strOut += " implements=\"" + strInterfaces + "\"";
}

void CVarClass::DumpChildren(CString& strOut, int nIndent) const
{
    CVarContainer::DumpChildren(strOut, nIndent);
    m_InnerClasses.DumpTo(strOut, nIndent);
    m_InnerInterfaces.DumpTo(strOut, nIndent);
}
