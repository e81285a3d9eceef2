// The cross-section scene: what the screen picture and the printed pages show,
// decided once from the record, and the two styles that place it.
#include "engine/analysis_run.h"
#include "graphics/cross_section_drawing.h"
#include "graphics/cross_section_scene.h"
#include "graphics/cross_section_style.h"
#include "graphics/tube_outline.h"
#include "model/c_format.h"
#include "post/consolidation.h"

#include <gtest/gtest.h>

using namespace vendrix;

namespace {

ProjectRecord solvedProject()
{
    ProjectRecord record;
    EXPECT_FALSE(runAnalysis(record).refused());
    record.input.consolidatedUnitWeight = 14;
    computeConsolidationOption1(record);
    return record;
}

} // namespace

TEST(CrossSectionScene, InitialProjectHoldsItsLevelsLabelsAndLayers)
{
    const ProjectRecord record = solvedProject();
    const ProfileExtent extent = profileExtent(record.solution);
    const std::string width = "Width = " + formatResult(1, 2 * extent.halfWidth) + " [m]";
    const std::string height = "H = " + formatResult(1, extent.crestHeight) + " [m]";
    struct Case
    {
        SceneMedium medium;
        Shape shape;
        const char *title;
        std::size_t results;
        bool lowerLayer, option1Outline;
    };
    const Case cases[] = {
        {SceneMedium::Screen, Shape::AsFilled, "Results of Analysis Type: A.", 5, true, false},
        {SceneMedium::Screen, Shape::Option1, "Consolidated Shape", 4, false, true},
        {SceneMedium::Page, Shape::AsFilled, "CROSS-SECTION:", 5, true, false},
        {SceneMedium::Page, Shape::Option1, "CROSS-SECTION AFTER CONSOLIDATION:  OPTION #1", 4,
         false, true},
        {SceneMedium::Page, Shape::Option2, "CROSS-SECTION AFTER CONSOLIDATION:  OPTION #2", 4,
         false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.title);
        const CrossSectionScene scene = crossSectionScene(record, c.shape, c.medium);
        EXPECT_EQ(scene.title, c.title);
        EXPECT_DOUBLE_EQ(scene.halfWidth, extent.halfWidth);
        EXPECT_DOUBLE_EQ(scene.crestHeight, extent.crestHeight);
        EXPECT_DOUBLE_EQ(scene.water.level, record.input.fluidHeightLower);
        EXPECT_FALSE(scene.water.overWholeTube);
        EXPECT_EQ(scene.widthLabel, width);
        EXPECT_EQ(scene.heightLabel, height);
        EXPECT_EQ(scene.resultLines.size(), c.results);
        EXPECT_TRUE(scene.notice.empty());
        EXPECT_EQ(scene.consolidated(), c.shape != Shape::AsFilled);
        EXPECT_EQ(scene.tubeFill, SceneRole::Tube);
        // The lower layer reaches the entered slurry height and no higher.
        EXPECT_EQ(!scene.lowerLayerHalf.isEmpty(), c.lowerLayer);
        if (c.lowerLayer) {
            EXPECT_DOUBLE_EQ(scene.lowerLayerHalf.boundingRect().bottom(),
                             record.input.slurryHeightLower);
        }
        EXPECT_EQ(!scene.consolidatedHalf.isEmpty(), c.option1Outline);
    }
    // The page prints whole tensions, the screen one decimal.
    const auto screen = crossSectionScene(record, Shape::AsFilled, SceneMedium::Screen);
    const auto page = crossSectionScene(record, Shape::AsFilled, SceneMedium::Page);
    EXPECT_NE(screen.resultLines[3], page.resultLines[3]);
    EXPECT_EQ(screen.resultLines[0], page.resultLines[0]);
}

// Only the classic given-pressure search puts the lower fluid over the whole
// tube; then the tube is one slurry and every label lies in the water.
TEST(CrossSectionScene, GivenPressureWaterBandIsDecidedOnceForEveryObjectiveAndMethod)
{
    struct Case
    {
        AnalysisType objective;
        SolutionMethod method;
        bool overWholeTube;
    };
    const Case cases[] = {
        {AnalysisType::GivenStrength, SolutionMethod::Classic, false},
        {AnalysisType::GivenHeight, SolutionMethod::Classic, false},
        {AnalysisType::GivenPressure, SolutionMethod::Classic, true},
        {AnalysisType::GivenPressure, SolutionMethod::Exact, false},
    };
    ProjectRecord record = solvedProject();
    record.input.fluidHeightLower = 1.0;
    for (const Case &c : cases) {
        SCOPED_TRACE(int(c.objective) * 10 + int(c.method));
        record.input.analysisType = c.objective;
        record.solution.method = c.method;
        for (SceneMedium medium : {SceneMedium::Screen, SceneMedium::Page}) {
            const CrossSectionScene scene = crossSectionScene(record, Shape::AsFilled, medium);
            EXPECT_EQ(scene.water.overWholeTube, c.overWholeTube);
            EXPECT_EQ(scene.tubeFill, c.overWholeTube ? SceneRole::LowerSlurry : SceneRole::Tube);
            EXPECT_EQ(scene.lowerLayerHalf.isEmpty(), c.overWholeTube);
            // Heights in metres, or in drawing units at 100 per metre.
            EXPECT_TRUE(scene.water.holds(0.99));
            EXPECT_EQ(scene.water.holds(1.0), c.overWholeTube);
            EXPECT_TRUE(scene.water.holds(99, 100));
            EXPECT_EQ(scene.water.holds(101, 100), c.overWholeTube);
        }
    }
}

// Both styles put the same metres at the same places relative to the base:
// higher in the tube is higher on the medium, whichever way its y runs.
TEST(CrossSectionStyle, HeightsRiseAboveTheBaseOnScreenAndPage)
{
    TubeSolution solution = solvedProject().solution;
    const CrossSectionLayout layout = crossSectionLayout(solution, 628, 410);
    struct Case
    {
        const char *what;
        CrossSectionStyle style;
        double perMetre; // drawing units per metre
    };
    const Case cases[] = {
        {"screen", screenCrossSectionStyle(layout, false), layout.scale},
        {"page", pageCrossSectionStyle(solution.maxWidth, false), 7000 / solution.maxWidth},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const CrossSectionStyle &s = c.style;
        EXPECT_DOUBLE_EQ(std::abs(s.y(1.0) - s.y(0)), c.perMetre);
        EXPECT_TRUE(s.below(s.y(0.5), s.y(1.0)));
        EXPECT_FALSE(s.below(s.y(1.0), s.y(0.5)));
        EXPECT_TRUE(s.below(s.y(1.0), s.y(1.0, 1)));
        // The crest sits under the label above it.
        EXPECT_TRUE(s.below(s.y(solution.maxHeight), s.y(solution.maxHeight, s.width.labelAbove)));
        EXPECT_TRUE(s.drawsTube);
    }
    EXPECT_FALSE(pageCrossSectionStyle(0, false).drawsTube);
    EXPECT_FALSE(pageCrossSectionStyle(std::nan(""), false).drawsTube);
}
