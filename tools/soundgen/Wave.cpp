#include "tools/soundgen/Wave.hpp"

#include "tools/soundgen/Loudness.hpp"

#include <SFML/Audio/OutputSoundFile.hpp>
#include <SFML/System/Err.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <deque>
#include <fstream>
#include <iostream>

namespace soundgen
{

namespace
{

void putLittleEndian(std::vector<char>& bytes, std::uint32_t value, int count)
{
    for (int i = 0; i < count; ++i)
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xffu));
}

// A delay line that feeds back through a one-pole low-pass: the walls swallow the top first.
class Comb
{
public:
    Comb(std::size_t length, double feedback, double damping)
        : m_line(length, 0.0)
        , m_feedback(feedback)
        , m_damping(damping)
    {
    }

    double step(double input)
    {
        const double output = m_line[m_at];
        m_store = output * (1.0 - m_damping) + m_store * m_damping;
        m_line[m_at] = input + m_store * m_feedback;
        m_at = (m_at + 1) % m_line.size();
        return output;
    }

private:
    std::vector<double> m_line;
    double m_feedback, m_damping;
    double m_store = 0.0;
    std::size_t m_at = 0;
};

// Smears the combs' echoes into a dense tail without colouring it.
class AllPass
{
public:
    explicit AllPass(std::size_t length)
        : m_line(length, 0.0)
    {
    }

    double step(double input)
    {
        const double delayed = m_line[m_at];
        m_line[m_at] = input + 0.5 * delayed;
        m_at = (m_at + 1) % m_line.size();
        return delayed - input;
    }

private:
    std::vector<double> m_line;
    std::size_t m_at = 0;
};

// One side of a room: delays in samples at 44.1 kHz that share no factor, so their echoes never
// pile up on one another.
class Tail
{
public:
    Tail(const Room& room, std::size_t spread)
    {
        const double feedback = 0.7 + 0.28 * room.size;
        for (const std::size_t length : {1123u, 1201u, 1283u, 1361u, 1433u, 1511u})
            m_combs.emplace_back(length + spread, feedback, room.damping);
        for (const std::size_t length : {557u, 441u, 341u})
            m_passes.emplace_back(length + spread / 2);
    }

    double step(double input)
    {
        double sum = 0.0;
        for (Comb& comb : m_combs)
            sum += comb.step(input);
        for (AllPass& pass : m_passes)
            sum = pass.step(sum);
        return sum / static_cast<double>(m_combs.size());
    }

private:
    std::vector<Comb> m_combs;
    std::vector<AllPass> m_passes;
};

} // namespace

Wave::Wave(double seconds, bool looped, int channels)
    : m_channels(
          static_cast<std::size_t>(channels),
          std::vector<double>(static_cast<std::size_t>(std::lround(seconds * SampleRate)), 0.0))
    , m_looped(looped)
{
}

Wave::Place Wave::place(double pan)
{
    const double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * Pi / 4.0;
    return {std::cos(angle), std::sin(angle)};
}

void Wave::add(std::size_t index, double value, const Place& where)
{
    if (index >= size())
    {
        if (!m_looped)
            return;
        index %= size();
    }
    if (m_channels.size() == 1)
    {
        m_channels[0][index] += value;
        return;
    }
    m_channels[0][index] += value * where.left;
    m_channels[1][index] += value * where.right;
}

void Wave::mix(const Wave& other, double gain, double pan)
{
    if (other.channels() == 1)
    {
        const Place where = place(pan);
        for (std::size_t i = 0; i < other.size(); ++i)
            add(i, other.at(0, i) * gain, where);
        return;
    }
    for (std::size_t c = 0; c < m_channels.size(); ++c)
        for (std::size_t i = 0; i < other.size(); ++i)
        {
            const std::size_t at = m_looped ? i % size() : i;
            if (at < size())
                m_channels[c][at] +=
                    other.m_channels[std::min(c, other.m_channels.size() - 1)][i] * gain;
        }
}

