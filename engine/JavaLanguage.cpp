#include "JavaLanguage.h"

CJavaLanguage::CJavaLanguage()
{
    LoadSet(m_JavaDataTypes);
    LoadSet(m_JavaKeywords);
    LoadSet(m_NumberKeywords);
}

void CJavaLanguage::Init()
{
    m_JavaDataTypes.GetTextFormat()->Init();
    m_JavaKeywords.GetTextFormat()->Init();
    m_NumberKeywords.GetTextFormat()->Init();
}

CKeywords* CJavaLanguage::IsKeyword(unsigned long nKey)
{
    if (m_JavaDataTypes.IsKeyword(nKey))
        return &m_JavaDataTypes;
    if (m_JavaKeywords.IsKeyword(nKey))
        return &m_JavaKeywords;
    return CLanguage::IsKeyword(nKey);
}

CKeywords* CJavaLanguage::IsKeyword(const char* pszWord)
{
    if (m_JavaDataTypes.IsKeyword(pszWord))
        return &m_JavaDataTypes;
    if (m_JavaKeywords.IsKeyword(pszWord))
        return &m_JavaKeywords;
    if (m_NumberKeywords.IsKeyword(pszWord))
        return &m_NumberKeywords;
    return CLanguage::IsKeyword(pszWord);
}

CKeywords* CJavaLanguage::IsDataType(const char* pszWord)
{
    return m_JavaDataTypes.IsKeyword(pszWord) ? &m_JavaDataTypes : nullptr;
}

int CJavaLanguage::AppendColorTable(CString& strTable, int& nIndex)
{
    m_JavaDataTypes.GetTextFormat()->AppendColorTable(strTable, nIndex);
    m_JavaKeywords.GetTextFormat()->AppendColorTable(strTable, nIndex);
    m_NumberKeywords.GetTextFormat()->AppendColorTable(strTable, nIndex);
    return 0;
}
