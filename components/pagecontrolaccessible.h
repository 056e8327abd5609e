#pragma once

#include <QAccessibleWidget>

class QTabWidget;

// What a screen reader learns of a page control: a named group around its
// tab row and its pages. Qt reports a page control as focused whenever its
// tab row is (the row is its focus proxy), so a screen reader met two focused
// objects, the first one unnamed; here only the tab row is.
class PageControlAccessible final : public QAccessibleWidget
{
public:
    explicit PageControlAccessible(QTabWidget *pageControl);

    QAccessible::State state() const override;

    // Lets Qt make one of these for every page control made after it.
    static void install();
};
