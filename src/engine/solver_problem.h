#pragma once
// The fixed data of one solve, shared by both solution methods: unit weights
// per pressure zone and the interface heights, in the solver's units.

#include "engine/solver.h"

namespace vendrix {

struct SolverProblem
{
    AnalysisType objective = AnalysisType::GivenStrength;
    double circumference = 0; // ft
    double insideUnitWeight[3] {}; // lb/ft3, per zone from the base up
    double outsideUnitWeight[3] {};
    double interfaceHeight[3] {}; // ft: Z1 <= Z2, Z3 a sentinel above any crest
    bool slurryInterfaceFirst = true; // slurry interface not above the fluid interface
    bool wideVectors = false; // 256-bit vector instructions available (classic passes)
};

SolverProblem setUpProblem(const SolverInput &in);

} // namespace vendrix
