#pragma once

#include <QObject>

// The program's output level, made once at start and handed to whatever
// plays or sets it: one level L in 0..255 for both channels, which every
// player of the program applies as its linear output volume L / 255.
// The system's master volume is never touched.
//
// The level is read and written in the packed form (L shl 24) or (L shl 8):
// low word left channel, high word right, each L × 256, so full level is
// 0xFF00FF00. A packed value read with packed() and written back with
// setPacked() restores exactly what was there, whatever its form, which is how
// a window saves the level when it opens and restores it when it closes.
class OutputLevel final : public QObject
{
    Q_OBJECT

public:
    static constexpr int maxLevel = 255;

    // Full level at first.
    explicit OutputLevel(QObject *parent = nullptr);

    static quint32 pack(int level);
    // The louder channel decides: a player has one volume for both.
    static int levelOf(quint32 packed);

    quint32 packed() const { return m_packed; }
    void setPacked(quint32 packed);

    int level() const { return levelOf(m_packed); }
    // Values outside 0..255 are moved to the nearest end.
    void setLevel(int level);

    // The linear volume 0..1 that the players apply.
    float volume() const;

signals:
    void volumeChanged(float volume);

private:
    quint32 m_packed;
};
