#include "FrameHosts.h"

#include "DocumentWindows.h"
#include "JavaIDEApp.h"
#include "MainFrame.h"
#include "MainFrameBrowsers.h"
#include "OutputFrameWindow.h"

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

CFrameProjectHost::CFrameProjectHost(const CJavaIDEApp& app, CMainFrame& frame) : CAppProjectHost(app), m_pFrame(&frame)
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

void CFrameProjectHost::EditResource(const char* pszPath)
{
    if (m_pFrame)
        m_pFrame->GetBrowsers().EditResource(pszPath);
}
