#pragma once
// An independent solution of the membrane equations for the tests, in SI:
// T dθ/ds = p, dx/ds = cos θ, dy/ds = sin θ, dp/ds = -Δγ(y) sin θ, integrated
// over θ by a fine fourth-order Runge-Kutta scheme. The base pressure is found
// by bisection so that the circumference matches a given value.

#include <cmath>

namespace vendrix::test {

struct MembraneModel
{
    double tension = 0; // kN/m
    double slurryLower = 0, slurryUpper = 0; // kN/m3 inside, below/above slurryInterface
    double fluidLower = 0, fluidUpper = 0; // kN/m3 outside, below/above fluidInterface
    double slurryInterface = 0, fluidInterface = 0; // m
};

struct MembraneShape
{
    bool valid = false; // false: the pressure vanished before the crest
    double circumference = 0; // m, base width plus both free membranes
    double maxHeight = 0, maxWidth = 0, heightAtMaxWidth = 0, baseWidth = 0; // m
    double totalArea = 0, areaBelowSlurryInterface = 0; // m2
    double crestPressure = 0; // kPa
};

inline MembraneShape integrateMembrane(const MembraneModel &m, double basePressure)
{
    // State: x (from the contact edge), y, arc length, pressure, ∫x dy, ∫x dy below
    // the slurry interface.
    struct State
    {
        double v[6];
    };
    const auto derivative = [&](double theta, const State &s, bool &ok) {
        State d {};
        const double p = s.v[3];
        if (!(p > 0)) {
            ok = false;
            return d;
        }
        const double y = s.v[1];
        const double inside = y < m.slurryInterface ? m.slurryLower : m.slurryUpper;
        const double outside = y < m.fluidInterface ? m.fluidLower : m.fluidUpper;
        const double ds = m.tension / p;
        const double dy = std::sin(theta) * ds;
        d.v[0] = std::cos(theta) * ds;
        d.v[1] = dy;
        d.v[2] = ds;
        d.v[3] = -(inside - outside) * dy;
        d.v[4] = s.v[0] * dy;
        d.v[5] = y < m.slurryInterface ? s.v[0] * dy : 0.0;
        return d;
    };
    const auto add = [](const State &a, const State &b, double f) {
        State r;
        for (int n = 0; n < 6; ++n)
            r.v[n] = a.v[n] + f * b.v[n];
        return r;
    };

    constexpr int kSteps = 7200;
    const double h = M_PI / kSteps;
    State s {};
    s.v[3] = basePressure;
    MembraneShape out;
    double xAtVertical = 0;
    for (int n = 0; n < kSteps; ++n) {
        const double theta = n * h;
        bool ok = true;
        const State k1 = derivative(theta, s, ok);
        const State k2 = derivative(theta + h / 2, add(s, k1, h / 2), ok);
        const State k3 = derivative(theta + h / 2, add(s, k2, h / 2), ok);
        const State k4 = derivative(theta + h, add(s, k3, h), ok);
        if (!ok)
            return out;
        for (int c = 0; c < 6; ++c)
            s.v[c] += h / 6 * (k1.v[c] + 2 * k2.v[c] + 2 * k3.v[c] + k4.v[c]);
        if (!(s.v[3] > 0))
            return out;
        if (n + 1 == kSteps / 2) {
            xAtVertical = s.v[0];
            out.heightAtMaxWidth = s.v[1];
        }
    }
    const double crestX = s.v[0];
    out.valid = true;
    out.baseWidth = -2 * crestX;
    out.maxHeight = s.v[1];
    out.maxWidth = 2 * (xAtVertical - crestX);
    out.circumference = 2 * s.v[2] + out.baseWidth;
    out.totalArea = 2 * (s.v[4] - crestX * out.maxHeight);
    out.areaBelowSlurryInterface
        = 2 * (s.v[5] - crestX * std::fmin(m.slurryInterface, out.maxHeight));
    out.crestPressure = s.v[3];
    return out;
}

// The shape of the given tension whose circumference is `circumference`.
inline MembraneShape solveMembrane(const MembraneModel &m, double circumference)
{
    // The circumference shrinks as the base pressure grows.
    double low = 0;
    double high = 1;
    while (true) {
        const MembraneShape s = integrateMembrane(m, high);
        if (s.valid && s.circumference < circumference)
            break;
        low = high;
        high *= 2;
        if (high > 1e9)
            return {};
    }
    for (int n = 0; n < 60; ++n) {
        const double mid = (low + high) / 2;
        const MembraneShape s = integrateMembrane(m, mid);
        if (s.valid && s.circumference < circumference)
            high = mid;
        else
            low = mid;
    }
    return integrateMembrane(m, high);
}

} // namespace vendrix::test
