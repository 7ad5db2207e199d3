#pragma once

#include "lib/Configuration.hpp"

#include <array>
#include <cstddef>

namespace bexil::settings
{

// One numeric setting: its key and the value it has when the table lacks it or holds something
// that is not a number.
struct Setting
{
    const char* key;
    int defaultValue;

    // The stored number; a missing or damaged value is replaced by the default in the table,
    // so the next save repairs the file.
    int read(lib::Configuration& table) const { return table.valueAsInt(key, defaultValue); }
    // The stored number, or the default; the table stays as it is.
    int peek(const lib::Configuration& table) const { return table.getAsInt(key, defaultValue); }
    void store(lib::Configuration& table, int value) const { table.valueAsInt(key, value, true); }
    // Stores the default and returns it.
    int reset(lib::Configuration& table) const { return table.valueAsInt(key, defaultValue, true); }
};

// The game's file names and every key it keeps in its settings tables, with their defaults.
// Whoever reads or writes a setting takes its name and default from here, so they are written
// once. New settings belong here too.
class Settings
{
public:
    static constexpr const char* ConfigFile = "config.cfg";
    static constexpr const char* ResourceFile = "res.cfg";
    // The two high score tables; Folders says in which folder each file is.
    static constexpr const char* HighScoresFile = "highscores.cfg";

    // config.cfg: the window.
    static constexpr Setting GraphicsLevel{"GraphicsLevel", 0};
    static constexpr Setting ResolutionX{"ResolutionX", 1024};
    static constexpr Setting ResolutionY{"ResolutionY", 768};
    static constexpr Setting BitsPerPixel{"bpp", 32};
    static constexpr Setting Fullscreen{"Fullscreen", 0};
    static constexpr Setting VSync{"VSync", 0};
    // How a game is drawn: 0 modern, 1 classic, 2 colour-blind (the order of look::LookList).
    static constexpr Setting Look{"Look", 0};

    // config.cfg: the language of the texts, a code of Languages or "auto"; absent until the
    // player chooses one, which is the same as "auto".
    static constexpr const char* Language = "Language";

    // config.cfg: the name last entered for a high score; absent until then.
    static constexpr const char* PlayerName = "PlayerName";

    // config.cfg: the sound, from 0 (silence) to 10 (full).
    static constexpr Setting SoundVolume{"SoundVolume", 8};
    static constexpr Setting MusicVolume{"MusicVolume", 6};

    // config.cfg: the six game keys (SFML key codes) in the key mapping's order: Left, Right,
    // Up, Down, launch (Space), pause (Escape).
    static constexpr std::size_t KeyCount = 6;
    static constexpr std::array<Setting, KeyCount> Keys{{{"key0", 71},
                                                         {"key1", 72},
                                                         {"key2", 73},
                                                         {"key3", 74},
                                                         {"key_launch4", 57},
                                                         {"key_pause5", 36}}};

    // config.cfg: the pad's bindings, in the order of lib::input::Action: Left, Right, Up, Down,
    // launch, pause, back. Each is a list of joystick inputs (controls::PadMapping reads and
    // writes it): by default the d-pad and the left stick move, the south face button launches
    // and chooses, Start pauses, the east face button goes back (the common layout's A, Start
    // and B).
    struct PadSetting
    {
        const char* key;
        const char* defaultValue;
    };
    static constexpr std::size_t PadCount = 7;
    static constexpr std::array<PadSetting, PadCount> Pads{{{"pad0", "PovX-,X-"},
                                                            {"pad1", "PovX+,X+"},
                                                            {"pad2", "PovY-,Y-"},
                                                            {"pad3", "PovY+,Y+"},
                                                            {"pad_launch4", "B0"},
                                                            {"pad_pause5", "B7"},
                                                            {"pad_back6", "B1"}}};

    // The memory-only table that carries the chosen game from the menus to the game scene.
    static constexpr const char* NextGameTable = ":NextGame";
    static constexpr Setting GameMode{"GameMode", 0};
    static constexpr Setting StartLevel{"StartLevel", 0};
};

} // namespace bexil::settings
