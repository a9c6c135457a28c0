#include "FirstRunDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

CFirstRunDlg::CFirstRunDlg(QWidget* pParent)
    : QDialog(pParent)
    , m_pDontShowAgain(new QCheckBox(tr("&Do not show this message again"), this))
{
    setWindowTitle(tr("Welcome to Mosk"));
    auto* pText = new QLabel(
        tr("<p>The folder of the JDK documentation is not set.</p>"
           "<p>Mosk shows the API pages of the JDK in its help window, searches them and "
           "finds the classes of the packages through them. It also needs the folder of the "
           "JDK programs (javac, java, javadoc, jdb) and, to step into the library, the JDK sources.</p>"
           "<p>The Directories dialog follows: choose the folders there. You can open it again "
           "at any time with Customize, Directories...</p>"),
        this);
    pText->setWordWrap(true);
    pText->setMinimumWidth(420);
    auto* pBox = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(pBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pText);
    pLayout->addWidget(m_pDontShowAgain);
    pLayout->addWidget(pBox);
}

void CFirstRunDlg::Run(QWidget* pParent, bool& bDontShowAgain)
{
    CFirstRunDlg dlg(pParent);
    dlg.exec();
    bDontShowAgain = dlg.m_pDontShowAgain->isChecked();
}
