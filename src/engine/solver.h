#pragma once
// The classic method: equilibrium shape of a geosynthetic tube on a rigid
// foundation by the fixed-step searches of the earlier program, with its
// simplifications. Internal units: feet, pounds, lb/ft3, psi at the
// interfaces, tension in lb/in.

#include "model/project_record.h"

#include <array>

namespace vendrix {

struct SolverInput
{
    AnalysisType analysisType = AnalysisType::GivenStrength;
    double circumference = 0; // ft
    double slurrySpecificGravityLower = 0;
    double slurrySpecificGravityUpper = 0;
    double fluidSpecificGravityLower = 0;
    double fluidSpecificGravityUpper = 0;
    double slurryHeightLower = 0; // ft
    double fluidHeightLower = 0; // ft
    double workingTension = 0; // lb/in; given strength
    double desiredMaxHeight = 0; // ft; given height
    double inletPressure = 0; // psi; given pressure
    double transportUnitWeight = 0; // lb/ft3
};

struct SolverOutput
{
    int zones = 0; // number of pressure zones used
    std::array<double, kProfilePoints> profileX {}; // ft
    std::array<double, kProfilePoints> profileY {}; // ft
    double computedCircumference = 0; // ft
    double crestPressure = 0; // psi
    double totalArea = 0; // ft2
    double workingTension = 0; // lb/in
    double axialForce = 0; // lb
    bool convergenceWarning = false;
    double maxHeight = 0; // ft
    double maxWidth = 0; // ft
    double heightAtMaxWidth = 0; // ft
    double baseWidth = 0; // ft
    double areaLowerSlurry = 0; // ft2
    double areaUpperSlurry = 0; // ft2
    long passes = 0; // integration passes run (complete or abandoned)
};

// Solves for the shape that meets the objective of input.analysisType by the
// classic searches. Never allocates, always terminates, and never returns a NaN or
// an infinity; a result that does not meet the objective carries
// convergenceWarning set.
void solveTube(const SolverInput &input, SolverOutput &output);

// Starting tension and its step (lb/in) of the given-pressure search, chosen
// by the circumference (ft) and the target inlet pressure (psi).
struct TensionStart
{
    double tension = 0;
    double step = 0;
};
TensionStart givenPressureStartingTension(double circumference, double inletPressure);

} // namespace vendrix
