#include "ProgramInputDlg.h"

#include "ProgramInputModel.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CProgramInputDlg::CProgramInputDlg(CProgramInputModel& model, QWidget* pParent)
    : QDialog(pParent), m_model(model)
{
    setWindowTitle(QStringLiteral("Program Input"));
    setModal(false);
    m_pField = new QComboBox;
    m_pField->setEditable(true);
    m_pField->setInsertPolicy(QComboBox::NoInsert);
    m_pField->setMinimumContentsLength(40);
    m_pField->setAccessibleName(QStringLiteral("Input line"));
    m_pSend = new QPushButton(QStringLiteral("&Send"));
    m_pSend->setDefault(true);
    connect(m_pSend, &QPushButton::clicked, this, [this] { Send(); });
    connect(m_pField->lineEdit(), &QLineEdit::returnPressed, this, [this] { Send(); });
    auto* pLayout = new QHBoxLayout(this);
    pLayout->addWidget(new QLabel(QStringLiteral("&Input:")));
    pLayout->addWidget(m_pField, 1);
    pLayout->addWidget(m_pSend);
    m_model.SetStateHandler([this](BOOL bOpen) {
        if (bOpen) {
            FillHistory();
            show();
            raise();
            activateWindow();
            m_pField->setFocus();
        } else {
            hide();
        }
    });
    FillHistory();
}

CProgramInputDlg::~CProgramInputDlg()
{
    m_model.SetStateHandler(nullptr);
}

BOOL CProgramInputDlg::Send()
{
    m_model.SetText(m_pField->currentText().toUtf8().constData());
    BOOL bSent = m_model.Send();
    FillHistory();
    m_pField->setEditText(QString::fromUtf8(m_model.GetText().c_str()));
    return bSent;
}

void CProgramInputDlg::FillHistory()
{
    QString strText = m_pField->currentText();
    m_pField->clear();
    const CStringArray& history = m_model.GetHistory();
    for (int i = 0; i < history.GetSize(); ++i)
        m_pField->addItem(QString::fromUtf8(history[i].c_str()));
    m_pField->setEditText(strText);
}

void CProgramInputDlg::closeEvent(QCloseEvent* pEvent)
{
    m_model.Close();
    pEvent->accept();
}
