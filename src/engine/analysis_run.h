#pragma once
// The "Run Vendrix" command without its window: checks the circumference and
// the desired height, then solves by the chosen method (classic_run, exact_run)
// and stores the results in SI.

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

// The refusals of the exact method: a pumping pressure of zero, and a desired
// height below the circle when every zone below it is weightless.
inline constexpr int kZeroPumpingPressure = 305;
inline constexpr int kNeutralTubeHeight = 306;
inline constexpr int kSlurryLighterThanFluid = 307;

// Runs the analysis by the given method. A circumference that is not positive
// (Error No.108), a desired height above the ideal diameter (Error No.302) or,
// for the exact method, a pumping pressure of zero (305), a height that only
// a weightless circle could reach (306) or a slurry lighter than the fluid
// beside it (307) is refused and leaves the record
// unchanged; otherwise writes record.solution and sets resultsValid.
RunOutcome runAnalysis(ProjectRecord &record, SolutionMethod method = kDefaultSolutionMethod);

} // namespace vendrix
