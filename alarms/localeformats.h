#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// What the date and time texts need to know about the user's settings. The
// formats are held in the program's own pattern letters (see
// DateTimeFormatter), so the formatter never has to consult QLocale itself.
struct LocaleFormats
{
    QString dateSeparator;
    QString timeSeparator;
    QString shortDateFormat; // e.g. "m/d/yyyy"
    QString longTimeFormat;  // e.g. "h:nn:ss ampm"; never carries a time zone
    QString amText;
    QString pmText;
    QStringList shortDayNames;   // seven names, Sunday first
    QStringList longDayNames;    // seven names, Sunday first
    QStringList shortMonthNames; // twelve names, January first
    QStringList longMonthNames;  // twelve names, January first

    // US English with "/" and ":": the settings the clock window was designed with.
    static LocaleFormats usEnglish();
    // Built from a QLocale (QLocale::system() in the program).
    static LocaleFormats fromLocale(const QLocale &locale);

    // Turns a Qt date or time format ("dd.MM.yy", "h:mm:ss AP t") into the
    // program's pattern letters. *separator is in and out: when it is empty,
    // the first punctuation mark is taken as the separator and reported
    // there; when it is already set, that mark is the separator. Every
    // occurrence of the separator is written as separatorLetter ('/' or ':').
    static QString patternFromQtFormat(const QString &qtFormat, QChar separatorLetter, QString *separator);
};
