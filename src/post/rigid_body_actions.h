#pragma once
// The tube as a rigid body on its foundation, per metre of tube, with water
// to h1 on the loaded side (x < 0) and to h2 <= h1 on the protected side,
// acting on the solved outline (the shape is not solved again for the
// difference of the levels).
//
// The water is split into the hydrostatic field of the lower level h2 all
// round, which with the fill gives the submerged weight W' on the centre
// line, and the excess actions of the higher level: the pressure
// gw [(h1 - y)+ - (h2 - y)+] on the loaded half of the outline and the
// uplift under the base strip, linear from gw (h1 - h2) at the loaded edge to
// 0 at the protected edge. Moments are taken about the protected edge of the
// base strip, component by component.

#include "model/project_record.h"

namespace vendrix {

struct RigidBodyLoads
{
    double fillWeight = 0; // kN/m, W
    double waterUnitWeight = 0; // kN/m3, gw
    double loadedLevel = 0; // m, h1 (at most the tube's height)
    double protectedLevel = 0; // m, h2 <= h1
};

struct RigidBodyActions
{
    double submergedWeight = 0; // kN/m, W' = W - gw (area below h2)
    double horizontalThrust = 0; // kN/m, gw (h1^2 - h2^2) / 2 towards the protected side
    double outlineUplift = 0; // kN/m, upward resultant of the excess pressure on the outline
    double baseUplift = 0; // kN/m, gw (h1 - h2) b / 2
    double normalForce = 0; // kN/m, N = W' - outlineUplift - baseUplift
    double resistingMoment = 0; // kNm/m, about the protected base edge
    double overturningMoment = 0; // kNm/m
    double eccentricity = 0; // m, b/2 - (resisting - overturning) / N, + towards the protected side
};

RigidBodyActions rigidBodyActions(const TubeSolution &solution, const RigidBodyLoads &loads);

} // namespace vendrix
