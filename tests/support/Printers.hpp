#pragma once

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

#include <ostream>

// gtest finds these by argument-dependent lookup, so failures print values, not bytes.
namespace sf
{

inline void PrintTo(const Color& c, std::ostream* os)
{
    *os << "Color(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ", " << int(c.a) << ")";
}

template <typename T>
void PrintTo(const Vector2<T>& v, std::ostream* os)
{
    *os << "(" << v.x << ", " << v.y << ")";
}

template <typename T>
void PrintTo(const Rect<T>& r, std::ostream* os)
{
    *os << "Rect(" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << ")";
}

} // namespace sf
