#include "MainFrameHelpTree.h"

#include "HTMLView.h"
#include "HelpDoc.h"
#include "HelpView.h"
#include "JavaIDEApp.h"
#include "MainFrame.h"
#include "MainFrameBrowsers.h"
#include "MainFrameCommands.h"

#include <QTabWidget>

CMainFrameHelpTree::CMainFrameHelpTree(CMainFrame& frame, CJavaIDEApp& app)
    : m_frame(frame), m_pDoc(std::make_unique<CHelpDoc>(app.m_DirSettings.m_HelpDirs))
{
    QTabWidget* pTabs = frame.GetProjectWindow();
    m_pView = new CHelpView(*m_pDoc);
    m_pView->m_fnShowPage = [this] {
        QTabWidget* pPages = m_frame.GetProjectWindow();
        int nIndex = pPages->indexOf(m_pView);
        if (nIndex >= 0)
            pPages->setCurrentIndex(nIndex);
    };
    m_pView->m_fnShowAddress = [this](const CString& strAddress) {
        return m_frame.GetCommands().OpenHelpWindow(FALSE)->ShowAddress(strAddress);
    };
    CJavaIDEApp* pApp = &app;
    m_pView->m_fnBrowserPath = [pApp] { return pApp->m_DirSettings.m_strBrowserPath; };
    pTabs->addTab(m_pView, QStringLiteral("Help"));
    CMainFrameBrowsers::OrderPages(pTabs);
    app.SetIndexLoader(CJavaIDEApp::INDEX_HELP_TREE, [this](CJavaIDEApp&, const CString& strPath) {
        m_pDoc->Open(strPath);
        return TRUE;  // a damaged tree was reported and left on disk; the program goes on with a new one
    });
}

CMainFrameHelpTree::~CMainFrameHelpTree()
{
    delete m_pView.data();
}

CHelpView* CMainFrameHelpTree::GetHelpView() const
{
    return m_pView;
}

BOOL CMainFrameHelpTree::OnCommand(UINT nId)
{
    return m_pView && m_pView->Execute(nId);
}
