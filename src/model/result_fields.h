#pragma once
// The results of a run and of a consolidation, each under one name: the key of
// `vendrix run --json` and the row name of the workbook, with the quantity that
// converts the stored SI value for display.

#include "model/field_table.h"
#include "model/project_record.h"

#include <span>

namespace vendrix {

template<typename Result> struct ResultField
{
    const char *name;
    Quantity quantity;
    double Result::*number; // null for an on/off result
    bool Result::*flag = nullptr;
};

// In the order the JSON object and the workbook list them.
std::span<const ResultField<TubeSolution>> solutionResultFields();
std::span<const ResultField<ConsolidationResult>> consolidationResultFields();

} // namespace vendrix
