// CTinctoView: the syntax-colouring editor view over a rich-edit control.
// It loads a file by streaming it through the tokenizer into the control as
// rich text, keeps the colours right while the user edits (asking the shared
// patterns object what each edit breaks or forms), records undo steps, and
// saves plain text. Input reaches it as window messages (IMessageTarget):
// it looks at each message first, lets the control apply it, then recolours
// what the edit touched. Derived views override the hooks to show the caret
// position, bookmarks and counts.
#pragma once

#include "BlockCommentText.h"
#include "Block.h"
#include "CPPLanguage.h"
#include "EditorLine.h"
#include "HTMLLanguage.h"
#include "JavaLanguage.h"
#include "LineCommentText.h"
#include "MessageTarget.h"
#include "NormalText.h"
#include "Patterns.h"
#include "PtrList.h"
#include "StringText.h"

class CArchive;
class CDocument;
class CUndo;
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

class CTinctoView : public IMessageTarget {
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

    // ---- Creation
    // Binds the view to its control (not owned) and sets the background (window creation).
    void Create(CRichEditCtrl* pCtrl);
    // Binds the caret line, clears the modified flag, enters overwrite mode
    // when m_bIns is set, and applies the read-only flag.
    virtual void OnInitialUpdate();
    // The document shown (not owned; may be null in tests).
    CDocument* GetDocument() const { return m_pDocument; }
    void SetDocument(CDocument* pDocument);

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

    // The control the view shows its text in (not owned).
    CRichEditCtrl* GetEditCtrl() const { return m_pEditCtrl; }
    void SetEditCtrl(CRichEditCtrl* pCtrl) { m_pEditCtrl = pCtrl; }
    // Replaces the control's whole text by nLength bytes of pText, coloured
    // (the way a file is loaded), and forgets the undo steps; FALSE when the
    // transfer failed.
    BOOL LoadText(const char* pText, long nLength);
    // Size of the transfers LoadText streams a file in (at least 1).
    void SetLoadTransferSize(LONG nSize) { m_nLoadTransferSize = nSize < 1 ? 1 : nSize; }

    // ---- Loading and saving
    // Loading: the archive's remaining bytes become the text, coloured; the
    // view turns Unix when the text has an LF and no CR. Storing: the whole
    // text, without CRs when the view is Unix. Raises CArchiveException when
    // the transfer failed.
    virtual void Serialize(CArchive& ar);
    BOOL IsUnix() const { return m_bUnix; }
    void SetUnix(BOOL bUnix) { m_bUnix = bUnix; }
    // Removes every CR of str.
    static void ConvertToUnix(CString& str);
    BOOL GetReadOnly() const { return m_bReadOnly; }
    // Sets the read-only flag of the view and its control (from the file's attribute).
    void SetRO(BOOL bReadOnly);

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

    // ---- Messages (the control's window procedure with the view around it)
    LRESULT SendMessage(UINT nMessage, WPARAM wParam, LPARAM lParam) override;
    void BeginDrag() override;
    void EndDrag() override;
    BOOL DropText(LONG nPos, const char* pszText, BOOL bCopy) override;
    // Looks at a message before the control: TRUE consumes it.
    BOOL PreProcessMsg(UINT nMessage, WPARAM wParam, LPARAM lParam);
    // Recolours what the message's edit recorded, after the control applied it.
    void PostProcessMsg(UINT nMessage, WPARAM wParam, LPARAM lParam);

    // ---- Options
    // Sets tab stops every nTabSize characters of the current font; with
    // bKeepUnmodified an unmodified document stays unmodified.
    void SetTabStops(int nTabSize, BOOL bKeepUnmodified);
    int GetTabSize() const { return m_nTabSize; }
    const CString& GetTabSpaces() const { return m_strTabSpaces; }
    // Face and size of the font for [nStart, nEnd) (-1: to the end); the
    // size in half points becomes the font value; tab stops are reapplied.
    virtual void SetDefaultFont(const LOGFONT& lf, int nStart, int nEnd);
    const LOGFONT& GetCurrentFont() const { return m_lfCurrent; }
    // Recolours the whole text; an unmodified document stays unmodified.
    void OnTextFormatChange();
    // Sets the control's background to m_clrBackGround.
    void RefreshBackgroundColor();

