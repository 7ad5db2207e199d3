#pragma once

namespace bexil::look
{

// A rectangle of the atlas, in texels.
struct AtlasFrame
{
    int left, top, width, height;
};

// Where each picture of the modern looks lies in their texture atlas ("images/look.png"). The
// art generator in tools/artgen draws the atlas from this layout and the game draws from it, so
// the two cannot drift apart. Every frame sits in a slot with a margin around it: the margin is
// transparent, or repeats the frame's edge for the pictures that fill their frame (tile, panel,
// white), so that smooth sampling never picks up a neighbour.
class LookAtlas
{
public:
    // A frame has more texels than a cell has pixels on a 3840 × 2160 screen, so that pieces
    // are drawn from their picture shrunk, never enlarged; the margin still separates frames in
    // the texture's smaller copies (mipmaps) that smaller windows draw from.
    static constexpr int Width = 2048;
    static constexpr int Height = 1024;
    static constexpr int SlotSize = 256;
    static constexpr int Margin = 8;
    static constexpr int FrameSize = SlotSize - 2 * Margin;
    // The panel is drawn in nine slices: its corners keep this many texels square.
    static constexpr int PanelBorder = 64;

    // The colour index of a piece (0 red, 1 green, 2 blue, 3 yellow, 4 magenta) picks the frame.
    // Pieces are drawn over a whole cell and keep inside the ellipse inscribed in their frame,
    // so that they can texture the game's elliptic shapes.
    // A token: a glossy sphere with a dark rim and a haze of its colour.
    static constexpr AtlasFrame token(int colour) { return slot(colour, 0); }
    // The player's arrow, pointing up, with a dark rim and a light edge.
    static constexpr AtlasFrame arrow(int colour) { return slot(colour, 1); }
    // The colour-blind look's token and arrow: the same with the colour's own mark.
    static constexpr AtlasFrame markedToken(int colour) { return slot(colour, 2); }
    static constexpr AtlasFrame markedArrow(int colour) { return slot(colour, 3); }
    // A bevelled cell in greys, tinted with the cell's colour; its face is FaceGrey.
    static constexpr AtlasFrame tile() { return slot(5, 0); }
    static constexpr float FaceGrey = 0.8f;
    // A plate like the title screen's, for the panels and the banner.
    static constexpr AtlasFrame panel() { return slot(5, 1); }
    // A soft rounded glow filling the frame (lane warnings).
    static constexpr AtlasFrame glow() { return slot(5, 2); }
    // A round soft particle.
    static constexpr AtlasFrame spark() { return slot(6, 0); }
    // A star-shaped flash with a bright core.
    static constexpr AtlasFrame flash() { return slot(6, 1); }
    // Plain white, for flat quads in the same batch (dimming, fades).
    static constexpr AtlasFrame white() { return slot(6, 2); }

private:
    static constexpr AtlasFrame slot(int column, int row)
    {
        return {column * SlotSize + Margin, row * SlotSize + Margin, FrameSize, FrameSize};
    }
};

} // namespace bexil::look
