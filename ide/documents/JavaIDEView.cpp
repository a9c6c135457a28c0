#include "JavaIDEView.h"

#include "DocumentCommands.h"
#include "DragToken.h"
#include "FileObject.h"
#include "JavaIDEDoc.h"
#include "JavaIDEViewFrame.h"
#include "JavaIDEViewHost.h"
#include "JavaParser.h"
#include "KeyState.h"
#include "PathName.h"
#include "ProjectDoc.h"
#include "SafeFile.h"
#include "UserInterface.h"
#include "VarClass.h"
#include "VarInterface.h"
#include "VarPackage.h"
#include "VirtualKey.h"

#include <algorithm>
#include <sys/stat.h>

namespace {

CJavaIDEViewHost g_idleHost;

CString ExtensionOf(const CString& strPath)
{
    CString strName = strPath.Mid(strPath.ReverseFind('/') + 1);
    int nDot = strName.ReverseFind('.');
    return nDot >= 0 ? strName.Mid(nDot) : CString();
}

// Characters that would change the text when typed.
bool IsEditingChar(WPARAM wParam)
{
    return wParam == '\r' || wParam == '\t' || wParam == '\b' || (wParam >= 0x20 && wParam != 0x7F);
}

}  // namespace

CJavaIDEView::CJavaIDEView(CJavaIDEViewHost* pHost) : m_pHost(pHost ? pHost : &g_idleHost)
{
    Create(&m_ctrl);
    m_ctrl.AddObserver(this);
}

CJavaIDEView::~CJavaIDEView()
{
    m_ctrl.RemoveObserver(this);
    SetDocument(nullptr);
    // The control goes with this object, before the colouring view's own end.
    m_pEditCtrl = nullptr;
}

CJavaIDEDoc* CJavaIDEView::GetDocument() const
{
    return static_cast<CJavaIDEDoc*>(m_pDocument);
}

CProject* CJavaIDEView::GetOpenProject() const
{
    CProjectDoc* pProjectDoc = m_pHost->GetProjectDoc();
    if (!pProjectDoc || !pProjectDoc->GetProject().IsOpen())
        return nullptr;
    return &pProjectDoc->GetProject();
}

void CJavaIDEView::OnInitialUpdate()
{
    m_bResourceFile = ExtensionOf(GetPathName()).CompareNoCase(".res") == 0;
    if (m_bResourceFile)
        m_bReadOnly = TRUE;
    CTinctoView::OnInitialUpdate();
    CViewSettings settings = m_pHost->GetViewSettings();
    if (settings.m_lfEditor.lfFaceName[0])
        SetDefaultFont(settings.m_lfEditor, 0, -1);
    SetTabStops(std::max(1, settings.m_nTabSize / 4), TRUE);
    m_ctrl.SetModify(FALSE);
    if (CJavaIDEDoc* pDoc = GetDocument()) {
        pDoc->SetModifiedFlag(FALSE);
        pDoc->SetTitle(pDoc->GetTitle());
    }
}

void CJavaIDEView::SetReadOnly(BOOL bReadOnly)
{
    SetRO(bReadOnly || m_bResourceFile);
    if (CJavaIDEDoc* pDoc = GetDocument())
        pDoc->SetTitle(pDoc->GetTitle());
}

// ---- Messages

LRESULT CJavaIDEView::SendMessage(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (nMessage == WM_CHECK_OUTSIDE_CHANGE) {
        CheckOutsideChange();
        return 0;
    }
    if (nMessage == WM_CHAR && m_bReadOnly && !IsControl()) {
        if (HandleReadOnlyChar(wParam, lParam))
            return 0;
    }
    if (nMessage == WM_KEYDOWN && HandleAccelerator(wParam))
        return 0;
    if (nMessage == WM_PASTE && !m_bReadOnly && m_pHost->IsBrowserDragSource()) {
        CString strText;
        if (CUserInterface::Get().GetClipboardText(strText) && QueryAcceptData(strText, TRUE, GetCaretLine()))
            return 0;
    }
    return CTinctoView::SendMessage(nMessage, wParam, lParam);
}

