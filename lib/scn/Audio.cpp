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
#include <cmath>
#include <ostream>

namespace lib::scn
{

namespace
{

float percent(int level)
{
    return static_cast<float>(std::clamp(level, 0, 10)) * 10.f;
}

// OpenAL pans a mono source by its direction from the listener: straight ahead sounds in the
// middle, and a radian (57°) to one side on that side's speaker alone. The source stays at unit
// distance, where the distance model leaves its volume as it is.
void place(sf::Sound& player, float pan)
{
    const float angle = std::clamp(pan, -1.f, 1.f);
    player.setPosition(std::sin(angle), 0.f, -std::cos(angle));
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
    m_started.resize(PoolSize);
    for (sf::Sound& player : m_players)
        player.setRelativeToListener(true);
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

void Audio::play(const Cue& cue, float pitch, float pan)
{
    if (!m_audible || m_soundVolume == 0 || cue.count == 0)
        return;
    const sf::Time now = lib::Clock::now();
    std::size_t chosen = cue.first;
    bool free = false;
    for (std::size_t i = cue.first; i < cue.first + cue.count; ++i)
    {
        const bool playing = m_players[i].getStatus() == sf::SoundSource::Playing;
        // One effect started twice at one pitch a moment apart (two keys handled in one frame)
        // would only be the same sound twice as loud, up to clipping: the second start restarts
        // the first instead.
        if (playing && now - m_started[i] < sf::milliseconds(DoublingMilliseconds) &&
            m_players[i].getPitch() == pitch)
        {
            chosen = i;
            break;
        }
        if (!playing && !free)
        {
            chosen = i;
            free = true;
        }
        else if (!free && m_started[i] < m_started[chosen])
            chosen = i;
    }
    sf::Sound& player = m_players[chosen];
    player.stop();
    player.setPitch(pitch);
    place(player, pan);
    player.setVolume(percent(m_soundVolume));
    player.play();
    m_started[chosen] = now;
}

void Audio::play(const Cue& cue, float pitch, float pan, sf::Time after)
{
    if (!m_audible || m_soundVolume == 0 || cue.count == 0)
        return;
    for (Waiting& waiting : m_waiting)
        if (waiting.cue.count == 0)
        {
            waiting = {cue, pitch, pan, lib::Clock::now() + after};
            return;
        }
}

sf::Time Audio::duration(const Cue& cue) const
{
    if (cue.count == 0)
        return sf::Time::Zero;
    const sf::SoundBuffer* samples = m_players[cue.first].getBuffer();
    return samples != nullptr ? samples->getDuration() : sf::Time::Zero;
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
    applyMusicVolume();
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

void Audio::duck(sf::Time length)
{
    if (m_audible && m_soundVolume > 0)
        m_duckUntil = std::max(m_duckUntil, lib::Clock::now() + length);
}

void Audio::applyMusicVolume()
{
    if (sf::Music* music = playing())
        music->setVolume(percent(m_musicVolume) * m_duck);
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
    applyMusicVolume();
}

void Audio::update()
{
    if (!m_audible)
        return;
    const sf::Time now = lib::Clock::now();
    for (Waiting& waiting : m_waiting)
        if (waiting.cue.count != 0 && waiting.due <= now)
        {
            play(waiting.cue, waiting.pitch, waiting.pan);
            waiting.cue = {};
        }
    // Straight lines down and up, a step each frame: the same path at any frame rate.
    const float step = (now - m_lastUpdate).asSeconds() * (1.f - DuckedGain);
    m_lastUpdate = now;
    const float duck = now < m_duckUntil ? std::max(DuckedGain, m_duck - step / DuckFallSeconds)
                                         : std::min(1.f, m_duck + step / DuckRiseSeconds);
    if (duck != m_duck)
    {
        m_duck = duck;
        applyMusicVolume();
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
