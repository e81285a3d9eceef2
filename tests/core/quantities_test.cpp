#include "post/quantities.h"

#include "model/c_format.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace vendrix {
namespace {

std::string formatQ(double v)
{
    return formatC("%.2f", v);
}

ProjectRecord solvedRecord(int englishUnits, int asianPacific, std::optional<Shape> shapeShown)
{
    ProjectRecord record;
    record.display.unitSystem = englishUnits ? UnitSystem::English : UnitSystem::SI;
    record.display.asianPacific = asianPacific;
    record.state.shapeShown = shapeShown;
    record.solution.computedCircumference = 10.0;
    record.solution.totalArea = 7.5;
    record.consolidation.consolidatedArea = 4.3;
    return record;
}

TEST(Quantities, CostTextIsReadAsADouble)
{
    struct Case
    {
        const char *text;
        double value;
    };
    const Case cases[] = {
        {"12.5.3", 12.5}, {"0.00", 0}, {"abc", 0},   {"", 0},
        {"3x", 3},        {"2", 2},    {"0.1", 0.1}, {"1e39", 1e39},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(readCostText(c.text), c.value);
    }
}

TEST(Quantities, EnglishUnitsUseTheUnroundedAreaPerLength)
{
    const ProjectRecord record = solvedRecord(1, 0, Shape::AsFilled);
    const Quantities q = computeQuantities(record, "2", 100);
    EXPECT_EQ(formatQ(q.areaPerLength), "32.81");
    EXPECT_EQ(formatQ(q.totalCost), "6561.68");
}

TEST(Quantities, LengthZeroGivesZeroTotalsAndNegativeLengthIsError501)
{
    const Quantities q = computeQuantities(solvedRecord(0, 0, Shape::Option1), "5", 0);
    EXPECT_EQ(q.totalCost, 0);
    EXPECT_EQ(q.storageCapacity, 0);
    EXPECT_FALSE(checkTubeLength(0));
    const auto failure = checkTubeLength(-1);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->errorNumberText(), "Error No.501");
    EXPECT_EQ(failure->messageText, "Length should not be negative\n\nPlease correcet");
    EXPECT_EQ(failure->focusField, "tubeLength");
}

TEST(Quantities, TextFileForEachUnitVariant)
{
    struct Case
    {
        int english, asian;
        Shape shape;
        const char *unitLine, *q1, *storage;
    };
    const Case cases[] = {
        {0, 0, Shape::Option2,
         "        m\xB2 / m                 m           [$]/ m\xB2        [$]", "10.00",
         "Total storage capacity of tube is 15  m \xB3"},
        {0, 1, Shape::AsFilled, "        m^2/ m                 m           [$]/ m^2       [$]",
         "10.00", "Total storage capacity of tube is 15  m^3"},
        {1, 0, Shape::AsFilled,
         "       ft\xB2 / ft                ft          [$] / ft\xB2      [$]", "32.81",
         "Total storage capacity of tube is 530  ft \xB3"},
        {1, 1, Shape::Option1, "       ft^2/ ft                ft          [$] / ft^2     [$]",
         "32.81", "Total storage capacity of tube is 530  ft^3"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.unitLine);
        const ProjectRecord record = solvedRecord(c.english, c.asian, c.shape);
        const double shownLength = c.english ? 2 * 3.28084 : 2;
        const Quantities q = computeQuantities(record, "1.5", shownLength);
        const std::string rule(65, '=');
        std::string expected = "Dike 7\r\n  \r\n\r\n\r\n\r\n" + rule + "\r\n"
            + " Area of encapsulating      Length   Cost per unit area   Total\r\n"
            + " geosynthetic               of tube    of Geosynthetic    Cost\r\n"
            + " per unit length of tube\r\n" + c.unitLine + "\r\n" + rule + "\r\n";
        char values[128];
        std::snprintf(values, sizeof values, " %11s%21.0f%15.2f%17.2f", c.q1, shownLength, 1.5,
                      1.5 * shownLength * q.areaPerLength);
        expected += std::string(values) + "\r\n" + rule + "\r\n \r\n\r\n\r\n" + c.storage + "\r\n";
        if (c.shape != Shape::AsFilled) {
            const bool english = c.english;
            const char *unit
                = english ? (c.asian ? "  ft^3" : "  ft \xB3") : (c.asian ? "  m^3" : "  m \xB3");
            const double lengthFactor = english ? 3.28084 : 1.0;
            char volume[32];
            std::snprintf(volume, sizeof volume, "%.0f",
                          lengthFactor * 4.3 * shownLength * lengthFactor);
            expected += "Estimated total volume after consolidation is " + std::string(volume)
                + unit + "\r\n";
        }
        expected += "  \r\n\r\n\r\n\r\n";
        EXPECT_EQ(quantitiesText(record, q, "Dike 7"), expected);
    }
}

} // namespace
} // namespace vendrix
