#pragma once

namespace artgen
{

class Canvas;

// The texture atlas of the game's modern looks, laid out as bexil::LookAtlas says, on a canvas
// of the atlas's size in texels.
void drawAtlas(Canvas& canvas);

} // namespace artgen
