#include "model/dialog_defaults.h"
#include "model/project_record.h"
#include "model/units.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vendrix {
namespace {

TEST(Units, RoundToThousandths)
{
    struct Case
    {
        double in;
        double out;
    };
    const Case cases[] = {
        {2.34567, 2.346}, {2.3444, 2.344}, {-1.2344, -1.233},
        {0.0004, 0.0},    {0.0005, 0.001}, {10.0, 10.0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_NEAR(roundToThousandths(c.in), c.out, 1e-12);
    }
    EXPECT_TRUE(std::isfinite(roundToThousandths(1e12)));
}

TEST(Units, UnitWeightLabelsFollowTheFixedTable)
{
    EXPECT_STREQ(UnitWeightLabels[unitWeightLabelIndex(UnitSystem::SI, false)], "[kN/m \xB3]");
    EXPECT_STREQ(UnitWeightLabels[unitWeightLabelIndex(UnitSystem::SI, true)], "[kN/m^3]");
    EXPECT_STREQ(UnitWeightLabels[unitWeightLabelIndex(UnitSystem::English, false)],
                 "[lb/ft \xB3]");
    EXPECT_STREQ(UnitWeightLabels[unitWeightLabelIndex(UnitSystem::English, true)], "[lb/ft^3]");
    EXPECT_STREQ(unitLabels(UnitSystem::SI, true).area, "[m^2]");
    EXPECT_STREQ(unitLabels(UnitSystem::English, false).volumePerLength, "[ft \xB3/ft]");
}

TEST(Units, EnglishFactors)
{
    const UnitFactors f = UnitFactors::english();
    EXPECT_DOUBLE_EQ(f.length, 3.28084);
    EXPECT_DOUBLE_EQ(f.area, 3.28084 * 3.28084);
    EXPECT_DOUBLE_EQ(10.0 * f.length, 32.8084);
    EXPECT_DOUBLE_EQ(UnitFactors::si().unitWeight, 1.0);
}

TEST(Units, ConsolidatedUnitWeightDefault)
{
    EXPECT_EQ(defaultConsolidatedUnitWeight(12.0), 12.0);
    EXPECT_EQ(defaultConsolidatedUnitWeight(75.0), 75.0);
    EXPECT_EQ(defaultConsolidatedUnitWeight(11.95), 12.0);
}

TEST(ProjectRecord, NewProjectKeepsUnitsAndCurrency)
{
    ProjectRecord record;
    DisplaySettings &display = record.display;
    display.unitSystem = UnitSystem::English;
    display.asianPacific = display.printBlackWhite = true;
    display.omitConsolidationPage = true;
    display.currencyUnit = "\x80";
    record.input.circumference = 30;
    record.info.companyName = "Acme";
    record.state.dataDirectory = "/data";
    record.state.shapeShown = Shape::Option1;
    record.solution.maxHeight = 2;
    record.consolidation.shapeY[5] = 1;
    resetProject(record, "/start");
    EXPECT_EQ(record.display.unitSystem, UnitSystem::English);
    EXPECT_EQ(record.display.currencyUnit, "\x80");
    EXPECT_EQ(record.display.asianPacific, 1);
    EXPECT_EQ(record.display.printBlackWhite, 0);
    EXPECT_EQ(record.display.omitConsolidationPage, 0);
    EXPECT_EQ(record.input.circumference, 10.0);
    EXPECT_EQ(record.input.costPerUnitArea, "0.00");
    EXPECT_EQ(record.info.companyName, "");
    EXPECT_TRUE(record.info.projectPath.empty()); // never saved
    EXPECT_EQ(record.state.dataDirectory, "/data");
    EXPECT_EQ(record.state.startDirectory, "/start");
    EXPECT_EQ(record.state.shapeShown, std::nullopt);
    EXPECT_EQ(record.solution.maxHeight, 0.0);
    EXPECT_EQ(record.consolidation.shapeY[5], 0.0);
}

} // namespace
} // namespace vendrix
