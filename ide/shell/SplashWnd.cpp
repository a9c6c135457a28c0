#include "SplashWnd.h"

#include "CommandLine.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int SPLASH_WIDTH = 420;
constexpr int SPLASH_HEIGHT = 240;

} // namespace

CSplashWnd::CSplashWnd(QWidget* pParent)
    : QWidget(pParent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(SPLASH_WIDTH, SPLASH_HEIGHT);
    QTimer::singleShot(CLOSE_AFTER_MS, this, &QWidget::close);
}

CSplashWnd* CSplashWnd::ShowSplash()
{
    auto* pSplash = new CSplashWnd;
    if (QScreen* pScreen = QGuiApplication::primaryScreen())
        pSplash->move(pScreen->availableGeometry().center() - pSplash->rect().center());
    pSplash->show();
    return pSplash;
}

void CSplashWnd::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, QColor(24, 52, 88));
    background.setColorAt(1, QColor(10, 22, 40));
    painter.fillRect(rect(), background);

    // A cup of coffee: the language the program is for.
    painter.setPen(QPen(QColor(230, 190, 120), 4));
    painter.setBrush(Qt::NoBrush);
    QRectF cup(34, 70, 70, 80);
    painter.drawRoundedRect(cup, 8, 8);
    painter.drawArc(QRectF(96, 88, 30, 36), -90 * 16, 180 * 16);
    for (int i = 0; i < 3; ++i)
        painter.drawArc(QRectF(44 + i * 18, 34, 14, 28), 90 * 16, 180 * 16);

    painter.setPen(Qt::white);
    QFont title = font();
    title.setPixelSize(54);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRect(150, 50, width() - 160, 70), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Mosk"));

    QFont text = font();
    text.setPixelSize(15);
    painter.setFont(text);
    painter.setPen(QColor(200, 215, 235));
    painter.drawText(QRect(152, 120, width() - 160, 24), Qt::AlignLeft | Qt::AlignVCenter,
                     tr("Java development environment"));
    painter.drawText(QRect(152, 146, width() - 160, 24), Qt::AlignLeft | Qt::AlignVCenter,
                     tr("Version %1").arg(QString::fromUtf8(CCommandLine::GetVersion())));
    text.setPixelSize(12);
    painter.setFont(text);
    painter.setPen(QColor(150, 170, 200));
    painter.drawText(QRect(0, height() - 34, width() - 16, 24), Qt::AlignRight | Qt::AlignVCenter,
                     tr("Starting..."));
    painter.setPen(QPen(QColor(230, 190, 120), 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

void CSplashWnd::mousePressEvent(QMouseEvent*)
{
    close();
}
