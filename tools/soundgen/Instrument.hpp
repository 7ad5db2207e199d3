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

// One note to play: when, for how long (the release included), at what pitch and level.
// A note with `glideTo` slides exponentially to that frequency over its length.
struct Note
{
    double start;
    double seconds;
    double frequency;
    double level;
    double glideTo = 0.0;
};

// A timbre: a few partials under one envelope. The attack and the release are raised-cosine
// ramps, so no note starts or stops with a click; between them the note holds (decay 0) or
// falls exponentially with the decay's time constant.
struct Instrument
{
    std::vector<Partial> partials;
    double attack;
    double decay;
    double release;
    double vibrato = 0.0; // depth as a fraction of the frequency, reached after a short while

    void play(Wave& wave, const Note& note) const;
};

// A burst of filtered noise: a band around `centre` hertz, under a short rise and an exponential
// fall. The noise is the same on every run.
struct Noise
{
    double centre;
    double width; // 0..1: narrow to broad
    double attack;
    double decay;

    void play(Wave& wave, double start, double seconds, double level) const;
};

// The MIDI number of a note named like "A4", "C#5" or "Bb3".
int noteNumber(const std::string& name);
// The frequency of a MIDI note number (equal temperament, A4 = 440 Hz).
double frequency(int note);
// The frequency of a named note.
double pitch(const std::string& name);

} // namespace soundgen
