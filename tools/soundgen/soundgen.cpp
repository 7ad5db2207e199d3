// soundgen: makes every sound of the game, the effects and the two music tracks, from plain
// arithmetic (sines, envelopes, filtered noise from a fixed seed, a room's echoes) and writes
// the effects as mono WAV files, to be placed on the board by the game, and the music as stereo
// Ogg Vorbis. The same program always writes the same bytes. Usage: soundgen SOUNDS_FOLDER
#include "tools/soundgen/Effects.hpp"
#include "tools/soundgen/Music.hpp"

#include <filesystem>
#include <future>
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
    // The tracks are made beside the effects, on cores of their own; they are written one after
    // the other, as SFML's encoder numbers its streams from the C library's random sequence.
    std::future<soundgen::Wave> menu = std::async(std::launch::async, soundgen::menuMusic);
    std::future<soundgen::Wave> game = std::async(std::launch::async, soundgen::gameMusic);
    bool ok = true;
    for (const soundgen::Sound& sound : soundgen::effects())
        ok = sound.wave.writeWav((folder / sound.file).string()) && ok;
    ok = menu.get().writeOgg((folder / "music_menu.ogg").string()) && ok;
    ok = game.get().writeOgg((folder / "music_game.ogg").string()) && ok;
    return ok ? 0 : 1;
}
