#pragma once
// One pass of the classic method: the membrane integrated on its half-degree
// angle grid from the edge of the base contact to the crest, for a tension and
// a base pressure ratio, and the results a complete pass gives.

#include "engine/classic_problem.h"

namespace vendrix {

// Fine angle indices 1..721 (a quarter degree apart); profile point i sits at 2i - 1.
inline constexpr int kFineIndices = 721;

// Part of the membrane within which the inside and outside unit weights are
// constant, so that the net pressure is linear in height.
struct PressureZone
{
    double netUnitWeightPcf = 0; // inside minus outside
    double radiusSquared = 0; // ft2, Tf / net unit weight
    double lambda = 0; // ft, its square root
    double pressureScalePsf = 0; // sqrt(Tf * net unit weight)
    double basePressurePsf = 0;
    double topPressurePsf = 0;
    double baseRatio = 0; // base pressure / pressure scale
    double baseHeightFt = 0;
    double thicknessFt = 0;
    int first = 1; // first profile point
    int last = 1; // last profile point
    int referenceIndex = 1; // fine index of the zone's starting angle
};

// One integration pass: everything the search tests and the result needs.
struct Pass
{
    double q[kFineIndices + 1]; // dimensionless pressure per fine index
    double inverseQ[kFineIndices + 1];
    double cosOverQ[kFineIndices + 1]; // cos(theta) / q
    double xFt[kProfilePoints + 1]; // from the contact edge (not yet shifted to the axis)
    double yFt[kProfilePoints + 1];
    PressureZone zones[3];
    int zoneCount = 0;
    double tensionLbPerIn = 0;
    double circumferenceFt = 0;
    double maxHeightFt = 0;
    double crestPressurePsi = 0;
};

enum class PassResult {
    Complete,
    Abandoned, // the pressure vanished before the crest
    Failed, // no equilibrium shape, or a value that is not finite
};

// Integrates the membrane for the tension (lb/in) and base pressure ratio q0.
PassResult runPass(const SolverProblem &problem, double tensionLbPerIn, double q0, Pass &pass);

// Whether passes take their square roots and quotients with the 256-bit vector
// instructions where the processor has them (the default). When not, they take
// the path of a processor without them; the results are the same to the bit.
void allowWideVectors(bool allowed);

// Derives every result quantity from a complete pass.
void writeResults(const SolverProblem &problem, const Pass &pass, SolverOutput &out);

} // namespace vendrix
