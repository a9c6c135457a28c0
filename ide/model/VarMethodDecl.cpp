#include "VarMethodDecl.h"

#include "Archive.h"
#include "DragToken.h"
#include "Argument.h"
#include "JavaName.h"
#include "JavaParseData.h"
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

BOOL CVarMethodDecl::Parse(char ch)
{
    CJavaParseData* pData = CJavaParseData::GetCurrent();
    if (ParseSignature(pData, ch))
        return TRUE;
    if (m_nValueDepth > 0) {
        if (ch == '{') {
            ++m_nValueDepth;
        } else if (ch == '}' && --m_nValueDepth == 0 && !m_bDefaultValue) {
            Finish(pData);
            return FALSE;
        }
        return TRUE;
    }
    if (ch == ';') {
        TakeThrows(pData);
        Finish(pData);
        return FALSE;
    }
    if (ch == '{') {
        // An annotation element's array default, or a body where none belongs: skipped.
        TakeThrows(pData);
        m_bDefaultValue = pData->FindWord("default") >= 0;
        m_nValueDepth = 1;
        pData->ResetWords();
    }
    return TRUE;
}

BOOL CVarMethodDecl::ParseSignature(CJavaParseData* pData, char ch)
{
    if (m_bParamsDone)
        return FALSE;
    if (!m_bInParams) {
        if (ch == '(') {
            TakeHeader(pData);
            m_bInParams = TRUE;
            m_nArrayDims = 0;
            pData->ResetWords();
        }
        return TRUE;
    }
    if (ch == '[') {
        ++m_nArrayDims;
    } else if (ch == ',' || ch == ')') {
        if (pData->GetWordCount() > 0) {
            auto* pArgument = new CArgument("", m_nStartLine);
            pArgument->m_nHeaderOffset = pData->GetWordOffset(0);
            pData->TakeModifiers(pArgument, CJavaParseData::MOD_FINAL);
            pData->TakeTypeAndName(pArgument, m_nArrayDims);
            pArgument->m_nEndLine = m_nStartLine;
            pArgument->m_bComplete = TRUE;
            AddArgument(pArgument);
        }
        pData->ResetWords();
        m_nArrayDims = 0;
        if (ch == ')') {
            m_bInParams = FALSE;
            m_bParamsDone = TRUE;
        }
    }
    return TRUE;
}

void CVarMethodDecl::TakeHeader(CJavaParseData* pData)
{
    m_nHeaderOffset = pData->GetWordCount() > 0 ? pData->GetWordOffset(0) : pData->GetPendingOffset();
    int nSeen = pData->TakeModifiers(this, CJavaParseData::MOD_ALL);
    m_bSynchronized = (nSeen & CJavaParseData::SEEN_SYNCHRONIZED) != 0;
    m_bNative = (nSeen & CJavaParseData::SEEN_NATIVE) != 0;
    pData->TakeTypeAndName(this, m_nArrayDims);
}

void CVarMethodDecl::TakeThrows(CJavaParseData* pData)
{
    if (pData->GetWordCount() == 0 || pData->GetWord(0) != "throws")
        return;
    for (int i = 1; i < pData->GetWordCount(); ++i)
        m_Exceptions.Add(pData->GetWord(i));
}

void CVarMethodDecl::Finish(CJavaParseData* pData)
{
    m_nEndLine = pData->GetPendingLine() + 1;
    m_nEndOffset = pData->GetPendingOffset();
    m_bComplete = TRUE;
    pData->ResetWords();
}
