#include "DocumentWindows.h"

#include "DocumentCommands.h"
#include "RichEditCtrl.h"
#include "RichEditWidget.h"
#include "SourceDocument.h"
#include "SourceFrame.h"
#include "UserInterface.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <memory>

CDocumentWindow* CDocumentWindows::FromSubWindow(QMdiSubWindow* pWindow)
{
    return qobject_cast<CSourceFrame*>(pWindow);
}

void CDocumentWindows::Show(CDocumentWindow* pWindow)
{
    m_pArea->addSubWindow(pWindow);
    pWindow->show();
    m_pArea->setActiveSubWindow(pWindow);
    pWindow->widget()->setFocus();
}

CDocumentWindow* CDocumentWindows::Open(const char* pszPath)
{
    if (CDocumentWindow* pWindow = Find(pszPath)) {
        m_pArea->setActiveSubWindow(pWindow);
        return pWindow;
    }
    auto pDocument = std::make_unique<CSourceDocument>();
    QString strAbsolute = QFileInfo(QString::fromUtf8(pszPath)).absoluteFilePath();
    if (!pDocument->Open(strAbsolute.toUtf8().constData()))
        return nullptr;
    auto* pWindow = new CSourceFrame(std::move(pDocument));
    Show(pWindow);
    return pWindow;
}

CDocumentWindow* CDocumentWindows::CreateUntitled()
{
    auto pDocument = std::make_unique<CSourceDocument>();
    pDocument->NewUntitled();
    auto* pWindow = new CSourceFrame(std::move(pDocument));
    Show(pWindow);
    return pWindow;
}

CDocumentWindow* CDocumentWindows::Find(const char* pszPath) const
{
    QFileInfo wanted(QString::fromUtf8(pszPath));
    CDocumentWindow* pFound = nullptr;
    ForEach([&](CDocumentWindow* pWindow) {
        CString strPath = GetPath(pWindow);
        if (!pFound && !strPath.IsEmpty() && QFileInfo(QString::fromUtf8(strPath.c_str())) == wanted)
            pFound = pWindow;
    });
    return pFound;
}

CDocumentWindow* CDocumentWindows::GetActive() const
{
    // The current window stays current while another program has the focus.
    return FromSubWindow(m_pArea->currentSubWindow());
}

void CDocumentWindows::ForEach(const std::function<void(CDocumentWindow*)>& fnEach) const
{
    for (QMdiSubWindow* pSub : m_pArea->subWindowList(QMdiArea::CreationOrder))
        if (CDocumentWindow* pWindow = FromSubWindow(pSub))
            fnEach(pWindow);
}

int CDocumentWindows::GetCount() const
{
    int nCount = 0;
    ForEach([&](CDocumentWindow*) { ++nCount; });
    return nCount;
}

CTinctoView& CDocumentWindows::GetView(CDocumentWindow* pWindow)
{
    return pWindow->GetDocument().GetView();
}

CString CDocumentWindows::GetPath(CDocumentWindow* pWindow)
{
    return pWindow->GetDocument().GetPathName();
}

BOOL CDocumentWindows::IsModified(CDocumentWindow* pWindow)
{
    return pWindow->GetDocument().IsModified();
}

BOOL CDocumentWindows::Save(CDocumentWindow* pWindow)
{
    return pWindow->Save() ? TRUE : FALSE;
}

BOOL CDocumentWindows::SaveModified(CDocumentWindow* pWindow)
{
    return pWindow->GetDocument().CanClose([pWindow] { return pWindow->Save() ? TRUE : FALSE; });
}

void CDocumentWindows::SetOverwrite(CDocumentWindow* pWindow, BOOL bOverwrite)
{
    pWindow->GetDocument().GetEditCtrl().SetOverwrite(bOverwrite);
    pWindow->GetEditor()->viewport()->update();
}

void CDocumentWindows::GotoLine(CDocumentWindow* pWindow, int nLine)
{
    m_pArea->setActiveSubWindow(pWindow);
    pWindow->widget()->setFocus();
    GetView(pWindow).GotoLine(nLine, 1);
}

BOOL CDocumentWindows::SaveAllModified() const
{
    BOOL bOk = TRUE;
    ForEach([&](CDocumentWindow* pWindow) {
        if (bOk && IsModified(pWindow))
            bOk = SaveModified(pWindow);
    });
    return bOk;
}

void CDocumentWindows::DestroyAll()
{
    std::vector<CDocumentWindow*> windows;
    ForEach([&](CDocumentWindow* pWindow) { windows.push_back(pWindow); });
    for (CDocumentWindow* pWindow : windows)
        delete pWindow;
}

BOOL CDocumentWindows::Close(const char* pszPath)
{
    CDocumentWindow* pWindow = Find(pszPath);
    if (!pWindow)
        return TRUE;
    if (!SaveModified(pWindow))
        return FALSE;
    delete pWindow;
    return TRUE;
}

BOOL CDocumentWindows::IsViewCommandEnabled(CDocumentWindow* pWindow, UINT nId)
{
    if (!pWindow)
        return FALSE;
    CTinctoView& view = GetView(pWindow);
    const CRichEditCtrl& ctrl = pWindow->GetDocument().GetEditCtrl();
    LONG nStart = 0, nEnd = 0;
    ctrl.GetSel(nStart, nEnd);
    BOOL bWritable = !ctrl.GetReadOnly();
    switch (nId) {
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
    case ID_FILE_CLOSE:
    case ID_EDIT_SELECT_ALL:
        return TRUE;
    case ID_EDIT_UNDO:
        return bWritable && view.CanUndo();
    case ID_EDIT_REDO:
        return bWritable && view.CanRedo();
    case ID_EDIT_COPY:
        return nStart != nEnd;
    case ID_EDIT_CUT:
    case ID_EDIT_CLEAR:
        return bWritable && nStart != nEnd;
    case ID_EDIT_PASTE: {
        CString strText;
        return bWritable && CUserInterface::Get().GetClipboardText(strText) && !strText.IsEmpty();
    }
    default:
        // Find, Replace, Go To, bookmarks, breakpoints and printing are the
        // source view's own commands.
        return FALSE;
    }
}

BOOL CDocumentWindows::OnViewCommand(CDocumentWindow* pWindow, UINT nId)
{
    if (!IsViewCommandEnabled(pWindow, nId))
        return FALSE;
    CTinctoView& view = GetView(pWindow);
    switch (nId) {
    case ID_FILE_SAVE:
        Save(pWindow);
        break;
    case ID_FILE_SAVE_AS:
        pWindow->SaveAs();
        break;
    case ID_FILE_CLOSE:
        pWindow->close();
        break;
    case ID_EDIT_UNDO:
        view.OnUndo();
        break;
    case ID_EDIT_REDO:
        view.OnRedo();
        break;
    case ID_EDIT_CUT:
        view.SendMessage(WM_CUT, 0, 0);
        break;
    case ID_EDIT_COPY:
        view.SendMessage(WM_COPY, 0, 0);
        break;
    case ID_EDIT_PASTE:
        view.SendMessage(WM_PASTE, 0, 0);
        break;
    case ID_EDIT_CLEAR:
        view.SendMessage(WM_CLEAR, 0, 0);
        break;
    case ID_EDIT_SELECT_ALL:
        view.SendMessage(EM_SETSEL, 0, static_cast<LPARAM>(-1));
        break;
    default:
        return FALSE;
    }
    return TRUE;
}
