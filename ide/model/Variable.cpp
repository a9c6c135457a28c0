#include "Variable.h"

#include "JavaName.h"
#include "JavaParseData.h"

MOSK_IMPLEMENT_SERIAL(CVariable, CVarObject, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)

void CVariable::GetDisplayText(CString& strText) const
{
    strText.Empty();
    if (m_bStatic)
        strText += "static ";
    if (m_bFinal)
        strText += "final ";
    strText += CJavaName::Unqualify(m_strType) + " " + CJavaName::Unqualify(m_strName);
}

BOOL CVariable::Parse(char ch)
{
    CJavaParseData* pData = CJavaParseData::GetCurrent();
    if (m_nState == STATE_HEADER) {
        if (ch == '[')
            ++m_nArrayDims;  // a later declarator's own brackets ("int a, b[];")
        if (ch != '=' && ch != ';' && ch != ',')
            return TRUE;
        m_nHeaderOffset = pData->GetWordCount() > 0 ? pData->GetWordOffset(0) : pData->GetPendingOffset();
        pData->TakeModifiers(this, CJavaParseData::MOD_STATIC | CJavaParseData::MOD_FINAL);
        pData->TakeTypeAndName(this, m_nArrayDims);
        m_nArrayDims = 0;
        m_nState = STATE_BODY;
        if (ch == '=') {
            pData->SetFilter(CJavaParseData::FILTER_INITIALISER);
            return TRUE;
        }
    } else {
        // The initialiser: only a "," or ";" outside its brackets ends the declarator.
        switch (ch) {
        case '{': ++m_nBraceDepth; return TRUE;
        case '}': --m_nBraceDepth; return TRUE;
        case '(': case '[': ++m_nParenDepth; return TRUE;
        case ')': case ']': --m_nParenDepth; return TRUE;
        case ',': case ';': break;
        default: return TRUE;
        }
        if (m_nBraceDepth > 0 || m_nParenDepth > 0)
            return TRUE;
    }
    pData->ResetWords();
    pData->SetFilter(CJavaParseData::FILTER_NONE);
    if (ch == ',') {
        // The next declarator shares modifiers and type.
        if (m_bStatic)
            pData->AddWord("static", m_nHeaderOffset);
        if (m_bFinal)
            pData->AddWord("final", m_nHeaderOffset);
        static const char* const s_access[] = {nullptr, "public", "protected", "private"};
        if (m_nAccess > ACCESS_NONE && m_nAccess <= ACCESS_PRIVATE)
            pData->AddWord(s_access[m_nAccess], m_nHeaderOffset);
        pData->AddWord(m_strType, m_nHeaderOffset);
    }
    m_nEndLine = pData->GetPendingLine() + 1;
    m_nEndOffset = pData->GetPendingOffset();
    m_bComplete = TRUE;
    return FALSE;
}
