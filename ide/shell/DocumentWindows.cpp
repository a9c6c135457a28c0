#include "DocumentWindows.h"

#include "DocumentCommands.h"
#include "RichEditCtrl.h"
#include "RichEditWidget.h"
#include "ChildFrame.h"
#include "JavaIDEDoc.h"
#include "JavaIDEView.h"
#include "UserInterface.h"

#include <QFileInfo>
#include <QFont>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include <memory>

CDocumentWindow* CDocumentWindows::FromSubWindow(QMdiSubWindow* pWindow)
{
    return qobject_cast<CChildFrame*>(pWindow);
}

CDocumentWindows::CDocumentWindows(QMdiArea* pArea, CJavaIDEViewHost* pHost) : m_pArea(pArea), m_pHost(pHost) {}

CDocumentWindows::~CDocumentWindows() = default;

void CDocumentWindows::SetNewWindowFont(const QFont& font)
{
    m_pFont = std::make_unique<QFont>(font);
}

void CDocumentWindows::Show(CDocumentWindow* pWindow)
{
    if (m_pFont)
        SetEditorFont(pWindow, *m_pFont);
    // A new window fills the document area, stepped down and right from the
    // one before it so that its title bar stays in reach.
    int nStep = 24 * (GetCount() % 5);
    m_pArea->addSubWindow(pWindow);
    // Once the frame is laid out (the first window may open before it shows).
    auto fnFit = [pArea = m_pArea, pWindow, nStep] {
        QSize area = pArea->viewport()->size();
        if (area.width() > 100 && area.height() > 100)
            pWindow->setGeometry(nStep, nStep, area.width() - nStep, area.height() - nStep);
    };
    fnFit();
    QTimer::singleShot(0, pWindow, fnFit);
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
    QString strAbsolute = QFileInfo(QString::fromUtf8(pszPath)).absoluteFilePath();
    CChildFrame* pWindow = CChildFrame::OpenFile(strAbsolute.toUtf8().constData(), m_pHost);
    if (!pWindow)
        return nullptr;
    Show(pWindow);
    return pWindow;
}

CDocumentWindow* CDocumentWindows::CreateUntitled()
{
    CChildFrame* pWindow = CChildFrame::NewFile(m_pHost);
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

CJavaIDEView& CDocumentWindows::GetView(CDocumentWindow* pWindow)
{
    return *pWindow->GetView();
}

CString CDocumentWindows::GetPath(CDocumentWindow* pWindow)
{
    return pWindow->GetDocument()->GetPathName();
}

BOOL CDocumentWindows::IsModified(CDocumentWindow* pWindow)
{
    return pWindow->GetDocument()->IsModified();
}

BOOL CDocumentWindows::Save(CDocumentWindow* pWindow)
{
    return pWindow->Save() ? TRUE : FALSE;
}

BOOL CDocumentWindows::SaveModified(CDocumentWindow* pWindow)
{
    return pWindow->CanClose() ? TRUE : FALSE;
}

void CDocumentWindows::SetEditorFont(CDocumentWindow* pWindow, const QFont& font)
{
    pWindow->GetEditor()->SetEditorFont(font);
}

void CDocumentWindows::SetOverwrite(CDocumentWindow* pWindow, BOOL bOverwrite)
{
    pWindow->GetView()->GetEditCtrl()->SetOverwrite(bOverwrite);
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

QMdiSubWindow* CDocumentWindows::CreateToolWindow(QWidget* pWidget, const QString& strTitle)
{
    auto* pWindow = new QMdiSubWindow;
    pWindow->setAttribute(Qt::WA_DeleteOnClose);
    pWindow->setWidget(pWidget);
    pWindow->setWindowTitle(strTitle);
    m_pArea->addSubWindow(pWindow);
    QSize area = m_pArea->viewport()->size();
    if (area.width() > 100 && area.height() > 100)
        pWindow->setGeometry(0, 0, area.width(), area.height());
    pWindow->show();
    m_pArea->setActiveSubWindow(pWindow);
    pWidget->setFocus();
    return pWindow;
}

void CDocumentWindows::BringForward(QMdiSubWindow* pWindow)
{
    if (pWindow->isMinimized())
        pWindow->showNormal();
    pWindow->show();
    pWindow->raise();
    m_pArea->setActiveSubWindow(pWindow);
    if (pWindow->widget())
        pWindow->widget()->setFocus();
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
    // The view's own commands only: the window would hand the rest back to the main window.
    return pWindow && pWindow->GetView()->IsCommandEnabled(nId) ? TRUE : FALSE;
}

BOOL CDocumentWindows::OnViewCommand(CDocumentWindow* pWindow, UINT nId)
{
    return IsViewCommandEnabled(pWindow, nId) && pWindow->GetView()->OnCommand(nId) ? TRUE : FALSE;
}
