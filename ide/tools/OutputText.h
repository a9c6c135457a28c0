// COutputText: the text of an output window (the output pane, an MDI output
// window's view). Tool output is appended at the end, never rewriting what
// is there; a double click on a compiler message or a stack-trace line
// opens the source at that line through an IOutputNavigator, and Find
// Next / Previous Error walk the ".java:" lines. The text lives in a
// CRichEditCtrl; a view paints it and follows it as its IRichEditObserver.
#pragma once

#include "MessageTarget.h"
#include "RichEditCtrl.h"
#include "String.h"

class IOutputNavigator;

class COutputText : public IMessageTarget {
public:
    COutputText();
    ~COutputText() override;
    COutputText(const COutputText&) = delete;
    COutputText& operator=(const COutputText&) = delete;

    // Appends pszText (NUL-terminated) at the end with line ends made CR LF,
    // the caret after it and scrolled into view.
    void Write(const char* pszText);
    // Same for nCount bytes of pch (NUL bytes are left out). A CR at the end
    // of one write and an LF at the start of the next make one line end.
    void Write(const char* pch, int nCount);
    // Empties the text.
    void Clear();
    // The whole text, line ends CR LF.
    CString GetText() const;
    void GetText(CString& strText) const;
    CRichEditCtrl& GetEditCtrl() { return m_edit; }
    const CRichEditCtrl& GetEditCtrl() const { return m_edit; }

    // Receiver of the file openings (not owned; null: navigation does nothing).
    void SetNavigator(IOutputNavigator* pNavigator) { m_pNavigator = pNavigator; }
    IOutputNavigator* GetNavigator() const { return m_pNavigator; }
    // Folder relative file names of error lines are read against (the run's
    // working directory); empty: the current directory.
    void SetBaseFolder(const char* pszDir) { m_strBaseFolder = pszDir ? pszDir : ""; }
    const CString& GetBaseFolder() const { return m_strBaseFolder; }

    // The error-line navigation for the line holding character nPos: TRUE
    // when the navigator opened a file.
    BOOL OnDoubleClick(LONG nPos);
    // Same for line nLine (from 0).
    BOOL NavigateToLine(int nLine);
    // Selects the next ".java:" after the selection start (previous: before
    // it) and navigates to its line; FALSE when there is none (nothing changes).
    BOOL FindNextError();
    BOOL FindPreviousError();
    // Whether the commands above would find something (their enablement).
    BOOL CanFindNextError() const;
    BOOL CanFindPreviousError() const;
    // Caret (empty selection) at the start of the text, scrolled into view.
    void SetCaretToStart();

    // The text with CR, LF, tab, backslash and other control bytes escaped,
    // then the selection and the base folder, for tests.
    CString Dump() const;

    // IMessageTarget: the control's own handling; a double click also navigates.
    LRESULT SendMessage(UINT nMessage, WPARAM wParam, LPARAM lParam) override;
    void BeginDrag() override { m_edit.BeginDrag(); }
    void EndDrag() override { m_edit.EndDrag(); }
    BOOL DropText(LONG nPos, const char* pszText, BOOL bCopy) override { return m_edit.DropText(nPos, pszText, bCopy); }

private:
    // Start of the ".java:" Find Next / Previous would select, or -1.
    LONG FindErrorMark(BOOL bForward) const;
    BOOL SelectErrorMark(BOOL bForward);
    // Full path of a file name read from the output, FALSE when it has none here.
    BOOL ResolvePath(const CString& strName, CString& strPath) const;

    CRichEditCtrl m_edit;
    IOutputNavigator* m_pNavigator = nullptr;
    CString m_strBaseFolder;
    LONG m_nEndAfterCR = -1;   // text length after a write that ended in CR, else -1
};
