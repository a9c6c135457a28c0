// CColorOptions: what the "Color Options" dialog edits: the six text
// formats of the colouring engine (number, data types, keywords, string,
// block comment, normal, in that list order) through their own
// operations, and a working background colour. OK applies and saves the
// formats and the background; the other languages' formats then reload
// from the sections just saved. Cancel leaves the applied values alone
// (what was chosen stays in the formats' editing members).
#pragma once

#include "WinTypes.h"

#include <vector>

class CTextFormat;

class CColorOptions {
public:
    // clrBackground: the editor background setting ("Edit" "BackColor").
    explicit CColorOptions(COLORREF clrBackground);

    // The formats in list order (from the last added to the first).
    const std::vector<CTextFormat*>& GetFormats() const { return m_formats; }
    // The formats sorted by their names, as the Type list shows them.
    std::vector<CTextFormat*> GetSortedFormats() const;

    COLORREF GetBackground() const { return m_clrBackground; }
    void SetBackground(COLORREF clr) { m_clrBackground = clr; }
    // "Default": the background becomes clrWindow and every format its default.
    void Default(COLORREF clrWindow);
    // OK: the adjust pass (each format against every other, in list order),
    // each format's ApplyFormat, and the background into the view's colour.
    void Apply();
    // After OK: the line comment, the C/C++ keyword, data-type and number
    // formats and the HTML tag and number formats reload their sections.
    static void ReloadOtherFormats();

private:
    std::vector<CTextFormat*> m_formats;
    COLORREF m_clrBackground;
};
