// CSystemColors: the seam through which settings whose default is "the
// system colour" learn the colours of the desktop. The program installs a
// provider reading the Qt palette; without one, CFixedSystemColors' fixed
// colours are used (tests install their own fixed values).
#pragma once

#include "WinTypes.h"

class CSystemColors {
public:
    virtual ~CSystemColors() = default;

    // Background of windows (text areas), 0x00BBGGRR.
    virtual COLORREF GetWindowColor() const = 0;
    // Text in windows.
    virtual COLORREF GetWindowTextColor() const = 0;
    // Background of selected items.
    virtual COLORREF GetHighlightColor() const = 0;

    // The provider in force (never null). Not owned by the caller.
    static const CSystemColors& Get();
    // Installs pColors (not owned; null restores the fixed one); returns the previous one.
    static const CSystemColors* Install(const CSystemColors* pColors);
};
