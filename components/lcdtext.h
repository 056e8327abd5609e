#pragma once

#include <QChar>
#include <QStringView>

// How the LCD reads text: one 8-bit code per character. Characters beyond the
// 8-bit range show as '?', as they would after conversion to an 8-bit code
// page. Codes 10..20 take no cell on the display.
namespace Lcd {

constexpr int codeOf(QChar c)
{
    return c.unicode() <= 0xFF ? int(c.unicode()) : int('?');
}

constexpr bool isZeroWidth(int code)
{
    return code >= 10 && code <= 20;
}

qsizetype zeroWidthCount(QStringView text);

} // namespace Lcd
