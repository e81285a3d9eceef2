#pragma once
// Dialog defaults that are not a field's own: the field table holds every
// field's "&Default" values (dialogDefaultValue).

namespace vendrix {

// Consolidation dialog default of the consolidated unit weight: the whole part of
// the lower slurry unit weight as shown plus 0.1005 (12.0 gives 12, 11.95 gives 12).
double defaultConsolidatedUnitWeight(double shownSlurryUnitWeightLower);

} // namespace vendrix
