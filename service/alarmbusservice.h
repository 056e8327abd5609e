#pragma once

#include "alarmengine.h"
#include "enginecontrol.h"

#include <QDBusConnection>
#include <QDBusContext>
#include <QList>
#include <QObject>
#include <QVariantMap>

// The running program's alarms on the session bus, under its application id:
// the command-line verbs as methods (the list as structured data), and
// signals when the alarms change and when an alarm starts ringing or is
// answered. Every call goes through the engine's own operations, so the
// windows update at once; every argument is checked before anything changes,
// and a call that can't be carried out gets a D-Bus error with a readable
// message and changes nothing. The interface is described in
// io.github.chronelle.Chronelle.Alarms.xml beside this file; the adaptor
// made from it puts the methods and signals below on the bus.
class AlarmBusService final : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_PROPERTY(QString DataFolder READ dataFolder)

public:
    static const QString kInterface;
    static const QString kObjectPath;
    // The error of a call that could not be carried out; a call with a bad
    // argument gets org.freedesktop.DBus.Error.InvalidArgs.
    static const QString kFailedError;

    explicit AlarmBusService(AlarmEngine &engine, QObject *parent = nullptr);

    // Serves the object and takes the bus name; returns why not, or empty.
    QString publish(QDBusConnection bus, const QString &busName);
    // The types the interface sends; registered once before any call.
    static void registerTypes();

    // Where the alarms served live, so that a verb can tell that this is the
    // copy of its own data folder.
    QString dataFolder() const;

    // An import's report as ImportWithOptions gives it: "added", "updated",
    // "unchanged" (ai), "skipped" (as), "skippedCount" (i), "leftOff" (as),
    // "cautions" (as).
    static QVariantMap reportToMap(const CalendarTransfer::ImportReport &report);
    static CalendarTransfer::ImportReport reportFromMap(const QVariantMap &map);

    // The methods of the interface, called by its adaptor.
    QList<QVariantMap> List();
    QVariantMap Next();
    // options: "memo" (s), "sounds" (as, full paths), "volume" (i, 0 to 100).
    int Add(const QString &time, const QString &frequency, const QString &schedule, const QVariantMap &options);
    void Remove(int id);
    void Enable(int id);
    void Disable(int id);
    void Skip(int id);
    void Pause(int id, const QString &until);
    void Resume(int id);
    void Snooze();
    void Stop();
    // The alarms as an iCalendar file; in `left` the alarms whose files
    // could not be read, each with why.
    QByteArray Export(QStringList &left);
    // Adds the alarms of an iCalendar file, all or none, without their power
    // actions; returns the new alarms' ids, and in `skipped` the events left,
    // each with why, and what was left out.
    QList<int> Import(const QByteArray &calendar, QStringList &skipped);
    // The same with options: "withPowerActions" (b) keeps the events' power
    // actions. Returns the whole report (see reportToMap()).
    QVariantMap ImportWithOptions(const QByteArray &calendar, const QVariantMap &options);

signals:
    // Sent on the bus by the adaptor, which relays signals of the same names.
    void AlarmsChanged();
    void RingingStarted(int id, const QString &caption);
    // answer: "snooze" or "stop"; a ringing that ends in any way is answered "stop".
    void RingingAnswered(int id, const QString &answer);

private:
    // Runs a call; an AppError becomes the caller's D-Bus error.
    template <class Result, class Call> Result perform(Call call);

    AlarmEngine &m_engine;
    EngineControl m_control;
    int m_ringingId = -1;
};
