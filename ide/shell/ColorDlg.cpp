#include "ColorDlg.h"

#include "TextFormat.h"

#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

QColor ToQColor(COLORREF clr) { return QColor(GetRValue(clr), GetGValue(clr), GetBValue(clr)); }

} // namespace

void CColorWnd::SetText(const QString& strText, COLORREF clrText, const QFont& font)
{
    m_strText = strText;
    m_clrText = clrText;
    m_font = font;
    update();
}

void CColorWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(m_clrBack));
    if (!m_strText.isEmpty()) {
        painter.setFont(m_font);
        painter.setPen(ToQColor(m_clrText));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, m_strText);
    }
}

CColorDlg::CColorDlg(CColorOptions& options, const QFont& editorFont, COLORREF clrSystemWindow, QWidget* pParent)
    : QDialog(pParent), m_options(options), m_editorFont(editorFont), m_clrSystemWindow(clrSystemWindow)
{
    setWindowTitle(QStringLiteral("Color Options"));
    m_fnChoose = [this](COLORREF clrStart, COLORREF& clrChosen) {
        QColor color = QColorDialog::getColor(ToQColor(clrStart), this);
        if (!color.isValid())
            return FALSE;
        clrChosen = RGB(color.red(), color.green(), color.blue());
        return TRUE;
    };
    auto* pLayout = new QGridLayout(this);
    pLayout->addWidget(new QLabel(QStringLiteral("Background Color -")), 0, 0);
    m_pSwatch = new CColorWnd;
    m_pSwatch->setMinimumSize(60, 20);
    pLayout->addWidget(m_pSwatch, 0, 1);
    auto* pBackButton = new QPushButton(QStringLiteral("..."));
    pLayout->addWidget(pBackButton, 0, 2);

    auto* pGroup = new QGroupBox(QStringLiteral("Text "));
    auto* pText = new QGridLayout(pGroup);
    pText->addWidget(new QLabel(QStringLiteral("Type -")), 0, 0);
    m_pType = new QComboBox;
    pText->addWidget(m_pType, 0, 1);
    pText->addWidget(new QLabel(QStringLiteral("Font Style -")), 1, 0);
    m_pStyle = new QComboBox;
    m_pStyle->addItems({QStringLiteral("Regular"), QStringLiteral("Bold"), QStringLiteral("Italic"),
                        QStringLiteral("Underline")});
    pText->addWidget(m_pStyle, 1, 1);
    pText->addWidget(new QLabel(QStringLiteral("Font Color -")), 2, 0);
    auto* pColorButton = new QPushButton(QStringLiteral("Color..."));
    pText->addWidget(pColorButton, 2, 1);
    m_pSample = new CColorWnd;
    m_pSample->setMinimumSize(200, 50);
    pText->addWidget(m_pSample, 3, 0, 1, 2);
    pLayout->addWidget(pGroup, 1, 0, 1, 3);

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QPushButton* pDefault = pButtons->addButton(QStringLiteral("Default"), QDialogButtonBox::ResetRole);
    pLayout->addWidget(pButtons, 2, 0, 1, 3);

    // The Type list is sorted by name; each entry's data is its format.
    for (CTextFormat* pFormat : m_options.GetSortedFormats())
        m_pType->addItem(QString::fromUtf8(pFormat->GetFormatName()), QVariant::fromValue(static_cast<void*>(pFormat)));
    m_pType->setCurrentIndex(0);
    m_pSwatch->SetBackground(m_options.GetBackground());
    m_pStyle->setCurrentIndex(GetSelectedFormat() ? GetSelectedFormat()->GetFontStyle() : 0);
    RefreshSample();

    connect(m_pType, &QComboBox::currentIndexChanged, this, &CColorDlg::OnTypeChanged);
    connect(m_pStyle, &QComboBox::activated, this, &CColorDlg::OnStyleChanged);
    connect(pColorButton, &QPushButton::clicked, this, &CColorDlg::OnTextColor);
    connect(pBackButton, &QPushButton::clicked, this, &CColorDlg::OnBackgroundColor);
    connect(pDefault, &QPushButton::clicked, this, &CColorDlg::OnDefault);
    connect(pButtons, &QDialogButtonBox::accepted, this, &CColorDlg::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

CTextFormat* CColorDlg::GetSelectedFormat() const
{
    return static_cast<CTextFormat*>(m_pType->currentData().value<void*>());
}

void CColorDlg::RefreshSample()
{
    CTextFormat* pFormat = GetSelectedFormat();
    if (!pFormat)
        return;
    QFont font = m_editorFont;
    int nStyle = pFormat->GetFontStyle();
    font.setWeight(nStyle == 1 ? QFont::Bold : QFont::Normal);
    font.setItalic(nStyle == 2);
    font.setUnderline(nStyle == 3);
    m_pSample->SetBackground(m_options.GetBackground());
    m_pSample->SetText(QStringLiteral("S a m p l e"), pFormat->GetTextForeColor(), font);
    m_pSwatch->SetBackground(m_options.GetBackground());
}

void CColorDlg::OnTypeChanged()
{
    if (CTextFormat* pFormat = GetSelectedFormat())
        m_pStyle->setCurrentIndex(pFormat->GetFontStyle());
    RefreshSample();
}

void CColorDlg::OnStyleChanged(int nStyle)
{
    if (CTextFormat* pFormat = GetSelectedFormat())
        pFormat->SetFontStyle(nStyle);
    RefreshSample();
}

void CColorDlg::OnTextColor()
{
    CTextFormat* pFormat = GetSelectedFormat();
    COLORREF clrChosen = 0;
    if (pFormat && m_fnChoose(pFormat->GetTextForeColor(), clrChosen))
        pFormat->SetTextForeColor(clrChosen);
    RefreshSample();
}

void CColorDlg::OnBackgroundColor()
{
    COLORREF clrChosen = 0;
    if (m_fnChoose(m_options.GetBackground(), clrChosen))
        m_options.SetBackground(clrChosen);
    RefreshSample();
}

void CColorDlg::OnDefault()
{
    m_options.Default(m_clrSystemWindow);
    if (CTextFormat* pFormat = GetSelectedFormat())
        m_pStyle->setCurrentIndex(pFormat->GetFontStyle());
    RefreshSample();
}

void CColorDlg::accept()
{
    m_options.Apply();
    QDialog::accept();
}
