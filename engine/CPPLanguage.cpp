#include "CPPLanguage.h"

CCPPLanguage::CCPPLanguage()
{
    LoadSet(m_CPPKeywords);
    LoadSet(m_CPPDataTypes);
    LoadSet(m_NumberKeywords);
}

void CCPPLanguage::Init()
{
    m_CPPKeywords.GetTextFormat()->Init();
    m_CPPDataTypes.GetTextFormat()->Init();
    m_NumberKeywords.GetTextFormat()->Init();
}

CKeywords* CCPPLanguage::IsKeyword(unsigned long nKey)
{
    if (m_CPPDataTypes.IsKeyword(nKey))
        return &m_CPPDataTypes;
    if (m_CPPKeywords.IsKeyword(nKey))
        return &m_CPPKeywords;
    return CLanguage::IsKeyword(nKey);
}

CKeywords* CCPPLanguage::IsKeyword(const char* pszWord)
{
    if (m_CPPDataTypes.IsKeyword(pszWord))
        return &m_CPPDataTypes;
    if (m_CPPKeywords.IsKeyword(pszWord))
        return &m_CPPKeywords;
    if (m_NumberKeywords.IsKeyword(pszWord))
        return &m_NumberKeywords;
    return CLanguage::IsKeyword(pszWord);
}

CKeywords* CCPPLanguage::IsDataType(const char* pszWord)
{
    return m_CPPDataTypes.IsKeyword(pszWord) ? &m_CPPDataTypes : nullptr;
}

int CCPPLanguage::AppendColorTable(CString& strTable, int& nIndex)
{
    m_CPPKeywords.GetTextFormat()->AppendColorTable(strTable, nIndex);
    m_CPPDataTypes.GetTextFormat()->AppendColorTable(strTable, nIndex);
    m_NumberKeywords.GetTextFormat()->AppendColorTable(strTable, nIndex);
    return 0;
}
