#include "MainFrame.h"

#include "ChildFrame.h"
#include "JavaIDEView.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>


CMainFrame::CMainFrame(QWidget* pParent)
    : QMainWindow(pParent), m_pMdiArea(new QMdiArea)
{
    setWindowTitle(QStringLiteral("Mosk"));
    m_pMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_pMdiArea);
    CreateMenus();
    statusBar()->showMessage(tr("Ready"));
    resize(900, 640);
}

void CMainFrame::CreateMenus()
{
    QMenu* pFile = menuBar()->addMenu(tr("&File"));
    pFile->addAction(tr("&New"), QKeySequence::New, this, &CMainFrame::NewFile);
    pFile->addAction(tr("&Open..."), QKeySequence::Open, this, &CMainFrame::OnFileOpen);
    pFile->addAction(tr("&Save"), QKeySequence::Save, this, &CMainFrame::OnFileSave);
    pFile->addAction(tr("Save &As..."), QKeySequence::SaveAs, this, &CMainFrame::OnFileSaveAs);
    pFile->addAction(tr("&Close"), this, &CMainFrame::OnFileClose);
    pFile->addSeparator();
    pFile->addAction(tr("E&xit"), this, &QWidget::close);

    QMenu* pWindow = menuBar()->addMenu(tr("&Window"));
    pWindow->addAction(tr("&Cascade"), m_pMdiArea, &QMdiArea::cascadeSubWindows);
    pWindow->addAction(tr("&Tile"), m_pMdiArea, &QMdiArea::tileSubWindows);
}

CChildFrame* CMainFrame::GetActiveSourceFrame() const
{
    return qobject_cast<CChildFrame*>(m_pMdiArea->activeSubWindow());
}

bool CMainFrame::OpenFile(const QString& strPath)
{
    QFileInfo info(strPath);
    QString strAbsolute = info.absoluteFilePath();
    for (QMdiSubWindow* pWindow : m_pMdiArea->subWindowList()) {
        auto* pFrame = qobject_cast<CChildFrame*>(pWindow);
        if (pFrame && QFileInfo(pFrame->windowFilePath()) == info) {
            m_pMdiArea->setActiveSubWindow(pFrame);
            return true;
        }
    }
    CChildFrame* pFrame = CChildFrame::OpenFile(strAbsolute.toUtf8().constData(), nullptr);
    if (!pFrame)
        return false;
    bool bReadOnly = pFrame->GetView()->GetReadOnly();
    m_pMdiArea->addSubWindow(pFrame);
    pFrame->show();
    pFrame->widget()->setFocus();
    statusBar()->showMessage(bReadOnly ? tr("%1 (read-only)").arg(strAbsolute) : strAbsolute, 5000);
    return true;
}

CChildFrame* CMainFrame::NewFile()
{
    CChildFrame* pFrame = CChildFrame::NewFile(nullptr);
    m_pMdiArea->addSubWindow(pFrame);
    pFrame->show();
    pFrame->widget()->setFocus();
    return pFrame;
}

void CMainFrame::OnFileOpen()
{
    QStringList paths = QFileDialog::getOpenFileNames(
        this, tr("Open"), QString(),
        tr("Source files (*.java *.htm *.html *.cpp *.c *.h);;All files (*)"));
    for (const QString& strPath : paths)
        OpenFile(strPath);
}

void CMainFrame::OnFileSave()
{
    if (CChildFrame* pFrame = GetActiveSourceFrame())
        pFrame->Save();
}

void CMainFrame::OnFileSaveAs()
{
    if (CChildFrame* pFrame = GetActiveSourceFrame())
        pFrame->SaveAs();
}

void CMainFrame::OnFileClose()
{
    m_pMdiArea->closeActiveSubWindow();
}

void CMainFrame::closeEvent(QCloseEvent* pEvent)
{
    m_pMdiArea->closeAllSubWindows();
    if (!m_pMdiArea->subWindowList().isEmpty()) {
        pEvent->ignore();
        return;
    }
    QMainWindow::closeEvent(pEvent);
}
