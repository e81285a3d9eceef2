#pragma once
// Carlson's symmetric elliptic integrals, from which the arc length and the
// horizontal extent of a membrane piece follow in closed form.

namespace vendrix {

struct CarlsonIntegrals
{
    double rf = 0; // R_F(x, y, z)
    double rd = 0; // R_D(x, y, z)
};

// R_F and R_D of the same arguments, which share their duplication steps
// (B. C. Carlson, "Numerical computation of real or complex elliptic
// integrals", Numerical Algorithms 10, 1995). x, y >= 0, not both 0; z > 0.
CarlsonIntegrals carlsonRFRD(double x, double y, double z);

} // namespace vendrix
