#include "ChildFrame.h"

#include "FindReplaceDialog.h"
#include "GlyphMargin.h"
#include "GotoDialog.h"
#include "JavaIDEDoc.h"
#include "JavaIDEView.h"
#include "JavaIDEViewHost.h"
#include "RichEditWidget.h"
#include "ViewPrinter.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMenu>

CChildFrame::CChildFrame(CJavaIDEViewHost* pHost, QWidget* pParent)
    : QMdiSubWindow(pParent), m_pHost(pHost), m_pDoc(std::make_unique<CJavaIDEDoc>(pHost)),
      m_pView(std::make_unique<CJavaIDEView>(pHost)), m_pEditor(new CRichEditWidget)
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_pView->SetDocument(m_pDoc.get());
    m_pView->SetFrame(this);
    m_pEditor->SetEditCtrl(&m_pView->GetCtrl());
    m_pEditor->SetMessageTarget(m_pView.get());
    m_pMargin = new CGlyphMargin(m_pView.get(), m_pEditor);
    m_pEditor->SetMarginWidget(m_pMargin, CGlyphMargin::WIDTH);
    setWidget(m_pEditor);
    connect(m_pEditor, &CRichEditWidget::ContextMenuRequested, this, &CChildFrame::ShowContextMenu);
    m_pDoc->AddObserver(this);
    resize(640, 420);
}

CChildFrame::~CChildFrame()
{
    // The widget and the dialog use the view; the view uses the document.
    m_pDoc->RemoveObserver(this);
    delete m_pFind;
    delete m_pEditor;
    m_pView->SetFrame(nullptr);
    m_pView.reset();
    m_pDoc.reset();
}

CChildFrame* CChildFrame::OpenFile(const char* pszPath, CJavaIDEViewHost* pHost, QWidget* pParent)
{
    auto* pFrame = new CChildFrame(pHost, pParent);
    if (!pFrame->m_pDoc->OnOpenDocument(pszPath)) {
        delete pFrame;
        return nullptr;
    }
    pFrame->m_pView->OnInitialUpdate();
    pFrame->UpdateTitle();
    return pFrame;
}

CChildFrame* CChildFrame::NewFile(CJavaIDEViewHost* pHost, QWidget* pParent)
{
    auto* pFrame = new CChildFrame(pHost, pParent);
    pFrame->m_pDoc->OnNewDocument();
    pFrame->m_pView->OnInitialUpdate();
    pFrame->UpdateTitle();
    return pFrame;
}

void CChildFrame::UpdateTitle()
{
    QString strTitle = QString::fromUtf8(m_pDoc->GetTitle().c_str());
    if (windowTitle() != strTitle)
        setWindowTitle(strTitle);
    QString strPath = QString::fromUtf8(m_pDoc->GetPathName().c_str());
    if (windowFilePath() != strPath)
        setWindowFilePath(strPath);
}

void CChildFrame::OnDocumentChanged(CDocument*)
{
    UpdateTitle();
}

bool CChildFrame::Save()
{
    return m_pDoc->OnFileSave();
}

bool CChildFrame::SaveAs()
{
    return m_pDoc->OnFileSaveAs();
}

bool CChildFrame::CanClose()
{
    return m_pDoc->SaveModified();
}

BOOL CChildFrame::PrintDocument()
{
    const CString& strPath = m_pDoc->GetPathName();
    return CViewPrinter::Print(this, *m_pView->GetEditCtrl(), m_pEditor->GetEditorFont(), m_pEditor->GetTabSize(),
                               strPath.IsEmpty() ? m_pDoc->GetTitle() : strPath);
}

bool CChildFrame::ExecuteCommand(UINT nId)
{
    if (m_pView->IsCommandEnabled(nId))
        return m_pView->OnCommand(nId);
    if (m_pHost && m_pHost->IsMainCommandEnabled(nId)) {
        m_pHost->ExecuteMainCommand(nId);
        return true;
    }
    return false;
}

bool CChildFrame::IsCommandEnabled(UINT nId) const
{
    return m_pView->IsCommandEnabled(nId) || (m_pHost && m_pHost->IsMainCommandEnabled(nId));
}

QMenu* CChildFrame::CreateContextMenu(LONG nPos)
{
    auto* pMenu = new QMenu(this);
    QMenu* pOverride = nullptr;  // the class popup's inherited methods
    for (const CViewMenuItem& item : m_pView->GetContextMenu(nPos)) {
        if (item.nId == 0) {
            pMenu->addSeparator();
            continue;
        }
        QString strText = QString::fromUtf8(item.strText.c_str());
        QMenu* pInto = pMenu;
        if (strText.startsWith(QLatin1String("Override/"))) {
            if (!pOverride)
                pOverride = pMenu->addMenu(QStringLiteral("Override"));
            pInto = pOverride;
            strText = strText.mid(9);
        }
        QAction* pAction = pInto->addAction(strText);
        pAction->setData(item.nId);
        pAction->setEnabled(IsCommandEnabled(item.nId));
    }
    return pMenu;
}

void CChildFrame::ShowContextMenu(const QPoint& globalPos, LONG nPos)
{
    std::unique_ptr<QMenu> pMenu(CreateContextMenu(nPos));
    if (QAction* pChosen = pMenu->exec(globalPos))
        ExecuteCommand(pChosen->data().toUInt());
}

// ---- IJavaIDEViewFrame

void CChildFrame::BringToTop()
{
    if (QMdiArea* pArea = mdiArea())
        pArea->setActiveSubWindow(this);
    else
        raise();
}

void CChildFrame::MaximizeFrame()
{
    showMaximized();
}

void CChildFrame::RedrawMargin()
{
    m_pMargin->update();
}

void CChildFrame::MessagePosted()
{
    if (m_bDeliveryQueued)
        return;
    m_bDeliveryQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_bDeliveryQueued = false;
            m_pView->DeliverPostedMessages();
        },
        Qt::QueuedConnection);
}

void CChildFrame::PaintRequested()
{
    if (m_bPaintQueued)
        return;
    m_bPaintQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_bPaintQueued = false;
            m_pView->OnPaint();
        },
        Qt::QueuedConnection);
}

BOOL CChildFrame::AskGotoLine(int& nLine)
{
    CGotoDialog dialog(m_pView->GetCtrl().GetLineCount(), m_pView->GetCaretLine(), this);
    if (dialog.exec() != QDialog::Accepted)
        return FALSE;
    nLine = dialog.GetLine();
    return TRUE;
}

void CChildFrame::ShowFindDialog(const char* pszText, BOOL bReplace)
{
    if (!m_pFind)
        m_pFind = new CFindReplaceDialog(m_pView.get(), this);
    m_pFind->Start(QString::fromUtf8(pszText ? pszText : ""), bReplace);
    m_pFind->show();
    m_pFind->raise();
    m_pFind->activateWindow();
}

void CChildFrame::CloseFrame()
{
    close();
}

// ---- Events

void CChildFrame::closeEvent(QCloseEvent* pEvent)
{
    if (!CanClose()) {
        pEvent->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(pEvent);
}

void CChildFrame::showEvent(QShowEvent* pEvent)
{
    QMdiSubWindow::showEvent(pEvent);
    PaintRequested();
}
