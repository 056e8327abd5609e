#pragma once

#include <QColor>
#include <QFlags>
#include <QObject>

// The vocabulary of the dot-matrix LCD: its enumerations and its colour values.
// Colours are 32-bit values laid out as 0x00BBGGRR, or a reference to one of
// the desktop's system colours (high byte 0x80, low byte the colour's index);
// toRgb() turns either into a plain RGB value before any arithmetic.
namespace Lcd {
Q_NAMESPACE

enum TDotMatrix
{
    mat5x7,
    mat7x9,
    mat9x12
};
Q_ENUM_NS(TDotMatrix)

// A set: each enumerator is its bit in the set.
enum TDotMatrixBorder
{
    mbBottom = 0x1,
    mbLeft123 = 0x2,
    mbRight = 0x4,
    mbTop = 0x8
};
Q_DECLARE_FLAGS(TDotMatrixBorders, TDotMatrixBorder)
Q_FLAG_NS(TDotMatrixBorders)

// pixNxN means dots of N x N pixels; pixCustom takes PixelWidth x PixelHeight.
enum TPixelSize
{
    pixCustom,
    pix1x1,
    pix2x2,
    pix3x3,
    pix4x4,
    pix5x5,
    pix6x6,
    pix7x7,
    pix8x8,
    pix9x9,
    pix10x10,
    pix11x11,
    pix12x12,
    pix13x13,
    pix14x14,
    pix15x15,
    pix16x16
};
Q_ENUM_NS(TPixelSize)

enum TPixelShape
{
    psSquare,
    psShaped,
    psRound
};
Q_ENUM_NS(TPixelShape)

enum TLCDBorder
{
    bsRaised,
    bsLowered,
    bsSingle,
    bsNone
};
Q_ENUM_NS(TLCDBorder)

enum THorzScrollMode
{
    smIndependant,
    smDependant
};
Q_ENUM_NS(THorzScrollMode)

// A set: each enumerator is its bit in the set.
enum TSpecialEffect
{
    spBlinking = 0x1,
    spInverse = 0x2
};
Q_DECLARE_FLAGS(TSpecialEffects, TSpecialEffect)
Q_FLAG_NS(TSpecialEffects)

using TColor = quint32;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;

// System colours, resolved through the application's palette when used.
inline constexpr TColor clSystemColor = 0x80000000;
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clHighlight = clSystemColor | 13;
inline constexpr TColor clHighlightText = clSystemColor | 14;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clBtnShadow = clSystemColor | 16;
inline constexpr TColor clGrayText = clSystemColor | 17;
inline constexpr TColor clBtnText = clSystemColor | 18;
inline constexpr TColor clBtnHighlight = clSystemColor | 20;

// The colour as an opaque RGB value (0xFFRRGGBB).
QRgb toRgb(TColor color);
QColor toQColor(TColor color);
// The plain colour value (0x00BBGGRR) of an RGB colour; alpha is dropped.
TColor fromQColor(const QColor &color);

} // namespace Lcd

Q_DECLARE_OPERATORS_FOR_FLAGS(Lcd::TDotMatrixBorders)
Q_DECLARE_OPERATORS_FOR_FLAGS(Lcd::TSpecialEffects)
