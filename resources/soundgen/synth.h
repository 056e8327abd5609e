#pragma once

#include <cstdint>
#include <vector>

// Additive synthesis for short alarm sounds. A Signal is a mono buffer of
// floating-point samples to which struck notes (bells, chimes, mallets) and
// held tones (beeps) are added; it is then faded to silence, normalised and
// quantised to 16-bit PCM. Everything is deterministic, so every build gives
// the same files.
namespace soundgen {

inline constexpr int sampleRate = 44100;

// One sinusoidal component of a note, relative to the note's frequency.
struct Partial
{
    double ratio;     // frequency as a multiple of the note's frequency
    double amplitude; // linear, relative to the other partials
    double decay;     // exponential time constant in seconds; 0 holds the level
};

using Timbre = std::vector<Partial>;

class Signal final
{
public:
    explicit Signal(double seconds);

    // A struck note from `start` (seconds): every partial rises over `attack`
    // seconds along a raised cosine, then dies away with its own decay.
    void addStrike(double start, double frequency, const Timbre &timbre, double gain, double attack = 0.004);

    // A held tone of `length` seconds with raised-cosine ramps of `ramp`
    // seconds at both ends, so it starts and stops without a click.
    void addTone(double start, double length, double frequency, const Timbre &timbre, double gain, double ramp);

    // Brings the last `seconds` down to exact silence along a raised cosine.
    void fadeOut(double seconds);

    // Largest absolute sample value.
    double peak() const;

    // Scales the signal so that its peak lies at `dbfs` (negative) of full scale.
    void normalise(double dbfs);

    // Rounded to 16-bit; values are clamped, although a normalised signal
    // never needs it.
    std::vector<std::int16_t> toPcm16() const;

    std::size_t size() const { return m_samples.size(); }

private:
    std::vector<double> m_samples;
};

} // namespace soundgen
