#include "engine/exact_shape.h"

#include "engine/elliptic_integrals.h"
#include "model/unit_constants.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vendrix {

namespace {

// Below this crest-to-local pressure ratio the crest integrals take their
// logarithmic limit, exact to the last bit of a double (the terms left out
// are of order ratio^2).
constexpr double kCrestRatioLimit = 1e-9;
// A piece whose pressure varies by less than this fraction is integrated by
// Gauss-Legendre quadrature: its closed forms would divide by the small net
// unit weight, while its integrands are smooth and far from any singularity.
constexpr double kQuadratureVariation = 0.2;

// 24-point Gauss-Legendre abscissae and weights on [-1, 1] (positive half).
constexpr int kGaussHalf = 12;
constexpr double kGaussNodes[kGaussHalf]
    = {0.0640568928626056260850431, 0.1911188674736163091586398, 0.3150426796961633743867933,
       0.4337935076260451384870842, 0.5454214713888395356583757, 0.6480936519369755692524958,
       0.7401241915785543642438281, 0.8200019859739029219539499, 0.8864155270044010342131543,
       0.9382745520027327585236490, 0.9747285559713094981983919, 0.9951872199970213601799974};
constexpr double kGaussWeights[kGaussHalf]
    = {0.1279381953467521569740561, 0.1258374563468282961213754, 0.1216704729278033912044632,
       0.1155056680537256013533445, 0.1074442701159656347825773, 0.0976186521041138882698807,
       0.0861901615319532759171852, 0.0733464814110803057340336, 0.0592985849154367807463678,
       0.0442774388174198061686027, 0.0285313886289336631813078, 0.0123412297999871995468057};

double halfAngleToAngle(double s2, double c2)
{
    return 2 * std::atan2(std::sqrt(std::max(s2, 0.0)), std::sqrt(std::max(c2, 0.0)));
}

double sinOf(double s2, double c2)
{
    return 2 * std::sqrt(std::max(s2, 0.0) * std::max(c2, 0.0));
}

// Integrals from theta = 0 to the angle (s2, c2) of 1/p and of sin^2(theta/2)/p,
// for a piece with p^2 = A - 4 g T sin^2(theta/2) and p the value at the angle.
// Both are Carlson's R_F and R_D (B. C. Carlson, "Numerical computation of real
// or complex elliptic integrals", Numerical Algorithms 10, 1995), as are the
// crest integrals below.
struct BaseIntegrals
{
    double plain = 0;
    double moment = 0;
};

BaseIntegrals fromBase(double a, double s2, double c2, double p)
{
    if (!(s2 > 0))
        return {};
    const double rootA = std::sqrt(a);
    const double s = std::sqrt(s2);
    const double w = (p / rootA) * (p / rootA);
    const double c = std::max(c2, 0.0);
    const CarlsonIntegrals r = carlsonRFRD(c, w, 1);
    return {2 * s * r.rf / rootA, 2 * s * s2 / 3 * r.rd / rootA};
}

// Integrals from the angle (s2, c2) to the crest of 1/p and of cos^2(theta/2)/p
// in the zone of the crest, where p^2 = pc^2 + 4 g T cos^2(theta/2).
BaseIntegrals toCrest(double crestPressure, double s2, double c2, double p)
{
    if (!(c2 > 0))
        return {};
    const double c = std::sqrt(c2);
    const double s = std::sqrt(std::max(s2, 0.0));
    const double r = crestPressure / p;
    if (r < kCrestRatioLimit)
        return {2 * c / p * std::log(4 / (r * (1 + s))), 2 * c * c2 / (p * (1 + s))};
    const double r2 = r * r;
    const CarlsonIntegrals i = carlsonRFRD(r2 * s2, 1, r2);
    return {2 * c / p * i.rf, 2 * r2 * c * c2 / 3 * i.rd / p};
}

// Integrals of a piece that only closed forms or only quadrature give well.
struct PieceMoments
{
    double yDx = 0; // integral of y dx, m2
    double cosSquaredDs = 0; // integral of cos^2(theta) ds, m
    double excess = 0; // integral of (pi sin - 2 + 2 cos)(p - pc) / (p pc) dtheta, times T
};

// The pressure and height of the membrane at the angle whose sin^2(theta/2)
// lies d below the piece's upper end.
double pressureBelowTop(const ExactPiece &p, double tension, double d)
{
    return std::sqrt(p.pressureB * p.pressureB + 4 * p.netUnitWeight * tension * d);
}

PieceMoments quadratureMoments(const ExactPiece &p, double tension, double crestPressure)
{
    const double thetaA = halfAngleToAngle(p.sinSquaredA, p.cosSquaredA);
    const double thetaB = halfAngleToAngle(p.sinSquaredB, p.cosSquaredB);
    const double mid = 0.5 * (thetaA + thetaB), half = 0.5 * (thetaB - thetaA);
    const double riseToB = p.pressureB - crestPressure;
    PieceMoments m;
    double drop = 0;
    for (int k = 0; k < 2 * kGaussHalf; ++k) {
        const double t = k < kGaussHalf ? -kGaussNodes[k] : kGaussNodes[k - kGaussHalf];
        const double w = kGaussWeights[k % kGaussHalf] * half;
        const double theta = mid + half * t;
        // sin^2(thetaB/2) - sin^2(theta/2) as a product: no cancellation.
        const double d = std::sin(0.5 * (thetaB + theta)) * std::sin(0.5 * (thetaB - theta));
        const double pressure = pressureBelowTop(p, tension, d);
        const double cosine = std::cos(theta);
        const double ds = tension / pressure;
        drop += w * 4 * tension * d / (p.pressureB + pressure) * cosine * ds;
        m.cosSquaredDs += w * cosine * cosine * ds;
        const double rise = riseToB + 4 * p.netUnitWeight * tension * d / (pressure + p.pressureB);
        m.excess
            += w * (kPi * std::sin(theta) - 2 + 2 * cosine) * rise / (pressure * crestPressure);
    }
    m.yDx = p.heightB * p.horizontal - drop;
    m.excess *= tension;
    return m;
}

PieceMoments closedFormMoments(const ExactPiece &p, double tension, double arcIntegral)
{
    const double g = p.netUnitWeight;
    const double sinA = sinOf(p.sinSquaredA, p.cosSquaredA);
    const double sinB = p.reachesCrest ? 0 : sinOf(p.sinSquaredB, p.cosSquaredB);
    const double horizontalIntegral = p.horizontal / tension;
    PieceMoments m;
    // y = yA + (pA - p) / g and p dx = T d(sin theta).
    m.yDx = p.heightA * p.horizontal + (p.pressureA * p.horizontal - tension * (sinB - sinA)) / g;
    // d(p sin)/dtheta = ((A - 2gT) cos + 3gT cos^2 - gT) / p with A = p^2 + 4gT sin^2(theta/2).
    const double a = p.pressureA * p.pressureA + 4 * g * tension * p.sinSquaredA;
    const double boundary = p.pressureB * sinB - p.pressureA * sinA;
    m.cosSquaredDs
        = (boundary - (a - 2 * g * tension) * horizontalIntegral + g * tension * arcIntegral)
        / (3 * g);
    return m;
}

void integratePiece(ExactPiece &p, double tension, double crestPressure)
{
    if (p.reachesCrest) {
        const BaseIntegrals k = toCrest(crestPressure, p.sinSquaredA, p.cosSquaredA, p.pressureA);
        p.arc = tension * k.plain;
        p.horizontal = tension * (2 * k.moment - k.plain);
        return;
    }
    const double a = p.pressureA * p.pressureA + 4 * p.netUnitWeight * tension * p.sinSquaredA;
    const BaseIntegrals lo = fromBase(a, p.sinSquaredA, p.cosSquaredA, p.pressureA);
    const BaseIntegrals hi = fromBase(a, p.sinSquaredB, p.cosSquaredB, p.pressureB);
    p.plainA = lo.plain;
    p.momentA = lo.moment;
    const double plain = hi.plain - lo.plain;
    p.arc = tension * plain;
    p.horizontal = tension * (plain - 2 * (hi.moment - lo.moment));
}

PieceMoments pieceMoments(const ExactPiece &p, double tension, double crestPressure)
{
    if (p.pressureA - p.pressureB <= kQuadratureVariation * p.pressureB)
        return quadratureMoments(p, tension, crestPressure);
    return closedFormMoments(p, tension, p.arc / tension);
}

// Height at which the integral of the net pressure from the base reaches 2T:
// pc H + integral of y g(y) dy = 2T, increasing in H, solved zone by zone.
double crestHeight(const LayeringZones &zones, double tension, double crestPressure)
{
    double lo = 0, moment = 0;
    for (int k = 0; k < 3; ++k) {
        const double g = zones.netUnitWeight[k];
        const double hi = k < 2 ? zones.boundary[k] : std::numeric_limits<double>::infinity();
        if (!(hi > lo))
            continue;
        const double added = k < 2 ? g * (hi - lo) * (hi + lo) / 2 : 0;
        if (k == 2 || crestPressure * hi + moment + added >= 2 * tension) {
            const double rest = std::max(2 * tension - crestPressure * lo - moment, 0.0);
            const double beta = crestPressure + g * lo;
            return lo + 2 * rest / (beta + std::sqrt(beta * beta + 2 * g * rest));
        }
        moment += added;
        lo = hi;
    }
    return lo;
}

} // namespace

