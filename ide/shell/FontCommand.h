// CFontCommand: the Font command (Customize, Font...): the font dialog,
// limited to fixed-pitch fonts, opens with the editor font; OK makes the
// chosen face and size the editor font. Sizes follow the font-height
// convention of the settings: a negative height is the character height in
// pixels, a positive one the cell height, 0 a 10-point font.
#pragma once

#include "String.h"
#include "WinTypes.h"

class CJavaIDEApp;
class QFont;
class QWidget;

class CFontCommand {
public:
    // Runs the font dialog; TRUE when OK gave the editor a new font.
    static BOOL Run(QWidget* pParent, CJavaIDEApp& app);

    // The Qt font of a font description on a screen of nLogPixelsY dots per inch.
    static QFont ToQFont(const LOGFONT& lf, int nLogPixelsY);
    // The face and height (negative: character height in pixels) of a Qt font.
    static void FromQFont(const QFont& font, int nLogPixelsY, CString& strFace, int& nHeight);
    // Dots per inch of the primary screen (96 without one).
    static int ScreenLogPixelsY();
};
