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
    std::optional<Failure> failure; // set: the run was refused, its results are not valid
    long passes = 0; // integration passes of the solver
    int zones = 0; // pressure zones used by the final pass
    // Results are shown, but with the notice that the constraints were not met
    // (or lie beyond the exact method's nine-digit range).
    bool warning = false;

    bool refused() const { return failure.has_value(); }
};

// The refusals of the exact method: a pumping pressure of zero, and a desired
// height below the circle when every zone below it is weightless.
inline constexpr int kZeroPumpingPressure = 305;
inline constexpr int kNeutralTubeHeight = 306;
inline constexpr int kSlurryLighterThanFluid = 307;

// Solves by the given method. A circumference that is not positive (Error
// No.108), a desired height above the ideal diameter (Error No.302) or, for the
// exact method, a pumping pressure of zero (305), a height that only a
// weightless circle could reach (306) or a slurry lighter than the fluid beside
// it (307) is refused and leaves the record unchanged; otherwise writes
// record.solution and sets resultsValid. No rule of the input dialogs is
// checked: sweeps (the filling envelope) and the solver's own checks call it.
RunOutcome solveAnalysis(ProjectRecord &record, SolutionMethod method = kDefaultSolutionMethod);

// "Run Vendrix", for the desktop and the batch alike: the stored inputs must
// pass the input dialogs' rules (values read from a file or stored by a
// sub-dialog may not), then solveAnalysis, and every result must be a finite
// number. The outcome decides the state: on success the results are valid and
// the tube as filled is the shape shown; a refused run keeps the state as it
// was, but a solution that is not a number is never valid.
RunOutcome runAnalysis(ProjectRecord &record, SolutionMethod method = kDefaultSolutionMethod);

} // namespace vendrix
