// CKeyState: which keys are held down, as the window that has the keyboard
// last reported them. The widget that forwards key events keeps it current;
// tests set it before sending messages. User-interface thread only.
#pragma once

#include "WinTypes.h"

class CKeyState {
public:
    // TRUE while the virtual key nKey (VK_SHIFT, VK_CONTROL, VK_MENU) is held.
    static BOOL IsDown(int nKey);
    // Records that nKey is held (bDown) or released.
    static void SetDown(int nKey, BOOL bDown);
    // Sets Shift, Ctrl and Alt together.
    static void SetModifiers(BOOL bShift, BOOL bControl, BOOL bAlt = FALSE);
};
