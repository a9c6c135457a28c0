#include "MainFrameBrowsers.h"

#include "BeanDoc.h"
#include "BeanView.h"
#include "BrowserHost.h"
#include "JavaIDEApp.h"
#include "MainFrame.h"
#include "OutputWnd.h"
#include "PackageView.h"
#include "PkgDoc.h"
#include "ToolCommands.h"

#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

// The indices write to the main window's output pane and show their views again.
class CFrameBrowserHost : public CBrowserHost {
public:
    explicit CFrameBrowserHost(CMainFrame& frame) : m_frame(frame) {}
    void ClearOutput() override { m_frame.ClearOutput(); }
    void WriteOutput(const char* pszText) override
    {
        m_frame.ShowOutputPane();
        m_frame.WriteOutput(pszText);
    }
    BOOL HasOutput() const override { return !m_frame.GetToolCommands().GetOutputWnd().GetText().IsEmpty(); }
    void RefreshViews() override
    {
        if (m_pPackageView)
            m_pPackageView->Refresh();
        if (m_pBeanView)
            m_pBeanView->Refresh();
    }

    CMainFrame& m_frame;
    CPackageView* m_pPackageView = nullptr;
    CBeanView* m_pBeanView = nullptr;
};

namespace {

int RankOf(const QString& strTab)
{
    static const char* const s_order[] = {"Project", "Packages", "Beans", "Help"};
    for (int i = 0; i < 4; i++)
        if (strTab == QLatin1String(s_order[i]))
            return i;
    return 4;
}

} // namespace

CMainFrameBrowsers::CMainFrameBrowsers(CMainFrame& frame, CJavaIDEApp& app)
    : m_frame(frame), m_pHost(std::make_unique<CFrameBrowserHost>(frame)),
      m_pPkgDoc(std::make_unique<CPkgDoc>(m_pHost.get())), m_pBeanDoc(std::make_unique<CBeanDoc>(m_pHost.get()))
{
    QTabWidget* pTabs = frame.GetProjectWindow();
    m_pPackageView = new CPackageView(*m_pPkgDoc);
    m_pHost->m_pPackageView = m_pPackageView;
    m_pPackageView->m_fnShowPage = [this] { ShowPage(m_pPackageView); };
    pTabs->addTab(m_pPackageView, QStringLiteral("Packages"));
    m_pBeanView = new CBeanView(*m_pBeanDoc);
    m_pHost->m_pBeanView = m_pBeanView;
    m_pBeanView->m_fnShowPage = [this] { ShowPage(m_pBeanView); };
    pTabs->addTab(m_pBeanView, QStringLiteral("Beans"));
    OrderPages(pTabs);
    // Pages another part adds later in the start-up find their places too.
    QTimer::singleShot(0, pTabs, [pTabs] { OrderPages(pTabs); });
    app.SetIndexLoader(CJavaIDEApp::INDEX_PACKAGES, [this](CJavaIDEApp&, const CString& strPath) {
        m_pPkgDoc->Open(strPath);
        return TRUE;  // a damaged index was reported; the program goes on with an empty one
    });
    app.SetIndexLoader(CJavaIDEApp::INDEX_BEANS, [this](CJavaIDEApp&, const CString& strPath) {
        m_pBeanDoc->Open(strPath);
        return TRUE;
    });
}

CMainFrameBrowsers::~CMainFrameBrowsers()
{
    m_pHost->m_pPackageView = nullptr;
    m_pHost->m_pBeanView = nullptr;
}

BOOL CMainFrameBrowsers::OnBeanCommand(UINT nId)
{
    return m_pBeanView->Execute(nId);
}

void CMainFrameBrowsers::OrderPages(QTabWidget* pTabs)
{
    QTabBar* pBar = pTabs->tabBar();
    for (int i = 1; i < pBar->count(); i++)
        for (int j = i; j > 0 && RankOf(pBar->tabText(j)) < RankOf(pBar->tabText(j - 1)); j--)
            pBar->moveTab(j, j - 1);
}

void CMainFrameBrowsers::ShowPage(QWidget* pPage)
{
    QTabWidget* pTabs = m_frame.GetProjectWindow();
    int nIndex = pTabs->indexOf(pPage);
    if (nIndex >= 0)
        pTabs->setCurrentIndex(nIndex);
}

BOOL CMainFrameBrowsers::OnPackageCommand(UINT nId)
{
    return m_pPackageView->Execute(nId);
}

void CMainFrameBrowsers::LookUpWord(const char* pszWord)
{
    m_pPackageView->LookUp(pszWord);
}

BOOL CMainFrameBrowsers::IsDragSource() const
{
    return CPackageView::IsDragging();
}

BOOL CMainFrameBrowsers::InsertDroppedToken(CJavaIDEView* pView, CDragToken* pToken, CVarContainer* pClass, int nLine)
{
    return FALSE;
}
