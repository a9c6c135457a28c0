// CTextFormat: one kind of coloured text (normal text, a comment, a string,
// a word class of a language). It holds its colour and font style, loads
// and saves them in the settings, writes its colour-table entry and its own
// rich-text format code, and recognises its text in the control by colour.
// Pattern formats (comments, strings) also know where their text ends.
#pragma once

#include "String.h"
#include "WinTypes.h"

class CTextFormat {
public:
    CTextFormat();
    CTextFormat(const CTextFormat& other) = default;
    CTextFormat& operator=(const CTextFormat& other) = default;
    virtual ~CTextFormat();

    // Loads colour and style from the settings and builds the character format record.
    virtual void Init();
    // Reads ColorRed, ColorBlue, ColorGreen and FontStyle; FALSE for a format without a section.
    virtual BOOL LoadProfile();
    // Writes the same four keys; FALSE for a format without a section.
    virtual BOOL SaveProfile();
    // Appends "\redR\greenG\blueB;" to strTable, rebuilds the format code with
    // "\cf" nIndex, increments nIndex and returns its new value.
    virtual int AppendColorTable(CString& strTable, int& nIndex);
    // TRUE when dwMask holds CFM_COLOR and cf's text colour is this format's.
    virtual BOOL IsFormat(CHARFORMAT& cf, DWORD dwMask);
    // TRUE for comment and string formats.
    virtual BOOL IsPattern();
    // Length of the end mark at nPosition of pText (nLength bytes), 0 if none.
    virtual int IsEndOfPattern(const char* pText, int nPosition, int nLength);
    // Moves one colour channel by one step when pOther shows the same colour.
    virtual void AdjustColor(CTextFormat* pOther);
    // TRUE when the end mark equals the begin mark (strings).
    virtual BOOL IsEndPatternSameAsBeginPattern();
    // Name shown in the colour options ("" for the base).
    virtual const char* GetFormatName();
    virtual COLORREF GetTextForeColor();
    // Sets the effective colour only; ApplyFormat commits it.
    virtual void SetTextForeColor(COLORREF cr);
    // 0 plain, 1 bold, 2 italic, 3 underline, from the font description.
    virtual int GetFontStyle();
    virtual void SetFontStyle(int nStyle);
    // Commits an edit made with SetTextForeColor / SetFontStyle and saves it.
    virtual void ApplyFormat();
    // Plain style and, for formats that have one, the default colour.
    virtual void Default();

    CHARFORMAT& GetCharFormat() { return m_cf; }
    const char* GetFormatCode() const { return m_strFormatCode; }
    int GetFormatCodeLen() const { return m_strFormatCode.GetLength(); }

    // Stored channels and style, as read from or written to the settings.
    BYTE GetRed() const { return m_nRed; }
    BYTE GetGreen() const { return m_nGreen; }
    BYTE GetBlue() const { return m_nBlue; }
    int GetStoredFontStyle() const { return m_nFontStyle; }

    // One line describing colour, style and format code, for tests and tools.
    CString Dump();

protected:
    // Channel that AdjustColor moves: 0 red, 1 green, 2 blue.
    virtual int GetAdjustChannel();
    // Reads / writes the four keys under pszSection with the given defaults.
    BOOL LoadFromSection(const char* pszSection, int nRed, int nGreen, int nBlue, int nStyle);
    BOOL SaveToSection(const char* pszSection);
    void SetMaskAndEffects();

    CHARFORMAT m_cf;
    COLORREF m_crColor;
    CString m_strFormatCode;
    LOGFONT m_lf;
    BYTE m_nRed;
    BYTE m_nGreen;
    BYTE m_nBlue;
    int m_nFontStyle;
};
