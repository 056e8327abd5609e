#include "conversions.h"

#include "apperror.h"
#include "textfile.h"

#include <QCoreApplication>
#include <limits>

namespace Conversions {

int toInteger(const QString &text)
{
    const auto fail = [&text]() {
        return AppError(QCoreApplication::translate("Conversions", "'%1' is not a valid integer value")
                            .arg(TextFile::excerpt(text)));
    };
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        throw fail();
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c < u'0' || c > u'9')
            throw fail();
        value = value * 10 + (c.unicode() - u'0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            throw fail();
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        throw fail();
    return int(value);
}

QTime encodeTime(int hour, int minute, int second)
{
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        throw AppError(QCoreApplication::translate("Conversions", "Invalid argument to time encode"));
    return QTime(hour, minute, second);
}

QDate encodeDate(int year, int month, int day)
{
    if (year < 1 || year > 9999 || !QDate::isValid(year, month, day))
        throw AppError(QCoreApplication::translate("Conversions", "Invalid argument to date encode"));
    return QDate(year, month, day);
}

} // namespace Conversions
