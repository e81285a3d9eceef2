#pragma once
// The tube of the exact method for a tension T and a crest pressure pc, in SI
// (m, kN/m, kPa, kN/m3), with the layering as entered.
//
// The net pressure rises linearly from the crest down within each zone, and
// vertical equilibrium of the membrane gives T (1 - cos theta(y)) = integral
// of p from the base to y. So pc and T fix the height H (where that integral
// reaches 2T), the pressure and the angle at every interface, and both
// cos^2(theta/2) (summed from the crest down) and sin^2(theta/2) (from the
// base up) without cancellation. Within a zone arc length and horizontal
// extent are elliptic integrals in Carlson's form; the zone that holds the
// crest is integrated from the crest, where its pressure may be smaller than
// the base pressure by hundreds of orders of magnitude.

#include "engine/layering_zones.h"

namespace vendrix {

// What the zones below a height H add up to.
struct ZoneLoads
{
    double pressureRise = 0; // kPa, net pressure gained from H down to the base
    double weightMoment = 0; // kN/m, integral of y times the net unit weight over [0, H]
};

ZoneLoads zoneLoads(const LayeringZones &zones, double height);

// One stretch of membrane within one zone, from its lower end a to its upper
// end b (the crest for the last one).
struct ExactPiece
{
    double netUnitWeight = 0; // kN/m3
    double heightA = 0, heightB = 0; // m
    double pressureA = 0, pressureB = 0; // kPa
    double sinSquaredA = 0, cosSquaredA = 1; // sin^2, cos^2 of theta/2 at a
    double sinSquaredB = 0, cosSquaredB = 1; // at b
    double arc = 0; // m
    double horizontal = 0; // m, x(b) - x(a)
    double plainA = 0, momentA = 0; // integrals of 1/p and sin^2(theta/2)/p from the base to a
    double xA = 0; // m from the symmetry axis
    bool reachesCrest = false;
};

struct ExactShape
{
    double tension = 0; // kN/m
    double crestPressure = 0; // kPa
    double basePressure = 0; // kPa
    double height = 0; // m
    double circumference = 0; // m
    double baseWidth = 0; // m
    ExactPiece pieces[3];
    int pieceCount = 0;
};

// The shape for tension T > 0 and crest pressure pc > 0; false when the
// arithmetic cannot represent it (then nothing in `shape` is meaningful).
bool exactShape(const LayeringZones &zones, double tension, double crestPressure,
                ExactShape &shape);

// Circumference minus pi times the height (m), summed without the cancellation
// of the two nearly equal terms of a nearly round tube.
double roundnessExcess(const ExactShape &shape);

// The results of a shape in SI: profile, areas, widths and the axial force.
struct ExactResults
{
    ProfileArray profileX {}; // m from the axis; point 0 = contact edge, 360 = crest
    ProfileArray profileY {}; // m
    double totalArea = 0; // m2
    double areaUpperSlurry = 0; // m2
    double maxWidth = 0; // m
    double heightAtMaxWidth = 0; // m
    double axialForce = 0; // kN, resultant of the net pressure on the cross-section
};

void exactResults(const LayeringZones &zones, const ExactShape &shape, ExactResults &results);

} // namespace vendrix
