#pragma once

#include "lib/Clock.hpp"

#include <SFML/System/Time.hpp>

#include <array>
#include <cstddef>
#include <memory>
#include <vector>

struct ALCdevice_struct;

namespace sf
{
class Music;
class Sound;
class SoundBuffer;
} // namespace sf

namespace lib::scn
{

class Resource;

// The program's sound: a fixed pool of effect players and one streamed music track at a time,
// on the system's default output device. Effects are placed from left to right (mono samples:
// OpenAL places only those); the music steps back while an effect that matters plays. Without a
// device (a server, a muted container) it opens nothing, says so in one line and stays silent; a
// device lost while playing ends in the same silence. Once the cues are bound, nothing here
// allocates.
class Audio
{
public:
    // The players that the pool holds: enough for every effect of the game with a few voices for
    // the ones that overlap.
    static constexpr std::size_t PoolSize = 32;
    static constexpr std::size_t ScheduleSize = 16;
    // The music's volume while ducked (about −8 dB), and how quickly it gets there and back.
    static constexpr float DuckedGain = 0.4f;
    static constexpr float DuckFallSeconds = 0.05f;
    static constexpr float DuckRiseSeconds = 0.4f;
    // Starts of one effect closer than this are one start.
    static constexpr sf::Int32 DoublingMilliseconds = 30;

    // Players of the pool bound to one effect's samples for good: playing never rebinds a
    // player, which would allocate. An empty cue plays nothing.
    struct Cue
    {
        std::size_t first = 0;
        std::size_t count = 0;
    };

    // Opens the default device unless `enabled` is false (then nothing is said either). No other
    // SFML audio object may exist before the first Audio: the probe must be the first to open it.
    explicit Audio(bool enabled);
    ~Audio();

    Audio(const Audio&) = delete;
    Audio& operator=(const Audio&) = delete;

    // True while a device plays what is asked.
    bool audible() const { return m_audible; }

    // Binds up to `voices` unbound players of the pool to the samples, which must outlive this
    // object; samples bound before give the cue they have. For the set-up only: binding
    // allocates.
    Cue cue(const sf::SoundBuffer& samples, std::size_t voices);
    // The same for a sound of the resources; an empty cue for any other resource.
    Cue cue(const Resource& sound, std::size_t voices);
    // Plays the cue at the sound volume on a player of its own that is not playing, or else on the
    // one that started longest ago; a start of the cue at the same pitch a moment before is
    // restarted instead. `pitch` 1 plays the samples as they are, 2 an octave up; `pan`
    // places it from −1 (the left speaker alone) through 0 (the middle) to 1 (the right alone).
    void play(const Cue& cue, float pitch = 1.f, float pan = 0.f);
    // The same, `after` from now: the pops of a run, one after another. At most ScheduleSize plays
    // wait at once; more are dropped.
    void play(const Cue& cue, float pitch, float pan, sf::Time after);
    // How long the cue's samples last at pitch 1; zero for an empty cue.
    sf::Time duration(const Cue& cue) const;

    // Plays the track (a music resource, which must outlive this object or be replaced first)
    // from its start and looping; the track that played before stops and is closed. Null stops
    // the music.
    void playMusic(Resource* track);
    // Pauses and resumes the current track where it was.
    void pauseMusic();
    void resumeMusic();
    // Turns the music down to DuckedGain for `length` from now (or longer, if it is already
    // down for longer), then back up, so that an effect that matters is heard over it. Nothing
    // while the effects are silent.
    void duck(sf::Time length);

    // 0 is silence, 10 full volume.
    void setSoundVolume(int level);
    void setMusicVolume(int level);
    int soundVolume() const { return m_soundVolume; }
    int musicVolume() const { return m_musicVolume; }

    // Once a frame: starts the plays that are due, moves the music's ducking along, and once a
    // second asks the device whether it is still there.
    void update();

private:
    struct Waiting
    {
        Cue cue;
        float pitch = 1.f;
        float pan = 0.f;
        sf::Time due;
    };

    void lose();
    // The open player of the current track, if any.
    sf::Music* playing() const;
    // The track's volume: the music volume times the ducking.
    void applyMusicVolume();
    // Stops every effect, also those still waiting.
    void stopEffects();

    bool m_audible = false;
    // Keeps SFML's device open as long as this object, whatever else comes and goes.
    std::unique_ptr<sf::SoundBuffer> m_keeper;
    std::vector<sf::Sound> m_players;
    std::vector<sf::Time> m_started;
    std::array<Waiting, ScheduleSize> m_waiting;
    std::size_t m_bound = 0;
    Resource* m_track = nullptr;
    int m_soundVolume = 10;
    int m_musicVolume = 10;
    float m_duck = 1.f;
    sf::Time m_duckUntil;
    sf::Time m_lastUpdate;
    ALCdevice_struct* m_device = nullptr;
    bool m_tellsLoss = false;
    lib::Clock m_sinceCheck;
};

} // namespace lib::scn
