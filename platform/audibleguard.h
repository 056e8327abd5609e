#pragma once

#include <QObject>
#include <QString>

// Keeps a ringing alarm audible. While engaged, the desktop's default sound
// output is on and at least at a floor level, and this program's own sound is
// on; release() puts back exactly what engage() changed, except where the
// user has changed it since: that is theirs to keep. A sound server that
// can't be reached changes nothing: the alarm rings as it would anyway, and
// the guard says that the sound could not be checked.
//
// Promises of every implementation:
// - engage() and release() never throw and never wait for the sound server:
//   the work goes on on the event loop, in the order asked, and settled()
//   comes once the server has answered all of it or short waits have run
//   out, so a hung server holds up nothing else. release() on a guard that
//   is not engaged does nothing. A guard destroyed before it has settled
//   finishes its work first, waiting briefly, so a program that ends right
//   after a release leaves nothing changed.
// - Whatever the user should know (the sound was off and is on for this
//   alarm, it could not be checked, the server went away) is said through
//   note(), each fact once per engagement, never from inside engage() or
//   release(): a handler may call them again.
class AudibleGuard : public QObject
{
    Q_OBJECT

public:
    // Below this level (in the sound server's percent) an alarm counts as too quiet.
    static constexpr int floorPercent = 30;

    using QObject::QObject;
    ~AudibleGuard() override;

    // The guard on this desktop's sound server. Defined with the backend.
    static AudibleGuard *create(QObject *parent);

    virtual void engage() = 0;
    virtual void release() = 0;
    // What was asked last, whether or not the server has done it yet.
    virtual bool engaged() const = 0;
    // Nothing asked is still waiting for the server.
    virtual bool isSettled() const { return true; }

    // The texts of note(), shared by every implementation.
    static QString raisedNote(bool wasMuted, int percentBefore, int percentNow);
    static QString ownSoundOnNote();
    static QString uncheckedNote(const QString &reason);
    static QString serverLostNote();

signals:
    void note(const QString &text);
    // All that was asked has been done, or given up; never from inside engage() or release().
    void settled();
};
