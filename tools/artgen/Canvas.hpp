#pragma once

#include "tools/artgen/Paint.hpp"

#include <string>
#include <vector>

namespace artgen
{

// A picture drawn in design units, which map to pixels by a per-axis scale. The logo's design
// space is squashed vertically so that its tokens look round once the game stretches the
// square menu view over a 4:3 window.
class Canvas
{
public:
    Canvas(unsigned width, unsigned height, Vec designSize);

    // Blends shade(p) over every pixel inside sdf, with the shape's edge coverage; a feather
    // wider than a pixel gives a soft edge (shadows, glows).
    template <class Sdf, class Shade>
    void paint(Box box, Sdf sdf, Shade shade, float feather = 0.f);

    Box whole() const { return {0.f, 0.f, fl(m_width) * m_unitX, fl(m_height) * m_unitY}; }

    // Copies the pixels along the edges of the rectangle outward over a margin of that many
    // pixels, so that smooth sampling at the rectangle's edge finds the edge again.
    void extrude(int left, int top, int width, int height, int margin);

    // Writes straight-alpha RGBA; false when the file cannot be written.
    bool save(const std::string& path) const;

private:
    Colour& at(int x, int y)
    {
        return m_pixels[static_cast<std::size_t>(y) * m_width + static_cast<std::size_t>(x)];
    }

    unsigned m_width, m_height;
    float m_unitX, m_unitY;
    std::vector<Colour> m_pixels; // premultiplied
};

template <class Sdf, class Shade>
void Canvas::paint(Box box, Sdf sdf, Shade shade, float feather)
{
    const float aa = std::sqrt(m_unitX * m_unitY);
    const float width = std::max(aa, feather);
    const int px0 = std::max(0, static_cast<int>(std::floor(box.x0 / m_unitX)));
    const int py0 = std::max(0, static_cast<int>(std::floor(box.y0 / m_unitY)));
    const int px1 =
        std::min(static_cast<int>(m_width), static_cast<int>(std::ceil(box.x1 / m_unitX)));
    const int py1 =
        std::min(static_cast<int>(m_height), static_cast<int>(std::ceil(box.y1 / m_unitY)));
    for (int py = py0; py < py1; ++py)
        for (int px = px0; px < px1; ++px)
        {
            const Vec p{(fl(px) + 0.5f) * m_unitX, (fl(py) + 0.5f) * m_unitY};
            float cover = clamp01(0.5f - sdf(p) / width);
            if (feather > aa)
                cover = smooth(0.f, 1.f, cover);
            if (cover <= 0.f)
                continue;
            const Colour s = shade(p);
            const float a = clamp01(s.a) * cover;
            Colour& d = at(px, py);
            d = {s.r * a + d.r * (1.f - a), s.g * a + d.g * (1.f - a), s.b * a + d.b * (1.f - a),
                 a + d.a * (1.f - a)};
        }
}

} // namespace artgen
