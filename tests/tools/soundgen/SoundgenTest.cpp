#include "support/TempDir.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{

const std::string Staged = std::string(BEXIL_RUN_DIR) + "/data/sounds/";
const std::vector<std::string> Effects = {
    "menu_move.wav", "menu_change.wav", "menu_choose.wav", "menu_key.wav", "menu_sample.wav",
    "arrive.wav",    "turn.wav",        "move.wav",        "launch.wav",   "pop.wav",
    "swap.wav",      "level.wav",       "pause.wav",       "resume.wav",   "gameover.wav",
    "warning.wav",   "miss.wav"};
const std::vector<std::string> Music = {"music_menu.wav", "music_game.wav"};
constexpr std::uint32_t Rate = 22050;

std::string bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string bytes(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

// The samples of a mono 16-bit WAV file at the generator's rate, as fractions of full scale;
// nothing when the file is missing or anything else.
std::vector<double> samplesOf(const std::string& file)
{
    const std::string bytes = bytesOf(Staged + file);
    const auto number = [&bytes](std::size_t at, std::size_t count)
    {
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < count; ++i)
            value |= std::uint32_t{static_cast<std::uint8_t>(bytes[at + i])} << (8 * i);
        return value;
    };
    const bool wav = bytes.size() >= 44 && bytes.compare(0, 4, "RIFF") == 0 &&
                     bytes.compare(8, 8, "WAVEfmt ") == 0 && number(20, 2) == 1 &&
                     number(22, 2) == 1 && number(24, 4) == Rate && number(34, 2) == 16 &&
                     bytes.compare(36, 4, "data") == 0 && number(40, 4) == bytes.size() - 44;
    std::vector<double> samples;
    for (std::size_t at = 44; wav && at < bytes.size(); at += 2)
        samples.push_back(static_cast<std::int16_t>(number(at, 2)) / 32768.0);
    return samples;
}

// The highest and the root-mean-square level of `count` samples from `from`.
double peakOf(const std::vector<double>& s, std::size_t from, std::size_t count)
{
    double peak = 0.0;
    for (std::size_t i = from; i < from + count; ++i)
        peak = std::max(peak, std::abs(s[i]));
    return peak;
}

double rmsOf(const std::vector<double>& s, std::size_t from, std::size_t count)
{
    double sum = 0.0;
    for (std::size_t i = from; i < from + count; ++i)
        sum += s[i] * s[i];
    return std::sqrt(sum / static_cast<double>(count));
}

double seconds(const std::vector<double>& samples)
{
    return static_cast<double>(samples.size()) / Rate;
}

TEST(SoundgenTest, EffectsAreShortStartAtOnceAndEndFadedOut)
{
    for (const std::string& file : Effects)
    {
        SCOPED_TRACE(file);
        const std::vector<double> s = samplesOf(file);
        ASSERT_GE(seconds(s), 0.05);
        EXPECT_LE(seconds(s), 2.5);
        // Heard within 10 ms of being played, and loud enough to hear at all.
        EXPECT_GE(peakOf(s, 0, Rate / 100), peakOf(s, 0, s.size()) / 4.0);
        EXPECT_GE(rmsOf(s, 0, s.size()), 0.03);
        EXPECT_LT(std::abs(s.back()), 0.005);
    }
}

TEST(SoundgenTest, MusicPlaysOverAMinuteWithoutGapsAndLoopsWithoutASeam)
{
    for (const std::string& file : Music)
    {
        SCOPED_TRACE(file);
        const std::vector<double> s = samplesOf(file);
        ASSERT_GE(seconds(s), 60.0);
        for (std::size_t from = 0; from + Rate <= s.size(); from += Rate)
            EXPECT_GE(rmsOf(s, from, Rate), 0.02) << "second " << from / Rate;
        // From the last sample back to the first is no bigger a step than the tune takes.
        EXPECT_LT(std::abs(s.back() - s.front()), 0.03);
    }
}

TEST(SoundgenTest, NoSoundComesNearFullScale)
{
    std::vector<std::string> all = Effects;
    all.insert(all.end(), Music.begin(), Music.end());
    for (const std::string& file : all)
    {
        const std::vector<double> s = samplesOf(file);
        ASSERT_FALSE(s.empty()) << file;
        EXPECT_LE(peakOf(s, 0, s.size()), 0.9) << file;
    }
}

TEST(SoundgenTest, WritesTheSameFilesOnEveryRun)
{
    const bexil::test::TempDir dir;
    ASSERT_EQ(std::system((std::string(BEXIL_SOUNDGEN) + " " + dir.file("sounds")).c_str()), 0);
    const auto written = std::filesystem::directory_iterator(dir.file("sounds"));
    EXPECT_EQ(static_cast<std::size_t>(std::distance(begin(written), end(written))),
              Effects.size() + Music.size());
    for (const auto& file : std::filesystem::directory_iterator(dir.file("sounds")))
        EXPECT_TRUE(bytesOf(file.path().string()) ==
                    bytesOf(Staged + file.path().filename().string()))
            << file.path();
}

} // namespace
