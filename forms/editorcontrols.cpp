#include "editorcontrols.h"

#include "typeddatetimeedit.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
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
    // Spaces that pad the design's captions are read without them.
    if (text.simplified() != text)
        l->setAccessibleName(text.simplified());
    return l;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text, int x, int y, int width, int height)
{
    auto *b = named(new QPushButton(text, parent), name);
    // A push button's own size hint has a generous minimum; only the text
    // counts here, without the "&" that marks its access key.
    const QString shown = QString(text).remove(QRegularExpression(QStringLiteral("&(?!&)")));
    b->setGeometry(x, y, qMax(width, b->fontMetrics().horizontalAdvance(shown) + 12), height);
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
