#include "bexil/LevelProperties.hpp"

#include "support/Printers.hpp"

#include <gtest/gtest.h>

namespace
{

using bexil::LevelProperties;

struct Row
{
    std::uint32_t level;
    std::uint32_t millis;
    std::uint32_t points;
    std::uint32_t seconds;
    std::uint32_t tokens;
};

TEST(LevelProperties, StartsWithTheValuesOfLevelZero)
{
    LevelProperties levels;
    EXPECT_EQ(25u, levels.maxLevel());
    EXPECT_EQ(0u, levels.level());
    EXPECT_EQ(2600u, levels.millisBetweenTokens());
    EXPECT_EQ(10u, levels.baseScore());
    EXPECT_EQ(180u, levels.stayTime());
    EXPECT_EQ(25u, levels.stayTokens());
}

TEST(LevelProperties, FollowsTheFormulasUpToLevel25ThenThePlateau)
{
    const Row rows[] = {{0, 2600, 10, 180, 25},      {1, 2500, 11, 210, 35},
                        {9, 1700, 19, 450, 115},     {25, 100, 35, 930, 275},
                        {26, 250, 36, 1200, 400},    {40, 250, 50, 1200, 400},
                        {1000, 250, 1010, 1200, 400}};
    LevelProperties levels(1);
    for (const Row& row : rows)
    {
        levels.setLevel(row.level);
        EXPECT_EQ(row.level, levels.level());
        EXPECT_EQ(row.millis, levels.millisBetweenTokens()) << "level " << row.level;
        EXPECT_EQ(row.points, levels.baseScore()) << "level " << row.level;
        EXPECT_EQ(row.seconds, levels.stayTime()) << "level " << row.level;
        EXPECT_EQ(row.tokens, levels.stayTokens()) << "level " << row.level;
    }
    levels.setLevel(3);
    EXPECT_EQ(2300u, levels.millisBetweenTokens()) << "going back down recomputes everything";
}

TEST(LevelProperties, CentreSquareColoursByLevel)
{
    LevelProperties levels(1);
    const sf::Color pink(255, 70, 200);
    const sf::Color green(10, 200, 50);
    const sf::Color salmon(255, 100, 100);
    const sf::Color expected[] = {pink, green, salmon, green, salmon, green, pink, green, salmon};
    for (std::uint32_t level = 0; level <= 8; ++level)
    {
        levels.setLevel(level);
        EXPECT_EQ(expected[level], levels.getBackgroundTileColor(7, 4, true)) << level;
        EXPECT_EQ(expected[level], levels.getBackgroundTileColor(8, 5, true)) << level;
    }
    for (std::uint32_t level : {9u, 14u})
    {
        levels.setLevel(level);
        EXPECT_EQ(sf::Color(225, 255, 255), levels.getBackgroundTileColor(7, 4, true));
        EXPECT_EQ(sf::Color(128, 128, 128), levels.getBackgroundTileColor(8, 4, true));
    }
    for (std::uint32_t level : {15u, 25u})
    {
        levels.setLevel(level);
        EXPECT_EQ(sf::Color(100, 200, 200), levels.getBackgroundTileColor(9, 6, true));
        EXPECT_EQ(sf::Color(255, 100, 100), levels.getBackgroundTileColor(10, 6, true));
    }
    levels.setLevel(26);
    EXPECT_EQ(sf::Color::Black, levels.getBackgroundTileColor(7, 4, true));
    EXPECT_EQ(sf::Color::Black, levels.getBackgroundTileColor(0, 0, false));
}

TEST(LevelProperties, OuterColoursOfThePlainAndStripedLevels)
{
    LevelProperties levels(1);
    const sf::Color pink(255, 100, 200);
    const sf::Color cyan(0, 255, 255);
    for (std::uint32_t level : {0u, 1u, 25u})
    {
        levels.setLevel(level);
        EXPECT_EQ(sf::Color::Black, levels.getBackgroundTileColor(3, 2, false)) << level;
    }
    levels.setLevel(2);
    EXPECT_EQ(sf::Color(255, 128, 0), levels.getBackgroundTileColor(1, 1, false));
    for (std::uint32_t level : {3u, 4u})
    {
        levels.setLevel(level);
        EXPECT_EQ(sf::Color(100, 128, 255), levels.getBackgroundTileColor(0, 0, false));
    }
    // Odd levels stripe the columns.
    for (std::uint32_t level : {5u, 7u, 9u})
    {
        levels.setLevel(level);
        EXPECT_EQ(pink, levels.getBackgroundTileColor(2, 1, false)) << level;
        EXPECT_EQ(cyan, levels.getBackgroundTileColor(3, 0, false)) << level;
    }
    // Even levels stripe the rows.
    for (std::uint32_t level : {6u, 8u})
    {
        levels.setLevel(level);
        EXPECT_EQ(pink, levels.getBackgroundTileColor(3, 2, false)) << level;
        EXPECT_EQ(cyan, levels.getBackgroundTileColor(2, 1, false)) << level;
    }
}

TEST(LevelProperties, CheckerboardsOfLevels10To14)
{
    LevelProperties levels(1);
    for (std::uint32_t level : {10u, 12u, 14u})
    {
        levels.setLevel(level);
        EXPECT_EQ(sf::Color(10, 200, 10), levels.getBackgroundTileColor(0, 0, false));
        EXPECT_EQ(sf::Color(250, 50, 10), levels.getBackgroundTileColor(0, 1, false));
        EXPECT_EQ(sf::Color(10, 12, 250), levels.getBackgroundTileColor(1, 0, false));
        EXPECT_EQ(sf::Color(25, 25, 25), levels.getBackgroundTileColor(17, 11, false));
    }
    for (std::uint32_t level : {11u, 13u})
    {
        levels.setLevel(level);
        EXPECT_EQ(sf::Color(10, 250, 100), levels.getBackgroundTileColor(2, 2, false));
        EXPECT_EQ(sf::Color(0, 128, 255), levels.getBackgroundTileColor(2, 3, false));
        EXPECT_EQ(sf::Color(100, 100, 100), levels.getBackgroundTileColor(3, 2, false));
        EXPECT_EQ(sf::Color(255, 255, 255), levels.getBackgroundTileColor(3, 3, false));
    }
}

TEST(LevelProperties, RandomLevelsDrawBlueGreenRedFromTheirOwnSource)
{
    LevelProperties levels(1234);
    lib::Randomizer twin(1234);
    levels.setLevel(15);
    for (int call = 0; call < 3; ++call)
    {
        const auto blue = static_cast<sf::Uint8>(twin.getUInt(255));
        const auto green = static_cast<sf::Uint8>(twin.getUInt(255));
        const auto red = static_cast<sf::Uint8>(twin.getUInt(255));
        EXPECT_EQ(sf::Color(red, green, blue), levels.getBackgroundTileColor(0, 0, false));
    }

    levels.setLevel(24);
    const sf::Color first = levels.getBackgroundTileColor(5, 5, false);
    const sf::Color second = levels.getBackgroundTileColor(5, 5, false);
    EXPECT_NE(first, second) << "the same cell gets a new colour at every call";
    EXPECT_EQ(sf::Color(255, 100, 100), levels.getBackgroundTileColor(8, 5, true))
        << "the centre is not random";
}

} // namespace
