#include "errorbox.h"

#include "apperror.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>
#include <cstdio>

namespace ErrorBox {

namespace {
Recorder &recorder()
{
    static Recorder instance;
    return instance;
}

bool g_unattended = false;

// True when the message went to the log instead of a box.
bool logged(const QString &message)
{
    if (!g_unattended)
        return false;
    std::fprintf(stderr, "chronelle: %s\n", qPrintable(message));
    return true;
}
} // namespace

void show(QWidget *parent, const QString &message)
{
    if (recorder()) {
        recorder()(message);
        return;
    }
    if (logged(message))
        return;
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), message, QMessageBox::Ok, parent);
    box.exec();
}

void notify(QWidget *parent, const QString &message, const QWidget *centredOver)
{
    if (recorder()) {
        recorder()(message);
        return;
    }
    if (logged(message))
        return;
    auto *box =
        new QMessageBox(QMessageBox::Warning, QApplication::applicationDisplayName(), message, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
    // Qt centres a box over its parent only; the box takes its final size as it shows.
    if (centredOver && centredOver->isVisible())
        box->move(centredOver->geometry().center() - box->rect().center() - (box->geometry().topLeft() - box->pos()));
}

void setUnattended()
{
    g_unattended = true;
}

bool isUnattended()
{
    return g_unattended;
}

void setRecorder(Recorder r)
{
    recorder() = std::move(r);
}

bool guard(QWidget *parent, const std::function<void()> &body)
{
    try {
        body();
        return true;
    } catch (const AppError &error) {
        show(parent, error.message());
    } catch (const std::exception &error) {
        show(parent, QString::fromLocal8Bit(error.what()));
    }
    return false;
}

} // namespace ErrorBox
