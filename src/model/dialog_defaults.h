#pragma once
// Values that each input dialog's "&Default" button puts into its own fields,
// in the unit system the dialog shows. The project record changes only on OK.

#include "model/input_rules.h"
#include "model/units.h"

namespace vendrix {

struct DialogDefaults
{
    SlurryShownValues slurry;
    double transportUnitWeight;
    ReductionFactorValues reductionFactors;
    // Default fills in only the value of the objective chosen, never the choice.
    AnalysisShownValues objectives;
    double specificGravitySolids;
};

inline constexpr DialogDefaults kSiDialogDefaults {
    .slurry = {10.0, 1, 12.0, 11.0, 9.81, 0.0, 1.0, 2.0},
    .transportUnitWeight = 9.81,
    .reductionFactors = {1.3, 1.0, 1.5, 2.0, 2.0},
    .objectives = {AnalysisType::GivenStrength, 100.0, 2.5, 20.0},
    .specificGravitySolids = 2.7,
};

inline constexpr DialogDefaults kEnglishDialogDefaults {
    .slurry = {30.0, 1, 75.0, 70.0, kWaterUnitWeightPcf, 0.0, 3.0, 5.0},
    .transportUnitWeight = kWaterUnitWeightPcf,
    .reductionFactors = {1.3, 1.0, 1.5, 2.0, 2.0},
    .objectives = {AnalysisType::GivenStrength, 6800.0, 8.0, 3.0},
    .specificGravitySolids = 2.7,
};

inline const DialogDefaults &dialogDefaults(UnitSystem units)
{
    return units == UnitSystem::English ? kEnglishDialogDefaults : kSiDialogDefaults;
}

// Consolidation dialog default of the consolidated unit weight: the whole part of
// the lower slurry unit weight as shown plus 0.1005 (12.0 gives 12, 11.95 gives 12).
double defaultConsolidatedUnitWeight(double shownSlurryUnitWeightLower);

} // namespace vendrix
