// The eighteen lines of the numerical results summary.

#include "engine/numerical_results.h"
#include "record_variants.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

namespace vendrix {
namespace {

using Lines = std::array<std::string, kNumericalResultsLines>;

ProjectRecord recordWithResults()
{
    ProjectRecord r;
    TubeSolution &s = r.solution;
    s.computedCircumference = 9.963;
    s.inletPressure = 11.715;
    s.totalArea = 7.664;
    s.ultimateStrengthCircumferential = 100;
    s.ultimateStrengthAxial = 58.57;
    test::setOutline(
        s,
        {.maxHeight = 2.6805, .maxWidth = 3.4899, .heightAtMaxWidth = 1.2252, .baseWidth = 1.1167});
    s.areaLowerSlurry = 2.8812;
    s.areaUpperSlurry = 4.7829;
    r.consolidation.consolidatedArea = 6.5;
    r.consolidation.finalHeight = 2.1;
    r.state.resultsValid = true;
    r.state.shapeShown = Shape::AsFilled;
    return r;
}

void expectLines(const Lines &actual, const Lines &expected)
{
    for (int n = 0; n < kNumericalResultsLines; ++n)
        EXPECT_EQ(actual[n], expected[n]) << "line " << n + 1;
}

struct Summary
{
    const char *name;
    int englishUnits, asianPacific;
    AnalysisType objective;
    int twoLayers;
    Shape shapeShown;
    Lines expected;
};

// The whole summary for each unit system, objective and shape.
const Summary kSummaries[] = {
    {"SI, Western, given strength, two layers, as filled",
     0,
     0,
     AnalysisType::GivenStrength,
     1,
     Shape::AsFilled,
     {"Results correspond to a circumference of tube of 10.0 [m] and",
      "ULTIMATE geosynthetic strength of 100 [kN/m].",
      "Tensial force at WORKING conditions = 26 [kN/m]", "Required ULTIMATE strength = 100 [kN/m]",
      "Tensial force at WORKING conditions = 15 [kN/m]", "Required ULTIMATE strength = 59 [kN/m]",
      "Maximum height of tube,  H = 2.7 [m]", "Maximum width of tube,  W = 3.5 [m]",
      "(max. width is at height 1.2 [m] from base)", "Ratio    H / W  = 0.768",
      "Width of base of tube resting on foundation soil = 1.1 [m]",
      "Cross-sectional area of lower layer of slurry = 2.9 [m \xB2]",
      "Cross-sectional area of upper layer of slurry = 4.8 [m \xB2]",
      "Total storage capacity of tube per unit length = 7.7 [m \xB3/m]",
      "Net pumping pressure within tube at inlet = 11.7 [kPa]", "", "", ""}},
    {"English, Asian Pacific, given height, one layer, Option 2",
     1,
     1,
     AnalysisType::GivenHeight,
     0,
     Shape::Option2,
     {"Results correspond to a circumference of tube of 32.7 [ft] and",
      "maximum tube height of 8.8 [ft].", "Tensial force at WORKING conditions = 1757 [lb/ft]",
      "Required ULTIMATE strength = 6852 [lb/ft]",
      "Tensial force at WORKING conditions = 1029 [lb/ft]",
      "Required ULTIMATE strength = 4013 [lb/ft]", "Maximum height of tube,  H = 8.8 [ft]",
      "Maximum width of tube,  W = 11.4 [ft]", "(max. width is at height 4.0 [ft] from base)",
      "Ratio    H / W  = 0.768", "Width of base of tube resting on foundation soil = 3.7 [ft]",
      "Cross-sectional area of layer of slurry = 31.0 [ft^2]", "",
      "Total storage capacity of tube per unit length = 82.5 [ft^3/ft]",
      "Net pumping pressure within tube at inlet = 1.7 [psi]",
      "Unit weight of consolidated (saturated) fill = 76.4 [lb/ft^3]",
      "Consolidated cross-section area = 70.0 [ft^2]", "Final height,  H = 6.9 [ft]"}},
    {"SI, Western, given pressure, Option 1",
     0,
     0,
     AnalysisType::GivenPressure,
     1,
     Shape::Option1,
     {"Results correspond to a circumference of tube of 10.0 [m] and",
      "pumping pressure of 11.7 [kPa].", "Tensial force at WORKING conditions = 26 [kN/m]",
      "Required ULTIMATE strength = 100 [kN/m]", "Tensial force at WORKING conditions = 15 [kN/m]",
      "Required ULTIMATE strength = 59 [kN/m]", "Maximum height of tube,  H = 2.7 [m]",
      "Maximum width of tube,  W = 3.5 [m]", "(max. width is at height 1.2 [m] from base)",
      "Ratio    H / W  = 0.768", "Width of base of tube resting on foundation soil = 1.1 [m]",
      "Cross-sectional area of lower layer of slurry = 2.9 [m \xB2]",
      "Cross-sectional area of upper layer of slurry = 4.8 [m \xB2]",
      "Total storage capacity of tube per unit length = 7.7 [m \xB3/m]",
      "Net pumping pressure within tube at inlet = 11.7 [kPa]",
      "Unit weight of consolidated (saturated) fill = 12.0 [kN/m \xB3]",
      "Consolidated cross-section area = 6.5 [m \xB2]", "Final height,  H = 2.1 [m]"}},
};
TEST(NumericalResults, WholeSummaries)
{
    for (const Summary &c : kSummaries) {
        SCOPED_TRACE(c.name);
        ProjectRecord r = recordWithResults();
        r.display.unitSystem = c.englishUnits ? UnitSystem::English : UnitSystem::SI;
        r.display.asianPacific = c.asianPacific;
        r.input.analysisType = c.objective;
        r.input.twoSlurryLayers = c.twoLayers;
        r.state.shapeShown = c.shapeShown;
        expectLines(numericalResultsLines(r), c.expected);
    }
    // The classic given-pressure search solves one slurry: one area.
    ProjectRecord r = recordWithResults();
    r.input.analysisType = AnalysisType::GivenPressure;
    r.solution.method = SolutionMethod::Classic;
    const auto lines = numericalResultsLines(r);
    EXPECT_EQ(lines[11], "Cross-sectional area of slurry = 7.7 [m \xB2]");
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(lines[13], "");
}

TEST(NumericalResults, LabelsFollowUnitsAndExponentStyle)
{
    // Lines 13, 14 and 16 (0-based index) and what their values follow.
    const std::pair<size_t, std::string> labels[] = {
        {12, "Cross-sectional area of upper layer of slurry = "},
        {13, "Total storage capacity of tube per unit length = "},
        {15, "Unit weight of consolidated (saturated) fill = "},
    };
    const std::pair<test::UnitStyle, std::array<const char *, 3>> cases[] = {
        {{UnitSystem::SI, false}, {"4.8 [m \xB2]", "7.7 [m \xB3/m]", "12.0 [kN/m \xB3]"}},
        {{UnitSystem::SI, true}, {"4.8 [m^2]", "7.7 [m^3/m]", "12.0 [kN/m^3]"}},
        {{UnitSystem::English, false},
         {"51.5 [ft \xB2]", "82.5 [ft \xB3/ft]", "76.4 [lb/ft \xB3]"}},
        {{UnitSystem::English, true}, {"51.5 [ft^2]", "82.5 [ft^3/ft]", "76.4 [lb/ft^3]"}},
    };
    for (const auto &[style, values] : cases) {
        SCOPED_TRACE(test::traceName(style));
        ProjectRecord r = recordWithResults();
        test::applyStyle(r, style);
        r.state.shapeShown = Shape::Option1;
        const Lines lines = numericalResultsLines(r);
        for (size_t i = 0; i < values.size(); ++i)
            EXPECT_EQ(lines[labels[i].first], labels[i].second + values[i]);
    }
}

TEST(NumericalResults, ConsolidationLinesOnlyForAConsolidatedShape)
{
    for (const std::optional<Shape> shown : test::kEveryShownShape) {
        SCOPED_TRACE(test::traceName(shown));
        ProjectRecord r = recordWithResults();
        r.state.shapeShown = shown;
        const Lines lines = numericalResultsLines(r);
        const bool consolidated = shown == Shape::Option1 || shown == Shape::Option2;
        for (int n = 15; n < 18; ++n)
            EXPECT_EQ(lines[n].empty(), !consolidated) << "line " << n + 1;
    }
}

TEST(NumericalResults, FailedRunShowsZeros)
{
    ProjectRecord r;
    r.state.resultsValid = true;
    r.solution.convergenceWarning = true;
    // Reduction factors that multiply to 0 are used as 0.0001, as in the run.
    r.input.rfCreep = 0;
    const Lines lines = numericalResultsLines(r);
    EXPECT_EQ(lines[2], "Tensial force at WORKING conditions = 0 [kN/m]");
    EXPECT_EQ(lines[3], "Required ULTIMATE strength = 0 [kN/m]");
    EXPECT_EQ(lines[4], "Tensial force at WORKING conditions = 0 [kN/m]");
    EXPECT_EQ(lines[9], "Ratio    H / W  = 0.000");
    EXPECT_EQ(lines[10], "Width of base of tube resting on foundation soil = 0.0 [m]");
}

TEST(NumericalResults, WorkingTensionUsesTheCrossedSeamFactors)
{
    ProjectRecord r = recordWithResults();
    r.input.rfSeamAxial = 4.0; // circumferential product 4 × 1.5 × 1.0 × 1.3 = 7.8
    r.input.rfSeamCircumferential = 1.0; // axial product 1.95
    const Lines lines = numericalResultsLines(r);
    EXPECT_EQ(lines[2], "Tensial force at WORKING conditions = 13 [kN/m]"); // 100 / 7.8
    EXPECT_EQ(lines[4], "Tensial force at WORKING conditions = 30 [kN/m]"); // 58.57 / 1.95
}

TEST(NumericalResults, SmallResultsShowTwoSignificantDigits)
{
    // A flat tube: tensions below 1 kN/m, a base width below 0.05 m.
    ProjectRecord r = recordWithResults();
    r.input.rfSeamAxial = 4.0; // circumferential product 7.8
    r.input.rfSeamCircumferential = 1.0; // axial product 1.95
    r.solution.ultimateStrengthCircumferential = 3.9; // working 3.9 / 7.8 = 0.5
    r.solution.ultimateStrengthAxial = 0.0123;
    r.solution.baseWidth = 0.0042;
    r.solution.inletPressure = -0.03;
    const Lines lines = numericalResultsLines(r);
    EXPECT_EQ(lines[2], "Tensial force at WORKING conditions = 0.50 [kN/m]");
    EXPECT_EQ(lines[3], "Required ULTIMATE strength = 4 [kN/m]");
    EXPECT_EQ(lines[4], "Tensial force at WORKING conditions = 0.0063 [kN/m]"); // / 1.95
    EXPECT_EQ(lines[5], "Required ULTIMATE strength = 0.012 [kN/m]");
    EXPECT_EQ(lines[10], "Width of base of tube resting on foundation soil = 0.0042 [m]");
    EXPECT_EQ(lines[14], "Net pumping pressure within tube at inlet = -0.030 [kPa]");
}

} // namespace
} // namespace vendrix
