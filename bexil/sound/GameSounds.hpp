#pragma once

#include "bexil/settings/Settings.hpp"
#include "lib/Configuration.hpp"
#include "lib/scn/Audio.hpp"

#include <SFML/System/Vector2.hpp>

#include <array>
#include <cstdint>

namespace lib::scn
{
class Resource;
class SceneManager;
} // namespace lib::scn

namespace bexil::sound
{

// What a game sounds like: an effect for each of the game's events, heard from where it
// happens on the board (the left edge on the left speaker, the middle columns in the middle),
// and the game's music track, which pauses with the game and steps back for the warnings and
// the level fanfare. Silent until bound, and wherever the sound device or a sound file is
// missing. Playing allocates nothing.
class GameSounds
{
public:
    // Binds the game's sounds of the scene manager's resources to players of its audio, which
    // must outlive this object. The board has that many columns.
    void bind(lib::scn::SceneManager& sceneManager, std::uint32_t columns);

    // The game's track, from its start.
    void startMusic();
    // Each at the board cell where it happens.
    void arrive(const sf::Vector2u& cell);
    // A lane whose next token ends the game; the more lanes stand there, the higher and quicker
    // the call.
    void warning(const sf::Vector2u& cell, std::uint32_t lanesNear);
    void turn(const sf::Vector2u& cell);
    void move(const sf::Vector2u& cell);
    void launch(const sf::Vector2u& cell);
    // A launch that met no token, where it left the board.
    void miss(const sf::Vector2u& cell);
    // The token at `place` (1 for the first) of a run: each a little later and higher than the
    // one before, up a pentatonic scale.
    void pop(const sf::Vector2u& cell, std::uint32_t place);
    void swap(const sf::Vector2u& cell);
    void level();
    void pause();
    void resume();
    void gameOver();

    // A stored volume: its setting's value when it is one of 0 to 10, else the default, which
    // then replaces the stored value.
    static int volume(const settings::Setting& setting, lib::Configuration& table);
    // Sets the audio's two volumes from the table.
    static void applyVolumes(lib::scn::Audio& audio, lib::Configuration& table);

private:
    using Cue = lib::scn::Audio::Cue;

    // In the middle, or at the cell.
    void play(const Cue& cue) const;
    void play(const Cue& cue, const sf::Vector2u& cell) const;
    // From −1 at the board's left edge to 1 at its right edge.
    float pan(const sf::Vector2u& cell) const;

    lib::scn::Audio* m_audio = nullptr;
    std::uint32_t m_columns = 1;
    lib::scn::Resource* m_music = nullptr; // a track of the resources
    Cue m_arrive, m_warning, m_turn, m_move, m_launch, m_miss, m_pop, m_swap, m_level, m_pause,
        m_resume, m_gameOver;
    std::array<float, 11> m_popPitches{};
    std::array<float, 5> m_warningPitches{};
};

} // namespace bexil::sound
