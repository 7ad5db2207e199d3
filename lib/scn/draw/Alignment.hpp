#pragma once

#include <cstdint>

namespace lib::scn::draw
{

// Horizontal placement of a leaf relative to a point; any other value acts as Left.
enum class Alignment : std::uint8_t
{
    Left = 0,
    Center = 1,
    Right = 2
};

} // namespace lib::scn::draw
