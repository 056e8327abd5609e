#include "lcdtypes.h"

#include <QGuiApplication>
#include <QPalette>

namespace Lcd {

namespace {

// The desktop colour that plays the part of a system colour index.
QColor systemColor(quint32 index)
{
    const QPalette palette = QGuiApplication::palette();
    switch (index) {
    case 5: // window background
        return palette.color(QPalette::Base);
    case 8: // window text
        return palette.color(QPalette::Text);
    case 7: // menu text
    case 9: // caption text
        return palette.color(QPalette::WindowText);
    case 13:
        return palette.color(QPalette::Highlight);
    case 14:
        return palette.color(QPalette::HighlightedText);
    case 15: // button face
        return palette.color(QPalette::Button);
    case 16: // button shadow
        return palette.color(QPalette::Dark);
    case 17: // grey text
        return palette.color(QPalette::Disabled, QPalette::Text);
    case 18:
        return palette.color(QPalette::ButtonText);
    case 20: // button highlight
        return palette.color(QPalette::Light);
    case 21: // dark 3-D shadow
        return palette.color(QPalette::Shadow);
    case 22: // 3-D light
        return palette.color(QPalette::Midlight);
    case 23:
        return palette.color(QPalette::ToolTipText);
    case 24:
        return palette.color(QPalette::ToolTipBase);
    default:
        return palette.color(QPalette::Window);
    }
}

} // namespace

QRgb toRgb(TColor color)
{
    if (color & clSystemColor)
        return systemColor(color & 0xFF).rgb() | 0xFF000000u;
    return qRgb(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

QColor toQColor(TColor color)
{
    return QColor::fromRgb(toRgb(color));
}

TColor fromQColor(const QColor &color)
{
    const QRgb rgb = color.rgb();
    return TColor(qRed(rgb)) | (TColor(qGreen(rgb)) << 8) | (TColor(qBlue(rgb)) << 16);
}

} // namespace Lcd
