#pragma once

#include "alarmcontrol.h"

#include <QDBusConnection>
#include <QString>

// The verbs sent to the running program over D-Bus. Its errors come back as
// AppError: an invalid argument as a bad argument, anything else as a failure
// with the program's own message.
class AlarmBusClient final : public AlarmControl
{
public:
    AlarmBusClient(QDBusConnection bus, const QString &busName);

    // Whether a program serves the bus name now, and the data folder it serves.
    bool isServed() const;
    QString servedDataFolder() const;

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

private:
    // A verb never waits longer than this for the program, unless it says so.
    static constexpr int CallTimeoutMs = 15000;

    QDBusMessage call(const QString &method, const QVariantList &arguments = {}, int timeoutMs = CallTimeoutMs) const;

    QDBusConnection m_bus;
    QString m_busName;
};