BOOL CJavaIDEView::HandleAccelerator(WPARAM wParam)
{
    BOOL bShift = IsShift(), bControl = IsControl();
    UINT nId = 0;
    if (wParam == CVirtualKey::VK_F1 + 8 && !bShift && !bControl)
        nId = ID_VIEW_BREAKPOINT;
    else if (wParam == CVirtualKey::VK_F1 + 6 && !bShift && !bControl)
        nId = ID_VIEW_COMPILE;
    else if (wParam == CVirtualKey::VK_F1 + 1 && bControl && !bShift)
        nId = ID_VIEW_BOOKMARK;
    else if (wParam == CVirtualKey::VK_F1 + 1 && bShift && !bControl)
        nId = ID_VIEW_NEXT_BOOKMARK;
    else if (wParam == 'G' && bControl && !bShift)
        nId = ID_VIEW_GOTO;
    if (!nId)
        return FALSE;
    OnCommand(nId);
    return TRUE;
}

BOOL CJavaIDEView::HandleReadOnlyChar(WPARAM wParam, LPARAM lParam)
{
    if (!IsEditingChar(wParam))
        return FALSE;
    if (m_bResourceFile)
        return TRUE;   // never writable: the character just goes
    const UINT nAsk = MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;
    CString strPath = GetPathName();
    if (m_pHost->HasCheckoutCommand()) {
        if (AfxMessageBox("This file is read only. Please select YES to run the Checkout command otherwise select NO",
                          nAsk) != IDNO)
            m_pHost->RunCheckoutCommand(strPath);
        return TRUE;
    }
    if (AfxMessageBox("This file is read only. Please select YES to make it read write otherwise select NO", nAsk) !=
        IDYES)
        return TRUE;
    struct stat st {};
    if (strPath.IsEmpty() || stat(strPath, &st) != 0 || chmod(strPath, (st.st_mode & 07777) | S_IWUSR) != 0 ||
        CSafeFile::IsReadOnly(strPath))
        return TRUE;   // left read-only without a message
    SetReadOnly(FALSE);
    PostMessage(WM_CHAR, wParam, lParam);
    return TRUE;
}

void CJavaIDEView::OnMessage(UINT nMessage, WPARAM wParam, LPARAM /*lParam*/)
{
    CJavaIDEDoc* pDoc = GetDocument();
    switch (nMessage) {
    case WM_KILLFOCUS:
        if (pDoc && !pDoc->GetPathName().IsEmpty())
            pDoc->SetRememberedTime(CSafeFile::ModificationTime(pDoc->GetPathName()));
        break;
    case WM_SETFOCUS:
        if (pDoc && pDoc->GetRememberedTime() != 0 && CSafeFile::ModificationTime(pDoc->GetPathName()) != 0)
            PostMessage(WM_CHECK_OUTSIDE_CHANGE, 0, 0);
        RedrawMargin();
        m_bFocusRegained = TRUE;
        break;
    case WM_CUT:
    case WM_PASTE:
        m_bCutPastePending = TRUE;
        break;
    case WM_LBUTTONDBLCLK:
        // The first click put the caret on the word.
        if (m_pHost->IsDebuggerActive()) {
            CString strWord;
            GetWordAtCursor(strWord, 0);
            if (!strWord.IsEmpty())
                m_pHost->PrintVariable(strWord);
        }
        break;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE && !IsControl() && !IsShift()) {
            m_pHost->HideOutputPanes();
            if (m_pFrame)
                m_pFrame->MaximizeFrame();
        }
        break;
    default:
        break;
    }
}

void CJavaIDEView::CheckOutsideChange()
{
    CJavaIDEDoc* pDoc = GetDocument();
    if (!pDoc || pDoc->GetRememberedTime() == 0)
        return;
    long long nNow = CSafeFile::ModificationTime(pDoc->GetPathName());
    if (nNow == 0 || pDoc->GetRememberedTime() >= nNow)
        return;
    // Asked once: until the next loss of the focus the change counts as seen.
    pDoc->SetRememberedTime(nNow);
    CString strText;
    strText.Format("File %s has been modified from outside. Plese select Yes to reload the file !!!",
                   pDoc->GetPathName().c_str());
    if (AfxMessageBox(strText, MB_YESNO | MB_ICONQUESTION) == IDYES)
        pDoc->Reload();
    else
        pDoc->SetDiskTime(nNow);  // the text shown is the one to keep
}

