#include "lib/Randomizer.hpp"

#include <cassert>
#include <optional>
#include <random>

namespace lib
{

namespace
{

// The seeds of the default-constructed randomizers once the program is seeded.
std::optional<std::mt19937>& programSeeds()
{
    static std::optional<std::mt19937> seeds;
    return seeds;
}

} // namespace

struct Randomizer::Private
{
    Private()
        : engine(programSeeds() ? (*programSeeds())() : device())
    {
    }
    explicit Private(std::uint32_t seed)
        : engine(seed)
    {
    }

    std::random_device device;
    std::mt19937 engine;
    std::uniform_int_distribution<int> distribution{0, 2147483647};
};

Randomizer::Randomizer()
    : m_private(std::make_unique<Private>())
{
}

Randomizer::Randomizer(std::uint32_t seed)
    : m_private(std::make_unique<Private>(seed))
{
}

Randomizer::~Randomizer() = default;

Randomizer::Randomizer(Randomizer&&) noexcept = default;

Randomizer& Randomizer::operator=(Randomizer&&) noexcept = default;

std::uint32_t Randomizer::getUInt(std::uint32_t max)
{
    assert(max >= 1 && "a random number needs at least one possible value");
    assert(m_private && "a moved-from randomizer draws nothing");
    return static_cast<std::uint32_t>(m_private->distribution(m_private->engine)) % max;
}

void Randomizer::seedProgram(std::uint32_t seed)
{
    programSeeds().emplace(seed);
}

} // namespace lib
