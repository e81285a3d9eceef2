#include "engine/elliptic_integrals.h"

#include <algorithm>
#include <cmath>

namespace vendrix {

namespace {

// Duplication until the arguments agree to this relative spread; the series
// that follows is then exact to the last bit of a double.
constexpr double kSpreadRF = 0.0025;
constexpr double kSpreadRD = 0.0015;
// Each duplication divides the spread by about four, so even arguments 1e300
// apart need fewer than this.
constexpr int kMaxDuplications = 600;

double largest(double a, double b, double c)
{
    return std::max({std::fabs(a), std::fabs(b), std::fabs(c)});
}

} // namespace

double carlsonRF(double x, double y, double z)
{
    double mean = 0;
    double dx = 0, dy = 0, dz = 0;
    for (int n = 0; n < kMaxDuplications; ++n) {
        const double sx = std::sqrt(x), sy = std::sqrt(y), sz = std::sqrt(z);
        const double lambda = sx * (sy + sz) + sy * sz;
        x = 0.25 * (x + lambda);
        y = 0.25 * (y + lambda);
        z = 0.25 * (z + lambda);
        mean = (x + y + z) / 3;
        dx = (mean - x) / mean;
        dy = (mean - y) / mean;
        dz = (mean - z) / mean;
        if (!(largest(dx, dy, dz) > kSpreadRF))
            break;
    }
    const double e2 = dx * dy - dz * dz;
    const double e3 = dx * dy * dz;
    return (1 + (e2 / 24 - 0.1 - 3.0 / 44 * e3) * e2 + e3 / 14) / std::sqrt(mean);
}

double carlsonRD(double x, double y, double z)
{
    double sum = 0;
    double factor = 1;
    double mean = 0;
    double dx = 0, dy = 0, dz = 0;
    for (int n = 0; n < kMaxDuplications; ++n) {
        const double sx = std::sqrt(x), sy = std::sqrt(y), sz = std::sqrt(z);
        const double lambda = sx * (sy + sz) + sy * sz;
        sum += factor / (sz * (z + lambda));
        factor *= 0.25;
        x = 0.25 * (x + lambda);
        y = 0.25 * (y + lambda);
        z = 0.25 * (z + lambda);
        mean = 0.2 * (x + y + 3 * z);
        dx = (mean - x) / mean;
        dy = (mean - y) / mean;
        dz = (mean - z) / mean;
        if (!(largest(dx, dy, dz) > kSpreadRD))
            break;
    }
    constexpr double c1 = 3.0 / 14, c2 = 1.0 / 6, c3 = 9.0 / 22, c4 = 3.0 / 26;
    constexpr double c5 = 0.25 * c3, c6 = 1.5 * c4;
    const double ea = dx * dy;
    const double eb = dz * dz;
    const double ec = ea - eb;
    const double ed = ea - 6 * eb;
    const double ee = ed + ec + ec;
    return 3 * sum
        + factor
        * (1 + ed * (-c1 + c5 * ed - c6 * dz * ee)
           + dz * (c2 * ee + dz * (-c3 * ec + dz * c4 * ea)))
        / (mean * std::sqrt(mean));
}

} // namespace vendrix