double Wave::peak() const
{
    double highest = 0.0;
    for (const std::vector<double>& channel : m_channels)
        for (const double sample : channel)
            highest = std::max(highest, std::abs(sample));
    return highest;
}

void Wave::scale(double gain)
{
    for (std::vector<double>& channel : m_channels)
        for (double& sample : channel)
            sample *= gain;
}

void Wave::normalise(double level)
{
    const double highest = peak();
    if (highest > 0.0)
        scale(level / highest);
}

void Wave::levelTo(double loudness, double ceiling)
{
    const auto measure = [this]
    {
        return m_looped ? Loudness::integrated(m_channels, SampleRate)
                        : Loudness::loudest(m_channels, SampleRate, 0.1);
    };
    // Limiting takes a little loudness away; the next rounds give it back.
    for (int round = 0; round < 4; ++round)
    {
        const double measured = measure();
        if (!std::isfinite(measured) || std::abs(measured - loudness) < 0.05)
            return;
        scale(std::pow(10.0, (loudness - measured) / 20.0));
        limit(ceiling);
    }
}

void Wave::fadeOut(double seconds)
{
    const auto count =
        std::min(size(), static_cast<std::size_t>(std::lround(seconds * SampleRate)));
    for (std::vector<double>& channel : m_channels)
        for (std::size_t i = 0; i < count; ++i)
            channel[size() - 1 - i] *=
                0.5 - 0.5 * std::cos(Pi * static_cast<double>(i) / static_cast<double>(count));
}

void Wave::lowPass(double cutoff)
{
    const double k = 1.0 - std::exp(-2.0 * Pi * cutoff / SampleRate);
    for (std::vector<double>& channel : m_channels)
    {
        double state = 0.0;
        run(channel, [&state, k](double x) { return state += k * (x - state); });
    }
}

void Wave::echo(double delay, double feedback)
{
    const std::size_t lag = static_cast<std::size_t>(std::lround(delay * SampleRate));
    if (lag == 0 || lag >= size())
        return;
    for (std::vector<double>& channel : m_channels)
    {
        const std::vector<double> input = channel;
        std::fill(channel.begin(), channel.end(), 0.0);
        // Round a loop twice, so the echoes of its end sound at its start.
        for (int round = 0; round < (m_looped ? 2 : 1); ++round)
            for (std::size_t i = 0; i < input.size(); ++i)
            {
                const bool fed = i >= lag || m_looped;
                const double back = fed ? channel[(i + input.size() - lag) % input.size()] : 0.0;
                channel[i] = input[i] + feedback * back;
            }
    }
}

void Wave::reverb(const Room& room)
{
    std::vector<double> input(size(), 0.0);
    for (const std::vector<double>& channel : m_channels)
        for (std::size_t i = 0; i < size(); ++i)
            input[i] += channel[i] / static_cast<double>(m_channels.size());
    for (std::size_t c = 0; c < m_channels.size(); ++c)
    {
        Tail tail(room, 23 * c);
        std::vector<double> wet = input;
        run(wet, [&tail](double x) { return tail.step(x); });
        for (std::size_t i = 0; i < size(); ++i)
            m_channels[c][i] += room.wet * wet[i];
    }
}

