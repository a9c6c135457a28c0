// CTinctoView: the syntax-colouring editor view. This part holds what every
// view shares (options, the pattern formats, the languages, the patterns
// object, the list of live views) and the transfer of coloured text into the
// rich-edit control through the tokenizer and its rich-text sink.
#pragma once

#include "BlockCommentText.h"
#include "CPPLanguage.h"
#include "HTMLLanguage.h"
#include "JavaLanguage.h"
#include "LineCommentText.h"
#include "NormalText.h"
#include "Patterns.h"
#include "PtrList.h"
#include "StringText.h"

class CArchive;
class CRichEditCtrl;
class CParseBuffer;
class CStreamBuffer;
class CStreamInData;

// The record EditStreamCallBack's cookie points to.
struct CEditStreamCookie {
    CArchive* m_pArchive;    // archive being loaded or stored; null: text from memory
    CStreamInData* m_pData;  // the rich-text sink of the transfer
    DWORD m_dwError;         // 0, or the cause of a failed read or write
};

// The record EditReplaceCallBack's cookie points to.
struct CEditReplaceCookie {
    CStreamInData* m_pData;
};

class CTinctoView {
public:
    CTinctoView();
    CTinctoView(const CTinctoView&) = delete;
    CTinctoView& operator=(const CTinctoView&) = delete;
    virtual ~CTinctoView();

    // Loads the pattern formats and the languages' formats from the settings
    // and stores the background colour and the undo depth. Called once at
    // start-up before views exist, and again after the colours were edited.
    static void Init(COLORREF clrBackground, int nMaxUndo);
    // Puts the text on the clipboard; FALSE when the clipboard cannot be had.
    static BOOL CopyToClipboard(const char* pszText);

    // The language of the view's document, by the extension of its path.
    virtual CLanguage* GetLanguage();
    // Language for a path: .java Java; .cpp .c .h C/C++; .html .htm HTML; else Java (case ignored).
    static CLanguage* GetLanguageForPath(const char* pszPath);

    // Path of the document shown (the document classes set it).
    const CString& GetPathName() const { return m_strPathName; }
    void SetPathName(const char* pszPath) { m_strPathName = pszPath; }
    // Font size in half points written as "\fs" into the rich text; 0: none.
    int GetFontValue() const { return m_nFontValue; }
    void SetFontValue(int nValue) { m_nFontValue = nValue; }

    // The control the view shows its text in (not owned; set by the widget or the test).
    CRichEditCtrl* GetEditCtrl() const { return m_pEditCtrl; }
    void SetEditCtrl(CRichEditCtrl* pCtrl) { m_pEditCtrl = pCtrl; }
    // Replaces the control's whole text by nLength bytes of pText, coloured
    // (the way a file is loaded); FALSE when the transfer failed.
    BOOL LoadText(const char* pText, long nLength);

    // Prepares the tokenizer over nLength bytes of pText (not copied; must
    // stay valid until EndTransfer).
    void BeginTransfer(const char* pText, long nLength);
    void EndTransfer();
    // Runs the tokenizer of the current transfer into the sink's buffer.
    void ReadStreamIn(CStreamInData* pData);

    // Stream callbacks of the rich-edit control. Cookie: CEditStreamCookie* /
    // CEditReplaceCookie*. Fill pbBuff with whole lines, report the count; 0 ends.
    static DWORD EditStreamCallBack(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb);
    static DWORD EditReplaceCallBack(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb);

    static CPatterns* GetPatterns() { return &m_Patterns; }
    static BOOL IsSpaceForTab() { return m_bSpaceForTab; }
    static void SetSpaceForTab(BOOL b) { m_bSpaceForTab = b; }
    static COLORREF GetBackgroundColor() { return m_clrBackGround; }
    static void SetBackgroundColor(COLORREF clr) { m_clrBackGround = clr; }
    static CBlockCommentText* GetBlockCommentText() { return &m_BlockCommentTxt; }
    static CLineCommentText* GetLineCommentText() { return &m_LineCommentTxt; }
    static CStringText* GetStringText() { return &m_StringTxt; }
    static CNormalText* GetNormalText() { return &m_NormalTxt; }
    static CJavaLanguage* GetJavaLanguage() { return &m_JavaLanguage; }
    static CCPPLanguage* GetCPPLanguage() { return &m_CPPLanguage; }
    static CHTMLLanguage* GetHTMLLanguage() { return &m_HTMLLanguage; }
    static int GetMaxUndo() { return m_nMaxUndo; }
    static void SetMaxUndo(int n) { m_nMaxUndo = n; }
    static BOOL GetSmartIndent() { return m_bSmartIndent; }
    static void SetSmartIndent(BOOL b) { m_bSmartIndent = b; }

    static int m_nMaxUndo;
    static int m_bIns;
    static int m_bInIns;
    static int m_bSpaceForTab;
    static int m_bSmartIndent;
    static COLORREF m_clrBackGround;
    static CNormalText m_NormalTxt;
    static CBlockCommentText m_BlockCommentTxt;
    static CLineCommentText m_LineCommentTxt;
    static CStringText m_StringTxt;
    static CJavaLanguage m_JavaLanguage;
    static CCPPLanguage m_CPPLanguage;
    static CHTMLLanguage m_HTMLLanguage;
    static CPatterns m_Patterns;
    static CPtrList m_pViewList;

protected:
    static DWORD RunSink(CStreamInData* pData, LPBYTE pbBuff, LONG cb, LONG* pcb);

    CRichEditCtrl* m_pEditCtrl;
    CString m_strPathName;
    int m_nFontValue;
    CStreamBuffer* m_pStreamBuffer;
    CParseBuffer* m_pParseBuffer;
};
