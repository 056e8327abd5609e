#pragma once

#include <QDateEdit>
#include <QString>
#include <QTimeEdit>

class QKeyEvent;

// A date or time field that takes a value typed with its separators as it
// was typed. Qt's field moves on to the next part by itself once a part can
// take no more digits ("07" fills the hour), and then moves on again at the
// separator typed next, so "07:15:00" would put the minutes into the
// seconds. Here a separator typed right after such a move is taken as the
// one the field has just stepped over, and swallowed. And where Qt refuses a
// digit (a click left a bare cursor in a full part), the digit starts that
// part anew, as it does when the part is selected. Everything else is the
// Qt field unchanged: the class adds no meta-object, so it still reads as
// the field it derives from (class name, accessibility, findChild).
template <class Field> class TypedDateTimeEdit final : public Field
{
public:
    explicit TypedDateTimeEdit(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The marks the field stepped over when it last moved on by itself;
    // empty once the user did anything else there.
    QString m_steppedOver;
};

using TypedTimeEdit = TypedDateTimeEdit<QTimeEdit>;
using TypedDateEdit = TypedDateTimeEdit<QDateEdit>;
extern template class TypedDateTimeEdit<QTimeEdit>;
extern template class TypedDateTimeEdit<QDateEdit>;
