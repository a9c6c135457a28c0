// CJavaDataTypesText: the "Datatypes" text format, stored under the settings section "Datatypes".
#pragma once

#include "TextFormat.h"

class CJavaDataTypesText : public CTextFormat {
public:
    BOOL LoadProfile() override { return LoadFromSection("Datatypes", 192, 0, 0, 0); }
    BOOL SaveProfile() override { return SaveToSection("Datatypes"); }
    const char* GetFormatName() override { return "Datatypes"; }
    void Default() override
    {
        CTextFormat::Default();
        SetTextForeColor(RGB(192, 0, 0));
    }

protected:
    int GetAdjustChannel() override { return 0; }
};
