#include "engine/exact_pass.h"

#include "engine/elliptic_integrals.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vendrix {

namespace {

constexpr int kPoints = kProfilePoints;
constexpr double kPi = 3.14159265358979323846;
constexpr double kPsfPerPsi = 144;

// Integrals from theta = 0 to the angle h of a zone with constant R^2, where
// q^2 (passed in, to avoid cancellation) is the zone's value at h:
// arc = integral of dtheta / q, horizontal = integral of cos(theta) dtheta / q.
struct MembraneIntegrals
{
    double arc = 0;
    double horizontal = 0;
};

MembraneIntegrals membraneIntegrals(double rSquared, HalfAngle h, double qSquared)
{
    if (!(h.s2 > 0))
        return {};
    const double s = std::sqrt(h.s2);
    const double x = rSquared * std::max(h.c2, 0.0);
    const double y = std::max(qSquared, 0.0);
    const double arc = 2 * s * carlsonRF(x, y, rSquared);
    const double sinSquaredMoment = rSquared / 3 * s * h.s2 * carlsonRD(x, y, rSquared);
    return {arc, arc - 4 * sinSquaredMoment};
}

double sinTheta(HalfAngle h)
{
    return 2 * std::sqrt(std::max(h.s2, 0.0) * std::max(h.c2, 0.0));
}

// Fills the integrals, end values and horizontal extent of a piece whose
// start, end and zone constants are set.
void closePiece(ExactPiece &p, double x)
{
    const MembraneIntegrals a = membraneIntegrals(p.rSquared, p.start, p.baseRatio * p.baseRatio);
    const MembraneIntegrals b = membraneIntegrals(p.rSquared, p.end, p.endRatioSquared);
    p.arcIntegralStart = a.arc;
    p.arcIntegralEnd = b.arc;
    p.xIntegralStart = a.horizontal;
    p.xIntegralEnd = b.horizontal;
    p.xStart = x;
    p.xEnd = x + p.lambda * (b.horizontal - a.horizontal);
    const double q = std::sqrt(std::max(p.endRatioSquared, 0.0));
    p.topHeight = p.baseHeight + p.lambda * (p.baseRatio - q);
    p.topPressure = p.pressureScale * q;
}

struct ZoneConstants
{
    double netUnitWeight[3];
    double lambda[3];
    double pressureScale[3];
};

// False when a zone has no equilibrium shape (net unit weight or tension not
// positive), even a zone the membrane never reaches.
bool zoneConstants(const SolverProblem &problem, double tf, ZoneConstants &z)
{
    for (int k = 0; k < 3; ++k) {
        const double net = problem.insideUnitWeight[k] - problem.outsideUnitWeight[k];
        if (!(tf > 0) || !(net > 0))
            return false;
        z.netUnitWeight[k] = net;
        z.lambda[k] = std::sqrt(tf / net);
        z.pressureScale[k] = std::sqrt(tf * net);
        if (!std::isfinite(z.lambda[k]) || !(z.lambda[k] > 0) || !std::isfinite(z.pressureScale[k])
            || !(z.pressureScale[k] > 0))
            return false;
    }
    return true;
}

// Where the membrane of piece p (start and constants set) reaches the height
// z below its crest: sets its end there.
void endAtInterface(ExactPiece &p, double z)
{
    if (z <= p.baseHeight) {
        p.end = p.start;
        p.endRatioSquared = p.baseRatio * p.baseRatio;
        return;
    }
    const double q = p.baseRatio - (z - p.baseHeight) / p.lambda;
    // sin^2 grows and cos^2 shrinks by (Q^2 - q^2) / 4 from the start.
    const double d = (p.baseRatio - q) * (p.baseRatio + q) / 4;
    p.end.s2 = std::min(p.start.s2 + d, 1.0);
    p.end.c2 = std::max(p.start.c2 - d, 0.0);
    p.endRatioSquared = q * q;
}

// The piece of zone k that starts at angle `at`, height and pressure.
ExactPiece startPiece(const ZoneConstants &zc, int k, HalfAngle at, double height, double pressure)
{
    ExactPiece p;
    p.zone = k;
    p.netUnitWeight = zc.netUnitWeight[k];
    p.lambda = zc.lambda[k];
    p.radiusSquared = p.lambda * p.lambda;
    p.pressureScale = zc.pressureScale[k];
    p.baseRatio = pressure / p.pressureScale;
    p.rSquared = p.baseRatio * p.baseRatio + 4 * at.s2;
    p.baseHeight = height;
    p.basePressure = pressure;
    p.start = at;
    return p;
}

} // namespace

