#include "tools/soundgen/Effects.hpp"

#include "tools/soundgen/Instrument.hpp"

namespace soundgen
{

namespace
{

// No effect peaks above this: several may sound at once over the music.
constexpr double Ceiling = 0.7;

// A short sine blip with a touch of its octave: ticks and clicks.
const Instrument Blip{{{1.0, 1.0}, {2.0, 0.15, 30.0}, {3.0, 0.05, 40.0}}, 0.001, 0.025, 0.015};
// A small struck bar: chimes and fanfares. The partial at 2.76 is what makes it ring as metal.
const Instrument Bell{
    {{1.0, 1.0}, {2.0, 0.3, 3.0}, {2.76, 0.12, 8.0}, {5.4, 0.05, 20.0}}, 0.001, 0.35, 0.06};
// A hollow call, odd partials only, struck at once: warnings.
const Instrument Call{
    {{1.0, 1.0}, {3.0, 0.3, 4.0}, {5.0, 0.15, 8.0}, {7.0, 0.07, 12.0}}, 0.001, 0.0, 0.02};
// A soft hollow tone: the game's end.
const Instrument Hollow{{{1.0, 1.0}, {3.0, 0.2}, {5.0, 0.06}}, 0.008, 0.0, 0.03, 0.006};
// A breathy pipe: pause and resume.
const Instrument Pipe{{{1.0, 1.0}, {2.0, 0.12}, {3.0, 0.04}}, 0.015, 0.25, 0.05};

// The transients: what a sound starts with before its body speaks. A tick is the edge of
// something small being touched, a crack something bright being struck, a hiss air moving.
const Noise Tick{1500.0, 7000.0, 0.0002, 0.004};
const Noise Crack{4000.0, 0.0, 0.0002, 0.012};
const Noise Fizz{6000.0, 16000.0, 0.0005, 0.012};
const Noise Hiss{2500.0, 12000.0, 0.004, 0.05};
const Noise Swish{700.0, 3500.0, 0.01, 0.03};

const Room SmallRoom{0.3, 0.5, 0.12};
const Room Hall{0.75, 0.35, 0.25};

// Draws a sound, adds its room, levels it to `loudness` (LUFS over its loudest 100 ms) and
// fades its last 10 ms, so that it ends at silence whatever its tail does.
Sound make(const char* file, double seconds, double loudness, void (*draw)(Wave&),
           const Room* room = nullptr)
{
    Sound sound{file, Wave(seconds, false)};
    draw(sound.wave);
    if (room != nullptr)
        sound.wave.reverb(*room);
    sound.wave.levelTo(loudness, Ceiling);
    sound.wave.fadeOut(0.01);
    return sound;
}

} // namespace

std::vector<Sound> effects()
{
    std::vector<Sound> all;
    // The menus: light and high, over before the next key.
    all.push_back(make("menu_move.wav", 0.07, -14.0,
                       [](Wave& w)
                       {
                           Tick.play(w, 0.0, 0.01, 0.5);
                           Blip.play(w, {0.0, 0.06, pitch("C6"), 1.0});
                       }));
    all.push_back(make("menu_change.wav", 0.11, -14.5,
                       [](Wave& w)
                       {
                           Tick.play(w, 0.0, 0.01, 0.5);
                           Blip.play(w, {0.0, 0.05, pitch("G5"), 1.0});
                           Blip.play(w, {0.04, 0.06, pitch("C6"), 0.8});
                       }));
    all.push_back(make(
        "menu_choose.wav", 0.7, -11.0,
        [](Wave& w)
        {
            Crack.play(w, 0.0, 0.02, 0.3);
            Bell.play(w, {0.0, 0.4, pitch("G5"), 0.8});
            Bell.play(w, {0.07, 0.5, pitch("C6"), 1.0});
        },
        &SmallRoom));
    all.push_back(make(
        "menu_key.wav", 0.6, -12.0,
        [](Wave& w)
        {
            Crack.play(w, 0.0, 0.02, 0.3);
            Bell.play(w, {0.0, 0.3, pitch("E5"), 0.8});
            Bell.play(w, {0.06, 0.3, pitch("G5"), 0.8});
            Bell.play(w, {0.12, 0.4, pitch("C6"), 1.0});
        },
        &SmallRoom));
    // What the sound volume line plays at the chosen volume: a plain major chord.
    all.push_back(make(
        "menu_sample.wav", 0.9, -13.0,
        [](Wave& w)
        {
            Crack.play(w, 0.0, 0.02, 0.3);
            for (const char* name : {"C5", "E5", "G5"})
                Bell.play(w, {0.0, 0.8, pitch(name), 1.0});
        },
        &SmallRoom));

    // The game. A token arrives every few hundred milliseconds for minutes on end: a short
    // wooden knock, a tick of its edge over a low tock that falls in pitch.
    all.push_back(
        make("arrive.wav", 0.14, -14.0,
             [](Wave& w)
             {
                 Tick.play(w, 0.0, 0.012, 0.3);
                 const Instrument wood{
                     {{1.0, 1.0}, {2.41, 0.5, 60.0}, {3.93, 0.25, 90.0}}, 0.0005, 0.045, 0.01};
                 wood.play(w, {0.0, 0.14, 380.0, 1.0, 300.0});
             }));
    all.push_back(make("turn.wav", 0.07, -14.0,
                       [](Wave& w)
                       {
                           Tick.play(w, 0.0, 0.01, 0.4);
                           Blip.play(w, {0.0, 0.06, 700.0, 1.0, 1000.0});
                       }));
    all.push_back(make("move.wav", 0.09, -14.0,
                       [](Wave& w)
                       {
                           Swish.play(w, 0.0, 0.08, 0.5);
                           Blip.play(w, {0.0, 0.07, 520.0, 1.0, 430.0});
                       }));
    // A bright crack, then a falling zap over a low thump, in a small room.
    all.push_back(make(
        "launch.wav", 0.4, -14.0,
        [](Wave& w)
        {
            Crack.play(w, 0.0, 0.05, 0.8);
            Hiss.play(w, 0.0, 0.2, 0.25);
            const Instrument zap{Instrument::sawtooth(10, 3.0), 0.001, 0.09, 0.03};
            zap.play(w, {0.0, 0.25, 1800.0, 0.5, 250.0});
            const Drum thump{150.0, 55.0, 0.02, 0.06, 1.0, {0.0, 0.0, 0.0, 0.001}, 0.0};
            thump.play(w, 0.0, 0.8);
        },
        &SmallRoom));
    // A rising bubble that bursts with a fizz; the game raises its pitch with each token of a
    // run.
    all.push_back(
        make("pop.wav", 0.14, -13.0,
             [](Wave& w)
             {
                 Fizz.play(w, 0.0, 0.03, 0.9);
                 const Instrument bubble{
                     {{1.0, 1.0}, {2.0, 0.25, 25.0}, {3.0, 0.1, 40.0}}, 0.001, 0.045, 0.02};
                 bubble.play(w, {0.0, 0.13, 480.0, 1.0, 760.0});
             }));
    // Two bells passing each other, one rising and one falling, on a breath of air.
    all.push_back(make("swap.wav", 0.36, -12.0,
                       [](Wave& w)
                       {
                           Tick.play(w, 0.0, 0.01, 0.4);
                           Swish.play(w, 0.0, 0.25, 0.3);
                           Bell.play(w, {0.0, 0.3, pitch("E5"), 0.8, pitch("A5")});
                           Bell.play(w, {0.02, 0.3, pitch("A5"), 0.8, pitch("E5")});
                       }));
    // A fanfare up the chord under a crash, held in a hall.
    all.push_back(make(
        "level.wav", 1.7, -11.0,
        [](Wave& w)
        {
            const Drum crash{340.0, 0.0, 0.01, 0.0, 0.0, {4000.0, 0.0, 0.0, 0.5}, 0.5, 0.4};
            crash.play(w, 0.36, 0.5);
            const Drum boom{90.0, 45.0, 0.04, 0.25, 1.0, {2000.0, 8000.0, 0.0, 0.006}, 0.3};
            boom.play(w, 0.36, 0.6);
            const char* names[4] = {"C5", "E5", "G5", "C6"};
            for (int i = 0; i < 4; ++i)
                Bell.play(w, {0.09 * i, 0.4, pitch(names[i]), 0.8});
            for (const char* name : {"C6", "E6", "G5"})
                Bell.play(w, {0.36, 0.94, pitch(name), 0.7});
        },
        &Hall));
    all.push_back(make(
        "pause.wav", 0.55, -12.0,
        [](Wave& w)
        {
            Tick.play(w, 0.0, 0.01, 0.3);
            Pipe.play(w, {0.0, 0.25, pitch("G5"), 1.0});
            Pipe.play(w, {0.16, 0.34, pitch("C5"), 1.0});
        },
        &SmallRoom));
    all.push_back(make(
        "resume.wav", 0.55, -12.0,
        [](Wave& w)
        {
            Tick.play(w, 0.0, 0.01, 0.3);
            Pipe.play(w, {0.0, 0.25, pitch("C5"), 1.0});
            Pipe.play(w, {0.16, 0.34, pitch("G5"), 1.0});
        },
        &SmallRoom));
    // Three falling steps into C minor, the last one held and fading over a low drum, in a hall.
    all.push_back(make(
        "gameover.wav", 2.6, -11.0,
        [](Wave& w)
        {
            Hollow.play(w, {0.0, 0.3, pitch("G4"), 1.0});
            Hollow.play(w, {0.3, 0.3, pitch("Eb4"), 1.0});
            const Instrument held{Hollow.partials, 0.01, 0.6, 0.5, 0.006};
            held.play(w, {0.6, 1.6, pitch("C4"), 1.0});
            held.play(w, {0.6, 1.6, pitch("C3"), 0.5});
            const Drum tom{110.0, 65.0, 0.05, 0.4, 1.0, {800.0, 5000.0, 0.0, 0.02}, 0.25};
            tom.play(w, 0.6, 0.7);
        },
        &Hall));
    // A launch that met nothing: a puff of air and a dull, falling whump, low where the launch
    // is bright.
    all.push_back(
        make("miss.wav", 0.26, -12.0,
             [](Wave& w)
             {
                 Swish.play(w, 0.0, 0.06, 0.3);
                 const Instrument dull{{{1.0, 1.0}, {3.0, 0.15, 20.0}}, 0.003, 0.08, 0.04};
                 dull.play(w, {0.0, 0.24, 240.0, 1.0, 110.0});
             }));
    // Two short calls with a struck edge, clear over the music but not shrill; the game plays
    // it higher and quicker as more lanes fill.
    all.push_back(make("warning.wav", 0.3, -9.0,
                       [](Wave& w)
                       {
                           for (const double at : {0.0, 0.15})
                           {
                               Tick.play(w, at, 0.01, 0.4);
                               Call.play(w, {at, at == 0.0 ? 0.1 : 0.13, pitch("A5"), 1.0});
                           }
                       }));
    return all;
}

} // namespace soundgen
