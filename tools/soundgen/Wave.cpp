#include "tools/soundgen/Wave.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
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

} // namespace

Wave::Wave(double seconds, bool looped)
    : m_samples(static_cast<std::size_t>(std::lround(seconds * SampleRate)), 0.0)
    , m_looped(looped)
{
}

void Wave::add(std::size_t index, double value)
{
    if (index >= m_samples.size())
    {
        if (!m_looped)
            return;
        index %= m_samples.size();
    }
    m_samples[index] += value;
}

void Wave::mix(const Wave& other, double gain)
{
    for (std::size_t i = 0; i < other.size(); ++i)
        add(i, other.at(i) * gain);
}

void Wave::normalise(double level)
{
    double peak = 0.0;
    for (const double sample : m_samples)
        peak = std::max(peak, std::abs(sample));
    if (peak > 0.0)
        for (double& sample : m_samples)
            sample *= level / peak;
}

void Wave::lowPass(double cutoff)
{
    const double k = 1.0 - std::exp(-2.0 * Pi * cutoff / SampleRate);
    // A looped wave goes round twice: the second round starts from the state the end left, as
    // it does when the game plays the loop again.
    const int rounds = m_looped ? 2 : 1;
    const std::vector<double> input = m_samples;
    double state = 0.0;
    for (int round = 0; round < rounds; ++round)
        for (std::size_t i = 0; i < input.size(); ++i)
        {
            state += k * (input[i] - state);
            m_samples[i] = state;
        }
}

void Wave::echo(double delay, double feedback)
{
    const std::size_t lag = static_cast<std::size_t>(std::lround(delay * SampleRate));
    if (lag == 0 || lag >= m_samples.size())
        return;
    const std::vector<double> input = m_samples;
    std::fill(m_samples.begin(), m_samples.end(), 0.0);
    // Round a loop twice, so the echoes of its end sound at its start.
    const int rounds = m_looped ? 2 : 1;
    for (int round = 0; round < rounds; ++round)
        for (std::size_t i = 0; i < input.size(); ++i)
        {
            const bool fed = i >= lag || m_looped;
            const double back = fed ? m_samples[(i + input.size() - lag) % input.size()] : 0.0;
            m_samples[i] = input[i] + feedback * back;
        }
}

bool Wave::write(const std::string& path) const
{
    const auto dataBytes = static_cast<std::uint32_t>(m_samples.size() * 2);
    std::vector<char> bytes;
    bytes.reserve(44 + dataBytes);
    for (const char c : std::string("RIFF"))
        bytes.push_back(c);
    putLittleEndian(bytes, 36 + dataBytes, 4);
    for (const char c : std::string("WAVEfmt "))
        bytes.push_back(c);
    putLittleEndian(bytes, 16, 4);             // the format chunk's size
    putLittleEndian(bytes, 1, 2);              // integer PCM
    putLittleEndian(bytes, 1, 2);              // one channel
    putLittleEndian(bytes, SampleRate, 4);     // frames per second
    putLittleEndian(bytes, SampleRate * 2, 4); // bytes per second
    putLittleEndian(bytes, 2, 2);              // bytes per frame
    putLittleEndian(bytes, 16, 2);             // bits per sample
    for (const char c : std::string("data"))
        bytes.push_back(c);
    putLittleEndian(bytes, dataBytes, 4);
    for (const double sample : m_samples)
    {
        const long value = std::clamp(std::lround(sample * 32767.0), -32767L, 32767L);
        putLittleEndian(bytes, static_cast<std::uint32_t>(static_cast<std::int32_t>(value)), 2);
    }
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

} // namespace soundgen
