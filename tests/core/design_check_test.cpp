// The design check against hand calculations: hydrostatics of the solved
// shape, sums over the profile's polygon written out here, and the
// inextensible tube as the limit of a stiff fabric.

#include "engine/reduction_factors.h"
#include "post/design_check.h"
#include "post/outline_integrals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>

namespace vendrix {
namespace {

double relative(double value, double expected)
{
    return std::fabs(value - expected) / std::max(std::fabs(expected), 1e-300);
}

TubeSolution exactSolution(const TubeInput &input)
{
    ProjectRecord record;
    record.input = input;
    TubeSolution s;
    EXPECT_FALSE(solveForDesignCheck(record, s).has_value());
    EXPECT_FALSE(s.convergenceWarning);
    return s;
}

double workingTension(const TubeInput &in, const TubeSolution &s)
{
    return s.ultimateStrengthCircumferential / reductionFactorProducts(in).circumferential;
}

// Crest pressure plus the net unit weight times the thickness of every zone.
double netBasePressure(const TubeInput &in, const TubeSolution &s)
{
    const double h = s.maxHeight;
    const double interface = in.twoSlurryLayers ? in.slurryHeightLower : h;
    double levels[] = {0, std::min(interface, h), std::min(in.fluidHeightLower, h), h};
    std::sort(std::begin(levels), std::end(levels));
    double p = s.inletPressure;
    for (int k = 0; k < 3; ++k) {
        const double mid = 0.5 * (levels[k] + levels[k + 1]);
        const double inside = mid < interface ? in.slurryUnitWeightLower : in.slurryUnitWeightUpper;
        const double outside = mid < in.fluidHeightLower ? in.fluidUnitWeightLower : 0.0;
        p += (inside - outside) * (levels[k + 1] - levels[k]);
    }
    return p;
}

struct TubeCase
{
    const char *name;
    AnalysisType objective;
    bool twoLayers;
    double slurryHeightLower; // m
    double fluidHeightLower; // m
};

TubeInput tubeOf(const TubeCase &c)
{
    TubeInput in;
    in.analysisType = c.objective;
    in.twoSlurryLayers = c.twoLayers;
    if (!c.twoLayers)
        in.slurryUnitWeightUpper = in.slurryUnitWeightLower;
    in.slurryHeightLower = c.slurryHeightLower;
    in.fluidHeightLower = c.fluidHeightLower;
    in.desiredMaxHeight = 2.2;
    return in;
}

const TubeCase kTubes[] = {
    {"given strength, two layers", AnalysisType::GivenStrength, true, 1.0, 2.0},
    {"given height, interface above water", AnalysisType::GivenHeight, true, 1.5, 0.8},
    {"given pressure, one layer", AnalysisType::GivenPressure, false, 1.0, 1.2},
    {"given strength, dry", AnalysisType::GivenStrength, false, 1.0, 0.0},
};

// With both levels at the solved outside fluid height (air above), the
// foundation carries exactly the net pressure at the base over the base width.
TEST(DesignCheck, EqualLevelsCarryTheNetBasePressure)
{
    for (const TubeCase &c : kTubes) {
        SCOPED_TRACE(c.name);
        const TubeInput in = tubeOf(c);
        const TubeSolution s = exactSolution(in);
        ASSERT_LT(c.fluidHeightLower, s.maxHeight);
        for (double level : {kFollowFluidHeight, c.fluidHeightLower}) {
            DesignCheckInputs check;
            check.waterLevelLoaded = check.waterLevelProtected = level;
            check.allowableBearingPressure = 1.01 * netBasePressure(in, s);
            const DesignCheckResult r = computeDesignCheck(in, s, check);
            ASSERT_TRUE(r.actions.has_value());
            EXPECT_EQ(r.reasons.sliding, CheckReason::NoDrivingAction);
            EXPECT_EQ(r.reasons.overturning, CheckReason::NoDrivingAction);
            EXPECT_FALSE(r.safetySliding.has_value());
            EXPECT_NEAR(*r.eccentricity, 0, 1e-12 * s.baseWidth);
            EXPECT_LT(relative(*r.maxContactPressure, netBasePressure(in, s)), 1e-8);
            EXPECT_EQ(r.pass.foundation, true);
        }
        // The interpolated outline holds the solved areas.
        EXPECT_LT(relative(areaBelow(s.profileX, s.profileY, s.maxHeight), s.totalArea), 1e-9);
        if (c.twoLayers && c.slurryHeightLower < s.maxHeight) {
            const double lower = areaBelow(s.profileX, s.profileY, c.slurryHeightLower);
            EXPECT_LT(relative(lower, s.areaLowerSlurry), 1e-9);
        }
    }
}

// Excess water actions on the loaded half, summed over the profile's polygon.
struct PolygonActions
{
    double uplift = 0, upliftMoment = 0, thrust = 0, thrustMoment = 0;
};

PolygonActions polygonActions(const TubeSolution &s, double gw, double h1)
{
    PolygonActions a;
    const double halfBase = s.baseWidth / 2;
    for (std::size_t i = 0; i + 1 < kProfilePoints; ++i) {
        const double x = 0.5 * (s.profileX[i] + s.profileX[i + 1]);
        const double y = 0.5 * (s.profileY[i] + s.profileY[i + 1]);
        const double p = gw * std::max(h1 - y, 0.0);
        const double dx = s.profileX[i + 1] - s.profileX[i];
        const double dy = s.profileY[i + 1] - s.profileY[i];
        a.uplift += p * dx;
        a.upliftMoment += p * dx * (halfBase + x);
        a.thrust += p * dy;
        a.thrustMoment += p * dy * y;
    }
    return a;
}

// The protected side dry (h2 = 0): every action against the polygon sums.
TEST(DesignCheck, DryProtectedSideMatchesSumsOverTheOutline)
{
    const TubeInput in = tubeOf(kTubes[0]);
    const TubeSolution s = exactSolution(in);
    const double gw = in.fluidUnitWeightLower, b = s.baseWidth, H = s.maxHeight;
    const double weight = in.slurryUnitWeightLower * s.areaLowerSlurry
        + in.slurryUnitWeightUpper * s.areaUpperSlurry;
    // Resultant within the middle third, beyond it, and beyond the base.
    for (double h1 : {0.3 * H, 0.55 * H, 0.9 * H, H}) {
        SCOPED_TRACE("h1 = " + std::to_string(h1));
        DesignCheckInputs check;
        check.waterLevelLoaded = h1;
        check.waterLevelProtected = 0;
        const DesignCheckResult r = computeDesignCheck(in, s, check);
        ASSERT_TRUE(r.actions.has_value());
        const RigidBodyActions &a = *r.actions;
        const PolygonActions p = polygonActions(s, gw, h1);
        constexpr double kPolygon = 1e-4; // of the polygon against the smooth outline
        EXPECT_EQ(a.submergedWeight, weight);
        EXPECT_LT(relative(a.horizontalThrust, p.thrust), kPolygon);
        EXPECT_NEAR(a.outlineUplift, p.uplift, kPolygon * p.thrust);
        const double base = gw * h1 * b / 2;
        const double normal = weight - p.uplift - base;
        EXPECT_LT(relative(a.normalForce, normal), kPolygon);
        // Upward forces on the loaded side turn the tube over the protected edge.
        const double resisting = weight * b / 2 + std::max(-p.upliftMoment, 0.0);
        const double overturning
            = p.thrustMoment + base * 2 * b / 3 + std::max(p.upliftMoment, 0.0);
        EXPECT_LT(relative(a.resistingMoment, resisting), kPolygon);
        EXPECT_LT(relative(a.overturningMoment, overturning), kPolygon);
        EXPECT_NEAR(a.resistingMoment - a.overturningMoment,
                    a.normalForce * (b / 2 - a.eccentricity), 1e-12 * a.resistingMoment);
        EXPECT_LT(relative(*r.safetySliding, 0.5 * normal / (gw * h1 * h1 / 2)), kPolygon);
        EXPECT_LT(relative(*r.safetyOverturning, resisting / overturning), kPolygon);
        const double e = b / 2 - (resisting - overturning) / normal;
        EXPECT_NEAR(a.eccentricity, e, kPolygon * b);
        if (e >= b / 2) {
            EXPECT_EQ(r.reasons.foundation, CheckReason::Overturns);
        } else {
            // Trapezoid of contact pressure, or a triangle over 3 (b/2 - e).
            const double q
                = e <= b / 6 ? normal / b * (1 + 6 * e / b) : 2 * normal / (3 * (b / 2 - e));
            EXPECT_LT(relative(*r.maxContactPressure, q), kPolygon);
            EXPECT_EQ(r.partialContact, e > b / 6);
        }
    }
}

TEST(DesignCheck, UtilisationOfTheEnteredStrengthIsOne)
{
    for (const double rfSeam : {1.0, 2.0, 3.7}) {
        TubeInput in = tubeOf(kTubes[0]);
        in.rfSeamAxial = rfSeam;
        in.ultimateStrength = 40 * rfSeam;
        const TubeSolution s = exactSolution(in);
        DesignCheckInputs check;
        check.fabricStrengthAxial = 2 * s.ultimateStrengthAxial;
        const DesignCheckResult r = computeDesignCheck(in, s, check);
        EXPECT_NEAR(*r.utilisationCircumferential, 1.0, 1e-12);
        EXPECT_EQ(r.pass.utilisationCircumferential, true);
        EXPECT_NEAR(*r.utilisationAxial, 0.5, 1e-15);
        check.fabricStrengthCircumferential = in.ultimateStrength * (1 - 1e-9);
        EXPECT_EQ(computeDesignCheck(in, s, check).pass.utilisationCircumferential, false);
    }
}

TEST(DesignCheck, StretchedTubeHoldsTheFill)
{
    for (const TubeCase &c : kTubes) {
        SCOPED_TRACE(c.name);
        const TubeInput in = tubeOf(c);
        const TubeSolution s = exactSolution(in);
        const double t0 = workingTension(in, s);
        // A nearly rigid fabric leaves the inextensible tube.
        const FabricStretch rigid = stretchFabric(in, s, 1e15 * t0);
        EXPECT_EQ(rigid.end, StretchEnd::Converged);
        EXPECT_LT(relative(rigid.circumference, s.computedCircumference), 1e-12);
        EXPECT_LT(relative(rigid.height, s.maxHeight), 1e-9);
        EXPECT_LT(relative(rigid.width, s.maxWidth), 1e-9);
        EXPECT_LT(relative(rigid.tension, t0), 1e-9);
        for (double stiffnessPerTension : {50.0, 8.0}) {
            const FabricStretch f = stretchFabric(in, s, stiffnessPerTension * t0);
            EXPECT_EQ(f.end, StretchEnd::Converged);
            EXPECT_LT(relative(f.area, s.totalArea), 1e-9);
            // The circumference follows the stretched tube's own tension.
            EXPECT_LT(
                relative(f.circumference,
                         s.computedCircumference * (1 + f.tension / (stiffnessPerTension * t0))),
                1e-11);
            EXPECT_LT(f.height, s.maxHeight);
            EXPECT_LT(f.tension, t0);
            // The design check shows this stretched tube.
            DesignCheckInputs check;
            check.fabricStiffness = stiffnessPerTension * t0;
            const DesignCheckResult r = computeDesignCheck(in, s, check);
            ASSERT_TRUE(r.strain && r.stretchedCircumference && r.stretchedHeight
                        && r.stretchedWidth && r.stretchedTension);
            EXPECT_EQ(*r.strain, f.strain);
            EXPECT_EQ(*r.stretchedCircumference, f.circumference);
            EXPECT_EQ(*r.stretchedHeight, f.height);
            EXPECT_EQ(*r.stretchedWidth, f.width);
            EXPECT_EQ(*r.stretchedTension, f.tension);
        }
        // Too soft a fabric stops at the strain limit.
        const FabricStretch soft = stretchFabric(in, s, 0.01 * t0);
        EXPECT_EQ(soft.end, StretchEnd::StrainLimit);
        EXPECT_EQ(soft.strain, 0.5);
    }
}

// Checks without a value say why; a one-layer fill's unit weight gives Delta.
TEST(DesignCheck, ChecksWithoutAValueSayWhy)
{
    TubeInput in = tubeOf(kTubes[2]);
    const TubeSolution s = exactSolution(in);
    DesignCheckInputs check;
    check.waterLevelLoaded = 1.01 * s.maxHeight;
    check.waterLevelProtected = 0;
    check.designWaveHeight = 0.5;
    DesignCheckResult r = computeDesignCheck(in, s, check);
    EXPECT_EQ(r.reasons.utilisationCircumferential, CheckReason::NotChecked);
    EXPECT_EQ(r.reasons.utilisationAxial, CheckReason::NotChecked);
    EXPECT_EQ(r.reasons.stretch, CheckReason::NotChecked);
    EXPECT_FALSE(r.normalForce.has_value());
    EXPECT_EQ(r.reasons.sliding, CheckReason::Overtopped);
    EXPECT_EQ(r.reasons.foundation, CheckReason::Overtopped);
    const double delta
        = (in.slurryUnitWeightLower - in.fluidUnitWeightLower) / in.fluidUnitWeightLower;
    EXPECT_LT(relative(*r.waveStabilityNumber, 0.5 / (delta * s.maxHeight)), 1e-13);
    EXPECT_LT(relative(r.fillingRatio, s.maxHeight * M_PI / in.circumference), 1e-12);

    // A level far above the other on a light fill lifts the tube off its base.
    in.slurryUnitWeightLower = in.slurryUnitWeightUpper = 10.5;
    const TubeSolution light = exactSolution(in);
    check.waterLevelLoaded = light.maxHeight;
    r = computeDesignCheck(in, light, check);
    EXPECT_EQ(r.reasons.foundation, CheckReason::Overturns);
    EXPECT_EQ(r.pass.overturning, false);
    EXPECT_EQ(r.reasons.overturning, CheckReason::Overturns);
}

} // namespace
} // namespace vendrix
