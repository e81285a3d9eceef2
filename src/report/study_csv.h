#pragma once
// A parametric study as comma-separated text: a header row with the inputs and
// results and their units, then one row per point in the study's order. A
// failed point keeps its inputs and gives its reason in the last column.

#include "model/failure.h"
#include "post/parametric_study.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vendrix {

// A stored SI value in the shortest text that reads back to the same double.
std::string shortestNumber(double value);

// In the display units chosen (SI or English); numbers with '.', LF line ends,
// UTF-8 text.
std::string studyCsvText(const StudyRequest &request, const std::vector<StudyPoint> &points,
                         UnitSystem units);

// The reason when the file could not be written; an existing file is then
// left as it was.
std::optional<Failure> writeStudyCsvFile(const std::string &path, const StudyRequest &request,
                                         const std::vector<StudyPoint> &points, UnitSystem units);

} // namespace vendrix
