#include "localeformats.h"

#include "datetimepattern.h"

#include <algorithm>

namespace {

QString quoteLiteral(const QString &text)
{
    if (text.isEmpty())
        return {};
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"'\"'\""));
    return u'"' + quoted + u'"';
}

bool isPlainAscii(QChar c)
{
    return c.unicode() >= 0x20 && c.unicode() < 0x7F;
}

bool isPlainAscii(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return isPlainAscii(c); });
}

// Direction marks and other invisible format characters go, spacing becomes
// a space; what is left may still hold characters outside ASCII.
QString withoutInvisibles(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Format)
            continue;
        out += c.isSpace() ? QChar(u' ') : c;
    }
    return out;
}

// The pattern letters that print a token again.
QString patternOf(const PatternToken &token)
{
    switch (token.kind) {
    case PatternToken::Literal:
        return quoteLiteral(token.text);
    case PatternToken::Year:
        return QString(token.width, u'y');
    case PatternToken::Month:
        return QString(token.width, u'm');
    case PatternToken::Day:
        return QString(token.width, u'd');
    case PatternToken::Hour:
        return QString(token.width, u'h');
    case PatternToken::Minute:
        return QString(token.width, u'n');
    case PatternToken::Second:
        return QString(token.width, u's');
    case PatternToken::Millisecond:
        return QString(token.width, u'z');
    case PatternToken::AmPm:
        return token.upper ? QStringLiteral("AM/PM") : QStringLiteral("am/pm");
    case PatternToken::AmPmLocale:
        return QStringLiteral("ampm");
    case PatternToken::DateSeparator:
        return QStringLiteral("/");
    case PatternToken::TimeSeparator:
        return QStringLiteral(":");
    }
    return {};
}

// A format with nothing but ASCII text between its fields: a text that
// holds anything else becomes the separator letter between two fields and
// goes at either end.
QString plainAsciiPattern(const QString &pattern, const QString &separatorLetter)
{
    const QList<PatternToken> tokens = DateTimePattern::tokenize(pattern);
    QString out;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind != PatternToken::Literal) {
            out += patternOf(tokens[i]);
            continue;
        }
        const QString text = withoutInvisibles(tokens[i].text);
        if (isPlainAscii(text))
            out += quoteLiteral(text);
        else if (i > 0 && i + 1 < tokens.size())
            out += separatorLetter;
    }
    return out;
}

// Two digits each of day, month and year, in the order the format has them.
QString numericDateFormatOf(const QString &shortDatePattern)
{
    QList<PatternToken::Kind> order;
    for (const PatternToken &token : DateTimePattern::tokenize(shortDatePattern)) {
        const bool field =
            token.kind == PatternToken::Day || token.kind == PatternToken::Month || token.kind == PatternToken::Year;
        if (field && !order.contains(token.kind))
            order << token.kind;
    }
    if (order.size() != 3)
        return QStringLiteral("mm/dd/yy");
    QStringList fields;
    for (const PatternToken::Kind kind : order)
        fields << (kind == PatternToken::Day     ? QStringLiteral("dd")
                   : kind == PatternToken::Month ? QStringLiteral("mm")
                                                 : QStringLiteral("yy"));
    return fields.join(u'/');
}

} // namespace

LocaleFormats LocaleFormats::plainAscii() const
{
    LocaleFormats f = *this;
    const auto plain = [](const QString &text, const QString &otherwise) {
        const QString visible = withoutInvisibles(text);
        return !visible.isEmpty() && isPlainAscii(visible) ? visible : otherwise;
    };
    f.dateSeparator = plain(dateSeparator, QStringLiteral("/"));
    f.timeSeparator = plain(timeSeparator, QStringLiteral(":"));
    f.amText = plain(amText, QStringLiteral("AM"));
    f.pmText = plain(pmText, QStringLiteral("PM"));
    f.shortDateFormat = plainAsciiPattern(shortDateFormat, QStringLiteral("/"));
    f.longTimeFormat = plainAsciiPattern(longTimeFormat, QStringLiteral(":"));
    return f;
}

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
    // No locale chosen at all ("C") is no wish for another order: the design's stays.
    if (locale.language() != QLocale::C)
        f.numericDateFormat = numericDateFormatOf(f.shortDateFormat);
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
        if (!c.isLetterOrNumber() && !c.isSpace() && c != u',' && c.category() != QChar::Other_Format &&
            separator->isEmpty())
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
