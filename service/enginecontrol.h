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
    explicit EngineControl(AlarmEngine &engine);

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
    CalendarTransfer::ImportReport importCalendar(const QByteArray &calendar) override;

    // A wall-clock second (see ScheduleRules) as ISO 8601 local time with its offset.
    static QString isoLocal(const QDateTime &wall);

private:
    QVariantMap entry(int row);

    AlarmEngine &m_engine;
};
