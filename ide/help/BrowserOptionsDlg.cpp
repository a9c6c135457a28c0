#include "BrowserOptionsDlg.h"

#include "HTMLClient.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QColor ToQColor(COLORREF clr) { return QColor(GetRValue(clr), GetGValue(clr), GetBValue(clr)); }

QString ToQString(const CString& str) { return QString::fromUtf8(str.c_str(), str.GetLength()); }

CString ToCString(const QString& str)
{
    QByteArray bytes = str.trimmed().toUtf8();
    return CString(bytes.constData(), static_cast<int>(bytes.size()));
}

} // namespace

CBrowserOptionsDlg::CBrowserOptionsDlg(CBrowserOptions& options, QWidget* pParent)
    : QDialog(pParent), m_options(options)
{
    setWindowTitle(QStringLiteral("Browser Options"));
    m_fnChoose = [this](COLORREF clrStart, COLORREF& clrChosen) {
        QColor color = QColorDialog::getColor(ToQColor(clrStart), this);
        if (!color.isValid())
            return FALSE;
        clrChosen = RGB(color.red(), color.green(), color.blue());
        return TRUE;
    };
    auto* pLayout = new QVBoxLayout(this);
    m_pAutoload = new QCheckBox(QStringLiteral("&Autoload images"));
    m_pAutoload->setChecked(options.bAutoload);
    pLayout->addWidget(m_pAutoload);

    auto* pFontBox = new QGroupBox(QStringLiteral("Fonts"));
    auto* pFonts = new QFormLayout(pFontBox);
    const struct {
        int nFont;
        const char* pszLabel;
        const CString* pFace;
    } faces[] = {{CHTMLClient::FONT_HEADING, "&Heading font:", &options.strFontHeading},
                 {CHTMLClient::FONT_NORMAL, "&Normal font:", &options.strFontNormal},
                 {CHTMLClient::FONT_FIXED, "&Fixed font:", &options.strFontFixed}};
    for (const auto& face : faces) {
        m_pFaces[face.nFont] = new QLineEdit(ToQString(*face.pFace));
        pFonts->addRow(QString::fromUtf8(face.pszLabel), m_pFaces[face.nFont]);
    }
    pLayout->addWidget(pFontBox);

    auto* pSizeBox = new QGroupBox(QStringLiteral("Sizes (points)"));
    auto* pSizes = new QGridLayout(pSizeBox);
    for (int i = 0; i < SIZE_COUNT; ++i) {
        m_pSizes[i] = new QSpinBox;
        m_pSizes[i]->setRange(6, 72);
        m_pSizes[i]->setValue(i == SIZE_DEFAULT ? options.nDefaultSize : options.nHeader[i]);
        QString strLabel = i == SIZE_DEFAULT ? QStringLiteral("&Default size:") : QStringLiteral("Header &%1:").arg(i + 1);
        auto* pLabel = new QLabel(strLabel);
        pLabel->setBuddy(m_pSizes[i]);
        pSizes->addWidget(pLabel, i % 4, (i / 4) * 2);
        pSizes->addWidget(m_pSizes[i], i % 4, (i / 4) * 2 + 1);
    }
    pLayout->addWidget(pSizeBox);

    auto* pColorBox = new QGroupBox(QStringLiteral("Colors"));
    auto* pColors = new QHBoxLayout(pColorBox);
    m_clrColors[COLOR_TEXT] = options.clrText;
    m_clrColors[COLOR_BACK] = options.clrBack;
    m_clrColors[COLOR_LINK] = options.clrLink;
    const char* const pszColorLabels[COLOR_COUNT] = {"&Text...", "&Background...", "&Link..."};
    for (int i = 0; i < COLOR_COUNT; ++i) {
        m_pColors[i] = new QPushButton(QString::fromUtf8(pszColorLabels[i]));
        m_pColors[i]->setAutoDefault(false);
        connect(m_pColors[i], &QPushButton::clicked, this, [this, i] { OnColor(i); });
        pColors->addWidget(m_pColors[i]);
        ShowColor(i);
    }
    pLayout->addWidget(pColorBox);

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    pLayout->addWidget(pButtons);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CBrowserOptionsDlg::ShowColor(int nColor)
{
    QPixmap swatch(16, 16);
    swatch.fill(ToQColor(m_clrColors[nColor]));
    m_pColors[nColor]->setIcon(QIcon(swatch));
}

void CBrowserOptionsDlg::OnColor(int nColor)
{
    COLORREF clrChosen = m_clrColors[nColor];
    if (!m_fnChoose || !m_fnChoose(m_clrColors[nColor], clrChosen))
        return;
    m_clrColors[nColor] = clrChosen;
    ShowColor(nColor);
}

void CBrowserOptionsDlg::accept()
{
    m_options.bAutoload = m_pAutoload->isChecked();
    m_options.strFontHeading = ToCString(m_pFaces[CHTMLClient::FONT_HEADING]->text());
    m_options.strFontNormal = ToCString(m_pFaces[CHTMLClient::FONT_NORMAL]->text());
    m_options.strFontFixed = ToCString(m_pFaces[CHTMLClient::FONT_FIXED]->text());
    for (int i = 0; i < SIZE_DEFAULT; ++i)
        m_options.nHeader[i] = m_pSizes[i]->value();
    m_options.nDefaultSize = m_pSizes[SIZE_DEFAULT]->value();
    m_options.clrText = m_clrColors[COLOR_TEXT];
    m_options.clrBack = m_clrColors[COLOR_BACK];
    m_options.clrLink = m_clrColors[COLOR_LINK];
    QDialog::accept();
}
