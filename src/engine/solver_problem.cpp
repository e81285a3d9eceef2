#include "engine/solver_problem.h"

#include <algorithm>

namespace vendrix {

namespace {

// pi in single precision: the one-layer height of the given-pressure search.
constexpr double kSinglePrecisionPi = 3.1415927410125732;
constexpr double kInterfaceSentinel = 1e10; // ft, above any crest

} // namespace

SolverProblem setUpProblem(const SolverInput &in)
{
    SolverProblem p;
    p.objective = in.analysisType;
    p.circumference = in.circumference;
    const double gw = in.transportUnitWeight;
    const double slurryLower = in.slurrySpecificGravityLower * gw;
    double slurryUpper = in.slurrySpecificGravityUpper * gw;
    const double fluidLower = in.fluidSpecificGravityLower * gw;
    double fluidUpper = in.fluidSpecificGravityUpper * gw;
    double slurryHeight = in.slurryHeightLower;
    const double fluidHeight = in.fluidHeightLower;
    if (p.objective == AnalysisType::GivenPressure) {
        // The given-pressure search works with one slurry and one outside fluid.
        slurryHeight = 1000 * in.circumference / kSinglePrecisionPi;
        slurryUpper = slurryLower;
        fluidUpper = fluidLower;
    }
    p.slurryInterfaceFirst = slurryHeight <= fluidHeight;
    p.interfaceHeight[0] = std::min(slurryHeight, fluidHeight);
    p.interfaceHeight[1] = std::max(slurryHeight, fluidHeight);
    p.interfaceHeight[2] = kInterfaceSentinel;
    p.insideUnitWeight[0] = slurryLower;
    p.outsideUnitWeight[0] = fluidLower;
    if (p.slurryInterfaceFirst) {
        p.insideUnitWeight[1] = slurryUpper;
        p.outsideUnitWeight[1] = fluidLower;
    } else {
        p.insideUnitWeight[1] = slurryLower;
        p.outsideUnitWeight[1] = fluidUpper;
    }
    p.insideUnitWeight[2] = slurryUpper;
    p.outsideUnitWeight[2] = fluidUpper;
    return p;
}

} // namespace vendrix
