#include "lib/board/BoardModel.hpp"

#include "lib/board/ITilesController.hpp"
#include "support/Printers.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

using lib::board::BoardModel;
using lib::board::WeakTile;
using Log = std::vector<std::string>;

std::string cell(const sf::Vector2u& p)
{
    return std::to_string(p.x) + std::to_string(p.y);
}

// Logs every notice as "what cells value" ("-" for an empty tile); a move also checks that the
// board has already made it.
class Recorder : public lib::board::ITilesController
{
public:
    void tileAdded(const sf::Vector2u& p, WeakTile t) override { note("add" + cell(p), t); }
    void tileDeleted(const sf::Vector2u& p, WeakTile t) override { note("del" + cell(p), t); }
    void tileMoved(const sf::Vector2u& s, const sf::Vector2u& d, WeakTile t) override
    {
        note("move" + cell(s) + cell(d), t);
        movedFirst = board && board->getTile(d).lock() == t.lock();
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

    const BoardModel* board = nullptr;
    Log log;
    bool movedFirst = false;
};

class BoardModelTest : public ::testing::Test
{
protected:
    BoardModelTest() { recorder.board = &board; }

    Recorder recorder;
    BoardModel board{{3, 2}, &recorder};
    lib::board::SharedTile red = std::make_shared<lib::board::ITile>(1);
    lib::board::SharedTile blue = std::make_shared<lib::board::ITile>(2);
};

TEST_F(BoardModelTest, ChangesAreMadeThenReported)
{
    board.setTile({0, 0}, red);
    board.setTile({2, 1}, blue);
    EXPECT_TRUE(board.moveTile({0, 0}, {2, 1})); // replaces blue without a notice
    EXPECT_TRUE(recorder.movedFirst && board.tileEmpty({0, 0}));
    EXPECT_FALSE(board.moveTile({0, 0}, {1, 1}));
    board.changeTileData({2, 1}, 4);
    board.changeTileData({2, 1}, 4);
    board.deleteTile({2, 1});
    board.deleteTile({2, 1});
    EXPECT_EQ(recorder.log, (Log{"add00 1", "add21 2", "move0021 1", "change2114 4", "change2144 4",
                                 "del21 4", "del21 -"}));
}

TEST_F(BoardModelTest, EdgeCasesKeepTheGridSound)
{
    board.setTile({1, 1}, red);
    EXPECT_TRUE(board.moveTile({1, 1}, {1, 1}));
    EXPECT_FALSE(board.moveTile({1, 1}, {3, 1}));
    EXPECT_EQ(board.getTile({1, 1}).lock(), red);

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
    EXPECT_EQ(recorder.log, (Log{"add11 1", "move1111 1", "add10 2"}));
    for (const sf::Vector2u size : {sf::Vector2u(0, 4), sf::Vector2u(4, 0)})
        EXPECT_TRUE(BoardModel(size, &recorder).tileEmpty({0, 0}));

    BoardModel silent({2, 2}, nullptr);
    silent.setTile({0, 1}, red);
    EXPECT_TRUE(silent.moveTile({0, 1}, {1, 1}));
    silent.changeTileData({1, 1}, 6);
    silent.deleteTile({1, 1});
    EXPECT_TRUE(silent.tileEmpty({1, 1}) && silent.tileEmpty({0, 1}));
}

} // namespace
