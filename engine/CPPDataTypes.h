// CCPPDataTypes: the data types of C and C++.
#pragma once

#include "CPPDataTypesText.h"
#include "Keywords.h"

class CCPPDataTypes : public CKeywords {
public:
    CTextFormat* GetTextFormat() override { return &m_TextFormat; }
    void LoadKeywords() override;

protected:
    CCPPDataTypesText m_TextFormat;
};
