#include "AboutDlg.h"

#include "CommandLine.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QTextDocument>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* pParent)
    : QDialog(pParent)
{
    setWindowTitle(tr("About Mosk"));
    QString strVersion = QString::fromUtf8(CCommandLine::GetVersion());
    m_pText = new QLabel(
        tr("<h2>Mosk %1</h2>"
           "<p>A fast, native development environment for Java: a colouring editor, "
           "projects, compiling with the JDK's tools and going to each error, running, "
           "debugging with jdb, and the package, bean and help browsers.</p>"
           "<p>Built with Qt %2, running on Qt %3.</p>")
            .arg(strVersion, QStringLiteral(QT_VERSION_STR), QString::fromLatin1(qVersion())),
        this);
    m_pText->setWordWrap(true);
    m_pText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pText->setMinimumWidth(380);
    auto* pBox = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(pBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pText);
    pLayout->addWidget(pBox);
}

void CAboutDlg::Run(QWidget* pParent)
{
    CAboutDlg dlg(pParent);
    dlg.exec();
}

QString CAboutDlg::GetText() const
{
    QTextDocument doc;
    doc.setHtml(m_pText->text());
    return doc.toPlainText();
}
