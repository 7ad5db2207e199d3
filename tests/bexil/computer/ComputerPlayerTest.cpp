#include "bexil/computer/ComputerPlayer.hpp"

#include "bexil/Player.hpp"
#include "lib/Randomizer.hpp"
#include "support/HeadlessGame.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace
{

using Action = bexil::computer::ComputerPlayer::Action;
using bexil::test::Headless;

struct Token
{
    sf::Vector2u cell;
    std::int32_t colour; // the player starts with colour 0
};

struct PreparedBoard
{
    const char* what;
    std::vector<Token> tokens;
    std::vector<Action> expected;
    std::uint32_t score;
};

// The player stands in (7, 4) facing up; no token arrives in the first 2.6 s.
const PreparedBoard Boards[] = {
    {"the run of its colour in the lane nearest the centre, left of row 6",
     {{{6, 6}, 0}, {{5, 6}, 0}, {{4, 6}, 2}, {{9, 3}, 3}},
     {Action::Down, Action::Down, Action::Left, Action::Launch},
     10 + 20},
    {"a swap at the bottom for the colour of the run right of row 5, then that run",
     {{{11, 5}, 1}, {{12, 5}, 1}, {{10, 10}, 1}},
     {Action::Right, Action::Right, Action::Right, Action::Down, Action::Launch, Action::Right,
      Action::Launch},
     10 + 20},
};

TEST(ComputerPlayer, PlaysAPreparedBoardTheExpectedWay)
{
    for (const PreparedBoard& board : Boards)
    {
        const auto game = bexil::test::headlessGame();
        Headless run({game});
        for (const Token& token : board.tokens)
            game->addNewToken(token.cell, token.colour);
        bexil::computer::ComputerPlayer computer(*game, sf::milliseconds(300));
        std::vector<Action> actions;
        for (Action next = computer.nextAction(); next != Action::Wait && actions.size() < 10;
             next = computer.nextAction())
        {
            actions.push_back(next);
            computer.act(next);
        }
        EXPECT_EQ(actions, board.expected) << board.what;
        EXPECT_EQ(game->score(), board.score) << board.what;
    }
}

TEST(ComputerPlayer, WaitsWhileTheGameIsPausedOrOver)
{
    const auto game = bexil::test::headlessGame();
    Headless run({game});
    game->addNewToken({6, 4}, 0);
    bexil::computer::ComputerPlayer computer(*game, sf::milliseconds(300));
    game->switchPause();
    EXPECT_EQ(computer.nextAction(), Action::Wait);
    game->switchPause();
    EXPECT_EQ(computer.nextAction(), Action::Left);
    run.run(sf::seconds(300)); // a hundred arrivals and nobody at the keys

    ASSERT_EQ(game->gameState(), bexil::GameScene::GameState::GameOver);
    EXPECT_EQ(computer.nextAction(), Action::Wait);
}

// Token games from the first level, three minutes at most, on the same seeds.
std::uint32_t totalScore(bool computerPlays)
{
    std::uint32_t total = 0;
    for (std::uint32_t seed = 1; seed <= 6; ++seed)
    {
        lib::Randomizer::seedProgram(seed);
        const auto game = bexil::test::headlessGame();
        Headless run({game});
        bexil::computer::ComputerPlayer computer(*game, sf::milliseconds(300));
        lib::Randomizer keys(seed);
        lib::Clock sincePress;
        run.run(sf::seconds(180),
                [&]
                {
                    if (computerPlays)
                        computer.update();
                    else if (sincePress.getElapsedTime() >= sf::milliseconds(300))
                    {
                        sincePress.restart();
                        computer.act(static_cast<Action>(1 + keys.getUInt(5)));
                    }
                });
        total += game->score();
    }
    return total;
}

TEST(ComputerPlayer, ScoresFarMoreThanRandomKeys)
{
    const std::uint32_t random = totalScore(false);
    const std::uint32_t computer = totalScore(true);
    std::cout << "random keys " << random << ", computer player " << computer << "\n";
    EXPECT_GT(computer, 5 * random);
}

} // namespace
