// The analysis run: the height check, the solver input it prepares and what it
// stores.

#include "engine/analysis_run.h"
#include "engine/classic_run.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vendrix {
namespace {

TEST(AnalysisRun, RefusesAHeightAboveTheIdealDiameter)
{
    struct Case
    {
        int englishUnits;
        const char *message;
    };
    const Case cases[] = {
        {0,
         "Maximum desired height of tube should not exceed 3.18 [m]\n"
         "i.e., the diameter of an ideal circular tube having the given\n"
         "circumference of 10.00 [m].\n\nPlease correcet"},
        {1,
         "Maximum desired height of tube should not exceed 10.44 [ft]\n"
         "i.e., the diameter of an ideal circular tube having the given\n"
         "circumference of 32.81 [ft].\n\nPlease correcet"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.englishUnits);
        ProjectRecord r;
        r.display.unitSystem = c.englishUnits ? UnitSystem::English : UnitSystem::SI;
        r.input.analysisType = AnalysisType::GivenHeight;
        r.input.desiredMaxHeight = 3.19;
        r.solution.maxHeight = 1.25; // an earlier run's result stays
        r.state.resultsValid = false;
        const RunOutcome outcome = runAnalysis(r, SolutionMethod::Classic);
        EXPECT_TRUE(outcome.refused());
        EXPECT_EQ(outcome.failure->errorNumberText(), "Error No.302");
        EXPECT_EQ(outcome.failure->messageText, c.message);
        EXPECT_EQ(outcome.passes, 0);
        EXPECT_EQ(r.state.resultsValid, 0);
        EXPECT_EQ(r.solution.maxHeight, 1.25);
        EXPECT_EQ(r.solution.totalArea, 0.0);
    }
}

TEST(AnalysisRun, HeightUpToTheIdealDiameterRuns)
{
    struct Case
    {
        int englishUnits;
        double height; // m
    };
    const Case cases[] = {
        {0, 3.183},
        {0, 10.0 * 0.31830988614222805},
        {1, 10.0 * 0.31830988614222805},
        {1, 3.0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.height);
        ProjectRecord r;
        r.display.unitSystem = c.englishUnits ? UnitSystem::English : UnitSystem::SI;
        r.input.analysisType = AnalysisType::GivenHeight;
        r.input.desiredMaxHeight = c.height;
        const RunOutcome outcome = runAnalysis(r, SolutionMethod::Classic);
        EXPECT_FALSE(outcome.refused());
        EXPECT_GT(outcome.passes, 0);
        EXPECT_EQ(r.state.resultsValid, 1);
    }
    // Only the given-height objective checks the height.
    ProjectRecord r;
    r.input.desiredMaxHeight = 5.0;
    EXPECT_FALSE(runAnalysis(r, SolutionMethod::Classic).refused());
}

TEST(AnalysisRun, SolverInputOfTheInitialProject)
{
    const SolverInput s = buildSolverInput(TubeInput {});
    EXPECT_EQ(s.analysisType, AnalysisType::GivenStrength);
    EXPECT_DOUBLE_EQ(s.circumferenceFt, 32.8084);
    EXPECT_DOUBLE_EQ(s.slurrySpecificGravityLower, 12.0 / 9.80736);
    EXPECT_DOUBLE_EQ(s.slurrySpecificGravityUpper, 11.0 / 9.80736);
    EXPECT_DOUBLE_EQ(s.fluidSpecificGravityLower, 10.0 / 9.80736);
    EXPECT_EQ(s.fluidSpecificGravityUpper, 0.0);
    EXPECT_DOUBLE_EQ(s.slurryHeightLowerFt, 3.28084);
    EXPECT_DOUBLE_EQ(s.fluidHeightLowerFt, 6.56168);
    // 100 kN/m over RF 2 × 1.5 × 1.0 × 1.3, in lb/in.
    EXPECT_DOUBLE_EQ(s.workingTensionLbPerIn, 100.0 / 3.9 * 68.519 / 12);
    EXPECT_DOUBLE_EQ(s.desiredMaxHeightFt, 2.5 * 3.28084);
    EXPECT_DOUBLE_EQ(s.inletPressurePsi, 20 * 0.145 + 0.04);
    EXPECT_NEAR(s.transportUnitWeightPcf, 62.43, 1e-6);
}

TEST(AnalysisRun, SolverInputEdgeCases)
{
    {
        SCOPED_TRACE("zero pumping pressure");
        TubeInput in;
        in.analysisType = AnalysisType::GivenPressure;
        in.pumpingPressure = 0;
        const SolverInput s = buildSolverInput(in);
        EXPECT_EQ(s.analysisType, AnalysisType::GivenPressure);
        EXPECT_DOUBLE_EQ(s.inletPressurePsi, 0.04);
    }
    {
        SCOPED_TRACE("one slurry layer");
        TubeInput in;
        in.twoSlurryLayers = false;
        const SolverInput s = buildSolverInput(in);
        EXPECT_EQ(s.slurryHeightLowerFt, s.circumferenceFt);
    }
    {
        SCOPED_TRACE("upper slurry as heavy as the lower fluid");
        TubeInput in;
        in.slurryUnitWeightUpper = 10.0;
        const SolverInput s = buildSolverInput(in);
        EXPECT_DOUBLE_EQ(s.slurrySpecificGravityLower, 12.0 * 0.10196423910206213 + 0.045);
        EXPECT_DOUBLE_EQ(s.slurrySpecificGravityUpper, 10.0 * 0.10196423910206213 + 0.045);
        EXPECT_DOUBLE_EQ(s.fluidSpecificGravityLower, 10.0 * 0.10196423910206213);
        EXPECT_EQ(in.slurryUnitWeightUpper, 10.0);
    }
    {
        SCOPED_TRACE("upper slurry clearly heavier than the lower fluid");
        TubeInput in;
        in.slurryUnitWeightUpper = 10.6; // 0.054 apart in specific gravity
        const SolverInput s = buildSolverInput(in);
        EXPECT_DOUBLE_EQ(s.slurrySpecificGravityUpper, 10.6 * 0.10196423910206213);
    }
    {
        SCOPED_TRACE("reduction factors whose product is below 0.0001");
        TubeInput in;
        in.rfInstallationDamage = in.rfDurability = in.rfCreep = 0.01;
        in.rfSeamAxial = in.rfSeamCircumferential = 0.5;
        const SolverInput s = buildSolverInput(in);
        EXPECT_DOUBLE_EQ(s.workingTensionLbPerIn, 100.0 / 0.0001 * 5.7099166666666665);
    }
}

TEST(AnalysisRun, StoresTheResultsInSi)
{
    ProjectRecord r;
    // Both products are 1e-8 and are used as 0.0001.
    r.input.rfInstallationDamage = 0.001;
    r.input.rfCreep = 0.01;
    r.input.rfSeamAxial = r.input.rfSeamCircumferential = 0.001;
    const RunOutcome outcome = solveAnalysis(r, SolutionMethod::Classic);
    EXPECT_FALSE(outcome.refused());
    EXPECT_EQ(r.state.resultsValid, 1);
    // The given strength comes back as the required strength, with the
    // product of reduction factors raised to 0.0001 both ways.
    EXPECT_NEAR(r.solution.ultimateStrengthCircumferential, 100.0, 1e-9);
    EXPECT_GT(r.solution.ultimateStrengthAxial, 0);

    ProjectRecord plain;
    runAnalysis(plain, SolutionMethod::Classic);
    const TubeSolution &s = plain.solution;
    EXPECT_NEAR(s.ultimateStrengthCircumferential, 100.0, 1e-9);
    EXPECT_GT(s.ultimateStrengthAxial, 0);
    EXPECT_LT(s.ultimateStrengthAxial, s.ultimateStrengthCircumferential);
    EXPECT_NEAR(s.computedCircumference, 10.0, 0.05);
    EXPECT_GT(s.inletPressure, 0);
}

TEST(AnalysisRun, RunWithWarningStillEnablesTheResults)
{
    ProjectRecord r;
    r.input.ultimateStrength = 2;
    r.solution.totalArea = 99;
    const RunOutcome outcome = runAnalysis(r, SolutionMethod::Classic);
    EXPECT_FALSE(outcome.refused());
    EXPECT_EQ(r.solution.convergenceWarning, 1);
    EXPECT_EQ(r.state.resultsValid, 1);
    EXPECT_NE(r.solution.totalArea, 99);
}

// The Run alone decides, for the desktop and the batch alike, whether results
// are valid, which shape is shown and whether the notice applies.
TEST(AnalysisRun, OutcomeDecidesValidityShapeAndWarning)
{
    const struct
    {
        const char *name;
        void (*change)(TubeInput &);
        SolutionMethod method;
        int refusedWith; // -1: not refused
        bool warning;
    } rows[] = {
        {"initial", [](TubeInput &) {}, SolutionMethod::Exact, -1, false},
        {"weak", [](TubeInput &in) { in.ultimateStrength = 2; }, SolutionMethod::Classic, -1, true},
        {"stored rule", [](TubeInput &in) { in.rfCreep = 0.5; }, SolutionMethod::Exact, 201, false},
        {"no circumference", [](TubeInput &in) { in.circumference = 0; }, SolutionMethod::Exact,
         108, false},
        {"above the diameter",
         [](TubeInput &in) {
             in.analysisType = AnalysisType::GivenHeight;
             in.desiredMaxHeight = 3.19;
         },
         SolutionMethod::Exact, 302, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ProjectRecord r;
        row.change(r.input);
        r.state.shapeShown = Shape::Option2; // a refusal keeps the state as it was
        r.state.resultsValid = false;
        const RunOutcome outcome = runAnalysis(r, row.method);
        const bool refused = row.refusedWith >= 0;
        ASSERT_EQ(outcome.refused(), refused);
        if (refused) {
            EXPECT_EQ(outcome.failure->number, row.refusedWith);
        }
        EXPECT_EQ(r.state.resultsValid, !refused);
        EXPECT_EQ(r.state.shapeShown, refused ? Shape::Option2 : Shape::AsFilled);
        EXPECT_EQ(outcome.warning, row.warning);
    }
}

// No tube has a circumference of zero or less: every caller of the run gets
// the refusal, and the record keeps its last results.
TEST(AnalysisRun, CircumferenceNotAboveZeroIsRefused)
{
    for (double circumference : {0.0, -4.0, std::nan("")}) {
        SCOPED_TRACE(circumference);
        ProjectRecord r;
        ASSERT_FALSE(runAnalysis(r).refused());
        const TubeSolution before = r.solution;
        r.input.circumference = circumference;
        const RunOutcome outcome = runAnalysis(r);
        EXPECT_TRUE(outcome.refused());
        EXPECT_EQ(outcome.failure->errorNumberText(), "Error No.108");
        EXPECT_NE(outcome.failure->messageText.find("greater than zero"), std::string::npos);
        EXPECT_EQ(r.solution.maxHeight, before.maxHeight);
    }
}

} // namespace
} // namespace vendrix
