#include "SourceFrame.h"

#include "RichEditWidget.h"
#include "SourceDocument.h"

#include <QCloseEvent>
#include <QFileDialog>

CSourceFrame::CSourceFrame(std::unique_ptr<CSourceDocument> pDocument, QWidget* pParent)
    : QMdiSubWindow(pParent), m_pDocument(std::move(pDocument)), m_pEditor(new CRichEditWidget)
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_pEditor->SetEditCtrl(&m_pDocument->GetEditCtrl());
    m_pEditor->SetMessageTarget(m_pDocument->GetMessageTarget());
    setWidget(m_pEditor);
    if (!m_pDocument->IsUntitled())
        setWindowFilePath(QString::fromUtf8(m_pDocument->GetPathName().c_str()));
    m_pDocument->GetEditCtrl().AddObserver(this);
    UpdateTitle();
    resize(640, 420);
}

CSourceFrame::~CSourceFrame()
{
    // The widget and this frame listen to the control the document owns:
    // both let go of it before the document goes.
    m_pDocument->GetEditCtrl().RemoveObserver(this);
    delete m_pEditor;
}

QString CSourceFrame::DocumentTitle() const
{
    QString strTitle = QString::fromUtf8(m_pDocument->GetTitle().c_str());
    if (m_pDocument->IsModified())
        strTitle += QStringLiteral(" *");
    return strTitle;
}

void CSourceFrame::UpdateTitle()
{
    QString strTitle = DocumentTitle();
    if (windowTitle() != strTitle)
        setWindowTitle(strTitle);
}

bool CSourceFrame::Save()
{
    if (m_pDocument->IsUntitled())
        return SaveAs();
    bool bSaved = m_pDocument->Save();
    UpdateTitle();
    return bSaved;
}

bool CSourceFrame::SaveAs()
{
    QString strPath = QFileDialog::getSaveFileName(this, tr("Save As"), windowFilePath(),
                                                   tr("Java files (*.java);;All files (*)"));
    if (strPath.isEmpty())
        return false;
    bool bSaved = m_pDocument->SaveAs(strPath.toUtf8().constData());
    if (bSaved)
        setWindowFilePath(strPath);
    UpdateTitle();
    return bSaved;
}

void CSourceFrame::OnTextChanged(LONG, LONG, LONG)
{
    // The control sets its modified flag after telling of the change, so the
    // title is brought up to date once the edit has finished.
    QMetaObject::invokeMethod(this, &CSourceFrame::UpdateTitle, Qt::QueuedConnection);
}

void CSourceFrame::closeEvent(QCloseEvent* pEvent)
{
    bool bMayClose = m_pDocument->CanClose([this] { return Save() ? TRUE : FALSE; });
    UpdateTitle();
    if (!bMayClose) {
        pEvent->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(pEvent);
}
