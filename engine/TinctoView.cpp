#include "TinctoView.h"

#include "Archive.h"
#include "ArchiveException.h"
#include "CaretMotion.h"
#include "Document.h"
#include "KeyState.h"
#include "ParseBuffer.h"
#include "RichEditCtrl.h"
#include "StreamBuffer.h"
#include "StreamInData.h"
#include "Undo.h"
#include "UserInterface.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <string_view>

namespace {

// Vertical resolution the view converts font heights and widths with.
constexpr int PIXELS_PER_INCH = 96;
// Advance of one character of a monospaced face, as a share of its size.
constexpr double CHAR_WIDTH_PER_POINT = 0.6;

}  // namespace

int CTinctoView::m_nMaxUndo = 100;
int CTinctoView::m_bIns = 0;
int CTinctoView::m_bInIns = 0;
int CTinctoView::m_bSpaceForTab = 0;
int CTinctoView::m_bSmartIndent = 1;
COLORREF CTinctoView::m_clrBackGround = RGB(255, 255, 255);
CNormalText CTinctoView::m_NormalTxt;
CBlockCommentText CTinctoView::m_BlockCommentTxt;
CLineCommentText CTinctoView::m_LineCommentTxt;
CStringText CTinctoView::m_StringTxt;
CJavaLanguage CTinctoView::m_JavaLanguage;
CCPPLanguage CTinctoView::m_CPPLanguage;
CHTMLLanguage CTinctoView::m_HTMLLanguage;
CPatterns CTinctoView::m_Patterns;
CPtrList CTinctoView::m_pViewList;

CTinctoView::CTinctoView()
    : m_pEditCtrl(nullptr), m_pDocument(nullptr), m_nFontValue(0), m_pStreamBuffer(nullptr),
      m_pParseBuffer(nullptr), m_bParseLine(FALSE), m_bParsePrevLine(FALSE), m_nTabSize(4),
      m_strTabSpaces("    "), m_lfCurrent{}, m_bUnix(FALSE), m_bReadOnly(FALSE), m_nCursorLine(0),
      m_nCursorColumn(0), m_nTraceMessage(0), m_nProcessFlag(3), m_ppUndo(nullptr), m_nUndoSlots(0),
      m_nUndoTop(0), m_bUndoing(FALSE), m_bRedoing(FALSE), m_bCtrlZ(FALSE), m_bCtrlY(FALSE),
      m_bReplaceAll(FALSE), m_lDragStart(-1), m_lDragEnd(-1), m_bDragSource(FALSE), m_lPasteStart(0),
      m_lTabPos(0), m_bInBlockEdit(FALSE), m_nLoadTransferSize(65536)
{
    m_pViewList.AddTail(this);
    if (m_nMaxUndo > 0) {
        m_ppUndo = new (std::nothrow) CUndo*[static_cast<size_t>(m_nMaxUndo)]();
        if (m_ppUndo)
            m_nUndoSlots = m_nMaxUndo;
    }
}

CTinctoView::~CTinctoView()
{
    EndTransfer();
    POSITION pos = m_pViewList.Find(this);
    if (pos)
        m_pViewList.RemoveAt(pos);
    if (m_pDocument)
        m_pDocument->RemoveView(this);
    EmptyUndoBuffer();
    delete[] m_ppUndo;
}

void CTinctoView::Create(CRichEditCtrl* pCtrl)
{
    m_pEditCtrl = pCtrl;
    RefreshBackgroundColor();
}

void CTinctoView::SetDocument(CDocument* pDocument)
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
    m_pDocument = pDocument;
    if (m_pDocument)
        m_pDocument->AddView(this);
}

void CTinctoView::OnInitialUpdate()
{
    m_CurLine.SetView(this);
    if (m_pDocument)
        m_pDocument->SetModifiedFlag(FALSE);
    if (!m_pEditCtrl)
        return;
    m_pEditCtrl->SetModify(FALSE);
    if (m_bIns && !m_pEditCtrl->GetOverwrite()) {
        m_bInIns = TRUE;
        m_pEditCtrl->SendMessage(WM_KEYDOWN, VK_INSERT, 0);
        m_bInIns = FALSE;
    }
    SetRO(m_bReadOnly);
}

