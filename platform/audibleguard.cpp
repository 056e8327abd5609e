#include "audibleguard.h"

#include <QCoreApplication>

AudibleGuard::~AudibleGuard() = default;

QString AudibleGuard::raisedNote(bool wasMuted, int percentBefore, int percentNow)
{
    if (wasMuted && percentBefore < percentNow)
        return QCoreApplication::translate("AudibleGuard",
                                           "The sound was off and at %1 %; it is on at %2 % for this alarm.")
            .arg(percentBefore)
            .arg(percentNow);
    if (wasMuted)
        return QCoreApplication::translate("AudibleGuard", "The sound was off; it is on for this alarm.");
    return QCoreApplication::translate("AudibleGuard", "The sound was at %1 %; it is at %2 % for this alarm.")
        .arg(percentBefore)
        .arg(percentNow);
}

QString AudibleGuard::ownSoundOnNote()
{
    return QCoreApplication::translate("AudibleGuard", "Chronelle's sound was off; it is on for this alarm.");
}

QString AudibleGuard::uncheckedNote(const QString &reason)
{
    return QCoreApplication::translate("AudibleGuard", "The sound could not be checked: %1.").arg(reason);
}

QString AudibleGuard::serverLostNote()
{
    return QCoreApplication::translate("AudibleGuard", "The sound server went away while the alarm rang.");
}
