// CNumberKeywordText: the "Number" text format, stored under the settings section "Number".
#pragma once

#include "TextFormat.h"

class CNumberKeywordText : public CTextFormat {
public:
    BOOL LoadProfile() override { return LoadFromSection("Number", 194, 0, 0, 0); }
    BOOL SaveProfile() override { return SaveToSection("Number"); }
    const char* GetFormatName() override { return "Number"; }

protected:
    int GetAdjustChannel() override { return 2; }
};
