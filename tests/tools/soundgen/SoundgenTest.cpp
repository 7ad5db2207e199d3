#include "bexil/settings/Settings.hpp"
#include "support/TempDir.hpp"
#include "tools/soundgen/Biquad.hpp"
#include "tools/soundgen/Loudness.hpp"

#include <SFML/Audio/InputSoundFile.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

namespace
{

using soundgen::Loudness;
const std::string Staged = std::string(BEXIL_RUN_DIR) + "/data/sounds/";
const std::vector<std::string> Effects = {
    "menu_move.wav", "menu_change.wav", "menu_choose.wav", "menu_key.wav", "menu_sample.wav",
    "arrive.wav",    "turn.wav",        "move.wav",        "launch.wav",   "pop.wav",
    "swap.wav",      "level.wav",       "pause.wav",       "resume.wav",   "gameover.wav",
    "warning.wav",   "miss.wav"};
const std::vector<std::string> Music = {"music_menu.ogg", "music_game.ogg"};
constexpr unsigned int Rate = 44100;

std::string bytesOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string bytes(static_cast<std::size_t>(std::max<std::streamoff>(in.tellg(), 0)), '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

// A staged sound as SFML reads it: its channels, full scale at 1; nothing unless it is at CD
// rate with the channels asked for, in a WAV file (effects) or an Ogg Vorbis one (music).
Loudness::Channels read(const std::string& file, unsigned int channels)
{
    sf::InputSoundFile in;
    const bool ogg = file.size() > 4 && file.compare(file.size() - 4, 4, ".ogg") == 0;
    if (bytesOf(Staged + file).compare(0, 4, ogg ? "OggS" : "RIFF") != 0 ||
        !in.openFromFile(Staged + file) || in.getSampleRate() != Rate ||
        in.getChannelCount() != channels)
        return {};
    std::vector<sf::Int16> samples(static_cast<std::size_t>(in.getSampleCount()));
    samples.resize(static_cast<std::size_t>(in.read(samples.data(), samples.size())));
    Loudness::Channels result(channels, std::vector<double>(samples.size() / channels));
    for (std::size_t i = 0; i < samples.size(); ++i)
        result[i % channels][i / channels] = samples[i] / 32768.0;
    return result;
}

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

double seconds(const Loudness::Channels& sound)
{
    return static_cast<double>(sound.front().size()) / Rate;
}

// A volume setting of 0 to 10 as a level in decibels: SFML's volume is a linear gain.
double decibels(const bexil::settings::Setting& volume)
{
    return 20.0 * std::log10(volume.defaultValue / 10.0);
}

TEST(SoundgenTest, EffectsAreMonoShortStartAtOnceAndEndFadedOut)
{
    for (const std::string& file : Effects)
    {
        SCOPED_TRACE(file);
        const Loudness::Channels sound = read(file, 1);
        ASSERT_EQ(sound.size(), 1u);
        const std::vector<double>& s = sound.front();
        ASSERT_GE(seconds(sound), 0.05);
        EXPECT_LE(seconds(sound), 3.0);
        // Heard within 10 ms of being played, and loud enough to hear at all.
        EXPECT_GE(peakOf(s, 0, Rate / 100), peakOf(s, 0, s.size()) / 4.0);
        EXPECT_GE(rmsOf(s, 0, s.size()), 0.03);
        EXPECT_LT(std::abs(s.back()), 0.005);
    }
}

TEST(SoundgenTest, TracksAreStereoOverAMinuteAtTheirLoudnessAndLoopWithoutASeam)
{
    for (const std::string& file : Music)
    {
        SCOPED_TRACE(file);
        const Loudness::Channels sound = read(file, 2);
        ASSERT_EQ(sound.size(), 2u);
        ASSERT_GE(seconds(sound), 60.0);
        EXPECT_NEAR(Loudness::integrated(sound, Rate), -16.0, 1.0);
        for (const std::vector<double>& s : sound)
        {
            for (std::size_t from = 0; from + Rate <= s.size(); from += Rate)
                EXPECT_GE(rmsOf(s, from, Rate), 0.02) << "second " << from / Rate;
            // From the last sample back to the first is no bigger a step than the tune takes.
            EXPECT_LT(std::abs(s.back() - s.front()), 0.05);
        }
        // Two sides that differ: the parts stand apart.
        std::vector<double> mid(Rate * 10), side(Rate * 10);
        for (std::size_t i = 0; i < mid.size(); ++i)
        {
            mid[i] = sound[0][i] + sound[1][i];
            side[i] = sound[0][i] - sound[1][i];
        }
        EXPECT_GT(rmsOf(side, 0, side.size()), 0.1 * rmsOf(mid, 0, mid.size()));
    }
}

TEST(SoundgenTest, EffectsStandOutOverTheMusicAtTheDefaultVolumes)
{
    double music = -200.0;
    for (const std::string& file : Music)
        music = std::max(music, Loudness::integrated(read(file, 2), Rate));
    music += decibels(bexil::settings::Settings::MusicVolume);
    for (const std::string& file : Effects)
    {
        // Placed in the middle, a mono effect comes from both speakers at 4.5 dB less each.
        const double effect = Loudness::loudest(read(file, 1), Rate, 0.1) - 1.5 +
                              decibels(bexil::settings::Settings::SoundVolume);
        EXPECT_GE(effect, music + 2.0) << file;
    }
}

TEST(SoundgenTest, TheLaunchAndThePopCarryEnergyAboveFiveKilohertz)
{
    for (const char* file : {"launch.wav", "pop.wav"})
    {
        const std::vector<double> s = read(file, 1).front();
        soundgen::Biquad first = soundgen::Biquad::highPass(5000.0, 0.707, Rate);
        soundgen::Biquad second = soundgen::Biquad::highPass(5000.0, 0.707, Rate);
        double high = 0.0, all = 0.0;
        for (const double sample : s)
        {
            const double above = second.step(first.step(sample));
            high += above * above;
            all += sample * sample;
        }
        EXPECT_GT(high / all, 0.02) << file;
    }
}

TEST(SoundgenTest, NoSoundComesNearFullScale)
{
    // Room for the effects over the music, and for the encoder's ripple.
    for (const auto& [files, channels, ceiling] :
         {std::tuple{Effects, 1u, 0.75}, std::tuple{Music, 2u, 0.95}})
        for (const std::string& file : files)
            for (const std::vector<double>& s : read(file, channels))
                EXPECT_LE(peakOf(s, 0, s.size()), ceiling) << file;
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
