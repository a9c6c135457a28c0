#include "TipDlg.h"

#include "JavaIDEApp.h"
#include "Profile.h"
#include "SettingsFile.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CTipDlg::CTipDlg(CJavaIDEApp& app, QWidget* pParent)
    : QDialog(pParent)
    , m_app(app)
    , m_tipFile(app.m_DirSettings.m_strTipsFile)
{
    setWindowTitle(tr("Tip of the Day"));
    m_tipFile.Open(app.GetProfile());

    auto* pPanel = new QFrame(this);
    pPanel->setFrameShape(QFrame::StyledPanel);
    pPanel->setAutoFillBackground(true);
    pPanel->setBackgroundRole(QPalette::Base);
    auto* pHeading = new QLabel(tr("Did you know..."), pPanel);
    QFont heading = pHeading->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.4);
    pHeading->setFont(heading);
    m_pTip = new QLabel(pPanel);
    m_pTip->setWordWrap(true);
    m_pTip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pTip->setTextFormat(Qt::PlainText);
    m_pTip->setMinimumSize(380, 90);
    auto* pPanelLayout = new QVBoxLayout(pPanel);
    pPanelLayout->addWidget(pHeading);
    pPanelLayout->addWidget(m_pTip, 1);

    m_pShowAtStartup = new QCheckBox(tr("&Show tips at start-up"), this);
    m_pShowAtStartup->setChecked(app.m_EditorSettings.m_bTip);
    m_pNext = new QPushButton(tr("&Next Tip"), this);
    auto* pBox = new QDialogButtonBox(QDialogButtonBox::Close, this);
    pBox->addButton(m_pNext, QDialogButtonBox::ActionRole);
    connect(m_pNext, &QPushButton::clicked, this, &CTipDlg::OnNextTip);
    connect(pBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* pBottom = new QHBoxLayout;
    pBottom->addWidget(m_pShowAtStartup);
    pBottom->addStretch();
    pBottom->addWidget(pBox);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pPanel, 1);
    pLayout->addLayout(pBottom);

    m_pNext->setEnabled(m_tipFile.IsOpen());
    m_pNext->setDefault(true);
    OnNextTip();
}

CTipDlg* CTipDlg::Run(QWidget* pParent, CJavaIDEApp& app, BOOL bStartup)
{
    auto* pDlg = new CTipDlg(app, pParent);
    pDlg->setAttribute(Qt::WA_DeleteOnClose);
    // At start-up the main window paints first; the tip waits above it.
    pDlg->setWindowModality(pParent && !bStartup ? Qt::WindowModal : Qt::ApplicationModal);
    pDlg->show();
    return pDlg;
}

void CTipDlg::OnNextTip()
{
    m_pTip->setText(QString::fromUtf8(m_tipFile.NextTip().c_str()));
}

QString CTipDlg::GetTipText() const
{
    return m_pTip->text();
}

void CTipDlg::done(int nResult)
{
    CProfile& profile = m_app.GetProfile();
    m_tipFile.SavePosition(profile);
    m_app.m_EditorSettings.m_bTip = m_pShowAtStartup->isChecked() ? TRUE : FALSE;
    CSettingsFile::WriteInt(profile, "Editor", "Tip", m_app.m_EditorSettings.m_bTip);
    QDialog::done(nResult);
}
