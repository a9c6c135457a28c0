#include "FrameHosts.h"

#include "DebugController.h"
#include "Debugger.h"
#include "DocumentWindows.h"
#include "JavaIDEApp.h"
#include "MainFrame.h"
#include "MainFrameBrowsers.h"
#include "OutputFrameWindow.h"
#include "FrameProjectViewHost.h"
#include "ProjectDoc.h"
#include "ProjectFolder.h"
#include "ProjectView.h"

#include <QProgressBar>
#include <QStatusBar>
#include <QTabWidget>

#include <QMdiArea>

CFrameDocumentHost::CFrameDocumentHost(CMainFrame& frame)
    : CToolDocumentHost(frame.GetApp().GetProjectDoc()), m_frame(frame)
{
}

BOOL CFrameDocumentHost::SaveActiveDocument()
{
    CDocumentWindow* pWindow = m_frame.GetDocumentWindows().GetActive();
    if (!pWindow || (!CDocumentWindows::IsModified(pWindow) && !CDocumentWindows::GetPath(pWindow).IsEmpty()))
        return TRUE;
    return CDocumentWindows::Save(pWindow);
}

BOOL CFrameDocumentHost::SaveAllModified()
{
    BOOL bOk = TRUE;
    m_frame.GetDocumentWindows().ForEach([&](CDocumentWindow* pWindow) {
        if (bOk && CDocumentWindows::IsModified(pWindow))
            bOk = CDocumentWindows::Save(pWindow);
    });
    return bOk;
}

BOOL CFrameDocumentHost::SaveDocumentIfModified(const char* pszPath)
{
    CDocumentWindow* pWindow = m_frame.GetDocumentWindows().Find(pszPath);
    return !pWindow || !CDocumentWindows::IsModified(pWindow) || CDocumentWindows::Save(pWindow);
}

CString CFrameDocumentHost::GetActiveDocumentPath()
{
    CDocumentWindow* pWindow = m_frame.GetDocumentWindows().GetActive();
    return pWindow ? CDocumentWindows::GetPath(pWindow) : CString();
}

BOOL CFrameDocumentHost::OpenFileAtLine(const char* pszPath, int nLine)
{
    return m_frame.OpenFileAtLine(pszPath, nLine);
}

void CFrameDocumentHost::ShowOutputFrame(CMDIOutputFrame* pFrame)
{
    auto* pWindow = new COutputFrameWindow(pFrame, m_frame.GetToolCommands());
    m_frame.GetMdiArea()->addSubWindow(pWindow);
    pWindow->show();
    m_frame.GetMdiArea()->setActiveSubWindow(pWindow);
}

void CFrameDocumentHost::OutputFrameClosing(CMDIOutputFrame* pFrame)
{
    for (QMdiSubWindow* pSub : m_frame.GetMdiArea()->subWindowList())
        if (auto* pWindow = qobject_cast<COutputFrameWindow*>(pSub); pWindow && pWindow->GetFrame() == pFrame) {
            pWindow->Detach();
            pWindow->deleteLater();
        }
}

CFrameProjectHost::CFrameProjectHost(const CJavaIDEApp& app, CMainFrame& frame)
    : CAppProjectHost(app), m_app(app), m_pFrame(&frame)
{
}

void CFrameProjectHost::SetMainTitle(const char* pszTitle)
{
    CAppProjectHost::SetMainTitle(pszTitle);
    if (m_pFrame)
        m_pFrame->SetBaseTitle(QString::fromUtf8(pszTitle));
}

BOOL CFrameProjectHost::CloseDocument(const char* pszPath)
{
    return !m_pFrame || m_pFrame->GetDocumentWindows().Close(pszPath);
}

BOOL CFrameProjectHost::SaveDocumentIfModified(const char* pszPath)
{
    CDocumentWindow* pWindow = m_pFrame ? m_pFrame->GetDocumentWindows().Find(pszPath) : nullptr;
    return !pWindow || !CDocumentWindows::IsModified(pWindow) || CDocumentWindows::Save(pWindow);
}

