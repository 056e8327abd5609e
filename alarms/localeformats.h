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
    // Day, month and year as two digits each with date separators, in the
    // order the short date format has them: "mm/dd/yy" for US English,
    // "dd/mm/yy" where the day comes first, "yy/mm/dd" where the year does.
    QString numericDateFormat = QStringLiteral("mm/dd/yy");

    // US English with "/" and ":": the settings the clock window was designed with.
    static LocaleFormats usEnglish();
    // The same settings for a display of printable ASCII characters alone
    // (the clock's dot-matrix face): a separator it can't show becomes "/"
    // or ":", AM/PM texts "AM" and "PM", a direction mark goes, other
    // spacing becomes a space, and a text between two fields of a format
    // that holds anything else becomes the separator of that format.
    LocaleFormats plainAscii() const;
    // Built from a QLocale (QLocale::system() in the program).
    static LocaleFormats fromLocale(const QLocale &locale);

    // Turns a Qt date or time format ("dd.MM.yy", "h:mm:ss AP t") into the
    // program's pattern letters. *separator is in and out: when it is empty,
    // the first punctuation mark is taken as the separator and reported
    // there (a direction mark, as Arabic formats put beside theirs, is text); when it is already set, that mark is the
    // separator. Every occurrence of the separator is written as separatorLetter ('/' or ':').
    static QString patternFromQtFormat(const QString &qtFormat, QChar separatorLetter, QString *separator);
};
