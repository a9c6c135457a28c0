// CFixedSystemColors: system colours that are plain values: white windows,
// black text, navy highlight unless told otherwise. The provider used when
// the program has installed none, and the one tests install.
#pragma once

#include "SystemColors.h"

class CFixedSystemColors : public CSystemColors {
public:
    CFixedSystemColors() = default;
    CFixedSystemColors(COLORREF clrWindow, COLORREF clrWindowText, COLORREF clrHighlight)
        : m_clrWindow(clrWindow), m_clrWindowText(clrWindowText), m_clrHighlight(clrHighlight) {}

    COLORREF GetWindowColor() const override { return m_clrWindow; }
    COLORREF GetWindowTextColor() const override { return m_clrWindowText; }
    COLORREF GetHighlightColor() const override { return m_clrHighlight; }

    COLORREF m_clrWindow = RGB(255, 255, 255);
    COLORREF m_clrWindowText = RGB(0, 0, 0);
    COLORREF m_clrHighlight = RGB(0, 0, 128);
};
