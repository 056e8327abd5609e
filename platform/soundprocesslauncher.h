#pragma once

#include <QObject>
#include <QString>

class QProcess;

// Starts the sound processes of ChildMediaPlayer, and keeps at most one
// started ahead of need: prepare() starts it a few seconds before an alarm
// and has it open the alarm's first sound, decoded up to its first sample,
// so that the next player that opens that file finds it ready. A spare plays
// only when told to (playSpare()).
class SoundProcessLauncher final : public QObject
{
    Q_OBJECT

public:
    // The sound process of a program whose executable is in
    // executableFolder: beside it, or where an install puts it. Empty when
    // there is none.
    static QString find(const QString &executableFolder);

    explicit SoundProcessLauncher(const QString &program, QObject *parent = nullptr);
    ~SoundProcessLauncher() override;

    const QString &program() const { return m_program; }
    bool available() const { return !m_program.isEmpty(); }

    // A started process with `file` opened in it, at the level given.
    void prepare(const QString &file, quint32 packedLevel);
    // Starts the spare's file playing (a ringing due now); its player takes
    // it over with an open of the same file and a play.
    void playSpare();
    // Ends the spare, if there is one.
    void dropSpare();
    bool hasSpare() const { return m_spare != nullptr; }

    // The spare, or a newly started process; the caller owns it.
    QProcess *take();

private:
    QProcess *launch();

    QString m_program;
    QProcess *m_spare = nullptr;
};
