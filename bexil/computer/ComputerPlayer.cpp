#include "bexil/computer/ComputerPlayer.hpp"

#include "bexil/GameScene.hpp"
#include "bexil/Player.hpp"

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
    std::size_t i = 0;
    for (std::uint32_t zone = 0; zone < rules::GameData::ZoneCount; ++zone)
        for (std::uint32_t lane = 0; lane < data.tokenZone(zone).lanes; ++lane, ++i)
        {
            const Direction launch = data.tokenZone(zone).direction.negate();
            const sf::Vector2u start = data.arrival(zone, lane).lineStart;
            m_aims[i] = {zone, lane, launch, launch.isHorizontal() ? start.y : start.x};
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

void ComputerPlayer::readBoard(Lanes& lanes) const
{
    for (std::size_t i = 0; i < LaneCount; ++i)
        lanes[i] = rules::Lane(m_game.gameData(), *m_game.board(), m_aims[i].zone, m_aims[i].lane);
}

double ComputerPlayer::danger(const rules::Lane& lane)
{
    const std::uint32_t pushes = lane.pushesToCentre();
    return pushes == 0 ? 0.0 : 1.0 / static_cast<double>(pushes * pushes);
}

ComputerPlayer::Outcome ComputerPlayer::launchAlong(rules::Lane& lane, std::int32_t colour)
{
    const double before = danger(lane);
    const rules::Lane::Launched launched = lane.launch(colour);
    const double gain = (before - danger(lane)) * DangerWeight +
                        static_cast<double>(launched.consumed) * ConsumedWeight;
    return {launched.consumed, launched.colour, gain};
}

std::uint32_t ComputerPlayer::pressesTo(const Aim& aim, Stand& stand) const
{
    std::uint32_t& along = aim.launch.isHorizontal() ? stand.cell.y : stand.cell.x;
    const std::uint32_t steps = distance(along, aim.line);
    if (steps == 0 && stand.facing == aim.launch)
        return 0;
    along = aim.line;
    // The press that turns also moves, as the game's keys do.
    stand.cell = m_game.gameData().playerMove(stand.cell, aim.launch);
    stand.facing = aim.launch;
    return steps + 1;
}

ComputerPlayer::Action ComputerPlayer::firstPressTo(const Aim& aim, const Stand& stand)
{
    const std::uint32_t along = aim.launch.isHorizontal() ? stand.cell.y : stand.cell.x;
    if (along < aim.line)
        return aim.launch.isHorizontal() ? Action::Down : Action::Right;
    if (along > aim.line)
        return aim.launch.isHorizontal() ? Action::Up : Action::Left;
    if (stand.facing != aim.launch)
        return static_cast<Action>(static_cast<int>(Action::Left) + aim.launch.data());
    return Action::Launch;
}

ComputerPlayer::Action ComputerPlayer::nextAction()
{
    if (m_game.gameState() != GameScene::GameState::Playing || !m_game.player())
        return Action::Wait;
    Lanes lanes;
    readBoard(lanes);
    const Stand here{m_game.player()->boardPosition, m_game.player()->currentDirection};
    const std::int32_t colour = m_game.player()->data;

    double best = 0.0;
    std::size_t bestLane = LaneCount;
    for (std::size_t i = 0; i < LaneCount; ++i)
    {
        Stand first = here;
        const std::uint32_t firstPresses = pressesTo(m_aims[i], first) + 1;
        rules::Lane afterFirst = lanes[i];
        const Outcome one = launchAlong(afterFirst, colour);
        // The best second launch, or none.
        double second = 0.0;
        for (std::size_t j = 0; j < LaneCount; ++j)
        {
            Stand then = first;
            const std::uint32_t presses = pressesTo(m_aims[j], then) + 1;
            rules::Lane lane = i == j ? afterFirst : lanes[j];
            const Outcome two = launchAlong(lane, one.colour);
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
    return firstPressTo(m_aims[bestLane], here);
}

} // namespace bexil::computer
