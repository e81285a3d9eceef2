#pragma once
// The exact method: the same model as the classic searches, solved to the
// precision of the arithmetic by closed-form passes and bracketed root finding.

#include "engine/solver.h"

namespace vendrix {

void solveTubeExact(const SolverInput &input, SolverOutput &output);

} // namespace vendrix
