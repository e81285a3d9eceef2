#include "post/rigid_body_actions.h"

#include "post/outline_integrals.h"

#include <algorithm>

namespace vendrix {

namespace {

// Upward force and its overturning moment about the protected base edge of
// the excess pressure on the loaded half of the outline. That half is the
// profile mirrored (X = -x): the lever of an upward force is b/2 + x, and
// where the membrane faces down (x growing) the water lifts it.
void outlineVerticalActions(const TubeSolution &s, const RigidBodyLoads &loads, double &uplift,
                            double &moment)
{
    const double halfBase = s.baseWidth / 2;
    // The excess is gw (h1 - y) below h1 less gw (h2 - y) below h2.
    const auto part = [&](double level, double &force, double &lever) {
        force = outlineIntegral(s.profileX, s.profileY, level,
                                [&](const OutlinePoint &p) { return (level - p.y) * p.dx; });
        lever = outlineIntegral(s.profileX, s.profileY, level, [&](const OutlinePoint &p) {
            return (level - p.y) * (halfBase + p.x) * p.dx;
        });
    };
    double upperForce = 0, upperMoment = 0, lowerForce = 0, lowerMoment = 0;
    part(loads.loadedLevel, upperForce, upperMoment);
    part(loads.protectedLevel, lowerForce, lowerMoment);
    uplift = loads.waterUnitWeight * (upperForce - lowerForce);
    moment = loads.waterUnitWeight * (upperMoment - lowerMoment);
}

} // namespace

RigidBodyActions rigidBodyActions(const TubeSolution &s, const RigidBodyLoads &loads)
{
    const double gw = loads.waterUnitWeight;
    const double h1 = loads.loadedLevel, h2 = loads.protectedLevel;
    const double b = s.baseWidth;
    RigidBodyActions a;
    const double submergedArea
        = h2 >= s.maxHeight ? s.totalArea : areaBelow(s.profileX, s.profileY, h2);
    a.submergedWeight = loads.fillWeight - gw * submergedArea;
    // The outline rises from the base to the crest, so the horizontal excess
    // is that on a vertical wall, at the lever y.
    a.horizontalThrust = gw * (h1 * h1 - h2 * h2) / 2;
    const double thrustMoment = gw * (h1 * h1 * h1 - h2 * h2 * h2) / 6;
    double outlineMoment = 0;
    outlineVerticalActions(s, loads, a.outlineUplift, outlineMoment);
    // The triangle's resultant lies b/3 from the loaded edge: lever 2b/3.
    a.baseUplift = gw * (h1 - h2) * b / 2;
    const double baseMoment = a.baseUplift * 2 * b / 3;
    a.normalForce = a.submergedWeight - a.outlineUplift - a.baseUplift;
    a.resistingMoment = a.submergedWeight * b / 2 + std::max(-outlineMoment, 0.0);
    a.overturningMoment = thrustMoment + baseMoment + std::max(outlineMoment, 0.0);
    a.eccentricity = b / 2 - (a.resistingMoment - a.overturningMoment) / a.normalForce;
    return a;
}

} // namespace vendrix
