#include "HTMLView.h"

#include "BrowserOptions.h"
#include "HelpHistory.h"
#include "QtHTMLClient.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QVBoxLayout>

CHTMLView::CHTMLView(BOOL bTemporary, QWidget* pParent) : QWidget(pParent)
{
    auto* pLayout = new QVBoxLayout(this);
    // The component keeps a small margin inside the view.
    pLayout->setContentsMargins(5, 5, 5, 5);
    m_pClient = new CQtHTMLClient;
    m_pClient->setContextMenuPolicy(Qt::NoContextMenu);
    pLayout->addWidget(m_pClient);
    setFocusProxy(m_pClient);
    m_pBrowser = std::make_unique<CHelpBrowser>(*m_pClient, CHelpHistory::Shared(), bTemporary);
    m_pClient->SetLinkHandler([this](const CString& strAddress) { ShowAddress(strAddress); });
}

CHTMLView::~CHTMLView() = default;

BOOL CHTMLView::ShowAddress(const char* pszAddress)
{
    if (!m_pBrowser->ShowAddress(pszAddress))
        return FALSE;
    QWidget* pFrame = parentWidget();
    if (pFrame) {
        if (pFrame->isMinimized())
            pFrame->showNormal();
        pFrame->setWindowTitle(QString::fromUtf8(m_pBrowser->GetTitle().c_str()));
    }
    m_pClient->setFocus();
    return TRUE;
}

void CHTMLView::ApplyOptions(CBrowserOptions& options)
{
    m_pBrowser->ApplyOptions(options);
    // The component's styles and image loading reach a shown page only when it is read again.
    if (!m_pClient->source().isEmpty()) {
        m_pClient->reload();
    }
}

QMenu* CHTMLView::CreateContextMenu()
{
    auto* pMenu = new QMenu(this);
    auto fnTitle = [this] {
        if (QWidget* pFrame = parentWidget())
            pFrame->setWindowTitle(QString::fromUtf8(m_pBrowser->GetTitle().c_str()));
    };
    QAction* pBack = pMenu->addAction(QStringLiteral("&Previous"), this, [this, fnTitle] {
        m_pBrowser->Back();
        fnTitle();
    });
    pBack->setEnabled(m_pClient->isBackwardAvailable());
    QAction* pForward = pMenu->addAction(QStringLiteral("&Next"), this, [this, fnTitle] {
        m_pBrowser->Forward();
        fnTitle();
    });
    pForward->setEnabled(m_pClient->isForwardAvailable());
    pMenu->addSeparator();
    QAction* pCopy = pMenu->addAction(QStringLiteral("&Copy"), m_pClient, &QTextBrowser::copy);
    pCopy->setEnabled(m_pClient->textCursor().hasSelection());
    pMenu->addAction(QStringLiteral("Select &All"), m_pClient, &QTextBrowser::selectAll);
    return pMenu;
}

void CHTMLView::contextMenuEvent(QContextMenuEvent* pEvent)
{
    std::unique_ptr<QMenu> pMenu(CreateContextMenu());
    pMenu->exec(pEvent->globalPos());
}
