#pragma once
// The tube of the exact method that holds a given fill area within a given
// circumference: the tension is searched so that the tube of that tension and
// circumference (the given-strength solve) holds the area.

#include "engine/exact_solver.h"

namespace vendrix {

struct GivenAreaRequest
{
    double circumference = 0; // m
    double area = 0; // m2, below that of the circle of the circumference
    double tensionGuess = 0; // kN/m, where the search starts; 0: the circle's tension
};

// Solves the request; false when no tube of the circumference holds the area
// (then `solution` holds the closest tube found, if any). The area grows with
// the tension at a fixed circumference, towards that of the circle.
bool solveTubeForArea(const LayeringZones &zones, const GivenAreaRequest &request,
                      ExactSolution &solution);

} // namespace vendrix
