#pragma once

#include "clock.h"
#include "clockface.h"
#include "datetimeformatter.h"
#include "fakeaudibleguard.h"
#include "fakeplayer.h"
#include "formalarmlist.h"
#include "qtprint.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

// A clock face that only keeps the lines it was given.
class LinesFace final : public ClockFace
{
public:
    void setDisplayLine(int index, const QString &text) override { lines[index] = text; }
    QMap<int, QString> lines;
};

// The whole file, or nothing when it cannot be read.
inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeAll(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// A manager window in a program folder of its own, on a fake clock, with
// fake players, a fake audible guard and its timer stopped: the test does
// the ticking.
class ManagerTest : public ::testing::Test
{
protected:
    explicit ManagerTest(const QDateTime &now, const LocaleFormats &formats = LocaleFormats::usEnglish())
        : m_clock(now), m_formatter(formats)
    {
        m_manager.timer()->stop();
        m_manager.setPlayerFactory([](QObject *parent) { return new FakePlayer(parent); });
        m_manager.setAudibleGuardFactory(
            [this](QObject *parent) { return new FakeAudibleGuard(parent, m_audibleLog, m_audibleNote); });
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    LinesFace m_face;
    ManualClock m_clock;
    DateTimeFormatter m_formatter{LocaleFormats::usEnglish()};
    // What the ringing windows' guards did, and what they say when engaged.
    QStringList m_audibleLog;
    QString m_audibleNote;
    TFormAlarmList m_manager{m_dir.path() + u'/', m_face, m_clock, m_formatter};
};
