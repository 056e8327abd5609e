#include "systemclockjumps.h"

#include "logindresumewatcher.h"
#include "wallclockwatcher.h"

std::unique_ptr<ClockJumpSource> createSystemClockJumpSource()
{
    auto any = std::make_unique<ClockJumpSource>();
    const ClockJumpSource *watchers[] = {new WallClockWatcher(QStringLiteral("/etc/localtime"), any.get()),
                                         new LogindResumeWatcher(QDBusConnection::systemBus(), any.get())};
    for (const ClockJumpSource *watcher : watchers)
        QObject::connect(watcher, &ClockJumpSource::clockMayHaveJumped, any.get(),
                         &ClockJumpSource::clockMayHaveJumped);
    return any;
}