void CJavaIDEView::PostMessage(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    m_posted.push_back({nMessage, wParam, lParam});
    if (m_pFrame)
        m_pFrame->MessagePosted();
}

int CJavaIDEView::DeliverPostedMessages()
{
    int nCount = 0;
    while (!m_posted.empty()) {
        CPosted posted = m_posted.front();
        m_posted.pop_front();
        SendMessage(posted.nMessage, posted.wParam, posted.lParam);
        ++nCount;
    }
    return nCount;
}

void CJavaIDEView::OnPaint()
{
    if (!m_pHost->IsDebuggerActive())
        m_nDebuggerLine = -1;
    int nKind = m_nJumpKind, nLine = m_nJumpLine, nColumn = m_nJumpColumn;
    m_nJumpKind = JUMP_NONE;
    m_nJumpLine = -1;
    if (nKind == JUMP_GOTO && nLine > 0) {
        GotoLine(nLine, nColumn);
    } else if (nKind == JUMP_DEBUGGER && nLine > 0) {
        if (nColumn == 0) {
            m_nDebuggerLine = -1;
        } else {
            m_nDebuggerLine = nLine;
            BringToTop();
            if (nLine <= m_ctrl.GetLineCount()) {
                LONG nStart = m_ctrl.LineIndex(nLine - 1);
                m_ctrl.SetSel(nStart, nStart);
                m_ctrl.ScrollCaret();
            }
        }
    }
    RedrawMargin();
}

void CJavaIDEView::SetPendingJump(int nLine, int nColumn, int nKind)
{
    m_nJumpLine = nLine;
    m_nJumpColumn = nColumn;
    m_nJumpKind = nKind;
    if (m_pFrame)
        m_pFrame->PaintRequested();
}

void CJavaIDEView::RedrawMargin()
{
    if (m_pFrame)
        m_pFrame->RedrawMargin();
}

void CJavaIDEView::BringToTop()
{
    if (m_pFrame)
        m_pFrame->BringToTop();
}

void CJavaIDEView::SetDebuggerLine(int nLine)
{
    m_nDebuggerLine = nLine > 0 ? nLine : -1;
    RedrawMargin();
}

// ---- Hooks

void CJavaIDEView::GotoLine(int nLine, int nMark)
{
    BringToTop();
    if (nLine < 1 || nLine > m_ctrl.GetLineCount())
        return;
    if (nMark)
        m_nMarkedLine = nLine;
    CTinctoView::GotoLine(nLine, nMark);
    RedrawMargin();
}

void CJavaIDEView::UpdateBookmarkPos(int nLine, int nCount, int /*nUnused*/)
{
    if (nCount == 0)
        return;
    auto move = [&](int n) { return n >= nLine ? std::max(1, n + nCount) : n; };
    for (int& nMark : m_bookmarks)
        nMark = move(nMark);
    // Lines that met keep one bookmark.
    m_bookmarks.erase(std::unique(m_bookmarks.begin(), m_bookmarks.end()), m_bookmarks.end());
    if (m_nMarkedLine > 0)
        m_nMarkedLine = move(m_nMarkedLine);
    if (CProject* pProject = GetOpenProject(); pProject && !GetPathName().IsEmpty())
        pProject->MoveBreakpoints(GetPathName(), nLine, nCount);
    RedrawMargin();
}

void CJavaIDEView::DeleteBookmarks(int nFrom, int nTo)
{
    auto inRange = [&](int n) { return n >= nFrom && (nTo < 0 || n <= nTo); };
    m_bookmarks.erase(std::remove_if(m_bookmarks.begin(), m_bookmarks.end(), inRange), m_bookmarks.end());
    if (m_nMarkedLine > 0 && inRange(m_nMarkedLine))
        m_nMarkedLine = -1;
    CProject* pProject = GetOpenProject();
    CString strPath = GetPathName();
    if (pProject && !strPath.IsEmpty()) {
        const CBreakpointSet* pSet = pProject->GetBreakpointSet(CPathName::BaseNameOf(strPath));
        std::vector<WORD> lines;
        for (const CBreakpoint& entry : pSet ? pSet->GetEntries() : std::vector<CBreakpoint>())
            if (inRange(entry.m_nLine))
                lines.push_back(entry.m_nLine);
        for (WORD nLine : lines)
            pProject->RemoveBreakpoint(strPath, nLine);
        if (!lines.empty())
            m_pHost->BreakpointsChanged();
    }
    RedrawMargin();
}

