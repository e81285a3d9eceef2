#pragma once
// Integrals over the solved half outline (profile points one per 0.5 degree
// of tangent angle, from the edge of the base contact to the crest). Between
// two points the outline is the cubic through the four nearest points in the
// tangent angle, continued past both ends by the outline's symmetry, so the
// integrals are accurate to about 1e-9 of their size, where the points'
// polygon would give 1e-5.

#include "model/project_record.h"

#include <functional>

namespace vendrix {

// A point of the half outline and its derivatives along the angle parameter.
struct OutlinePoint
{
    double x = 0; // m from the symmetry axis
    double y = 0; // m above the foundation
    double dx = 0; // m per profile step
    double dy = 0; // m per profile step
};

// Integral over profile steps of f along the part of the half outline below
// `level` (y rising from the base to the crest).
double outlineIntegral(const ProfileArray &x, const ProfileArray &y, double level,
                       const std::function<double(const OutlinePoint &)> &f);

// Area of the whole cross-section below `level` (both halves), m2.
double areaBelow(const ProfileArray &x, const ProfileArray &y, double level);

} // namespace vendrix
