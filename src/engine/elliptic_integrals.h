#pragma once
// Carlson's symmetric elliptic integrals, from which the arc length and the
// horizontal extent of a membrane piece follow in closed form.

namespace vendrix {

// R_F(x, y, z) for x, y, z >= 0 with at most one of them 0.
double carlsonRF(double x, double y, double z);

// R_D(x, y, z) for x, y >= 0 (not both 0) and z > 0.
double carlsonRD(double x, double y, double z);

} // namespace vendrix
