#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace soundgen
{

// Every sound is mono at this rate: the timbres stay below a few kHz, and the music, streamed
// from disk, takes half the room it would at CD rate.
constexpr int SampleRate = 22050;
constexpr double Pi = 3.14159265358979323846;

// A mono sound being built: voices add into it, then it is levelled and written as a 16-bit PCM
// WAV file. A looped wave is a circle: whatever rings past its end sounds again from its start,
// and its filters run around the circle too, so the loop point has no seam to click at.
class Wave
{
public:
    Wave(double seconds, bool looped);

    std::size_t size() const { return m_samples.size(); }
    double at(std::size_t index) const { return m_samples[index]; }
    // Adds to the sample `index`; past the end it wraps around (looped) or is dropped.
    void add(std::size_t index, double value);
    // Adds `other`, scaled by `gain`, from its first sample on.
    void mix(const Wave& other, double gain);

    // Scales the wave so that its highest peak is `level` of full scale.
    void normalise(double level);
    // A gentle one-pole low-pass: takes the edge off everything above `cutoff` hertz.
    void lowPass(double cutoff);
    // Repeats the wave `delay` seconds later at `feedback` of its level, and again, and again.
    void echo(double delay, double feedback);

    // Writes the wave as 16-bit PCM; false (and a line on the error stream) when it cannot.
    bool write(const std::string& path) const;

private:
    std::vector<double> m_samples;
    bool m_looped;
};

} // namespace soundgen
