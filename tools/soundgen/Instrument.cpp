#include "tools/soundgen/Instrument.hpp"

#include "tools/soundgen/Biquad.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace soundgen
{

namespace
{

// sin(2π·cycles) from a table: the generator's voices call it millions of times, and its error
// (below 10⁻⁷) lies far under the 16-bit samples it ends in.
constexpr std::size_t SineSize = 1 << 14;
const std::vector<double> SineTable = []
{
    std::vector<double> values(SineSize + 1);
    for (std::size_t i = 0; i <= SineSize; ++i)
        values[i] = std::sin(2.0 * Pi * static_cast<double>(i) / SineSize);
    return values;
}();

inline double sine(double cycles)
{
    double fraction = cycles - static_cast<double>(static_cast<long long>(cycles));
    if (fraction < 0.0)
        fraction += 1.0;
    const double at = fraction * SineSize;
    const auto index = std::min(static_cast<std::size_t>(at), SineSize - 1);
    return SineTable[index] +
           (at - static_cast<double>(index)) * (SineTable[index + 1] - SineTable[index]);
}

// cos(π·halfTurns), from the same table.
double cosine(double halfTurns)
{
    return sine(0.25 + halfTurns / 2.0);
}

// The note's loudness at `t` seconds: raised-cosine rise, hold or exponential fall, and a
// raised-cosine fade over the last `release` seconds.
double envelope(double t, double seconds, double attack, double decay, double release)
{
    double level = 1.0;
    if (t < attack)
        level = 0.5 - 0.5 * cosine(t / attack);
    else if (decay > 0.0)
        level = std::exp(-(t - attack) / decay);
    const double fadeFrom = seconds - release;
    if (t > fadeFrom && release > 0.0)
        level *= 0.5 + 0.5 * cosine(std::min(1.0, (t - fadeFrom) / release));
    return level;
}

std::size_t sampleAt(double seconds)
{
    return static_cast<std::size_t>(std::lround(std::max(0.0, seconds) * SampleRate));
}

// White noise from xorshift, seeded by where the burst starts and by what asks for it.
class White
{
public:
    White(std::size_t first, std::uint32_t salt)
        : m_state(static_cast<std::uint32_t>(first) * 2654435761u + salt * 40503u + 1u)
    {
    }

    double next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return static_cast<double>(m_state) / 2147483648.0 - 1.0;
    }

private:
    std::uint32_t m_state;
};

// A signal through a band's two corners, one sample at a time.
class Band
{
public:
    explicit Band(const Noise& shape)
        : m_low(Biquad::highPass(shape.low > 0.0 ? shape.low : 1.0, 0.707, SampleRate))
        , m_high(Biquad::lowPass(shape.high > 0.0 ? shape.high : 1000.0, 0.707, SampleRate))
        , m_open(shape.high <= 0.0)
    {
    }

    double step(double x)
    {
        x = m_low.step(x);
        return m_open ? x : m_high.step(x);
    }

private:
    Biquad m_low, m_high;
    bool m_open;
};

} // namespace

void Instrument::play(Wave& wave, const Note& note) const
{
    const std::size_t first = sampleAt(note.start);
    const std::size_t count = sampleAt(note.seconds);
    const Wave::Place place = Wave::place(note.pan);
    // Glides and fades as a factor a sample: a product instead of a power at every sample.
    const double slide = note.glideTo > 0.0 ? std::log(note.glideTo / note.frequency) : 0.0;
    const double glideStep = std::exp(slide / std::max(1.0, static_cast<double>(count)));
    // The partials that stay below the Nyquist limit all along the note.
    const double highest = std::max(note.frequency, note.glideTo) * (1.0 + vibrato);
    std::vector<double> multiples, fades, levels;
    for (const Partial& partial : partials)
        if (partial.multiple * highest < 0.45 * SampleRate)
        {
            multiples.push_back(partial.multiple);
            fades.push_back(std::exp(-partial.fade / SampleRate));
            levels.push_back(partial.level);
        }
    double glide = note.frequency;
    double phase = 0.0; // in cycles of the fundamental
    for (std::size_t i = 0; i < count; ++i)
    {
        const double t = static_cast<double>(i) / SampleRate;
        double frequency = glide;
        // Vibrato comes in after the attack, as a player's would.
        if (vibrato > 0.0)
            frequency *= 1.0 + vibrato * std::min(1.0, t / 0.4) * sine(5.0 * t);
        double sum = 0.0;
        for (std::size_t k = 0; k < multiples.size(); ++k)
        {
            sum += levels[k] * sine(multiples[k] * phase);
            levels[k] *= fades[k];
        }
        wave.add(first + i, note.level * envelope(t, note.seconds, attack, decay, release) * sum,
                 place);
        phase += frequency / SampleRate;
        glide *= glideStep;
    }
}

std::vector<Partial> Instrument::sawtooth(int count, double fade)
{
    std::vector<Partial> partials;
    for (int n = 1; n <= count; ++n)
        partials.push_back({static_cast<double>(n), 1.0 / n, fade * (n - 1)});
    return partials;
}

std::vector<Partial> Instrument::triangle(int count, double fade)
{
    std::vector<Partial> partials;
    for (int n = 1; n <= 2 * count - 1; n += 2)
        partials.push_back({static_cast<double>(n), 1.0 / (n * n), fade * (n - 1)});
    return partials;
}

void Noise::play(Wave& wave, double start, double seconds, double level, double pan) const
{
    const std::size_t first = sampleAt(start);
    const std::size_t count = sampleAt(seconds);
    const Wave::Place place = Wave::place(pan);
    White white(first, 1);
    Band band(*this);
    for (std::size_t i = 0; i < count; ++i)
    {
        const double t = static_cast<double>(i) / SampleRate;
        const double shape = envelope(t, seconds, attack, decay, 0.3 * seconds);
        wave.add(first + i, level * shape * band.step(white.next()), place);
    }
}

void Drum::play(Wave& wave, double start, double level, double pan) const
{
    // Ringing until it is 60 dB down.
    const double seconds = 6.9 * std::max({bodyDecay, noise.decay, 0.01});
    const std::size_t first = sampleAt(start);
    const std::size_t count = sampleAt(seconds);
    const Wave::Place place = Wave::place(pan);
    White white(first, 2);
    Band band(noise), metal(noise); // the squares go through a band of the same shape
    // Ratios that share no simple fraction, so the squares clash like a cymbal's modes.
    const std::array<double, 6> ratios = {1.0, 1.483, 1.932, 2.546, 2.63, 3.897};
    double phase = 0.0;
    for (std::size_t i = 0; i < count; ++i)
    {
        const double t = static_cast<double>(i) / SampleRate;
        // A millisecond's rise: struck, without a click of the waveform itself.
        const double strike = std::min(1.0, t / 0.001);
        double sample = 0.0;
        if (metalLevel > 0.0)
        {
            double squares = 0.0;
            for (const double ratio : ratios)
            {
                const double cycles = ratio * from * t;
                squares += cycles - std::floor(cycles) < 0.5 ? 1.0 : -1.0;
            }
            sample += metalLevel * std::exp(-t / noise.decay) * metal.step(squares / 6.0);
        }
        else
        {
            const double frequency = to + (from - to) * std::exp(-t / sweep);
            sample += bodyLevel * std::exp(-t / bodyDecay) * sine(phase);
            phase += frequency / SampleRate;
        }
        sample += noiseLevel * std::exp(-t / noise.decay) * band.step(white.next());
        wave.add(first + i, level * strike * sample, place);
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
