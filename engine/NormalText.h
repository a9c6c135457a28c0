// CNormalText: the "Normal" text format, stored under the settings section "NormalText".
#pragma once

#include "TextFormat.h"

class CNormalText : public CTextFormat {
public:
    BOOL LoadProfile() override { return LoadFromSection("NormalText", 0, 0, 0, 0); }
    BOOL SaveProfile() override { return SaveToSection("NormalText"); }
    const char* GetFormatName() override { return "Normal"; }
    void Default() override
    {
        CTextFormat::Default();
        SetTextForeColor(RGB(0, 0, 0));
    }

protected:
    int GetAdjustChannel() override { return 2; }
};
