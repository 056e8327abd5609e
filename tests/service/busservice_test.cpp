// The program's D-Bus interface on the private session bus of the test
// command: what it serves is what the repository's XML describes, the client
// reaches it, two calls at once get two ids, and garbage gets an error and
// changes nothing.

#include "alarmbusclient.h"
#include "alarmbusservice.h"
#include "alarmfile.h"
#include "alarmcalendar.h"
#include "apperror.h"
#include "enginetestsupport.h"
#include "platformtestsupport.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingReply>
#include <QSignalSpy>
#include <QTest>
#include <QXmlStreamReader>
#include <algorithm>
#include <tuple>
#include <unistd.h>

namespace {

// Counts the signals of the interface that reach a connection.
class SignalCounter final : public QObject
{
    Q_OBJECT

public:
    int changes = 0;
    QList<QPair<int, QString>> answers;

public slots:
    void alarmsChanged() { ++changes; }
    void ringingAnswered(int id, const QString &answer) { answers << qMakePair(id, answer); }
};

// The members of the interface in introspection data, one line each, without
// names of arguments and comments: "method Add(in s,in s,in s,in a{sv},out i)".
QStringList membersOf(const QString &xml)
{
    QStringList members;
    QXmlStreamReader reader(xml);
    bool inInterface = false;
    QString member;
    QStringList arguments;
    while (!reader.atEnd()) {
        reader.readNext();
        const QString name = reader.name().toString();
        const QXmlStreamAttributes attributes = reader.attributes();
        if (reader.isStartElement() && name == QStringLiteral("interface"))
            inInterface = attributes.value(QStringLiteral("name")) == AlarmBusService::kInterface;
        if (!inInterface)
            continue;
        if (reader.isStartElement() && (name == QStringLiteral("method") || name == QStringLiteral("signal"))) {
            member = name + u' ' + attributes.value(QStringLiteral("name")).toString();
            arguments.clear();
        } else if (reader.isStartElement() && name == QStringLiteral("arg")) {
            const QString direction = member.startsWith(QStringLiteral("signal"))
                                          ? QString()
                                          : attributes.value(QStringLiteral("direction")).toString() + u' ';
            arguments << direction + attributes.value(QStringLiteral("type")).toString();
        } else if (reader.isEndElement() && (name == QStringLiteral("method") || name == QStringLiteral("signal"))) {
            // What goes in and what comes out are two lists: only the order within each counts.
            std::stable_partition(arguments.begin(), arguments.end(),
                                  [](const QString &argument) { return !argument.startsWith(QStringLiteral("out")); });
            members << member + u'(' + arguments.join(u',') + u')';
        } else if (reader.isStartElement() && name == QStringLiteral("property")) {
            members << QStringLiteral("property %1 %2 %3")
                           .arg(attributes.value(QStringLiteral("name")).toString(),
                                attributes.value(QStringLiteral("type")).toString(),
                                attributes.value(QStringLiteral("access")).toString());
        } else if (reader.isEndElement() && name == QStringLiteral("interface")) {
            inInterface = false;
        }
    }
    if (reader.hasError())
        members << QStringLiteral("unreadable: ") + reader.errorString();
    std::sort(members.begin(), members.end());
    return members;
}

class BusService : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const QString notPrivate = notPrivateBus(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        REQUIRE_SERVICE(notPrivate);
        const QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
        m_serverBus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(address, QStringLiteral("chronelle-test-server")));
        m_clientBus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(address, QStringLiteral("chronelle-test-client")));
        // A name of its own: the real program may run on this bus for a system test.
        m_busName = QStringLiteral("io.github.chronelle.Chronelle.Test%1").arg(::getpid());
        const QString problem = m_service.publish(*m_serverBus, m_busName);
        ASSERT_TRUE(problem.isEmpty()) << problem.toStdString();
    }
    void TearDown() override
    {
        if (m_serverBus) {
            m_serverBus->unregisterObject(AlarmBusService::kObjectPath);
            m_serverBus->interface()->unregisterService(m_busName);
        }
        m_serverBus.reset();
        m_clientBus.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("chronelle-test-server"));
        QDBusConnection::disconnectFromBus(QStringLiteral("chronelle-test-client"));
    }

    // A call as any program on the bus could make it, answered while events run.
    QDBusMessage call(const QString &method, const QVariantList &arguments = {})
    {
        QDBusMessage message = QDBusMessage::createMethodCall(m_busName, AlarmBusService::kObjectPath,
                                                              AlarmBusService::kInterface, method);
        message.setArguments(arguments);
        QDBusPendingCall pending = m_clientBus->asyncCall(message);
        EXPECT_TRUE(QTest::qWaitFor([&pending]() { return pending.isFinished(); }, 10000)) << method.toStdString();
        return pending.reply();
    }

    EngineOn<> m_on{QDateTime(QDate(2026, 12, 7), QTime(8, 0))};
    AlarmBusService m_service{m_on.engine};
    std::unique_ptr<QDBusConnection> m_serverBus;
    std::unique_ptr<QDBusConnection> m_clientBus;
    QString m_busName;
};

} // namespace

