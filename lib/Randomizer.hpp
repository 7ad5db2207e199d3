#pragma once

#include <cstdint>
#include <memory>

namespace lib
{

// The source of random numbers: a Mersenne Twister drawing uniformly from 0 to 2^31 - 1.
class Randomizer
{
public:
    // Seeded from the system's random device: every run draws a different sequence. After
    // seedProgram, seeded from the program's sequence instead.
    Randomizer();
    // Seeded with a fixed value: the same sequence every time (tests, replays).
    explicit Randomizer(std::uint32_t seed);
    virtual ~Randomizer();

    Randomizer(Randomizer&&) noexcept;
    Randomizer& operator=(Randomizer&&) noexcept;

    // A number from 0 to max - 1 (a plain remainder of the 31-bit draw). max must be >= 1.
    std::uint32_t getUInt(std::uint32_t max);

    // Every randomizer made afterwards with the default constructor takes its seed from one
    // sequence that this seed fixes: a program that makes them in the same order draws the same
    // numbers in every run.
    static void seedProgram(std::uint32_t seed);

private:
    struct Private;
    std::unique_ptr<Private> m_private;
};

} // namespace lib
