#pragma once
// Products of the reduction factors as the run and every reader of the results
// use them. The circumferential product takes the seam factor entered for the
// axial direction and the axial product the circumferential one.

#include "model/project_record.h"

namespace vendrix {

struct ReductionFactorProducts
{
    double circumferential = 1; // RFss axial × RFc × RFd × RFid, at least 0.0001
    double axial = 1; // RFss circumferential × RFc × RFd × RFid, at least 0.0001
};

// Each product is raised to 0.0001 when smaller (or not a number).
ReductionFactorProducts reductionFactorProducts(const TubeInput &input);

// The run and the results treat a stored flag of exactly 1 as two layers.
inline bool hasTwoSlurryLayers(const TubeInput &input)
{
    return input.twoSlurryLayers;
}

} // namespace vendrix
