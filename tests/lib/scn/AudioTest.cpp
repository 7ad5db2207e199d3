#include "lib/scn/Audio.hpp"

#include "lib/core/ProgramName.hpp"
#include "lib/scn/Resource.hpp"
#include "support/TempDir.hpp"

#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/OutputSoundFile.hpp>
#include <SFML/Audio/SoundBuffer.hpp>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace
{

TEST(AudioTest, WithoutADeviceSaysSoInOneLineUnderTheProgramsNameAndStaysSilent)
{
    setenv("ALSOFT_DRIVERS", "none", 1);
    lib::core::ProgramName::set("probe");
    testing::internal::CaptureStderr();
    const lib::scn::Audio audio(true);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "probe: no audio device; the game plays without sound\n");
    EXPECT_FALSE(audio.audible());
}

TEST(AudioTest, ADeviceLostWhilePlayingEndsInSilenceWithOneLine)
{
    // OpenAL's file backend loses its device at the first samples it cannot write.
    const bexil::test::TempDir dir;
    dir.write("alsoft.conf", "[general]\ndrivers=wave\n[wave]\nfile=/dev/full\n");
    setenv("ALSOFT_CONF", dir.file("alsoft.conf").c_str(), 1);
    lib::Clock::useManualTime(true);
    testing::internal::CaptureStderr();
    {
        lib::scn::Audio audio(true);
        ASSERT_TRUE(audio.audible());
        const sf::Int16 click[4] = {0, 8000, -8000, 0};
        sf::SoundBuffer samples;
        samples.loadFromSamples(click, 4, 1, 22050);
        const lib::scn::Audio::Cue cue = audio.cue(samples, 2);
        audio.play(cue);
        for (int tries = 0; tries < 250 && audio.audible(); ++tries)
        {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            lib::Clock::advanceManualTime(sf::seconds(1.f));
            audio.update();
        }
        EXPECT_FALSE(audio.audible());
        audio.play(cue);
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "the audio device is gone; the game plays on without sound\n")
        << "no name handed over, none written";
}

TEST(AudioTest, SamplesBoundAgainShareTheirPlayersAndLeaveThePoolToOthers)
{
    setenv("ALSOFT_DRIVERS", "null", 1);
    lib::scn::Audio audio(true);
    ASSERT_TRUE(audio.audible());
    const sf::Int16 click[2] = {8000, -8000};
    sf::SoundBuffer game, other;
    game.loadFromSamples(click, 2, 1, 22050);
    other.loadFromSamples(click, 2, 1, 22050);
    const lib::scn::Audio::Cue first = audio.cue(game, 3);
    for (std::size_t scene = 0; scene < lib::scn::Audio::PoolSize; ++scene)
        ASSERT_EQ(first.first, audio.cue(game, 3).first);
    EXPECT_EQ(3u, audio.cue(other, 3).count);
}

// A recording of OpenAL's file backend: the loudest sample of each sound in its left channel,
// sounds being parted by at least 50 ms of silence.
std::vector<int> soundPeaks(const std::string& bytes)
{
    std::vector<int> peaks;
    std::size_t quiet = 2205;
    for (std::size_t i = bytes.find("data") + 8; i + 1 < bytes.size(); i += 4)
    {
        const auto low = static_cast<unsigned char>(bytes[i]);
        const auto high = static_cast<unsigned char>(bytes[i + 1]);
        const int sample =
            std::abs(static_cast<std::int16_t>(static_cast<std::uint16_t>(low | high << 8)));
        if (sample < 200)
        {
            ++quiet;
            continue;
        }
        if (quiet >= 2205)
            peaks.push_back(0);
        quiet = 0;
        peaks.back() = std::max(peaks.back(), sample);
    }
    return peaks;
}

