#pragma once

#include "tools/soundgen/Biquad.hpp"

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

namespace soundgen
{

// Every sound is made at CD rate: the transients of the effects reach well above 10 kHz.
constexpr int SampleRate = 44100;
constexpr double Pi = 3.14159265358979323846;

// A room for Wave::reverb: how long its tail rings, how much of the top it swallows, and how
// much of it is heard beside the dry sound.
struct Room
{
    double size;    // 0..1: a small box to a hall
    double damping; // 0..1: bright walls to soft ones
    double wet;     // the tail's level against the dry sound
};

// A sound being built, mono or stereo: voices add into it, then it is filtered, levelled and
// written as 16-bit PCM (WAV) or Ogg Vorbis. A looped wave is a circle: whatever rings past its
// end sounds again from its start, and its filters run around the circle too, so the loop point
// has no seam to click at.
class Wave
{
public:
    Wave(double seconds, bool looped, int channels = 1);

    std::size_t size() const { return m_channels.front().size(); }
    int channels() const { return static_cast<int>(m_channels.size()); }
    double at(std::size_t channel, std::size_t index) const { return m_channels[channel][index]; }
    const std::vector<std::vector<double>>& samples() const { return m_channels; }

    // Where a voice stands in a stereo wave: the gains of its two sides, at the same power
    // everywhere from −1 (left) to 1 (right).
    struct Place
    {
        double left;
        double right;
    };
    static Place place(double pan);

    // Adds to the sample `index`; past the end it wraps around (looped) or is dropped. A mono
    // wave takes the value as it is.
    void add(std::size_t index, double value, const Place& where = {1.0, 1.0});
    // Adds `other`, scaled by `gain`, from its first sample on: mono into stereo at `pan`, or
    // channel by channel.
    void mix(const Wave& other, double gain, double pan = 0.0);

    // Scales the wave so that its highest peak is `level` of full scale.
    void normalise(double level);
    void scale(double gain);
    // Scales the wave to that loudness (LUFS: integrated for music, over its loudest 100 ms for
    // a short sound), then holds its peaks under `ceiling` of full scale.
    void levelTo(double loudness, double ceiling);
    // Fades the last `seconds` out along a raised cosine.
    void fadeOut(double seconds);
    // A gentle one-pole low-pass: takes the edge off everything above `cutoff` hertz.
    void lowPass(double cutoff);
    // Runs every channel through a filter made by `make` (one per channel).
    template <typename Make>
    void filter(Make make)
    {
        for (std::vector<double>& channel : m_channels)
        {
            Biquad section = make();
            run(channel, [&section](double x) { return section.step(x); });
        }
    }
    // Repeats the wave `delay` seconds later at `feedback` of its level, and again, and again.
    void echo(double delay, double feedback);
    // Adds the tail of a room: parallel damped combs into all-passes, a little apart between
    // the two sides of a stereo wave so that the tail is wide.
    void reverb(const Room& room);
    // Turns the loudest moments down, smoothly and a little ahead of time, so that no sample
    // passes `ceiling` of full scale; the rest stays as it is.
    void limit(double ceiling);

    // 16-bit PCM; false (and a line on the error stream) when it cannot be written.
    bool writeWav(const std::string& path) const;
    // Ogg Vorbis through SFML's encoder; the same.
    bool writeOgg(const std::string& path) const;

private:
    // Runs `step` along the channel, in place. A loop's last seconds go through it first, so that
    // the round starts from the state the end leaves, as it does when the game plays the loop
    // again; every filter here has forgotten what came more than a few seconds before.
    template <typename Step>
    void run(std::vector<double>& channel, Step step)
    {
        const std::size_t warmUp = m_looped ? std::min(channel.size(), WarmUp) : 0;
        for (std::size_t i = channel.size() - warmUp; i < channel.size(); ++i)
            step(channel[i]);
        for (double& sample : channel)
            sample = step(sample);
    }
    static constexpr std::size_t WarmUp = 5 * SampleRate;
    std::vector<short> interleaved() const;
    double peak() const;

    std::vector<std::vector<double>> m_channels;
    bool m_looped;
};

} // namespace soundgen
