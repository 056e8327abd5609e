#pragma once

#include <QByteArray>
#include <ctime>

// Puts the process into another time zone for the life of the object.
class ScopedTimeZone final
{
public:
    explicit ScopedTimeZone(const char *zone) : m_old(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        ::tzset();
    }
    ~ScopedTimeZone()
    {
        qputenv("TZ", m_old);
        ::tzset();
    }
    ScopedTimeZone(const ScopedTimeZone &) = delete;
    ScopedTimeZone &operator=(const ScopedTimeZone &) = delete;

private:
    QByteArray m_old;
};
