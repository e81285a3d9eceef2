#include "failure_test_support.h"
#include "report/spreadsheet_export.h"
#include "text_checks.h"

#include <gtest/gtest.h>

#include <vector>

namespace vendrix {
namespace {

ProjectRecord recordWithShapes(std::optional<Shape> shapeShown, int englishUnits)
{
    ProjectRecord record;
    record.state.shapeShown = shapeShown;
    record.display.unitSystem = englishUnits ? UnitSystem::English : UnitSystem::SI;
    for (int i = 0; i < kProfilePoints; ++i) {
        record.solution.profileX[static_cast<size_t>(i)] = 1.0 + i * 0.001;
        record.solution.profileY[static_cast<size_t>(i)] = i * 0.01;
        record.consolidation.shapeX[static_cast<size_t>(i)] = 2.0;
        record.consolidation.shapeY[static_cast<size_t>(i)] = i * 0.005;
    }
    record.consolidation.shapeX[361] = 99; // the top centre point is not written
    record.solution.maxWidth = 3.0;
    record.consolidation.finalHeight = 1.25;
    return record;
}

TEST(SpreadsheetExport, AsFilledOutlineInEnglishUnits)
{
    const auto lines = test::crLfLines(spreadsheetText(recordWithShapes(Shape::AsFilled, 1)));
    ASSERT_EQ(lines.size(), 2u + 722u);
    EXPECT_EQ(lines[0], "\tX [ft]\tY [ft]");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "\t     3.281\t     0.000\t"); // 1 m
    EXPECT_EQ(lines[2 + 361], "\t    -4.462\t    11.811\t"); // point 360 mirrored
    EXPECT_EQ(lines.back(), "\t    -3.281\t     0.000\t");
}

TEST(SpreadsheetExport, OptionOneSkipsTheTopCentrePoint)
{
    const std::string text = spreadsheetText(recordWithShapes(Shape::Option1, 0));
    const auto lines = test::crLfLines(text);
    ASSERT_EQ(lines.size(), 2u + 722u);
    EXPECT_EQ(lines[0], "\tX [m]\tY [m]");
    EXPECT_EQ(lines[2], "\t     2.000\t     0.000\t");
    EXPECT_EQ(text.find("99.000"), std::string::npos);
}

TEST(SpreadsheetExport, OptionTwoIsTheRectangle)
{
    const auto lines = test::crLfLines(spreadsheetText(recordWithShapes(Shape::Option2, 0)));
    const std::vector<std::string> expected = {
        "\tX [m]\tY [m]",
        "",
        "\t     1.500\t     0.000\t",
        "\t     1.500\t     1.250\t",
        "\t    -1.500\t     1.250\t",
        "\t    -1.500\t     0.000\t",
    };
    EXPECT_EQ(lines, expected);
}

TEST(SpreadsheetExport, AFailedWriteIsReported)
{
    std::string error;
    EXPECT_FALSE(
        succeeds(writeSpreadsheetFile("/nonexistent-folder/a.xls", ProjectRecord {}), error));
    EXPECT_FALSE(error.empty());
}

} // namespace
} // namespace vendrix
