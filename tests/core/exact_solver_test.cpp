// The exact method solves the tube as entered: against an independent
// integration of the membrane equations, against each other across the three
// objectives, and at the edges of its range.

#include "engine/analysis_run.h"
#include "engine/reduction_factors.h"
#include "engine/root_bracket.h"
#include "membrane_reference.h"
#include "model/unit_constants.h"
#include "record_variants.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <span>

namespace vendrix {
namespace {

double relative(double value, double expected)
{
    return std::fabs(value - expected) / std::max(std::fabs(expected), 1e-300);
}

double workingTension(const TubeInput &in, const TubeSolution &s)
{
    return s.ultimateStrengthCircumferential / reductionFactorProducts(in).circumferential;
}

// Hydrostatics from the crest down: the base pressure of the solved shape.
double basePressure(const test::ReferenceModel &m, const TubeSolution &s)
{
    const double h = s.maxHeight;
    double levels[] = {0, std::min(m.slurryInterface, h), std::min(m.fluidInterface, h), h};
    std::sort(std::begin(levels), std::end(levels));
    double p = s.inletPressure;
    for (int k = 0; k < 3; ++k) {
        const double mid = 0.5 * (levels[k] + levels[k + 1]);
        const double inside = mid < m.slurryInterface ? m.slurryLower : m.slurryUpper;
        const double outside = mid < m.fluidInterface ? m.fluidLower : m.fluidUpper;
        p += (inside - outside) * (levels[k + 1] - levels[k]);
    }
    return p;
}

TubeSolution solved(const TubeInput &in)
{
    ProjectRecord record;
    record.input = in;
    const RunOutcome outcome = solveAnalysis(record, SolutionMethod::Exact);
    EXPECT_FALSE(outcome.refused());
    return record.solution;
}

// Solves by the exact method and checks the objective and every quantity
// against the reference integration of the entered layering.
TubeSolution checkAgainstReference(const TubeInput &in)
{
    const TubeSolution s = solved(in);
    EXPECT_FALSE(s.convergenceWarning);
    EXPECT_LT(relative(s.computedCircumference, in.circumference), 1e-12);
    if (in.analysisType == AnalysisType::GivenHeight) {
        EXPECT_LT(relative(s.maxHeight, in.desiredMaxHeight), 1e-12);
    }
    if (in.analysisType == AnalysisType::GivenPressure) {
        EXPECT_EQ(s.inletPressure, in.pumpingPressure);
    }

    const test::ReferenceModel m = test::enteredModel(in, workingTension(in, s));
    const test::ReferenceShape ref = test::referenceShape(m, basePressure(m, s), in.circumference);
    EXPECT_TRUE(ref.valid);
    constexpr double kAgreement = 1e-7; // of the fourth-order reference
    EXPECT_LT(relative(s.computedCircumference, ref.circumference), kAgreement);
    EXPECT_LT(relative(s.maxHeight, ref.maxHeight), kAgreement);
    EXPECT_LT(relative(s.maxWidth, ref.maxWidth), kAgreement);
    EXPECT_LT(relative(s.heightAtMaxWidth, ref.heightAtMaxWidth), kAgreement);
    EXPECT_LT(std::fabs(s.baseWidth - ref.baseWidth), kAgreement * in.circumference);
    EXPECT_LT(relative(s.totalArea, ref.totalArea), kAgreement);
    EXPECT_LT(
        std::fabs(s.areaUpperSlurry - (in.twoSlurryLayers ? ref.areaAboveSlurryInterface : 0)),
        kAgreement * ref.totalArea);
    EXPECT_LT(std::fabs(s.inletPressure - ref.crestPressure), kAgreement * basePressure(m, s));
    const double axial = s.ultimateStrengthAxial / reductionFactorProducts(in).axial;
    EXPECT_LT(relative(axial * s.computedCircumference, ref.axialForce), kAgreement);
    // The profile runs from the contact edge to the crest on the axis.
    EXPECT_DOUBLE_EQ(s.profileX[0], s.baseWidth / 2);
    EXPECT_EQ(s.profileX[360], 0);
    EXPECT_DOUBLE_EQ(s.profileY[360], s.maxHeight);
    for (int i = 1; i <= 360; ++i)
        EXPECT_GT(s.profileY[i], s.profileY[i - 1]) << i;
    return s;
}

// A realistic design: 3-60 m, one or two layers, no, partial or over water.
TubeInput randomDesign(std::mt19937 &random, int n)
{
    std::uniform_real_distribution<double> unit(0, 1);
    TubeInput in;
    in.circumference = 3 + 57 * unit(random);
    const double diameter = in.circumference / kPi;
    in.twoSlurryLayers = unit(random) < 0.5;
    in.slurryUnitWeightLower = 10.5 + 9.5 * unit(random);
    in.slurryUnitWeightUpper = in.twoSlurryLayers
        ? 10.0 + (in.slurryUnitWeightLower - 10.0) * unit(random)
        : in.slurryUnitWeightLower;
    const int water = n % 3;
    in.fluidHeightLower = water == 0 ? 0 : water == 1 ? 0.8 * diameter * unit(random) : diameter;
    in.slurryHeightLower = diameter * (0.1 + 0.6 * unit(random));
    in.analysisType = static_cast<AnalysisType>((n / 3) % 3);
    in.desiredMaxHeight = (0.25 + 0.72 * unit(random)) * diameter;
    in.pumpingPressure = 1 + 60 * unit(random);
    in.ultimateStrength = (40 + 300 * unit(random)) * in.circumference / 10;
    return in;
}

TEST(ExactSolver, RandomDesignsMatchTheMembraneEquationsWithinThePassLimits)
{
    std::mt19937 random(20261208);
    const long passLimit[] = {30, 40, 30};
    for (int n = 0; n < 36; ++n) {
        SCOPED_TRACE(n);
        const TubeInput in = randomDesign(random, n);
        checkAgainstReference(in);
        ProjectRecord record;
        record.input = in;
        EXPECT_LE(solveAnalysis(record).passes, passLimit[static_cast<int>(in.analysisType)]);
    }
}

// The three objectives describe one tube: a given-height run at the height a
// given-strength run reports needs that strength, and so does a given-pressure
// run at its pressure. Where the crest pressure falls back as the crest rises
// through the water level, several tubes share a crest pressure and the
// given-pressure run returns the least tense: then that one must be a tube of
// the project as well, as a given-height run at its height shows.
TEST(ExactSolver, TheThreeObjectivesAgreeOnEveryDesign)
{
    std::mt19937 random(7);
    int lessTense = 0;
    for (int n = 0; n < 60; ++n) {
        SCOPED_TRACE(n);
        TubeInput in = randomDesign(random, n);
        in.analysisType = AnalysisType::GivenStrength;
        const TubeSolution strength = solved(in);
        ASSERT_FALSE(strength.convergenceWarning);

        in.analysisType = AnalysisType::GivenHeight;
        in.desiredMaxHeight = strength.maxHeight;
        const TubeSolution height = solved(in);
        in.analysisType = AnalysisType::GivenPressure;
        in.pumpingPressure = strength.inletPressure;
        const TubeSolution pressure = solved(in);
        const bool sameTube = relative(pressure.maxHeight, strength.maxHeight) < 1e-6;
        lessTense += !sameTube;
        const TubeSolution *agreeing[] = {&height, &pressure};
        for (const TubeSolution *s : std::span(agreeing, sameTube ? 2 : 1)) {
            EXPECT_FALSE(s->convergenceWarning);
            EXPECT_LT(relative(s->ultimateStrengthCircumferential, in.ultimateStrength), 1e-9);
            EXPECT_LT(relative(s->ultimateStrengthAxial, strength.ultimateStrengthAxial), 1e-9);
            EXPECT_LT(relative(s->maxHeight, strength.maxHeight), 1e-9);
            EXPECT_LT(relative(s->totalArea, strength.totalArea), 1e-9);
            EXPECT_LT(relative(s->inletPressure, strength.inletPressure), 1e-9);
        }
        if (!sameTube) {
            EXPECT_LT(pressure.ultimateStrengthCircumferential, in.ultimateStrength);
            in.analysisType = AnalysisType::GivenHeight;
            in.desiredMaxHeight = pressure.maxHeight;
            EXPECT_LT(relative(solved(in).inletPressure, strength.inletPressure), 1e-9);
        }
    }
    EXPECT_LE(lessTense, 3);
}

// Unit weights as entered: the transporting medium changes nothing, a light
// sludge on land is not made heavier.
TEST(ExactSolver, UnitWeightsAreTheEnteredOnes)
{
    TubeInput in;
    const TubeSolution standard = solved(in);
    in.transportUnitWeight = 11.0;
    const TubeSolution heavierMedium = solved(in);
    EXPECT_EQ(heavierMedium.maxHeight, standard.maxHeight);
    EXPECT_EQ(heavierMedium.inletPressure, standard.inletPressure);

    TubeInput sludge;
    sludge.twoSlurryLayers = false;
    sludge.slurryUnitWeightLower = sludge.slurryUnitWeightUpper = 10.2;
    sludge.fluidHeightLower = 0; // the lower fluid's 10.0 lies unused
    const TubeSolution s = checkAgainstReference(sludge);
    EXPECT_NEAR(s.maxHeight, 2.305, 5e-4);
    EXPECT_NEAR(s.inletPressure, 10.50, 5e-3);
}

// A zone as heavy as the water around it has a constant net pressure: its
// membrane is a circular arc; a tube of only such zones is a circle.
TEST(ExactSolver, ZonesWithoutNetUnitWeight)
{
    TubeInput arc; // upper slurry as heavy as the water, which covers the tube
    arc.slurryUnitWeightUpper = arc.fluidUnitWeightLower = 10.0;
    arc.fluidHeightLower = 5.0;
    checkAgainstReference(arc);

    TubeInput circle = arc;
    circle.twoSlurryLayers = false;
    circle.slurryUnitWeightLower = 10.0;
    const double tension = 25.0;
    circle.ultimateStrength = tension * reductionFactorProducts(circle).circumferential;
    const TubeSolution s = solved(circle);
    EXPECT_FALSE(s.convergenceWarning);
    EXPECT_LT(relative(s.maxHeight, circle.circumference / kPi), 1e-14);
    EXPECT_LT(relative(s.inletPressure, 2 * kPi * tension / circle.circumference), 1e-14);
    EXPECT_LT(s.baseWidth, 1e-12);
    EXPECT_LT(relative(s.totalArea, circle.circumference * circle.circumference / (4 * kPi)),
              1e-14);

    circle.analysisType = AnalysisType::GivenPressure;
    circle.pumpingPressure = 8.0;
    EXPECT_LT(
        relative(workingTension(circle, solved(circle)), 8.0 * circle.circumference / (2 * kPi)),
        1e-14);
}

// Brent's method on smooth functions with known roots, taking values or only
// their signs: the root to the tolerance in few evaluations.
TEST(RootBracket, FindsKnownRootsInFewSteps)
{
    struct Case
    {
        const char *name;
        double (*f)(double);
        double a, b, root;
        int values, signs; // most evaluations allowed (bisection alone needs 40 to 43)
    };
    const Case cases[] = {
        {"cubic", [](double x) { return x * x * x - 2 * x - 5; }, 2, 3, 2.0945514815423265, 7, 42},
        {"cosine", [](double x) { return std::cos(x) - x; }, 0, 1, 0.73908513321516064, 7, 54},
        {"steep exponential", [](double x) { return std::exp(x) - 10; }, 5, 0, std::log(10.0), 10,
         54},
        {"line", [](double x) { return 3 * x - 1; }, -4, 4, 1.0 / 3, 3, 13},
        {"flat near the root", [](double x) { return std::pow(x - 1, 5); }, 0, 3, 1, 110, 53},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        for (const bool signsOnly : {false, true}) {
            RootBracket bracket(c.a, c.f(c.a), c.b, c.f(c.b), 1e-12);
            int evaluations = 0;
            while (!bracket.converged() && evaluations < 200) {
                const double x = bracket.next();
                if (signsOnly)
                    bracket.updateSign(c.f(x) > 0);
                else
                    bracket.update(c.f(x));
                ++evaluations;
            }
            EXPECT_NEAR(bracket.best(), c.root, 1e-12);
            EXPECT_LE(evaluations, signsOnly ? c.signs : c.values);
        }
    }
}

TEST(ExactSolver, RefusesWhatHasNoShape)
{
    struct Case
    {
        const char *name;
        AnalysisType type;
        void (*change)(TubeInput &);
        int number;
        const char *field;
    };
    const Case cases[] = {
        {"zero pumping pressure", AnalysisType::GivenPressure,
         [](TubeInput &in) { in.pumpingPressure = 0; }, kZeroPumpingPressure, "pumpingPressure"},
        {"a neutral tube below its circle", AnalysisType::GivenHeight,
         [](TubeInput &in) {
             in.twoSlurryLayers = false;
             in.slurryUnitWeightLower = 10.0;
             in.fluidHeightLower = 5.0;
         },
         kNeutralTubeHeight, "desiredMaxHeight"},
        {"slurry lighter than the water", AnalysisType::GivenStrength,
         [](TubeInput &in) { in.slurryUnitWeightUpper = 9.0; }, kSlurryLighterThanFluid,
         "slurryUnitWeightUpper"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ProjectRecord record;
        record.input.analysisType = c.type;
        c.change(record.input);
        const TubeSolution before = record.solution;
        const RunOutcome outcome = solveAnalysis(record, SolutionMethod::Exact);
        ASSERT_TRUE(outcome.refused());
        EXPECT_EQ(outcome.failure->number, c.number);
        EXPECT_EQ(outcome.failure->focusField, c.field);
        EXPECT_NE(outcome.failure->messageText.find("Please correcet"), std::string::npos);
        EXPECT_FALSE(record.state.resultsValid);
        EXPECT_EQ(record.solution.totalArea, before.totalArea);
    }
    // The neutral tube's message gives its diameter in the units shown.
    for (const auto &[units, diameter] : {std::pair {UnitSystem::SI, "3.18 [m]."},
                                          std::pair {UnitSystem::English, "10.44 [ft]."}}) {
        ProjectRecord record;
        record.display.unitSystem = units;
        record.input.analysisType = AnalysisType::GivenHeight;
        cases[1].change(record.input);
        const RunOutcome outcome = solveAnalysis(record, SolutionMethod::Exact);
        ASSERT_TRUE(outcome.refused());
        EXPECT_NE(outcome.failure->messageText.find(std::string("stands lower than\n") + diameter),
                  std::string::npos)
            << outcome.failure->messageText;
    }
    // The classic method keeps accepting a pumping pressure of zero.
    ProjectRecord classic;
    classic.input.analysisType = AnalysisType::GivenPressure;
    classic.input.pumpingPressure = 0;
    EXPECT_FALSE(solveAnalysis(classic, SolutionMethod::Classic).refused());
}

// At both ends of its range the method stays exact where it can and says why
// where it cannot.
TEST(ExactSolver, NearlyRoundAndVeryFlatTubes)
{
    TubeInput in;
    in.twoSlurryLayers = false;
    in.slurryUnitWeightLower = in.slurryUnitWeightUpper = 12.0;
    in.fluidHeightLower = 0;
    in.analysisType = AnalysisType::GivenHeight;
    struct Case
    {
        double roundness; // 1 - pi H / C
        AccuracyLimit limit;
    };
    for (const Case c :
         {Case {1e-6, AccuracyLimit::None}, Case {3e-8, AccuracyLimit::NearlyRound}}) {
        SCOPED_TRACE(c.roundness);
        in.desiredMaxHeight = in.circumference / kPi * (1 - c.roundness);
        const TubeSolution s = solved(in);
        EXPECT_EQ(s.accuracyLimit, c.limit);
        EXPECT_EQ(s.convergenceWarning, c.limit != AccuracyLimit::None);
        EXPECT_LT(relative(s.computedCircumference, in.circumference), 1e-14);
    }
    in.analysisType = AnalysisType::GivenStrength;
    in.ultimateStrength = 1e-6; // a membrane far too weak to lift the slurry
    const TubeSolution flat = solved(in);
    EXPECT_EQ(flat.accuracyLimit, AccuracyLimit::TooFlat);
    EXPECT_TRUE(flat.convergenceWarning);
    EXPECT_TRUE(std::isfinite(flat.totalArea));
}

} // namespace
} // namespace vendrix