void CFrameProjectHost::OpenDocument(const char* pszPath)
{
    if (m_pFrame)
        m_pFrame->OpenFile(QString::fromUtf8(pszPath));
}

BOOL CFrameDocumentHost::IsProjectPageCurrent()
{
    QTabWidget* pWindow = m_frame.GetProjectWindow();
    return pWindow->currentWidget() == m_frame.GetProjectView();
}

void CFrameDocumentHost::RefreshProjectImages()
{
    CProjectDoc* pDoc = m_frame.GetApp().GetProjectDoc();
    if (pDoc && pDoc->GetCurrentNode())
        m_frame.GetProjectView()->RefreshNode(pDoc->GetCurrentNode());
}

CProjectView* CFrameProjectHost::GetView() const
{
    if (!m_pFrame || !m_pFrame->GetProjectView())
        return nullptr;
    CProjectView* pView = m_pFrame->GetProjectView();
    // The list tells its views about itself before the window is shown.
    if (!pView->GetDocument() && m_app.GetProjectDoc())
        pView->SetDocument(m_app.GetProjectDoc());
    return pView;
}

void CFrameProjectHost::RefreshViews()
{
    if (CProjectView* pView = GetView())
        pView->RefreshAll();
}

void CFrameProjectHost::RefreshNode(CTreeItem* pNode)
{
    if (CProjectView* pView = GetView())
        pView->RefreshNode(pNode);
}

void CFrameProjectHost::NodeDeleted(CTreeItem* pNode)
{
    if (CProjectView* pView = GetView())
        pView->NodeDeleted(pNode);
}

void CFrameProjectHost::SelectNode(CTreeItem* pNode, BOOL bEdit)
{
    if (CProjectView* pView = GetView())
        pView->SelectNode(pNode, bEdit);
}

void CFrameProjectHost::BeginProgress(int nMax)
{
    if (!m_pFrame)
        return;
    auto* pBar = m_pFrame->statusBar()->findChild<QProgressBar*>(QStringLiteral("Progress"));
    if (!pBar) {
        pBar = new QProgressBar;
        pBar->setObjectName(QStringLiteral("Progress"));
        pBar->setMaximumWidth(200);
        pBar->setTextVisible(false);
        m_pFrame->statusBar()->addWidget(pBar);
    }
    pBar->setRange(0, nMax);
    pBar->setValue(0);
    pBar->show();
}

void CFrameProjectHost::StepProgress()
{
    if (auto* pBar = m_pFrame ? m_pFrame->statusBar()->findChild<QProgressBar*>(QStringLiteral("Progress")) : nullptr) {
        pBar->setValue(pBar->value() + 1);
        pBar->repaint();
    }
}

void CFrameProjectHost::EndProgress()
{
    if (auto* pBar = m_pFrame ? m_pFrame->statusBar()->findChild<QProgressBar*>(QStringLiteral("Progress")) : nullptr)
        pBar->hide();
}

void CFrameProjectHost::DebuggerSetBreakpoint(const char* pszClass, WORD nLine)
{
    if (CDebugger* pDebugger = m_pFrame ? m_pFrame->GetDebugController().GetDebugger() : nullptr)
        pDebugger->SetBreakpoint(pszClass, nLine);
}

void CFrameProjectHost::DebuggerClearBreakpoint(const char* pszClass, WORD nLine)
{
    if (CDebugger* pDebugger = m_pFrame ? m_pFrame->GetDebugController().GetDebugger() : nullptr)
        pDebugger->ClearBreakpoint(pszClass, nLine);
}

void CFrameProjectHost::EditResource(const char* pszPath)
{
    if (m_pFrame)
        m_pFrame->GetProjectViewHost().EditResource(pszPath);
}
