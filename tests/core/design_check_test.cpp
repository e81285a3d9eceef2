// The design check against hand calculations: hydrostatics of the solved
// shape, sums over the profile's polygon written out here, and the
// inextensible tube as the limit of a stiff fabric.

#include "engine/reduction_factors.h"
#include "post/design_check.h"
#include "post/outline_integrals.h"
#include "report/design_check_rows.h"

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
        // The interpolated outline holds the solved areas; a tube under water to
        // its crest displaces exactly the solved area.
        EXPECT_LT(relative(areaBelow(s.profileX, s.profileY, s.maxHeight), s.totalArea), 1e-9);
        const RigidBodyActions drowned = rigidBodyActions(s, {100, 10, s.maxHeight, s.maxHeight});
        EXPECT_EQ(drowned.submergedWeight, 100 - 10 * s.totalArea);
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
        EXPECT_EQ(r.eccentricity, a.eccentricity);
        EXPECT_EQ(r.submergedWeight, weight);
        EXPECT_EQ(r.normalForce, a.normalForce);
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

// A round tube touching the ground at a point and one standing on a flat base
// of half-width 1.5 m, sampled every half degree of tangent angle: areas and
// arc lengths below a level against the circle's closed forms.
TEST(DesignCheck, OutlineIntegralsOfRoundShapes)
{
    const double R = 2;
    const auto segment = [R](double h) { // circle area below h, both halves
        return R * R * std::acos((R - h) / R) - (R - h) * std::sqrt(2 * R * h - h * h);
    };
    const auto arc = [](const OutlinePoint &p) { return std::hypot(p.dx, p.dy); };
    for (const double halfBase : {0.0, 1.5}) {
        SCOPED_TRACE(halfBase);
        ProfileArray x {}, y {};
        for (int k = 0; k < kProfilePoints; ++k) {
            const double angle = k * M_PI / 360;
            x[std::size_t(k)] = halfBase + R * std::sin(angle);
            y[std::size_t(k)] = R * (1 - std::cos(angle));
        }
        for (const double level : {0.3, 1.0, R, 3.1}) {
            SCOPED_TRACE(level);
            EXPECT_LT(relative(areaBelow(x, y, level), 2 * halfBase * level + segment(level)),
                      1e-9);
            EXPECT_LT(relative(outlineIntegral(x, y, level, arc), R * std::acos((R - level) / R)),
                      1e-9);
        }
        if (halfBase == 0) {
            EXPECT_LT(relative(areaBelow(x, y, 2 * R + 1), M_PI * R * R), 1e-9);
        }
    }
}

