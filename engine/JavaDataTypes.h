// CJavaDataTypes: the primitive types of Java.
#pragma once

#include "JavaDataTypesText.h"
#include "Keywords.h"

class CJavaDataTypes : public CKeywords {
public:
    CTextFormat* GetTextFormat() override { return &m_TextFormat; }
    void LoadKeywords() override;

protected:
    CJavaDataTypesText m_TextFormat;
};
