#include "app/dialogs/results/post_processing_hooks.h"

#include "post/consolidation.h"
#include "post/quantities.h"

namespace vendrix {

ConsolidationHooks defaultConsolidationHooks()
{
    ConsolidationHooks hooks;
    hooks.check = checkConsolidationData;
    hooks.computeOption1 = computeConsolidationOption1;
    hooks.computeOption2 = computeConsolidationOption2;
    return hooks;
}

QuantitiesHooks defaultQuantitiesHooks()
{
    QuantitiesHooks hooks;
    hooks.compute
        = [](const ProjectRecord &record, const std::string &costText, double shownTubeLength) {
              const Quantities q = computeQuantities(record, costText, shownTubeLength);
              QuantitiesValues values;
              values.areaPerLength = q.areaPerLength;
              values.totalCost = q.totalCost;
              values.storageCapacity = q.storageCapacity;
              values.volumeAfterConsolidation = q.volumeAfterConsolidation;
              values.consolidationShown = q.consolidationShown;
              return values;
          };
    hooks.checkLength = checkTubeLength;
    hooks.checkValues
        = [](const ProjectRecord &record, const std::string &costText, double shownTubeLength) {
              return checkQuantities(computeQuantities(record, costText, shownTubeLength));
          };
    hooks.writeText = [](const std::string &path, const ProjectRecord &record,
                         const std::string &costText, double shownTubeLength,
                         const std::string &remarks) {
        return !writeQuantitiesFile(path, record,
                                    computeQuantities(record, costText, shownTubeLength), remarks);
    };
    return hooks;
}

} // namespace vendrix
