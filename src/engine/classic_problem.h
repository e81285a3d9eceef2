#pragma once
// The fixed data of one classic solve: the objective, the circumference and
// the pressure zones in the solver's units (ft, lb/ft3), with the
// simplification of the given-pressure search.

#include "engine/classic_solver.h"
#include "engine/layering_zones.h"

namespace vendrix {

struct SolverProblem
{
    AnalysisType objective = AnalysisType::GivenStrength;
    double circumferenceFt = 0;
    LayeringZones zones; // ft, lb/ft3
};

SolverProblem setUpProblem(const SolverInput &in);

} // namespace vendrix