TEST_F(BusService, ServesWhatTheRepositorysInterfaceFileDescribes)
{
    QDBusMessage introspect = QDBusMessage::createMethodCall(m_busName, AlarmBusService::kObjectPath,
                                                             QStringLiteral("org.freedesktop.DBus.Introspectable"),
                                                             QStringLiteral("Introspect"));
    const QDBusPendingCall pending = m_clientBus->asyncCall(introspect);
    ASSERT_TRUE(QTest::qWaitFor([&pending]() { return pending.isFinished(); }, 10000));
    const QDBusMessage reply = pending.reply();
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    QFile file(QStringLiteral(CHRONELLE_INTERFACE_XML));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList described = membersOf(QString::fromUtf8(file.readAll()));
    EXPECT_EQ(described.size(), 18);
    EXPECT_EQ(membersOf(reply.arguments().constFirst().toString()), described);
}

TEST_F(BusService, GarbageGetsAReadableErrorAndChangesNothing)
{
    const QDBusMessage first =
        call(QStringLiteral("Add"), {QStringLiteral("06:30"), QStringLiteral("daily"), QString(), QVariantMap()});
    ASSERT_EQ(first.type(), QDBusMessage::ReplyMessage) << first.errorMessage().toStdString();
    const QMap<QString, QByteArray> before = filesIn(m_on.dir.path());
    const QString invalid = QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs");
    const QVariantMap loud{{QStringLiteral("volume"), QStringLiteral("loud")}};
    const QVariantMap bogus{{QStringLiteral("bogus"), 1}};
    const QVariantMap emptyMemo{{QStringLiteral("memo"), QString()}};
    const QVariantMap relative{{QStringLiteral("sounds"), QStringList{QStringLiteral("song.mp3")}}};
    const struct
    {
        const char *name;
        QString method;
        QVariantList arguments;
        QString error;
        const char *says;
    } rows[] = {
        {"hour 99",
         QStringLiteral("Add"),
         {QStringLiteral("99:00"), QString(), QString(), QVariantMap()},
         invalid,
         "TIME '99:00'"},
        {"volume as text",
         QStringLiteral("Add"),
         {QStringLiteral("06:30"), QString(), QString(), loud},
         invalid,
         "option 'volume' must be a 32-bit integer"},
        {"unknown option",
         QStringLiteral("Add"),
         {QStringLiteral("06:30"), QString(), QString(), bogus},
         invalid,
         "unknown option 'bogus'"},
        {"empty memo",
         QStringLiteral("Add"),
         {QStringLiteral("06:30"), QString(), QString(), emptyMemo},
         invalid,
         "the reminder is empty"},
        {"relative sound",
         QStringLiteral("Add"),
         {QStringLiteral("06:30"), QString(), QString(), relative},
         invalid,
         "not a full path"},
        {"frequency of the Add",
         QStringLiteral("Add"),
         {QStringLiteral("06:30"), QStringLiteral("sometimes"), QString(), QVariantMap()},
         invalid,
         "sometimes"},
        {"no such id", QStringLiteral("Remove"), {42}, AlarmBusService::kFailedError, "There is no alarm with id 42."},
        {"pause in the past", QStringLiteral("Pause"), {0, QStringLiteral("2026-12-01")}, invalid, "after today"},
        {"nothing rings", QStringLiteral("Snooze"), {}, AlarmBusService::kFailedError, "No alarm is ringing."},
        {"import of what is no calendar",
         QStringLiteral("Import"),
         {QByteArray("1\r\nWake up\r\n")},
         AlarmBusService::kFailedError,
         "not an iCalendar file"},
        {"import with an unknown option",
         QStringLiteral("ImportWithOptions"),
         {QByteArray("BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n"), QVariantMap{{QStringLiteral("power"), true}}},
         invalid,
         "unknown option 'power'"},
        {"import with an option of the wrong type",
         QStringLiteral("ImportWithOptions"),
         {QByteArray("BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n"), QVariantMap{{QStringLiteral("withPowerActions"), 1}}},
         invalid,
         "must be a boolean"},
        {"import larger than any calendar of alarms",
         QStringLiteral("Import"),
         {QByteArray(AlarmCalendar::MaxBytes + 1, 'x')},
         invalid,
         "Chronelle imports at most 8388608 bytes"},
        {"id as text", QStringLiteral("Remove"), {QStringLiteral("0")}, QString(), ""},
        {"missing argument", QStringLiteral("Add"), {QStringLiteral("06:30")}, QString(), ""},
        {"no such method", QStringLiteral("Format"), {}, QString(), ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QDBusMessage reply = call(row.method, row.arguments);
        ASSERT_EQ(reply.type(), QDBusMessage::ErrorMessage);
        if (!row.error.isEmpty()) {
            EXPECT_EQ(reply.errorName(), row.error);
        }
        EXPECT_TRUE(reply.errorMessage().contains(QString::fromUtf8(row.says))) << reply.errorMessage().toStdString();
    }
    EXPECT_EQ(filesIn(m_on.dir.path()), before);
    EXPECT_EQ(m_on.engine.catalogue().size(), 1);
}

TEST_F(BusService, TheClientReachesItAndTwoAddsAtOnceGetTwoIds)
{
    SignalCounter counter;
    ASSERT_TRUE(m_clientBus->connect(m_busName, AlarmBusService::kObjectPath, AlarmBusService::kInterface,
                                     QStringLiteral("AlarmsChanged"), &counter, SLOT(alarmsChanged())));
    const QVariantList args{QStringLiteral("06:30"), QStringLiteral("weekly"), QStringLiteral("mon,fri"),
                            QVariantMap{{QStringLiteral("memo"), QStringLiteral("Gym")}}};
    QDBusMessage add = QDBusMessage::createMethodCall(m_busName, AlarmBusService::kObjectPath,
                                                      AlarmBusService::kInterface, QStringLiteral("Add"));
    add.setArguments(args);
    QDBusPendingReply<int> one = m_clientBus->asyncCall(add);
    QDBusPendingReply<int> two = m_clientBus->asyncCall(add);
    ASSERT_TRUE(QTest::qWaitFor([&]() { return one.isFinished() && two.isFinished(); }, 10000));
    ASSERT_TRUE(one.isValid() && two.isValid())
        << one.error().message().toStdString() << two.error().message().toStdString();
    EXPECT_EQ(QSet<int>({one.value(), two.value()}), QSet<int>({0, 1}));
    EXPECT_TRUE(QTest::qWaitFor([&counter]() { return counter.changes >= 2; }, 5000));

    // The client blocks while the events of this process go on, so the service answers it.
    AlarmBusClient client(*m_clientBus, m_busName);
    EXPECT_TRUE(client.isServed());
    EXPECT_EQ(client.servedDataFolder(), m_on.engine.locations().dataFolder());
    AlarmChoices daily;
    daily.time = QStringLiteral("07:15");
    daily.frequency = QStringLiteral("daily");
    EXPECT_EQ(client.add(daily), 2);
    EngineControl here(m_on.engine);
    EXPECT_EQ(client.list(), here.list());
    EXPECT_EQ(client.next(), here.next());
    client.pause(2, QStringLiteral("2026-12-20"));
    EXPECT_EQ(m_on.engine.states().state(2).pausedUntil, QDate(2026, 12, 20));
    try {
        client.remove(9);
        ADD_FAILURE() << "removed an alarm that does not exist";
    } catch (const AppError &error) {
        EXPECT_EQ(error.kind(), AppError::Kind::Failure);
        EXPECT_EQ(error.message(), QStringLiteral("There is no alarm with id 9."));
    }
    try {
        client.pause(2, QStringLiteral("someday"));
        ADD_FAILURE() << "paused until no day";
    } catch (const AppError &error) {
        EXPECT_EQ(error.kind(), AppError::Kind::BadArgument);
    }
    client.remove(0);
    EXPECT_EQ(m_on.engine.catalogue().size(), 2);
}

// The first Import never brings a power action and says so among the
// events' notes; ImportWithOptions brings it when asked, and its report
// reaches the client whole.
TEST_F(BusService, AnImportBringsAPowerActionOnlyWhenAsked)
{
    EngineOn<> from(m_on.clock.now());
    EngineControl source(from.engine);
    AlarmChoices wake;
    wake.time = QStringLiteral("06:30");
    wake.frequency = QStringLiteral("daily");
    wake.memo = QStringLiteral("Wake");
    source.add(wake);
    AlarmRecord record;
    AlarmFile::read(from.path(QStringLiteral("0.ini")), AlarmFile::ReadMode::Editing, record);
    record.powerAction = int(PowerAction::Suspend);
    AlarmFile::write(from.path(QStringLiteral("0.ini")), record);
    const QByteArray calendar = source.exportCalendar().calendar;
    const auto powerActionOf = [this](int slot) {
        AlarmRecord imported;
        AlarmFile::read(m_on.path(QStringLiteral("%1.ini").arg(slot)), AlarmFile::ReadMode::Editing, imported);
        return imported.powerAction;
    };

    const QDBusMessage plain = call(QStringLiteral("Import"), {calendar});
    ASSERT_EQ(plain.type(), QDBusMessage::ReplyMessage) << plain.errorMessage().toStdString();
    EXPECT_EQ(qdbus_cast<QList<int>>(plain.arguments().value(0)), QList<int>{0});
    EXPECT_EQ(qdbus_cast<QStringList>(plain.arguments().value(1)),
              QStringList{QStringLiteral("Power action of \"Wake\" left off: \"Hibernate PC\" needs your consent "
                                         "(import --with-power-actions)")});
    EXPECT_EQ(powerActionOf(0), int(PowerAction::DoNothing));

    EngineControl(m_on.engine).remove(0);
    AlarmBusClient client(*m_clientBus, m_busName);
    const CalendarTransfer::ImportReport asked = client.importCalendar(calendar, {true});
    EXPECT_EQ(asked.ids, QList<int>{0});
    EXPECT_EQ(asked.leftOff, QStringList());
    EXPECT_EQ(powerActionOf(0), int(PowerAction::Suspend));
    const CalendarTransfer::ImportReport again = client.importCalendar(calendar);
    EXPECT_EQ(again.ids, QList<int>());
    EXPECT_EQ(again.unchanged, QList<int>{0});
    const CalendarTransfer::ImportReport here = EngineControl(m_on.engine).importCalendar(calendar);
    EXPECT_EQ(std::tie(again.ids, again.updated, again.unchanged, again.skipped, again.skippedCount, again.leftOff),
              std::tie(here.ids, here.updated, here.unchanged, here.skipped, here.skippedCount, here.leftOff));
}

TEST_F(BusService, TellsOfARingingAndOfItsAnswers)
{
    SignalCounter counter;
    ASSERT_TRUE(m_clientBus->connect(m_busName, AlarmBusService::kObjectPath, AlarmBusService::kInterface,
                                     QStringLiteral("RingingAnswered"), &counter, SLOT(ringingAnswered(int, QString))));
    QSignalSpy started(&m_service, &AlarmBusService::RingingStarted);
    AlarmChoices soon;
    soon.time = QStringLiteral("08:00:01");
    soon.memo = QStringLiteral("Tea");
    EngineControl(m_on.engine).add(soon);
    // The stand-in for the ringing window snoozes as it is asked to, and says so.
    QObject::connect(&m_on.engine, &AlarmEngine::ringingAnswerRequested, &m_on.engine,
                     [this](AlarmEngine::RingingAnswer answer) {
                         if (answer == AlarmEngine::RingingAnswer::Snooze)
                             m_on.engine.noteRingingSnoozed();
                     });
    bool snoozeAnswered = false;
    m_on.engine.setRinger([&](const RingingRequest &) {
        // A caller on the bus answers while the alarm rings, then the user
        // presses the window's own Snooze.
        snoozeAnswered = call(QStringLiteral("Snooze")).type() == QDBusMessage::ReplyMessage;
        m_on.engine.noteRingingSnoozed();
    });
    m_on.clock.advance(1000);
    tick(m_on.engine);
    EXPECT_TRUE(snoozeAnswered);
    ASSERT_EQ(started.size(), 1);
    EXPECT_EQ(started[0], (QVariantList{0, QStringLiteral("Tea")}));
    EXPECT_TRUE(QTest::qWaitFor([&counter]() { return counter.answers.size() >= 3; }, 5000));
    EXPECT_EQ(counter.answers,
              (QList<QPair<int, QString>>{
                  {0, QStringLiteral("snooze")}, {0, QStringLiteral("snooze")}, {0, QStringLiteral("stop")}}));
    // Nothing rings: a snooze said then is nobody's.
    m_on.engine.noteRingingSnoozed();
    QTest::qWait(200);
    EXPECT_EQ(counter.answers.size(), 3);
}

#include "busservice_test.moc"
