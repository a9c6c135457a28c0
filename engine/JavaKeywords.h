// CJavaKeywords: the keywords of Java.
#pragma once

#include "JavaKeywordText.h"
#include "Keywords.h"

class CJavaKeywords : public CKeywords {
public:
    CTextFormat* GetTextFormat() override { return &m_TextFormat; }
    void LoadKeywords() override;

protected:
    CJavaKeywordText m_TextFormat;
};
