#pragma once

// The generator's drawing vocabulary: points, straight colours, signed distance functions and
// the pieces that several pictures share (the glossy token, the framed plate).
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace artgen
{

class Canvas;

struct Vec
{
    float x, y;
};

// Straight (not premultiplied) colour, every channel 0..1.
struct Colour
{
    float r, g, b, a = 1.f;
};

struct Box
{
    float x0, y0, x1, y1;
};

inline float fl(int v)
{
    return static_cast<float>(v);
}
inline float fl(unsigned v)
{
    return static_cast<float>(v);
}
inline float clamp01(float v)
{
    return std::min(1.f, std::max(0.f, v));
}
inline float smooth(float e0, float e1, float v)
{
    const float t = clamp01((v - e0) / (e1 - e0));
    return t * t * (3.f - 2.f * t);
}
inline float length(Vec v)
{
    return std::sqrt(v.x * v.x + v.y * v.y);
}
inline Vec sub(Vec a, Vec b)
{
    return {a.x - b.x, a.y - b.y};
}
inline Colour rgb(int r, int g, int b, float a = 1.f)
{
    return {fl(r) / 255.f, fl(g) / 255.f, fl(b) / 255.f, a};
}
inline Colour mix(Colour a, Colour b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}
inline Colour scaled(Colour c, float k)
{
    return {c.r * k, c.g * k, c.b * k, c.a};
}
inline Colour withAlpha(Colour c, float a)
{
    return {c.r, c.g, c.b, a};
}
inline Colour grey(float v, float a = 1.f)
{
    return {v, v, v, a};
}

const Colour White = rgb(255, 255, 255);
const Colour Black = rgb(0, 0, 0);
// The tokens' colours, as the game draws them, in the order of their colour index.
const Colour Red = rgb(255, 0, 0), Green = rgb(0, 255, 0), Blue = rgb(0, 0, 255),
             Yellow = rgb(255, 255, 0), Magenta = rgb(255, 0, 255);
const Colour TokenColours[5] = {Red, Green, Blue, Yellow, Magenta};

// A repeatable pseudo-random number in [0, 1) for a cell and a purpose: the pictures must come
// out the same on every machine, which the standard distributions do not promise.
float hash01(int a, int b, int salt);

inline Box around(Vec c, float r)
{
    return {c.x - r, c.y - r, c.x + r, c.y + r};
}
inline Box grown(Box b, float d)
{
    return {b.x0 - d, b.y0 - d, b.x1 + d, b.y1 + d};
}

// Signed distances: negative inside.
float circleSdf(Vec p, Vec c, float r);
float roundBoxSdf(Vec p, Box b, float radius);
// A triangle pointing up, inscribed in the box like the player's piece.
float triangleSdf(Vec p, Box b);
// Any simple polygon, convex or not.
float polygonSdf(Vec p, const Vec* v, int count);

// The shading of a glossy sphere of the base colour at p: lit from the top left, darker toward
// its rim, with a glassy reflection on its upper half and a sharp highlight.
Colour sphereShade(Vec p, Vec c, float r, Colour base);
// A glossy round token with its soft shadow.
void drawToken(Canvas& canvas, Vec c, float r, Colour base, float opacity = 1.f);
// A framed plate: drop shadow, light bezel, dark body with a glow at the top.
void drawPlate(Canvas& canvas, Box b, float radius, float bezel);
// The plate without its shadow, fitting the box exactly.
void drawPlateFace(Canvas& canvas, Box b, float radius, float bezel);

} // namespace artgen
