#include "post/design_check.h"

#include "engine/analysis_run.h"
#include "engine/reduction_factors.h"
#include "model/unit_constants.h"

#include <cmath>

namespace vendrix {

namespace {

// A utilisation this close above 1 is the entered strength itself.
constexpr double kUtilisationTolerance = 1e-12;
constexpr double kUsualFillingRatio = 0.6;
constexpr double kHighFillingRatio = 0.8;

// One check's value, verdict and reason before they go to their named places.
struct CheckOutcome
{
    std::optional<double> value;
    std::optional<bool> pass;
    std::optional<CheckReason> reason;

    void place(std::optional<double> &toValue, std::optional<bool> &toPass,
               std::optional<CheckReason> &toReason) const
    {
        toValue = value;
        toPass = pass;
        toReason = reason;
    }
};

CheckOutcome withoutValue(CheckReason reason)
{
    return {std::nullopt, std::nullopt, reason};
}

CheckOutcome valued(double value, bool pass)
{
    return {value, pass, std::nullopt};
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

void placeStretch(DesignCheckResult &r, const FabricStretch &stretch)
{
    r.stretch = stretch;
    if (stretch.end == StretchEnd::NoTube)
        return;
    r.strain = stretch.strain;
    r.stretchedCircumference = stretch.circumference;
    r.stretchedHeight = stretch.height;
    r.stretchedWidth = stretch.width;
    r.stretchedTension = stretch.tension;
}

// q = N/b (1 + 6|e|/b) within the middle third, 2N / (3 (b/2 - |e|)) beyond it.
CheckOutcome foundationCheck(DesignCheckResult &r, double baseWidth, const DesignCheckInputs &check)
{
    const RigidBodyActions &a = *r.actions;
    const double b = baseWidth, e = std::fabs(a.eccentricity);
    // A tube touching its foundation along a line only (b = 0) rolls as well.
    if (!(a.normalForce > 0) || !(a.eccentricity < b / 2) || !(b > 0))
        return withoutValue(CheckReason::Overturns);
    r.partialContact = e > b / 6;
    const double q = r.partialContact ? 2 * a.normalForce / (3 * (b / 2 - e))
                                      : a.normalForce / b * (1 + 6 * e / b);
    if (check.allowableBearingPressure > 0)
        return valued(q, q <= check.allowableBearingPressure);
    return {q, std::nullopt, CheckReason::NotChecked};
}

CheckOutcome slidingCheck(const DesignCheckResult &r, const DesignCheckInputs &check)
{
    const RigidBodyActions &a = *r.actions;
    if (!(r.loadedLevel > r.protectedLevel))
        return withoutValue(CheckReason::NoDrivingAction);
    const double sliding
        = check.foundationFriction * std::fmax(a.normalForce, 0.0) / a.horizontalThrust;
    return valued(sliding, sliding >= check.requiredSafetySliding);
}

CheckOutcome overturningCheck(const DesignCheckResult &r, double baseWidth,
                              const DesignCheckInputs &check)
{
    const RigidBodyActions &a = *r.actions;
    if (!(r.loadedLevel > r.protectedLevel))
        return withoutValue(CheckReason::NoDrivingAction);
    const double overturning = a.resistingMoment / a.overturningMoment;
    if (!(a.normalForce > 0) || !(a.eccentricity < baseWidth / 2))
        return {overturning, false, CheckReason::Overturns};
    return valued(overturning, overturning >= check.requiredSafetyOverturning);
}

// Sliding, overturning and the foundation with the water at h1 and h2.
void rigidBodyChecks(DesignCheckResult &r, const TubeSolution &s, const DesignCheckInputs &check)
{
    CheckOutcome foundation, sliding, overturning;
    if (r.loadedLevel < r.protectedLevel || r.loadedLevel > s.maxHeight) {
        foundation = sliding = overturning
            = withoutValue(r.loadedLevel < r.protectedLevel ? CheckReason::LevelsReversed
                                                            : CheckReason::Overtopped);
    } else {
        r.actions
            = rigidBodyActions(s,
                               {r.fillWeight, r.waterUnitWeight, std::fmax(r.loadedLevel, 0.0),
                                std::fmax(r.protectedLevel, 0.0)});
        r.submergedWeight = r.actions->submergedWeight;
        r.normalForce = r.actions->normalForce;
        if (std::isfinite(r.actions->eccentricity))
            r.eccentricity = r.actions->eccentricity;
        foundation = foundationCheck(r, s.baseWidth, check);
        sliding = slidingCheck(r, check);
        overturning = overturningCheck(r, s.baseWidth, check);
    }
    foundation.place(r.maxContactPressure, r.pass.foundation, r.reasons.foundation);
    sliding.place(r.safetySliding, r.pass.sliding, r.reasons.sliding);
    overturning.place(r.safetyOverturning, r.pass.overturning, r.reasons.overturning);
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
    utilisation(s.ultimateStrengthCircumferential, r.availableStrengthCircumferential)
        .place(r.utilisationCircumferential, r.pass.utilisationCircumferential,
               r.reasons.utilisationCircumferential);
    utilisation(s.ultimateStrengthAxial, check.fabricStrengthAxial)
        .place(r.utilisationAxial, r.pass.utilisationAxial, r.reasons.utilisationAxial);
    if (check.fabricStiffness > 0)
        placeStretch(r, stretchFabric(input, s, check.fabricStiffness));
    else
        r.reasons.stretch = CheckReason::NotChecked;
    r.fillingRatio = s.maxHeight / (s.computedCircumference / kPi);
    r.fillingBand = fillingBand(r.fillingRatio);
    r.waterUnitWeight = checkWaterUnitWeight(input);
    r.fillWeight = fillWeight(input, s);
    r.loadedLevel = levelUsed(check.waterLevelLoaded, input);
    r.protectedLevel = levelUsed(check.waterLevelProtected, input);
    rigidBodyChecks(r, s, check);
    waveStability(r, s, check)
        .place(r.waveStabilityNumber, r.pass.waveStability, r.reasons.waveStability);
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
