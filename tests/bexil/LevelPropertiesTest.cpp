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
    // Colours as 0xRRGGBB.
    const struct
    {
        std::uint32_t level, x, y;
        bool center;
        std::uint32_t rgb;
    } cells[] = {
        {0, 7, 4, true, 0xff46c8},   {1, 8, 5, true, 0x0ac832},   {2, 7, 4, true, 0xff6464},
        {6, 9, 7, true, 0xff46c8},   {8, 10, 4, true, 0xff6464},  {7, 7, 4, true, 0x0ac832},
        {9, 7, 4, true, 0xe1ffff},   {14, 8, 4, true, 0x808080},  {15, 9, 6, true, 0x64c8c8},
        {25, 10, 6, true, 0xff6464}, {26, 7, 4, true, 0x000000},  {26, 0, 0, false, 0x000000},
        {0, 3, 2, false, 0x000000},  {1, 3, 2, false, 0x000000},  {25, 3, 2, false, 0x000000},
        {2, 1, 1, false, 0xff8000},  {3, 0, 0, false, 0x6480ff},  {4, 5, 5, false, 0x6480ff},
        {5, 2, 1, false, 0xff64c8},  {5, 3, 0, false, 0x00ffff},  {9, 3, 0, false, 0x00ffff},
        {6, 3, 2, false, 0xff64c8},  {8, 2, 1, false, 0x00ffff},  {10, 0, 0, false, 0x0ac80a},
        {12, 0, 1, false, 0xfa320a}, {14, 1, 0, false, 0x0a0cfa}, {10, 17, 11, false, 0x191919},
        {11, 2, 2, false, 0x0afa64}, {13, 2, 3, false, 0x0080ff}, {11, 3, 2, false, 0x646464},
        {13, 3, 3, false, 0xffffff}};
    LevelProperties levels(1);
    for (const auto& cell : cells)
    {
        levels.setLevel(cell.level);
        EXPECT_EQ(sf::Color(cell.rgb << 8 | 0xff),
                  levels.getBackgroundTileColor(cell.x, cell.y, cell.center))
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
