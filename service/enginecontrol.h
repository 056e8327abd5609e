#pragma once

#include "alarmcontrol.h"

// The verbs carried out on an engine of this process: the running program's,
// for its D-Bus callers, or one loaded from the data folder for a verb run
// while no program runs. Every argument is checked before the engine is
// asked to change anything, and each change goes through the engine's one
// journalled change, so the windows (if any) follow at once.
class EngineControl final : public AlarmControl
{
public:
    // Who asks, so that a refused argument is named as the asker spelled
    // it: the command line's option ("--until") or the bus method's
    // argument ("until").
    enum class Caller
    {
        CommandLine,
        Bus,
    };

    explicit EngineControl(AlarmEngine &engine, Caller caller = Caller::CommandLine);

    QList<QVariantMap> list() override;
    QVariantMap next() override;
    int add(const AlarmChoices &choices) override;
    void remove(int id) override;
    void setEnabled(int id, bool on) override;
    void skip(int id) override;
    void pause(int id, const QString &until) override;
    void resume(int id) override;
    void answerRinging(AlarmEngine::RingingAnswer answer) override;
    CalendarTransfer::ExportReport exportCalendar() override;
    CalendarTransfer::ImportReport importCalendar(const QByteArray &calendar,
                                                  const CalendarTransfer::ImportOptions &options = {}) override;

    // A wall-clock second (see ScheduleRules) as ISO 8601: the instant it rings, with the true offset.
    static QString isoLocal(const QDateTime &wall);
    // The first day a paused alarm rings again, from "YYYY-MM-DD": a day
    // after today. Throws AppError (a bad argument) naming the argument as
    // the caller spells it.
    static QDate pauseEnd(const QString &until, const QDate &today, Caller caller);

private:
    QVariantMap entry(int row);

    AlarmEngine &m_engine;
    Caller m_caller;
};
