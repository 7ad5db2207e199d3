#include "lib/scn/SoundFileCheck.hpp"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <vector>

namespace lib::scn
{

namespace
{

// SFML plays up to eight channels; rates outside these bounds are no sound anyone made.
constexpr std::uint32_t MaxChannels = 8;
constexpr std::uint32_t MinRate = 1000;
constexpr std::uint32_t MaxRate = 384000;

std::uint64_t little(const std::vector<char>& bytes, std::size_t at, std::size_t count)
{
    std::uint64_t value = 0;
    for (std::size_t i = count; i-- > 0;)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

bool startsWith(const std::vector<char>& bytes, std::size_t at, const char* text)
{
    const std::size_t length = std::char_traits<char>::length(text);
    return at + length <= bytes.size() && std::equal(text, text + length, bytes.data() + at);
}

std::vector<char> readAt(std::ifstream& in, std::uint64_t at, std::size_t count)
{
    std::vector<char> bytes(count);
    in.clear();
    in.seekg(static_cast<std::streamoff>(at));
    in.read(bytes.data(), static_cast<std::streamsize>(count));
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return bytes;
}

std::string checkFormat(std::uint64_t channels, std::uint64_t rate)
{
    if (channels == 0 || channels > MaxChannels)
        return "declares " + std::to_string(channels) + " channels";
    if (rate < MinRate || rate > MaxRate)
        return "declares " + std::to_string(rate) + " samples a second";
    return std::string();
}

// RIFF chunks from the twelfth byte on: "fmt " with the format, "data" with the samples, which
// must lie inside the file.
SoundFileCheck::Result checkWav(std::ifstream& in, std::uint64_t size)
{
    SoundFileCheck::Result result;
    std::uint64_t at = 12, channels = 0, rate = 0, bits = 0;
    while (at + 8 <= size)
    {
        const std::vector<char> head = readAt(in, at, 8);
        if (head.size() < 8)
            break;
        const std::uint64_t length = little(head, 4, 4);
        if (startsWith(head, 0, "fmt "))
        {
            const std::vector<char> format = readAt(in, at + 8, 16);
            if (length < 16 || format.size() < 16)
                break;
            channels = little(format, 2, 2);
            rate = little(format, 4, 4);
            bits = little(format, 14, 2);
            if (!(result.problem = checkFormat(channels, rate)).empty())
                return result;
            if (bits != 8 && bits != 16 && bits != 24 && bits != 32)
                return {"declares samples of " + std::to_string(bits) + " bits", 0};
        }
        else if (startsWith(head, 0, "data"))
        {
            if (channels == 0)
                break;
            if (length > size - at - 8)
                return {"declares " + std::to_string(length) + " bytes of samples in a file of " +
                            std::to_string(size),
                        0};
            result.decodedBytes = length / (bits / 8) * 2;
            return result;
        }
        at += 8 + length + (length & 1);
    }
    return {"is a WAV file without its format or its samples", 0};
}

// The first page's packet names the channels and the rate; the last page's position is the
// length in samples.
SoundFileCheck::Result checkVorbis(std::ifstream& in, std::uint64_t size)
{
    const std::vector<char> first = readAt(in, 0, 27 + 255 + 30);
    const std::size_t packet =
        first.size() > 26 ? 27 + static_cast<unsigned char>(first[26]) : first.size();
    if (!startsWith(first, packet, "\x01vorbis") || first.size() < packet + 16)
        return {"is an Ogg file without Vorbis sound", 0};
    const std::uint64_t channels = little(first, packet + 11, 1);
    SoundFileCheck::Result result{checkFormat(channels, little(first, packet + 12, 4)), 0};
    if (!result.problem.empty())
        return result;
    const std::uint64_t tail = std::min<std::uint64_t>(size, 65536);
    const std::vector<char> last = readAt(in, size - tail, static_cast<std::size_t>(tail));
    for (std::size_t at = last.size() >= 14 ? last.size() - 14 : 0; at-- > 0;)
        if (startsWith(last, at, "OggS"))
        {
            const std::uint64_t samples = little(last, at + 6, 8);
            // A stream whose end cannot be known counts as endless.
            result.decodedBytes = samples >> 58 ? UINT64_MAX : samples * channels * 2;
            return result;
        }
    return {"is an Ogg file without an end", 0};
}

} // namespace

SoundFileCheck::Result SoundFileCheck::check(const std::string& path, bool whole)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return {"cannot be read", 0};
    const auto size = static_cast<std::uint64_t>(std::max<std::streamoff>(in.tellg(), 0));
    const std::vector<char> magic = readAt(in, 0, 12);
    Result result;
    if (startsWith(magic, 0, "RIFF") && startsWith(magic, 8, "WAVE"))
        result = checkWav(in, size);
    else if (startsWith(magic, 0, "OggS"))
        result = checkVorbis(in, size);
    else
        return {"is neither a WAV nor an Ogg Vorbis file", 0};
    if (result.problem.empty() && whole && result.decodedBytes > MaxDecodedBytes)
        result.problem = "would take " + std::to_string(result.decodedBytes >> 20) +
                         " MiB decoded, more than a sound may";
    return result;
}

} // namespace lib::scn
