#pragma once
// The Run by the exact method: the stored SI inputs as entered, solved, and the
// results stored; refuses the inputs for which no tube has the asked shape.

#include "engine/analysis_run.h"

namespace vendrix {

// Solves the record's input and writes record.solution, or returns the
// refusal (Error No.305, 306 or 307) and leaves the solution unchanged.
std::optional<Failure> runExact(ProjectRecord &record, RunOutcome &outcome);

} // namespace vendrix
