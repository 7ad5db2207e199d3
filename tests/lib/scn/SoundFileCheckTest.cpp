#include "lib/scn/SoundFileCheck.hpp"

#include "support/TempDir.hpp"

#include <SFML/Audio/OutputSoundFile.hpp>

#include <gtest/gtest.h>

#include <vector>

namespace
{

using lib::scn::SoundFileCheck;

// Files that SFML itself wrote pass, with what they take decoded; the same files with a header
// that lies are refused, and so is what is neither WAV nor Ogg Vorbis.
TEST(SoundFileCheck, PassesRealWavAndVorbisAndRefusesLyingHeaders)
{
    bexil::test::TempDir dir(true);
    const std::vector<sf::Int16> samples(2 * 44100, 1000);
    for (const char* name : {"a.wav", "a.ogg"})
    {
        sf::OutputSoundFile file;
        ASSERT_TRUE(file.openFromFile(name, 44100, 2));
        file.write(samples.data(), samples.size());
    }
    for (const char* name : {"a.wav", "a.ogg"})
    {
        const SoundFileCheck::Result result = SoundFileCheck::check(name, true);
        EXPECT_EQ(result.problem, "") << name;
        EXPECT_EQ(result.decodedBytes, 2 * samples.size()) << name;
    }
    const std::string wav = dir.read("a.wav"), ogg = dir.read("a.ogg");
    const std::size_t vorbis = ogg.find("\x01vorbis");
    const std::pair<std::string, std::string> lies[] = {
        {wav.substr(0, 40) + "\xF0\xFF\xFF\xFF" + wav.substr(44, 100), "declares 4294967280 bytes"},
        {wav.substr(0, 22) + "\xFF\xFF" + wav.substr(24), "declares 65535 channels"},
        {ogg.substr(0, vorbis + 12) + "\xFF\xFF\xFF\xFF" + ogg.substr(vorbis + 16),
         "declares 4294967295 samples a second"},
        {ogg.substr(0, vorbis + 11) + '\0' + ogg.substr(vorbis + 12), "declares 0 channels"},
        {"fLaC" + wav, "neither a WAV nor an Ogg Vorbis"}};
    for (const auto& [bytes, problem] : lies)
    {
        dir.write("lie", bytes);
        EXPECT_NE(SoundFileCheck::check("lie", false).problem.find(problem), std::string::npos)
            << problem;
    }
    // A sound loaded whole may not claim more than its share: an Ogg of 2^40 samples, streamed
    // only.
    const std::size_t last = ogg.rfind("OggS");
    dir.write("long.ogg",
              ogg.substr(0, last + 6) + std::string("\0\0\0\0\0\1\0\0", 8) + ogg.substr(last + 14));
    EXPECT_EQ(SoundFileCheck::check("long.ogg", false).problem, "");
    EXPECT_NE(SoundFileCheck::check("long.ogg", true).problem.find("MiB decoded"),
              std::string::npos);
}

} // namespace
