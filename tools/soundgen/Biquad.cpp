#include "tools/soundgen/Biquad.hpp"

#include <cmath>

namespace soundgen
{

namespace
{

constexpr double Pi = 3.14159265358979323846;

struct Corner
{
    double cosine;
    double alpha;
};

Corner corner(double frequency, double q, double rate)
{
    const double w = 2.0 * Pi * frequency / rate;
    return {std::cos(w), std::sin(w) / (2.0 * q)};
}

} // namespace

Biquad::Biquad(double b0, double b1, double b2, double a1, double a2)
    : m_b0(b0)
    , m_b1(b1)
    , m_b2(b2)
    , m_a1(a1)
    , m_a2(a2)
{
}

// The shapes are the bilinear transforms of the analogue second-order sections.
Biquad Biquad::lowPass(double cutoff, double q, double rate)
{
    const Corner c = corner(cutoff, q, rate);
    const double a0 = 1.0 + c.alpha;
    const double b = (1.0 - c.cosine) / 2.0 / a0;
    return {b, 2.0 * b, b, -2.0 * c.cosine / a0, (1.0 - c.alpha) / a0};
}

Biquad Biquad::highPass(double cutoff, double q, double rate)
{
    const Corner c = corner(cutoff, q, rate);
    const double a0 = 1.0 + c.alpha;
    const double b = (1.0 + c.cosine) / 2.0 / a0;
    return {b, -2.0 * b, b, -2.0 * c.cosine / a0, (1.0 - c.alpha) / a0};
}

Biquad Biquad::bandPass(double centre, double q, double rate)
{
    const Corner c = corner(centre, q, rate);
    const double a0 = 1.0 + c.alpha;
    return {c.alpha / a0, 0.0, -c.alpha / a0, -2.0 * c.cosine / a0, (1.0 - c.alpha) / a0};
}

double Biquad::step(double input)
{
    const double output = m_b0 * input + m_b1 * m_x1 + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
    m_x2 = m_x1;
    m_x1 = input;
    m_y2 = m_y1;
    m_y1 = output;
    return output;
}

void Biquad::reset()
{
    m_x1 = m_x2 = m_y1 = m_y2 = 0.0;
}

} // namespace soundgen
