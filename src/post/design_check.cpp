#include "post/design_check.h"

#include "engine/analysis_run.h"
#include "engine/reduction_factors.h"

#include <cmath>

namespace vendrix {

namespace {

constexpr double kPi = 3.14159265358979323846;
// A utilisation this close above 1 is the entered strength itself.
constexpr double kUtilisationTolerance = 1e-12;
constexpr double kUsualFillingRatio = 0.6;
constexpr double kHighFillingRatio = 0.8;

CheckOutcome withoutValue(CheckReason reason)
{
    CheckOutcome outcome;
    outcome.reason = reason;
    return outcome;
}

CheckOutcome valued(double value, bool pass)
{
    CheckOutcome outcome;
    outcome.value = value;
    outcome.pass = pass;
    return outcome;
}

CheckOutcome utilisation(double required, double available)
{
    if (!(available > 0))
        return withoutValue(CheckReason::NotChecked);
    const double u = required / available;
    return valued(u, u <= 1 + kUtilisationTolerance);
}

double fillWeight(const TubeInput &input, const TubeSolution &s)
{
    if (!hasTwoSlurryLayers(input))
        return input.slurryUnitWeightLower * s.totalArea;
    return input.slurryUnitWeightLower * s.areaLowerSlurry
        + input.slurryUnitWeightUpper * s.areaUpperSlurry;
}

double levelUsed(double entered, const TubeInput &input)
{
    return entered == kFollowFluidHeight ? input.fluidHeightLower : entered;
}

FillingBand fillingBand(double ratio)
{
    if (ratio <= kUsualFillingRatio)
        return FillingBand::Usual;
    return ratio <= kHighFillingRatio ? FillingBand::High : FillingBand::VeryHigh;
}

// q = N/b (1 + 6|e|/b) within the middle third, 2N / (3 (b/2 - |e|)) beyond it.
void foundationCheck(DesignCheckResult &r, double baseWidth, const DesignCheckInputs &check)
{
    const RigidBodyActions &a = *r.actions;
    const double b = baseWidth, e = std::fabs(a.eccentricity);
    if (!(a.normalForce > 0) || !(a.eccentricity < b / 2)) {
        r.foundation = withoutValue(CheckReason::Overturns);
        return;
    }
    r.partialContact = e > b / 6;
    const double q = r.partialContact ? 2 * a.normalForce / (3 * (b / 2 - e))
                                      : a.normalForce / b * (1 + 6 * e / b);
    if (check.allowableBearingPressure > 0) {
        r.foundation = valued(q, q <= check.allowableBearingPressure);
    } else {
        r.foundation.value = q;
        r.foundation.reason = CheckReason::NotChecked;
    }
}

void drivenChecks(DesignCheckResult &r, double baseWidth, const DesignCheckInputs &check)
{
    const RigidBodyActions &a = *r.actions;
    if (!(r.loadedLevel > r.protectedLevel)) {
        r.sliding = withoutValue(CheckReason::NoDrivingAction);
        r.overturning = withoutValue(CheckReason::NoDrivingAction);
        return;
    }
    const double sliding
        = check.foundationFriction * std::fmax(a.normalForce, 0.0) / a.horizontalThrust;
    r.sliding = valued(sliding, sliding >= check.requiredSafetySliding);
    const double overturning = a.resistingMoment / a.overturningMoment;
    const bool stands = a.normalForce > 0 && a.eccentricity < baseWidth / 2;
    r.overturning = valued(overturning, stands && overturning >= check.requiredSafetyOverturning);
    if (!stands)
        r.overturning.reason = CheckReason::Overturns;
}

// Sliding, overturning and the foundation with the water at h1 and h2.
void rigidBodyChecks(DesignCheckResult &r, const TubeSolution &s, const DesignCheckInputs &check)
{
    std::optional<CheckReason> reason;
    if (r.loadedLevel < r.protectedLevel)
        reason = CheckReason::LevelsReversed;
    else if (r.loadedLevel > s.maxHeight)
        reason = CheckReason::Overtopped;
    if (reason) {
        r.actionsReason = reason;
        r.foundation = r.sliding = r.overturning = withoutValue(*reason);
        return;
    }
    r.actions = rigidBodyActions(s,
                                 {r.fillWeight, r.waterUnitWeight, std::fmax(r.loadedLevel, 0.0),
                                  std::fmax(r.protectedLevel, 0.0)});
    foundationCheck(r, s.baseWidth, check);
    drivenChecks(r, s.baseWidth, check);
}

// Hs / (Delta H) with Delta = (W/A - gw) / gw.
CheckOutcome waveStability(const DesignCheckResult &r, const TubeSolution &s,
                           const DesignCheckInputs &check)
{
    if (!(check.designWaveHeight > 0))
        return withoutValue(CheckReason::NotChecked);
    const double relativeDensity
        = (r.fillWeight / s.totalArea - r.waterUnitWeight) / r.waterUnitWeight;
    if (!(relativeDensity > 0))
        return withoutValue(CheckReason::FillNotHeavier);
    const double number = check.designWaveHeight / (relativeDensity * s.maxHeight);
    return valued(number, number <= check.waveStabilityLimit);
}

} // namespace

const char *checkReasonText(CheckReason reason)
{
    switch (reason) {
    case CheckReason::NotChecked:
        return "not checked";
    case CheckReason::NoDrivingAction:
        return "no driving action";
    case CheckReason::Overtopped:
        return "overtopped";
    case CheckReason::Overturns:
        return "overturns";
    case CheckReason::FillNotHeavier:
        return "fill not heavier than water";
    case CheckReason::LevelsReversed:
        return "loaded level below protected level";
    }
    return "";
}

double checkWaterUnitWeight(const TubeInput &input)
{
    return input.fluidUnitWeightLower > 0 ? input.fluidUnitWeightLower : input.transportUnitWeight;
}

DesignCheckResult computeDesignCheck(const TubeInput &input, const TubeSolution &s,
                                     const DesignCheckInputs &check)
{
    DesignCheckResult r;
    // Given strength: the entered strength is the available one unless another is given.
    r.availableStrengthCircumferential = check.fabricStrengthCircumferential;
    if (!(r.availableStrengthCircumferential > 0)
        && input.analysisType == AnalysisType::GivenStrength)
        r.availableStrengthCircumferential = input.ultimateStrength;
    r.utilisationCircumferential
        = utilisation(s.ultimateStrengthCircumferential, r.availableStrengthCircumferential);
    r.utilisationAxial = utilisation(s.ultimateStrengthAxial, check.fabricStrengthAxial);
    if (check.fabricStiffness > 0)
        r.stretch = stretchFabric(input, s, check.fabricStiffness);
    else
        r.stretchReason = CheckReason::NotChecked;
    r.fillingRatio = s.maxHeight / (s.computedCircumference / kPi);
    r.fillingBand = fillingBand(r.fillingRatio);
    r.waterUnitWeight = checkWaterUnitWeight(input);
    r.fillWeight = fillWeight(input, s);
    r.loadedLevel = levelUsed(check.waterLevelLoaded, input);
    r.protectedLevel = levelUsed(check.waterLevelProtected, input);
    rigidBodyChecks(r, s, check);
    r.waveStability = waveStability(r, s, check);
    return r;
}

std::optional<Failure> solveForDesignCheck(const ProjectRecord &record, TubeSolution &exact)
{
    ProjectRecord copy = record;
    const RunOutcome outcome = runAnalysis(copy, SolutionMethod::Exact);
    if (outcome.refused())
        return outcome.failure;
    // Every check divides by the area, the height or the circumference.
    const TubeSolution &s = copy.solution;
    if (!(s.totalArea > 0) || !(s.maxHeight > 0) || !(s.computedCircumference > 0))
        return Failure::plain("The exact method finds no tube for these inputs, so the\n"
                              "design check cannot be computed.");
    exact = s;
    return std::nullopt;
}

} // namespace vendrix