void CTinctoView::SetRO(BOOL bReadOnly)
{
    m_bReadOnly = bReadOnly ? TRUE : FALSE;
    if (m_pEditCtrl)
        m_pEditCtrl->SetReadOnly(m_bReadOnly);
}

void CTinctoView::RefreshBackgroundColor()
{
    if (m_pEditCtrl)
        m_pEditCtrl->SetBackgroundColor(FALSE, m_clrBackGround);
}

BOOL CTinctoView::IsDocModified() const
{
    return (m_pDocument && m_pDocument->IsModified()) || (m_pEditCtrl && m_pEditCtrl->GetModify());
}

void CTinctoView::KeepUnmodified(BOOL bWasModified)
{
    if (bWasModified)
        return;
    if (m_pEditCtrl)
        m_pEditCtrl->SetModify(FALSE);
    if (m_pDocument) {
        m_pDocument->SetModifiedFlag(FALSE);
        m_pDocument->SetTitle(m_pDocument->GetTitle());
    }
}

void CTinctoView::Init(COLORREF clrBackground, int nMaxUndo)
{
    m_NormalTxt.Init();
    m_BlockCommentTxt.Init();
    m_LineCommentTxt.Init();
    m_StringTxt.Init();
    m_JavaLanguage.Init();
    m_CPPLanguage.Init();
    m_HTMLLanguage.Init();
    m_clrBackGround = clrBackground;
    m_nMaxUndo = nMaxUndo;
}

BOOL CTinctoView::CopyToClipboard(const char* pszText)
{
    return CUserInterface::Get().SetClipboardText(pszText);
}

CLanguage* CTinctoView::GetLanguage()
{
    if (m_strPathName.IsEmpty() && m_pDocument)
        return GetLanguageForPath(m_pDocument->GetPathName());
    return GetLanguageForPath(m_strPathName);
}

CLanguage* CTinctoView::GetLanguageForPath(const char* pszPath)
{
    CString strPath(pszPath);
    CString strName = strPath.Mid(strPath.ReverseFind('/') + 1);
    int nDot = strName.ReverseFind('.');
    CString strExt = nDot >= 0 ? strName.Mid(nDot) : CString();
    if (strExt.CompareNoCase(".cpp") == 0 || strExt.CompareNoCase(".c") == 0 || strExt.CompareNoCase(".h") == 0)
        return &m_CPPLanguage;
    if (strExt.CompareNoCase(".html") == 0 || strExt.CompareNoCase(".htm") == 0)
        return &m_HTMLLanguage;
    return &m_JavaLanguage;
}

void CTinctoView::BeginTransfer(const char* pText, long nLength)
{
    EndTransfer();
    m_pStreamBuffer = new CStreamBuffer(pText, nLength);
    m_pParseBuffer = new CParseBuffer(m_pStreamBuffer);
}

void CTinctoView::EndTransfer()
{
    delete m_pParseBuffer;
    delete m_pStreamBuffer;
    m_pParseBuffer = nullptr;
    m_pStreamBuffer = nullptr;
}

BOOL CTinctoView::LoadText(const char* pText, long nLength)
{
    if (!m_pEditCtrl)
        return FALSE;
    // The steps recorded so far belong to the text that goes.
    EmptyUndoBuffer();
    BeginTransfer(pText, nLength);
    // Lone LF line ends become CR LF: a little more than the file's size.
    m_pEditCtrl->SetStreamInHint(nLength + nLength / 16);
    // A whole file goes in large transfers; recolouring keeps the control's own size.
    LONG nSavedTransfer = m_pEditCtrl->GetTransferSize();
    m_pEditCtrl->SetTransferSize(m_nLoadTransferSize);
    CStreamInData data(this);
    data.SetFormat(&m_NormalTxt);
    CEditStreamCookie cookie{nullptr, &data, 0};
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&cookie), 0, &EditStreamCallBack};
    m_pEditCtrl->StreamIn(SF_RTF, es);
    m_pEditCtrl->SetTransferSize(nSavedTransfer);
    EndTransfer();
    return es.dwError == 0 && cookie.m_dwError == 0;
}

