#pragma once
// The Run by the classic method: the stored SI inputs converted to the classic
// solver's units with its simplifications, solved, and the results stored back in SI.

#include "engine/analysis_run.h"
#include "engine/classic_solver.h"

namespace vendrix {

// Builds the classic method's input from the stored inputs (every conversion
// constant of the run, the 0.0001 floor of the reduction-factor products, the
// 0.045 guard).
SolverInput buildSolverInput(const TubeInput &input);

// Solves the record's input and writes record.solution; never refuses.
void runClassic(ProjectRecord &record, RunOutcome &outcome);

} // namespace vendrix
