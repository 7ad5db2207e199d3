#include "bexil/computer/ComputerPlayer.hpp"

#include "bexil/GameScene.hpp"
#include "bexil/Player.hpp"
#include "bexil/rules/GameData.hpp"
#include "lib/board/BoardModel.hpp"

#include <cassert>

namespace bexil::computer
{

namespace
{

// A token removed from a lane one arrival from the end is worth this much; the weight falls with
// the square of the arrivals the lane has left, so the lane closest to the centre comes first.
constexpr double DangerWeight = 30.0;
// Each token consumed, in a calm moment: the launch that consumes the most wins.
constexpr double ConsumedWeight = 0.3;
// The second launch of a plan counts for less: the board will have changed by then.
constexpr double SecondLaunchWeight = 0.8;
// Each press costs time in which tokens arrive.
constexpr double PressCost = 0.2;
// Keeping to the lane already aimed at, on a near tie.
constexpr double KeepTargetBonus = 0.05;

std::uint32_t distance(std::uint32_t a, std::uint32_t b)
{
    return a > b ? a - b : b - a;
}

} // namespace

ComputerPlayer::ComputerPlayer(GameScene& game, sf::Time delay)
    : m_game(game)
    , m_delay(delay)
{
    const rules::GameData& data = game.gameData();
    for (std::uint32_t zone = 0; zone < 4; ++zone)
    {
        const rules::GameData::TokenZone& tokens = data.tokenZone(zone);
        for (std::uint32_t lane = 0; lane < tokens.lanes; ++lane)
        {
            Lane& l = m_lanes[zone * 4 + lane];
            l.launch = tokens.direction.negate();
            sf::Vector2u cell = data.arrival(zone, lane).lineStart;
            l.line = l.launch.isHorizontal() ? cell.y : cell.x;
            l.length = 0;
            for (; cell.x < data.size().x && cell.y < data.size().y && l.length < MaxLaneLength;
                 cell = l.launch.step(cell))
                l.cells[l.length++] = cell;
        }
    }
}

void ComputerPlayer::update()
{
    if (m_game.gameState() != GameScene::GameState::Playing ||
        m_sinceAction.getElapsedTime() < m_delay)
        return;
    act(nextAction());
    m_sinceAction.restart();
}

void ComputerPlayer::act(Action action)
{
    switch (action)
    {
    case Action::Left:
        m_game.movePlayer(Direction::Left);
        break;
    case Action::Right:
        m_game.movePlayer(Direction::Right);
        break;
    case Action::Up:
        m_game.movePlayer(Direction::Up);
        break;
    case Action::Down:
        m_game.movePlayer(Direction::Down);
        break;
    case Action::Launch:
        m_game.launchPlayer();
        break;
    case Action::Wait:
        break;
    }
}

void ComputerPlayer::readBoard(std::array<LaneColours, LaneCount>& lanes) const
{
    const lib::board::BoardModel& board = *m_game.board();
    for (std::size_t i = 0; i < LaneCount; ++i)
    {
        lanes[i].fill(Empty);
        for (std::size_t k = 0; k < m_lanes[i].length; ++k)
        {
            if (const lib::board::SharedTile token = board.getTile(m_lanes[i].cells[k]).lock())
                lanes[i][k] = token->data;
        }
    }
}

double ComputerPlayer::danger(const LaneColours& lane, std::size_t length)
{
    for (std::size_t k = 0; k < length; ++k)
    {
        if (lane[k] != Empty)
            return 1.0 / static_cast<double>((k + 1) * (k + 1));
    }
    return 0.0;
}

ComputerPlayer::Outcome ComputerPlayer::launchAlong(LaneColours& lane, std::size_t length,
                                                    std::int32_t colour) const
{
    // As the game does: every token of the player's colour up to the first of another colour
    // goes, gaps and all; that one swaps colours with the player.
    const double before = danger(lane, length);
    Outcome outcome{0, colour, 0.0};
    for (std::size_t k = 0; k < length; ++k)
    {
        if (lane[k] == Empty)
            continue;
        if (lane[k] != colour)
        {
            outcome.colour = lane[k];
            lane[k] = colour;
            break;
        }
        lane[k] = Empty;
        ++outcome.consumed;
    }
    outcome.gain = (before - danger(lane, length)) * DangerWeight +
                   static_cast<double>(outcome.consumed) * ConsumedWeight;
    return outcome;
}

std::uint32_t ComputerPlayer::pressesTo(const Lane& lane, Stand& stand) const
{
    const sf::Rect<unsigned int>& centre = m_game.gameData().centerRect();
    std::uint32_t& along = lane.launch.isHorizontal() ? stand.cell.y : stand.cell.x;
    const std::uint32_t steps = distance(along, lane.line);
    if (steps == 0 && stand.facing == lane.launch)
        return 0;
    along = lane.line;
    // The press that turns also moves one cell, where the centre square allows.
    const sf::Vector2u next = lane.launch.step(stand.cell);
    if (next.x >= centre.left && next.x < centre.left + centre.width && next.y >= centre.top &&
        next.y < centre.top + centre.height)
        stand.cell = next;
    stand.facing = lane.launch;
    return steps + 1;
}

ComputerPlayer::Action ComputerPlayer::firstPressTo(const Lane& lane, const Stand& stand) const
{
    const std::uint32_t along = lane.launch.isHorizontal() ? stand.cell.y : stand.cell.x;
    if (along < lane.line)
        return lane.launch.isHorizontal() ? Action::Down : Action::Right;
    if (along > lane.line)
        return lane.launch.isHorizontal() ? Action::Up : Action::Left;
    if (stand.facing != lane.launch)
        return static_cast<Action>(static_cast<int>(Action::Left) + lane.launch.data());
    return Action::Launch;
}

ComputerPlayer::Action ComputerPlayer::nextAction()
{
    if (m_game.gameState() != GameScene::GameState::Playing || !m_game.player())
        return Action::Wait;
    std::array<LaneColours, LaneCount> lanes;
    readBoard(lanes);
    const Stand here{m_game.player()->boardPosition, m_game.player()->currentDirection};
    const std::int32_t colour = m_game.player()->data;

    double best = 0.0;
    std::size_t bestLane = LaneCount;
    for (std::size_t i = 0; i < LaneCount; ++i)
    {
        Stand first = here;
        const std::uint32_t firstPresses = pressesTo(m_lanes[i], first) + 1;
        LaneColours afterFirst = lanes[i];
        const Outcome one = launchAlong(afterFirst, m_lanes[i].length, colour);
        // The best second launch, or none.
        double second = 0.0;
        for (std::size_t j = 0; j < LaneCount; ++j)
        {
            Stand then = first;
            const std::uint32_t presses = pressesTo(m_lanes[j], then) + 1;
            LaneColours lane = i == j ? afterFirst : lanes[j];
            const Outcome two = launchAlong(lane, m_lanes[j].length, one.colour);
            const double value = two.gain * SecondLaunchWeight - presses * PressCost;
            if (value > second)
                second = value;
        }
        double value = one.gain + second - firstPresses * PressCost;
        if (i == m_target)
            value += KeepTargetBonus;
        if (value > best)
        {
            best = value;
            bestLane = i;
        }
    }
    m_target = bestLane;
    if (bestLane == LaneCount)
        return Action::Wait;
    return firstPressTo(m_lanes[bestLane], here);
}

} // namespace bexil::computer
