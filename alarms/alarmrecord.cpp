#include "alarmrecord.h"

#include <QCoreApplication>

const QStringList &frequencyNames()
{
    static const QStringList names{QStringLiteral(QT_TRANSLATE_NOOP("Frequency", "Once")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("Frequency", "Hourly")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("Frequency", "Daily")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("Frequency", "Weekly")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("Frequency", "Monthly")),
                                   QStringLiteral(QT_TRANSLATE_NOOP("Frequency", "Yearly"))};
    return names;
}

AlarmRecord AlarmRecord::newAlarm(const QDateTime &opened)
{
    AlarmRecord record;
    const QTime t = opened.time();
    record.alarmTime = QTime(t.hour(), t.minute(), t.second());
    record.alarmDate = opened.date();
    // A new alarm's reminder is the user's text from the start: in the user's language.
    record.reminder = QCoreApplication::translate("AlarmRecord", "Don't for get to ...\n");
    return record;
}

QString AlarmRecord::weekdayMask() const
{
    QString mask;
    for (bool on : dayFlags)
        mask += on ? u'1' : u'0';
    return mask;
}

int AlarmRecord::closingMethod() const
{
    for (int i = 0; i < 3; ++i) {
        if (closingFlags[i])
            return i + 1;
    }
    return 1;
}

void AlarmRecord::setClosingMethod(int method)
{
    for (int i = 0; i < 3; ++i)
        closingFlags[i] = (i + 1 == method);
}
