#pragma once

#include <vector>

namespace soundgen
{

// Loudness as ITU-R BS.1770-4 and EBU R128 measure it, in LUFS: each channel K-weighted (a high
// shelf for the head, a high-pass below the bass), mean squares over blocks of 400 ms that
// overlap by three quarters, the front channels weighted alike. Channels are given one vector of
// samples each, full scale at 1.
class Loudness
{
public:
    using Channels = std::vector<std::vector<double>>;

    // Integrated loudness: the blocks above −70 LUFS, and of those the ones no more than 10 LU
    // below their mean. Silence measures minus infinity.
    static double integrated(const Channels& channels, double rate);
    // The loudest stretch of `window` seconds, ungated (0.4 s is the momentary loudness; a short
    // sound is measured as if silence filled the rest of the window).
    static double loudest(const Channels& channels, double rate, double window);

private:
    // The K-weighted power of every block of `window` seconds, one every `step` seconds.
    static std::vector<double> blockPowers(const Channels& channels, double rate, double window,
                                           double step);
};

} // namespace soundgen
