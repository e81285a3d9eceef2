#pragma once
// The "Run Vendrix" command without its window: checks the desired height,
// prepares the solver input from the stored SI values, solves and stores the
// results in SI.

#include "engine/solver.h"
#include "model/failure.h"
#include "model/project_record.h"

#include <optional>

namespace vendrix {

struct RunOutcome
{
    std::optional<Failure> failure; // set: the run was refused and nothing was computed
    long passes = 0; // integration passes of the solver
    int zones = 0; // pressure zones used by the final pass

    bool refused() const { return failure.has_value(); }
};

// Builds the solver input from the stored inputs (every conversion constant of
// the run, the 0.0001 floor of the reduction-factor products, the 0.045 guard).
SolverInput buildSolverInput(const TubeInput &input);

// Runs the analysis by the given method. A circumference that is not positive
// (Error No.108) or a desired height above the ideal diameter (Error No.302)
// is refused and leaves the record unchanged; otherwise writes
// record.solution and sets record.state.resultsValid = 1.
RunOutcome runAnalysis(ProjectRecord &record, SolutionMethod method = kDefaultSolutionMethod);

} // namespace vendrix
