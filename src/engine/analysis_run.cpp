#include "engine/analysis_run.h"

#include "engine/exact_solver.h"
#include "engine/reduction_factors.h"
#include "engine/solution_check.h"
#include "model/c_format.h"
#include "model/input_rules.h"
#include "model/units.h"

#include <cmath>

namespace vendrix {

namespace {

constexpr double kInletPressureOffset = 0.04; // psi

// Slurry and outside fluid closer than this in specific gravity leave almost
// no net unit weight; both slurries are then made heavier by the bump.
constexpr double kNearlyEqualSpecificGravity = 0.05;
constexpr double kSpecificGravityBump = 0.045;

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
    s.circumference = input.circumference * kFeetPerMetre;
    s.slurrySpecificGravityLower
        = input.slurryUnitWeightLower * SolverUnits::specificGravityPerUnitWeight;
    s.slurrySpecificGravityUpper
        = input.slurryUnitWeightUpper * SolverUnits::specificGravityPerUnitWeight;
    s.fluidSpecificGravityLower
        = input.fluidUnitWeightLower * SolverUnits::specificGravityPerUnitWeight;
    s.fluidSpecificGravityUpper
        = input.fluidUnitWeightUpper * SolverUnits::specificGravityPerUnitWeight;
    // With one layer the slurry interface lies far above any crest.
    s.slurryHeightLower
        = hasTwoSlurryLayers(input) ? input.slurryHeightLower * kFeetPerMetre : s.circumference;
    s.fluidHeightLower = input.fluidHeightLower * kFeetPerMetre;
    s.workingTension = input.ultimateStrength / rf.circumferential
        * SolverUnits::poundsPerInchPerKilonewtonPerMetre;
    s.desiredMaxHeight = input.desiredMaxHeight * kFeetPerMetre;
    s.inletPressure = input.pumpingPressure * kPsiPerKilopascal + kInletPressureOffset;
    s.transportUnitWeight = input.transportUnitWeight * kPcfPerKilonewtonPerCubicMetre;
    if (std::fabs(s.fluidSpecificGravityLower - s.slurrySpecificGravityUpper)
        <= kNearlyEqualSpecificGravity) {
        s.slurrySpecificGravityLower += kSpecificGravityBump;
        s.slurrySpecificGravityUpper += kSpecificGravityBump;
    }
    return s;
}

namespace {

// A desired height above the ideal diameter, compared in SI so that a height
// equal to the ideal diameter passes in both unit systems; the message shows
// display units.
std::optional<Failure> checkDesiredHeight(const TubeInput &input, const DisplaySettings &display)
{
    if (input.analysisType != AnalysisType::GivenHeight
        || !(input.desiredMaxHeight > input.circumference * kRunDiameterPerCircumference))
        return std::nullopt;
    const bool english = isEnglish(display);
    const double f = english ? kFeetPerMetre : 1.0;
    const double diameter = input.circumference * f * kRunDiameterPerCircumference;
    return Failure {kDesiredHeightAboveDiameter,
                    "Maximum desired height of tube should not exceed "
                        + formatC("%.2f", diameter - 0.005) + (english ? " [ft]\n" : " [m]\n")
                        + "i.e., the diameter of an ideal circular tube having the given\n"
                          "circumference of "
                        + formatC("%.2f", input.circumference * f) + (english ? " [ft]." : " [m].")
                        + "\n\nPlease correcet",
                    {}};
}

// The classic solver's results in SI, with the strengths the reduction factors ask for.
void storeClassicSolution(const SolverOutput &out, const TubeInput &input, TubeSolution &s)
{
    const ReductionFactorProducts rf = reductionFactorProducts(input);
    s = TubeSolution {};
    for (int k = 0; k < kProfilePoints; ++k) {
        s.profileX[k] = out.profileX[k] * SolverUnits::metresPerFoot;
        s.profileY[k] = out.profileY[k] * SolverUnits::metresPerFoot;
    }
    s.computedCircumference = out.computedCircumference * SolverUnits::metresPerFoot;
    s.maxHeight = out.maxHeight * SolverUnits::metresPerFoot;
    s.maxWidth = out.maxWidth * SolverUnits::metresPerFoot;
    s.heightAtMaxWidth = out.heightAtMaxWidth * SolverUnits::metresPerFoot;
    s.baseWidth = out.baseWidth * SolverUnits::metresPerFoot;
    s.totalArea = out.totalArea * SolverUnits::squareMetresPerSquareFoot;
    s.areaLowerSlurry = out.areaLowerSlurry * SolverUnits::squareMetresPerSquareFoot;
    s.areaUpperSlurry = out.areaUpperSlurry * SolverUnits::squareMetresPerSquareFoot;
    s.inletPressure = out.crestPressure * SolverUnits::kilopascalPerPsi;
    s.ultimateStrengthCircumferential = finiteOrZero(
        out.workingTension * rf.circumferential * SolverUnits::kilonewtonPerMetrePerPoundPerInch);
    // A failed run has no circumference to spread the axial force over.
    s.ultimateStrengthAxial = out.computedCircumference != 0
        ? finiteOrZero(out.axialForce / out.computedCircumference * rf.axial
                       * SolverUnits::kilonewtonPerMetrePerPoundPerFoot)
        : 0.0;
    s.convergenceWarning = out.convergenceWarning;
    s.method = SolutionMethod::Classic;
}

} // namespace

namespace {

// The refusals of the exact method, in the style of the input rules.
Failure exactRefusalFailure(ExactRefusal refusal, const TubeInput &input,
                            const DisplaySettings &display)
{
    if (refusal == ExactRefusal::ZeroPressure)
        return {kZeroPumpingPressure,
                "Pressure should be greater than zero for the exact solution method:\n"
                "a tube has no shape at zero pressure at its crest (as the pressure falls\n"
                "towards zero the tube flattens and its tension vanishes)."
                    + std::string(kPleaseCorrect),
                "pumpingPressure"};
    if (refusal == ExactRefusal::LighterSlurry)
        return {kSlurryLighterThanFluid,
                "A slurry is lighter than the outside fluid beside it: the tube has no\n"
                "equilibrium shape for these unit weights."
                    + std::string(kPleaseCorrect),
                "slurryUnitWeightUpper"};
    const bool english = isEnglish(display);
    const double f = english ? kFeetPerMetre : 1.0;
    return {kNeutralTubeHeight,
            "The slurry is as heavy as the fluid around it below the desired height,\n"
            "so the tube is a circle: no tube of this circumference stands lower than\n"
                + formatC("%.2f", input.circumference * f * kRunDiameterPerCircumference)
                + (english ? " [ft]." : " [m].") + kPleaseCorrect,
            "desiredMaxHeight"};
}

void storeExactSolution(const ExactSolution &exact, const TubeInput &input, TubeSolution &s)
{
    const ReductionFactorProducts rf = reductionFactorProducts(input);
    const ExactShape &shape = exact.shape;
    const ExactResults &r = exact.results;
    s = TubeSolution {};
    s.profileX = r.profileX;
    s.profileY = r.profileY;
    s.computedCircumference = shape.circumference;
    s.maxHeight = shape.height;
    s.maxWidth = r.maxWidth;
    s.heightAtMaxWidth = r.heightAtMaxWidth;
    s.baseWidth = shape.baseWidth;
    s.totalArea = r.totalArea;
    s.areaUpperSlurry = r.areaUpperSlurry;
    s.areaLowerSlurry = r.totalArea - r.areaUpperSlurry;
    s.inletPressure = shape.crestPressure;
    s.ultimateStrengthCircumferential = finiteOrZero(shape.tension * rf.circumferential);
    s.ultimateStrengthAxial = shape.circumference > 0
        ? finiteOrZero(r.axialForce / shape.circumference * rf.axial)
        : 0.0;
    s.accuracyLimit = exact.limit;
    s.convergenceWarning = !exact.objectiveMet || exact.limit != AccuracyLimit::None;
    s.method = SolutionMethod::Exact;
}

std::optional<Failure> runExact(ProjectRecord &record, RunOutcome &outcome)
{
    const TubeInput &input = record.input;
    ExactRequest request;
    request.objective = input.analysisType;
    request.circumference = input.circumference;
    request.workingTension
        = input.ultimateStrength / reductionFactorProducts(input).circumferential;
    request.desiredMaxHeight = input.desiredMaxHeight;
    request.pumpingPressure = input.pumpingPressure;
    ExactSolution exact;
    const ExactRefusal refusal = solveTubeExact(exactZones(input), request, exact);
    outcome.passes = exact.passes;
    if (refusal != ExactRefusal::None)
        return exactRefusalFailure(refusal, input, record.display);
    storeExactSolution(exact, input, record.solution);
    outcome.zones = std::max(exact.shape.pieceCount, 1);
    return std::nullopt;
}

} // namespace

RunOutcome solveAnalysis(ProjectRecord &record, SolutionMethod method)
{
    RunOutcome outcome;
    const TubeInput &input = record.input;
    // An opened file may carry a circumference the Slurry Data dialog refuses;
    // no tube has one. The sign is the same in both unit systems.
    outcome.failure = checkCircumference(input.circumference);
    if (!outcome.failure)
        outcome.failure = checkDesiredHeight(input, record.display);
    if (outcome.failure)
        return outcome;

    if (method == SolutionMethod::Exact) {
        outcome.failure = runExact(record, outcome);
        if (!outcome.failure)
            record.state.resultsValid = true;
        return outcome;
    }
    SolverInput solverInput = buildSolverInput(input);
    SolverOutput out;
    solveTube(solverInput, out);
    storeClassicSolution(out, input, record.solution);
    record.state.resultsValid = true;
    outcome.passes = out.passes;
    outcome.zones = out.zones;
    return outcome;
}

RunOutcome runAnalysis(ProjectRecord &record, SolutionMethod method)
{
    // A refused run keeps the state as it was. The solver refuses a height
    // above the diameter with its own Error No.302.
    if (auto failure = checkStoredInputs(record);
        failure && failure->number != kDesiredHeightAboveDiameter) {
        RunOutcome refused;
        refused.failure = std::move(failure);
        return refused;
    }
    RunOutcome outcome = solveAnalysis(record, method);
    if (outcome.refused())
        return outcome;
    // Results that are not numbers are never shown: the run counts as failed.
    outcome.failure = checkSolutionResult(record.solution);
    record.state.resultsValid = !outcome.failure;
    if (outcome.failure)
        return outcome;
    outcome.warning = record.solution.convergenceWarning;
    record.state.shapeShown = Shape::AsFilled;
    return outcome;
}

} // namespace vendrix
