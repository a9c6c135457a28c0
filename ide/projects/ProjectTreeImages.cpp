#include "ProjectTreeImages.h"

#include "ProjectImage.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>
#include <cmath>

namespace {

constexpr int SIZE = 16;

void DrawPage(QPainter& p, QColor fill)
{
    QPainterPath path;
    path.moveTo(3.5, 1.5);
    path.lineTo(10.5, 1.5);
    path.lineTo(13.5, 4.5);
    path.lineTo(13.5, 14.5);
    path.lineTo(3.5, 14.5);
    path.closeSubpath();
    p.setPen(QColor(90, 90, 90));
    p.setBrush(fill);
    p.drawPath(path);
    p.drawLine(QPointF(10.5, 1.5), QPointF(10.5, 4.5));
    p.drawLine(QPointF(10.5, 4.5), QPointF(13.5, 4.5));
}

void DrawLetters(QPainter& p, const QString& strText, QColor color, QRect rect = QRect(3, 4, 11, 11))
{
    QFont font = p.font();
    font.setPixelSize(strText.size() > 1 ? 6 : 9);
    font.setBold(true);
    p.setFont(font);
    p.setPen(color);
    p.drawText(rect, Qt::AlignCenter, strText);
}

void DrawFolder(QPainter& p, QColor fill, bool bOpen)
{
    p.setPen(fill.darker(170));
    p.setBrush(fill.darker(115));
    p.drawRect(QRectF(1.5, 3.5, 5, 2));
    p.setBrush(fill);
    if (bOpen) {
        p.drawRect(QRectF(1.5, 5.5, 12, 8));
        QPolygonF front({QPointF(3.5, 8.5), QPointF(15.5, 8.5), QPointF(13.5, 13.5), QPointF(1.5, 13.5)});
        p.setBrush(fill.lighter(120));
        p.drawPolygon(front);
    } else {
        p.drawRect(QRectF(1.5, 5.5, 13, 8));
    }
}

// A small mark in the lower right corner: the main file's star, the compile dot.
void DrawStar(QPainter& p)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        double r = (i % 2) ? 1.8 : 4.2;
        double a = -M_PI / 2 + i * M_PI / 5;
        star << QPointF(11.5 + r * std::cos(a), 11.5 + r * std::sin(a));
    }
    p.setPen(QColor(150, 90, 0));
    p.setBrush(QColor(255, 200, 40));
    p.drawPolygon(star);
}

void DrawDot(QPainter& p)
{
    p.setPen(QColor(140, 0, 0));
    p.setBrush(QColor(230, 40, 30));
    p.drawEllipse(QRectF(9.5, 9.5, 5.5, 5.5));
}

void DrawWindow(QPainter& p, bool bFrame)
{
    p.setPen(QColor(60, 60, 110));
    p.setBrush(QColor(235, 235, 245));
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
    p.setBrush(QColor(60, 90, 180));
    p.drawRect(QRectF(1.5, 2.5, 13, 3));
    if (bFrame) {
        // A menu bar below the caption.
        p.setPen(QColor(120, 120, 120));
        for (double x = 3; x < 13; x += 3.5)
            p.drawLine(QPointF(x, 7.5), QPointF(x + 2, 7.5));
    } else {
        // An OK button.
        p.setPen(QColor(90, 90, 90));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(8.5, 10, 4.5, 2.5));
    }
}

void DrawBadge(QPainter& p, const QString& strLetter, QColor fill, bool bRound)
{
    p.setPen(fill.darker(160));
    p.setBrush(fill);
    if (bRound)
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    else
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
    DrawLetters(p, strLetter, Qt::white, QRect(1, 1, 14, 14));
}

QImage Draw(int nImage)
{
    QImage image(SIZE, SIZE, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor java(200, 90, 20), html(30, 110, 190);
    switch (nImage) {
    case PROJIMG_ROOT:
        p.setPen(QColor(70, 70, 70));
        for (int i = 0; i < 3; ++i) {
            p.setBrush(QColor(120 + 40 * i, 150 + 30 * i, 210));
            p.drawRect(QRectF(1.5 + 2 * i, 1.5 + 4 * i, 10, 5));
        }
        break;
    case PROJIMG_PROJECT: DrawFolder(p, QColor(160, 120, 200), false); break;
    case PROJIMG_OPEN_PROJECT: DrawFolder(p, QColor(160, 120, 200), true); break;
    case PROJIMG_FOLDER: DrawFolder(p, QColor(240, 200, 80), false); break;
    case PROJIMG_GROUP: DrawFolder(p, QColor(180, 190, 200), false); break;
    case PROJIMG_FILE: DrawPage(p, Qt::white); break;
    case PROJIMG_JAVA:
    case PROJIMG_JAVA_MAIN:
    case PROJIMG_JAVA_COMPILE:
        DrawPage(p, QColor(255, 245, 230));
        DrawLetters(p, QStringLiteral("J"), java);
        if (nImage == PROJIMG_JAVA_MAIN)
            DrawStar(p);
        else if (nImage == PROJIMG_JAVA_COMPILE)
            DrawDot(p);
        break;
    case PROJIMG_HTML:
    case PROJIMG_HTML_MAIN:
        DrawPage(p, QColor(235, 245, 255));
        DrawLetters(p, QStringLiteral("<>"), html);
        if (nImage == PROJIMG_HTML_MAIN)
            DrawStar(p);
        break;
    case PROJIMG_RES_DIALOG: DrawWindow(p, false); break;
    case PROJIMG_RES_FRAME: DrawWindow(p, true); break;
    case PROJIMG_CLASS: DrawBadge(p, QStringLiteral("C"), QColor(40, 150, 70), true); break;
    case PROJIMG_INTERFACE: DrawBadge(p, QStringLiteral("I"), QColor(130, 70, 170), true); break;
    case PROJIMG_IMPORT: DrawBadge(p, QStringLiteral("i"), QColor(120, 120, 120), false); break;
    default: break;
    }
    return image;
}

} // namespace

QImage CProjectTreeImages::GetImage(int nImage)
{
    if (nImage < 0 || nImage >= PROJIMG_COUNT)
        return QImage();
    static std::array<QImage, PROJIMG_COUNT> s_images;
    if (s_images[nImage].isNull())
        s_images[nImage] = Draw(nImage);
    return s_images[nImage];
}

QIcon CProjectTreeImages::GetIcon(int nImage)
{
    if (nImage < 0 || nImage >= PROJIMG_COUNT)
        return QIcon();
    static std::array<QIcon, PROJIMG_COUNT> s_icons;
    if (s_icons[nImage].isNull())
        s_icons[nImage] = QIcon(QPixmap::fromImage(GetImage(nImage)));
    return s_icons[nImage];
}
