#include "lib/scn/Audio.hpp"

#include "lib/core/Platform.hpp"
#include "lib/core/ProgramName.hpp"
#include "lib/scn/Resource.hpp"

#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/System/Err.hpp>

#include <AL/alc.h>
#include <AL/alext.h>
#include <algorithm>
#include <ostream>

namespace lib::scn
{

namespace
{

float percent(int level)
{
    return static_cast<float>(std::clamp(level, 0, 10)) * 10.f;
}

} // namespace

Audio::Audio(bool enabled)
{
    if (!enabled)
        return;
    // OpenAL's own log would repeat what the line below says; a player's setting wins.
    lib::core::Platform::setEnvironmentDefault("ALSOFT_LOGLEVEL", "0");
    // SFML, OpenAL and ALSA below it each report a missing device at length, in lines of
    // their own; one line of ours says it all.
    std::streambuf* sfmlErrors = sf::err().rdbuf(nullptr);
    lib::core::Platform::withErrorsSilenced(
        [this]
        {
            // The first SFML audio object opens the default device and makes its context
            // current.
            m_keeper = std::make_unique<sf::SoundBuffer>();
            if (ALCcontext* context = alcGetCurrentContext())
                m_device = alcGetContextsDevice(context);
            else
                m_keeper.reset();
        });
    sf::err().rdbuf(sfmlErrors);
    if (m_device == nullptr)
    {
        lib::core::ProgramName::errorLine()
            << "no audio device; the game plays without sound" << std::endl;
        return;
    }
    m_audible = true;
    m_tellsLoss = alcIsExtensionPresent(m_device, "ALC_EXT_disconnect") == ALC_TRUE;
    m_players.resize(PoolSize);
    m_started.resize(PoolSize, 0);
}

Audio::~Audio()
{
    // The players and the track let go of their sources before the device can close.
    if (m_track != nullptr)
        m_track->closeTrack();
    m_players.clear();
}

Audio::Cue Audio::cue(const sf::SoundBuffer& samples, std::size_t voices)
{
    if (!m_audible)
        return {};
    // A second scene with the same sounds (the demo beside the game) shares their players: the
    // two never play at once, and the pool would not hold both.
    for (std::size_t i = 0; i < m_bound; ++i)
        if (m_players[i].getBuffer() == &samples)
        {
            Cue shared{i, 1};
            while (i + shared.count < m_bound &&
                   m_players[i + shared.count].getBuffer() == &samples)
                ++shared.count;
            return shared;
        }
    const Cue bound{m_bound, std::min(voices, m_players.size() - m_bound)};
    for (std::size_t i = bound.first; i < bound.first + bound.count; ++i)
        m_players[i].setBuffer(samples);
    m_bound += bound.count;
    return bound;
}

Audio::Cue Audio::cue(const Resource& sound, std::size_t voices)
{
    const sf::SoundBuffer* samples = sound.getAsSoundBuffer();
    return samples != nullptr ? cue(*samples, voices) : Cue{};
}

void Audio::play(const Cue& cue, float pitch)
{
    if (!m_audible || m_soundVolume == 0 || cue.count == 0)
        return;
    std::size_t chosen = cue.first;
    for (std::size_t i = cue.first; i < cue.first + cue.count; ++i)
    {
        if (m_players[i].getStatus() != sf::SoundSource::Playing)
        {
            chosen = i;
            break;
        }
        if (m_started[i] < m_started[chosen])
            chosen = i;
    }
    sf::Sound& player = m_players[chosen];
    player.stop();
    player.setPitch(pitch);
    player.setVolume(percent(m_soundVolume));
    player.play();
    m_started[chosen] = ++m_plays;
}

void Audio::play(const Cue& cue, float pitch, sf::Time after)
{
    if (!m_audible || m_soundVolume == 0 || cue.count == 0)
        return;
    for (Waiting& waiting : m_waiting)
        if (waiting.cue.count == 0)
        {
            waiting = {cue, pitch, lib::Clock::now() + after};
            return;
        }
}

void Audio::stopEffects()
{
    m_waiting.fill({});
    for (sf::Sound& player : m_players)
        player.stop();
}

void Audio::playMusic(Resource* track)
{
    // A silent audio leaves the tracks alone: they may be another's (a board in a menu page
    // shares the game's resources).
    if (!m_audible && m_track == nullptr)
        return;
    if (m_track != nullptr && m_track != track)
        m_track->closeTrack();
    m_track = track;
    if (!m_audible || m_track == nullptr || !m_track->openTrack())
        return;
    sf::Music& music = *m_track->getAsMusic();
    music.setLoop(true);
    music.setVolume(percent(m_musicVolume));
    music.stop();
    music.play();
}

void Audio::pauseMusic()
{
    if (sf::Music* music = playing(); music && music->getStatus() == sf::SoundSource::Playing)
        music->pause();
}

void Audio::resumeMusic()
{
    if (sf::Music* music = playing();
        m_audible && music && music->getStatus() == sf::SoundSource::Paused)
        music->play();
}

sf::Music* Audio::playing() const
{
    return m_track != nullptr ? m_track->getAsMusic() : nullptr;
}

void Audio::setSoundVolume(int level)
{
    m_soundVolume = std::clamp(level, 0, 10);
    for (sf::Sound& player : m_players)
        player.setVolume(percent(m_soundVolume));
}

void Audio::setMusicVolume(int level)
{
    m_musicVolume = std::clamp(level, 0, 10);
    if (sf::Music* music = playing())
        music->setVolume(percent(m_musicVolume));
}

void Audio::update()
{
    if (!m_audible)
        return;
    const sf::Time now = lib::Clock::now();
    for (Waiting& waiting : m_waiting)
        if (waiting.cue.count != 0 && waiting.due <= now)
        {
            play(waiting.cue, waiting.pitch);
            waiting.cue = {};
        }
    if (m_sinceCheck.getElapsedTime() < sf::seconds(1.f))
        return;
    m_sinceCheck.restart();
    ALCint connected = ALC_TRUE;
    if (m_tellsLoss)
        alcGetIntegerv(m_device, ALC_CONNECTED, 1, &connected);
    if (connected == ALC_FALSE)
        lose();
}

void Audio::lose()
{
    m_audible = false;
    stopEffects();
    if (sf::Music* music = playing())
        music->stop();
    lib::core::ProgramName::errorLine()
        << "the audio device is gone; the game plays on without sound" << std::endl;
}

} // namespace lib::scn
