#pragma once

#include "alarmengine.h"
#include "clock.h"
#include "datetimeformatter.h"
#include "dialogservices.h"
#include "displaylines.h"
#include "fakeaudibleguard.h"
#include "fakeplayer.h"
#include "filelocations.h"
#include "formalarmlist.h"
#include "outputlevel.h"
#include "qtprint.h"
#include "testfiles.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

// What the windows are given in a program folder of the test's own, on a
// fake clock, with fake players and a fake audible guard.
class DialogTest : public ::testing::Test
{
protected:
    explicit DialogTest(const QDateTime &now, const LocaleFormats &formats = LocaleFormats::usEnglish())
        : m_clock(now), m_formatter(formats)
    {
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    ManualClock m_clock;
    DateTimeFormatter m_formatter{LocaleFormats::usEnglish()};
    FileLocations m_locations{m_dir.path() + u'/'};
    OutputLevel m_level;
    // What the ringing windows' guards did, and what they say when engaged.
    QStringList m_audibleLog;
    QString m_audibleNote;
    DialogServices m_services{
        m_locations,
        m_clock,
        m_formatter,
        m_level,
        [](QObject *parent) { return new FakePlayer(parent); },
        [this](QObject *parent) { return new FakeAudibleGuard(parent, m_audibleLog, m_audibleNote); },
        nullptr};
};

// A manager window over an engine of its own, with its timer stopped: the
// test does the ticking.
class ManagerTest : public DialogTest
{
protected:
    explicit ManagerTest(const QDateTime &now, const LocaleFormats &formats = LocaleFormats::usEnglish())
        : DialogTest(now, formats)
    {
        m_engine.timer()->stop();
    }

    AlarmEngine m_engine{m_locations, m_clock, m_formatter};
    DisplayLines m_face{m_engine};
    TFormAlarmList m_manager{m_engine, m_services};
};

// A manager and its engine on a folder given by the test, for tests of the
// windows around it; it plays nothing.
struct StandaloneManager
{
    explicit StandaloneManager(const FileLocations &where) : locations(where) {}

    FileLocations locations;
    ManualClock clock{QDateTime(QDate(2027, 1, 2), QTime(9, 0))};
    DateTimeFormatter formatter{LocaleFormats::usEnglish()};
    OutputLevel level;
    DialogServices services{locations,
                            clock,
                            formatter,
                            level,
                            [](QObject *parent) { return new FakePlayer(parent); },
                            [](QObject *parent) { return new FakeAudibleGuard(parent, log, QString()); },
                            nullptr};
    AlarmEngine engine{locations, clock, formatter};
    TFormAlarmList manager{engine, services};

private:
    static inline QStringList log;
};
