#include "tools/artgen/Canvas.hpp"

#include <SFML/Graphics/Image.hpp>

namespace artgen
{

Canvas::Canvas(unsigned width, unsigned height, Vec designSize)
    : m_width(width)
    , m_height(height)
    , m_unitX(designSize.x / fl(width))
    , m_unitY(designSize.y / fl(height))
    , m_pixels(static_cast<std::size_t>(width) * height, Colour{0.f, 0.f, 0.f, 0.f})
{
}

void Canvas::extrude(int left, int top, int width, int height, int margin)
{
    const int right = left + width - 1, bottom = top + height - 1;
    for (int y = top - margin; y <= bottom + margin; ++y)
        for (int x = left - margin; x <= right + margin; ++x)
            if (x < left || x > right || y < top || y > bottom)
                at(x, y) = at(std::clamp(x, left, right), std::clamp(y, top, bottom));
}

bool Canvas::save(const std::string& path) const
{
    sf::Image image;
    image.create(m_width, m_height);
    const auto byte = [](float v) { return static_cast<sf::Uint8>(clamp01(v) * 255.f + .5f); };
    for (unsigned y = 0; y < m_height; ++y)
        for (unsigned x = 0; x < m_width; ++x)
        {
            const Colour& c = m_pixels[static_cast<std::size_t>(y) * m_width + x];
            const float k = c.a > 0.f ? 1.f / c.a : 0.f;
            image.setPixel(x, y, {byte(c.r * k), byte(c.g * k), byte(c.b * k), byte(c.a)});
        }
    return image.saveToFile(path);
}

} // namespace artgen
