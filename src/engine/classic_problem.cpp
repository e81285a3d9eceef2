#include "engine/classic_problem.h"

#include "model/unit_constants.h"

namespace vendrix {

SolverProblem setUpProblem(const SolverInput &in)
{
    SolverProblem p;
    p.objective = in.analysisType;
    p.circumferenceFt = in.circumferenceFt;
    const double gw = in.transportUnitWeightPcf;
    Layering l;
    l.slurryLower = in.slurrySpecificGravityLower * gw;
    l.slurryUpper = in.slurrySpecificGravityUpper * gw;
    l.fluidLower = in.fluidSpecificGravityLower * gw;
    l.fluidUpper = in.fluidSpecificGravityUpper * gw;
    l.slurryInterface = in.slurryHeightLowerFt;
    l.fluidInterface = in.fluidHeightLowerFt;
    if (p.objective == AnalysisType::GivenPressure) {
        // The given-pressure search works with one slurry and one outside fluid.
        l.slurryInterface = 1000 * in.circumferenceFt / kPiAsFloat;
        l.slurryUpper = l.slurryLower;
        l.fluidUpper = l.fluidLower;
    }
    p.zones = layeringZones(l);
    return p;
}

} // namespace vendrix
