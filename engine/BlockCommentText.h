// CBlockCommentText: the "Comment" text format, stored under the settings section "CommentText".
#pragma once

#include "TextFormat.h"

class CBlockCommentText : public CTextFormat {
public:
    BOOL LoadProfile() override { return LoadFromSection("CommentText", 0, 128, 0, 0); }
    BOOL SaveProfile() override { return SaveToSection("CommentText"); }
    const char* GetFormatName() override { return "Comment"; }
    void Default() override
    {
        CTextFormat::Default();
        SetTextForeColor(RGB(0, 128, 0));
    }
    BOOL IsPattern() override { return TRUE; }
    // Ends at "*/" (length 2).
    int IsEndOfPattern(const char* pText, int nPosition, int nLength) override;

protected:
    int GetAdjustChannel() override { return 1; }
};
