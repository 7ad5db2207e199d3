#include "bexil/sound/GameSounds.hpp"

#include "lib/scn/Resource.hpp"
#include "lib/scn/ResourceManager.hpp"
#include "lib/scn/SceneManager.hpp"

#include <SFML/System/Time.hpp>

#include <algorithm>
#include <cmath>

namespace bexil::sound
{

namespace
{

// Semitones above the first pop: a major pentatonic scale has no step that clashes, however
// long the run.
constexpr std::array<int, 11> PopSteps = {0, 2, 4, 7, 9, 12, 14, 16, 19, 21, 24};
const sf::Time PopSpacing = sf::milliseconds(60);
// A whole tone higher, and so quicker, for each further lane that is one arrival from the end.
constexpr std::array<int, 5> WarningSteps = {0, 2, 4, 6, 8};

float semitones(int steps)
{
    return static_cast<float>(std::pow(2.0, steps / 12.0));
}

} // namespace

void GameSounds::bind(lib::scn::SceneManager& sceneManager, std::uint32_t columns)
{
    m_audio = &sceneManager.audio();
    m_columns = std::max(columns, 1u);
    const lib::scn::ResourceManager& resources = *sceneManager.resourceManager();
    const auto cue = [this, &resources](const char* name, std::size_t voices)
    { return m_audio->cue(*resources.getResource(name), voices); };
    // Voices for the effects that can come quicker than they last.
    m_arrive = cue("game_scene.arrive", 2);
    m_warning = cue("game_scene.warning", 1);
    m_turn = cue("game_scene.turn", 2);
    m_move = cue("game_scene.move", 2);
    m_launch = cue("game_scene.launch", 2);
    m_miss = cue("game_scene.miss", 2);
    m_pop = cue("game_scene.pop", 6);
    m_swap = cue("game_scene.swap", 2);
    m_level = cue("game_scene.level", 1);
    m_pause = cue("game_scene.pause", 1);
    m_resume = cue("game_scene.resume", 1);
    m_gameOver = cue("game_scene.gameOver", 1);
    m_music = resources.getResource("game_scene.music").get();
    for (std::size_t i = 0; i < PopSteps.size(); ++i)
        m_popPitches[i] = semitones(PopSteps[i]);
    for (std::size_t i = 0; i < WarningSteps.size(); ++i)
        m_warningPitches[i] = semitones(WarningSteps[i]);
}

float GameSounds::pan(const sf::Vector2u& cell) const
{
    return (2.f * static_cast<float>(cell.x) + 1.f) / static_cast<float>(m_columns) - 1.f;
}

void GameSounds::play(const Cue& cue) const
{
    if (m_audio != nullptr)
        m_audio->play(cue);
}

void GameSounds::play(const Cue& cue, const sf::Vector2u& cell) const
{
    if (m_audio != nullptr)
        m_audio->play(cue, 1.f, pan(cell));
}

void GameSounds::startMusic()
{
    if (m_audio != nullptr)
        m_audio->playMusic(m_music);
}

void GameSounds::arrive(const sf::Vector2u& cell)
{
    play(m_arrive, cell);
}

void GameSounds::warning(const sf::Vector2u& cell, std::uint32_t lanesNear)
{
    if (m_audio == nullptr || lanesNear == 0)
        return;
    const float pitch =
        m_warningPitches[std::min<std::size_t>(lanesNear, m_warningPitches.size()) - 1];
    m_audio->play(m_warning, pitch, pan(cell));
    m_audio->duck(m_audio->duration(m_warning) / pitch);
}

void GameSounds::turn(const sf::Vector2u& cell)
{
    play(m_turn, cell);
}

void GameSounds::move(const sf::Vector2u& cell)
{
    play(m_move, cell);
}

void GameSounds::launch(const sf::Vector2u& cell)
{
    play(m_launch, cell);
}

void GameSounds::miss(const sf::Vector2u& cell)
{
    play(m_miss, cell);
}

void GameSounds::pop(const sf::Vector2u& cell, std::uint32_t place)
{
    if (m_audio == nullptr || place == 0)
        return;
    const std::size_t step = std::min<std::size_t>(place - 1, PopSteps.size() - 1);
    m_audio->play(m_pop, m_popPitches[step], pan(cell), PopSpacing * static_cast<float>(place - 1));
}

void GameSounds::swap(const sf::Vector2u& cell)
{
    play(m_swap, cell);
}

void GameSounds::level()
{
    if (m_audio == nullptr)
        return;
    m_audio->play(m_level);
    m_audio->duck(m_audio->duration(m_level));
}

void GameSounds::pause()
{
    play(m_pause);
    if (m_audio != nullptr)
        m_audio->pauseMusic();
}

void GameSounds::resume()
{
    play(m_resume);
    if (m_audio != nullptr)
        m_audio->resumeMusic();
}

void GameSounds::gameOver()
{
    play(m_gameOver);
    if (m_audio != nullptr)
        m_audio->pauseMusic();
}

int GameSounds::volume(const settings::Setting& setting, lib::Configuration& table)
{
    const int stored = setting.read(table);
    return stored >= 0 && stored <= 10 ? stored : setting.reset(table);
}

void GameSounds::applyVolumes(lib::scn::Audio& audio, lib::Configuration& table)
{
    audio.setSoundVolume(volume(settings::Settings::SoundVolume, table));
    audio.setMusicVolume(volume(settings::Settings::MusicVolume, table));
}

} // namespace bexil::sound