void CTinctoView::ReadStreamIn(CStreamInData* pData)
{
    if (m_pParseBuffer)
        m_pParseBuffer->ParseBuffer(pData);
}

DWORD CTinctoView::RunSink(CStreamInData* pData, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    pData->SetStreamInBuffer(reinterpret_cast<char*>(pbBuff), cb);
    CTinctoView* pView = pData->GetView();
    if (pView)
        pView->ReadStreamIn(pData);
    *pcb = static_cast<LONG>(pData->GetRead());
    return 0;
}

DWORD CTinctoView::EditStreamCallBack(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    CEditStreamCookie* pCookie = reinterpret_cast<CEditStreamCookie*>(dwCookie);
    *pcb = 0;
    try {
        CArchive* pArchive = pCookie->m_pArchive;
        if (pArchive && pArchive->IsStoring()) {
            // Saving: the control hands over its plain text, which goes to the archive.
            pArchive->Write(pbBuff, static_cast<size_t>(cb));
            *pcb = cb;
            return 0;
        }
        return RunSink(pCookie->m_pData, pbBuff, cb, pcb);
    } catch (const CArchiveException& e) {
        pCookie->m_dwError = static_cast<DWORD>(e.m_cause);
        *pcb = 0;
        return 1;
    } catch (...) {
        pCookie->m_dwError = 1;
        *pcb = 0;
        return 1;
    }
}

DWORD CTinctoView::EditReplaceCallBack(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    CEditReplaceCookie* pCookie = reinterpret_cast<CEditReplaceCookie*>(dwCookie);
    return RunSink(pCookie->m_pData, pbBuff, cb, pcb);
}

// ---- Loading and saving

void CTinctoView::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        GetEditBuffer(0, -1);
        CUserInterface::Get().SetWaitCursor(TRUE);
        if (m_bUnix)
            ConvertToUnix(m_strBuffer);
        ar.Write(m_strBuffer.c_str(), static_cast<size_t>(m_strBuffer.GetLength()));
        m_strBuffer.Empty();
        CUserInterface::Get().SetWaitCursor(FALSE);
        return;
    }
    size_t nLength = ar.GetRemaining();
    const char* pText = ar.ReadInPlace(nLength);
    std::string_view text(pText, nLength);
    m_bUnix = text.find('\n') != std::string_view::npos && text.find('\r') == std::string_view::npos;
    if (!LoadText(pText, static_cast<long>(nLength)))
        throw CArchiveException(CArchiveException::genericException);
}

void CTinctoView::ConvertToUnix(CString& str)
{
    std::string& strRaw = str.str();
    strRaw.erase(std::remove(strRaw.begin(), strRaw.end(), '\r'), strRaw.end());
}

// ---- Options

void CTinctoView::SetTabStops(int nTabSize, BOOL bKeepUnmodified)
{
    if (nTabSize < 1)
        nTabSize = 1;
    BOOL bWasModified = IsDocModified();
    m_nTabSize = nTabSize;
    m_strTabSpaces = CString(' ', nTabSize);
    if (!m_pEditCtrl)
        return;
    // Width of one character in points, from the font's size.
    double dPoints = m_nFontValue > 0 ? m_nFontValue / 2.0 : 10.0;
    LONG nStop = static_cast<LONG>(dPoints * CHAR_WIDTH_PER_POINT * nTabSize * 20 + 0.5);
    PARAFORMAT pf{};
    pf.cbSize = sizeof pf;
    pf.dwMask = PFM_TABSTOPS;
    pf.cTabCount = MAX_TAB_STOPS;
    for (int i = 0; i < MAX_TAB_STOPS; ++i)
        pf.rgxTabs[i] = nStop * (i + 1);
    m_pEditCtrl->SetParaFormat(pf);
    m_pEditCtrl->SetTabColumns(nTabSize);
    if (bKeepUnmodified)
        KeepUnmodified(bWasModified);
}

