// The help options of the Customize menu (Browser..., User Index...) and
// the building of the system search index that start-up offers.
#include "MainFrameCommands.h"

#include "BrowserOptions.h"
#include "BrowserOptionsDlg.h"
#include "HTMLView.h"
#include "HelpSearchDlg.h"
#include "JavaIDEApp.h"
#include "MainFrame.h"
#include "SearchIndex.h"
#include "StatusBarProgress.h"
#include "SystemIndexBuilder.h"
#include "SystemIndexJob.h"
#include "UserIndexDlg.h"
#include "UserIndexEditor.h"
#include "UserInterface.h"

#include <QStatusBar>
#include <QTimer>

#include <functional>

#include <sys/stat.h>

namespace {

// Runs fnThen on the user-interface thread once fnDone holds, looking every 100 ms; the timer goes with pOwner.
void PollUntil(QObject* pOwner, std::function<bool()> fnDone, std::function<void()> fnThen)
{
    auto* pTimer = new QTimer(pOwner);
    pTimer->setInterval(100);
    QObject::connect(pTimer, &QTimer::timeout, pOwner, [pTimer, fnDone = std::move(fnDone), fnThen = std::move(fnThen)] {
        if (!fnDone())
            return;
        pTimer->stop();
        pTimer->deleteLater();
        fnThen();
    });
    pTimer->start();
}

// The search dialog (when it exists) lists the keywords of both indices as they are now.
void RefillSearchDialog(CJavaIDEApp& app, CHelpSearchDlg* pDialog)
{
    if (!pDialog)
        return;
    for (CSearchIndex* pIndex : {app.GetSystemIndex(), app.GetUserIndex()})
        if (pIndex)
            pIndex->WaitForLoad();
    pDialog->FillKeywords();
}

} // namespace

void CMainFrameCommands::ApplyBrowserOptions()
{
    CEditorSettings& settings = m_frame.GetApp().m_EditorSettings;
    for (BOOL bTemporary : {FALSE, TRUE}) {
        CHTMLView* pView = GetHelpView(bTemporary);
        if (!pView)
            continue;
        CBrowserOptions options = settings.GetBrowserOptions();
        pView->ApplyOptions(options);
        // Empty faces come back filled from the view.
        settings.SetBrowserOptions(options);
    }
}

void CMainFrameCommands::OnBrowserOptions(UINT)
{
    CEditorSettings& settings = m_frame.GetApp().m_EditorSettings;
    CBrowserOptions options = settings.GetBrowserOptions();
    CBrowserOptionsDlg dialog(options, &m_frame);
    if (dialog.exec() != QDialog::Accepted)
        return;
    settings.SetBrowserOptions(options);
    ApplyBrowserOptions();
}

void CMainFrameCommands::OnUserIndex(UINT)
{
    CJavaIDEApp& app = m_frame.GetApp();
    CUserInterface::Get().SetStatusText("Wait, Loading all the user indices....");
    CUserIndexEditor editor(app.GetUserIndex());
    if (!editor.Open())
        return;
    CStatusBarProgress progress(m_frame.statusBar());
    CUserIndexDlg dialog(editor, &m_frame);
    dialog.SetProgress(&progress);
    dialog.SetPageOpener([this](const CString& strPage) -> CHelpBrowser* {
        CHTMLView* pView = OpenHelpWindow(TRUE);
        return pView->ShowAddress(strPage) ? &pView->GetBrowser() : nullptr;
    });
    int nResult = dialog.exec();
    // The search dialog lists what the user index holds now (OK saved it, or Yes of Cancel did).
    RefillSearchDialog(app, m_pHelpSearch);
    if (nResult == QDialog::Accepted)
        app.SaveDirSettings();
}

BOOL CMainFrameCommands::OfferSystemIndex()
{
    CJavaIDEApp& app = m_frame.GetApp();
    const CString& strDocPath = app.m_DirSettings.m_strDocPath;
    const CString& strIndexPath = app.GetIndexPath(CJavaIDEApp::INDEX_SYSTEM_SEARCH);
    struct stat st {};
    if (strDocPath.IsEmpty() || strIndexPath.IsEmpty() || stat(strIndexPath, &st) == 0 || m_pIndexJob)
        return FALSE;
    CStringArray pages;
    if (!CSystemIndexBuilder::FindIndexPages(CSystemIndexBuilder::GetDocFolder(strDocPath), pages))
        return FALSE;
    CString strQuestion;
    strQuestion.Format("The help search index %s does not exist yet. Select Yes to build it from the Java "
                       "documentation in %s.",
                       strIndexPath.c_str(), strDocPath.c_str());
    if (AfxMessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    return StartSystemIndexBuild();
}

BOOL CMainFrameCommands::StartSystemIndexBuild()
{
    if (m_pIndexJob && m_pIndexJob->IsRunning())
        return FALSE;
    CJavaIDEApp& app = m_frame.GetApp();
    m_pIndexJob.reset();
    if (!m_pIndexProgress)
        m_pIndexProgress = std::make_unique<CStatusBarProgress>(m_frame.statusBar());
    m_pIndexJob = std::make_unique<CSystemIndexJob>(app.m_DirSettings.m_HelpDirs, app.m_DirSettings.m_strDocPath,
                                                    app.GetIndexPath(CJavaIDEApp::INDEX_SYSTEM_SEARCH));
    CUserInterface::Get().SetStatusText("Wait, Building the help Index...");
    if (!m_pIndexJob->Start(m_pIndexProgress.get())) {
        AfxMessageBox(m_pIndexJob->GetError());
        return FALSE;
    }
    // The window looks at the thread now and then; nothing crosses from the thread into the window.
    PollUntil(this, [this] { return !m_pIndexJob || !m_pIndexJob->IsRunning(); }, [this] { SystemIndexBuilt(); });
    return TRUE;
}

void CMainFrameCommands::SystemIndexBuilt()
{
    if (!m_pIndexJob)
        return;
    m_pIndexJob->Join();
    if (m_pIndexJob->WasAborted())
        return;
    CUserInterface& ui = CUserInterface::Get();
    if (!m_pIndexJob->Succeeded()) {
        ui.SetStatusText("");
        CString strMessage;
        strMessage.Format("Error building the help Index: %s !!!", m_pIndexJob->GetError().c_str());
        AfxMessageBox(strMessage);
        return;
    }
    ui.SetStatusText("Wait, Building the help Index...Done");
    CJavaIDEApp& app = m_frame.GetApp();
    CSearchIndex* pIndex = app.GetSystemIndex();
    if (!pIndex)
        return;
    // The loader reads the new file on its thread; the search dialog lists it once it is read.
    pIndex->Load(m_pIndexJob->GetOutPath());
    PollUntil(
        this,
        [this] {
            CSearchIndex* pLoading = m_frame.GetApp().GetSystemIndex();
            return !pLoading || !pLoading->IsLoading();
        },
        [this] { RefillSearchDialog(m_frame.GetApp(), m_pHelpSearch); });
}

void CMainFrameCommands::AbortSystemIndexBuild()
{
    if (m_pIndexJob)
        m_pIndexJob->Abort();
}
