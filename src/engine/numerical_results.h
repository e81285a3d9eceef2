#pragma once
// The eighteen text lines of the numerical results summary, in the display
// units of the record's settings (Windows-1252 bytes).

#include "model/project_record.h"

#include <array>
#include <string>

namespace vendrix {

inline constexpr int kNumericalResultsLines = 18;

// Line n of the summary is element n - 1; lines that stay empty for the
// current objective, layer count or shape are empty strings.
std::array<std::string, kNumericalResultsLines> numericalResultsLines(const ProjectRecord &record);

// One line that qualifies the results, shown under them in the numerical
// results, the results text file and the printed report: the solution method
// when it is the exact one, and a notice when the run did not meet its
// objective, with the cause when the exact method knows it. Empty for a classic run that converged,
// whose texts stay as they always were.
std::string solutionNoticeLine(const TubeSolution &solution);

// Why an exact result lies outside its nine-digit range: "too close to a round
// tube", "too flat", or empty.
const char *accuracyLimitText(AccuracyLimit limit);

// The notice of the cross-section display (and the batch summary) when the
// constraints were not met, and the one of the printed cross-section page.
inline constexpr std::array<const char *, 3> kDisplayedNonConvergenceNotice
    = {"Vendrix encounters numerical difficulties in converging to the",
       "prescribed  constrains.  Either increase the  prescribed height",
       "or decrease the prescribed  circumference to obtain a solution."};
inline constexpr std::array<const char *, 3> kPrintedNonConvergenceNotice
    = {"Vendrix encountered numerical difficulties in converging to the",
       "prescribed  constraints.  Consequently, the results may not", "correspond to input data."};

} // namespace vendrix
