#include "ProjectFrame.h"

#include "MainFrameLayout.h"

#include <QCloseEvent>

CProjectFrame::CProjectFrame(QWidget* pParent) : QMdiSubWindow(pParent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8(TITLE));
    setAccessibleName(QString::fromUtf8(TITLE));
}

void CProjectFrame::RestorePlacement(const CMainFrameLayout& layout)
{
    if (layout.m_bProjMaximize) {
        showMaximized();
        return;
    }
    if (layout.m_nProjWidth > 0 && layout.m_nProjHeight > 0)
        setGeometry(layout.m_nProjOrigX, layout.m_nProjOrigY, layout.m_nProjWidth, layout.m_nProjHeight);
}

void CProjectFrame::StorePlacement(CMainFrameLayout& layout) const
{
    if (isMinimized())
        return;
    layout.m_bProjMaximize = isMaximized();
    // A maximised frame keeps the place it had before.
    if (isMaximized())
        return;
    QRect rect = geometry();
    layout.m_nProjOrigX = rect.x();
    layout.m_nProjOrigY = rect.y();
    layout.m_nProjWidth = rect.width();
    layout.m_nProjHeight = rect.height();
}

void CProjectFrame::closeEvent(QCloseEvent* pEvent)
{
    if (m_fnClose)
        m_fnClose();
    QMdiSubWindow::closeEvent(pEvent);
}
