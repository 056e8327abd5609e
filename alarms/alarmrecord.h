#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTime>
#include <array>

// Recurrence codes, in the order of the editor's frequency list.
enum class Frequency : int
{
    Once = 0,
    Hourly = 1,
    Daily = 2,
    Weekly = 3,
    Monthly = 4,
    Yearly = 5
};

// What to do after an alarm's play list has been played through.
enum class PowerAction : int
{
    DoNothing = 0,
    MonitorOff = 1,
    Suspend = 2,
    PowerOff = 3
};

// The names the catalogue and the scheduler use for the frequency codes.
const QStringList &frequencyNames();

// Every setting of one alarm, as its alarm file holds it. Values are kept as
// read: nothing here checks ranges, so a file with odd values round-trips.
struct AlarmRecord
{
    int frequencyCode = int(Frequency::Weekly);
    QTime alarmTime;
    QDate alarmDate;
    std::array<bool, 7> dayFlags{false, true, true, true, true, true, false}; // Sunday first
    bool playListOn = true;
    QStringList playList; // full paths
    bool soundOn = false;
    int soundNumber = 0;
    int soundMinutes = 15;
    bool fadeInOn = false;
    int fadeInMinutes = 5;
    bool fadeOutOn = false;
    int fadeOutMinutes = 30;
    int snoozeMinutes = 10;
    bool autoSnoozeOn = false;
    int autoSnoozeMinutes = 2;
    int volume = 100;
    std::array<bool, 3> closingFlags{true, false, false}; // closing methods 1, 2, 3
    int autoCloseMinutes = 2;
    int powerAction = int(PowerAction::DoNothing);
    // Lines separated by '\n'; a final line break only if the text has one.
    QString reminder = QStringLiteral("Don't for get to ...\n");

    // The editor's defaults for a new alarm opened at the given moment.
    static AlarmRecord newAlarm(const QDateTime &opened);

    // Seven characters "1"/"0", Sunday first.
    QString weekdayMask() const;
    // The closing method 1..3 whose flag is on; 1 when none is.
    int closingMethod() const;
    void setClosingMethod(int method);
};
