// CJavaKeywordText: the "Keywords" text format, stored under the settings section "Keywords".
#pragma once

#include "TextFormat.h"

class CJavaKeywordText : public CTextFormat {
public:
    BOOL LoadProfile() override { return LoadFromSection("Keywords", 0, 0, 192, 0); }
    BOOL SaveProfile() override { return SaveToSection("Keywords"); }
    const char* GetFormatName() override { return "Keywords"; }
    void Default() override
    {
        CTextFormat::Default();
        SetTextForeColor(RGB(0, 0, 192));
    }

protected:
    int GetAdjustChannel() override { return 2; }
};
