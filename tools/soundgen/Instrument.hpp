#pragma once

#include "tools/soundgen/Wave.hpp"

#include <string>
#include <vector>

namespace soundgen
{

// One sine of a timbre: its frequency as a multiple of the note's, its level, and how much
// faster than the note it dies away (per second), so upper partials can fade first.
struct Partial
{
    double multiple;
    double level;
    double fade = 0.0;
};

// One note to play: when, for how long (the release included), at what pitch and level, and
// where (−1 left to 1 right, in a stereo wave). A note with `glideTo` slides exponentially to
// that frequency over its length.
struct Note
{
    double start;
    double seconds;
    double frequency;
    double level;
    double glideTo = 0.0;
    double pan = 0.0;
};

// A timbre: a few partials under one envelope. The attack and the release are raised-cosine
// ramps, so no note starts or stops with a click (an attack of a millisecond or less is struck);
// between them the note holds (decay 0) or falls exponentially with the decay's time constant.
struct Instrument
{
    std::vector<Partial> partials;
    double attack;
    double decay;
    double release;
    double vibrato = 0.0; // depth as a fraction of the frequency, reached after a short while

    void play(Wave& wave, const Note& note) const;
    // The first `count` harmonics falling as 1/n (a sawtooth), or the odd ones only as 1/n²
    // (a triangle), each upper one fading `fade` per second faster than the one below.
    static std::vector<Partial> sawtooth(int count, double fade = 0.0);
    static std::vector<Partial> triangle(int count, double fade = 0.0);
};

// A burst of noise in a band, under a raised-cosine rise and an exponential fall (decay 0
// holds). `low` is the high-pass corner and `high` the low-pass one, in hertz; 0 leaves that
// side open. The noise is the same on every run and differs from burst to burst.
struct Noise
{
    double low;
    double high;
    double attack;
    double decay;

    void play(Wave& wave, double start, double seconds, double level, double pan = 0.0) const;
};

// A struck drum: a sine body whose pitch falls fast from `from` to `to` hertz, a layer of noise
// in a band, and for cymbals a cluster of square waves at clashing ratios of `from` instead of
// the sine. Everything is struck at once and dies away exponentially.
struct Drum
{
    double from;
    double to;
    double sweep; // the time constant of the pitch's fall
    double bodyDecay;
    double bodyLevel;
    Noise noise;
    double noiseLevel;
    double metalLevel = 0.0;

    void play(Wave& wave, double start, double level, double pan = 0.0) const;
};

// The MIDI number of a note named like "A4", "C#5" or "Bb3".
int noteNumber(const std::string& name);
// The frequency of a MIDI note number (equal temperament, A4 = 440 Hz).
double frequency(int note);
// The frequency of a named note.
double pitch(const std::string& name);

} // namespace soundgen
