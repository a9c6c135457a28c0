// CStringText: the "String" text format, stored under the settings section "StringText".
#pragma once

#include "TextFormat.h"

class CStringText : public CTextFormat {
public:
    BOOL LoadProfile() override { return LoadFromSection("StringText", 193, 0, 0, 0); }
    BOOL SaveProfile() override { return SaveToSection("StringText"); }
    const char* GetFormatName() override { return "String"; }
    void Default() override
    {
        CTextFormat::Default();
        SetTextForeColor(RGB(193, 0, 0));
    }
    BOOL IsPattern() override { return TRUE; }
    // Ends at a CR or LF, or at a double quote not preceded by a backslash (length 1).
    int IsEndOfPattern(const char* pText, int nPosition, int nLength) override;
    BOOL IsEndPatternSameAsBeginPattern() override { return TRUE; }

protected:
    int GetAdjustChannel() override { return 0; }
};
