#include "lib/scn/Audio.hpp"

#include "support/TempDir.hpp"

#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/OutputSoundFile.hpp>
#include <SFML/Audio/SoundBuffer.hpp>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

namespace
{

TEST(AudioTest, WithoutADeviceSaysSoInOneLineAndStaysSilent)
{
    setenv("ALSOFT_DRIVERS", "none", 1);
    testing::internal::CaptureStderr();
    const lib::scn::Audio audio(true);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "bexil: no audio device; the game plays without sound\n");
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
              "bexil: the audio device is gone; the game plays on without sound\n");
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
    sf::Music track;
    ASSERT_TRUE(track.openFromFile(dir.file("track.wav")));
    audio.setMusicVolume(6);
    audio.playMusic(&track);
    const auto volumeAfter = [&audio, &track](int milliseconds)
    {
        lib::Clock::advanceManualTime(sf::milliseconds(milliseconds));
        audio.update();
        return track.getVolume();
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
    EXPECT_FLOAT_EQ(track.getVolume(), 100.f * lib::scn::Audio::DuckedGain);
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
