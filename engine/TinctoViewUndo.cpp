// CTinctoView: the ring of undo steps and the recording of steps.
#include "TinctoView.h"

#include "BKSpaceUndo.h"
#include "CharUndo.h"
#include "CutUndo.h"
#include "DelUndo.h"
#include "PasteUndo.h"
#include "ReplaceAllUndo.h"
#include "RichEditCtrl.h"
#include "UserInterface.h"

namespace {

// Length the control gives text once its line ends are CR LF.
long InsertedLength(const char* pszText)
{
    long lLength = 0;
    for (const char* p = pszText; *p; ++p) {
        if (*p == '\r') {
            lLength += 2;
            if (p[1] == '\n')
                ++p;
        } else if (*p == '\n') {
            lLength += 2;
        } else {
            ++lLength;
        }
    }
    return lLength;
}

}  // namespace

void CTinctoView::StoreUndo(CUndo* pUndo)
{
    if (!pUndo)
        return;
    if (!m_ppUndo) {
        delete pUndo;
        return;
    }
    EmptyUndoBuffer(m_nUndoTop);
    m_ppUndo[m_nUndoTop] = pUndo;
    m_nUndoTop = (m_nUndoTop + 1) % m_nUndoSlots;
    DropRedoSteps();
}

void CTinctoView::DropRedoSteps()
{
    // A redo after a new edit would replay text at positions that moved.
    for (int i = 0; i < m_nUndoSlots; ++i) {
        if (m_ppUndo[i] && m_ppUndo[i]->CanRedo())
            EmptyUndoBuffer(i);
    }
}

CUndo* CTinctoView::AddUndo(UINT nMessage, WPARAM wParam, LPARAM /*lParam*/, char cChar, BOOL bMerge)
{
    if (m_bUndoing || m_bRedoing || !m_ppUndo || !m_pEditCtrl)
        return nullptr;
    CUndo* pUndo = nullptr;
    switch (nMessage) {
    case WM_KEYDOWN:
        if (wParam == VK_BACK)
            pUndo = CBKSpaceUndo::Create(this, cChar);
        else if (wParam == VK_DELETE)
            pUndo = CDelUndo::Create(this, cChar);
        break;
    case WM_CHAR: {
        int nPrev = (m_nUndoTop + m_nUndoSlots - 1) % m_nUndoSlots;
        CUndo* pPrev = m_ppUndo[nPrev];
        LONG nStart, nEnd;
        m_pEditCtrl->GetSel(nStart, nEnd);
        if (bMerge && !m_bIns && nStart == nEnd && wParam < 0x80
            && !GetLanguage()->IsDelimiter(static_cast<char>(wParam), FALSE) && pPrev && pPrev->IsCharUndo()
            && static_cast<CCharUndo*>(pPrev)->CanMerge(nStart)) {
            static_cast<CCharUndo*>(pPrev)->AppendChar(static_cast<UINT>(wParam));
            DropRedoSteps();
            return pPrev;
        }
        pUndo = CCharUndo::Create(this, cChar, static_cast<UINT>(wParam));
        break;
    }
    case WM_CUT:
    case WM_CLEAR:
        pUndo = CCutUndo::Create(this);
        break;
    case WM_PASTE: {
        long lLength = wParam ? InsertedLength(m_strBuffer) : m_strBuffer.GetLength();
        pUndo = CPasteUndo::Create(this, m_strBuffer, lLength, static_cast<unsigned>(wParam));
        break;
    }
    default:
        break;
    }
    StoreUndo(pUndo);
    return pUndo;
}

void CTinctoView::AddCutUndo(int nStart, int nEnd, char cChar)
{
    if (m_bUndoing || m_bRedoing || !m_ppUndo || !m_pEditCtrl)
        return;
    StoreUndo(CCutUndo::Create(this, nStart, nEnd, cChar));
}

void CTinctoView::AddPasteUndo(const char* pszText)
{
    if (m_bUndoing || m_bRedoing || !m_ppUndo || !m_pEditCtrl)
        return;
    StoreUndo(CPasteUndo::Create(this, pszText, InsertedLength(pszText), static_cast<unsigned>(CountLines(pszText))));
}

CUndo* CTinctoView::AddReplaceUndo(const char* pszFind, const char* pszReplace)
{
    if (m_bUndoing || m_bRedoing || !m_ppUndo || !m_pEditCtrl)
        return nullptr;
    CUndo* pUndo = CReplaceAllUndo::Create(this, pszFind, pszReplace);
    StoreUndo(pUndo);
    return pUndo;
}

BOOL CTinctoView::CanUndo() const
{
    for (int i = 0; i < m_nUndoSlots; ++i)
        if (m_ppUndo[i] && m_ppUndo[i]->CanUndo() && m_ppUndo[i]->IsInit())
            return TRUE;
    return FALSE;
}

BOOL CTinctoView::CanRedo() const
{
    for (int i = 0; i < m_nUndoSlots; ++i)
        if (m_ppUndo[i] && m_ppUndo[i]->CanRedo() && m_ppUndo[i]->IsInit())
            return TRUE;
    return FALSE;
}

void CTinctoView::OnUndo()
{
    if (!m_ppUndo) {
        CUserInterface::Get().Beep();
        return;
    }
    int nSlot = (m_nUndoTop + m_nUndoSlots - 1) % m_nUndoSlots;
    CUndo* pUndo = m_ppUndo[nSlot];
    if (!pUndo || !pUndo->CanUndo() || !pUndo->IsInit()) {
        CUserInterface::Get().Beep();
        return;
    }
    m_nUndoTop = nSlot;
    m_bUndoing = TRUE;
    pUndo->Undo();
    m_bUndoing = FALSE;
    UpdateCursorPosition();
}

void CTinctoView::OnRedo()
{
    CUndo* pUndo = m_ppUndo ? m_ppUndo[m_nUndoTop] : nullptr;
    if (!pUndo || !pUndo->CanRedo() || !pUndo->IsInit()) {
        CUserInterface::Get().Beep();
        return;
    }
    m_bRedoing = TRUE;
    pUndo->Redo();
    m_bRedoing = FALSE;
    m_nUndoTop = (m_nUndoTop + 1) % m_nUndoSlots;
    UpdateCursorPosition();
}

void CTinctoView::EmptyUndoBuffer()
{
    for (int i = 0; i < m_nUndoSlots; ++i)
        EmptyUndoBuffer(i);
    m_nUndoTop = 0;
}

void CTinctoView::EmptyUndoBuffer(int nSlot)
{
    if (!m_ppUndo || nSlot < 0 || nSlot >= m_nUndoSlots)
        return;
    delete m_ppUndo[nSlot];
    m_ppUndo[nSlot] = nullptr;
}

CString CTinctoView::DumpUndo() const
{
    CString str;
    for (int n = 0; n < m_nUndoSlots; ++n) {
        int i = (m_nUndoTop + n) % m_nUndoSlots;
        if (m_ppUndo[i])
            str += (i == m_nUndoTop ? "> " : "  ") + m_ppUndo[i]->Describe() + "\n";
    }
    return str;
}
