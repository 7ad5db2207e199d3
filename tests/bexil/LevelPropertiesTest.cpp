#include "bexil/LevelProperties.hpp"

#include "support/Printers.hpp"

#include <gtest/gtest.h>

namespace
{

using bexil::LevelProperties;

TEST(LevelProperties, FollowsTheFormulasUpToLevel25ThenThePlateau)
{
    struct Row
    {
        std::uint32_t level, millis, points, seconds, tokens;
    };
    const Row rows[] = {{0, 2600, 10, 180, 25},   {1, 2500, 11, 210, 35},
                        {9, 1700, 19, 450, 115},  {25, 100, 35, 930, 275},
                        {26, 250, 36, 1200, 400}, {1000, 250, 1010, 1200, 400},
                        {3, 2300, 13, 270, 55}};
    LevelProperties levels(1);
    EXPECT_EQ(25u, levels.maxLevel());
    EXPECT_EQ(2600u, levels.millisBetweenTokens()) << "constructed at level 0";
    for (const Row& row : rows)
    {
        levels.setLevel(row.level);
        EXPECT_EQ(row.level, levels.level());
        EXPECT_EQ(row.millis, levels.millisBetweenTokens()) << "level " << row.level;
        EXPECT_EQ(row.points, levels.baseScore()) << "level " << row.level;
        EXPECT_EQ(row.seconds, levels.stayTime()) << "level " << row.level;
        EXPECT_EQ(row.tokens, levels.stayTokens()) << "level " << row.level;
    }
}

TEST(LevelProperties, BackgroundColoursByLevelColumnRowAndCentre)
{
    struct Cell
    {
        std::uint32_t level, x, y;
        bool center;
        sf::Color colour;
    };
    const sf::Color pink(255, 70, 200), green(10, 200, 50), salmon(255, 100, 100);
    const sf::Color stripeA(255, 100, 200), stripeB(0, 255, 255);
    const Cell cells[] = {{0, 7, 4, true, pink},
                          {1, 8, 5, true, green},
                          {2, 7, 4, true, salmon},
                          {6, 9, 7, true, pink},
                          {8, 10, 4, true, salmon},
                          {7, 7, 4, true, green},
                          {9, 7, 4, true, sf::Color(225, 255, 255)},
                          {14, 8, 4, true, sf::Color(128, 128, 128)},
                          {15, 9, 6, true, sf::Color(100, 200, 200)},
                          {25, 10, 6, true, salmon},
                          {26, 7, 4, true, sf::Color::Black},
                          {26, 0, 0, false, sf::Color::Black},
                          {0, 3, 2, false, sf::Color::Black},
                          {1, 3, 2, false, sf::Color::Black},
                          {25, 3, 2, false, sf::Color::Black},
                          {2, 1, 1, false, sf::Color(255, 128, 0)},
                          {3, 0, 0, false, sf::Color(100, 128, 255)},
                          {4, 5, 5, false, sf::Color(100, 128, 255)},
                          {5, 2, 1, false, stripeA},
                          {5, 3, 0, false, stripeB},
                          {9, 3, 0, false, stripeB},
                          {6, 3, 2, false, stripeA},
                          {8, 2, 1, false, stripeB},
                          {10, 0, 0, false, sf::Color(10, 200, 10)},
                          {12, 0, 1, false, sf::Color(250, 50, 10)},
                          {14, 1, 0, false, sf::Color(10, 12, 250)},
                          {10, 17, 11, false, sf::Color(25, 25, 25)},
                          {11, 2, 2, false, sf::Color(10, 250, 100)},
                          {13, 2, 3, false, sf::Color(0, 128, 255)},
                          {11, 3, 2, false, sf::Color(100, 100, 100)},
                          {13, 3, 3, false, sf::Color::White}};
    LevelProperties levels(1);
    for (const Cell& cell : cells)
    {
        levels.setLevel(cell.level);
        EXPECT_EQ(cell.colour, levels.getBackgroundTileColor(cell.x, cell.y, cell.center))
            << "level " << cell.level << " cell (" << cell.x << ", " << cell.y << ")";
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
    EXPECT_NE(levels.getBackgroundTileColor(5, 5, false),
              levels.getBackgroundTileColor(5, 5, false))
        << "the same cell gets a new colour at every call";
}

} // namespace
