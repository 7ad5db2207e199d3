#include "tools/artgen/Paint.hpp"

#include "tools/artgen/Canvas.hpp"

namespace artgen
{

float hash01(int a, int b, int salt)
{
    std::uint32_t h = static_cast<std::uint32_t>(a) * 73856093u ^
                      static_cast<std::uint32_t>(b) * 19349663u ^
                      static_cast<std::uint32_t>(salt) * 83492791u;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return static_cast<float>(h & 0xFFFFFFu) / 16777216.f;
}

float circleSdf(Vec p, Vec c, float r)
{
    return length(sub(p, c)) - r;
}

float roundBoxSdf(Vec p, Box b, float radius)
{
    const Vec c{(b.x0 + b.x1) * 0.5f, (b.y0 + b.y1) * 0.5f};
    const float qx = std::abs(p.x - c.x) - ((b.x1 - b.x0) * 0.5f - radius);
    const float qy = std::abs(p.y - c.y) - ((b.y1 - b.y0) * 0.5f - radius);
    return length({std::max(qx, 0.f), std::max(qy, 0.f)}) + std::min(std::max(qx, qy), 0.f) -
           radius;
}

float triangleSdf(Vec p, Box b)
{
    const Vec v[3] = {{(b.x0 + b.x1) * 0.5f, b.y0}, {b.x1, b.y1}, {b.x0, b.y1}};
    float d = 1e9f;
    float inside = 1.f;
    for (int i = 0; i < 3; ++i)
    {
        const Vec a = v[i], e = sub(v[(i + 1) % 3], a), w = sub(p, a);
        const float t = clamp01((w.x * e.x + w.y * e.y) / (e.x * e.x + e.y * e.y));
        d = std::min(d, length({w.x - e.x * t, w.y - e.y * t}));
        if (e.x * w.y - e.y * w.x < 0.f)
            inside = -1.f;
    }
    return inside > 0.f ? -d : d;
}

float polygonSdf(Vec p, const Vec* v, int count)
{
    float d = 1e9f;
    float sign = 1.f;
    for (int i = 0, j = count - 1; i < count; j = i, ++i)
    {
        const Vec e = sub(v[j], v[i]), w = sub(p, v[i]);
        const float t = clamp01((w.x * e.x + w.y * e.y) / (e.x * e.x + e.y * e.y));
        d = std::min(d, length({w.x - e.x * t, w.y - e.y * t}));
        // Crossing rule: each edge that a ray from p crosses flips inside and outside.
        const bool above = p.y >= v[i].y, below = p.y<v[j].y, left = e.x * w.y> e.y * w.x;
        if ((above && below && left) || (!above && !below && !left))
            sign = -sign;
    }
    return sign * d;
}

Colour sphereShade(Vec p, Vec c, float r, Colour base)
{
    const float ux = (p.x - c.x) / r, uy = (p.y - c.y) / r;
    const float rr = std::min(1.f, ux * ux + uy * uy);
    const float nz = std::sqrt(1.f - rr);
    const float diffuse = std::max(0.f, -0.42f * ux - 0.56f * uy + 0.71f * nz);
    const float highlight = std::pow(std::max(0.f, -0.22f * ux - 0.30f * uy + 0.93f * nz), 60.f);
    Colour col = scaled(base, 0.28f + 0.8f * diffuse);
    col = mix(col, scaled(base, 0.3f), 0.7f * smooth(0.78f, 1.f, std::sqrt(rr)));
    col = mix(col, base, 0.35f * smooth(0.2f, 0.85f, uy) * (1.f - smooth(0.85f, 1.f, rr)));
    // The glass reflection: an ellipse on the upper half fading downward.
    const float gx = ux / 0.64f, gy = (uy + 0.42f) / 0.42f;
    const float gloss =
        (1.f - smooth(0.8f, 1.f, gx * gx + gy * gy)) * (0.65f - 0.45f * smooth(-0.85f, -0.1f, uy));
    return mix(col, White, gloss + 0.9f * highlight);
}

void drawToken(Canvas& canvas, Vec c, float r, Colour base, float opacity)
{
    const Vec shadowAt{c.x + r * 0.06f, c.y + r * 0.14f};
    canvas.paint(
        around(shadowAt, r * 1.4f), [&](Vec p) { return circleSdf(p, shadowAt, r * 0.98f); },
        [&](Vec) { return withAlpha(Black, 0.55f * opacity); }, r * 0.25f);
    canvas.paint(
        around(c, r + 2.f), [&](Vec p) { return circleSdf(p, c, r); },
        [&](Vec p) { return withAlpha(sphereShade(p, c, r, base), opacity); });
}

void drawPlateFace(Canvas& canvas, Box b, float radius, float bezel)
{
    canvas.paint(
        b, [&](Vec p) { return roundBoxSdf(p, b, radius); },
        [&](Vec p)
        {
            const float t = (p.y - b.y0) / (b.y1 - b.y0);
            return mix(rgb(250, 250, 255), rgb(150, 160, 205), t);
        });
    const Box inner{b.x0 + bezel, b.y0 + bezel, b.x1 - bezel, b.y1 - bezel};
    canvas.paint(
        inner, [&](Vec p) { return roundBoxSdf(p, inner, radius - bezel); },
        [&](Vec p)
        {
            const float t = (p.y - inner.y0) / (inner.y1 - inner.y0);
            const float dx = (p.x - (inner.x0 + inner.x1) * 0.5f) / (inner.x1 - inner.x0);
            const float glow = std::exp(-(dx * dx * 6.f + t * t * 5.f));
            return mix(mix(rgb(24, 22, 70), rgb(10, 10, 34), t), rgb(70, 60, 150), 0.6f * glow);
        });
}

void drawPlate(Canvas& canvas, Box b, float radius, float bezel)
{
    const Box shadow{b.x0, b.y0 + bezel * 1.5f, b.x1, b.y1 + bezel * 1.5f};
    canvas.paint(
        {b.x0 - 60.f, b.y0 - 60.f, b.x1 + 60.f, b.y1 + 80.f},
        [&](Vec p) { return roundBoxSdf(p, shadow, radius); },
        [&](Vec) { return withAlpha(Black, 0.6f); }, bezel * 2.f);
    drawPlateFace(canvas, b, radius, bezel);
}

} // namespace artgen
