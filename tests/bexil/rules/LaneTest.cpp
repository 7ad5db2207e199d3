#include "bexil/rules/Lane.hpp"

#include "bexil/rules/GameData.hpp"
#include "bexil/rules/Launch.hpp"
#include "lib/board/BoardModel.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace
{

using bexil::rules::Lane;
using Colours = std::vector<std::int32_t>;
constexpr std::int32_t E = bexil::rules::Launch::Empty;

Colours colours(const Lane& lane)
{
    Colours all;
    for (std::size_t k = 0; k < lane.length(); ++k)
        all.push_back(lane[k]);
    return all;
}

TEST(LaneTest, ALaunchConsumesTheNearestRunOfItsColourGapsAndAllThenSwapsWithTheNextToken)
{
    // The lane and the player's colour; tokens consumed, the player's colour and the lane after.
    for (auto [lane, colour, consumed, colourAfter, laneAfter] :
         {std::tuple{Lane{E, 0, 0, E, 0, 1, 0}, 0, 3u, 1, Colours{E, E, E, E, E, 0, 0}},
          {Lane{3, 0, 0}, 0, 0u, 3, Colours{0, 0, 0}},
          {Lane{2, 2, E, 2}, 2, 3u, 2, Colours{E, E, E, E}},
          {Lane{E, E, E, E}, 4, 0u, 4, Colours{E, E, E, E}}})
    {
        const Lane::Launched launched = lane.launch(colour);
        EXPECT_EQ(consumed, launched.consumed) << colour;
        EXPECT_EQ(colourAfter, launched.colour) << colour;
        EXPECT_EQ(laneAfter, colours(lane)) << colour;
    }
}

TEST(LaneTest, ALaneIsAsNearToEndingTheGameAsTheArrivalsThatPushItsInnermostTokenIn)
{
    EXPECT_EQ(0u, Lane({E, E, E, E}).pushesToCentre());
    EXPECT_EQ(3u, Lane({E, E, 1, 4}).pushesToCentre());
    EXPECT_TRUE(Lane({1, E, 3}).warns());

    // From the centre outward: the right side's lane 1 is row 5 from column 11 on.
    const bexil::rules::GameData data({2000.f, 2000.f});
    lib::board::BoardModel board(data.size(), nullptr);
    const auto one = std::make_shared<lib::board::ITile>(1);
    board.setTile({13, 5}, one);
    board.setTile({17, 5}, one);
    EXPECT_EQ((Colours{E, E, 1, E, E, E, 1}), colours(Lane(data, board, 2, 1)));
}

} // namespace