ExactPassResult runExactPass(const SolverProblem &problem, double tension, double q0,
                             ExactPass &pass)
{
    pass = ExactPass {};
    pass.tension = tension;
    pass.baseRatio = q0;
    const double tf = 12 * tension; // lb/ft
    ZoneConstants zc;
    if (!zoneConstants(problem, tf, zc))
        return ExactPassResult::Failed;

    HalfAngle at;
    double height = 0;
    double pressure = q0 * zc.pressureScale[0];
    double x = 0;
    for (int k = 0; k < 3; ++k) {
        ExactPiece &p = pass.pieces[pass.pieceCount++];
        p = startPiece(zc, k, at, height, pressure);
        // q^2 this zone would have at the crest.
        const double crestSquared = p.baseRatio * p.baseRatio - 4 * at.c2;
        const bool reachesCrest = crestSquared > 0;
        const double endHeight = reachesCrest
            ? height + p.lambda * (p.baseRatio - std::sqrt(crestSquared))
            : height + p.lambda * p.baseRatio;
        const double interface = k < 2 ? problem.interfaceHeight[k]
                                       : std::numeric_limits<double>::infinity();
        if (endHeight <= interface) {
            pass.crestMeasure = crestSquared;
            if (!reachesCrest)
                return ExactPassResult::Abandoned; // the pressure vanishes before the crest
            p.end = {1, 0};
            p.endRatioSquared = crestSquared;
            closePiece(p, x);
            break;
        }
        endAtInterface(p, interface);
        closePiece(p, x);
        at = p.end;
        height = std::max(p.baseHeight, interface);
        pressure = p.topPressure;
        x = p.xEnd;
    }
    const ExactPiece &last = pass.pieces[pass.pieceCount - 1];
    double arc = 0;
    for (int k = 0; k < pass.pieceCount; ++k) {
        const ExactPiece &p = pass.pieces[k];
        arc += p.lambda * (p.arcIntegralEnd - p.arcIntegralStart);
    }
    pass.baseWidth = -2 * last.xEnd;
    pass.circumference = 2 * arc + pass.baseWidth;
    pass.maxHeight = last.topHeight;
    pass.crestPressure = last.topPressure / kPsfPerPsi;
    if (!std::isfinite(pass.circumference) || !std::isfinite(pass.maxHeight)
        || !std::isfinite(pass.crestPressure))
        return ExactPassResult::Failed;
    return ExactPassResult::Complete;
}

