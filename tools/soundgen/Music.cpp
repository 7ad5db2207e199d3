#include "tools/soundgen/Music.hpp"

#include "tools/soundgen/Instrument.hpp"
#include "tools/soundgen/Score.hpp"

#include <string>
#include <vector>

namespace soundgen
{

namespace
{

// A slow, warm chord bed: two sines a hair apart beat gently against each other.
const Instrument Pad{{{1.0, 1.0}, {1.003, 0.7}, {2.0, 0.12}}, 0.5, 0.0, 0.9};
// A soft electric piano: the octave and twelfth fade first, the note rings on.
const Instrument Piano{{{1.0, 1.0}, {2.0, 0.3, 4.0}, {3.0, 0.1, 8.0}}, 0.004, 0.5, 0.08};
// A round bass, with enough of its octave to be heard on small speakers.
const Instrument Bass{{{1.0, 1.0}, {2.0, 0.5, 3.0}}, 0.01, 0.7, 0.08};
// A flute-like lead with a slow vibrato.
const Instrument Flute{{{1.0, 1.0}, {2.0, 0.12}, {3.0, 0.04}}, 0.06, 2.5, 0.12, 0.004};
// A plucked bass for the game's pulse.
const Instrument Pluck{{{1.0, 1.0}, {2.0, 0.4, 8.0}, {3.0, 0.15, 12.0}}, 0.005, 0.18, 0.04};
// A small marimba: the partial near four times the note is what wooden bars have.
const Instrument Marimba{{{1.0, 1.0}, {3.93, 0.2, 25.0}}, 0.002, 0.25, 0.05};
// A mellow lead, a triangle wave's first three partials.
const Instrument Lead{{{1.0, 1.0}, {3.0, 0.11}, {5.0, 0.04}}, 0.02, 1.5, 0.08, 0.004};
const Instrument Kick{{{1.0, 1.0}}, 0.002, 0.1, 0.05};
const Noise Shaker{2800.0, 0.5, 0.004, 0.02};
const Noise Snare{1600.0, 0.7, 0.002, 0.05};

// The pad's chord in the octave from G3 up, so that it moves by small steps between chords.
void chordBed(Wave& wave, const Score& score, int bar, const std::array<int, 3>& triad,
              double level)
{
    for (const int note : triad)
        Pad.play(wave,
                 {bar * score.bar(), score.bar() + 0.9, frequency(Score::into(note, 55)), level});
}

} // namespace

Wave menuMusic()
{
    // C major at an easy 76 beats a minute: a first strain, a second one, and the first again
    // with a new tune; 24 bars, 76 seconds.
    const Score score(76.0);
    const std::vector<std::string> chords = Score::words("C Am F G C Am Dm G "
                                                         "F G Em Am Dm G C G "
                                                         "C Am F G C Am Dm G");
    Wave mix(static_cast<double>(chords.size()) * score.bar(), true);
    for (std::size_t i = 0; i < chords.size(); ++i)
    {
        const int bar = static_cast<int>(i);
        const std::array<int, 3> triad = Score::triad(chords[i]);
        chordBed(mix, score, bar, triad, 0.10);
        // The bass on the first and third beats: root, then the fifth below or the root again.
        const int root = Score::into(triad[0], 40);
        const double start = bar * score.bar();
        Bass.play(mix, {start, 2.0 * score.beat() + 0.2, frequency(root), 0.5});
        Bass.play(mix, {start + 2.0 * score.beat(), 2.0 * score.beat() + 0.2,
                        frequency(bar % 2 == 0 ? root - 5 : root), 0.4});
        // Broken chords in eighths: root, fifth, tenth, fifth, climbing to the octave at the end.
        const int low = Score::into(triad[0], 53);
        const int tenth = 12 + triad[1] - triad[0];
        const int steps[8] = {0, 7, tenth, 7, 0, 7, tenth, 12};
        for (int e = 0; e < 8; ++e)
            Piano.play(mix, {start + e * score.beat() / 2.0, 0.7, frequency(low + steps[e]),
                             e % 2 == 0 ? 0.16 : 0.11});
    }
    Wave tune(static_cast<double>(chords.size()) * score.bar(), true);
    score.melody(tune, Flute, 0,
                 "E5:2 G5:2  A5:3 G5:1  F5:2 E5:1 C5:1  D5:4 "
                 "E5:2 G5:2  C6:2 B5:1 A5:1  A5:2 F5:2  G5:3 r:1",
                 0.32, 0.98);
    score.melody(tune, Flute, 8,
                 "A5:1 C6:1 A5:1 G5:1  G5:1.5 F5:0.5 D5:2  E5:1 G5:1 B5:1 G5:1  A5:3 E5:1 "
                 "F5:1 A5:1 D6:1 C6:1  B5:2 G5:2  C6:1 B5:0.5 A5:0.5 G5:2  D5:1 E5:1 F5:1 D5:1",
                 0.32, 0.95);
    score.melody(tune, Flute, 16,
                 "E5:1 D5:1 E5:1 G5:1  A5:2 C6:1 A5:1  G5:1 F5:1 E5:1 C5:1  D5:3 r:1 "
                 "E5:1 G5:1 C6:1 G5:1  A5:2 E5:2  F5:1 E5:1 D5:1 F5:1  B4:2 D5:2",
                 0.32, 0.95);
    // The tune answers itself a dotted eighth later, softly.
    tune.echo(0.75 * score.beat(), 0.3);
    mix.mix(tune, 1.0);
    mix.lowPass(5000.0);
    mix.normalise(0.5);
    return mix;
}

Wave gameMusic()
{
    // A minor at 112 beats a minute, with a pulse to play against: a groove alone, then two
    // tunes over it, then the first strain with a third; 32 bars, 69 seconds.
    const Score score(112.0);
    const std::vector<std::string> chords = Score::words("Am F C G Am F C G "
                                                         "Dm Am F E Dm Am F E "
                                                         "F G Em Am F G E E "
                                                         "Am F C G Am F E E");
    Wave mix(static_cast<double>(chords.size()) * score.bar(), true);
    for (std::size_t i = 0; i < chords.size(); ++i)
    {
        const int bar = static_cast<int>(i);
        const std::array<int, 3> triad = Score::triad(chords[i]);
        const double start = bar * score.bar();
        const double eighth = score.beat() / 2.0;
        chordBed(mix, score, bar, triad, 0.06);
        const int root = Score::into(triad[0], 40);
        for (int e = 0; e < 8; ++e)
        {
            const double at = start + e * eighth;
            // The bass pulses in eighths, jumping to the octave on the off-beats of 2 and 4.
            Pluck.play(mix, {at, eighth + 0.05, frequency(root + (e == 3 || e == 7 ? 12 : 0)),
                             e % 2 == 0 ? 0.5 : 0.38});
            // The marimba walks up and down the chord.
            const int walk[8] = {0, 1, 2, 1, 0, 1, 2, 1};
            const int note = Score::into(triad[static_cast<std::size_t>(walk[e])], 64);
            Marimba.play(mix, {at, 0.4, frequency(note), e % 2 == 0 ? 0.2 : 0.14});
            if (e % 2 == 1)
                Shaker.play(mix, at, 0.08, 0.05);
        }
        for (int b = 0; b < 4; ++b)
        {
            const double at = start + b * score.beat();
            if (b % 2 == 0)
                Kick.play(mix, {at, 0.3, 130.0, 0.55, 55.0});
            else
                Snare.play(mix, at, 0.18, 0.16);
        }
    }
    Wave tune(static_cast<double>(chords.size()) * score.bar(), true);
    score.melody(tune, Lead, 8,
                 "A4:1 D5:1 F5:1 E5:1  E5:2 C5:1 A4:1  C5:1 F5:1 A5:1 G5:1  G#5:3 E5:1 "
                 "F5:1 E5:1 D5:1 F5:1  E5:1.5 C5:0.5 A4:2  A4:1 C5:1 F5:1 E5:1  E5:2 D5:1 B4:1",
                 0.3, 0.9);
    score.melody(tune, Lead, 16,
                 "C5:1 A4:1 C5:1 F5:1  D5:1 B4:1 D5:1 G5:1  E5:1 G5:1 B5:1 G5:1  A5:2 E5:2 "
                 "F5:1 E5:1 F5:1 A5:1  G5:1 F5:1 G5:1 B5:1  B5:2 G#5:2  E5:3 r:1",
                 0.3, 0.9);
    score.melody(tune, Lead, 24,
                 "E5:1 A5:1 C6:1 B5:1  A5:2 F5:2  G5:1 E5:1 C5:1 E5:1  D5:2 G5:2 "
                 "C6:1 B5:1 A5:1 E5:1  F5:1 A5:1 C6:1 A5:1  B5:2 G#5:2  E5:2 r:2",
                 0.3, 0.9);
    tune.echo(0.75 * score.beat(), 0.22);
    mix.mix(tune, 1.0);
    mix.lowPass(5000.0);
    mix.normalise(0.5);
    return mix;
}

} // namespace soundgen
