// CUndo: one step of a view's edit history, recorded before the control
// applies the edit. Undoing or redoing a step replays the opposite or the
// same edit through the view's own message path (typed characters,
// Backspace, clear, and text inserted the way a paste inserts it), so that
// colours, bookmarks and indentation follow as for the user's own edit.
// Text is re-inserted directly; the user's clipboard is never touched.
#pragma once

#include "Object.h"
#include "String.h"

class CTinctoView;

class CUndo : public CObject {
public:
    // Takes the control's selection and, when it is not empty, its text.
    CUndo(CTinctoView* pView, char cChar);
    // Takes [lStart, lEnd) and, when it is not empty, its text.
    CUndo(CTinctoView* pView, long lStart, long lEnd, char cChar);
    ~CUndo() override = default;

    virtual void Undo() = 0;
    virtual void Redo() = 0;
    // TRUE only for a typed-character step.
    virtual BOOL IsCharUndo() const { return FALSE; }

    BOOL CanUndo() const { return m_nState != 1; }
    BOOL CanRedo() const { return m_nState == 1; }
    CTinctoView* GetView() const { return m_pView; }
    // The step is usable: its selection was empty or its text could be read.
    BOOL IsInit() const { return m_bInit; }
    // Overwrite mode when the step was recorded.
    BOOL GetIns() const { return m_bOverwrite; }
    BOOL GetInsert() const { return m_bOverwrite; }
    long GetStart() const { return m_lStart; }
    long GetEnd() const { return m_lEnd; }
    const CString& GetSelText() const { return m_strSelText; }
    void SetSelText(const CString& strText) { m_strSelText = strText; }
    char GetChar() const { return m_cChar; }
    // 0 recorded, 1 undone, 2 redone.
    int GetState() const { return m_nState; }
    // One line describing the step, for tests.
    virtual CString Describe() const;

    // Shows "Error allocating memory for undo buffer!!!".
    static void ReportNoMemory();

protected:
    // TRUE (and the state set) when the step may be undone / redone now.
    BOOL BeginUndo();
    BOOL BeginRedo();
    // Selects [lStart, lEnd) in the view's control.
    void Select(long lStart, long lEnd);
    // Sends the view a typed character / a whole Backspace keystroke / a clear.
    void SendChar(UINT nChar);
    void SendBackspace();
    void SendClear();
    // Re-enters strText at the caret: typed when it is one plain character
    // and the view is in insert mode now, else inserted as a paste.
    void TypeOrPaste(const CString& strText);
    // Inserts m_strSelText over the selection the way a paste does.
    void PasteText();
    // The same with the step's character appended.
    void PasteChar();

    CTinctoView* m_pView;
    BOOL m_bInit;
    BOOL m_bOverwrite;
    long m_lStart;
    long m_lEnd;
    CString m_strSelText;
    char m_cChar;
    int m_nState;
};
