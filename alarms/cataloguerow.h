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
// scheduler tests, and the slot that names the alarm's file. The slot is the
// alarm's id everywhere in the program; only the catalogue file holds it as
// text, and fields() and fromFields() are the one place it is turned into
// text and back.
struct CatalogueRow
{
    static constexpr int FieldCount = 8;
    // Slots 0 to 255: the size of the slot in-use table.
    static constexpr int SlotCount = 256;

    QString caption;
    QString frequencyName;
    QString timeText;
    QString dateText;
    QString timeKey;     // "hhnnss"
    QString dateKey;     // "ddmmyyyy"
    QString weekdayMask; // seven "1"/"0", Sunday first
    int slot = -1;

    // The eight fields as the file holds them, the slot in decimal.
    QStringList fields() const;
    // Throws AppError when the slot field is no slot (see decodeSlot()).
    static CatalogueRow fromFields(const QStringList &fields);
    // The slot a slot field names: a decimal number below SlotCount. Throws
    // AppError otherwise. A number in another form than fields() writes
    // ("07", "+7") is read all the same.
    static int decodeSlot(const QString &text);

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
