#include "bexil/rules/Arrivals.hpp"

#include "lib/board/BoardModel.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

using Pushed = bexil::rules::Arrivals::Pushed;

// Arrivals on a board of plain tiles that the test owns, as the game scene makes them: the push,
// then the new token where it enters.
class ArrivalsTest : public ::testing::Test
{
protected:
    Pushed arrive(std::uint32_t lane, std::int32_t colour = 2)
    {
        const Pushed pushed = arrivals.push(board, lane);
        put(pushed.cell, colour);
        return pushed;
    }
    void put(const sf::Vector2u& cell, std::int32_t colour)
    {
        tokens.push_back(std::make_shared<lib::board::ITile>(colour));
        board.setTile(cell, tokens.back());
    }
    // The left side's lanes and the centre in a row: each token's colour, '.' for no token.
    std::string row(unsigned int y) const
    {
        std::string cells;
        for (unsigned int x = 0; x < 9; ++x)
        {
            const lib::board::SharedTile token = board.getTile({x, y}).lock();
            cells += token ? static_cast<char>('0' + token->data) : '.';
        }
        return cells;
    }

    const bexil::rules::GameData data{{2000.f, 2000.f}};
    bexil::rules::Arrivals arrivals{data};
    lib::board::BoardModel board{data.size(), nullptr};
    std::vector<lib::board::SharedTile> tokens;
};

TEST_F(ArrivalsTest, TheSidesTakeTurnsFromTheLeftAndEachArrivalPushesItsLaneOneCellInGapsAndAll)
{
    put({0, 5}, 3);
    put({2, 5}, 4);
    for (const std::uint32_t side : {0u, 1u, 2u, 3u})
    {
        EXPECT_EQ(side, arrivals.side());
        arrive(side == 0 ? 1 : 3, 0);
    }
    EXPECT_EQ("03.4.....", row(5)) << "the new token at the edge";
}

TEST_F(ArrivalsTest, ALaneWarnsOnceEachTimeItFillsUpToTheCentreAndItsNextArrivalEndsTheGame)
{
    // Left lane 0 (row 4) fills while the other sides spread their tokens over their lanes.
    const auto round = [this](std::uint32_t other)
    {
        const Pushed left = arrive(0);
        for (std::uint32_t side = 1; side < 4; ++side)
            EXPECT_FALSE(arrive(other % 4).warns) << "side " << side << ", round " << other;
        return left;
    };
    for (std::uint32_t i = 0; i < 6; ++i)
        EXPECT_FALSE(round(i).warns) << "not before, arrival " << i;
    EXPECT_TRUE(round(6).warns) << "one push from the centre";

    board.deleteTile({6, 4}); // as a launch consumes the innermost token
    EXPECT_TRUE(round(7).warns) << "filled up again";
    const Pushed last = round(0);
    EXPECT_TRUE(last.endsGame && !last.warns) << "no warning once the game is over";
    EXPECT_EQ("22222222.", row(4)) << "the whole lane moved";
}

} // namespace
