#pragma once

#include "bexil/look/ModernLook.hpp"

namespace bexil::look
{

// The modern look with a mark of each colour's own on its tokens and on the arrow, so that no
// colour needs to be told by its hue: a cross (red), a dot (green), a diamond (blue), a star
// (yellow), two bars (magenta).
class ColourBlindLook : public ModernLook
{
public:
    using ModernLook::ModernLook;

protected:
    AtlasFrame tokenFrame(int colour) const override;
    AtlasFrame arrowFrame(int colour) const override;
};

} // namespace bexil::look
