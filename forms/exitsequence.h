#pragma once

#include <QObject>
#include <QString>

class AlarmEngine;
class QWidget;
class TFormMain;

// The one way out of the program. "Exit", a termination signal and a data
// folder nothing can be written in all take the same path: the manager
// steps aside, the alarm list ("al.ini") is written, then the clock's
// settings ("LCD.ini"), and the run ends. They differ only in how a failed
// save is met: "Exit" stops there and the program keeps running, so that
// nothing is lost; an ending nobody attends logs it and ends; a folder that
// takes nothing says once what is lost and ends. The session manager's
// request to save runs the same saves and ends nothing.
class ExitSequence final : public QObject
{
    Q_OBJECT

public:
    explicit ExitSequence(QObject *parent = nullptr);

    // What an ending writes and closes, once it is made; all must outlive
    // this object's use. A termination asked for before is carried out here.
    void attach(AlarmEngine &engine, TFormMain &clock, QWidget &manager);
    // The run is ending (or has ended); nothing more is to be started.
    bool ending() const { return m_ending; }

public slots:
    // "Exit" from the clock's menu.
    void exitChosen();
    // A termination signal: every event loop is left at once (a box may wait
    // for an answer that never comes), messages go to the log from now on,
    // and the program ends in order; nothing can hold that up.
    void terminate();
    // Saves as an ending would, with failures logged, and never objects; the
    // program goes on (a log-out may still be cancelled).
    void saveUnattended();

private:
    enum class Attendance
    {
        // "Exit": a failed save is shown and stops the ending.
        Chosen,
        // Nobody may be there to answer: a failed save goes to the log.
        Unattended,
        // No file can be written: what is lost is said once, and the run ends.
        Doomed,
    };
    // The one clean-up path: the manager steps aside, everything is saved,
    // and the run ends unless "Exit" stopped at a failure.
    void cleanup(Attendance how, const QString &folderProblem = {});
    // Writes the alarm list, then the clock's settings. Returns whether the
    // run may end.
    bool saveAll(Attendance how, const QString &folderProblem = {});

    AlarmEngine *m_engine = nullptr;
    TFormMain *m_clock = nullptr;
    QWidget *m_manager = nullptr;
    bool m_ending = false;
    bool m_terminationPending = false;
};
