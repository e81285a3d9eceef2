#pragma once
// Estimates of the tube's shape after the fill has consolidated: Option 1
// (vertical settlement of every slice) and Option 2 (a rectangle as wide as the
// tube), and the checks of the consolidation data.

#include "model/failure.h"
#include "model/project_record.h"

#include <optional>

namespace vendrix {

struct ConsolidationRatios
{
    double initialWaterContent = 0; // w0
    double finalWaterContent = 0; // wf
    double settlementRatio = 0; // r: relative loss of height of a slice
};

// From the stored Gs, consolidated and slurry unit weights and the unit weight
// of the transporting medium.
ConsolidationRatios consolidationRatios(const TubeInput &input);

// Errors 401 (consolidated unit weight below the slurry's, compared in SI) and
// 402 (Gs below 1.0), in that order, for the values as shown in the dialog;
// then the unit weight of the transporting medium, a divisor of the ratios.
std::optional<Failure> checkConsolidationData(const ProjectRecord &record,
                                              double specificGravitySolids,
                                              double shownConsolidatedUnitWeight);

inline constexpr const char *kNoFiniteConsolidation
    = "The consolidated shape cannot be computed for these data: a value would not be a "
      "finite number.";

// A failure (no error number) when a computed area, height or shape point is not
// a finite number; such a shape is never shown.
std::optional<Failure> checkConsolidationResult(const ConsolidationResult &result);

// Writes every field of record.consolidation from the as-filled solution.
void computeConsolidationOption1(ProjectRecord &record);
// Writes consolidatedArea and finalHeight; the Option 1 arrays stay as they are.
void computeConsolidationOption2(ProjectRecord &record);

} // namespace vendrix