TEST(AudioTest, AnEffectStartedTwiceAtOnceSoundsOnceAndNoLouder)
{
    const bexil::test::TempDir dir;
    dir.write("alsoft.conf",
              "[general]\ndrivers=wave\nchannels=stereo\nsample-type=int16\n[wave]\nfile=" +
                  dir.file("heard.wav") + "\n");
    setenv("ALSOFT_CONF", dir.file("alsoft.conf").c_str(), 1);
    {
        lib::scn::Audio audio(true);
        ASSERT_TRUE(audio.audible());
        std::vector<sf::Int16> tone(4410);
        for (std::size_t i = 0; i < tone.size(); ++i)
            tone[i] = static_cast<sf::Int16>(i % 20 < 10 ? 8000 : -8000);
        sf::SoundBuffer samples;
        samples.loadFromSamples(tone.data(), tone.size(), 1, 44100);
        const lib::scn::Audio::Cue cue = audio.cue(samples, 2);
        // The recording's own time, in frames of 4 bytes: a loaded machine's mixer may render
        // late, so the sounds are spaced by what it has written rather than by the clock.
        const auto recorded = [&dir] { return dir.read("heard.wav").size() / 4; };
        const auto waitFor = [&recorded](std::size_t frames)
        {
            for (int wait = 0; wait < 400 && recorded() < frames; ++wait)
                std::this_thread::sleep_for(std::chrono::milliseconds(25));
        };
        waitFor(4410);
        // Two keys in one frame, then a single one.
        audio.play(cue);
        audio.play(cue);
        waitFor(recorded() + 17640);
        audio.play(cue);
        waitFor(recorded() + 17640);
    }
    const std::vector<int> peaks = soundPeaks(dir.read("heard.wav"));
    ASSERT_EQ(peaks.size(), 2u);
    EXPECT_GT(peaks[1], 1000);
    EXPECT_LT(peaks[0], peaks[1] * 11 / 10);
}

TEST(AudioTest, TheMusicStepsBackWhileAnEffectThatMattersPlaysAndComesBackAfter)
{
    setenv("ALSOFT_DRIVERS", "null", 1);
    lib::Clock::useManualTime(true);
    const bexil::test::TempDir dir;
    {
        sf::OutputSoundFile file;
        ASSERT_TRUE(file.openFromFile(dir.file("track.wav"), 44100, 2));
        const std::vector<sf::Int16> hum(88200, 1000);
        file.write(hum.data(), hum.size());
    }
    lib::scn::Audio audio(true);
    ASSERT_TRUE(audio.audible());
    lib::scn::Resource track(lib::scn::Resource::MusicKind, dir.file("track.wav"), "track", true);
    audio.setMusicVolume(6);
    audio.playMusic(&track);
    ASSERT_NE(track.getAsMusic(), nullptr);
    const auto volumeAfter = [&audio, &track](int milliseconds)
    {
        lib::Clock::advanceManualTime(sf::milliseconds(milliseconds));
        audio.update();
        return track.getAsMusic()->getVolume();
    };
    const float full = volumeAfter(20), ducked = full * lib::scn::Audio::DuckedGain;
    EXPECT_FLOAT_EQ(full, 60.f);
    audio.duck(sf::milliseconds(500));
    const float falling = volumeAfter(20);
    EXPECT_LT(falling, full);
    EXPECT_GT(falling, ducked);
    EXPECT_FLOAT_EQ(volumeAfter(80), ducked);
    // A second effect while the first plays keeps the music down until it too has ended.
    audio.duck(sf::milliseconds(500));
    EXPECT_FLOAT_EQ(volumeAfter(450), ducked);
    audio.setMusicVolume(10);
    EXPECT_FLOAT_EQ(track.getAsMusic()->getVolume(), 100.f * lib::scn::Audio::DuckedGain);
    const float rising = volumeAfter(150);
    EXPECT_GT(rising, 100.f * lib::scn::Audio::DuckedGain);
    EXPECT_LT(rising, 100.f);
    EXPECT_FLOAT_EQ(volumeAfter(400), 100.f);
    // Effects that are not heard leave the music alone.
    audio.setSoundVolume(0);
    audio.duck(sf::milliseconds(500));
    EXPECT_FLOAT_EQ(volumeAfter(100), 100.f);
    audio.playMusic(nullptr); // the track goes first
}

} // namespace
