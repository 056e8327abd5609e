// Writes Chronelle's four built-in alarm sounds into the folder named on the
// command line. The build runs it so that the sounds are made from this source
// and nothing else; their names and order are those the alarm files refer to
// by number (0 start.wav, 1 ringout.wav, 2 ringin.wav, 3 recycle.wav).
//
// Every sound is a few seconds long and is looped by the ringing window, so
// each one starts from silence and ends in exact silence: the seam of the loop
// has no click, and the quiet tail is the pause between repeats. All are
// normalised to the same peak a little below full scale, so none clips and
// none is much louder than the others.

#include "synth.h"
#include "wavfile.h"

#include <exception>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>

namespace {

using soundgen::Partial;
using soundgen::Signal;
using soundgen::Timbre;

constexpr double peakDbfs = -1.0;

// Equal-tempered pitches used below (A4 = 440 Hz).
constexpr double G4 = 392.00;
constexpr double B4 = 493.88;
constexpr double C5 = 523.25;
constexpr double D5 = 587.33;
constexpr double E5 = 659.26;
constexpr double G5 = 783.99;
constexpr double C6 = 1046.50;
constexpr double E6 = 1318.51;

// "Sound 1": a rising chime, C major arpeggio C5 E5 G5 C6 on a celesta-like
// bar whose slightly detuned twin partial gives a slow shimmer.
Signal risingChime()
{
    const Timbre chime{
        {1.0, 1.0, 0.9}, {1.003, 0.25, 0.9}, {2.0, 0.30, 0.35}, {3.0, 0.10, 0.20}, {4.16, 0.05, 0.10},
    };
    Signal signal(3.6);
    const double notes[] = {C5, E5, G5, C6};
    double start = 0.02;
    for (double note : notes) {
        signal.addStrike(start, note, chime, 1.0);
        start += 0.28;
    }
    // The top note again with the fifth below it: the phrase closes on a chord.
    signal.addStrike(1.30, C6, chime, 0.8);
    signal.addStrike(1.30, G5, chime, 0.5);
    signal.fadeOut(1.0);
    return signal;
}

// "Sound 2": a classic telephone-style double ring. A hammer strikes two small
// bells (A5 and C#6, a major third apart) alternately, fourteen times a second
// each, in two bursts of about 0.4 s with 0.2 s between; the bells then ring
// out. The inharmonic partials are those of a small bell, kept quiet enough
// not to sound harsh.
Signal doubleBellRing()
{
    const Timbre bell{
        {1.0, 1.0, 0.30},
        {2.32, 0.30, 0.12},
        {4.25, 0.10, 0.05},
        {6.63, 0.04, 0.03},
    };
    constexpr double lowBell = 880.00;
    constexpr double highBell = 1108.73;
    constexpr double strikeInterval = 1.0 / 28.0;
    Signal signal(3.0);
    for (double burst : {0.02, 0.62}) {
        for (int strike = 0; strike < 12; ++strike) {
            const double at = burst + strike * strikeInterval;
            signal.addStrike(at, strike % 2 == 0 ? lowBell : highBell, bell, 0.35, 0.0015);
        }
    }
    signal.fadeOut(0.6);
    return signal;
}

// "Sound 3": a soft marimba pattern in G major pentatonic. A marimba bar is
// tuned so that its first overtone is two octaves up (ratio 4) and the next
// near ratio 10; both die away much faster than the fundamental, which gives
// the mellow, woody knock.
Signal marimbaPattern()
{
    const Timbre marimba{
        {1.0, 1.0, 0.42},
        {3.93, 0.22, 0.08},
        {9.2, 0.05, 0.025},
    };
    struct Note
    {
        double at;
        double frequency;
        double gain;
    };
    const Note phrase[] = {
        {0.02, G4, 1.0}, {0.20, B4, 0.8}, {0.38, D5, 0.85}, {0.56, G5, 0.9}, {0.92, E5, 0.9},
        {1.10, D5, 0.8}, {1.28, B4, 0.8}, {1.46, D5, 0.85}, {1.82, G5, 0.8}, {1.82, B4, 0.6},
    };
    Signal signal(3.2);
    for (const Note &note : phrase)
        signal.addStrike(note.at, note.frequency, marimba, note.gain, 0.003);
    signal.fadeOut(0.8);
    return signal;
}

// "Sound 4": a gentle digital beep pattern: pairs of short sine beeps (C6
// then E6) with a faint second and third harmonic, two pairs, a pause, two
// pairs again. Ramps of 10 ms keep the beeps round rather than clicky.
Signal digitalBeeps()
{
    const Timbre beep{{1.0, 1.0, 0.35}, {2.0, 0.08, 0.2}, {3.0, 0.03, 0.1}};
    constexpr double length = 0.09;
    constexpr double ramp = 0.01;
    Signal signal(2.6);
    for (double group : {0.02, 1.10}) {
        for (double pair : {0.0, 0.40}) {
            signal.addTone(group + pair, length, C6, beep, 1.0, ramp);
            signal.addTone(group + pair + 0.13, length, E6, beep, 1.0, ramp);
        }
    }
    signal.fadeOut(0.3);
    return signal;
}

struct Sound
{
    const char *fileName;
    std::function<Signal()> make;
};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: " << (argc > 0 ? argv[0] : "chronelle_soundgen") << " <output folder>\n";
        return 2;
    }
    const Sound sounds[] = {
        {"start.wav", risingChime},
        {"ringout.wav", doubleBellRing},
        {"ringin.wav", marimbaPattern},
        {"recycle.wav", digitalBeeps},
    };
    try {
        const std::filesystem::path folder(argv[1]);
        std::filesystem::create_directories(folder);
        for (const Sound &sound : sounds) {
            Signal signal = sound.make();
            signal.normalise(peakDbfs);
            soundgen::writeWave(folder / sound.fileName, signal.toPcm16(), soundgen::sampleRate);
        }
    } catch (const std::exception &error) {
        std::cerr << "chronelle_soundgen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
