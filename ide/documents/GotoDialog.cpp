#include "GotoDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include <algorithm>

CGotoDialog::CGotoDialog(int nLineCount, int nCurrent, QWidget* pParent) : QDialog(pParent), m_pLine(new QSpinBox)
{
    setWindowTitle(tr("Go To"));
    m_pLine->setRange(1, std::max(1, nLineCount));
    m_pLine->setValue(std::clamp(nCurrent, 1, std::max(1, nLineCount)));
    m_pLine->selectAll();
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* pLayout = new QFormLayout(this);
    pLayout->addRow(tr("&Line number:"), m_pLine);
    pLayout->addRow(pButtons);
}

int CGotoDialog::GetLine() const
{
    return m_pLine->value();
}

void CGotoDialog::SetLine(int nLine)
{
    m_pLine->setValue(nLine);
}
