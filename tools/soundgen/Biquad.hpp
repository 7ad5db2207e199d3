#pragma once

namespace soundgen
{

// A second-order filter section (direct form I), with the usual shapes worked out for a sample
// rate. Each filter keeps its own past samples, so one filter runs along one signal.
class Biquad
{
public:
    // Coefficients normalised so that a0 is 1.
    Biquad(double b0, double b1, double b2, double a1, double a2);

    // Q 0.707 is the flattest pass band; higher rings at the corner.
    static Biquad lowPass(double cutoff, double q, double rate);
    static Biquad highPass(double cutoff, double q, double rate);
    // Unity gain at the centre; q is the centre over the band's width.
    static Biquad bandPass(double centre, double q, double rate);

    double step(double input);
    // Forgets the past samples.
    void reset();

private:
    double m_b0, m_b1, m_b2, m_a1, m_a2;
    double m_x1 = 0.0, m_x2 = 0.0, m_y1 = 0.0, m_y2 = 0.0;
};

} // namespace soundgen
