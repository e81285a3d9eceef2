#include "model/result_fields.h"

namespace vendrix {

namespace {

using Q = Quantity;
using S = TubeSolution;

const ResultField<TubeSolution> kSolutionFields[] = {
    {"computedCircumference", Q::Length, &S::computedCircumference},
    {"inletPressure", Q::Pressure, &S::inletPressure},
    {"totalArea", Q::Area, &S::totalArea},
    {"ultimateStrengthCircumferential", Q::ForcePerLength, &S::ultimateStrengthCircumferential},
    {"ultimateStrengthAxial", Q::ForcePerLength, &S::ultimateStrengthAxial},
    {"convergenceWarning", Q::None, nullptr, &S::convergenceWarning},
    {"maxHeight", Q::Length, &S::maxHeight},
    {"maxWidth", Q::Length, &S::maxWidth},
    {"heightAtMaxWidth", Q::Length, &S::heightAtMaxWidth},
    {"baseWidth", Q::Length, &S::baseWidth},
    {"areaLowerSlurry", Q::Area, &S::areaLowerSlurry},
    {"areaUpperSlurry", Q::Area, &S::areaUpperSlurry},
};

const ResultField<ConsolidationResult> kConsolidationFields[] = {
    {"consolidatedArea", Q::Area, &ConsolidationResult::consolidatedArea},
    {"finalHeight", Q::Length, &ConsolidationResult::finalHeight},
};

} // namespace

std::span<const ResultField<TubeSolution>> solutionResultFields()
{
    return kSolutionFields;
}

std::span<const ResultField<ConsolidationResult>> consolidationResultFields()
{
    return kConsolidationFields;
}

} // namespace vendrix
