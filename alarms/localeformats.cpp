#include "localeformats.h"

namespace {

QString quoteLiteral(const QString &text)
{
    if (text.isEmpty())
        return {};
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"'\"'\""));
    return u'"' + quoted + u'"';
}

} // namespace

LocaleFormats LocaleFormats::usEnglish()
{
    LocaleFormats f = fromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    f.dateSeparator = QStringLiteral("/");
    f.timeSeparator = QStringLiteral(":");
    f.shortDateFormat = QStringLiteral("m/d/yyyy");
    f.longTimeFormat = QStringLiteral("h:nn:ss ampm");
    f.amText = QStringLiteral("AM");
    f.pmText = QStringLiteral("PM");
    return f;
}

LocaleFormats LocaleFormats::fromLocale(const QLocale &locale)
{
    LocaleFormats f;
    QString dateSeparator;
    QString timeSeparator;
    f.shortDateFormat = patternFromQtFormat(locale.dateFormat(QLocale::ShortFormat), u'/', &dateSeparator);
    f.longTimeFormat = patternFromQtFormat(locale.timeFormat(QLocale::LongFormat), u':', &timeSeparator);
    f.dateSeparator = dateSeparator.isEmpty() ? QStringLiteral("/") : dateSeparator;
    f.timeSeparator = timeSeparator.isEmpty() ? QStringLiteral(":") : timeSeparator;
    f.amText = locale.amText();
    f.pmText = locale.pmText();
    for (int i = 0; i < 7; ++i) {
        const int qtDay = i == 0 ? 7 : i; // Qt counts Monday = 1 ... Sunday = 7
        f.shortDayNames << locale.dayName(qtDay, QLocale::ShortFormat);
        f.longDayNames << locale.dayName(qtDay, QLocale::LongFormat);
    }
    for (int m = 1; m <= 12; ++m) {
        f.shortMonthNames << locale.monthName(m, QLocale::ShortFormat);
        f.longMonthNames << locale.monthName(m, QLocale::LongFormat);
    }
    return f;
}

QString LocaleFormats::patternFromQtFormat(const QString &qtFormat, QChar separatorLetter, QString *separator)
{
    QString out;
    QString literal;
    const auto flushLiteral = [&]() {
        out += quoteLiteral(literal);
        literal.clear();
    };
    const qsizetype n = qtFormat.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = qtFormat[i];
        qsizetype run = 1;
        while (i + run < n && qtFormat[i + run] == c)
            ++run;
        if (c == u'\'') {
            // Qt quoting: '' is a quote, 'text' is literal text.
            if (run >= 2) {
                literal += QString(run / 2, u'\'');
                i += run / 2 * 2;
                continue;
            }
            const qsizetype end = qtFormat.indexOf(u'\'', i + 1);
            const qsizetype stop = end < 0 ? n : end;
            literal += qtFormat.mid(i + 1, stop - i - 1);
            i = end < 0 ? n : end + 1;
            continue;
        }
        QString token;
        switch (c.unicode()) {
        case 'd':
            token = QString(qMin<qsizetype>(run, 4), u'd');
            break;
        case 'M':
            token = QString(qMin<qsizetype>(run, 4), u'm');
            break;
        case 'y':
            token = run >= 3 ? QStringLiteral("yyyy") : QStringLiteral("yy");
            break;
        case 'h':
        case 'H':
            token = run >= 2 ? QStringLiteral("hh") : QStringLiteral("h");
            break;
        case 'm':
            token = run >= 2 ? QStringLiteral("nn") : QStringLiteral("n");
            break;
        case 's':
            token = run >= 2 ? QStringLiteral("ss") : QStringLiteral("s");
            break;
        case 'z':
            token = run >= 3 ? QStringLiteral("zzz") : QStringLiteral("z");
            break;
        case 'A':
        case 'a':
            token = QStringLiteral("ampm");
            if (i + run < n && (qtFormat[i + run] == u'P' || qtFormat[i + run] == u'p'))
                ++run;
            break;
        case 't':
            // The time zone has no place in these texts; drop it with the space before it.
            if (literal.endsWith(u' '))
                literal.chop(1);
            i += run;
            continue;
        default:
            break;
        }
        if (!token.isEmpty()) {
            flushLiteral();
            out += token;
            i += run;
            continue;
        }
        // The first punctuation mark between fields is the separator; it is
        // printed through its pattern letter so that it follows the settings.
        if (!c.isLetterOrNumber() && !c.isSpace() && c != u',' && separator->isEmpty())
            *separator = QString(c);
        if (QString(c) == *separator) {
            flushLiteral();
            out += separatorLetter;
        } else {
            literal += c;
        }
        ++i;
    }
    // A trailing space left behind by a dropped zone is not part of the format.
    while (literal.endsWith(u' '))
        literal.chop(1);
    flushLiteral();
    return out;
}
