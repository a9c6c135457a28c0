#include "FontCommand.h"

#include "EditorSettings.h"
#include "JavaIDEApp.h"

#include <QFont>
#include <QFontDialog>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {

constexpr int DEFAULT_POINTS = 10;

} // namespace

int CFontCommand::ScreenLogPixelsY()
{
    QScreen* pScreen = QGuiApplication::primaryScreen();
    return pScreen ? static_cast<int>(pScreen->logicalDotsPerInchY() + 0.5) : 96;
}

QFont CFontCommand::ToQFont(const LOGFONT& lf, int nLogPixelsY)
{
    QFont font(QString::fromUtf8(lf.lfFaceName));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    int nHeight = lf.lfHeight != 0 ? lf.lfHeight : CEditorSettings::PointsToHeight(DEFAULT_POINTS, nLogPixelsY);
    // A cell height holds the leading too; the character height is taken for both.
    font.setPixelSize(std::abs(static_cast<int>(nHeight)));
    font.setWeight(QFont::Normal);
    return font;
}

void CFontCommand::FromQFont(const QFont& font, int nLogPixelsY, CString& strFace, int& nHeight)
{
    strFace = CString(font.family().toUtf8().constData());
    if (font.pixelSize() > 0) {
        nHeight = -font.pixelSize();
        return;
    }
    double dPoints = font.pointSizeF() > 0 ? font.pointSizeF() : DEFAULT_POINTS;
    nHeight = -static_cast<int>(std::lround(dPoints * nLogPixelsY / 72.0));
    if (nHeight == 0)
        nHeight = -1;
}

BOOL CFontCommand::Run(QWidget* pParent, CJavaIDEApp& app)
{
    const int nLogPixelsY = ScreenLogPixelsY();
    QFont initial = ToQFont(app.m_lfEditor, nLogPixelsY);
    // The dialog lists real families: start from the one the face resolves to.
    initial.setFamily(QFontInfo(initial).family());
    bool bOk = false;
    QFont chosen = QFontDialog::getFont(&bOk, initial, pParent, QObject::tr("Font"), QFontDialog::MonospacedFonts);
    if (!bOk)
        return FALSE;
    CString strFace;
    int nHeight = 0;
    FromQFont(chosen, nLogPixelsY, strFace, nHeight);
    app.ApplyEditorFont(strFace, nHeight);
    return TRUE;
}
