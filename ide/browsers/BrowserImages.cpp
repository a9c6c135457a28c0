#include "BrowserImages.h"

#include "VarObject.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <vector>

namespace {

// A letter on a tinted shape; the access of members shows as a corner mark
// (none public, a half-filled mark protected, a filled mark private).
QIcon Drawn(QChar chLetter, QColor tint, int nAccess, bool bRound)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(tint.darker(160));
    painter.setBrush(tint);
    if (bRound)
        painter.drawEllipse(1, 1, 13, 13);
    else
        painter.drawRoundedRect(1, 1, 13, 13, 3, 3);
    QFont font = painter.font();
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(1, 1, 13, 13), Qt::AlignCenter, QString(chLetter));
    if (nAccess > 0) {
        painter.setPen(Qt::darkRed);
        painter.setBrush(nAccess == 2 ? QColor(Qt::red) : QColor(Qt::yellow));
        painter.drawRect(10, 10, 5, 5);
    }
    return QIcon(pixmap);
}

std::vector<QIcon> MakeImages()
{
    std::vector<QIcon> images(IMG_COUNT);
    for (int nAccess = 0; nAccess < 3; nAccess++) {
        images[IMG_FIELD_PUBLIC + nAccess] = Drawn('f', QColor(120, 200, 230), nAccess, true);
        images[IMG_METHOD_PUBLIC + nAccess] = Drawn('m', QColor(220, 140, 220), nAccess, true);
        images[IMG_CLASS_PUBLIC + nAccess] = Drawn('C', QColor(240, 200, 90), nAccess, false);
        images[IMG_INTERFACE_PUBLIC + nAccess] = Drawn('I', QColor(150, 220, 130), nAccess, false);
    }
    images[IMG_PACKAGE] = Drawn('P', QColor(200, 170, 120), 0, false);
    images[IMG_IMPORT] = Drawn('i', QColor(200, 200, 200), 0, false);
    images[IMG_COMMENT] = Drawn('/', QColor(220, 220, 220), 0, false);
    images[IMG_BEAN] = Drawn('B', QColor(180, 120, 60), 0, true);
    images[IMG_BEAN_EVENT] = Drawn('e', QColor(250, 160, 80), 0, true);
    images[IMG_BEAN_LISTENER] = Drawn('L', QColor(250, 200, 150), 0, false);
    images[IMG_PROP] = Drawn('p', QColor(200, 200, 200), 0, true);
    images[IMG_PROP_READ] = Drawn('r', QColor(150, 200, 250), 0, true);
    images[IMG_PROP_WRITE] = Drawn('w', QColor(250, 150, 150), 0, true);
    images[IMG_PROP_READWRITE] = Drawn(QChar(0x2195), QColor(180, 230, 160), 0, true);
    return images;
}

} // namespace

QIcon CBrowserImages::Image(int nImage)
{
    static const std::vector<QIcon> s_images = MakeImages();
    return nImage >= 0 && nImage < IMG_COUNT ? s_images[nImage] : QIcon();
}

QIcon CBrowserImages::Folder(bool bOpen)
{
    static const QIcon s_open = QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon);
    static const QIcon s_closed = QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon);
    return bOpen ? s_open : s_closed;
}
