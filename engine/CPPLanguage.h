// CCPPLanguage: the keywords, data types and numbers of C and C++.
#pragma once

#include "CPPDataTypes.h"
#include "CPPKeywords.h"
#include "Language.h"
#include "NumberKeywords.h"

class CCPPLanguage : public CLanguage {
public:
    CCPPLanguage();

    void Init() override;
    // Data types, keywords, numbers, then the user set; first match wins.
    CKeywords* IsKeyword(unsigned long nKey) override;
    CKeywords* IsKeyword(const char* pszWord) override;
    CKeywords* IsDataType(const char* pszWord) override;
    // Keywords, data types, numbers.
    int AppendColorTable(CString& strTable, int& nIndex) override;

    CCPPKeywords* GetCPPKeywords() { return &m_CPPKeywords; }
    CCPPDataTypes* GetCPPDataTypes() { return &m_CPPDataTypes; }
    CNumberKeywords* GetNumberKeywords() { return &m_NumberKeywords; }

protected:
    CCPPKeywords m_CPPKeywords;
    CCPPDataTypes m_CPPDataTypes;
    CNumberKeywords m_NumberKeywords;
};
