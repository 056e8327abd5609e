#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace soundgen {

namespace {

constexpr double twoPi = 2.0 * std::numbers::pi;

// Partials above this are left out: they would alias, and such high
// components only make an alarm shrill.
constexpr double highestFrequency = 0.42 * sampleRate;

// A struck partial is cut once it has decayed below this level (-100 dB);
// the rest would round to zero in 16 bits anyway.
constexpr double inaudible = 1e-5;

std::size_t toIndex(double seconds)
{
    return static_cast<std::size_t>(std::max(0.0, std::round(seconds * sampleRate)));
}

// 0 at x <= 0, 1 at x >= 1, a smooth S-curve between: the shape of every
// ramp, since a ramp with a smooth start and end has no spectral splatter.
double raisedCosine(double x)
{
    if (x <= 0.0)
        return 0.0;
    if (x >= 1.0)
        return 1.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

} // namespace

Signal::Signal(double seconds) : m_samples(toIndex(seconds), 0.0) {}

void Signal::addStrike(double start, double frequency, const Timbre &timbre, double gain, double attack)
{
    const std::size_t first = toIndex(start);
    for (const Partial &partial : timbre) {
        const double f = frequency * partial.ratio;
        if (f >= highestFrequency)
            continue;
        // The phase runs from time zero of the whole signal, not of the note:
        // a bell struck again while still ringing then reinforces itself
        // instead of partly cancelling, as a real bell does.
        const double omega = twoPi * f / sampleRate;
        std::size_t last = m_samples.size();
        if (partial.decay > 0.0)
            last = std::min(last, first + toIndex(-std::log(inaudible) * partial.decay));
        for (std::size_t i = first; i < last; ++i) {
            const double t = static_cast<double>(i - first) / sampleRate;
            double envelope = partial.amplitude * raisedCosine(t / attack);
            if (partial.decay > 0.0)
                envelope *= std::exp(-t / partial.decay);
            m_samples[i] += gain * envelope * std::sin(omega * static_cast<double>(i));
        }
    }
}

void Signal::addTone(double start, double length, double frequency, const Timbre &timbre, double gain, double ramp)
{
    const std::size_t first = toIndex(start);
    const std::size_t last = std::min(m_samples.size(), first + toIndex(length));
    for (const Partial &partial : timbre) {
        const double f = frequency * partial.ratio;
        if (f >= highestFrequency)
            continue;
        const double omega = twoPi * f / sampleRate;
        for (std::size_t i = first; i < last; ++i) {
            const double t = static_cast<double>(i - first) / sampleRate;
            const double remaining = length - t;
            double envelope = partial.amplitude * raisedCosine(t / ramp) * raisedCosine(remaining / ramp);
            if (partial.decay > 0.0)
                envelope *= std::exp(-t / partial.decay);
            // A tone starts at phase zero, so its first sample is exactly silent.
            m_samples[i] += gain * envelope * std::sin(omega * static_cast<double>(i - first));
        }
    }
}

void Signal::fadeOut(double seconds)
{
    const std::size_t length = std::min(m_samples.size(), toIndex(seconds));
    const std::size_t first = m_samples.size() - length;
    for (std::size_t i = first; i < m_samples.size(); ++i) {
        // The last sample gets weight zero: a looping player meets silence at
        // the seam on both sides.
        const double remaining = static_cast<double>(m_samples.size() - 1 - i) / static_cast<double>(length);
        m_samples[i] *= raisedCosine(remaining);
    }
}

double Signal::peak() const
{
    double result = 0.0;
    for (double sample : m_samples)
        result = std::max(result, std::abs(sample));
    return result;
}

void Signal::normalise(double dbfs)
{
    const double current = peak();
    if (current <= 0.0)
        return;
    const double factor = std::pow(10.0, dbfs / 20.0) / current;
    for (double &sample : m_samples)
        sample *= factor;
}

std::vector<std::int16_t> Signal::toPcm16() const
{
    std::vector<std::int16_t> pcm;
    pcm.reserve(m_samples.size());
    for (double sample : m_samples) {
        const double scaled = std::clamp(std::round(sample * 32767.0), -32767.0, 32767.0);
        pcm.push_back(static_cast<std::int16_t>(scaled));
    }
    return pcm;
}

} // namespace soundgen
