#include "tools/soundgen/Music.hpp"

#include "tools/soundgen/Instrument.hpp"
#include "tools/soundgen/Score.hpp"

#include <cstdlib>
#include <string>
#include <vector>

namespace soundgen
{

namespace
{

// Both tracks sit at the loudness a player's other music has, with room under full scale for
// the encoder's ripple.
constexpr double TrackLoudness = -16.0;
constexpr double TrackCeiling = 0.84;

// A slow, warm chord bed, one voice each side, a hair apart so that they beat gently.
const Instrument PadLeft{{{1.0, 1.0}, {2.0, 0.12}}, 0.5, 0.0, 0.9};
const Instrument PadRight{{{1.003, 1.0}, {2.006, 0.12}}, 0.5, 0.0, 0.9};
// A soft electric piano: the octave and twelfth fade first, the note rings on.
const Instrument Piano{{{1.0, 1.0}, {2.0, 0.3, 4.0}, {3.0, 0.1, 8.0}}, 0.004, 0.5, 0.08};
// A round bass, with enough of its octave to be heard on small speakers.
const Instrument Bass{{{1.0, 1.0}, {2.0, 0.5, 3.0}}, 0.01, 0.7, 0.08};
// A flute-like lead with a slow vibrato, its upper partials giving it the edge of breath.
const Instrument Flute{{{1.0, 1.0}, {2.0, 0.2}, {3.0, 0.08}, {4.0, 0.035, 1.0}, {5.0, 0.015, 2.0}},
                       0.06,
                       2.5,
                       0.12,
                       0.004};
// A mellow horn for the menu's second voice, slow to speak.
const Instrument Horn{{{1.0, 1.0}, {2.0, 0.35, 1.0}, {3.0, 0.12, 2.0}}, 0.12, 0.0, 0.3};
// A plucked bass for the game's pulse.
const Instrument Pluck{{{1.0, 1.0}, {2.0, 0.4, 8.0}, {3.0, 0.15, 12.0}}, 0.005, 0.18, 0.04};
// A small marimba: the partial near four times the note is what wooden bars have.
const Instrument Marimba{{{1.0, 1.0}, {3.93, 0.2, 25.0}}, 0.002, 0.25, 0.05};
// A lead between a triangle and a square: round, but it carries over the drums.
const Instrument Lead{{{1.0, 1.0}, {2.0, 0.08}, {3.0, 0.2}, {5.0, 0.08, 1.0}, {7.0, 0.04, 2.0}},
                      0.02,
                      1.5,
                      0.08,
                      0.004};
// Short bright chord stabs on the off-beats, and a glassy voice for the game's answer.
const Instrument Stab{Instrument::sawtooth(8, 4.0), 0.002, 0.09, 0.03};
const Instrument Glass{{{1.0, 1.0}, {2.0, 0.25, 3.0}, {3.0, 0.08, 5.0}}, 0.03, 1.2, 0.2, 0.003};

// The menu's soft kit: a padded kick, brushes, a light hat.
const Drum SoftKick{110.0, 50.0, 0.03, 0.18, 1.0, {2000.0, 8000.0, 0.0, 0.004}, 0.15};
const Drum Brush{0.0, 0.0, 0.01, 0.01, 0.0, {900.0, 7000.0, 0.0, 0.09}, 1.0};
const Drum SoftHat{420.0, 0.0, 0.01, 0.0, 0.0, {7000.0, 0.0, 0.0, 0.03}, 0.6, 0.5};
// The game's kit: a punchy kick with a click, a snare with its wires, hats and a crash.
const Drum Kick{150.0, 48.0, 0.025, 0.16, 1.0, {2500.0, 10000.0, 0.0, 0.005}, 0.3};
const Drum Snare{220.0, 180.0, 0.02, 0.06, 0.6, {1200.0, 10000.0, 0.0, 0.12}, 0.8};
const Drum ClosedHat{460.0, 0.0, 0.01, 0.0, 0.0, {7500.0, 0.0, 0.0, 0.035}, 0.7, 0.6};
const Drum OpenHat{460.0, 0.0, 0.01, 0.0, 0.0, {7000.0, 0.0, 0.0, 0.25}, 0.6, 0.6};
const Drum Crash{340.0, 0.0, 0.01, 0.0, 0.0, {4500.0, 0.0, 0.0, 0.9}, 0.8, 0.5};

// The pad's chord in the octave from G3 up, so that it moves by small steps between chords.
void chordBed(Wave& wave, const Score& score, int bar, const std::array<int, 3>& triad,
              double level)
{
    for (const int note : triad)
    {
        const Note n{bar * score.bar(), score.bar() + 0.9, frequency(Score::into(note, 55)), level};
        PadLeft.play(wave, {n.start, n.seconds, n.frequency, n.level, 0.0, -0.6});
        PadRight.play(wave, {n.start, n.seconds, n.frequency, n.level, 0.0, 0.6});
    }
}

// A second voice in half notes: at each half bar the chord's note nearest the one before, from
// `lowest` up an octave and a half, moving whenever the chord lets it. It never leaps, so it
// stays under the tune as an inner part would.
void counterLine(Wave& wave, const Score& score, const std::vector<std::string>& chords,
                 int firstBar, const Instrument& instrument, int lowest, double level, double pan)
{
    int previous = lowest + 7;
    for (std::size_t i = static_cast<std::size_t>(firstBar); i < chords.size(); ++i)
    {
        const std::array<int, 3> triad = Score::triad(chords[i]);
        for (int half = 0; half < 2; ++half)
        {
            int best = -1;
            for (const int tone : triad)
                for (int note = Score::into(tone, lowest); note < lowest + 19; note += 12)
                {
                    const bool moves = note != previous || half == 0;
                    if (moves &&
                        (best < 0 || std::abs(note - previous) < std::abs(best - previous)))
                        best = note;
                }
            const double at = static_cast<double>(i) * score.bar() + half * 2.0 * score.beat();
            instrument.play(wave,
                            {at, 2.0 * score.beat() * 0.95, frequency(best), level, 0.0, pan});
            previous = best;
        }
    }
}

} // namespace

Wave menuMusic()
{
    // C major at an easy 76 beats a minute: a first strain, a second one with the horn under
    // it, and the first again with a new tune; brushed drums throughout; 24 bars, 76 seconds.
    const Score score(76.0);
    const std::vector<std::string> chords = Score::words("C Am F G C Am Dm G "
                                                         "F G Em Am Dm G C G "
                                                         "C Am F G C Am Dm G");
    const double length = static_cast<double>(chords.size()) * score.bar();
    Wave dry(length, true, 2), room(length, true, 2);
    const double eighth = score.beat() / 2.0;
    for (std::size_t i = 0; i < chords.size(); ++i)
    {
        const int bar = static_cast<int>(i);
        const std::array<int, 3> triad = Score::triad(chords[i]);
        const double start = bar * score.bar();
        chordBed(room, score, bar, triad, 0.10);
        // The bass on the first and third beats: root, then the fifth below or the root again.
        const int root = Score::into(triad[0], 40);
        Bass.play(dry, {start, 2.0 * score.beat() + 0.2, frequency(root), 0.5});
        Bass.play(dry, {start + 2.0 * score.beat(), 2.0 * score.beat() + 0.2,
                        frequency(bar % 2 == 0 ? root - 5 : root), 0.4});
        // Broken chords in eighths: root, fifth, tenth, fifth, climbing to the octave at the end.
        const int low = Score::into(triad[0], 53);
        const int tenth = 12 + triad[1] - triad[0];
        const int steps[8] = {0, 7, tenth, 7, 0, 7, tenth, 12};
        for (int e = 0; e < 8; ++e)
            Piano.play(room, {start + e * eighth, 0.7, frequency(low + steps[e]),
                              e % 2 == 0 ? 0.16 : 0.11, 0.0, -0.35});
        // The kit: a kick that leans into the third beat, brushes on two and four, a light hat
        // on every eighth; the last bar of a strain brushes into the next.
        SoftKick.play(dry, start, 0.55);
        SoftKick.play(dry, start + 5 * eighth, 0.35);
        for (const int e : {2, 6})
            Brush.play(room, start + e * eighth, 0.16, 0.1);
        if (bar % 8 == 7)
            Brush.play(room, start + 7 * eighth, 0.12, -0.1);
        for (int e = 0; e < 8; ++e)
            SoftHat.play(room, start + e * eighth, e % 2 == 0 ? 0.1 : 0.06, 0.4);
    }
    counterLine(room, score, chords, 8, Horn, 52, 0.12, -0.45);
    Wave tune(length, true, 2);
    score.melody(tune, Flute, 0,
                 "E5:2 G5:2  A5:3 G5:1  F5:2 E5:1 C5:1  D5:4 "
                 "E5:2 G5:2  C6:2 B5:1 A5:1  A5:2 F5:2  G5:3 r:1",
                 0.32, 0.98, 0.15);
    score.melody(tune, Flute, 8,
                 "A5:1 C6:1 A5:1 G5:1  G5:1.5 F5:0.5 D5:2  E5:1 G5:1 B5:1 G5:1  A5:3 E5:1 "
                 "F5:1 A5:1 D6:1 C6:1  B5:2 G5:2  C6:1 B5:0.5 A5:0.5 G5:2  D5:1 E5:1 F5:1 D5:1",
                 0.32, 0.95, 0.15);
    score.melody(tune, Flute, 16,
                 "E5:1 D5:1 E5:1 G5:1  A5:2 C6:1 A5:1  G5:1 F5:1 E5:1 C5:1  D5:3 r:1 "
                 "E5:1 G5:1 C6:1 G5:1  A5:2 E5:2  F5:1 E5:1 D5:1 F5:1  B4:2 D5:2",
                 0.32, 0.95, 0.15);
    // The tune answers itself a dotted eighth later, softly.
    tune.echo(0.75 * score.beat(), 0.3);
    room.mix(tune, 1.0);
    room.reverb({0.6, 0.45, 0.22});
    dry.mix(room, 1.0);
    dry.levelTo(TrackLoudness, TrackCeiling);
    return dry;
}

Wave gameMusic()
{
    // A minor at 112 beats a minute, with a pulse to play against: a groove alone, then two
    // tunes over it with stabs on the off-beats, then the first strain with a glassy second
    // voice; 32 bars, 69 seconds.
    const Score score(112.0);
    const std::vector<std::string> chords = Score::words("Am F C G Am F C G "
                                                         "Dm Am F E Dm Am F E "
                                                         "F G Em Am F G E E "
                                                         "Am F C G Am F E E");
    const double length = static_cast<double>(chords.size()) * score.bar();
    Wave dry(length, true, 2), room(length, true, 2);
    const double eighth = score.beat() / 2.0;
    for (std::size_t i = 0; i < chords.size(); ++i)
    {
        const int bar = static_cast<int>(i);
        const std::array<int, 3> triad = Score::triad(chords[i]);
        const double start = bar * score.bar();
        chordBed(room, score, bar, triad, 0.06);
        const int root = Score::into(triad[0], 40);
        for (int e = 0; e < 8; ++e)
        {
            const double at = start + e * eighth;
            // The bass pulses in eighths, jumping to the octave on the off-beats of 2 and 4.
            Pluck.play(dry, {at, eighth + 0.05, frequency(root + (e == 3 || e == 7 ? 12 : 0)),
                             e % 2 == 0 ? 0.5 : 0.38});
            // The marimba walks up and down the chord.
            const int walk[8] = {0, 1, 2, 1, 0, 1, 2, 1};
            const int note = Score::into(triad[static_cast<std::size_t>(walk[e])], 64);
            Marimba.play(room, {at, 0.4, frequency(note), e % 2 == 0 ? 0.2 : 0.14, 0.0, -0.4});
            // Closed hats on the eighths; every other bar opens on the last one.
            if (e == 7 && bar % 2 == 1)
                OpenHat.play(room, at, 0.09, 0.3);
            else
                ClosedHat.play(room, at, e % 2 == 0 ? 0.1 : 0.07, 0.3);
        }
        // Kick on one and three, and once more before three every other bar; snare on two and
        // four; a roll into each new strain, and a crash on its first beat.
        Kick.play(dry, start, 0.7);
        Kick.play(dry, start + 4 * eighth, 0.65);
        if (bar % 2 == 1)
            Kick.play(dry, start + 3 * eighth, 0.45);
        Snare.play(room, start + 2 * eighth, 0.32);
        Snare.play(room, start + 6 * eighth, 0.32);
        if (bar % 8 == 7)
            for (int s = 0; s < 4; ++s)
                Snare.play(room, start + (6.5 + 0.5 * s) * eighth, 0.12 + 0.05 * s, 0.2 * s - 0.3);
        if (bar % 8 == 0)
            Crash.play(room, start, 0.1, -0.2);
        // From the first tune on, the chord's upper notes stab the off-beats of 2 and 4.
        if (bar >= 8)
            for (const int e : {3, 7})
                for (const int tone : {triad[1], triad[2]})
                    Stab.play(room, {start + e * eighth, 0.16, frequency(Score::into(tone, 60)),
                                     0.035, 0.0, 0.45});
    }
    counterLine(room, score, chords, 24, Glass, 57, 0.09, 0.5);
    Wave tune(length, true, 2);
    score.melody(tune, Lead, 8,
                 "A4:1 D5:1 F5:1 E5:1  E5:2 C5:1 A4:1  C5:1 F5:1 A5:1 G5:1  G#5:3 E5:1 "
                 "F5:1 E5:1 D5:1 F5:1  E5:1.5 C5:0.5 A4:2  A4:1 C5:1 F5:1 E5:1  E5:2 D5:1 B4:1",
                 0.3, 0.9, 0.1);
    score.melody(tune, Lead, 16,
                 "C5:1 A4:1 C5:1 F5:1  D5:1 B4:1 D5:1 G5:1  E5:1 G5:1 B5:1 G5:1  A5:2 E5:2 "
                 "F5:1 E5:1 F5:1 A5:1  G5:1 F5:1 G5:1 B5:1  B5:2 G#5:2  E5:3 r:1",
                 0.3, 0.9, 0.1);
    score.melody(tune, Lead, 24,
                 "E5:1 A5:1 C6:1 B5:1  A5:2 F5:2  G5:1 E5:1 C5:1 E5:1  D5:2 G5:2 "
                 "C6:1 B5:1 A5:1 E5:1  F5:1 A5:1 C6:1 A5:1  B5:2 G#5:2  E5:2 r:2",
                 0.3, 0.9, 0.1);
    tune.echo(0.75 * score.beat(), 0.22);
    room.mix(tune, 1.0);
    room.reverb({0.4, 0.5, 0.14});
    dry.mix(room, 1.0);
    dry.levelTo(TrackLoudness, TrackCeiling);
    return dry;
}

} // namespace soundgen