ZoneLoads zoneLoads(const LayeringZones &zones, double height)
{
    ZoneLoads loads;
    double lo = 0;
    for (int k = 0; k < 3 && lo < height; ++k) {
        const double hi = k < 2 ? std::min(zones.boundary[k], height) : height;
        if (hi > lo) {
            loads.pressureRise += zones.netUnitWeight[k] * (hi - lo);
            loads.weightMoment += zones.netUnitWeight[k] * (hi - lo) * (hi + lo) / 2;
        }
        lo = std::max(lo, hi);
    }
    return loads;
}

bool exactShape(const LayeringZones &zones, double tension, double crestPressure, ExactShape &shape)
{
    shape = ExactShape {};
    shape.tension = tension;
    shape.crestPressure = crestPressure;
    if (!(tension > 0) || !(crestPressure > 0) || !std::isfinite(tension)
        || !std::isfinite(crestPressure))
        return false;
    const double height = crestHeight(zones, tension, crestPressure);
    shape.height = height;
    // Levels of the pieces: the base, the interfaces below the crest, the crest.
    double levels[4] = {0, 0, 0, 0};
    int n = 1;
    for (double b : zones.boundary)
        if (b > levels[n - 1] && b < height)
            levels[n++] = b;
    levels[n] = height;
    shape.pieceCount = n;
    // Pressures and cos^2(theta/2) from the crest down, sin^2 from the base up.
    double pressure = crestPressure, cosSquared = 0;
    for (int k = n - 1; k >= 0; --k) {
        ExactPiece &p = shape.pieces[k];
        p.netUnitWeight = zones.netUnitWeight[zones.zoneAt(0.5 * (levels[k] + levels[k + 1]))];
        p.heightA = levels[k];
        p.heightB = levels[k + 1];
        p.reachesCrest = k == n - 1;
        p.pressureB = pressure;
        p.cosSquaredB = cosSquared;
        const double rise = p.heightB - p.heightA;
        pressure += p.netUnitWeight * rise;
        cosSquared += (pressure + p.pressureB) * rise / (4 * tension);
        p.pressureA = pressure;
        p.cosSquaredA = k == 0 ? 1 : cosSquared;
    }
    shape.basePressure = pressure;
    double sinSquared = 0;
    for (int k = 0; k < n; ++k) {
        ExactPiece &p = shape.pieces[k];
        p.sinSquaredA = sinSquared;
        sinSquared += (p.pressureA + p.pressureB) * (p.heightB - p.heightA) / (4 * tension);
        p.sinSquaredB = p.reachesCrest ? 1 : sinSquared;
    }
    double x = 0, arc = 0;
    for (int k = n - 1; k >= 0; --k) {
        ExactPiece &p = shape.pieces[k];
        integratePiece(p, tension, crestPressure);
        x -= p.horizontal;
        p.xA = x;
        arc += p.arc;
    }
    shape.baseWidth = std::max(2 * x, 0.0);
    shape.circumference = shape.baseWidth + 2 * arc;
    return std::isfinite(shape.circumference) && std::isfinite(height) && height > 0
        && shape.circumference > 0;
}

