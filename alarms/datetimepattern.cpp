#include "datetimepattern.h"

namespace DateTimePattern {

bool isTwelveHour(QStringView pattern)
{
    return pattern.contains(u"am/pm", Qt::CaseInsensitive) || pattern.contains(u"ampm", Qt::CaseInsensitive);
}

QList<PatternToken> tokenize(QStringView pattern)
{
    QList<PatternToken> tokens;
    const auto literal = [&tokens](const QString &text) {
        if (!tokens.isEmpty() && tokens.last().kind == PatternToken::Literal)
            tokens.last().text += text;
        else
            tokens.append({PatternToken::Literal, 0, false, text});
    };
    bool afterHour = false;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        const QChar lower = c.toLower();
        if (c == u'"' || c == u'\'') {
            const qsizetype end = pattern.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end;
            literal(pattern.mid(i + 1, stop - i - 1).toString());
            i = stop + 1;
            continue;
        }
        if (lower == u'a') {
            const QStringView rest = pattern.mid(i);
            if (rest.startsWith(u"am/pm", Qt::CaseInsensitive)) {
                tokens.append({PatternToken::AmPm, 5, c.isUpper(), {}});
                i += 5;
                continue;
            }
            if (rest.startsWith(u"ampm", Qt::CaseInsensitive)) {
                tokens.append({PatternToken::AmPmLocale, 4, false, {}});
                i += 4;
                continue;
            }
        }
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run].toLower() == lower)
            ++run;
        const int width = int(run);
        bool hour = false;
        switch (lower.unicode()) {
        case 'y':
            tokens.append({PatternToken::Year, width <= 2 ? 2 : 4, false, {}});
            break;
        case 'm':
            // Right after an hour, "m" and "mm" are minutes.
            if (afterHour && width <= 2)
                tokens.append({PatternToken::Minute, width, false, {}});
            else
                tokens.append({PatternToken::Month, qMin(width, 4), false, {}});
            break;
        case 'd':
            tokens.append({PatternToken::Day, qMin(width, 4), false, {}});
            break;
        case 'h':
            tokens.append({PatternToken::Hour, width >= 2 ? 2 : 1, false, {}});
            hour = true;
            break;
        case 'n':
            tokens.append({PatternToken::Minute, width >= 2 ? 2 : 1, false, {}});
            break;
        case 's':
            tokens.append({PatternToken::Second, width >= 2 ? 2 : 1, false, {}});
            break;
        case 'z':
            tokens.append({PatternToken::Millisecond, width >= 3 ? 3 : 1, false, {}});
            break;
        case '/':
            for (int k = 0; k < width; ++k)
                tokens.append({PatternToken::DateSeparator, 1, false, {}});
            i += run;
            continue; // separators don't end the "minutes after an hour" rule
        case ':':
            for (int k = 0; k < width; ++k)
                tokens.append({PatternToken::TimeSeparator, 1, false, {}});
            i += run;
            continue;
        default:
            literal(pattern.mid(i, run).toString());
            i += run;
            continue;
        }
        afterHour = hour;
        i += run;
    }
    return tokens;
}

} // namespace DateTimePattern
