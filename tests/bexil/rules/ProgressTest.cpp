#include "bexil/rules/Progress.hpp"

#include <gtest/gtest.h>

namespace
{

using sf::milliseconds;
using sf::seconds;

TEST(ProgressTest, TokensScoreRisingPointsAndATokenGoalIsTheLevelsCountWithoutCarryingTheSurplus)
{
    bexil::rules::Progress progress;
    progress.start(false);
    progress.setLevel(9);
    EXPECT_EQ(19u + 38u + 57u, progress.consume(1) + progress.consume(2) + progress.consume(3));
    EXPECT_EQ(3u, progress.progress(seconds(500))) << "time does not count";
    progress.setLevel(0);
    for (std::uint32_t consumed = 1; consumed <= 28; ++consumed)
    {
        progress.consume(1);
        EXPECT_EQ(consumed >= 25, progress.goalReached(seconds(0))) << consumed;
    }
    progress.setLevel(1);
    EXPECT_EQ(0u, progress.progress(seconds(0))) << "28 of 25: the surplus is lost";
    EXPECT_EQ(114u + 28u * 10, progress.score());
}

TEST(ProgressTest, TimeModeCountsTheLevelsWholeSecondsAndTokensComeAtTheLevelsPace)
{
    bexil::rules::Progress progress;
    progress.start(true);
    progress.setLevel(0);
    EXPECT_EQ(180u, progress.goal());
    EXPECT_EQ(179u, progress.progress(milliseconds(179999)));
    EXPECT_FALSE(progress.goalReached(milliseconds(179999)));
    EXPECT_TRUE(progress.goalReached(seconds(180)));
    for (const auto& [level, interval] : {std::pair{0u, 2600}, {25u, 100}, {26u, 250}})
    {
        progress.setLevel(level);
        EXPECT_FALSE(progress.tokenDue(milliseconds(interval))) << "equal is not enough";
        EXPECT_TRUE(progress.tokenDue(milliseconds(interval + 1))) << level;
    }
}

} // namespace
