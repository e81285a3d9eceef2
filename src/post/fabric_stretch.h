#pragma once
// The fabric stretches under its working tension while the fill already
// pumped stays: the tube of circumference C (1 + e) that holds the fill area
// of the inextensible tube, with e = T / J and T that tube's own tension,
// found by bracketed root finding on the circumference.

#include "model/project_record.h"

namespace vendrix {

// Why the stretch steps ended.
enum class StretchEnd {
    Converged, // the circumference settled within 1e-12 of itself
    StepLimit, // 50 tubes solved without settling: the closest one is reported
    StrainLimit, // the strain would exceed 0.5: the tube at 0.5 is reported
    NoTube, // no tube of a stretched circumference holds the fill
};

struct FabricStretch
{
    double strain = 0; // T / J
    double circumference = 0; // m, C (1 + strain)
    double height = 0; // m
    double width = 0; // m
    double tension = 0; // kN/m, working tension of the stretched tube
    double area = 0; // m2, held by the stretched tube
    // Stretched minus inextensible tube (m, m, m, kN/m).
    double circumferenceChange = 0, heightChange = 0, widthChange = 0, tensionChange = 0;
    int steps = 0; // tubes solved
    StretchEnd end = StretchEnd::Converged;
};

// The stretched tube of the exact solution `solved` of `input`, for the
// stiffness J > 0 (kN/m).
FabricStretch stretchFabric(const TubeInput &input, const TubeSolution &solved, double stiffness);

} // namespace vendrix
