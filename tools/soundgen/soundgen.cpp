// soundgen: makes every sound of the game, the effects and the two music tracks, from plain
// arithmetic (sines, envelopes, filtered noise from a fixed seed, a room's echoes) and writes
// the effects as mono WAV files, to be placed on the board by the game, and the music as stereo
// Ogg Vorbis. The same program always writes the same bytes. Usage: soundgen SOUNDS_FOLDER
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
        ok = sound.wave.writeWav((folder / sound.file).string()) && ok;
    ok = soundgen::menuMusic().writeOgg((folder / "music_menu.ogg").string()) && ok;
    ok = soundgen::gameMusic().writeOgg((folder / "music_game.ogg").string()) && ok;
    return ok ? 0 : 1;
}
