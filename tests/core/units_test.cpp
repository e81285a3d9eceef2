#include "model/dialog_defaults.h"
#include "model/project_record.h"
#include "model/unit_constants.h"
#include "model/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

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
    const struct
    {
        UnitSystem units;
        bool asianPacific;
        const char *labels; // length, force, pressure, unit weight, area, volume
    } cases[] = {
        {UnitSystem::SI, false, "[m][kN/m][kPa][kN/m \xB3][m \xB2][m \xB3/m]"},
        {UnitSystem::SI, true, "[m][kN/m][kPa][kN/m^3][m^2][m^3/m]"},
        {UnitSystem::English, false, "[ft][lb/ft][psi][lb/ft \xB3][ft \xB2][ft \xB3/ft]"},
        {UnitSystem::English, true, "[ft][lb/ft][psi][lb/ft^3][ft^2][ft^3/ft]"},
    };
    for (const auto &c : cases) {
        const UnitLabels l = unitLabels(c.units, c.asianPacific);
        EXPECT_EQ(std::string(l.length) + l.forcePerLength + l.pressure + l.unitWeight + l.area
                      + l.volumePerLength,
                  c.labels);
        EXPECT_STREQ(squareExponent(c.asianPacific), c.asianPacific ? "^2" : " \xB2");
        EXPECT_STREQ(cubeExponent(c.asianPacific), c.asianPacific ? "^3" : " \xB3");
    }
}

TEST(Units, EnglishFactors)
{
    // Each within 0.05 % of the exact conversion (1 ft = 0.3048 m, 1 lbf = 4.44822 N).
    const struct
    {
        double UnitFactors::*factor;
        double english;
    } cases[] = {
        {&UnitFactors::length, 3.28084},
        {&UnitFactors::area, 3.28084 * 3.28084},
        {&UnitFactors::forcePerLength, 68.519},
        {&UnitFactors::unitWeight, 6.365627},
        {&UnitFactors::pumpingPressure, 0.145},
        {&UnitFactors::pressurePsf, 20.8846},
        {&UnitFactors::force, 224.8},
        {&UnitFactors::millimetreToInch, 0.03937},
        {&UnitFactors::kilopascalToPsi, 0.145032},
        {&UnitFactors::squareMillimetreToSquareInch, 0.00155},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(UnitFactors::forSettings(UnitSystem::English).*c.factor, c.english);
        EXPECT_EQ(UnitFactors::forSettings(UnitSystem::SI).*c.factor, 1.0);
    }
    // pi as a double and the rest of it, together pi to long double precision.
    EXPECT_EQ(static_cast<long double>(kPi) + kPiTail, 3.14159265358979323846264338327950288L);
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
    display.asianPacific = display.printBlackWhite = display.screenBlackWhite = true;
    display.omitConsolidationPage = true;
    record.state.projectOpen = record.state.resultsValid = true;
    record.designCheck.foundationFriction = 0.25;
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
    EXPECT_EQ(record.display.screenBlackWhite, 0);
    EXPECT_FALSE(record.state.projectOpen || record.state.resultsValid);
    EXPECT_EQ(record.designCheck.foundationFriction, 0.5);
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
