#include "StatusBarProgress.h"

#include <QProgressBar>
#include <QStatusBar>
#include <QThread>

CStatusBarProgress::CStatusBarProgress(QStatusBar* pStatusBar, QObject* pParent)
    : QObject(pParent), m_pStatusBar(pStatusBar)
{
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, [this] { Show(FALSE); });
    m_timer.start();
}

CStatusBarProgress::~CStatusBarProgress() = default;

BOOL CStatusBarProgress::IsUiThread() const { return QThread::currentThread() == thread(); }

QProgressBar* CStatusBarProgress::GetBar() const
{
    return m_pStatusBar ? m_pStatusBar->findChild<QProgressBar*>(QStringLiteral("Progress")) : nullptr;
}

void CStatusBarProgress::Begin(int nMax)
{
    m_nMax = nMax;
    m_nValue = 0;
    m_bShown = true;
    if (IsUiThread())
        Show(TRUE);
}

void CStatusBarProgress::Step()
{
    int nValue = ++m_nValue;
    // On the user-interface thread a long run repaints at about every percent.
    int nMax = m_nMax;
    if (IsUiThread() && (nMax < 100 || nValue % (nMax / 100) == 0 || nValue == nMax))
        Show(TRUE);
}

void CStatusBarProgress::End()
{
    m_bShown = false;
    if (IsUiThread())
        Show(TRUE);
}

void CStatusBarProgress::Show(BOOL bRepaint)
{
    if (!m_pStatusBar)
        return;
    QProgressBar* pBar = GetBar();
    if (!m_bShown) {
        if (pBar && pBar->isVisible())
            pBar->hide();
        return;
    }
    if (!pBar) {
        pBar = new QProgressBar;
        pBar->setObjectName(QStringLiteral("Progress"));
        pBar->setMaximumWidth(200);
        pBar->setTextVisible(false);
        m_pStatusBar->addWidget(pBar);
    }
    int nMax = m_nMax;
    int nValue = m_nValue;
    if (pBar->maximum() != nMax)
        pBar->setRange(0, nMax);
    if (pBar->value() != nValue) {
        pBar->setValue(nValue);
        // A run on the user-interface thread gives the event loop no chance to paint.
        if (bRepaint)
            pBar->repaint();
    }
    if (!pBar->isVisible())
        pBar->show();
}
