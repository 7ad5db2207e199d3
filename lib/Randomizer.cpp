#include "lib/Randomizer.hpp"

#include <cassert>
#include <random>

namespace lib
{

struct Randomizer::Private
{
    Private()
        : engine(device())
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

} // namespace lib