double roundnessExcess(const ExactShape &shape)
{
    double excess = 0;
    for (int k = 0; k < shape.pieceCount; ++k)
        excess += quadratureMoments(shape.pieces[k], shape.tension, shape.crestPressure).excess;
    return excess;
}

namespace {

// The point of the profile at the angle with half-angle squares (s2, c2).
void profilePoint(const ExactShape &shape, double s2, double c2, double &x, double &y)
{
    int k = 0;
    while (k < shape.pieceCount - 1 && s2 > shape.pieces[k].sinSquaredB)
        ++k;
    const ExactPiece &p = shape.pieces[k];
    const double tension = shape.tension;
    if (p.reachesCrest) {
        const double pressure = std::sqrt(shape.crestPressure * shape.crestPressure
                                          + 4 * p.netUnitWeight * tension * c2);
        const BaseIntegrals i = toCrest(shape.crestPressure, s2, c2, pressure);
        x = tension * (i.plain - 2 * i.moment);
        y = shape.height - 4 * tension * c2 / (shape.crestPressure + pressure);
        return;
    }
    const double d = std::max(p.sinSquaredB - s2, 0.0);
    const double pressure = pressureBelowTop(p, tension, d);
    const double a = p.pressureA * p.pressureA + 4 * p.netUnitWeight * tension * p.sinSquaredA;
    const BaseIntegrals at = fromBase(a, s2, c2, pressure);
    const double plain = at.plain - p.plainA;
    x = p.xA + tension * (plain - 2 * (at.moment - p.momentA));
    y = p.heightB - 4 * tension * d / (p.pressureB + pressure);
}

void writeProfile(const ExactShape &shape, ExactResults &r)
{
    for (int i = 0; i < kProfilePoints; ++i) {
        const double half = i * kPi / 720;
        const double s = std::sin(half), c = std::cos(half);
        profilePoint(shape, s * s, c * c, r.profileX[i], r.profileY[i]);
    }
    r.profileX[0] = shape.baseWidth / 2;
    r.profileY[0] = 0;
    r.profileX[kProfilePoints - 1] = 0;
    r.profileY[kProfilePoints - 1] = shape.height;
}

} // namespace

