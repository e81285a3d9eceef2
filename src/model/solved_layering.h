#pragma once
// Which layering a solution stands for, so that drawings and texts show what
// was solved rather than what was entered.

#include "model/project_record.h"

namespace vendrix {

// The classic given-pressure search replaces the entered layering by one
// slurry (the lower) and the lower outside fluid over the whole tube; every
// other objective and the exact method solve the layers as entered.
inline bool simplifiedLayering(AnalysisType objective, SolutionMethod method)
{
    return objective == AnalysisType::GivenPressure && method == SolutionMethod::Classic;
}

// For the solution held in the record, by the method that solved it.
inline bool simplifiedLayering(const ProjectRecord &record)
{
    return simplifiedLayering(record.input.analysisType, record.solution.method);
}

} // namespace vendrix
