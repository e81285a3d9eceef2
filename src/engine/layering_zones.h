#pragma once
// The layering of a tube as pressure zones, one model for both solution
// methods. The slurry interface (lower to upper slurry inside) and the fluid
// interface (lower to upper fluid outside) cut the height into three zones in
// each of which the inside and outside unit weights are constant, so that the
// net pressure is linear in height. The units are the method's: SI for the
// exact method, feet and lb/ft3 for the classic one.

#include "model/project_record.h"

namespace vendrix {

// The two slurries inside, the two fluids outside and where each changes.
struct Layering
{
    double slurryInterface = 0; // height
    double fluidInterface = 0; // height
    double slurryLower = 0, slurryUpper = 0; // unit weights
    double fluidLower = 0, fluidUpper = 0; // unit weights
};

// Zone k lies between boundary[k - 1] (the base for k = 0) and boundary[k]
// (no upper end for k = 2).
struct LayeringZones
{
    double boundary[2] {}; // heights, boundary[0] <= boundary[1]
    double netUnitWeight[3] {}; // inside minus outside
    double slurryInterface = 0; // height
    bool slurryInterfaceFirst = true; // the slurry interface not above the fluid interface

    // The zone that holds height y.
    int zoneAt(double y) const { return (y >= boundary[0] ? 1 : 0) + (y >= boundary[1] ? 1 : 0); }
};

LayeringZones layeringZones(const Layering &layering);

// The layering as entered, in SI (m, kN/m3). With one slurry layer the lower
// slurry fills the tube and its interface lies above any crest.
Layering enteredLayering(const TubeInput &input);

} // namespace vendrix
