#include "exitsequence.h"

#include "alarmengine.h"
#include "apperror.h"
#include "errorbox.h"
#include "formmain.h"

#include <QApplication>
#include <QStringList>
#include <QWidget>
#include <cstdio>
#include <functional>

namespace {

// The message of an "Exit" that stops because a file could not be saved: the
// cause, then that the program keeps running, why, and what to do.
QString exitStoppedMessage(const QString &cause)
{
    return cause + QCoreApplication::translate(
                       "ExitSequence",
                       "\n\nChronelle keeps running, so that nothing is lost: it ends once everything is "
                       "saved. Mend the cause (on a full disk, free some space) and choose Exit again.");
}

} // namespace

ExitSequence::ExitSequence(QObject *parent) : QObject(parent) {}

void ExitSequence::attach(AlarmEngine &engine, TFormMain &clock, QWidget &manager)
{
    m_engine = &engine;
    m_clock = &clock;
    m_manager = &manager;
    connect(&clock, &TFormMain::exitChosen, this, &ExitSequence::exitChosen);
    // The loop such a request would have ended has not begun: the end comes now.
    if (m_terminationPending)
        cleanup(Attendance::Unattended);
}

void ExitSequence::exitChosen()
{
    if (!m_engine || m_ending)
        return;
    // A folder nothing can be written in can't be mended from the menu:
    // refusing to end would hold the user for good.
    const QString problem = m_engine->locations().dataFolderProblem();
    cleanup(problem.isEmpty() ? Attendance::Chosen : Attendance::Doomed, problem);
}

void ExitSequence::terminate()
{
    // A box may be waiting for an answer that never comes (a start-up error,
    // while the session ends): leaving every event loop ends it.
    ErrorBox::setUnattended();
    QCoreApplication::exit(0);
    if (!m_engine)
        m_terminationPending = true;
    else if (!m_ending)
        cleanup(Attendance::Unattended);
}

void ExitSequence::saveUnattended()
{
    if (m_engine)
        saveAll(Attendance::Unattended);
}

void ExitSequence::cleanup(Attendance how, const QString &folderProblem)
{
    // Only "Exit" may stop at a failure and be chosen again; any other end
    // happens once. The exit flag, once set, stays set.
    if (how == Attendance::Chosen) {
        m_engine->setExitFlag(true);
    } else {
        m_ending = true;
        m_engine->beginUnattendedEnd();
    }
    // The manager's close query hides it, and the exit flag lets it close.
    m_manager->close();
    if (!saveAll(how, folderProblem))
        return;
    m_ending = true;
    // Quitting asks every window to close; the clock now agrees.
    m_clock->closeForGood();
    QApplication::quit();
}

bool ExitSequence::saveAll(Attendance how, const QString &folderProblem)
{
    struct Step
    {
        const char *logName;
        QString lostName;
        QWidget *window; // where a failure is shown
        bool unreadable; // could not be read at start, and not changed since
        std::function<void()> save;
    };
    // The alarms first: they are what a user would miss most.
    const Step steps[] = {
        {"the alarm list", tr("the alarm list (al.ini)"), m_manager, m_engine->catalogueUnreadable(),
         [this]() { m_engine->saveCatalogue(); }},
        {"the clock settings", tr("the clock settings (LCD.ini)"), m_clock, m_clock->settingsUnreadable(),
         [this]() { m_clock->saveSettings(); }},
    };
    QStringList lost;
    for (const Step &step : steps) {
        // A save nobody asked for must not replace a file that could not be read.
        if (how == Attendance::Unattended && step.unreadable)
            continue;
        try {
            step.save();
        } catch (const AppError &error) {
            switch (how) {
            case Attendance::Chosen:
                ErrorBox::show(step.window, exitStoppedMessage(error.message()));
                return false;
            case Attendance::Unattended:
                std::fprintf(stderr, "chronelle: could not save %s: %s\n", step.logName, error.what());
                break;
            case Attendance::Doomed:
                lost << step.lostName;
                break;
            }
        }
    }
    if (!lost.isEmpty()) {
        ErrorBox::show(m_clock,
                       tr("%1\n\nChronelle ends without saving %2.").arg(folderProblem, lost.join(tr(" and "))));
    }
    return true;
}
