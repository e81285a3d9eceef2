#include "engine/exact_run.h"

#include "engine/exact_solver.h"
#include "engine/reduction_factors.h"
#include "model/c_format.h"
#include "model/input_rules.h"

#include <algorithm>
#include <cmath>

namespace vendrix {

namespace {

double finiteOrZero(double v)
{
    return std::isfinite(v) ? v : 0.0;
}

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

} // namespace

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
    const ExactRefusal refusal
        = solveTubeExact(layeringZones(enteredLayering(input)), request, exact);
    outcome.passes = exact.passes;
    if (refusal != ExactRefusal::None)
        return exactRefusalFailure(refusal, input, record.display);
    storeExactSolution(exact, input, record.solution);
    outcome.zones = std::max(exact.shape.pieceCount, 1);
    return std::nullopt;
}

} // namespace vendrix
