// soundgen: makes every sound of the game, the effects and the two music tracks, from plain
// arithmetic (sines, envelopes, filtered noise from a fixed seed) and writes them as WAV files.
// The same program always writes the same bytes. Usage: soundgen SOUNDS_FOLDER
#include "tools/soundgen/Effects.hpp"
#include "tools/soundgen/Music.hpp"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::cerr << "usage: soundgen SOUNDS_FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    bool ok = true;
    for (const soundgen::Sound& sound : soundgen::effects())
        ok = sound.wave.write((folder / sound.file).string()) && ok;
    ok = soundgen::menuMusic().write((folder / "music_menu.wav").string()) && ok;
    ok = soundgen::gameMusic().write((folder / "music_game.wav").string()) && ok;
    return ok ? 0 : 1;
}
