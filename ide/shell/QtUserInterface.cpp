#include "QtUserInterface.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QStringList>

#include "StringArray.h"

#include <vector>

namespace {

struct CButton {
    QMessageBox::StandardButton nButton;
    int nAnswer;
};

std::vector<CButton> ButtonsOf(UINT nType)
{
    switch (nType & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_ABORTRETRYIGNORE:
        return {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}};
    case MB_YESNOCANCEL:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    case MB_RETRYCANCEL:
        return {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
    default:
        return {{QMessageBox::Ok, IDOK}};
    }
}

QMessageBox::Icon IconOf(UINT nType)
{
    switch (nType & MB_ICONMASK) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONASTERISK:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

}  // namespace

CQtUserInterface::~CQtUserInterface()
{
    while (m_nWaitDepth > 0)
        SetWaitCursor(FALSE);
}

int CQtUserInterface::MessageBox(const char* pszText, UINT nType)
{
    QWidget* pParent = QApplication::activeModalWidget();
    if (!pParent)
        pParent = m_pMainWindow;
    QMessageBox box(IconOf(nType), QApplication::applicationDisplayName(), QString::fromUtf8(pszText),
                    QMessageBox::NoButton, pParent);
    std::vector<CButton> buttons = ButtonsOf(nType);
    QMessageBox::StandardButtons all;
    for (const CButton& button : buttons)
        all |= button.nButton;
    box.setStandardButtons(all);
    size_t nDefault = static_cast<size_t>((nType & MB_DEFMASK) >> 8);
    if (nDefault < buttons.size())
        box.setDefaultButton(buttons[nDefault].nButton);
    box.exec();
    QAbstractButton* pClicked = box.clickedButton();
    for (const CButton& button : buttons)
        if (pClicked && pClicked == box.button(button.nButton))
            return button.nAnswer;
    // Closed without a button: Cancel where there is one, else the default.
    for (const CButton& button : buttons)
        if (button.nAnswer == IDCANCEL)
            return IDCANCEL;
    return DefaultAnswer(nType);
}

BOOL CQtUserInterface::SetClipboardText(const char* pszText)
{
    QClipboard* pClipboard = QGuiApplication::clipboard();
    if (!pClipboard)
        return FALSE;
    QString strText = QString::fromUtf8(pszText);
    strText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    pClipboard->setText(strText);
    return TRUE;
}

BOOL CQtUserInterface::GetClipboardText(CString& strText)
{
    QClipboard* pClipboard = QGuiApplication::clipboard();
    const QMimeData* pData = pClipboard ? pClipboard->mimeData() : nullptr;
    if (!pData || !pData->hasText())
        return FALSE;
    strText = CString(pData->text().toUtf8().toStdString());
    return TRUE;
}

void CQtUserInterface::SetStatusText(const char* pszText)
{
    if (m_pMainWindow)
        m_pMainWindow->statusBar()->showMessage(QString::fromUtf8(pszText));
}

void CQtUserInterface::SetWaitCursor(BOOL bWait)
{
    if (bWait) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ++m_nWaitDepth;
    } else if (m_nWaitDepth > 0) {
        QApplication::restoreOverrideCursor();
        --m_nWaitDepth;
    }
}

void CQtUserInterface::Beep()
{
    QApplication::beep();
}

BOOL CQtUserInterface::GetFileNames(BOOL bOpen, const char* pszTitle, const char* pszDefExt, const char* pszFilter,
                                    const char* pszFolder, DWORD nFlags, CStringArray& arrPaths)
{
    arrPaths.RemoveAll();
    // "Text|pattern|Text|pattern||" pairs become Qt's name filters.
    QStringList parts = QString::fromUtf8(pszFilter ? pszFilter : "").split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        QString strPatterns = parts[i + 1];
        strPatterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts[i] + QStringLiteral(" (") + strPatterns + QLatin1Char(')');
    }
    QFileDialog dialog(m_pMainWindow, QString::fromUtf8(pszTitle ? pszTitle : ""),
                       QString::fromUtf8(pszFolder ? pszFolder : ""));
    dialog.setAcceptMode(bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (pszDefExt && *pszDefExt)
        dialog.setDefaultSuffix(QString::fromUtf8(pszDefExt));
    if (bOpen)
        dialog.setFileMode((nFlags & OFN_ALLOWMULTISELECT) ? QFileDialog::ExistingFiles
                           : (nFlags & OFN_FILEMUSTEXIST) ? QFileDialog::ExistingFile
                                                          : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(nFlags & OFN_OVERWRITEPROMPT));
    if (dialog.exec() != QDialog::Accepted)
        return FALSE;
    for (const QString& strFile : dialog.selectedFiles())
        arrPaths.Add(CString(strFile.toUtf8().constData()));
    return arrPaths.GetSize() > 0;
}

BOOL CQtUserInterface::GetFolderName(const char* pszTitle, const char* pszStart, CString& strFolder)
{
    QString strChosen = QFileDialog::getExistingDirectory(m_pMainWindow, QString::fromUtf8(pszTitle ? pszTitle : ""),
                                                           QString::fromUtf8(pszStart ? pszStart : ""));
    strFolder = CString(strChosen.toUtf8().constData());
    return !strFolder.IsEmpty();
}
