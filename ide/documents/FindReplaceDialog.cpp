#include "FindReplaceDialog.h"

#include "JavaIDEView.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CFindReplaceDialog::CFindReplaceDialog(CJavaIDEView* pView, QWidget* pParent)
    : QDialog(pParent), m_pView(pView), m_pFind(new QLineEdit), m_pReplace(new QLineEdit),
      m_pReplaceLabel(new QLabel(tr("Re&place with:"))), m_pCase(new QCheckBox(tr("Match &case"))),
      m_pWord(new QCheckBox(tr("Match &whole word only"))), m_pUp(new QCheckBox(tr("Search &up"))),
      m_pReplaceButton(new QPushButton(tr("&Replace"))), m_pReplaceAllButton(new QPushButton(tr("Replace &All")))
{
    auto* pFindLabel = new QLabel(tr("Fi&nd what:"));
    pFindLabel->setBuddy(m_pFind);
    m_pReplaceLabel->setBuddy(m_pReplace);
    auto* pFindNext = new QPushButton(tr("&Find Next"));
    pFindNext->setDefault(true);
    auto* pClose = new QPushButton(tr("Close"));

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(pFindLabel, 0, 0);
    pGrid->addWidget(m_pFind, 0, 1);
    pGrid->addWidget(m_pReplaceLabel, 1, 0);
    pGrid->addWidget(m_pReplace, 1, 1);
    pGrid->addWidget(m_pCase, 2, 0, 1, 2);
    pGrid->addWidget(m_pWord, 3, 0, 1, 2);
    pGrid->addWidget(m_pUp, 4, 0, 1, 2);
    auto* pButtons = new QVBoxLayout;
    pButtons->addWidget(pFindNext);
    pButtons->addWidget(m_pReplaceButton);
    pButtons->addWidget(m_pReplaceAllButton);
    pButtons->addWidget(pClose);
    pButtons->addStretch();
    auto* pLayout = new QHBoxLayout(this);
    pLayout->addLayout(pGrid);
    pLayout->addLayout(pButtons);

    connect(pFindNext, &QPushButton::clicked, this, &CFindReplaceDialog::FindNext);
    connect(m_pReplaceButton, &QPushButton::clicked, this, &CFindReplaceDialog::Replace);
    connect(m_pReplaceAllButton, &QPushButton::clicked, this, &CFindReplaceDialog::ReplaceAll);
    connect(pClose, &QPushButton::clicked, this, &QDialog::hide);
}

void CFindReplaceDialog::Start(const QString& strText, bool bReplace)
{
    m_bReplace = bReplace;
    setWindowTitle(bReplace ? tr("Replace") : tr("Find"));
    if (!strText.isEmpty())
        m_pFind->setText(strText);
    for (QWidget* pWidget : {static_cast<QWidget*>(m_pReplaceLabel), static_cast<QWidget*>(m_pReplace),
                             static_cast<QWidget*>(m_pReplaceButton), static_cast<QWidget*>(m_pReplaceAllButton)})
        pWidget->setVisible(bReplace);
    m_pUp->setVisible(!bReplace);
    m_pFind->selectAll();
    m_pFind->setFocus();
}

bool CFindReplaceDialog::FindNext()
{
    QByteArray find = m_pFind->text().toUtf8();
    bool bDown = m_bReplace || !m_pUp->isChecked();
    return m_pView->FindNext(find.constData(), bDown, m_pCase->isChecked(), m_pWord->isChecked());
}

bool CFindReplaceDialog::Replace()
{
    QByteArray find = m_pFind->text().toUtf8(), replace = m_pReplace->text().toUtf8();
    if (find.isEmpty())
        return false;
    m_pView->OnReplaceSel(find.constData(), TRUE, m_pCase->isChecked(), m_pWord->isChecked(), replace.constData());
    return true;
}

int CFindReplaceDialog::ReplaceAll()
{
    QByteArray find = m_pFind->text().toUtf8(), replace = m_pReplace->text().toUtf8();
    if (find.isEmpty())
        return 0;
    return m_pView->OnReplaceAll(find.constData(), replace.constData(), m_pCase->isChecked(), m_pWord->isChecked());
}
