#include "lib/board/BoardModel.hpp"

#include "lib/board/ITilesController.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using lib::board::BoardModel;
using lib::board::WeakTile;
using Log = std::vector<std::string>;

namespace
{

std::string cell(const sf::Vector2u& p)
{
    return std::to_string(p.x) + std::to_string(p.y);
}

// Logs every notice as "what cells value" ("-" for an empty tile), a move as "early" when the
// board has not made it yet.
class BoardModelTest : public ::testing::Test, public lib::board::ITilesController
{
protected:
    void tileAdded(const sf::Vector2u& p, WeakTile t) override { note("add" + cell(p), t); }
    void tileDeleted(const sf::Vector2u& p, WeakTile t) override { note("del" + cell(p), t); }
    void tileMoved(const sf::Vector2u& s, const sf::Vector2u& d, WeakTile t) override
    {
        const bool made = board.getTile(d).lock() == t.lock() && (s == d || board.tileEmpty(s));
        note((made ? "move" : "early move") + cell(s) + cell(d), t);
    }
    void tileChanged(const sf::Vector2u& p, WeakTile t, const int& o, const int& n) override
    {
        note("change" + cell(p) + std::to_string(o) + std::to_string(n), t);
    }
    void note(const std::string& what, const WeakTile& t)
    {
        const auto tile = t.lock();
        log.push_back(what + " " + (tile ? std::to_string(tile->data) : "-"));
    }

    Log log;
    BoardModel board{{3, 2}, this};
    lib::board::SharedTile red = std::make_shared<lib::board::ITile>(1);
    lib::board::SharedTile blue = std::make_shared<lib::board::ITile>(2);
};

} // namespace

TEST_F(BoardModelTest, ChangesAreMadeThenReported)
{
    board.setTile({0, 0}, red);
    board.setTile({2, 1}, blue);
    EXPECT_TRUE(board.moveTile({0, 0}, {2, 1})); // replaces blue without a notice
    EXPECT_FALSE(board.moveTile({0, 0}, {1, 1}));
    board.changeTileData({2, 1}, 4);
    board.changeTileData({2, 1}, 4);
    board.deleteTile({2, 1});
    board.deleteTile({2, 1});
    EXPECT_EQ((Log{"add00 1", "add21 2", "move0021 1", "change2114 4", "change2144 4", "del21 4",
                   "del21 -"}),
              log);
}

TEST_F(BoardModelTest, SelfMovesGoneTilesAndCellsOutsideKeepTheGridSound)
{
    board.setTile({1, 1}, red);
    EXPECT_TRUE(board.moveTile({1, 1}, {1, 1}));
    EXPECT_FALSE(board.moveTile({1, 1}, {3, 1}));
    EXPECT_EQ(red, board.getTile({1, 1}).lock());

    board.setTile({1, 0}, blue);
    blue.reset();
    EXPECT_TRUE(board.tileEmpty({1, 0}));
    EXPECT_FALSE(board.moveTile({1, 0}, {0, 0}));
    board.changeTileData({1, 0}, 3);

    for (const sf::Vector2u outside : {sf::Vector2u(3, 0), sf::Vector2u(0, 2)})
    {
        EXPECT_TRUE(board.tileEmpty(outside));
        board.setTile(outside, red);
        board.deleteTile(outside);
        board.changeTileData(outside, 9);
    }
    EXPECT_EQ((Log{"add11 1", "move1111 1", "add10 2"}), log);
}
