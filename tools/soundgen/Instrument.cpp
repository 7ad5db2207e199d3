#include "tools/soundgen/Instrument.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace soundgen
{

namespace
{

// The note's loudness at `t` seconds: raised-cosine rise, hold or exponential fall, and a
// raised-cosine fade over the last `release` seconds.
double envelope(double t, double seconds, double attack, double decay, double release)
{
    double level = 1.0;
    if (t < attack)
        level = 0.5 - 0.5 * std::cos(Pi * t / attack);
    else if (decay > 0.0)
        level = std::exp(-(t - attack) / decay);
    const double fadeFrom = seconds - release;
    if (t > fadeFrom)
        level *= 0.5 + 0.5 * std::cos(Pi * (t - fadeFrom) / release);
    return level;
}

std::size_t sampleAt(double seconds)
{
    return static_cast<std::size_t>(std::lround(seconds * SampleRate));
}

} // namespace

void Instrument::play(Wave& wave, const Note& note) const
{
    const std::size_t first = sampleAt(note.start);
    const std::size_t count = sampleAt(note.seconds);
    const double nyquist = 0.45 * SampleRate;
    const double slide = note.glideTo > 0.0 ? std::log(note.glideTo / note.frequency) : 0.0;
    double phase = 0.0; // in cycles of the fundamental
    for (std::size_t i = 0; i < count; ++i)
    {
        const double t = static_cast<double>(i) / SampleRate;
        double frequency = note.frequency * std::exp(slide * t / note.seconds);
        // Vibrato comes in after the attack, as a player's would.
        const double vibratoIn = std::min(1.0, t / 0.4);
        frequency *= 1.0 + vibrato * vibratoIn * std::sin(2.0 * Pi * 5.0 * t);
        double sum = 0.0;
        for (const Partial& partial : partials)
            if (partial.multiple * frequency < nyquist)
                sum += partial.level * std::exp(-partial.fade * t) *
                       std::sin(2.0 * Pi * partial.multiple * phase);
        wave.add(first + i, note.level * envelope(t, note.seconds, attack, decay, release) * sum);
        phase += frequency / SampleRate;
    }
}

void Noise::play(Wave& wave, double start, double seconds, double level) const
{
    const std::size_t first = sampleAt(start);
    const std::size_t count = sampleAt(seconds);
    // A state-variable band-pass over xorshift noise seeded by the burst's place, so bursts
    // differ from each other but not from run to run.
    std::uint32_t state = static_cast<std::uint32_t>(first) * 2654435761u + 1u;
    const double f = 2.0 * std::sin(Pi * centre / SampleRate);
    const double damping = 0.2 + 1.6 * width;
    double low = 0.0, band = 0.0;
    for (std::size_t i = 0; i < count; ++i)
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const double white = static_cast<double>(state) / 2147483648.0 - 1.0;
        const double high = white - low - damping * band;
        band += f * high;
        low += f * band;
        const double t = static_cast<double>(i) / SampleRate;
        wave.add(first + i, level * envelope(t, seconds, attack, decay, 0.3 * seconds) * band);
    }
}

int noteNumber(const std::string& name)
{
    static const int Steps[7] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G, from C
    int semitone = Steps[(name[0] - 'A') % 7];
    std::size_t octaveAt = 1;
    if (name.size() > 1 && (name[1] == '#' || name[1] == 'b'))
        semitone += name[octaveAt++] == '#' ? 1 : -1;
    const int octave = std::atoi(name.c_str() + octaveAt);
    return 12 * (octave + 1) + semitone;
}

double frequency(int note)
{
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

double pitch(const std::string& name)
{
    return frequency(noteNumber(name));
}

} // namespace soundgen
