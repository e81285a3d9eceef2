#pragma once
// Whether a run's solution can be shown: every result and profile point must be
// a finite number, since no output may print nan or inf where a number belongs.

#include "model/failure.h"
#include "model/project_record.h"

#include <optional>

namespace vendrix {

inline constexpr const char *kNoFiniteSolution
    = "The tube cannot be computed for these data: a result would not be a finite number.";

// A failure (no error number, no focus) when any value of `solution` is NaN or
// infinite.
std::optional<Failure> checkSolutionResult(const TubeSolution &solution);

} // namespace vendrix
