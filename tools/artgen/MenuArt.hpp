#pragma once

namespace artgen
{

class Canvas;

// The menu's pictures and the desktop icon, each on a canvas of its own design size.
// The logo, design space 1600 x 600.
void drawLogo(Canvas& canvas);
// The menu background, design space 3840 x 2160.
void drawBackground(Canvas& canvas);
// The menu's band, design space 2000 x 960.
void drawBand(Canvas& canvas);
// The desktop icon, design space 256 x 256.
void drawIcon(Canvas& canvas);

} // namespace artgen