TEST(DesignCheck, UtilisationOfTheEnteredStrengthIsOne)
{
    for (const double rfSeam : {1.0, 2.0, 3.7}) {
        TubeInput in = tubeOf(kTubes[0]);
        // A 60 m tube, and one under a metre high holding under a square metre.
        in.circumference = rfSeam > 3 ? 0.9 : rfSeam > 1 ? 60 : in.circumference;
        in.rfSeamAxial = rfSeam;
        in.ultimateStrength = 40 * rfSeam;
        const TubeSolution s = exactSolution(in);
        DesignCheckInputs check;
        check.fabricStrengthAxial = 2 * s.ultimateStrengthAxial;
        const DesignCheckResult r = computeDesignCheck(in, s, check);
        EXPECT_NEAR(*r.utilisationCircumferential, 1.0, 1e-12);
        EXPECT_EQ(r.pass.utilisationCircumferential, true);
        EXPECT_NEAR(*r.utilisationAxial, 0.5, 1e-15);
        // Bands of H/D: usual up to 0.6, high up to 0.8, very high above.
        const double hd = r.fillingRatio;
        EXPECT_EQ(r.fillingBand,
                  hd <= 0.6       ? FillingBand::Usual
                      : hd <= 0.8 ? FillingBand::High
                                  : FillingBand::VeryHigh)
            << hd;
        check.fabricStrengthCircumferential = in.ultimateStrength * (1 - 1e-9);
        EXPECT_EQ(computeDesignCheck(in, s, check).pass.utilisationCircumferential, false);
        // Large and small tubes stretch and say by how much.
        check.fabricStiffness = 20 * workingTension(in, s);
        const std::optional<FabricStretch> f = computeDesignCheck(in, s, check).stretch;
        ASSERT_TRUE(f.has_value());
        EXPECT_EQ(f->end, StretchEnd::Converged);
        EXPECT_EQ(f->heightChange, f->height - s.maxHeight);
        EXPECT_LT(f->heightChange, 0);
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
            EXPECT_EQ(f.circumferenceChange, f.circumference - s.computedCircumference);
            EXPECT_EQ(f.heightChange, f.height - s.maxHeight);
            EXPECT_EQ(f.widthChange, f.width - s.maxWidth);
            EXPECT_EQ(f.tensionChange, f.tension - t0);
            EXPECT_LT(relative(f.strain, f.circumference / s.computedCircumference - 1), 1e-12);
            EXPECT_LE(f.steps, 8); // the bracket closes superlinearly
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

// The rows, input lines and notes as the window and the page print them, for a
// result set by hand, in both unit systems (worked out with 1 m = 3.28084 ft,
// 1 kN/m = 68.519 lb/ft, 1 kPa = 20.8846 psf).
TEST(DesignCheck, RowsAndInputLinesInBothUnitSystems)
{
    DesignCheckInputs check;
    check.fabricStiffness = 800;
    check.waterLevelProtected = 0.5;
    check.foundationFriction = 0.6;
    check.allowableBearingPressure = 100;
    DesignCheckResult r;
    r.utilisationCircumferential = 0.5;
    r.pass.utilisationCircumferential = true;
    r.reasons.utilisationAxial = CheckReason::NotChecked;
    r.strain = 0.0125;
    FabricStretch stretch;
    stretch.circumference = 10.125, stretch.height = 2.4, stretch.width = 4.2;
    stretch.tension = 20;
    r.fillingRatio = 0.7654, r.fillingBand = FillingBand::High;
    r.submergedWeight = 30, r.normalForce = 25.5, r.eccentricity = 0.25;
    r.safetySliding = 1.25, r.pass.sliding = false;
    r.reasons.overturning = CheckReason::Overturns;
    r.maxContactPressure = 40, r.pass.foundation = true, r.partialContact = true;
    r.waveStabilityNumber = 0.8, r.pass.waveStability = true;
    r.availableStrengthCircumferential = 100, r.loadedLevel = 2, r.protectedLevel = 0.5;
    using V = RowVerdict;
    struct Case
    {
        UnitSystem units;
        double heightChange;
        std::vector<std::vector<std::string>> rows; // check, value, limit, note
        std::vector<V> verdicts;
        std::vector<std::string> inputs;
    };
    const std::vector<V> verdicts = {V::Pass, V::None, V::None, V::None, V::None, V::None,
                                     V::None, V::Fail, V::None, V::Pass, V::Pass};
    const Case cases[] = {
        {UnitSystem::SI,
         -0.1,
         {{"Fabric utilisation, circumferential", "0.500", "<= 1", ""},
          {"Fabric utilisation, axial", "-", "<= 1", "not checked"},
          {"Fabric strain T/J", "1.25 %", "",
           "not settled after 50 steps; C 10.125, H 2.400 (-0.100), W 4.200, T 20.00 [kN/m]"},
          {"Filling ratio H/D", "0.765", "guidance",
           "high: pumping must be controlled (0.6 to 0.8)"},
          {"Submerged weight W'", "30.00 [kN/m]", "", ""},
          {"Normal force N", "25.50 [kN/m]", "", ""},
          {"Eccentricity e", "0.250 [m]", "", ""},
          {"Sliding safety factor", "1.250", ">= 1.500", ""},
          {"Overturning safety factor", "-", ">= 2.000", "overturns"},
          {"Maximum contact pressure q", "40.00 [kPa]", "<= 100.00 [kPa]",
           "contact lost over part of the base"},
          {"Wave stability number", "0.800", "<= 1.000", ""}},
         verdicts,
         {"Available ultimate strength, circumferential: 100.00 [kN/m]",
          "Available ultimate strength, axial: not checked", "Tensile stiffness J: 800.00 [kN/m]",
          "Water level loaded side h1: 2.000 [m] (outside fluid)",
          "Water level protected side h2: 0.500 [m]", "Friction coefficient: 0.600",
          "Allowable bearing pressure: 100.00 [kPa]", "Design wave height Hs: not checked"}},
        {UnitSystem::English,
         0.05,
         {{"Fabric utilisation, circumferential", "0.500", "<= 1", ""},
          {"Fabric utilisation, axial", "-", "<= 1", "not checked"},
          {"Fabric strain T/J", "1.25 %", "",
           "C 33.219, H 7.874 (+0.164), W 13.780, T 1370.38 [lb/ft]"},
          {"Filling ratio H/D", "0.765", "guidance",
           "high: pumping must be controlled (0.6 to 0.8)"},
          {"Submerged weight W'", "2055.57 [lb/ft]", "", ""},
          {"Normal force N", "1747.23 [lb/ft]", "", ""},
          {"Eccentricity e", "0.820 [ft]", "", ""},
          {"Sliding safety factor", "1.250", ">= 1.500", ""},
          {"Overturning safety factor", "-", ">= 2.000", "overturns"},
          {"Maximum contact pressure q", "835.38 [psf]", "<= 2088.46 [psf]",
           "contact lost over part of the base"},
          {"Wave stability number", "0.800", "<= 1.000", ""}},
         verdicts,
         {"Available ultimate strength, circumferential: 6851.90 [lb/ft]",
          "Available ultimate strength, axial: not checked",
          "Tensile stiffness J: 54815.20 [lb/ft]",
          "Water level loaded side h1: 6.562 [ft] (outside fluid)",
          "Water level protected side h2: 1.640 [ft]", "Friction coefficient: 0.600",
          "Allowable bearing pressure: 2088.46 [psf]", "Design wave height Hs: not checked"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.units));
        DisplaySettings display;
        display.unitSystem = c.units;
        stretch.heightChange = c.heightChange;
        stretch.end = c.heightChange > 0 ? StretchEnd::Converged : StretchEnd::StepLimit;
        r.stretch = stretch;
        const std::vector<DesignCheckRow> rows = designCheckRows(check, r, display);
        ASSERT_EQ(rows.size(), c.rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ((std::vector<std::string> {rows[i].check, rows[i].value, rows[i].limit,
                                                 rows[i].note}),
                      c.rows[i]);
            EXPECT_EQ(rows[i].verdict, c.verdicts[i]) << rows[i].check;
        }
        EXPECT_EQ(designCheckInputLines(check, r, display), c.inputs);
    }
    EXPECT_STREQ(verdictText(V::Pass), "PASS");
    EXPECT_STREQ(verdictText(V::Fail), "FAIL");
    EXPECT_STREQ(verdictText(V::None), "");
    EXPECT_EQ(designCheckNotes(r, SolutionMethod::Exact).size(), 1u);
    r.reasons.sliding = CheckReason::Overtopped;
    const std::vector<std::string> notes = designCheckNotes(r, SolutionMethod::Classic);
    ASSERT_EQ(notes.size(), 3u);
    EXPECT_EQ(notes[0], "Solved by the exact method (Options chooses the classic method).");
    EXPECT_EQ(notes[2],
              "The loaded level is above the crest: overtopping is not covered by this check.");
}

} // namespace
} // namespace vendrix
