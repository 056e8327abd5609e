#include "logindresumewatcher.h"

#include <QDBusError>
#include <cstdio>

LogindResumeWatcher::LogindResumeWatcher(QDBusConnection systemBus, QObject *parent) : ClockJumpSource(parent)
{
    // A match rule only: logind is not started or asked anything until it signals.
    m_watching = systemBus.isConnected() &&
                 systemBus.connect(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                                   QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
                                   this, SLOT(prepareForSleep(bool)));
    if (!m_watching) {
        const QString reason =
            systemBus.lastError().isValid() ? systemBus.lastError().message() : QStringLiteral("no system bus");
        std::fprintf(stderr, "chronelle: the end of a suspend can't be noticed at once (%s)\n", qPrintable(reason));
    }
}

void LogindResumeWatcher::prepareForSleep(bool start)
{
    if (!start)
        emit clockMayHaveJumped();
}
