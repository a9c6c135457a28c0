#include "TinctoView.h"

#include "Archive.h"
#include "ArchiveException.h"
#include "ParseBuffer.h"
#include "RichEditCtrl.h"
#include "StreamBuffer.h"
#include "StreamInData.h"
#include "UserInterface.h"

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
    : m_pEditCtrl(nullptr), m_nFontValue(0), m_pStreamBuffer(nullptr), m_pParseBuffer(nullptr)
{
    m_pViewList.AddTail(this);
}

CTinctoView::~CTinctoView()
{
    EndTransfer();
    POSITION pos = m_pViewList.Find(this);
    if (pos)
        m_pViewList.RemoveAt(pos);
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
    BeginTransfer(pText, nLength);
    CStreamInData data(this);
    data.SetFormat(&m_NormalTxt);
    CEditStreamCookie cookie{nullptr, &data, 0};
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&cookie), 0, &EditStreamCallBack};
    m_pEditCtrl->StreamIn(SF_RTF, es);
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
