#include "KeyState.h"

namespace {

BOOL g_bShift = FALSE;
BOOL g_bControl = FALSE;
BOOL g_bAlt = FALSE;

BOOL* Slot(int nKey)
{
    switch (nKey) {
    case VK_SHIFT: return &g_bShift;
    case VK_CONTROL: return &g_bControl;
    case VK_MENU: return &g_bAlt;
    default: return nullptr;
    }
}

}  // namespace

BOOL CKeyState::IsDown(int nKey)
{
    BOOL* pSlot = Slot(nKey);
    return pSlot ? *pSlot : FALSE;
}

void CKeyState::SetDown(int nKey, BOOL bDown)
{
    if (BOOL* pSlot = Slot(nKey))
        *pSlot = bDown ? TRUE : FALSE;
}

void CKeyState::SetModifiers(BOOL bShift, BOOL bControl, BOOL bAlt)
{
    SetDown(VK_SHIFT, bShift);
    SetDown(VK_CONTROL, bControl);
    SetDown(VK_MENU, bAlt);
}