    // ---- Colouring
    // Recolours [nStart, nEnd) (-1: to the end of the text), starting in the
    // format in force at nStart; bFetch: read the range into the work buffer first.
    void ColorizeBuffer(int nStart, int nEnd, BOOL bFetch);
    // Gives [nStart, nEnd) the format's colour and style; bKeepSel keeps the selection.
    void ColorizeText(int nStart, int nEnd, CTextFormat* pFormat, BOOL bKeepSel);
    // TRUE when [nStart, nEnd) (non-negative) has the format's colour.
    BOOL IsFormat(int nStart, int nEnd, CTextFormat* pFormat, BOOL bKeepSel);
    // Recolours the line and puts the caret at lCaret (-1: leaves it).
    void ParseLine(CEditorLine* pLine, long lCaret);
    // Copies [nStart, nEnd) (-1: to the end) into the work buffer; FALSE when empty.
    BOOL GetEditBuffer(int nStart, int nEnd);
    // Copies [nStart, nEnd) into strOut; returns its length.
    int GetEditBuffer(int nStart, int nEnd, CString& strOut);
    // The work buffer (fetched text, clipboard text, text to colour).
    CString& GetBuffer() { return m_strBuffer; }
    // The caret's line, read again now.
    CEditorLine& ReadCurrentLine();
    // The pending recolour request and the recolour-the-caret-line flag.
    CBlock& GetBlock() { return m_Block; }
    BOOL& ParseLineFlag() { return m_bParseLine; }
    // Recomputes caret line and column and calls SetCursorPos (1-based).
    void UpdateCursorPosition();
    int GetCursorLine() const { return m_nCursorLine; }
    int GetCursorColumn() const { return m_nCursorColumn; }
    // State of the Shift and Ctrl keys.
    BOOL IsShift() const;
    BOOL IsControl() const;

    // ---- Commands
    // Caret to the brace or parenthesis matching the one at (or before) the caret.
    void FindBraceParenthesisPair();
    // Comments out the selected lines, or removes their "//" (command 118).
    void OnBlockComment();
    // Replaces the selection (single replacement of Find/Replace), recording an undo step.
    void OnReplaceSel(const char* pszFind, BOOL bNext, BOOL bCase, BOOL bWord, const char* pszReplace);
    // Replaces every match in the selection (when it is not the search text)
    // or the whole text; one undo step. Returns the number of replacements.
    int OnReplaceAll(const char* pszFind, const char* pszReplace, BOOL bCase, BOOL bWord);
    // The word around the caret; with bSelect it becomes the selection.
    void GetWordAtCursor(CString& strWord, BOOL bSelect);
    // Inserts the tab-space string for a Tab (a paste undo step).
    void InsertSpaceForTab();
    // Replaces every tab of str by the tab-space string.
    void InsertSpaceForTab(CString& str);
    void AutoIndent();
    void AutoIndentBrace();

    // ---- Undo
    BOOL CanUndo() const;
    BOOL CanRedo() const;
    void OnUndo();
    void OnRedo();
    BOOL IsUndoing() const { return m_bUndoing; }
    BOOL IsRedoing() const { return m_bRedoing; }
    // Replaces the selection by pszText (CR LF or LF line ends), coloured, the
    // way a paste does, but without the clipboard; nLines is the line count
    // the paste moves bookmarks by (-1: counted). Used by undo and redo.
    void InsertText(const char* pszText, int nLines = -1);
    // Undo slots in use (for tests), oldest first, as one line each.
    CString DumpUndo() const;

