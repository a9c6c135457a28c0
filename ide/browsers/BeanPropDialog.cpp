#include "BeanPropDialog.h"

#include "BeanProp.h"
#include "VarMethodDecl.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CBeanPropDialog::CBeanPropDialog(const CBeanProp& prop, QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(QString::fromUtf8(prop.m_strName.c_str()));
    auto* pLayout = new QVBoxLayout(this);
    for (const QString& strLine : Lines(prop))
        pLayout->addWidget(new QLabel(strLine));
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    pLayout->addWidget(pButtons);
}

QStringList CBeanPropDialog::Lines(const CBeanProp& prop)
{
    auto name = [](const CVarMethodDecl* pMethod) {
        return pMethod ? QString::fromUtf8(pMethod->m_strName.c_str()) : QStringLiteral("None");
    };
    return {QStringLiteral("GetMethod  -  ") + name(prop.m_pGetter), QStringLiteral("SetMethod  -  ") + name(prop.m_pSetter)};
}
