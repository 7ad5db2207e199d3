#include "bexil/rules/Launch.hpp"

#include <cassert>

namespace bexil::rules
{

Launch::Launch(std::int32_t colour)
    : m_colour(colour)
{
    assert(colour != Empty);
}

Launch::Step Launch::next(std::int32_t cell)
{
    if (cell == Empty)
        return Step::Pass;
    if (cell != m_colour)
    {
        m_swapped = true;
        return Step::Swap;
    }
    ++m_inARow;
    return Step::Consume;
}

} // namespace bexil::rules
