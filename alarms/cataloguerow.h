#pragma once

#include "datetimeformatter.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

// What the editor hands back to the manager after "OK": everything a
// catalogue row is made from.
struct EditorResult
{
    QString caption;
    int frequencyCode = 0;
    QTime alarmTime;
    QDate alarmDate;
    QString weekdayMask;
    // Whether the alarm rings at all.
    bool enabled = true;
};

// One alarm as the catalogue lists it: three texts for people, the keys the
// scheduler tests, and the slot that names the alarm's file.
struct CatalogueRow
{
    static constexpr int FieldCount = 8;

    QString caption;
    QString frequencyName;
    QString timeText;
    QString dateText;
    QString timeKey;     // "hhnnss"
    QString dateKey;     // "ddmmyyyy"
    QString weekdayMask; // seven "1"/"0", Sunday first
    QString slot;        // decimal

    QStringList fields() const;
    static CatalogueRow fromFields(const QStringList &fields);

    // A row made from the editor result, with its texts in the user's formats.
    static CatalogueRow fromEditorResult(const EditorResult &result, int slot, const DateTimeFormatter &formatter);

    // The display texts of a time and a date for a frequency name.
    static QString timeTextFor(const QString &frequencyName, const QTime &time, const DateTimeFormatter &formatter);
    static QString dateTextFor(const QString &frequencyName, const QDate &date, const DateTimeFormatter &formatter);
    // A stored time or date text as the user reads it: the list keeps the
    // words of a repeat ("of every hour", "of every month") in English,
    // whatever language the program speaks.
    static QString shownText(const QString &storedText);

    bool operator==(const CatalogueRow &) const = default;
};

// The file of an alarm slot, relative to the program folder: "7.ini".
QString slotFileName(int slot);
