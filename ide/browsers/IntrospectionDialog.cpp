#include "IntrospectionDialog.h"

#include "IntrospectionQueue.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CIntrospectionDialog::CIntrospectionDialog(CIntrospectionQueue& queue, QWidget* pParent)
    : QDialog(pParent), m_queue(queue), m_pLabel(new QLabel), m_pCancel(new QPushButton(tr("Cancel")))
{
    auto* pLayout = new QVBoxLayout(this);
    m_pLabel->setMinimumWidth(360);
    pLayout->addWidget(m_pLabel);
    pLayout->addWidget(m_pCancel, 0, Qt::AlignRight);
    connect(m_pCancel, &QPushButton::clicked, this, &CIntrospectionDialog::reject);
    connect(&m_timer, &QTimer::timeout, this, &CIntrospectionDialog::OnTimer);
}

int CIntrospectionDialog::exec()
{
    int nState = m_queue.Begin();
    if (nState != CIntrospectionQueue::STATE_RUNNING)
        return nState == CIntrospectionQueue::STATE_DONE ? Accepted : Rejected;
    Follow(nState);
    m_timer.start(50);
    int nResult = QDialog::exec();
    m_timer.stop();
    return nResult;
}

void CIntrospectionDialog::OnTimer()
{
    Follow(m_queue.Poll());
}

void CIntrospectionDialog::Follow(int nState)
{
    QString strCaption = QString::fromUtf8(m_queue.GetCaption().c_str());
    setWindowTitle(strCaption);
    m_pLabel->setText(strCaption);
    if (nState == CIntrospectionQueue::STATE_DONE)
        done(Accepted);
    else if (nState == CIntrospectionQueue::STATE_CANCELLED)
        done(Rejected);
}

void CIntrospectionDialog::reject()
{
    m_queue.Cancel();
    QDialog::reject();
}
