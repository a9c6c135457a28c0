// Find in Files and the Search Results window.
#include "MainFrameCommands.h"

#include "ChildFrame.h"
#include "DocumentWindows.h"
#include "FindInFiles.h"
#include "FindInFilesDlg.h"
#include "JavaIDEView.h"
#include "MainFrame.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "RichEditCtrl.h"
#include "SearchView.h"
#include "UserInterface.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

const char s_szAddFilesFilter[] = "Java Files (*.java)|*.java|HTML Files (*.html;*.htm)|*.html;*.htm|"
                                  "All Files (*.*)|*||";

} // namespace

QMdiSubWindow* CMainFrameCommands::GetSearchFrame() const { return m_pSearchFrame; }

CSearchView* CMainFrameCommands::GetSearchView() const
{
    return m_pSearchFrame ? qobject_cast<CSearchView*>(m_pSearchFrame->widget()) : nullptr;
}

void CMainFrameCommands::OnFindInFiles(UINT)
{
    CStringArray projectFiles;
    CProjectDoc* pProjectDoc = m_frame.GetProjectDoc();
    BOOL bProjectOpen = pProjectDoc && pProjectDoc->GetProject().IsOpen();
    if (bProjectOpen) {
        const CStringList& files = pProjectDoc->GetProject().GetFileList();
        for (POSITION pos = files.GetHeadPosition(); pos;)
            projectFiles.Add(files.GetNext(pos));
    }
    CFindInFilesDlg dialog(projectFiles, bProjectOpen, s_szAddFilesFilter, &m_frame);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CStringArray files = dialog.GetFiles();
    if (files.GetSize() > 0)
        SearchFiles(dialog.GetText(), files);
}

void CMainFrameCommands::SearchFiles(const CString& strText, const CStringArray& files)
{
    CDocumentWindows& windows = m_frame.GetDocumentWindows();
    QString strTitle = QStringLiteral("Search Results - ") + QString::fromUtf8(strText.c_str(), strText.GetLength());
    CSearchView* pView = GetSearchView();
    if (!pView) {
        pView = new CSearchView;
        pView->setFont(m_frame.GetEditorFont());
        m_pSearchFrame = windows.CreateToolWindow(pView, strTitle);
        connect(pView, &CSearchView::EscapePressed, this, [this] {
            m_frame.HideOutputPanes();
            if (!m_pSearchFrame)
                return;
            if (m_pSearchFrame->isMaximized())
                m_pSearchFrame->showNormal();
            else
                m_pSearchFrame->showMaximized();
        });
        connect(pView, &CSearchView::OpenResult, this, [this](const QByteArray& path, int nLine) {
            if (!m_frame.OpenFileAtLine(path.constData(), nLine))
                return;
            CDocumentWindow* pWindow = m_frame.GetDocumentWindows().Find(path.constData());
            if (!pWindow)
                return;
            // The whole line is selected.
            CRichEditCtrl* pCtrl = CDocumentWindows::GetView(pWindow).GetEditCtrl();
            if (pCtrl && nLine <= pCtrl->GetLineCount()) {
                LONG nStart = pCtrl->LineIndex(nLine - 1);
                pCtrl->SetSel(nStart, nStart + pCtrl->LineLength(nStart));
            }
            m_frame.GetDocumentWindows().BringForward(pWindow);
        });
    } else {
        m_pSearchFrame->setWindowTitle(strTitle);
        windows.BringForward(m_pSearchFrame);
    }
    pView->Clear();
    CUserInterface& ui = CUserInterface::Get();
    ui.SetWaitCursor(TRUE);
    std::string strResults;
    CFindInFiles::Search(strText, files, strResults);
    pView->AppendResults(strResults);
    ui.SetWaitCursor(FALSE);
}

void CMainFrameCommands::OnWindowSearch(UINT)
{
    if (m_pSearchFrame)
        m_frame.GetDocumentWindows().BringForward(m_pSearchFrame);
}

BOOL CMainFrameCommands::HasSearchResults(UINT) { return m_pSearchFrame != nullptr; }
