#include "audibleguard.h"

AudibleGuard::~AudibleGuard() = default;

QString AudibleGuard::raisedNote(bool wasMuted, int percentBefore, int percentNow)
{
    if (wasMuted && percentBefore < percentNow)
        return QStringLiteral("The sound was off and at %1 %; it is on at %2 % for this alarm.")
            .arg(percentBefore)
            .arg(percentNow);
    if (wasMuted)
        return QStringLiteral("The sound was off; it is on for this alarm.");
    return QStringLiteral("The sound was at %1 %; it is at %2 % for this alarm.").arg(percentBefore).arg(percentNow);
}

QString AudibleGuard::ownSoundOnNote()
{
    return QStringLiteral("Chronelle's sound was off; it is on for this alarm.");
}

QString AudibleGuard::uncheckedNote(const QString &reason)
{
    return QStringLiteral("The sound could not be checked: %1.").arg(reason);
}

QString AudibleGuard::serverLostNote()
{
    return QStringLiteral("The sound server went away while the alarm rang.");
}
