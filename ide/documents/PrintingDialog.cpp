#include "PrintingDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CPrintingDialog::CPrintingDialog(const QString& strDocument, const QString& strPrinter, const QString& strPort,
                                 QWidget* pParent)
    : QDialog(pParent)
{
    setWindowTitle(tr("Printing"));
    auto* pForm = new QFormLayout;
    pForm->addRow(tr("Document:"), new QLabel(strDocument));
    pForm->addRow(tr("Printer:"), new QLabel(strPrinter));
    pForm->addRow(tr("Port:"), new QLabel(strPort));
    m_pPage = new QLabel;
    pForm->addRow(tr("Page:"), m_pPage);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Cancel);
    connect(pButtons, &QDialogButtonBox::rejected, this, &CPrintingDialog::reject);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pForm);
    pLayout->addWidget(pButtons);
}

void CPrintingDialog::SetPage(int nPage)
{
    m_pPage->setText(QString::number(nPage));
}

void CPrintingDialog::reject()
{
    // The window stays until the loop ends; the loop sees the flag.
    m_bCancelled = true;
}
