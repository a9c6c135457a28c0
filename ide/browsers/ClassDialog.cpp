#include "ClassDialog.h"

#include "VarInterface.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QDialogButtonBox* Buttons(QDialog* pDialog, QPushButton*& pOk)
{
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    pOk = pButtons->button(QDialogButtonBox::Ok);
    QObject::connect(pButtons, &QDialogButtonBox::accepted, pDialog, &QDialog::accept);
    QObject::connect(pButtons, &QDialogButtonBox::rejected, pDialog, &QDialog::reject);
    return pButtons;
}

} // namespace

CClassDialog::CClassDialog(const QString& strName, const QString& strParent, bool bConstructor,
                           const std::vector<CVarInterface*>& interfaces, QWidget* pParent)
    : QDialog(pParent), m_pName(new QLineEdit(strName)), m_pParentName(new QLineEdit(strParent)),
      m_pConstructor(new QCheckBox(tr("Constructor"))), m_pInterfaces(new QListWidget)
{
    setWindowTitle(tr("New Class"));
    auto* pLayout = new QVBoxLayout(this);
    auto* pForm = new QFormLayout;
    pForm->addRow(tr("Class name:"), m_pName);
    pForm->addRow(tr("Parent class:"), m_pParentName);
    pLayout->addLayout(pForm);
    m_pParentName->setEnabled(!strParent.isEmpty());
    m_pConstructor->setChecked(bConstructor);
    pLayout->addWidget(m_pConstructor);
    for (CVarInterface* pInterface : interfaces) {
        auto* pItem = new QListWidgetItem(QString::fromUtf8(pInterface->m_strName.c_str()), m_pInterfaces);
        pItem->setFlags(pItem->flags() | Qt::ItemIsUserCheckable);
        pItem->setCheckState(Qt::Unchecked);
        pItem->setData(Qt::UserRole, QVariant::fromValue(static_cast<void*>(pInterface)));
    }
    pLayout->addWidget(m_pInterfaces);
    pLayout->addWidget(Buttons(this, m_pOk));
    auto update = [this] { m_pOk->setEnabled(!m_pName->text().trimmed().isEmpty()); };
    connect(m_pName, &QLineEdit::textChanged, this, update);
    update();
}

QString CClassDialog::GetName() const { return m_pName->text().trimmed(); }

bool CClassDialog::WantsConstructor() const { return m_pConstructor->isChecked(); }

std::vector<CVarInterface*> CClassDialog::GetInterfaces() const
{
    std::vector<CVarInterface*> checked;
    for (int i = 0; i < m_pInterfaces->count(); i++)
        if (m_pInterfaces->item(i)->checkState() == Qt::Checked)
            checked.push_back(static_cast<CVarInterface*>(m_pInterfaces->item(i)->data(Qt::UserRole).value<void*>()));
    return checked;
}

CInterfaceDialog::CInterfaceDialog(const QString& strParent, QWidget* pParent)
    : QDialog(pParent), m_pName(new QLineEdit), m_pParentName(new QLineEdit(strParent))
{
    setWindowTitle(tr("New Interface"));
    auto* pLayout = new QVBoxLayout(this);
    auto* pForm = new QFormLayout;
    pForm->addRow(tr("Interface name:"), m_pName);
    pForm->addRow(tr("Parent interface:"), m_pParentName);
    pLayout->addLayout(pForm);
    pLayout->addWidget(Buttons(this, m_pOk));
    auto update = [this] { m_pOk->setEnabled(!m_pName->text().trimmed().isEmpty()); };
    connect(m_pName, &QLineEdit::textChanged, this, update);
    update();
}

QString CInterfaceDialog::GetName() const { return m_pName->text().trimmed(); }
