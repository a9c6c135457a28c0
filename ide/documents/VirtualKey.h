// CVirtualKey: the Windows virtual key code of a Qt key, the way a Windows
// keyboard reports it in key-down and key-up messages. Letters and digits
// are their upper-case ASCII codes; keys without a code here give 0 and
// send only the characters they type.
#pragma once

#include "WinTypes.h"

class CVirtualKey {
public:
    // Function keys and the punctuation keys of a US keyboard, beside the
    // VK_* codes of WinTypes.h.
    static constexpr int VK_F1 = 0x70;        // VK_F1 + n - 1 for Fn, n <= 24
    static constexpr int VK_OEM_1 = 0xBA;     // ; :
    static constexpr int VK_OEM_PLUS = 0xBB;  // = +
    static constexpr int VK_OEM_COMMA = 0xBC; // , <
    static constexpr int VK_OEM_MINUS = 0xBD; // - _
    static constexpr int VK_OEM_PERIOD = 0xBE;// . >
    static constexpr int VK_OEM_2 = 0xBF;     // / ?
    static constexpr int VK_OEM_3 = 0xC0;     // ` ~
    static constexpr int VK_OEM_4 = 0xDB;     // [ {
    static constexpr int VK_OEM_5 = 0xDC;     // \ |
    static constexpr int VK_OEM_6 = 0xDD;     // ] }
    static constexpr int VK_OEM_7 = 0xDE;     // ' "

    // Virtual key of the Qt key code nQtKey (Qt::Key), 0 when it has none.
    static int FromQtKey(int nQtKey);
    // Character a key-down of nQtKey types whatever its text says (Enter 13,
    // Tab and Shift+Tab 9, Backspace 8, Escape 27); 0 for other keys.
    static UINT ControlCharacter(int nQtKey);
};