void CTinctoView::SetDefaultFont(const LOGFONT& lf, int nStart, int nEnd)
{
    if (!m_pEditCtrl)
        return;
    BOOL bWasModified = IsDocModified();
    CHARFORMAT cf{};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_FACE | CFM_SIZE;
    LONG nHeight = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
    cf.yHeight = nHeight * 72 * 20 / PIXELS_PER_INCH;
    std::snprintf(cf.szFaceName, LF_FACESIZE, "%s", lf.lfFaceName);
    if (nEnd < 0)
        nEnd = m_pEditCtrl->GetTextLength();
    m_pEditCtrl->SetCharFormat(nStart, nEnd, cf);
    m_pEditCtrl->SetDefaultCharFormat(cf);
    m_nFontValue = static_cast<int>(cf.yHeight / 10);
    m_lfCurrent = lf;
    SetTabStops(m_nTabSize, FALSE);
    KeepUnmodified(bWasModified);
}

void CTinctoView::OnTextFormatChange()
{
    BOOL bWasModified = IsDocModified();
    ColorizeBuffer(0, -1, TRUE);
    KeepUnmodified(bWasModified);
}

// ---- Colouring

BOOL CTinctoView::GetEditBuffer(int nStart, int nEnd)
{
    return GetEditBuffer(nStart, nEnd, m_strBuffer) > 0;
}

int CTinctoView::GetEditBuffer(int nStart, int nEnd, CString& strOut)
{
    strOut.Empty();
    if (!m_pEditCtrl)
        return 0;
    return static_cast<int>(m_pEditCtrl->GetTextRange(nStart, nEnd, strOut));
}

void CTinctoView::ColorizeBuffer(int nStart, int nEnd, BOOL bFetch)
{
    if (!m_pEditCtrl)
        return;
    if (nStart < 0)
        nStart = 0;
    if (bFetch)
        GetEditBuffer(nStart, nEnd);
    if (m_strBuffer.IsEmpty())
        return;
    long lPatternStart = 0;
    CTextFormat* pFormat = m_Patterns.IsInBlockPattern(this, nStart, lPatternStart);
    CString strText;
    strText.str().swap(m_strBuffer.str());
    BeginTransfer(strText.c_str(), strText.GetLength());
    CStreamInData data(this);
    data.SetFormat(pFormat ? pFormat : &m_NormalTxt);
    ReplaceSel(nStart, nStart + strText.GetLength(), &data, TRUE);
    EndTransfer();
}

void CTinctoView::ReplaceSel(int nStart, int nEnd, CStreamInData* pData, BOOL bKeepSel)
{
    LONG nSelStart = 0, nSelEnd = 0, nAnchor = 0, nActive = 0;
    int nFirstVisible = 0;
    if (bKeepSel) {
        nAnchor = m_pEditCtrl->GetAnchor();
        nActive = m_pEditCtrl->GetCaret();
        m_pEditCtrl->GetSel(nSelStart, nSelEnd);
        nFirstVisible = m_pEditCtrl->GetFirstVisibleLine();
        m_pEditCtrl->HideSelection(TRUE);
    }
    m_pEditCtrl->SetSel(nStart, nEnd);
    CEditReplaceCookie cookie{pData};
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&cookie), 0, &EditReplaceCallBack};
    m_pEditCtrl->SetRedraw(FALSE);
    m_pEditCtrl->StreamIn(SF_RTF | SFF_SELECTION, es);
    m_pEditCtrl->SetRedraw(TRUE);
    if (bKeepSel) {
        m_pEditCtrl->SetSelAnchored(nAnchor, nActive);
        m_pEditCtrl->HideSelection(FALSE);
        if (m_pEditCtrl->GetFirstVisibleLine() != nFirstVisible)
            m_pEditCtrl->SetFirstVisibleLine(nFirstVisible);
    }
}

