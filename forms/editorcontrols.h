#pragma once

#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimeEdit;
class QWidget;

// The kinds of control the editor's pages are built of, each made the one
// way the pages need it: named for findChild, at its designed place, grown
// only where the user's font needs more room than the design allowed.
namespace EditorControls {

// Gives a control the design's name, so tests and tools find it.
template <class W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// Puts a text-carrying control at its designed place, wider if its text needs it.
void place(QWidget *widget, int x, int y, int width, int height);

// A label at a designed spot, sized to its text; read without the spaces
// that pad some of the design's captions.
QLabel *label(QWidget *parent, const QString &text, int x, int y);

// A push button wide enough for its text (an "&" marks its access key).
// Return presses it while it has the focus, and the dialog's default
// button otherwise.
QPushButton *button(QWidget *parent, const char *name, const QString &text, int x, int y, int width, int height);

// A field that shows and changes only the two-digit minutes of a time of
// day; the record keeps those minutes.
QTimeEdit *minuteField(QWidget *parent, const char *name, int minutes, int x, int y, int width);

// A sunken horizontal separator.
QFrame *sunkenLine(QWidget *parent, const char *name, int x, int y, int width);

// Switches a radio button on, which clears the others of its group, or off
// alone, so a file with every switch of a group off reads back that way.
void setRadio(QRadioButton *radio, bool on);

} // namespace EditorControls
