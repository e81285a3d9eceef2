#pragma once
// Brent's method as a step-by-step object: the root stays bracketed between
// two points whose values have opposite signs, each new point is found by
// inverse quadratic interpolation or the secant, and bisection takes over
// whenever they would not shrink the bracket fast enough (R. P. Brent,
// "Algorithms for Minimization without Derivatives", Prentice-Hall 1973,
// chapter 4, procedure zero). The caller
// evaluates each proposed point, so a point that yields only a sign (a pass
// whose pressure vanished) can be taken too.

#include <algorithm>
#include <cmath>
#include <limits>

namespace vendrix {

class RootBracket
{
public:
    // fa and fb must have opposite signs (or one of them be 0).
    RootBracket(double a, double fa, double b, double fb, double tolerance)
        : m_a(a)
        , m_b(b)
        , m_c(a)
        , m_fa(fa)
        , m_fb(fb)
        , m_fc(fa)
        , m_d(b - a)
        , m_e(b - a)
        , m_tolerance(tolerance)
    {
        arrange();
    }

    // True when the bracket is narrower than the tolerance or a root was hit.
    bool converged() const { return std::fabs(m_xm) <= m_tol1 || m_fb == 0; }

    double best() const { return m_b; }
    double bestValue() const { return m_fb; }
    double width() const { return std::fabs(m_c - m_b); }

    // The next point to evaluate.
    double next()
    {
        if (std::fabs(m_e) >= m_tol1 && std::fabs(m_fa) > std::fabs(m_fb)) {
            double p, q;
            const double s = m_fb / m_fa;
            if (m_a == m_c) {
                p = 2 * m_xm * s;
                q = 1 - s;
            } else {
                const double qa = m_fa / m_fc, r = m_fb / m_fc;
                p = s * (2 * m_xm * qa * (qa - r) - (m_b - m_a) * (r - 1));
                q = (qa - 1) * (r - 1) * (s - 1);
            }
            if (p > 0)
                q = -q;
            else
                p = -p;
            if (2 * p < std::min(3 * m_xm * q - std::fabs(m_tol1 * q), std::fabs(m_e * q))) {
                m_e = m_d;
                m_d = p / q;
            } else {
                m_d = m_xm;
                m_e = m_d;
            }
        } else {
            m_d = m_xm;
            m_e = m_d;
        }
        m_a = m_b;
        m_fa = m_fb;
        m_next = m_b + (std::fabs(m_d) > m_tol1 ? m_d : std::copysign(m_tol1, m_xm));
        return m_next;
    }

    // The value at the point from next().
    void update(double value)
    {
        m_b = m_next;
        m_fb = value;
        if ((m_fb > 0) == (m_fc > 0) && m_fb != 0 && m_fc != 0) {
            m_c = m_a;
            m_fc = m_fa;
            m_d = m_e = m_b - m_a;
        }
        arrange();
    }

    // The point from next() gave only the sign of its value.
    void updateSign(bool positive)
    {
        const double scale = std::max({std::fabs(m_fa), std::fabs(m_fb), std::fabs(m_fc)});
        update(positive ? 2 * scale : -2 * scale);
    }

private:
    // Keeps b the end with the smaller value and sets the stopping test.
    void arrange()
    {
        if (std::fabs(m_fc) < std::fabs(m_fb)) {
            m_a = m_b;
            m_b = m_c;
            m_c = m_a;
            m_fa = m_fb;
            m_fb = m_fc;
            m_fc = m_fa;
        }
        m_tol1 = 2 * std::numeric_limits<double>::epsilon() * std::fabs(m_b) + 0.5 * m_tolerance;
        m_xm = 0.5 * (m_c - m_b);
    }

    double m_a, m_b, m_c, m_fa, m_fb, m_fc, m_d, m_e;
    double m_tolerance;
    double m_tol1 = 0, m_xm = 0, m_next = 0;
};

} // namespace vendrix
