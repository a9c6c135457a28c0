#include "QtHTMLClient.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>

namespace {

QString ColorName(COLORREF clr)
{
    return QStringLiteral("#%1%2%3")
        .arg(GetRValue(clr), 2, 16, QLatin1Char('0'))
        .arg(GetGValue(clr), 2, 16, QLatin1Char('0'))
        .arg(GetBValue(clr), 2, 16, QLatin1Char('0'));
}

CString ToCString(const QString& str)
{
    QByteArray bytes = str.toUtf8();
    return CString(bytes.constData(), static_cast<int>(bytes.size()));
}

} // namespace

CQtHTMLClient::CQtHTMLClient(QWidget* pParent) : QTextBrowser(pParent)
{
    setOpenLinks(false);
    setOpenExternalLinks(false);
    m_strFaces[FONT_HEADING] = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    m_strFaces[FONT_NORMAL] = m_strFaces[FONT_HEADING];
    m_strFaces[FONT_FIXED] = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        QUrl resolved = source().resolved(url);
        QString strAddress = resolved.isLocalFile() ? resolved.toLocalFile() : resolved.toString();
        if (resolved.isLocalFile() && resolved.hasFragment())
            strAddress += QLatin1Char('#') + resolved.fragment(QUrl::FullyDecoded);
        if (m_fnLink)
            m_fnLink(ToCString(strAddress));
    });
    connect(this, &QTextBrowser::sourceChanged, this, [this] { CollectLinks(); });
    UpdateStyle();
}

int CQtHTMLClient::Load(const char* pszAddress)
{
    QString strAddress = QString::fromUtf8(pszAddress);
    int nHash = strAddress.indexOf(QLatin1Char('#'));
    QString strPath = nHash >= 0 ? strAddress.left(nHash) : strAddress;
    QFileInfo info(strPath);
    if (!info.isFile() || !info.isReadable())
        return 1;
    QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
    if (nHash >= 0)
        url.setFragment(strAddress.mid(nHash + 1));
    setSource(url);
    CollectLinks();
    return 0;
}

void CQtHTMLClient::Forward() { forward(); }

void CQtHTMLClient::Back() { backward(); }

CString CQtHTMLClient::GetLocation() const
{
    QUrl url = source();
    if (url.isEmpty())
        return CString();
    QString strAddress = url.isLocalFile() ? url.toLocalFile() : url.toString();
    if (url.hasFragment())
        strAddress += QLatin1Char('#') + url.fragment(QUrl::FullyDecoded);
    return ToCString(strAddress);
}

void CQtHTMLClient::CollectLinks()
{
    m_links.clear();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        QString strLast;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            QTextCharFormat format = it.fragment().charFormat();
            if (!format.isAnchor() || format.anchorHref().isEmpty())
                continue;
            // One link may be cut into several fragments by its formatting.
            QString strHref = format.anchorHref();
            if (strHref == strLast)
                continue;
            m_links << strHref;
            strLast = strHref;
        }
    }
}

int CQtHTMLClient::GetLinkCount() const { return static_cast<int>(m_links.size()); }

CString CQtHTMLClient::GetLink(int nIndex) const
{
    return nIndex >= 0 && nIndex < m_links.size() ? ToCString(m_links[nIndex]) : CString();
}

QVariant CQtHTMLClient::loadResource(int nType, const QUrl& url)
{
    // A null answer would let the document read the file itself: an empty
    // picture stands in (the document draws its placeholder for it).
    if (nType == QTextDocument::ImageResource && !m_bAutoload)
        return QImage();
    return QTextBrowser::loadResource(nType, url);
}

void CQtHTMLClient::SetAutoload(BOOL bAutoload) { m_bAutoload = bAutoload; }

void CQtHTMLClient::SetColors(COLORREF clrBack, COLORREF clrText, COLORREF clrLink)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, QColor(ColorName(clrBack)));
    palette.setColor(QPalette::Text, QColor(ColorName(clrText)));
    palette.setColor(QPalette::Link, QColor(ColorName(clrLink)));
    setPalette(palette);
    m_strLinkColor = ColorName(clrLink);
    UpdateStyle();
}

CString CQtHTMLClient::GetFontFace(int nFont) const
{
    return nFont >= 0 && nFont < 3 ? ToCString(m_strFaces[nFont]) : CString();
}

void CQtHTMLClient::SetFontFace(int nFont, const char* pszFace)
{
    if (nFont < 0 || nFont >= 3)
        return;
    m_strFaces[nFont] = QString::fromUtf8(pszFace);
    UpdateStyle();
}

void CQtHTMLClient::SetElementSize(int nElement, int nPoints)
{
    if (nElement < ELEMENT_NORMAL || nElement > ELEMENT_HEADING1)
        return;
    m_nSizes[nElement] = nPoints;
    UpdateStyle();
}

void CQtHTMLClient::UpdateStyle()
{
    QString strStyle = QStringLiteral("body { font-family: '%1'; font-size: %2pt; }\n"
                                      "pre, code, tt, kbd { font-family: '%3'; }\n"
                                      "a { color: %4; }\n")
                           .arg(m_strFaces[FONT_NORMAL])
                           .arg(m_nSizes[ELEMENT_NORMAL])
                           .arg(m_strFaces[FONT_FIXED])
                           .arg(m_strLinkColor);
    for (int nLevel = 1; nLevel <= 6; ++nLevel)
        strStyle += QStringLiteral("h%1 { font-family: '%2'; font-size: %3pt; }\n")
                        .arg(nLevel)
                        .arg(m_strFaces[FONT_HEADING])
                        .arg(m_nSizes[ELEMENT_HEADING1 + 1 - nLevel]);
    document()->setDefaultStyleSheet(strStyle);
    QFont font = this->font();
    font.setFamily(m_strFaces[FONT_NORMAL]);
    font.setPointSize(m_nSizes[ELEMENT_NORMAL] > 0 ? m_nSizes[ELEMENT_NORMAL] : 12);
    document()->setDefaultFont(font);
}
