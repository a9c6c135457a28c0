#include "VarMethodDecl.h"

#include "Archive.h"
#include "DragToken.h"
#include "JavaName.h"
#include "Variable.h"

MOSK_IMPLEMENT_SERIAL(CVarMethodDecl, CVarObject, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)

CVarMethodDecl::CVarMethodDecl()
{
    m_bAbstract = TRUE;
}

CVarMethodDecl::CVarMethodDecl(const char* pszName, int nStartLine) : CVarObject(pszName, nStartLine)
{
    m_bAbstract = TRUE;
}

void CVarMethodDecl::Serialize(CArchive& ar)
{
    CVarObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_bSynchronized << m_bNative;
        m_Arguments.Serialize(ar);
        ar.SerializeStrings(m_Exceptions);
        return;
    }
    if (m_nLoadedSchema < CURRENT_SCHEMA) {
        m_Arguments.Serialize(ar);
        return;
    }
    ar >> m_bSynchronized >> m_bNative;
    m_Arguments.Serialize(ar);
    ar.SerializeStrings(m_Exceptions);
}

void CVarMethodDecl::Clear()
{
    m_Arguments.DeleteAll();
}

BOOL CVarMethodDecl::CanBeOverridden() const
{
    return !m_strType.IsEmpty() && m_bComplete && !m_bStatic && !m_bFinal && m_nAccess != ACCESS_PRIVATE;
}

void CVarMethodDecl::GetDisplayText(CString& strText) const
{
    strText.Empty();
    if (m_bStatic)
        strText += "static ";
    if (!m_strType.IsEmpty())
        strText += CJavaName::Unqualify(m_strType) + " ";
    strText += CJavaName::Unqualify(m_strName) + "(";
    CString strArguments;
    for (POSITION pos = m_Arguments.GetHeadPosition(); pos;)
        AppendJoined(strArguments, CJavaName::Unqualify(m_Arguments.GetNext(pos)->m_strType), ", ");
    strText += strArguments.IsEmpty() ? CString(" ") : strArguments;
    strText += ")";
    CString strExceptions;
    for (int i = 0; i < m_Exceptions.GetSize(); ++i)
        AppendJoined(strExceptions, CJavaName::Unqualify(m_Exceptions[i]), ", ");
    if (!strExceptions.IsEmpty())
        strText += " throws " + strExceptions;
}

BOOL CVarMethodDecl::GetHelpText(CString& strText) const
{
    strText = "Not Available";
    return TRUE;
}

BOOL CVarMethodDecl::IsEqual(const CVarObject* pOther) const
{
    if (!CVarObject::IsEqual(pOther) || !pOther->IsKindOf(MOSK_RUNTIME_CLASS(CVarMethodDecl)))
        return FALSE;
    const auto* pMethod = static_cast<const CVarMethodDecl*>(pOther);
    if (m_Arguments.GetCount() != pMethod->m_Arguments.GetCount())
        return FALSE;
    for (POSITION pos = m_Arguments.GetHeadPosition(), posOther = pMethod->m_Arguments.GetHeadPosition(); pos;)
        if (m_Arguments.GetNext(pos)->m_strType != pMethod->m_Arguments.GetNext(posOther)->m_strType)
            return FALSE;
    return TRUE;
}

CDragToken* CVarMethodDecl::MakeDragToken()
{
    return new CDragToken(CDragToken::DRAG_METHOD, this);
}

BOOL CVarMethodDecl::ShortenNames()
{
    CVarObject::ShortenNames();
    for (POSITION pos = m_Arguments.GetHeadPosition(); pos;)
        m_Arguments.GetNext(pos)->ShortenNames();
    return TRUE;
}

POSITION CVarMethodDecl::AddArgument(CVariable* pArgument)
{
    return m_Arguments.AddTail(pArgument);
}

void CVarMethodDecl::DumpAttributes(CString& strOut) const
{
    CVarObject::DumpAttributes(strOut);
    if (m_bSynchronized)
        strOut += " synchronized";
    if (m_bNative)
        strOut += " native";
    CString strExceptions;
    for (int i = 0; i < m_Exceptions.GetSize(); ++i)
        AppendJoined(strExceptions, m_Exceptions[i], ",");
    if (!m_Exceptions.IsEmpty())
        strOut += " throws=\"" + strExceptions + "\"";
}

void CVarMethodDecl::DumpChildren(CString& strOut, int nIndent) const
{
    m_Arguments.DumpTo(strOut, nIndent);
}
