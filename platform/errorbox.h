#pragma once

#include <QString>
#include <functional>

class QWidget;

// The standard error box. Every handler that can fail reports through it, once.
// Tests install a recorder so that no modal box ever blocks them.
namespace ErrorBox {

void show(QWidget *parent, const QString &message);

// The same message in a box that doesn't wait for an answer, for reports
// that must not hold up what the program is doing (an alarm going on). The
// box opens centred over its parent, or over centredOver when given.
void notify(QWidget *parent, const QString &message, const QWidget *centredOver = nullptr);

// The program is ending without anyone to answer (a termination signal, the
// session's end): from now on messages go to the standard error output
// instead of a box. Boxes already open are ended by the caller leaving their
// event loops.
void setUnattended();
bool isUnattended();

// While a recorder is set, messages go to it instead of a modal box.
using Recorder = std::function<void(const QString &message)>;
void setRecorder(Recorder recorder);

// Runs body; an error that escapes it is shown in the error box and ends the
// handler there, so Qt never sees an exception. Returns whether body finished.
bool guard(QWidget *parent, const std::function<void()> &body);

} // namespace ErrorBox
