#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace lib::scn
{

// Reads the header of a sound file before SFML does. SFML sizes its buffers from the header
// alone, so a file of a few bytes that claims gigabytes of samples, thousands of channels or a
// rate of billions a second would cost the memory it claims, or hang the start. Knows the two
// formats of the game's sounds, WAV (PCM) and Ogg Vorbis; any other file is refused.
class SoundFileCheck
{
public:
    // A sound loaded whole may take at most this much memory once decoded (SFML keeps 16-bit
    // samples): over three minutes of stereo at 44.1 kHz.
    static constexpr std::uint64_t MaxDecodedBytes = 32u << 20;

    struct Result
    {
        // Empty when the file may be handed to SFML; otherwise what is wrong, for one line.
        std::string problem;
        // The memory its samples take once decoded.
        std::uint64_t decodedBytes = 0;
    };

    // `whole`: the file is to be loaded whole (an effect), not streamed (a track), so its length
    // counts too.
    static Result check(const std::string& path, bool whole);
};

} // namespace lib::scn
