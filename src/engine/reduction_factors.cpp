#include "engine/reduction_factors.h"

namespace vendrix {

namespace {

constexpr double kSmallestProduct = 0.0001;

double atLeastSmallest(double product)
{
    return product >= kSmallestProduct ? product : kSmallestProduct;
}

} // namespace

ReductionFactorProducts reductionFactorProducts(const TubeInput &input)
{
    ReductionFactorProducts rf;
    rf.circumferential = atLeastSmallest(input.rfSeamAxial * input.rfCreep * input.rfDurability
                                         * input.rfInstallationDamage);
    rf.axial = atLeastSmallest(input.rfSeamCircumferential * input.rfCreep * input.rfDurability
                               * input.rfInstallationDamage);
    return rf;
}

} // namespace vendrix