void CTinctoView::ColorizePasteBuffer()
{
    if (m_strBuffer.IsEmpty() || !m_pEditCtrl)
        return;
    CString strText;
    strText.str().swap(m_strBuffer.str());
    BeginTransfer(strText.c_str(), strText.GetLength());
    CStreamInData data(this);
    data.SetFormat(&m_NormalTxt);
    CEditReplaceCookie cookie{&data};
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&cookie), 0, &EditReplaceCallBack};
    m_pEditCtrl->SetRedraw(FALSE);
    m_pEditCtrl->StreamIn(SF_RTF | SFF_SELECTION, es);
    m_pEditCtrl->SetRedraw(TRUE);
    EndTransfer();
}

void CTinctoView::ColorizeText(int nStart, int nEnd, CTextFormat* pFormat, BOOL /*bKeepSel*/)
{
    // The control formats a range directly, so the selection never moves.
    if (!m_pEditCtrl || !pFormat || nStart < 0)
        return;
    LONG nSelStart, nSelEnd;
    m_pEditCtrl->GetSel(nSelStart, nSelEnd);
    if (nStart == nEnd && nSelStart == nSelEnd && nSelStart == nStart) {
        // An empty range at the caret: the format the next typed character takes.
        m_pEditCtrl->SetSelectionCharFormat(pFormat->GetCharFormat());
        return;
    }
    m_pEditCtrl->SetCharFormat(nStart, nEnd, pFormat->GetCharFormat());
}

BOOL CTinctoView::IsFormat(int nStart, int nEnd, CTextFormat* pFormat, BOOL /*bKeepSel*/)
{
    if (!m_pEditCtrl || !pFormat || nStart < 0 || nEnd < 0)
        return FALSE;
    CHARFORMAT cf{};
    cf.cbSize = sizeof cf;
    DWORD dwMask = m_pEditCtrl->GetCharFormat(nStart, nEnd, cf);
    return pFormat->IsFormat(cf, dwMask);
}

void CTinctoView::ParseLine(CEditorLine* pLine, long lCaret)
{
    if (pLine->GetLength() > 0)
        ColorizeBuffer(static_cast<int>(pLine->GetIndex()), static_cast<int>(pLine->GetIndex() + pLine->GetLength()), TRUE);
    ShowCursor(static_cast<int>(lCaret));
}

void CTinctoView::ShowCursor(int nPos)
{
    if (nPos != -1 && m_pEditCtrl)
        m_pEditCtrl->SetSel(nPos, nPos);
}

CEditorLine& CTinctoView::ReadCurrentLine()
{
    m_CurLine.SetView(this);
    m_CurLine.ReadLine(-1);
    return m_CurLine;
}

void CTinctoView::UpdateCursorPosition()
{
    if (!m_pEditCtrl)
        return;
    LONG nCaret = m_pEditCtrl->GetCaret();
    m_nCursorLine = m_pEditCtrl->LineFromChar(nCaret);
    m_nCursorColumn = CCaretMotion::ColumnAt(*m_pEditCtrl, nCaret, m_nTabSize);
    SetCursorPos(m_nCursorLine + 1, m_nCursorColumn + 1);
}

BOOL CTinctoView::IsShift() const
{
    return CKeyState::IsDown(VK_SHIFT);
}

BOOL CTinctoView::IsControl() const
{
    return CKeyState::IsDown(VK_CONTROL);
}

void CTinctoView::GotoLine(int nLine, int /*nUnused*/)
{
    if (!m_pEditCtrl || nLine < 1 || nLine > m_pEditCtrl->GetLineCount())
        return;
    LONG nStart = m_pEditCtrl->LineIndex(nLine - 1);
    m_pEditCtrl->SetSel(nStart, nStart);
    m_pEditCtrl->ScrollCaret();
    SetCursorPos(nLine, 1);
}
