#pragma once
// The classic method: equilibrium shape of a geosynthetic tube on a rigid
// foundation by the fixed-step searches of the earlier program, with its
// simplifications. Its units: feet, pounds, lb/ft3, psi at the interfaces,
// tension in lb/in.

#include "model/project_record.h"

#include <array>

namespace vendrix {

struct SolverInput
{
    AnalysisType analysisType = AnalysisType::GivenStrength;
    double circumferenceFt = 0;
    double slurrySpecificGravityLower = 0;
    double slurrySpecificGravityUpper = 0;
    double fluidSpecificGravityLower = 0;
    double fluidSpecificGravityUpper = 0;
    double slurryHeightLowerFt = 0;
    double fluidHeightLowerFt = 0;
    double workingTensionLbPerIn = 0; // given strength
    double desiredMaxHeightFt = 0; // given height
    double inletPressurePsi = 0; // given pressure
    double transportUnitWeightPcf = 0;
};

struct SolverOutput
{
    int zones = 0; // number of pressure zones used
    std::array<double, kProfilePoints> profileXFt {};
    std::array<double, kProfilePoints> profileYFt {};
    double computedCircumferenceFt = 0;
    double crestPressurePsi = 0;
    double totalAreaFt2 = 0;
    double workingTensionLbPerIn = 0;
    double axialForceLb = 0;
    bool convergenceWarning = false;
    double maxHeightFt = 0;
    double maxWidthFt = 0;
    double heightAtMaxWidthFt = 0;
    double baseWidthFt = 0;
    double areaLowerSlurryFt2 = 0;
    double areaUpperSlurryFt2 = 0;
    long passes = 0; // integration passes run (complete or abandoned)
};

// Solves for the shape that meets the objective of input.analysisType by the
// classic searches. Never allocates, always terminates, and never returns a NaN or
// an infinity; a result that does not meet the objective carries
// convergenceWarning set.
void solveTube(const SolverInput &input, SolverOutput &output);

// Starting tension and its step of the given-pressure search, chosen by the
// circumference and the target inlet pressure.
struct TensionStart
{
    double tensionLbPerIn = 0;
    double stepLbPerIn = 0;
};
TensionStart givenPressureStartingTension(double circumferenceFt, double inletPressurePsi);

} // namespace vendrix
