#include "editorcontrols.h"

#include "typeddatetimeedit.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTime>

namespace EditorControls {

void place(QWidget *widget, int x, int y, int width, int height)
{
    widget->setGeometry(x, y, qMax(width, widget->sizeHint().width()), height);
}

QLabel *label(QWidget *parent, const QString &text, int x, int y)
{
    auto *l = new QLabel(text, parent);
    l->move(x, y);
    l->adjustSize();
    return l;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, int x, int y, int width, int height)
{
    auto *b = named(new QPushButton(text, parent), name);
    // Enter belongs to the field that has the focus, never to a button.
    b->setAutoDefault(false);
    b->setDefault(false);
    // A push button's own size hint has a generous minimum; only the text counts here.
    b->setGeometry(x, y, qMax(width, b->fontMetrics().horizontalAdvance(text) + 12), height);
    return b;
}

QTimeEdit *minuteField(QWidget *parent, const char *name, int minutes, int x, int y, int width)
{
    auto *field = named(new TypedTimeEdit(parent), name);
    field->setDisplayFormat(QStringLiteral("mm"));
    field->setTime(QTime(0, minutes));
    field->setGeometry(x, y, width, 21);
    return field;
}

QFrame *sunkenLine(QWidget *parent, const char *name, int x, int y, int width)
{
    auto *line = named(new QFrame(parent), name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(x, y, width, 2);
    return line;
}

void setRadio(QRadioButton *radio, bool on)
{
    if (on) {
        radio->setChecked(true);
        return;
    }
    radio->setAutoExclusive(false);
    radio->setChecked(false);
    radio->setAutoExclusive(true);
}

} // namespace EditorControls
