#include "OutputFrameWindow.h"

#include "MDIOutputFrame.h"
#include "OutputPaneMenu.h"
#include "RichEditWidget.h"
#include "ToolCommands.h"

#include <QCloseEvent>

COutputFrameWindow::COutputFrameWindow(CMDIOutputFrame* pFrame, CToolCommands& tools, QWidget* pParent)
    : QMdiSubWindow(pParent), m_pFrame(pFrame), m_tools(tools), m_pView(new CRichEditWidget)
{
    setAttribute(Qt::WA_DeleteOnClose);
    QString strTitle = QString::fromUtf8(pFrame->GetTitle().c_str());
    setWindowTitle(strTitle);
    setAccessibleName(strTitle);
    m_pView->SetEditCtrl(&pFrame->GetView().GetEditCtrl());
    m_pView->SetMessageTarget(&pFrame->GetView());
    m_pView->SetEditorFont(CRichEditWidget::DefaultEditorFont(10));
    setWidget(m_pView);
    new COutputPaneMenu(m_pView, [this]() -> COutputText* { return m_pFrame ? &m_pFrame->GetView() : nullptr; });
    resize(560, 300);
}

COutputFrameWindow::~COutputFrameWindow()
{
    Detach();
}

void COutputFrameWindow::Detach()
{
    m_pView->SetMessageTarget(nullptr);
    m_pView->SetEditCtrl(nullptr);
    m_pFrame = nullptr;
}

void COutputFrameWindow::closeEvent(QCloseEvent* pEvent)
{
    // The tool commands ask while the process runs and destroy the frame on Yes.
    if (m_pFrame && !m_tools.CloseOutputFrame(m_pFrame)) {
        pEvent->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(pEvent);
}
