#pragma once

#include "bexil/Direction.hpp"
#include "bexil/rules/GameData.hpp"
#include "bexil/rules/Lane.hpp"
#include "lib/Clock.hpp"

#include <SFML/System/Time.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstddef>
#include <cstdint>

namespace bexil
{
class GameScene;
}

namespace bexil::computer
{

// A player the computer plays. It looks at the board of a game scene and acts through the same
// operations the game keys reach (a direction key turns and moves, the launch key launches),
// one action at a time with a fixed delay between them, like a person at the keys. It knows only
// what the board shows, never what will arrive next.
//
// Before every action it plans again: of the launches it can reach it prefers the one that
// consumes the most, with the lanes nearest to ending the game first, and it looks one launch
// further, so that a launch that only swaps is worth the run its new colour opens. It plans
// with the game's own rules on copies of the lanes. The game scene must outlive the player.
class ComputerPlayer
{
public:
    // What one key press would do.
    enum class Action
    {
        Wait,
        Left,
        Right,
        Up,
        Down,
        Launch
    };

    ComputerPlayer(GameScene& game, sf::Time delay);

    // Once per frame: acts when the game is in play and the delay since the last action (or
    // since the player was made) has passed.
    void update();
    // The action the plan starts with now; Wait outside play or with nothing worth a launch.
    Action nextAction();
    // Does what the key would: turns and moves, or launches.
    void act(Action action);

private:
    static constexpr std::size_t LaneCount = rules::GameData::LaneCount;
    using Lanes = std::array<rules::Lane, LaneCount>;

    // One lane as the player reaches it: the line it launches along and where it must stand.
    struct Aim
    {
        std::uint32_t zone;
        std::uint32_t lane;
        Direction launch;   // the way the player faces to launch along it
        std::uint32_t line; // the row (horizontal lanes) or column the player must stand in
    };

    // The player's cell and facing, as the plan moves it.
    struct Stand
    {
        sf::Vector2u cell;
        Direction facing;
    };

    // What a launch along a lane does: the tokens consumed, the colour the player ends with.
    struct Outcome
    {
        std::uint32_t consumed;
        std::int32_t colour;
        double gain;
    };

    void readBoard(Lanes& lanes) const;
    // Launches along the lane in the plan: changes the lane and tells what it did.
    static Outcome launchAlong(rules::Lane& lane, std::int32_t colour);
    // The presses that bring the player from its stand to launch along the lane, and the stand
    // reached (the launch not counted).
    std::uint32_t pressesTo(const Aim& aim, Stand& stand) const;
    // The first press toward launching along the lane.
    static Action firstPressTo(const Aim& aim, const Stand& stand);
    static double danger(const rules::Lane& lane);

    GameScene& m_game;
    sf::Time m_delay;
    lib::Clock m_sinceAction;
    std::array<Aim, LaneCount> m_aims{};
    // The lane the last plan started with: kept on a tie, so the player does not dither.
    std::size_t m_target = LaneCount;
};

} // namespace bexil::computer
