#include "tools/artgen/AtlasArt.hpp"

#include "bexil/look/LookAtlas.hpp"
#include "tools/artgen/Canvas.hpp"

namespace artgen
{

namespace
{

using bexil::look::AtlasFrame;
using bexil::look::LookAtlas;

const Colour RimColour = rgb(14, 10, 30);
// The frame size the marks are drawn for; they scale with the frames.
constexpr float MarkFrame = 120.f;
// The light comes from the top left, as on the title screen's tokens.
const Vec LightFrom{-0.6f, -0.8f};

// Every frame is drawn in its own coordinates, 0 to FrameSize on both axes, from its top left.
struct Frame
{
    Vec origin;
    float size;

    explicit Frame(AtlasFrame f)
        : origin{fl(f.left), fl(f.top)}
        , size(fl(f.width))
    {
    }
    Vec local(Vec p) const { return sub(p, origin); }
    Box box() const { return {origin.x, origin.y, origin.x + size, origin.y + size}; }
};

// The outward direction of a shape's edge at p, from its distance function.
template <class Sdf>
Vec outward(Sdf sdf, Vec p)
{
    const float e = 0.5f;
    const Vec g{sdf({p.x + e, p.y}) - sdf({p.x - e, p.y}),
                sdf({p.x, p.y + e}) - sdf({p.x, p.y - e})};
    const float n = length(g);
    return n > 0.f ? Vec{g.x / n, g.y / n} : Vec{0.f, 0.f};
}

float facingLight(Vec normal)
{
    return -(normal.x * LightFrom.x + normal.y * LightFrom.y);
}

// A token: the title screen's glossy sphere inside a dark rim, with a haze of its own colour
// around it that lifts the dark colours (blue) off dark cells, as on the logo.
void drawAtlasToken(Canvas& canvas, const Frame& f, Colour base)
{
    const float r = f.size * 0.42f, rim = f.size * 0.03f;
    const Vec c{f.origin.x + f.size * 0.5f, f.origin.y + f.size * 0.5f};
    canvas.paint(
        f.box(), [&](Vec p) { return circleSdf(p, c, r + rim); },
        [&](Vec) { return withAlpha(mix(base, White, 0.35f), 0.8f); }, f.size * 0.1f);
    canvas.paint(
        f.box(), [&](Vec p) { return circleSdf(p, c, r); }, [&](Vec) { return RimColour; });
    canvas.paint(
        f.box(), [&](Vec p) { return circleSdf(p, c, r - rim); },
        [&](Vec p) { return sphereShade(p, c, r - rim, base); });
}

// The player's arrow, pointing up: a notched arrowhead with a light edge outside a dark rim,
// its body bevelled toward the light and glossed on its upper half.
void drawArrow(Canvas& canvas, const Frame& f, Colour base)
{
    const float s = f.size;
    const Vec o = f.origin;
    // The corners stay inside the circle inscribed in the frame.
    const Vec corners[4] = {{o.x + 0.5f * s, o.y + 0.08f * s},
                            {o.x + 0.86f * s, o.y + 0.8f * s},
                            {o.x + 0.5f * s, o.y + 0.64f * s},
                            {o.x + 0.14f * s, o.y + 0.8f * s}};
    const auto shape = [&](Vec p) { return polygonSdf(p, corners, 4); };
    // The light edge wide enough to read on the cells of a small window.
    const float edge = s * 0.04f, rim = s * 0.035f, bevel = s * 0.09f;
    canvas.paint(
        f.box(), [&](Vec p) { return shape(p) - edge * 1.5f; },
        [&](Vec) { return withAlpha(Black, 0.45f); }, edge * 2.f);
    canvas.paint(
        f.box(), [&](Vec p) { return shape(p) - edge; }, [&](Vec) { return rgb(245, 245, 255); });
    canvas.paint(f.box(), shape,
                 [&](Vec p)
                 {
                     const float depth = -shape(p);
                     const float t = (p.y - corners[0].y) / (corners[1].y - corners[0].y);
                     Colour col = mix(mix(base, White, 0.3f), scaled(base, 0.7f), t);
                     const float slope = 1.f - smooth(rim, rim + bevel, depth);
                     const float lit = facingLight(outward(shape, p));
                     col = mix(col, White, 0.55f * slope * std::max(0.f, -lit));
                     col = mix(col, scaled(base, 0.4f), 0.6f * slope * std::max(0.f, lit));
                     const float gloss = (1.f - smooth(0.25f, 0.6f, t)) *
                                         smooth(rim + bevel * 0.6f, rim + bevel * 1.2f, depth);
                     col = mix(col, White, 0.5f * gloss);
                     return mix(col, RimColour, 1.f - smooth(rim * 0.6f, rim, depth));
                 });
}

// The five marks of the colour-blind look, about 23 units from their centre in a frame of
// MarkFrame units, one silhouette per colour: a cross (red), a dot (green), a diamond (blue), a
// star (yellow) and two bars (magenta).
float markSdf(int colour, Vec q)
{
    const float ax = std::abs(q.x), ay = std::abs(q.y);
    switch (colour)
    {
    case 0:
    {
        const float k = 0.70710678f;
        const Vec u{(q.x + q.y) * k, (q.y - q.x) * k};
        return std::min(roundBoxSdf(u, {-21.f, -5.5f, 21.f, 5.5f}, 2.f),
                        roundBoxSdf(u, {-5.5f, -21.f, 5.5f, 21.f}, 2.f));
    }
    case 1:
        return circleSdf(q, {0.f, 0.f}, 16.f);
    case 2:
        return (ax + ay - 19.f) * 0.70710678f;
    case 3:
    {
        Vec star[10];
        for (int i = 0; i < 10; ++i)
        {
            const float angle = fl(i) * 0.62831853f, radius = i % 2 == 0 ? 23.f : 10.f;
            star[i] = {radius * std::sin(angle), -radius * std::cos(angle) + 2.f};
        }
        return polygonSdf(q, star, 10);
    }
    default:
        return std::min(roundBoxSdf(q, {-19.f, -15.f, 19.f, -4.f}, 2.f),
                        roundBoxSdf(q, {-19.f, 4.f, 19.f, 15.f}, 2.f));
    }
}

// A mark over a piece, centred at c and scaled.
void drawMark(Canvas& canvas, const Frame& f, int colour, Vec c, float scale)
{
    scale *= f.size / MarkFrame;
    const auto shape = [&](Vec p) {
        return markSdf(colour, {(p.x - c.x) / scale, (p.y - c.y) / scale}) * scale;
    };
    canvas.paint(
        f.box(), [&](Vec p) { return shape(p) - 4.5f * scale; }, [&](Vec) { return RimColour; });
    canvas.paint(
        f.box(), shape,
        [&](Vec p)
        { return mix(White, rgb(205, 205, 220), (p.y - c.y + 20.f * scale) / (40.f * scale)); });
}

// A cell in greys, to be multiplied by the cell's colour: a dark groove, a bevel lit from the
// top left and a face shaded from top to bottom around LookAtlas::FaceGrey.
void drawTile(Canvas& canvas, const Frame& f)
{
    const Box face = grown(f.box(), -f.size * 0.03f);
    const float bevel = f.size * 0.08f;
    const auto shape = [&](Vec p) { return roundBoxSdf(p, face, f.size * 0.07f); };
    canvas.paint(
        f.box(), [](Vec) { return -1e9f; }, [](Vec) { return grey(0.3f); });
    canvas.paint(face, shape,
                 [&](Vec p)
                 {
                     const Vec q = f.local(p);
                     const float depth = -shape(p);
                     const float slope = 1.f - smooth(bevel * 0.7f, bevel, depth);
                     const float lit = facingLight(outward(shape, p));
                     const float t = q.y / f.size;
                     float v = LookAtlas::FaceGrey + 0.04f - 0.08f * t;
                     v += slope * (lit < 0.f ? -0.24f * lit : -0.3f * lit);
                     return grey(v);
                 });
}

void drawSpark(Canvas& canvas, const Frame& f)
{
    const Vec c{f.origin.x + f.size * 0.5f, f.origin.y + f.size * 0.5f};
    const float r = f.size * 0.48f;
    canvas.paint(
        f.box(), [&](Vec p) { return circleSdf(p, c, r); },
        [&](Vec p)
        {
            const float k = 1.f - clamp01(length(sub(p, c)) / r);
            return withAlpha(White, k * k);
        });
}

// A flash: a bright core with four long rays and four short ones.
void drawFlash(Canvas& canvas, const Frame& f)
{
    const Vec c{f.origin.x + f.size * 0.5f, f.origin.y + f.size * 0.5f};
    const float r = f.size * 0.48f;
    canvas.paint(
        f.box(), [&](Vec p) { return circleSdf(p, c, r); },
        [&](Vec p)
        {
            const Vec q = sub(p, c);
            const float d = length(q) / r;
            const float angle = std::atan2(q.y, q.x);
            const float along = 1.f - clamp01(d);
            const float rays = std::pow(std::abs(std::cos(2.f * angle)), 60.f) * along +
                               0.6f * std::pow(std::abs(std::sin(2.f * angle)), 80.f) * along *
                                   (1.f - smooth(0.2f, 0.6f, d));
            const float core = std::exp(-d * d * 14.f);
            return withAlpha(White, clamp01(core + rays));
        });
}

void drawGlow(Canvas& canvas, const Frame& f)
{
    const Box inner = grown(f.box(), -f.size * 0.26f);
    canvas.paint(
        f.box(), [](Vec) { return -1e9f; },
        [&](Vec p)
        {
            const float d = roundBoxSdf(p, inner, f.size * 0.08f);
            return withAlpha(White, 1.f - smooth(-f.size * 0.1f, f.size * 0.24f, d));
        });
}

void fill(Canvas& canvas, const Frame& f, Colour colour)
{
    canvas.paint(
        f.box(), [](Vec) { return -1e9f; }, [&](Vec) { return colour; });
}

void extrude(Canvas& canvas, AtlasFrame f)
{
    canvas.extrude(f.left, f.top, f.width, f.height, LookAtlas::Margin);
}

} // namespace

void drawAtlas(Canvas& canvas)
{
    for (int colour = 0; colour < 5; ++colour)
    {
        const Colour base = TokenColours[colour];
        drawAtlasToken(canvas, Frame(LookAtlas::token(colour)), base);
        drawArrow(canvas, Frame(LookAtlas::arrow(colour)), base);
        const Frame token(LookAtlas::markedToken(colour)), arrow(LookAtlas::markedArrow(colour));
        drawAtlasToken(canvas, token, base);
        drawMark(canvas, token, colour,
                 {token.origin.x + token.size * 0.5f, token.origin.y + token.size * 0.5f}, 1.f);
        drawArrow(canvas, arrow, base);
        drawMark(canvas, arrow, colour,
                 {arrow.origin.x + arrow.size * 0.5f, arrow.origin.y + arrow.size * 0.56f}, 0.85f);
    }
    drawTile(canvas, Frame(LookAtlas::tile()));
    const float border = fl(LookAtlas::PanelBorder);
    drawPlateFace(canvas, Frame(LookAtlas::panel()).box(), border * 0.9f, border * 0.22f);
    drawGlow(canvas, Frame(LookAtlas::glow()));
    drawSpark(canvas, Frame(LookAtlas::spark()));
    drawFlash(canvas, Frame(LookAtlas::flash()));
    fill(canvas, Frame(LookAtlas::white()), White);
    extrude(canvas, LookAtlas::tile());
    extrude(canvas, LookAtlas::panel());
    extrude(canvas, LookAtlas::white());
}

} // namespace artgen
