#include "errorbox.h"

#include "apperror.h"

#include <QApplication>
#include <QMessageBox>
#include <QRegularExpression>
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

// A box as tall or as wide as its text would push its OK button off the
// screen: long lists are cut, and so are words too long to wrap (a line of
// a file without a space), with a mark where they were.
QString fittedToScreen(const QString &message)
{
    constexpr qsizetype kMaxWordCharacters = 80;
    constexpr qsizetype kMaxLines = 30;
    static const QRegularExpression longWord(QStringLiteral("\\S{%1,}").arg(kMaxWordCharacters + 1));
    QStringList lines = message.split(u'\n');
    const qsizetype dropped = qMax<qsizetype>(0, lines.size() - kMaxLines);
    lines = lines.mid(0, kMaxLines);
    for (QString &line : lines) {
        QRegularExpressionMatch match;
        qsizetype from = 0;
        while ((match = longWord.match(line, from)).hasMatch()) {
            line.replace(match.capturedStart(), match.capturedLength(),
                         match.captured().left(kMaxWordCharacters) + QStringLiteral("…"));
            from = match.capturedStart() + kMaxWordCharacters + 1;
        }
    }
    if (dropped > 0)
        lines << QCoreApplication::translate("ErrorBox", "(%n more lines)", nullptr, int(dropped));
    return lines.join(u'\n');
}

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
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), fittedToScreen(message),
                    QMessageBox::Ok, parent);
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
    auto *box = new QMessageBox(QMessageBox::Warning, QApplication::applicationDisplayName(), fittedToScreen(message),
                                QMessageBox::Ok, parent);
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