void exactResults(const LayeringZones &zones, const ExactShape &shape, ExactResults &r)
{
    r = ExactResults {};
    writeProfile(shape, r);
    // The widest point is where the membrane is vertical.
    profilePoint(shape, 0.5, 0.5, r.maxWidth, r.heightAtMaxWidth);
    r.maxWidth *= 2;
    double halfArea = 0, upperHalfArea = 0, cosSquaredDs = 0;
    for (int k = 0; k < shape.pieceCount; ++k) {
        const ExactPiece &p = shape.pieces[k];
        const PieceMoments m = pieceMoments(p, shape.tension, shape.crestPressure);
        // The half area is minus the integral of y dx from the contact edge to the crest.
        halfArea -= m.yDx;
        if (p.heightA >= zones.slurryInterface)
            upperHalfArea -= m.yDx;
        cosSquaredDs += m.cosSquaredDs;
    }
    for (int k = 0; k < shape.pieceCount; ++k)
        if (shape.pieces[k].heightA == zones.slurryInterface)
            upperHalfArea -= shape.pieces[k].xA * zones.slurryInterface;
    r.totalArea = 2 * halfArea;
    r.areaUpperSlurry = 2 * std::max(upperHalfArea, 0.0);
    // Net pressure times width over the height: 2T (b/2 + integral of cos^2 ds).
    r.axialForce = 2 * shape.tension * (shape.baseWidth / 2 + cosSquaredDs);
}

} // namespace vendrix
