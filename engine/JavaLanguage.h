// CJavaLanguage: Java's keywords, primitive types and numbers.
#pragma once

#include "JavaDataTypes.h"
#include "JavaKeywords.h"
#include "Language.h"
#include "NumberKeywords.h"

class CJavaLanguage : public CLanguage {
public:
    CJavaLanguage();

    void Init() override;
    // Data types, keywords, numbers, then the user set; first match wins.
    CKeywords* IsKeyword(unsigned long nKey) override;
    CKeywords* IsKeyword(const char* pszWord) override;
    CKeywords* IsDataType(const char* pszWord) override;
    // Data types, keywords, numbers.
    int AppendColorTable(CString& strTable, int& nIndex) override;

    CJavaKeywords* GetJavaKeywords() { return &m_JavaKeywords; }
    CJavaDataTypes* GetJavaDataTypes() { return &m_JavaDataTypes; }
    CNumberKeywords* GetNumberKeywords() { return &m_NumberKeywords; }

protected:
    CJavaKeywords m_JavaKeywords;
    CJavaDataTypes m_JavaDataTypes;
    CNumberKeywords m_NumberKeywords;
};
