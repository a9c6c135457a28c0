// The help windows: "Mosk Help" and "Mosk Temp", Next, Previous and History.
#include "MainFrameCommands.h"

#include "BrowserOptions.h"
#include "DocumentWindows.h"
#include "HTMLView.h"
#include "HelpHistory.h"
#include "HelpSearchDlg.h"
#include "JavaIDEApp.h"
#include "MainFrame.h"
#include "QtHTMLClient.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVBoxLayout>

QMdiSubWindow* CMainFrameCommands::GetHelpFrame() const { return m_pHelpFrame; }

CHTMLView* CMainFrameCommands::GetHelpView(BOOL bTemporary) const
{
    QMdiSubWindow* pFrame = bTemporary ? m_pTempFrame : m_pHelpFrame;
    return pFrame ? qobject_cast<CHTMLView*>(pFrame->widget()) : nullptr;
}

CHTMLView* CMainFrameCommands::OpenHelpWindow(BOOL bTemporary)
{
    CDocumentWindows& windows = m_frame.GetDocumentWindows();
    if (CHTMLView* pView = GetHelpView(bTemporary)) {
        windows.BringForward(bTemporary ? m_pTempFrame : m_pHelpFrame);
        return pView;
    }
    QMdiSubWindow* pActive = m_frame.GetMdiArea()->activeSubWindow();
    bool bMaximized = pActive && pActive->isMaximized();
    auto* pView = new CHTMLView(bTemporary);
    QMdiSubWindow* pFrame =
        windows.CreateToolWindow(pView, bTemporary ? QStringLiteral("Mosk Temp") : QStringLiteral("Mosk Help"));
    (bTemporary ? m_pTempFrame : m_pHelpFrame) = pFrame;
    // First showing: the settings go in; empty font faces come back from the view.
    CEditorSettings& settings = m_frame.GetApp().m_EditorSettings;
    CBrowserOptions options = settings.GetBrowserOptions();
    pView->ApplyOptions(options);
    settings.m_strHelpFontHeading = options.strFontHeading;
    settings.m_strHelpFontNormal = options.strFontNormal;
    settings.m_strHelpFontFixed = options.strFontFixed;
    if (bMaximized)
        pFrame->showMaximized();
    else if (!bTemporary)
        pFrame->resize(500, 350);
    return pView;
}

void CMainFrameCommands::OnHelpWindow(UINT) { OpenHelpWindow(FALSE); }

BOOL CMainFrameCommands::HasHelpWindow(UINT) { return GetHelpView(FALSE) != nullptr; }

void CMainFrameCommands::OnHelpNext(UINT)
{
    if (CHTMLView* pView = GetHelpView(FALSE)) {
        pView->GetBrowser().Forward();
        m_pHelpFrame->setWindowTitle(QString::fromUtf8(pView->GetBrowser().GetTitle().c_str()));
    }
}

void CMainFrameCommands::OnHelpPrevious(UINT)
{
    if (CHTMLView* pView = GetHelpView(FALSE)) {
        pView->GetBrowser().Back();
        m_pHelpFrame->setWindowTitle(QString::fromUtf8(pView->GetBrowser().GetTitle().c_str()));
    }
}

void CMainFrameCommands::OnHelpHistory(UINT)
{
    QDialog dialog(&m_frame);
    dialog.setWindowTitle(QStringLiteral("History"));
    auto* pLayout = new QVBoxLayout(&dialog);
    auto* pList = new QListWidget;
    const CStringList& entries = CHelpHistory::Shared().GetEntries();
    for (POSITION pos = entries.GetHeadPosition(); pos;) {
        const CString& strAddress = entries.GetNext(pos);
        auto* pItem = new QListWidgetItem(QString::fromUtf8(strAddress.c_str(), strAddress.GetLength()));
        pItem->setData(Qt::UserRole, QByteArray(strAddress.c_str(), strAddress.GetLength()));
        pList->addItem(pItem);
    }
    if (pList->count() > 0)
        pList->setCurrentRow(0);
    pLayout->addWidget(pList);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    pLayout->addWidget(pButtons);
    QObject::connect(pButtons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(pButtons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(pList, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    dialog.resize(520, 300);
    if (dialog.exec() != QDialog::Accepted || !pList->currentItem())
        return;
    QByteArray address = pList->currentItem()->data(Qt::UserRole).toByteArray();
    OpenHelpWindow(FALSE)->ShowAddress(address.constData());
}

CHelpSearchDlg* CMainFrameCommands::GetHelpSearchDialog()
{
    if (!m_pHelpSearch) {
        CJavaIDEApp& app = m_frame.GetApp();
        m_pHelpSearch = new CHelpSearchDlg(app.GetSystemIndex(), app.GetUserIndex(), &m_frame);
        m_pHelpSearch->SetOpenHandler(
            [this](const CString& strAddress) { return OpenHelpWindow(FALSE)->ShowAddress(strAddress); });
    }
    return m_pHelpSearch;
}

void CMainFrameCommands::OnHelpSearch(UINT) { GetHelpSearchDialog()->ShowSearch(); }
