#pragma once
// The parametric study's chart and printable page written to files without
// any window (batch mode and the desktop program alike).

#include "model/failure.h"
#include "post/parametric_study.h"

#include <optional>
#include <string>
#include <vector>

namespace vendrix {

// The two results charted unless chosen otherwise: what the objective leaves
// free to change, on the left and right axes.
std::vector<StudyValue> defaultStudyChartValues(AnalysisType objective);

// The chart as .png, .bmp or .svg of width × height pixels, or the printable
// page as .pdf (A4). Matches BatchHooks::writeStudyChart.
std::optional<Failure> writeStudyFile(const ProjectRecord &project, const StudyRequest &request,
                                      const std::vector<StudyPoint> &points,
                                      const std::string &path, int width, int height);

} // namespace vendrix
