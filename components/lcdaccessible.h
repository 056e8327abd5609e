#pragma once

#include <QAccessibleWidget>

class TLCDScreen;

// What assistive technology (a screen reader) learns of an LCD: a piece of
// static text whose name is the text the LCD shows, line by line. Nothing is
// kept or computed while no assistive technology asks.
class LcdAccessible final : public QAccessibleWidget
{
public:
    explicit LcdAccessible(TLCDScreen *screen);

    QString text(QAccessible::Text kind) const override;

    // Lets Qt make one of these for every LCD; the first LCD calls it.
    static void install();
    // Tells a listening assistive technology that the LCD's text changed.
    static void textChanged(TLCDScreen *screen);
    // The text of the lines the LCD shows: effect codes dropped, blank lines
    // left out, one line of the display a line of text.
    static QString shownText(const TLCDScreen &screen);
};
