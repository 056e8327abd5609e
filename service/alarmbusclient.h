#pragma once

#include "alarmcontrol.h"

#include <QDBusConnection>
#include <QString>
#include <memory>

class AlarmBusProxy;
class QDBusPendingCall;

// The verbs sent to the running program over D-Bus, through the proxy made
// from the interface's description. Its errors come back as AppError: an
// invalid argument as a bad argument, anything else as a failure with the
// program's own message.
class AlarmBusClient final : public AlarmControl
{
public:
    AlarmBusClient(QDBusConnection bus, const QString &busName);
    ~AlarmBusClient() override;

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
    CalendarTransfer::ImportReport importCalendar(const QByteArray &calendar,
                                                  const CalendarTransfer::ImportOptions &options = {}) override;

private:
    // Waits for the answer while the events of this process go on, so that a
    // program that asks its own bus object is answered; throws its error.
    static void await(const QDBusPendingCall &call);

    QDBusConnection m_bus;
    QString m_busName;
    std::unique_ptr<AlarmBusProxy> m_proxy;
};
