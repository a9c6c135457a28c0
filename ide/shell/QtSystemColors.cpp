#include "QtSystemColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

COLORREF FromPalette(QPalette::ColorRole nRole)
{
    QColor color = QGuiApplication::palette().color(QPalette::Active, nRole);
    return RGB(static_cast<BYTE>(color.red()), static_cast<BYTE>(color.green()), static_cast<BYTE>(color.blue()));
}

} // namespace

COLORREF CQtSystemColors::GetWindowColor() const
{
    return FromPalette(QPalette::Base);
}

COLORREF CQtSystemColors::GetWindowTextColor() const
{
    return FromPalette(QPalette::Text);
}

COLORREF CQtSystemColors::GetHighlightColor() const
{
    return FromPalette(QPalette::Highlight);
}
