#include "tools/soundgen/Effects.hpp"

#include "tools/soundgen/Instrument.hpp"

namespace soundgen
{

namespace
{

// A short sine blip with a touch of its octave: ticks and clicks.
const Instrument Blip{{{1.0, 1.0}, {2.0, 0.15, 30.0}}, 0.002, 0.025, 0.015};
// A small struck bar: chimes and fanfares. The partial at 2.76 is what makes it ring as metal.
const Instrument Bell{{{1.0, 1.0}, {2.0, 0.3, 3.0}, {2.76, 0.12, 8.0}}, 0.003, 0.35, 0.06};
// A soft hollow tone, odd partials only: warnings and the game's end.
const Instrument Hollow{{{1.0, 1.0}, {3.0, 0.2}, {5.0, 0.06}}, 0.008, 0.0, 0.03, 0.006};
// A breathy pipe: pause and resume.
const Instrument Pipe{{{1.0, 1.0}, {2.0, 0.12}, {3.0, 0.04}}, 0.015, 0.25, 0.05};

Sound make(const char* file, double seconds, double peak, void (*draw)(Wave&))
{
    Sound sound{file, Wave(seconds, false)};
    draw(sound.wave);
    sound.wave.normalise(peak);
    return sound;
}

} // namespace

std::vector<Sound> effects()
{
    std::vector<Sound> all;
    // The menus: light and high, over before the next key.
    all.push_back(make("menu_move.wav", 0.06, 0.3,
                       [](Wave& w) {
                           Blip.play(w, {0.0, 0.06, pitch("C6"), 1.0});
                       }));
    all.push_back(make("menu_change.wav", 0.1, 0.35,
                       [](Wave& w)
                       {
                           Blip.play(w, {0.0, 0.05, pitch("G5"), 1.0});
                           Blip.play(w, {0.04, 0.06, pitch("C6"), 0.8});
                       }));
    all.push_back(make("menu_choose.wav", 0.5, 0.5,
                       [](Wave& w)
                       {
                           Bell.play(w, {0.0, 0.4, pitch("G5"), 0.8});
                           Bell.play(w, {0.07, 0.43, pitch("C6"), 1.0});
                       }));
    all.push_back(make("menu_key.wav", 0.45, 0.5,
                       [](Wave& w)
                       {
                           Bell.play(w, {0.0, 0.3, pitch("E5"), 0.8});
                           Bell.play(w, {0.06, 0.3, pitch("G5"), 0.8});
                           Bell.play(w, {0.12, 0.33, pitch("C6"), 1.0});
                       }));
    // What the sound volume line plays at the chosen volume: a plain major chord.
    all.push_back(make("menu_sample.wav", 0.7, 0.5,
                       [](Wave& w)
                       {
                           for (const char* name : {"C5", "E5", "G5"})
                               Bell.play(w, {0.0, 0.7, pitch(name), 1.0});
                       }));

    // The game. A token arrives every few hundred milliseconds for minutes on end: a low,
    // short, quiet knock.
    all.push_back(make("arrive.wav", 0.1, 0.22,
                       [](Wave& w) {
                           Blip.play(w, {0.0, 0.1, 300.0, 1.0, 250.0});
                       }));
    all.push_back(make("turn.wav", 0.06, 0.3,
                       [](Wave& w) {
                           Blip.play(w, {0.0, 0.06, 700.0, 1.0, 1000.0});
                       }));
    all.push_back(make("move.wav", 0.07, 0.28,
                       [](Wave& w) {
                           Blip.play(w, {0.0, 0.07, 520.0, 1.0, 430.0});
                       }));
    // A falling zap over a low thump.
    all.push_back(make("launch.wav", 0.22, 0.7,
                       [](Wave& w)
                       {
                           const Instrument zap{{{1.0, 1.0}, {2.0, 0.35, 6.0}, {3.0, 0.15, 10.0}},
                                                0.002,
                                                0.09,
                                                0.03};
                           zap.play(w, {0.0, 0.22, 1500.0, 1.0, 300.0});
                           const Instrument thump{{{1.0, 1.0}}, 0.002, 0.05, 0.03};
                           thump.play(w, {0.0, 0.15, 150.0, 0.8, 60.0});
                       }));
    // A rising bubble; the game raises its pitch with each token of a run.
    all.push_back(
        make("pop.wav", 0.11, 0.55,
             [](Wave& w)
             {
                 const Instrument bubble{{{1.0, 1.0}, {2.0, 0.2, 25.0}}, 0.002, 0.045, 0.02};
                 bubble.play(w, {0.0, 0.11, 480.0, 1.0, 760.0});
             }));
    all.push_back(make("swap.wav", 0.32, 0.5,
                       [](Wave& w)
                       {
                           const char* names[4] = {"E5", "A5", "E5", "A5"};
                           for (int i = 0; i < 4; ++i)
                               Bell.play(w, {0.05 * i, 0.12, pitch(names[i]), 1.0});
                       }));
    all.push_back(make("level.wav", 1.3, 0.6,
                       [](Wave& w)
                       {
                           const char* names[4] = {"C5", "E5", "G5", "C6"};
                           for (int i = 0; i < 4; ++i)
                               Bell.play(w, {0.09 * i, 0.4, pitch(names[i]), 0.8});
                           for (const char* name : {"C6", "E6", "G5"})
                               Bell.play(w, {0.36, 0.94, pitch(name), 0.7});
                       }));
    all.push_back(make("pause.wav", 0.5, 0.45,
                       [](Wave& w)
                       {
                           Pipe.play(w, {0.0, 0.25, pitch("G5"), 1.0});
                           Pipe.play(w, {0.16, 0.34, pitch("C5"), 1.0});
                       }));
    all.push_back(make("resume.wav", 0.5, 0.45,
                       [](Wave& w)
                       {
                           Pipe.play(w, {0.0, 0.25, pitch("C5"), 1.0});
                           Pipe.play(w, {0.16, 0.34, pitch("G5"), 1.0});
                       }));
    // Three falling steps into C minor, the last one held and fading.
    all.push_back(make("gameover.wav", 2.2, 0.42,
                       [](Wave& w)
                       {
                           Hollow.play(w, {0.0, 0.3, pitch("G4"), 1.0});
                           Hollow.play(w, {0.3, 0.3, pitch("Eb4"), 1.0});
                           const Instrument held{Hollow.partials, 0.01, 0.6, 0.5, 0.006};
                           held.play(w, {0.6, 1.6, pitch("C4"), 1.0});
                           held.play(w, {0.6, 1.6, pitch("C3"), 0.5});
                       }));
    // A launch that met nothing: a dull, falling whump, low where the launch is bright.
    all.push_back(
        make("miss.wav", 0.24, 0.4,
             [](Wave& w)
             {
                 const Instrument dull{{{1.0, 1.0}, {3.0, 0.15, 20.0}}, 0.003, 0.08, 0.04};
                 dull.play(w, {0.0, 0.24, 240.0, 1.0, 110.0});
             }));
    // Two short calls, clear over the music but not shrill.
    all.push_back(make("warning.wav", 0.27, 0.3,
                       [](Wave& w)
                       {
                           Hollow.play(w, {0.0, 0.1, pitch("A5"), 1.0});
                           Hollow.play(w, {0.15, 0.12, pitch("A5"), 1.0});
                       }));
    return all;
}

} // namespace soundgen
