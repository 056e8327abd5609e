#include "typeddatetimeedit.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Text the user typed, as opposed to a shortcut or a key without text.
bool isTypedText(const QKeyEvent *event)
{
    return !event->text().isEmpty() && !(event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier));
}

// Shift, AltGr and the like, pressed on their own on the way to a mark.
bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Mode_switch:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

// The marks (no letter, no digit) that end right before position in text.
QString marksBefore(const QString &text, int position)
{
    int start = position;
    while (start > 0 && !text.at(start - 1).isLetterOrNumber())
        --start;
    return text.mid(start, position - start);
}

} // namespace

template <class Field> TypedDateTimeEdit<Field>::TypedDateTimeEdit(QWidget *parent) : Field(parent)
{
    // A click or any other move of the cursor means the user chose the
    // place; the next separator then does what it always does.
    QObject::connect(this->lineEdit(), &QLineEdit::cursorPositionChanged, this, [this] { m_steppedOver.clear(); });
}

template <class Field> void TypedDateTimeEdit<Field>::keyPressEvent(QKeyEvent *event)
{
    if (isModifierKey(event->key())) {
        Field::keyPressEvent(event);
        return;
    }
    const bool typed = isTypedText(event);
    const QString text = event->text();
    if (typed && !text.front().isLetterOrNumber() && !m_steppedOver.isEmpty() && m_steppedOver.contains(text)) {
        m_steppedOver.clear();
        event->accept();
        return;
    }
    const int sectionBefore = this->currentSectionIndex();
    QLineEdit *edit = this->lineEdit();
    const int typedAt = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const QString textBefore = edit->text();
    Field::keyPressEvent(event);
    // A click leaves a bare cursor in a part, and Qt refuses a digit that
    // would overfill that part, or one typed over the whole text: the user
    // means to type the part where the cursor stood anew, as when that part
    // is selected.
    if (typed && text.front().isDigit() && edit->text() == textBefore) {
        edit->setCursorPosition(typedAt);
        this->setSelectedSection(this->currentSection());
        Field::keyPressEvent(event);
    }
    m_steppedOver.clear();
    if (typed && text.front().isLetterOrNumber() && this->currentSectionIndex() > sectionBefore) {
        const int sectionStart = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        m_steppedOver = marksBefore(edit->text(), sectionStart);
    }
}

template class TypedDateTimeEdit<QTimeEdit>;
template class TypedDateTimeEdit<QDateEdit>;
