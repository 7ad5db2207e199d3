#include "tools/soundgen/Loudness.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>

namespace
{

using soundgen::Loudness;
constexpr double Rate = 44100.0;
constexpr double Pi = 3.14159265358979323846;

// A sine in both channels, in stretches of (seconds, dBFS of its peak); -200 dB is silence.
Loudness::Channels tone(double hertz, std::initializer_list<std::pair<double, double>> stretches)
{
    std::vector<double> samples;
    for (const auto& [seconds, level] : stretches)
    {
        const double amplitude = level <= -200.0 ? 0.0 : std::pow(10.0, level / 20.0);
        for (int i = 0; i < static_cast<int>(seconds * Rate); ++i)
            samples.push_back(amplitude * std::sin(2.0 * Pi * hertz * i / Rate));
    }
    return {samples, samples};
}

// The EBU's own checks of a meter (Tech 3341): steady tones, and tones among quieter ones that
// the two gates must leave out.
TEST(LoudnessTest, MeasuresTheEbuReferenceTonesAndGatesOutTheQuietParts)
{
    EXPECT_NEAR(Loudness::integrated(tone(1000.0, {{20.0, -23.0}}), Rate), -23.0, 0.1);
    EXPECT_NEAR(Loudness::integrated(tone(1000.0, {{20.0, -33.0}}), Rate), -33.0, 0.1);
    EXPECT_NEAR(
        Loudness::integrated(tone(1000.0, {{10.0, -36.0}, {60.0, -23.0}, {10.0, -36.0}}), Rate),
        -23.0, 0.1);
    EXPECT_NEAR(
        Loudness::integrated(
            tone(1000.0,
                 {{10.0, -72.0}, {10.0, -36.0}, {60.0, -23.0}, {10.0, -36.0}, {10.0, -72.0}}),
            Rate),
        -23.0, 0.1);
    EXPECT_EQ(Loudness::integrated(tone(1000.0, {{2.0, -200.0}}), Rate),
              -std::numeric_limits<double>::infinity());
}

TEST(LoudnessTest, WeighsTheHighsUpAndTheDeepBassDownAsAnEarDoes)
{
    const double middle = Loudness::integrated(tone(1000.0, {{5.0, -20.0}}), Rate);
    EXPECT_NEAR(Loudness::integrated(tone(8000.0, {{5.0, -20.0}}), Rate) - middle, 3.5, 0.6);
    EXPECT_LT(Loudness::integrated(tone(20.0, {{5.0, -20.0}}), Rate) - middle, -10.0);
}

TEST(LoudnessTest, TheLoudestStretchOfAShortSoundCountsTheSilenceAroundIt)
{
    const Loudness::Channels burst = tone(1000.0, {{1.0, -200.0}, {0.1, -20.0}, {1.0, -200.0}});
    const double steady = Loudness::integrated(tone(1000.0, {{5.0, -20.0}}), Rate);
    EXPECT_NEAR(Loudness::loudest(burst, Rate, 0.1), steady, 0.3);
    EXPECT_NEAR(Loudness::loudest(burst, Rate, 0.4), steady - 6.0, 0.3);
    // Shorter than the window: measured as if the window were filled with silence.
    EXPECT_NEAR(Loudness::loudest(tone(1000.0, {{0.1, -20.0}}), Rate, 0.4), steady - 6.0, 0.3);
}

} // namespace
