#include "engine/classic_run.h"

#include "engine/reduction_factors.h"
#include "model/unit_constants.h"

#include <cmath>

namespace vendrix {

namespace {

constexpr double kInletPressureOffsetPsi = 0.04;

// Slurry and outside fluid closer than this in specific gravity leave almost
// no net unit weight; both slurries are then made heavier by the bump.
constexpr double kNearlyEqualSpecificGravity = 0.05;
constexpr double kSpecificGravityBump = 0.045;

// The classic solver's results back to SI.
constexpr double kSpecificGravityPerUnitWeight = 1 / kWaterUnitWeightForSpecificGravity;
constexpr double kMetresPerFoot = 1 / kFeetPerMetre;
constexpr double kSquareMetresPerSquareFoot = kMetresPerFoot * kMetresPerFoot;
constexpr double kKilopascalPerPsi = 1 / kPsiPerKilopascal;
constexpr double kKilonewtonPerMetrePerPoundPerInch
    = kInchesPerFoot / kPoundsPerFootPerKilonewtonPerMetre;
constexpr double kKilonewtonPerMetrePerPoundPerFoot = 1 / kPoundsPerFootPerKilonewtonPerMetre;

double finiteOrZero(double v)
{
    return std::isfinite(v) ? v : 0.0;
}

} // namespace

SolverInput buildSolverInput(const TubeInput &input)
{
    const ReductionFactorProducts rf = reductionFactorProducts(input);
    SolverInput s;
    s.analysisType = input.analysisType;
    s.circumferenceFt = input.circumference * kFeetPerMetre;
    s.slurrySpecificGravityLower = input.slurryUnitWeightLower * kSpecificGravityPerUnitWeight;
    s.slurrySpecificGravityUpper = input.slurryUnitWeightUpper * kSpecificGravityPerUnitWeight;
    s.fluidSpecificGravityLower = input.fluidUnitWeightLower * kSpecificGravityPerUnitWeight;
    s.fluidSpecificGravityUpper = input.fluidUnitWeightUpper * kSpecificGravityPerUnitWeight;
    // With one layer the slurry interface lies far above any crest.
    s.slurryHeightLowerFt
        = hasTwoSlurryLayers(input) ? input.slurryHeightLower * kFeetPerMetre : s.circumferenceFt;
    s.fluidHeightLowerFt = input.fluidHeightLower * kFeetPerMetre;
    s.workingTensionLbPerIn
        = input.ultimateStrength / rf.circumferential * kPoundsPerInchPerKilonewtonPerMetre;
    s.desiredMaxHeightFt = input.desiredMaxHeight * kFeetPerMetre;
    s.inletPressurePsi = input.pumpingPressure * kPsiPerKilopascal + kInletPressureOffsetPsi;
    s.transportUnitWeightPcf = input.transportUnitWeight * kPcfPerKilonewtonPerCubicMetre;
    if (std::fabs(s.fluidSpecificGravityLower - s.slurrySpecificGravityUpper)
        <= kNearlyEqualSpecificGravity) {
        s.slurrySpecificGravityLower += kSpecificGravityBump;
        s.slurrySpecificGravityUpper += kSpecificGravityBump;
    }
    return s;
}

namespace {

// The classic solver's results in SI, with the strengths the reduction factors ask for.
void storeClassicSolution(const SolverOutput &out, const TubeInput &input, TubeSolution &s)
{
    const ReductionFactorProducts rf = reductionFactorProducts(input);
    s = TubeSolution {};
    for (int k = 0; k < kProfilePoints; ++k) {
        s.profileX[k] = out.profileXFt[k] * kMetresPerFoot;
        s.profileY[k] = out.profileYFt[k] * kMetresPerFoot;
    }
    s.computedCircumference = out.computedCircumferenceFt * kMetresPerFoot;
    s.maxHeight = out.maxHeightFt * kMetresPerFoot;
    s.maxWidth = out.maxWidthFt * kMetresPerFoot;
    s.heightAtMaxWidth = out.heightAtMaxWidthFt * kMetresPerFoot;
    s.baseWidth = out.baseWidthFt * kMetresPerFoot;
    s.totalArea = out.totalAreaFt2 * kSquareMetresPerSquareFoot;
    s.areaLowerSlurry = out.areaLowerSlurryFt2 * kSquareMetresPerSquareFoot;
    s.areaUpperSlurry = out.areaUpperSlurryFt2 * kSquareMetresPerSquareFoot;
    s.inletPressure = out.crestPressurePsi * kKilopascalPerPsi;
    s.ultimateStrengthCircumferential = finiteOrZero(out.workingTensionLbPerIn * rf.circumferential
                                                     * kKilonewtonPerMetrePerPoundPerInch);
    // A failed run has no circumference to spread the axial force over.
    s.ultimateStrengthAxial = out.computedCircumferenceFt != 0
        ? finiteOrZero(out.axialForceLb / out.computedCircumferenceFt * rf.axial
                       * kKilonewtonPerMetrePerPoundPerFoot)
        : 0.0;
    s.convergenceWarning = out.convergenceWarning;
    s.method = SolutionMethod::Classic;
}

} // namespace

void runClassic(ProjectRecord &record, RunOutcome &outcome)
{
    SolverOutput out;
    solveTube(buildSolverInput(record.input), out);
    storeClassicSolution(out, record.input, record.solution);
    outcome.passes = out.passes;
    outcome.zones = out.zones;
}

} // namespace vendrix
