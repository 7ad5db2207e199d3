#include "bexil/look/ColourBlindLook.hpp"

namespace bexil::look
{

AtlasFrame ColourBlindLook::tokenFrame(int colour) const
{
    return LookAtlas::markedToken(colour);
}

AtlasFrame ColourBlindLook::arrowFrame(int colour) const
{
    return LookAtlas::markedArrow(colour);
}

} // namespace bexil::look
