#include "tools/soundgen/Loudness.hpp"

#include "tools/soundgen/Biquad.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

namespace soundgen
{

namespace
{

constexpr double Pi = 3.14159265358979323846;

// The two stages of the K-weighting, derived for any rate from the same analogue sections that
// give the standard's coefficients at 48 kHz.
Biquad headShelf(double rate)
{
    const double k = std::tan(Pi * 1681.974450955533 / rate);
    const double q = 0.7071752369554196;
    const double vh = std::pow(10.0, 3.999843853973347 / 20.0);
    const double vb = std::pow(vh, 0.4996667741545416);
    const double a0 = 1.0 + k / q + k * k;
    return {(vh + vb * k / q + k * k) / a0, 2.0 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
            2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0};
}

Biquad lowCut(double rate)
{
    const double k = std::tan(Pi * 38.13547087602444 / rate);
    const double q = 0.5003270373238773;
    const double a0 = 1.0 + k / q + k * k;
    return {1.0, -2.0, 1.0, 2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0};
}

double lufs(double power)
{
    return power > 0.0 ? -0.691 + 10.0 * std::log10(power)
                       : -std::numeric_limits<double>::infinity();
}

} // namespace

std::vector<double> Loudness::blockPowers(const Channels& channels, double rate, double window,
                                          double step)
{
    const auto length = static_cast<std::size_t>(std::lround(window * rate));
    const auto hop = static_cast<std::size_t>(std::lround(step * rate));
    const std::size_t size = channels.empty() ? 0 : channels.front().size();
    // Running sums of the weighted squares, so each block is a difference of two.
    std::vector<double> sums(size + 1, 0.0);
    for (const std::vector<double>& channel : channels)
    {
        Biquad shelf = headShelf(rate), cut = lowCut(rate);
        double sum = 0.0;
        for (std::size_t i = 0; i < size; ++i)
        {
            const double weighted = cut.step(shelf.step(channel[i]));
            sum += weighted * weighted;
            sums[i + 1] += sum;
        }
    }
    std::vector<double> powers;
    for (std::size_t from = 0; from + length <= size; from += hop)
        powers.push_back((sums[from + length] - sums[from]) / static_cast<double>(length));
    if (powers.empty() && size > 0)
        powers.push_back(sums[size] / static_cast<double>(length));
    return powers;
}

double Loudness::integrated(const Channels& channels, double rate)
{
    const std::vector<double> powers = blockPowers(channels, rate, 0.4, 0.1);
    const auto gatedMean = [&powers](double gate)
    {
        double sum = 0.0;
        std::size_t count = 0;
        for (const double power : powers)
            if (lufs(power) > gate)
            {
                sum += power;
                ++count;
            }
        return count > 0 ? sum / static_cast<double>(count) : 0.0;
    };
    const double relativeGate = lufs(gatedMean(-70.0)) - 10.0;
    return lufs(gatedMean(std::max(relativeGate, -70.0)));
}

double Loudness::loudest(const Channels& channels, double rate, double window)
{
    const std::vector<double> powers = blockPowers(channels, rate, window, window / 4.0);
    return lufs(powers.empty() ? 0.0 : *std::max_element(powers.begin(), powers.end()));
}

} // namespace soundgen
