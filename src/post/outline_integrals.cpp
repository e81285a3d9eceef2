#include "post/outline_integrals.h"

#include <cmath>
#include <cstddef>

namespace vendrix {

namespace {

// 5-point Gauss-Legendre on [0, 1]: exact for the polynomials of degree 9
// that a cubic outline times the linear pressures and levers gives.
constexpr int kGaussPoints = 5;
constexpr double kNodes[kGaussPoints] = {0.0469100770306680036, 0.2307653449471584545, 0.5,
                                         0.7692346550528415455, 0.9530899229693319964};
constexpr double kWeights[kGaussPoints]
    = {0.1184634425280945438, 0.2393143352496832340, 0.2844444444444444444, 0.2393143352496832340,
       0.1184634425280945438};
constexpr int kBisections = 60;

// Profile point k for k = -1 .. kProfilePoints: below the base edge the
// outline continues as its mirror image about the edge's tangent angle
// (y even, x odd about the edge), past the crest as the other half.
void extendedPoint(const ProfileArray &x, const ProfileArray &y, int k, double &px, double &py)
{
    const int last = kProfilePoints - 1;
    if (k < 0) {
        px = 2 * x[0] - x[static_cast<std::size_t>(-k)];
        py = y[static_cast<std::size_t>(-k)];
    } else if (k > last) {
        px = -x[static_cast<std::size_t>(2 * last - k)];
        py = y[static_cast<std::size_t>(2 * last - k)];
    } else {
        px = x[static_cast<std::size_t>(k)];
        py = y[static_cast<std::size_t>(k)];
    }
}

// The cubic through four points at t = -1, 0, 1, 2, for the step [0, 1].
struct Cubic
{
    double v[4];

    double value(double t) const
    {
        return -v[0] * t * (t - 1) * (t - 2) / 6 + v[1] * (t + 1) * (t - 1) * (t - 2) / 2
            - v[2] * (t + 1) * t * (t - 2) / 2 + v[3] * (t + 1) * t * (t - 1) / 6;
    }
    double slope(double t) const
    {
        return -v[0] * (3 * t * t - 6 * t + 2) / 6 + v[1] * (3 * t * t - 4 * t - 1) / 2
            - v[2] * (3 * t * t - 2 * t - 2) / 2 + v[3] * (3 * t * t - 1) / 6;
    }
};

// Where the rising cubic y reaches the level within the step.
double stepAtLevel(const Cubic &y, double level)
{
    double lo = 0, hi = 1;
    for (int n = 0; n < kBisections; ++n) {
        const double mid = 0.5 * (lo + hi);
        (y.value(mid) < level ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

} // namespace

double outlineIntegral(const ProfileArray &x, const ProfileArray &y, double level,
                       const std::function<double(const OutlinePoint &)> &f)
{
    double sum = 0;
    for (int i = 0; i + 1 < kProfilePoints; ++i) {
        Cubic cx, cy;
        for (int j = 0; j < 4; ++j)
            extendedPoint(x, y, i - 1 + j, cx.v[j], cy.v[j]);
        if (!(cy.v[1] < level))
            break;
        const double end = cy.v[2] <= level ? 1.0 : stepAtLevel(cy, level);
        for (int g = 0; g < kGaussPoints; ++g) {
            const double t = kNodes[g] * end;
            sum += kWeights[g] * end * f({cx.value(t), cy.value(t), cx.slope(t), cy.slope(t)});
        }
    }
    return sum;
}

double areaBelow(const ProfileArray &x, const ProfileArray &y, double level)
{
    return 2 * outlineIntegral(x, y, level, [](const OutlinePoint &p) { return p.x * p.dy; });
}

} // namespace vendrix
