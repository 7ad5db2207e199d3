#include "bexil/LevelProperties.hpp"

#include "support/Printers.hpp"

#include <gtest/gtest.h>

#include <array>

TEST(LevelProperties, FollowTheFormulasUpToLevel25ThenStayOnThePlateau)
{
    // Level, ms between arrivals, points a token, seconds and tokens to the next level.
    using Row = std::array<std::uint32_t, 5>;
    bexil::LevelProperties levels(1);
    for (const Row& row :
         {Row{25, 100, 35, 930, 275}, Row{26, 250, 36, 1200, 400}, Row{1000, 250, 1010, 1200, 400}})
    {
        levels.setLevel(row[0]);
        EXPECT_EQ(row, (Row{row[0], levels.millisBetweenTokens(), levels.baseScore(),
                            levels.stayTime(), levels.stayTokens()}));
    }
}

TEST(LevelProperties, BackgroundColoursChangeAtEachLevelBoundaryAndWithColumnAndRowParity)
{
    // Level, column, row, in the centre (1) or not (0), then the colour as 0xRRGGBB.
    const std::array<std::uint32_t, 5> cells[] = {
        {1, 8, 5, 1, 0x0ac832},   {6, 9, 7, 1, 0xff46c8},  {8, 10, 4, 1, 0xff6464},
        {9, 7, 4, 1, 0xe1ffff},   {14, 8, 4, 1, 0x808080}, {15, 9, 6, 1, 0x64c8c8},
        {25, 10, 6, 1, 0xff6464}, {26, 7, 4, 1, 0x000000}, {1, 3, 2, 0, 0x000000},
        {2, 1, 1, 0, 0xff8000},   {4, 5, 5, 0, 0x6480ff},  {5, 2, 1, 0, 0xff64c8},
        {9, 3, 0, 0, 0x00ffff},   {6, 3, 2, 0, 0xff64c8},  {10, 0, 0, 0, 0x0ac80a},
        {14, 1, 0, 0, 0x0a0cfa},  {11, 3, 2, 0, 0x646464}, {25, 3, 2, 0, 0x000000}};
    bexil::LevelProperties levels(1);
    for (const auto& [level, x, y, center, rgb] : cells)
    {
        levels.setLevel(level);
        EXPECT_EQ(sf::Color(rgb << 8 | 0xff), levels.getBackgroundTileColor(x, y, center != 0))
            << "level " << level << " cell (" << x << ", " << y << ")";
    }
}

TEST(LevelProperties, RandomLevelsDrawBlueGreenRedFromTheirOwnSourceAtEveryCall)
{
    bexil::LevelProperties levels(1234);
    lib::Randomizer twin(1234);
    const auto draw = [&twin] { return static_cast<sf::Uint8>(twin.getUInt(255)); };
    const sf::Uint8 blue = draw(), green = draw(), red = draw();
    levels.setLevel(15);
    EXPECT_EQ(sf::Color(red, green, blue), levels.getBackgroundTileColor(0, 0, false));
    levels.setLevel(24);
    EXPECT_NE(levels.getBackgroundTileColor(5, 5, false),
              levels.getBackgroundTileColor(5, 5, false));
}
