#pragma once

#include "alarmengine.h"
#include "clock.h"
#include "datetimeformatter.h"
#include "displaylines.h"
#include "filelocations.h"
#include "qtprint.h"
#include "testfiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <utility>

// An engine started in a data folder of its own, on a clock of the test's,
// with the lines it shows kept.
template <typename ClockType = ManualClock> struct EngineOn
{
    template <typename... Start> explicit EngineOn(Start &&...start) : clock(std::forward<Start>(start)...)
    {
        engine.start();
    }
    QString path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    ClockType clock;
    DateTimeFormatter formatter{LocaleFormats::usEnglish()};
    AlarmEngine engine{FileLocations(dir.path() + u'/'), clock, formatter};
    DisplayLines face{engine};
};

// A tick by hand, as the timer's timeout would run it, with the ringing it posts.
inline void tick(AlarmEngine &engine)
{
    engine.tick();
    QCoreApplication::sendPostedEvents(&engine, QEvent::MetaCall);
}

// A catalogue row of the given shape; its caption is its frequency.
inline CatalogueRow catalogueRow(const char *frequency, const QTime &time, int slot, const char *mask = "1111111",
                                 const char *date = "01012020")
{
    const QString name = QString::fromLatin1(frequency);
    return CatalogueRow::fromFields(QStringList()
                                    << name << name << QString() << QString() << time.toString(u"HHmmss")
                                    << QString::fromLatin1(date) << QString::fromLatin1(mask) << QString::number(slot));
}
