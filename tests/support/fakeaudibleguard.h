#pragma once

#include "audibleguard.h"

#include <QStringList>

// A guard that touches no sound server: it writes "engage" and "release" to
// the test's log when its state really changes, and says the test's note
// after each engagement, as the real one would. It is settled unless the
// test holds it.
class FakeAudibleGuard final : public AudibleGuard
{
public:
    FakeAudibleGuard(QObject *parent, QStringList &log, const QString &noteOnEngage)
        : AudibleGuard(parent), m_log(log), m_noteOnEngage(noteOnEngage)
    {
    }
    ~FakeAudibleGuard() override
    {
        if (m_engaged)
            m_log << QStringLiteral("destroyed while engaged");
    }

    void engage() override
    {
        if (m_engaged)
            return;
        m_engaged = true;
        m_log << QStringLiteral("engage");
        if (!m_noteOnEngage.isEmpty())
            QMetaObject::invokeMethod(
                this, [this]() { emit note(m_noteOnEngage); }, Qt::QueuedConnection);
    }
    void release() override
    {
        if (!m_engaged)
            return;
        m_engaged = false;
        m_log << QStringLiteral("release");
    }
    bool engaged() const override { return m_engaged; }
    bool isSettled() const override { return !m_held; }

    // The sound server has not answered yet: settled() comes with settle().
    void hold() { m_held = true; }
    void settle()
    {
        m_held = false;
        emit settled();
    }

private:
    QStringList &m_log;
    QString m_noteOnEngage;
    bool m_engaged = false;
    bool m_held = false;
};
