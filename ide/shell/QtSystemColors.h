// CQtSystemColors: the system colours of the program: the application
// palette's base, text and highlight colours, asked each time so that a
// changed desktop theme is seen.
#pragma once

#include "SystemColors.h"

class CQtSystemColors : public CSystemColors {
public:
    COLORREF GetWindowColor() const override;
    COLORREF GetWindowTextColor() const override;
    COLORREF GetHighlightColor() const override;
};