namespace {

// The profile's angles: point i at theta = i * 0.5 degree.
struct ProfileAngles
{
    HalfAngle half[kPoints];
};

const ProfileAngles &profileAngles()
{
    static const ProfileAngles angles = [] {
        ProfileAngles a {};
        for (int i = 0; i < kPoints; ++i) {
            const double phi = i * kPi / 720;
            const double s = std::sin(phi), c = std::cos(phi);
            a.half[i] = {s * s, c * c};
        }
        a.half[kPoints - 1] = {1, 0};
        return a;
    }();
    return angles;
}

// The piece that holds the angle h (the last one for the crest).
const ExactPiece &pieceAt(const ExactPass &pass, HalfAngle h)
{
    for (int k = 0; k < pass.pieceCount - 1; ++k)
        if (h.s2 <= pass.pieces[k].end.s2)
            return pass.pieces[k];
    return pass.pieces[pass.pieceCount - 1];
}

void writeProfile(const ExactPass &pass, SolverOutput &out)
{
    const ProfileAngles &angles = profileAngles();
    const double halfBase = pass.baseWidth / 2;
    for (int i = 0; i < kPoints; ++i) {
        const HalfAngle h = angles.half[i];
        const ExactPiece &p = pieceAt(pass, h);
        const double qSquared = i == kPoints - 1
            ? p.endRatioSquared
            : p.baseRatio * p.baseRatio - 4 * (h.s2 - p.start.s2);
        const MembraneIntegrals m = membraneIntegrals(p.rSquared, h, qSquared);
        out.profileX[i] = p.xStart + p.lambda * (m.horizontal - p.xIntegralStart) + halfBase;
        out.profileY[i]
            = p.baseHeight + p.lambda * (p.baseRatio - std::sqrt(std::max(qSquared, 0.0)));
    }
    out.profileX[0] = halfBase;
    out.profileY[0] = 0;
    out.profileX[kPoints - 1] = 0;
    out.profileY[kPoints - 1] = pass.maxHeight;
}

// -integral of y dx along the piece, in closed form from the membrane equation.
double areaUnder(const ExactPiece &p)
{
    return (sinTheta(p.end) - sinTheta(p.start)) * p.radiusSquared
        - (p.xEnd - p.xStart) * (p.lambda * p.baseRatio + p.baseHeight);
}

// Area above the slurry interface (half section, ft2), 0 when the membrane
// never reaches it.
double upperSlurryHalfArea(const SolverProblem &problem, const ExactPass &pass)
{
    const int slurryInterface = problem.slurryInterfaceFirst ? 0 : 1;
    double area = 0;
    bool above = false;
    double interfaceX = 0, interfaceHeight = 0;
    for (int k = 0; k < pass.pieceCount; ++k) {
        const ExactPiece &p = pass.pieces[k];
        if (p.zone == slurryInterface + 1) {
            above = true;
            interfaceX = p.xStart + pass.baseWidth / 2;
            interfaceHeight = p.baseHeight;
        }
        if (above)
            area += areaUnder(p);
    }
    return above ? area - interfaceX * interfaceHeight : 0.0;
}

// Resultant of the net pressure on a plane cross-section (lb): the integral
// of p times the width over the height, which the membrane equation turns
// into 2 Tf (b/2 + integral of cos(theta) dx).
double axialForce(const ExactPass &pass)
{
    double sum = pass.baseWidth / 2;
    for (int k = 0; k < pass.pieceCount; ++k) {
        const ExactPiece &p = pass.pieces[k];
        const double qEnd = std::sqrt(std::max(p.endRatioSquared, 0.0));
        const double boundary = qEnd * sinTheta(p.end) - p.baseRatio * sinTheta(p.start);
        const double arc = p.arcIntegralEnd - p.arcIntegralStart;
        const double horizontal = p.xIntegralEnd - p.xIntegralStart;
        const double cosineSquared = (boundary + arc + (2 - p.rSquared) * horizontal) / 3;
        sum += p.lambda * cosineSquared;
    }
    return 2 * 12 * pass.tension * sum;
}

} // namespace

void writeExactResults(const SolverProblem &problem, const ExactPass &pass, SolverOutput &out)
{
    writeProfile(pass, out);
    out.zones = 0;
    double halfArea = 0;
    for (int k = 0; k < pass.pieceCount; ++k) {
        const ExactPiece &p = pass.pieces[k];
        if (p.end.s2 > p.start.s2)
            ++out.zones;
        halfArea += areaUnder(p);
    }
    out.zones = std::max(out.zones, 1);
    out.workingTension = pass.tension;
    out.baseWidth = pass.baseWidth;
    out.computedCircumference = pass.circumference;
    out.maxHeight = pass.maxHeight;
    out.crestPressure = pass.crestPressure;
    out.maxWidth = 2 * out.profileX[180];
    out.heightAtMaxWidth = out.profileY[180];
    out.totalArea = 2 * halfArea;
    out.areaUpperSlurry = 2 * upperSlurryHalfArea(problem, pass);
    out.areaLowerSlurry = out.totalArea - out.areaUpperSlurry;
    out.axialForce = axialForce(pass);
}

} // namespace vendrix
