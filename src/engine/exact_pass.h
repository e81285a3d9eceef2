#pragma once
// One pass of the exact method: the membrane integrated from the edge of the
// base contact to the crest in closed form, zone by zone, each zone change at
// the angle where the membrane reaches the interface height.
//
// Within a zone the dimensionless pressure is q = p / sqrt(Tf * net unit
// weight) with q^2 = R^2 - 4 sin^2(theta/2), R constant, so the height is
// explicit and arc length and horizontal extent are elliptic integrals.

#include "engine/solver_problem.h"

namespace vendrix {

// An angle of the tangent, held as sin^2 and cos^2 of its half, which stay
// accurate at both ends of the membrane.
struct HalfAngle
{
    double s2 = 0; // sin^2(theta/2)
    double c2 = 1; // cos^2(theta/2)
};

// The membrane within one pressure zone.
struct ExactPiece
{
    int zone = 0; // 0..2
    double netUnitWeight = 0; // lb/ft3
    double radiusSquared = 0; // ft2, Tf / net unit weight
    double lambda = 0; // ft, its square root
    double pressureScale = 0; // lb/ft2, sqrt(Tf * net unit weight)
    double baseRatio = 0; // Q, dimensionless pressure at the piece's start
    double rSquared = 0; // R^2 = Q^2 + 4 sin^2(theta_start / 2)
    double baseHeight = 0; // ft
    double topHeight = 0; // ft
    double basePressure = 0; // lb/ft2
    double topPressure = 0; // lb/ft2
    HalfAngle start, end;
    double endRatioSquared = 0; // q^2 at the end
    double arcIntegralStart = 0, arcIntegralEnd = 0; // integral of dtheta / q from theta = 0
    double xIntegralStart = 0, xIntegralEnd = 0; // integral of cos(theta) dtheta / q
    double xStart = 0, xEnd = 0; // ft from the contact edge (not shifted to the axis)
};

enum class ExactPassResult { Complete, Abandoned, Failed };

struct ExactPass
{
    ExactPiece pieces[3];
    int pieceCount = 0;
    double tension = 0; // lb/in
    double baseRatio = 0; // q0
    double circumference = 0; // ft
    double maxHeight = 0; // ft
    double crestPressure = 0; // psi
    double baseWidth = 0; // ft
    // q^2 that the zone where the pass ended would have at the crest: positive
    // for a complete pass, not positive when the pressure vanishes first. It
    // varies continuously with q0 across that boundary.
    double crestMeasure = 0;
};

// Integrates for tension T (lb/in) and base pressure ratio q0.
ExactPassResult runExactPass(const SolverProblem &problem, double tension, double q0,
                             ExactPass &pass);

// The profile and every result quantity of a complete pass, in solver units.
void writeExactResults(const SolverProblem &problem, const ExactPass &pass, SolverOutput &out);

} // namespace vendrix
