// The shapes of the analysis run against an independent solution of the
// membrane equations, and the properties every converged profile must have.

#include "engine/analysis_run.h"
#include "engine/classic_pass.h"
#include "engine/reduction_factors.h"
#include "record_variants.h"
#include "solver_reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace vendrix {
namespace {

struct ShapeCase
{
    const char *name;
    AnalysisType objective;
    bool twoLayers;
    bool outsideWater;
    double circumference; // m
    double fluidHeight = 2.0; // m for a 10 m tube; scaled with the tube
};

ProjectRecord recordFor(const ShapeCase &c)
{
    ProjectRecord r;
    TubeInput &in = r.input;
    in.analysisType = c.objective;
    in.circumference = c.circumference;
    in.twoSlurryLayers = c.twoLayers ? 1 : 0;
    if (!c.twoLayers)
        in.slurryUnitWeightUpper = in.slurryUnitWeightLower;
    in.fluidHeightLower = c.fluidHeight;
    if (!c.outsideWater) {
        in.fluidHeightLower = 0;
        in.fluidUnitWeightUpper = 0;
    }
    const double scale = c.circumference / 10;
    in.slurryHeightLower *= scale;
    in.fluidHeightLower *= scale;
    in.desiredMaxHeight *= scale;
    // Tension grows with the square of the size for a similar shape.
    in.ultimateStrength *= scale * scale;
    return r;
}

// The membrane model the stored inputs describe, with the tension the run found.
test::MembraneModel modelFor(const ProjectRecord &r)
{
    const TubeInput &in = r.input;
    // The solver scales every unit weight by the transporting medium.
    const double scale = in.transportUnitWeight * 0.10196423910206213;
    test::MembraneModel m;
    m.tension
        = r.solution.ultimateStrengthCircumferential / reductionFactorProducts(in).circumferential;
    m.slurryLower = in.slurryUnitWeightLower * scale;
    m.slurryUpper = in.slurryUnitWeightUpper * scale;
    m.fluidLower = in.fluidUnitWeightLower * scale;
    m.fluidUpper = in.fluidUnitWeightUpper * scale;
    m.slurryInterface = in.twoSlurryLayers ? in.slurryHeightLower : 1e9;
    m.fluidInterface = in.fluidHeightLower;
    if (in.analysisType == AnalysisType::GivenPressure) {
        // One slurry and one outside fluid up to any height.
        m.slurryUpper = m.slurryLower;
        m.fluidUpper = m.fluidLower;
        m.slurryInterface = m.fluidInterface = 1e9;
    }
    return m;
}

// What every profile of a run that met its objective looks like.
void expectConvergedProfile(const TubeSolution &s, double circumference, double tolerance)
{
    EXPECT_EQ(s.convergenceWarning, 0);
    EXPECT_NEAR(s.computedCircumference, circumference, tolerance * circumference);
    EXPECT_EQ(s.profileY[0], 0.0);
    EXPECT_NEAR(s.profileX[0], s.baseWidth / 2, 1e-12);
    EXPECT_NEAR(s.profileX[360], 0.0, 1e-12);
    EXPECT_DOUBLE_EQ(s.profileY[360], s.maxHeight);
    EXPECT_DOUBLE_EQ(2 * s.profileX[180], s.maxWidth);
    EXPECT_DOUBLE_EQ(s.profileY[180], s.heightAtMaxWidth);
    EXPECT_EQ(s.profileX[361], 0.0);
    EXPECT_EQ(s.profileY[361], 0.0);
    int rises = 0;
    for (int k = 1; k <= 360; ++k)
        rises += s.profileY[k] > s.profileY[k - 1];
    EXPECT_EQ(rises, 360);
    EXPECT_GT(s.baseWidth, 0);
    EXPECT_GT(s.totalArea, 0);
    EXPECT_NEAR(s.areaLowerSlurry + s.areaUpperSlurry, s.totalArea, 1e-9);
}

TEST(SolverShape, AgreesWithTheExactMembraneSolution)
{
    const ShapeCase cases[] = {
        {"strength, two layers", AnalysisType::GivenStrength, true, true, 10},
        {"strength, one layer", AnalysisType::GivenStrength, false, true, 10},
        {"strength, no outside water", AnalysisType::GivenStrength, true, false, 10},
        {"strength, large tube", AnalysisType::GivenStrength, true, true, 40},
        {"strength, water above the crest", AnalysisType::GivenStrength, true, true, 10, 5.0},
        {"strength, water below the slurry interface", AnalysisType::GivenStrength, true, true, 10,
         0.6},
        {"height, two layers", AnalysisType::GivenHeight, true, true, 10},
        {"height, one layer", AnalysisType::GivenHeight, false, true, 10},
        {"height, no outside water", AnalysisType::GivenHeight, true, false, 10},
        {"height, water above the crest", AnalysisType::GivenHeight, true, true, 10, 5.0},
        {"pressure", AnalysisType::GivenPressure, true, true, 10},
        {"pressure, no outside water", AnalysisType::GivenPressure, false, false, 10},
        {"pressure, large tube", AnalysisType::GivenPressure, true, true, 40},
    };
    for (const ShapeCase &c : cases) {
        SCOPED_TRACE(c.name);
        ProjectRecord r = recordFor(c);
        runAnalysis(r, SolutionMethod::Classic);
        const TubeSolution &s = r.solution;
        ASSERT_GT(s.computedCircumference, 0);
        const test::MembraneShape exact = test::solveMembrane(modelFor(r), s.computedCircumference);
        ASSERT_TRUE(exact.valid);

        // The profile points sit every half degree (a step of height of at most
        // H × 0.0087); an interface between two zones takes effect at the next
        // point above it, which moves the shape by a small part of one step.
        const double step = s.maxHeight * 0.0087;
        EXPECT_NEAR(s.maxHeight, exact.maxHeight, step / 4);
        EXPECT_NEAR(s.maxWidth, exact.maxWidth, step / 4);
        EXPECT_NEAR(s.heightAtMaxWidth, exact.heightAtMaxWidth, step / 4);
        EXPECT_NEAR(s.baseWidth, exact.baseWidth, step / 2);
        EXPECT_NEAR(s.totalArea, exact.totalArea, 0.005 * exact.totalArea);
        EXPECT_NEAR(s.inletPressure, exact.crestPressure, 0.01 * exact.crestPressure + 0.05);
        if (c.twoLayers && c.objective != AnalysisType::GivenPressure) {
            EXPECT_NEAR(s.areaLowerSlurry, exact.areaBelowSlurryInterface, exact.maxWidth * step);
        } else {
            EXPECT_EQ(s.areaUpperSlurry, 0.0);
            EXPECT_DOUBLE_EQ(s.areaLowerSlurry, s.totalArea);
        }
        if (!s.convergenceWarning) {
            const double tolerance = c.objective == AnalysisType::GivenStrength ? 0.005 : 0.01;
            expectConvergedProfile(s, r.input.circumference, tolerance);
        }
        if (c.objective == AnalysisType::GivenHeight) {
            EXPECT_LE(s.maxHeight, r.input.desiredMaxHeight + 1e-12);
        }
        if (c.objective == AnalysisType::GivenPressure) {
            const double target = r.input.pumpingPressure + 0.04 / 0.145;
            EXPECT_NEAR(s.inletPressure, target, 0.04 * target);
        }
    }
}

TEST(SolverShape, InitialProjectGivenStrength)
{
    ProjectRecord r;
    const RunOutcome outcome = runAnalysis(r, SolutionMethod::Classic);
    const TubeSolution &s = r.solution;
    expectConvergedProfile(s, 10.0, 0.005);
    EXPECT_NEAR(s.maxHeight, 2.68, 0.01);
    EXPECT_NEAR(s.areaLowerSlurry, 2.88, 0.01);
    EXPECT_NEAR(s.ultimateStrengthCircumferential, 100.0, 1e-9);
    EXPECT_EQ(outcome.zones, 3);
    EXPECT_GT(outcome.passes, 0);
    EXPECT_LT(outcome.passes, 100);
}

TEST(SolverShape, OneLayerHasNoUpperSlurryInEveryObjective)
{
    for (AnalysisType objective : test::kEveryObjective) {
        SCOPED_TRACE(static_cast<int>(objective));
        ProjectRecord r;
        r.input.analysisType = objective;
        r.input.twoSlurryLayers = false;
        r.input.slurryUnitWeightUpper = r.input.slurryUnitWeightLower;
        runAnalysis(r, SolutionMethod::Classic);
        EXPECT_GT(r.solution.totalArea, 0);
        EXPECT_EQ(r.solution.areaUpperSlurry, 0.0);
        EXPECT_EQ(r.solution.areaLowerSlurry, r.solution.totalArea);
    }
}

// A processor without 256-bit vectors takes the same roots and quotients,
// correctly rounded, so every objective gives the same bits on it.
TEST(SolverShape, SameBitsWithoutWideVectors)
{
    for (AnalysisType objective : test::kEveryObjective) {
        SCOPED_TRACE(static_cast<int>(objective));
        ProjectRecord wide, narrow;
        wide.input.analysisType = narrow.input.analysisType = objective;
        const RunOutcome wideOutcome = runAnalysis(wide, SolutionMethod::Classic);
        allowWideVectors(false);
        const RunOutcome narrowOutcome = runAnalysis(narrow, SolutionMethod::Classic);
        allowWideVectors(true);
        EXPECT_EQ(narrowOutcome.passes, wideOutcome.passes);
        EXPECT_EQ(narrow.solution.profileX, wide.solution.profileX);
        EXPECT_EQ(narrow.solution.profileY, wide.solution.profileY);
        EXPECT_EQ(narrow.solution.ultimateStrengthAxial, wide.solution.ultimateStrengthAxial);
        EXPECT_EQ(narrow.solution.inletPressure, wide.solution.inletPressure);
    }
}

TEST(SolverShape, SlurryInterfaceAboveTheCrestLeavesOneLayer)
{
    ProjectRecord r;
    r.input.slurryHeightLower = 5.0; // above any crest of a 10 m tube
    runAnalysis(r, SolutionMethod::Classic);
    EXPECT_EQ(r.solution.convergenceWarning, 0);
    EXPECT_EQ(r.solution.areaUpperSlurry, 0.0);
    EXPECT_EQ(r.solution.areaLowerSlurry, r.solution.totalArea);
}

} // namespace
} // namespace vendrix
