#pragma once

#include "alarmengine.h"

#include <QMap>
#include <QObject>
#include <QString>

// The clock's lines as the engine last wrote them: entry 1 the date and
// time, entry 2 the "Next Alarm:" window.
class DisplayLines final : public QObject
{
public:
    explicit DisplayLines(AlarmEngine &engine)
    {
        connect(&engine, &AlarmEngine::displayChanged, this, [this](const QString &clock, const QString &marquee) {
            lines[1] = clock;
            lines[2] = marquee;
        });
    }
    QMap<int, QString> lines;
};
