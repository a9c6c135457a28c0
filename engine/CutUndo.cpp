#include "CutUndo.h"

#include "TinctoView.h"

#include <new>

CCutUndo::CCutUndo(CTinctoView* pView) : CUndo(pView, 0)
{
}

CCutUndo::CCutUndo(CTinctoView* pView, long lStart, long lEnd, char cChar) : CUndo(pView, lStart, lEnd, cChar)
{
}

CCutUndo* CCutUndo::Create(CTinctoView* pView)
{
    CCutUndo* pUndo = new (std::nothrow) CCutUndo(pView);
    if (!pUndo)
        ReportNoMemory();
    return pUndo;
}

CCutUndo* CCutUndo::Create(CTinctoView* pView, long lStart, long lEnd, char cChar)
{
    CCutUndo* pUndo = new (std::nothrow) CCutUndo(pView, lStart, lEnd, cChar);
    if (!pUndo)
        ReportNoMemory();
    return pUndo;
}

CString CCutUndo::Describe() const
{
    return "cut " + CUndo::Describe();
}

void CCutUndo::Undo()
{
    if (!BeginUndo())
        return;
    Select(m_lStart, m_lStart);
    PasteText();
}

void CCutUndo::Redo()
{
    if (!BeginRedo())
        return;
    Select(m_lStart, m_lEnd);
    SendClear();
}
