#pragma once
// A second, independent solution of the membrane equations for the tests of
// the exact method, in any consistent units (the tests use m, kN/m3, kPa):
//   dθ/ds = p / Tf,  dx/ds = cos θ,  dy/ds = sin θ,  dp/ds = -Δγ(y) sin θ,
// integrated over the arc length s by a fine fourth-order Runge-Kutta scheme
// from the edge of the base contact (θ = 0) until θ reaches π. A step that
// crosses an interface height is shortened to end on it, so each zone is
// integrated with its own unit weights. Nothing here shares code with the
// solver: given the tension and base pressure that the solver found, it
// tells what shape those really produce.

#include "model/project_record.h"

#include <cmath>

namespace vendrix::test {

struct ReferenceModel
{
    double tension = 0; // Tf
    double slurryLower = 0, slurryUpper = 0; // inside, below/above slurryInterface
    double fluidLower = 0, fluidUpper = 0; // outside, below/above fluidInterface
    double slurryInterface = 0, fluidInterface = 0;
};

// The layering as entered, in SI, at tension T (kN/m).
inline ReferenceModel enteredModel(const TubeInput &in, double tension)
{
    ReferenceModel m;
    m.tension = tension;
    m.slurryLower = in.slurryUnitWeightLower;
    m.slurryUpper = in.twoSlurryLayers ? in.slurryUnitWeightUpper : in.slurryUnitWeightLower;
    m.fluidLower = in.fluidUnitWeightLower;
    m.fluidUpper = in.fluidUnitWeightUpper;
    m.slurryInterface = in.twoSlurryLayers ? in.slurryHeightLower : 1e10;
    m.fluidInterface = in.fluidHeightLower;
    return m;
}

struct ReferenceShape
{
    bool valid = false; // false: the pressure vanished before the crest
    double circumference = 0, maxHeight = 0, maxWidth = 0, heightAtMaxWidth = 0, baseWidth = 0;
    double totalArea = 0, areaAboveSlurryInterface = 0;
    double crestPressure = 0;
    double axialForce = 0; // integral of p times the full width over the height
};

namespace detail {

struct State
{
    // θ, x (from the contact edge), y, p, ∫x dy, ∫x dy above the slurry
    // interface, ∫p·x dy, ∫p dy
    double v[8];
};

inline State rate(const ReferenceModel &m, int zoneBelowSlurry, int zoneBelowFluid, const State &s)
{
    const double inside = zoneBelowSlurry ? m.slurryLower : m.slurryUpper;
    const double outside = zoneBelowFluid ? m.fluidLower : m.fluidUpper;
    const double theta = s.v[0], x = s.v[1], p = s.v[3];
    const double dy = std::sin(theta);
    State d {};
    d.v[0] = p / m.tension;
    d.v[1] = std::cos(theta);
    d.v[2] = dy;
    d.v[3] = -(inside - outside) * dy;
    d.v[4] = x * dy;
    d.v[5] = zoneBelowSlurry ? 0.0 : x * dy;
    d.v[6] = p * x * dy;
    d.v[7] = p * dy;
    return d;
}

inline State step(const ReferenceModel &m, int belowSlurry, int belowFluid, const State &s,
                  double h)
{
    auto add = [](const State &a, const State &b, double f) {
        State r;
        for (int n = 0; n < 8; ++n)
            r.v[n] = a.v[n] + f * b.v[n];
        return r;
    };
    const State k1 = rate(m, belowSlurry, belowFluid, s);
    const State k2 = rate(m, belowSlurry, belowFluid, add(s, k1, h / 2));
    const State k3 = rate(m, belowSlurry, belowFluid, add(s, k2, h / 2));
    const State k4 = rate(m, belowSlurry, belowFluid, add(s, k3, h));
    State r = s;
    for (int n = 0; n < 8; ++n)
        r.v[n] += h / 6 * (k1.v[n] + 2 * k2.v[n] + 2 * k3.v[n] + k4.v[n]);
    return r;
}

// Step length from s that ends where `component` reaches `target` (bisection).
template<typename Value>
double lengthTo(const ReferenceModel &m, int bs, int bf, const State &s, double h, Value value)
{
    double lo = 0, hi = h;
    for (int n = 0; n < 200 && hi - lo > 1e-16 * h; ++n) {
        const double mid = 0.5 * (lo + hi);
        if (value(step(m, bs, bf, s, mid)) < 0)
            lo = mid;
        else
            hi = mid;
    }
    return hi;
}

} // namespace detail

// `steps` is the number of steps over an arc length `lengthScale`; the
// integration goes on until the crest.
inline ReferenceShape referenceShape(const ReferenceModel &m, double basePressure,
                                     double lengthScale, int steps = 40000)
{
    using detail::State;
    const double h = lengthScale / steps;
    State s {};
    s.v[3] = basePressure;
    double arc = 0;
    ReferenceShape out;
    bool widthFound = false;
    for (long n = 0; n < 100L * steps; ++n) {
        const int bs = s.v[2] < m.slurryInterface;
        const int bf = s.v[2] < m.fluidInterface;
        State next = detail::step(m, bs, bf, s, h);
        double taken = h;
        auto crosses = [&](double level) { return s.v[2] < level && next.v[2] >= level; };
        if (!(next.v[3] > 0) && next.v[0] < M_PI)
            return out; // the pressure vanishes before the crest
        if (next.v[0] >= M_PI) {
            taken = detail::lengthTo(m, bs, bf, s, h, [](const State &t) { return t.v[0] - M_PI; });
        } else if (crosses(m.slurryInterface) || crosses(m.fluidInterface)) {
            const double level = crosses(m.slurryInterface)
                ? (crosses(m.fluidInterface) ? std::fmin(m.slurryInterface, m.fluidInterface)
                                             : m.slurryInterface)
                : m.fluidInterface;
            taken = detail::lengthTo(m, bs, bf, s, h,
                                     [level](const State &t) { return t.v[2] - level; });
        }
        if (!widthFound && s.v[0] < M_PI / 2
            && detail::step(m, bs, bf, s, taken).v[0] >= M_PI / 2) {
            const double toVertical = detail::lengthTo(
                m, bs, bf, s, taken, [](const State &t) { return t.v[0] - M_PI / 2; });
            const State v = detail::step(m, bs, bf, s, toVertical);
            out.maxWidth = v.v[1];
            out.heightAtMaxWidth = v.v[2];
            widthFound = true;
        }
        // A step shortened to an interface ends on or just above it, so the
        // next step is taken with the new zone's unit weights.
        next = detail::step(m, bs, bf, s, taken);
        s = next;
        arc += taken;
        if (s.v[0] >= M_PI - 1e-15)
            break;
    }
    const double crestX = s.v[1];
    out.valid = s.v[3] > 0;
    out.baseWidth = -2 * crestX;
    out.maxHeight = s.v[2];
    out.maxWidth = 2 * (out.maxWidth - crestX);
    out.circumference = 2 * arc + out.baseWidth;
    out.totalArea = 2 * (s.v[4] - crestX * out.maxHeight);
    const double aboveHeight = std::fmax(out.maxHeight - m.slurryInterface, 0.0);
    out.areaAboveSlurryInterface
        = m.slurryInterface < out.maxHeight ? 2 * (s.v[5] - crestX * aboveHeight) : 0.0;
    out.crestPressure = s.v[3];
    // ∫p·2(x - crestX) dy from the base to the crest.
    out.axialForce = 2 * (s.v[6] - crestX * s.v[7]);
    return out;
}

} // namespace vendrix::test
