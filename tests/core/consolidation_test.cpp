#include "post/consolidation.h"

#include "engine/analysis_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace vendrix {
namespace {

ProjectRecord solvedInitialProject()
{
    ProjectRecord record;
    runAnalysis(record);
    return record;
}

TEST(Consolidation, RatiosOfTheReferenceCase)
{
    TubeInput input;
    input.specificGravitySolids = 2.7;
    input.slurryUnitWeightLower = 12.0;
    input.transportUnitWeight = 9.8073607;
    input.consolidatedUnitWeight = 14.0;
    const ConsolidationRatios ratios = consolidationRatios(input);
    EXPECT_NEAR(ratios.initialWaterContent, 2.445873, 5e-7);
    EXPECT_NEAR(ratios.finalWaterContent, 1.102450, 5e-7);
    EXPECT_NEAR(ratios.settlementRatio, 0.477026, 5e-7);

    ProjectRecord record = solvedInitialProject();
    record.input.consolidatedUnitWeight = 14.0;
    computeConsolidationOption1(record);
    const double area1 = record.consolidation.consolidatedArea;
    double yMax = 0;
    for (int i = 0; i < kProfilePoints; ++i)
        yMax = std::max(yMax, record.solution.profileY[static_cast<size_t>(i)]);
    EXPECT_NEAR(area1, 0.522974 * record.solution.totalArea, 1e-6 * record.solution.totalArea);
    EXPECT_NEAR(record.consolidation.finalHeight, 0.522974 * yMax, 1e-6 * yMax);
    computeConsolidationOption2(record);
    EXPECT_EQ(record.consolidation.consolidatedArea, area1);
    EXPECT_DOUBLE_EQ(record.consolidation.finalHeight, area1 / record.solution.maxWidth);
    // Option 2 leaves the Option 1 arrays.
    EXPECT_GT(record.consolidation.shapeY[200], 0);
}

TEST(Consolidation, NoDensificationLeavesTheShape)
{
    ProjectRecord record = solvedInitialProject();
    record.input.consolidatedUnitWeight = record.input.slurryUnitWeightLower;
    computeConsolidationOption1(record);
    EXPECT_EQ(record.consolidation.shapeX[0], 0);
    EXPECT_EQ(record.consolidation.shapeY[0], 0);
    for (int i = 1; i < kProfileArraySize; ++i) {
        SCOPED_TRACE(i);
        EXPECT_DOUBLE_EQ(record.consolidation.shapeX[static_cast<size_t>(i)],
                         record.solution.profileX[static_cast<size_t>(i - 1)]);
        EXPECT_DOUBLE_EQ(record.consolidation.shapeY[static_cast<size_t>(i)],
                         record.solution.profileY[static_cast<size_t>(i - 1)]);
    }
    EXPECT_DOUBLE_EQ(record.consolidation.consolidatedArea, record.solution.totalArea);
    EXPECT_DOUBLE_EQ(record.consolidation.finalHeight, record.solution.maxHeight);
}

// Before the top is flattened: the bottom up to the widest point stays, points
// over the flat base settle by r times their height, the others by less.
TEST(Consolidation, RawShapeSettlesByTheRatioTimesTheFillBeneath)
{
    ProjectRecord record = solvedInitialProject();
    record.input.consolidatedUnitWeight = 14.0;
    computeConsolidationOption1(record);
    const double r = 0.477026; // the reference case above
    const TubeSolution &s = record.solution;
    const ConsolidationResult &c = record.consolidation;
    const auto at = [](int i) { return static_cast<size_t>(i); };
    int widest = 0;
    for (int i = 1; i < kProfilePoints; ++i)
        widest = s.profileX[at(i)] > s.profileX[at(widest)] ? i : widest;
    int overBase = 0;
    for (int i = 0; i < kProfilePoints; ++i) {
        SCOPED_TRACE(i);
        const double x = s.profileX[at(i)], y = s.profileY[at(i)];
        EXPECT_EQ(c.rawShapeX[at(i + 1)], x);
        if (i < widest) {
            EXPECT_EQ(c.rawShapeY[at(i + 1)], y);
        } else if (x < s.profileX[0]) {
            EXPECT_NEAR(c.rawShapeY[at(i + 1)], (1 - r) * y, 1e-6 * y);
            ++overBase;
        } else {
            EXPECT_GT(c.rawShapeY[at(i + 1)], (1 - r) * y);
            EXPECT_LE(c.rawShapeY[at(i + 1)], y);
        }
    }
    EXPECT_GT(overBase, 30);
}

TEST(Consolidation, StrongConsolidationFlattensTheTopAndKeepsTheRawShape)
{
    ProjectRecord record = solvedInitialProject();
    record.input.slurryUnitWeightLower = 10.2;
    record.input.consolidatedUnitWeight = 20.0;
    computeConsolidationOption1(record);
    const ConsolidationResult &c = record.consolidation;
    // The raw top dips below its highest point beside the widest point...
    double rawMin = 1e9;
    int rawMinIndex = 0;
    for (int k = 181; k <= 361; ++k) {
        if (c.rawShapeY[static_cast<size_t>(k)] < rawMin) {
            rawMin = c.rawShapeY[static_cast<size_t>(k)];
            rawMinIndex = k;
        }
    }
    ASSERT_GT(rawMinIndex - 1, 182) << "the case must be extreme";
    // ...the final top is flat at the lowest level up to that point...
    for (int t = 183; t < rawMinIndex; ++t)
        EXPECT_DOUBLE_EQ(c.shapeY[static_cast<size_t>(t)], rawMin) << t;
    // ...and some bottom point sags below its raw height.
    bool sagged = false;
    for (int i = 1; i < 181; ++i)
        sagged |= c.shapeY[static_cast<size_t>(i)] < c.rawShapeY[static_cast<size_t>(i)];
    EXPECT_TRUE(sagged);
}

// Of two equally low points on the settled top, the one nearer the crest sets
// how far the top is flattened (a made-up outline, without settlement).
TEST(Consolidation, EquallyLowPointsFlattenUpToTheOneNearerTheCrest)
{
    ProjectRecord record;
    record.input.consolidatedUnitWeight = record.input.slurryUnitWeightLower;
    TubeSolution &s = record.solution;
    for (int j = 0; j < kProfilePoints; ++j) {
        const bool bottom = j <= 180; // up to the widest point
        s.profileX[static_cast<size_t>(j)] = bottom ? 1 + 2.5 * j / 180 : 3.5 * (360 - j) / 180;
        s.profileY[static_cast<size_t>(j)] = bottom ? 0.6 * j / 180
            : j == 220 || j == 300                  ? 0.55
                                                    : 2.0;
    }
    computeConsolidationOption1(record);
    for (int j = 181; j < kProfilePoints; ++j)
        EXPECT_EQ(record.consolidation.shapeY[static_cast<size_t>(j + 1)], j <= 300 ? 0.55 : 2.0)
            << j;
}

TEST(Consolidation, ZeroWidthGivesAFiniteHeight)
{
    ProjectRecord record;
    record.solution.totalArea = 1.0;
    computeConsolidationOption2(record);
    // The area over the smallest width, 0.1 mm; a width just above it divides.
    EXPECT_EQ(record.consolidation.finalHeight, record.consolidation.consolidatedArea / 0.0001);
    record.solution.maxWidth = 0.00012;
    computeConsolidationOption2(record);
    EXPECT_EQ(record.consolidation.finalHeight, record.consolidation.consolidatedArea / 0.00012);
    computeConsolidationOption1(record);
    EXPECT_EQ(record.consolidation.finalHeight, 0);
}

TEST(Consolidation, ChecksInTheirOrder)
{
    struct Case
    {
        int english, asian;
        double gs, shownFill;
        const char *number, *focus;
        std::string message;
    };
    const auto tooLight = [](const char *starting) {
        return std::string("Final saturated unit weight of slurry should not be smaller than\n"
                           "that of starting slurry unit weight (")
            + starting + ").\n\nPlease correcet";
    };
    const Case cases[] = {
        {0, 0, 1.0, 12.0, nullptr, nullptr, ""},
        {0, 0, 0.999, 12.0, "Error No.402", "specificGravitySolids",
         "Specific gravity of solids, Gs, cannot be smaller than 1.0.\n\nPlease correcet"},
        {0, 0, 0.5, 11.9999, "Error No.401", "consolidatedUnitWeight",
         tooLight("12.000 kN/m \xB3")},
        {0, 1, 2.7, 11, "Error No.401", "consolidatedUnitWeight", tooLight("12.000 kN/m^3")},
        {1, 0, 2.7, 76, "Error No.401", "consolidatedUnitWeight", tooLight("76.388 lb/ft \xB3")},
        {1, 1, 2.7, 76, "Error No.401", "consolidatedUnitWeight", tooLight("76.388 lb/ft^3")},
        {1, 0, 2.7, 12 * 6.365627, nullptr, nullptr, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.gs);
        ProjectRecord record;
        record.display.unitSystem = c.english ? UnitSystem::English : UnitSystem::SI;
        record.display.asianPacific = c.asian;
        const auto failure = checkConsolidationData(record, c.gs, c.shownFill);
        ASSERT_EQ(failure.has_value(), c.number != nullptr);
        if (failure) {
            EXPECT_EQ(failure->errorNumberText(), c.number);
            EXPECT_EQ(failure->focusField, c.focus);
            EXPECT_EQ(failure->messageText, c.message);
        }
    }
}

} // namespace
} // namespace vendrix