void Wave::limit(double ceiling)
{
    const auto n = static_cast<long>(size());
    // The gain each sample needs to stay under the ceiling; beyond the ends of a sound, none.
    std::vector<double> need(size(), 1.0);
    for (const std::vector<double>& channel : m_channels)
        for (std::size_t i = 0; i < size(); ++i)
            if (std::abs(channel[i]) > ceiling)
                need[i] = std::min(need[i], ceiling / std::abs(channel[i]));
    const auto needAt = [&need, n, this](long i)
    {
        if (m_looped)
            return need[static_cast<std::size_t>((i % n + n) % n)];
        return i < 0 || i >= n ? 1.0 : need[static_cast<std::size_t>(i)];
    };
    // The least need of the next 2 ms (a sliding minimum), then the mean of that over the 2 ms
    // before: each sample's gain is a mean of values no higher than its own need, and the gain
    // falls gently ahead of a peak instead of at it.
    const long ahead = SampleRate / 500;
    std::vector<double> least(static_cast<std::size_t>(n + ahead), 1.0); // from −ahead on
    std::deque<long> window;                                             // the least need first
    for (long i = -ahead; i < n + ahead; ++i)
    {
        while (!window.empty() && needAt(window.back()) >= needAt(i))
            window.pop_back();
        window.push_back(i);
        if (window.front() < i - ahead)
            window.pop_front();
        if (i >= 0)
            least[static_cast<std::size_t>(i)] = needAt(window.front());
    }
    std::vector<double> sums(least.size() + 1, 0.0);
    for (std::size_t k = 0; k < least.size(); ++k)
        sums[k + 1] = sums[k] + least[k];
    // Back up over some 30 ms: slow enough not to shake a bass note, quick enough to leave the
    // body of a short sound after its attack alone.
    const double release = 1.0 - std::exp(-1.0 / (0.03 * SampleRate));
    const auto span = static_cast<std::size_t>(ahead + 1);
    const auto gainAt = [&sums, span](std::size_t i)
    { return (sums[i + span] - sums[i]) / static_cast<double>(span); };
    double held = 1.0;
    // A loop's last second first, as in run.
    for (std::size_t i = m_looped ? size() - std::min(size(), std::size_t{SampleRate}) : size();
         i < size(); ++i)
        held = std::min(gainAt(i), held + (1.0 - held) * release);
    for (std::size_t i = 0; i < size(); ++i)
    {
        held = std::min(gainAt(i), held + (1.0 - held) * release);
        for (std::vector<double>& channel : m_channels)
            channel[i] *= held;
    }
}

std::vector<short> Wave::interleaved() const
{
    std::vector<short> samples;
    samples.reserve(size() * m_channels.size());
    for (std::size_t i = 0; i < size(); ++i)
        for (const std::vector<double>& channel : m_channels)
            samples.push_back(
                static_cast<short>(std::clamp(std::lround(channel[i] * 32767.0), -32767L, 32767L)));
    return samples;
}

bool Wave::writeWav(const std::string& path) const
{
    const std::vector<short> samples = interleaved();
    const auto channels = static_cast<std::uint32_t>(m_channels.size());
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<char> bytes;
    bytes.reserve(44 + dataBytes);
    for (const char c : std::string("RIFF"))
        bytes.push_back(c);
    putLittleEndian(bytes, 36 + dataBytes, 4);
    for (const char c : std::string("WAVEfmt "))
        bytes.push_back(c);
    putLittleEndian(bytes, 16, 4);                        // the format chunk's size
    putLittleEndian(bytes, 1, 2);                         // integer PCM
    putLittleEndian(bytes, channels, 2);                  // channels
    putLittleEndian(bytes, SampleRate, 4);                // frames per second
    putLittleEndian(bytes, SampleRate * 2 * channels, 4); // bytes per second
    putLittleEndian(bytes, 2 * channels, 2);              // bytes per frame
    putLittleEndian(bytes, 16, 2);                        // bits per sample
    for (const char c : std::string("data"))
        bytes.push_back(c);
    putLittleEndian(bytes, dataBytes, 4);
    for (const short sample : samples)
        putLittleEndian(bytes, static_cast<std::uint16_t>(sample), 2);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file)
    {
        std::cerr << "soundgen: cannot write " << path << '\n';
        return false;
    }
    return true;
}

bool Wave::writeOgg(const std::string& path) const
{
    const std::vector<short> samples = interleaved();
    sf::OutputSoundFile file;
    if (!file.openFromFile(path, SampleRate, static_cast<unsigned int>(m_channels.size())))
    {
        std::cerr << "soundgen: cannot write " << path << '\n';
        return false;
    }
    file.write(samples.data(), samples.size());
    return true;
}

} // namespace soundgen
