#pragma once

#include <cstdint>

namespace bexil::look
{

// How a game is drawn; the rules are the same in every look. The values are those stored in
// config.cfg under "Look".
enum class Look : std::uint8_t
{
    Modern = 0,
    Classic = 1,
    ColourBlind = 2
};

// The look of a stored number: anything but 1 and 2 is the default, Modern.
inline Look lookOf(int stored)
{
    return stored == 1 ? Look::Classic : stored == 2 ? Look::ColourBlind : Look::Modern;
}

} // namespace bexil::look
