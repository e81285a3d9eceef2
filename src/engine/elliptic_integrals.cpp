#include "engine/elliptic_integrals.h"

#include <algorithm>
#include <cmath>

namespace vendrix {

namespace {

// Duplication until the arguments agree to this relative spread; the series
// of R_F (exact to the last bit below 0.0025) and of R_D (below 0.0015) that
// follow are then exact to the last bit of a double.
constexpr double kSpread = 0.0015;
// Each duplication divides the spread by about four, so even arguments 1e300
// apart need fewer than this.
constexpr int kMaxDuplications = 600;

// Relative deviations of x, y, z from a mean.
struct Deviations
{
    double dx, dy, dz;
};

Deviations deviations(double x, double y, double z, double mean)
{
    return {(mean - x) / mean, (mean - y) / mean, (mean - z) / mean};
}

double seriesRF(double x, double y, double z)
{
    const double mean = (x + y + z) / 3;
    const Deviations d = deviations(x, y, z, mean);
    const double e2 = d.dx * d.dy - d.dz * d.dz;
    const double e3 = d.dx * d.dy * d.dz;
    return (1 + (e2 / 24 - 0.1 - 3.0 / 44 * e3) * e2 + e3 / 14) / std::sqrt(mean);
}

double seriesRD(double x, double y, double z)
{
    const double mean = 0.2 * (x + y + 3 * z);
    const Deviations d = deviations(x, y, z, mean);
    constexpr double c1 = 3.0 / 14, c2 = 1.0 / 6, c3 = 9.0 / 22, c4 = 3.0 / 26;
    constexpr double c5 = 0.25 * c3, c6 = 1.5 * c4;
    const double ea = d.dx * d.dy;
    const double eb = d.dz * d.dz;
    const double ec = ea - eb;
    const double ed = ea - 6 * eb;
    const double ee = ed + ec + ec;
    return (1 + ed * (-c1 + c5 * ed - c6 * d.dz * ee)
            + d.dz * (c2 * ee + d.dz * (-c3 * ec + d.dz * c4 * ea)))
        / (mean * std::sqrt(mean));
}

} // namespace

CarlsonIntegrals carlsonRFRD(double x, double y, double z)
{
    double sum = 0;
    double factor = 1;
    for (int n = 0; n < kMaxDuplications; ++n) {
        // Both means lie between the smallest and the largest argument.
        const double lo = std::min({x, y, z}), hi = std::max({x, y, z});
        if (!(hi - lo > kSpread * lo))
            break;
        const double sx = std::sqrt(x), sy = std::sqrt(y), sz = std::sqrt(z);
        const double lambda = sx * (sy + sz) + sy * sz;
        sum += factor / (sz * (z + lambda));
        factor *= 0.25;
        x = 0.25 * (x + lambda);
        y = 0.25 * (y + lambda);
        z = 0.25 * (z + lambda);
    }
    return {seriesRF(x, y, z), 3 * sum + factor * seriesRD(x, y, z)};
}

} // namespace vendrix
