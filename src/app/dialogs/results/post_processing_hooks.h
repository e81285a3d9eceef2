#pragma once
// The consolidation and quantities computations that the consolidation data and
// quantities dialogs call. They live in the post-processing library; the dialogs
// reach them through these hooks so that the window code holds no copy of a
// rule or a formula. A hook left empty makes its command unavailable.

#include "model/failure.h"
#include "model/project_record.h"

#include <functional>
#include <optional>
#include <string>

namespace vendrix {

struct ConsolidationHooks
{
    // Errors 401 and 402 for the typed values: Gs and the consolidated unit
    // weight as shown (display units).
    std::function<std::optional<Failure>(const ProjectRecord &record, double gs,
                                         double shownConsolidatedUnitWeight)>
        check;
    // Compute from the stored inputs into record.consolidation.
    std::function<void(ProjectRecord &record)> computeOption1;
    std::function<void(ProjectRecord &record)> computeOption2;
};

// What the quantities dialog shows, in display units.
struct QuantitiesValues
{
    double areaPerLength = 0; // Q1, m2/m or ft2/ft
    double totalCost = 0;
    double storageCapacity = 0; // m3 or ft3
    double volumeAfterConsolidation = 0; // m3 or ft3
    bool consolidationShown = false; // the volume line is shown
};

struct QuantitiesHooks
{
    // The values for the typed cost text and tube length (display units).
    std::function<QuantitiesValues(const ProjectRecord &record, const std::string &costText,
                                   double shownTubeLength)>
        compute;
    // Error 501 for the typed tube length.
    std::function<std::optional<Failure>(double shownTubeLength)> checkLength;
    // Refuses a cost and length whose quantities would not be finite numbers.
    std::function<std::optional<Failure>(const ProjectRecord &record, const std::string &costText,
                                         double shownTubeLength)>
        checkValues;
    // Writes the quantities text file; false when it could not be written.
    std::function<bool(const std::string &path, const ProjectRecord &record,
                       const std::string &costText, double shownTubeLength,
                       const std::string &remarks)>
        writeText;
};

// The hooks wired to the post-processing library.
ConsolidationHooks defaultConsolidationHooks();
QuantitiesHooks defaultQuantitiesHooks();

} // namespace vendrix