    // ---- Hooks for derived views (empty here)
    virtual void GotoLine(int nLine, int nUnused);
    virtual void UpdateBookmarkPos(int nLine, int nCount, int nUnused) {}
    virtual void DeleteBookmarks(int nFrom, int nTo) {}
    virtual void SetCursorPos(long nLine, int nColumn) {}
    virtual void OnMessage(UINT nMessage, WPARAM wParam, LPARAM lParam) {}
    virtual BOOL OnPreProcessMsg(UINT nMessage, WPARAM wParam, LPARAM lParam) { return TRUE; }
    virtual void OnCtrlTab() {}
    virtual void SetInsert(BOOL bInsert) {}
    virtual void OnReplaceAllCountDisplay(int nCount) {}

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
    // Collapses the selection at nPos unless it is -1.
    void ShowCursor(int nPos);
    // Length of the word around column-independent position nPos of pLine;
    // its columns go to nStart and nEnd.
    int GetWordAt(CEditorLine* pLine, int nPos, int& nStart, int& nEnd);
    // Recolours the word around nPos (keyword, normal text).
    void KeywordAt(CEditorLine* pLine, int nLine, int nPos);
    void FindNextChar(char chTarget, char chOwn, int nDirection);

    static DWORD RunSink(CStreamInData* pData, LPBYTE pbBuff, LONG cb, LONG* pcb);

    CRichEditCtrl* m_pEditCtrl;
    CDocument* m_pDocument;
    CString m_strPathName;
    int m_nFontValue;
    CStreamBuffer* m_pStreamBuffer;
    CParseBuffer* m_pParseBuffer;

    CEditorLine m_CurLine;
    CString m_strBuffer;
    CBlock m_Block;
    BOOL m_bParseLine;
    BOOL m_bParsePrevLine;
    int m_nTabSize;
    CString m_strTabSpaces;
    LOGFONT m_lfCurrent;
    BOOL m_bUnix;
    BOOL m_bReadOnly;
    int m_nCursorLine;
    int m_nCursorColumn;
    CString m_strSelText;
    int m_nTraceMessage;
    int m_nProcessFlag;

private:
    friend class CUndo;
    // Recording of undo steps (see Undo.h).
    CUndo* AddUndo(UINT nMessage, WPARAM wParam, LPARAM lParam, char cChar, BOOL bMerge);
    void AddCutUndo(int nStart, int nEnd, char cChar);
    void AddPasteUndo(const char* pszText);
    CUndo* AddReplaceUndo(const char* pszFind, const char* pszReplace);
    void StoreUndo(CUndo* pUndo);
    void DropRedoSteps();
    void EmptyUndoBuffer();
    void EmptyUndoBuffer(int nSlot);

    void ReplaceSel(int nStart, int nEnd, CStreamInData* pData, BOOL bKeepSel);
    void ColorizePasteBuffer();
    BOOL PasteHelper(UINT nMessage, WPARAM wParam, LPARAM lParam);
    void PreparePaste(const CString& strText);
    BOOL CarryOutRequests(long lCaret, BOOL bLineReplacesBlock);
    void OnShiftTab();
    void BlockIndent(BOOL bOutdent);
    void ReplaceLines(int nFirstLine, int nLastLine, const CString& strText);
    void SmartHome();
    BOOL IsDocModified() const;
    void KeepUnmodified(BOOL bWasModified);
    void ClearTextRange(int nStart, int nEnd);
    int CountLines(const char* pszText) const;

    CUndo** m_ppUndo;
    int m_nUndoSlots;
    int m_nUndoTop;
    BOOL m_bUndoing;
    BOOL m_bRedoing;
    BOOL m_bCtrlZ;
    BOOL m_bCtrlY;
    BOOL m_bReplaceAll;
    LONG m_lDragStart;
    LONG m_lDragEnd;
    BOOL m_bDragSource;
    LONG m_lPasteStart;
    LONG m_lTabPos;
    BOOL m_bInBlockEdit;
    LONG m_nLoadTransferSize;
};
