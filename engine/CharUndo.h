// CCharUndo: typed characters. Characters typed in one go in insert mode
// (no delimiters, nothing selected) merge into one step; Enter is a step of
// its own, recorded after the control inserted the line break.
#pragma once

#include "Undo.h"

class CCharUndo : public CUndo {
public:
    // cChar: the typed character, or in overwrite mode the one overwritten
    // (0 when none); nTypedChar: the character message's code.
    CCharUndo(CTinctoView* pView, char cChar, UINT nTypedChar);
    // Null (after telling the user) when memory runs out.
    static CCharUndo* Create(CTinctoView* pView, char cChar, UINT nTypedChar);

    void Undo() override;
    void Redo() override;
    BOOL IsCharUndo() const override { return TRUE; }
    CString Describe() const override;

    // Adds a character typed right after the step's last one.
    void AppendChar(UINT nChar);
    // TRUE when a character typed at lCaret may merge into this step.
    BOOL CanMerge(long lCaret) const;
    // The typed text (UTF-8 bytes).
    const CString& GetTyped() const { return m_strTyped; }
    int GetCount() const { return m_nCount; }
    BOOL IsEnter() const { return m_nTypedChar == '\r'; }

private:
    int m_nCount;
    CString m_strTyped;
    UINT m_nTypedChar;
};
