#pragma once

#include "tools/soundgen/Instrument.hpp"
#include "tools/soundgen/Wave.hpp"

#include <array>
#include <string>
#include <vector>

namespace soundgen
{

// A piece in bars of four beats at a steady tempo, with its parts written as short text: chords
// by name ("C", "Am", "F#m"), melodies as pitch:beats words ("E5:2 G5:1 r:1", r for a rest).
class Score
{
public:
    explicit Score(double beatsPerMinute);

    double beat() const { return m_beat; }
    double bar() const { return 4.0 * m_beat; }

    // Plays a melody from the start of `firstBar`; each note lasts its beats times `legato`.
    void melody(Wave& wave, const Instrument& instrument, double firstBar, const std::string& text,
                double level, double legato, double pan = 0.0) const;

    // The chord's three notes as MIDI numbers, root, third and fifth, the root in octave 4.
    static std::array<int, 3> triad(const std::string& name);
    // `note` moved by octaves into the twelve semitones from `lowest` up.
    static int into(int note, int lowest);
    // The words of a text, split at spaces.
    static std::vector<std::string> words(const std::string& text);

private:
    double m_beat;
};

} // namespace soundgen
