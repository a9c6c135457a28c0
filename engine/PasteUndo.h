// CPasteUndo: text inserted over the selection: a paste, automatic
// indentation, spaces for a tab, a single replacement, a drop.
#pragma once

#include "Undo.h"

class CPasteUndo : public CUndo {
public:
    // pszText: the inserted text; lLength: its length with every line end
    // counted as CR LF; nLines: the line count passed with the paste.
    CPasteUndo(CTinctoView* pView, const char* pszText, long lLength, unsigned nLines);
    // Null (after telling the user) when memory runs out.
    static CPasteUndo* Create(CTinctoView* pView, const char* pszText, long lLength, unsigned nLines);

    void Undo() override;
    void Redo() override;
    CString Describe() const override;
    const CString& GetText() const { return m_strText; }

private:
    long m_lLength;
    CString m_strText;
    unsigned m_nLines;
};
