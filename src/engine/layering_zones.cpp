#include "engine/layering_zones.h"

#include <algorithm>
#include <limits>

namespace vendrix {

LayeringZones layeringZones(const Layering &l)
{
    LayeringZones z;
    z.slurryInterface = l.slurryInterface;
    z.slurryInterfaceFirst = l.slurryInterface <= l.fluidInterface;
    z.boundary[0] = std::min(l.slurryInterface, l.fluidInterface);
    z.boundary[1] = std::max(l.slurryInterface, l.fluidInterface);
    // Between the interfaces the slurry has changed and the fluid not yet, or
    // the other way round.
    const bool slurryFirst = z.slurryInterfaceFirst;
    const double inside[3]
        = {l.slurryLower, slurryFirst ? l.slurryUpper : l.slurryLower, l.slurryUpper};
    const double outside[3]
        = {l.fluidLower, slurryFirst ? l.fluidLower : l.fluidUpper, l.fluidUpper};
    for (int k = 0; k < 3; ++k)
        z.netUnitWeight[k] = inside[k] - outside[k];
    return z;
}

Layering enteredLayering(const TubeInput &input)
{
    const bool twoLayers = input.twoSlurryLayers;
    Layering l;
    l.slurryInterface
        = twoLayers ? input.slurryHeightLower : std::numeric_limits<double>::infinity();
    l.fluidInterface = input.fluidHeightLower;
    l.slurryLower = input.slurryUnitWeightLower;
    l.slurryUpper = twoLayers ? input.slurryUnitWeightUpper : input.slurryUnitWeightLower;
    l.fluidLower = input.fluidUnitWeightLower;
    l.fluidUpper = input.fluidUnitWeightUpper;
    return l;
}

} // namespace vendrix