void CJavaIDEView::SetCursorPos(long nLine, int nColumn)
{
    m_pHost->SetCursorPos(nLine, nColumn);
}

void CJavaIDEView::OnCtrlTab()
{
    m_pHost->ActivateNextDocument();
}

void CJavaIDEView::SetInsert(BOOL bInsert)
{
    m_pHost->SetInsertMode(this, bInsert);
}

void CJavaIDEView::OnReplaceAllCountDisplay(int nCount)
{
    m_pHost->ClearOutput();
    CString strLine;
    strLine.Format("%d instances replaced...\n", nCount);
    m_pHost->WriteOutput(strLine);
}

void CJavaIDEView::OnTextChanged(LONG, LONG, LONG)
{
    if (!m_bReadOnly && !m_bResourceFile) {
        if (CJavaIDEDoc* pDoc = GetDocument())
            pDoc->SetModifiedFlag(TRUE);
    }
    if (m_bFocusRegained || m_bCutPastePending) {
        m_bFocusRegained = FALSE;
        m_bCutPastePending = FALSE;
        RedrawMargin();
    }
}

// ---- State

int CJavaIDEView::GetCaretLine() const
{
    LONG nStart, nEnd;
    m_ctrl.GetSel(nStart, nEnd);
    return m_ctrl.LineFromChar(nStart) + 1;
}

int CJavaIDEView::GetLineGlyphs(int nLine) const
{
    int nGlyphs = 0;
    if (std::binary_search(m_bookmarks.begin(), m_bookmarks.end(), nLine))
        nGlyphs |= GLYPH_BOOKMARK;
    CProject* pProject = GetOpenProject();
    if (pProject && !GetPathName().IsEmpty() && nLine > 0 && nLine <= 65535 &&
        pProject->HasBreakpoint(GetPathName(), static_cast<WORD>(nLine)))
        nGlyphs |= GLYPH_BREAKPOINT;
    if (nLine == m_nDebuggerLine)
        nGlyphs |= GLYPH_DEBUGGER;
    if (nLine == m_nMarkedLine)
        nGlyphs |= GLYPH_MARKED;
    return nGlyphs;
}

CString CJavaIDEView::Dump() const
{
    CString strOut, strLine;
    CJavaIDEDoc* pDoc = GetDocument();
    strOut += "title: " + (pDoc ? pDoc->GetTitle() : CString()) + "\n";
    strOut += "path: " + GetPathName() + "\n";
    strLine.Format("flags: readonly=%d resource=%d modified=%d unix=%d\n", m_bReadOnly ? 1 : 0,
                   m_bResourceFile ? 1 : 0, pDoc && pDoc->IsModified() ? 1 : 0, m_bUnix ? 1 : 0);
    strOut += strLine;
    strOut += "bookmarks:";
    for (int nLine : m_bookmarks) {
        strLine.Format(" %d", nLine);
        strOut += strLine;
    }
    strLine.Format("\nmarked: %d\ndebugger: %d\njump: %d %d,%d\n", m_nMarkedLine, m_nDebuggerLine, m_nJumpKind,
                   m_nJumpLine, m_nJumpColumn);
    strOut += strLine;
    strOut += "breakpoints:";
    CProject* pProject = GetOpenProject();
    const CBreakpointSet* pSet =
        pProject && !GetPathName().IsEmpty() ? pProject->GetBreakpointSet(CPathName::BaseNameOf(GetPathName())) : nullptr;
    if (pSet) {
        for (const CBreakpoint& entry : pSet->GetEntries()) {
            strLine.Format(" %s:%d", entry.m_strClass.c_str(), entry.m_nLine);
            strOut += strLine;
        }
    }
    strOut += "\n";
    return strOut;
}
