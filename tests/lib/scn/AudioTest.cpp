#include "lib/scn/Audio.hpp"

#include "lib/core/ProgramName.hpp"
#include "support/TempDir.hpp"

#include <SFML/Audio/SoundBuffer.hpp>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

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

} // namespace
