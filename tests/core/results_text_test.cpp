#include "failure_test_support.h"
#include "record_variants.h"
#include "report/results_text.h"
#include "text_checks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace vendrix {
namespace {

// A solved project with round numbers, so the expected lines can be written by
// hand from the layout rather than taken from the writer.
ProjectRecord solvedRecord()
{
    ProjectRecord record;
    record.info.title = "Harbour dike";
    record.info.projectNumber = "P-17";
    record.info.designer = "A. Engineer";
    record.info.description = "Sand fill";
    record.info.projectPath = "/home/a/dike.Vdx";
    TubeInput &in = record.input;
    in.analysisType = AnalysisType::GivenStrength;
    in.circumference = 10.0;
    in.slurryUnitWeightLower = 12.0;
    in.fluidUnitWeightLower = 10.0;
    in.fluidUnitWeightUpper = 0.0;
    in.twoSlurryLayers = true; // with an upper slurry and the lower one's height
    in.slurryUnitWeightUpper = 11.0;
    in.slurryHeightLower = 1.0;
    in.fluidHeightLower = 2.0;
    in.ultimateStrength = 100.0;
    in.rfInstallationDamage = in.rfDurability = 1.0;
    in.rfCreep = 2.0;
    in.rfSeamCircumferential = 4.0;
    in.rfSeamAxial = 2.5;
    in.consolidatedUnitWeight = 14.0;
    TubeSolution &s = record.solution;
    s.method = SolutionMethod::Classic; // the texts of the earlier program
    s.computedCircumference = 10.0;
    s.ultimateStrengthCircumferential = 100.0; // working 100 / (2.5 * 2) = 20
    s.ultimateStrengthAxial = 40.0; // working 40 / (4 * 2) = 5
    test::setOutline(
        s, {.maxHeight = 2.5, .maxWidth = 4.0, .heightAtMaxWidth = 1.25, .baseWidth = 2.0});
    s.areaLowerSlurry = 3.0;
    s.areaUpperSlurry = 4.5;
    s.totalArea = 7.5;
    s.inletPressure = 20.0;
    record.consolidation.consolidatedArea = 5.25;
    record.consolidation.finalHeight = 1.75;
    record.state.shapeShown = Shape::AsFilled;
    return record;
}

std::string crLf(const std::vector<std::string> &lines)
{
    std::string text;
    for (const std::string &line : lines)
        text += line + "\r\n";
    return text;
}

bool hasLineStartingWith(const std::string &text, const std::string &prefix)
{
    for (const std::string &line : test::crLfLines(text))
        if (line.compare(0, prefix.size(), prefix) == 0)
            return true;
    return false;
}

const std::string kSectionEnd = "  \r\n\r\n\r\n\r\n";

// The title page with its four credit lines, up to the section end.
void expectTitlePage(const std::string &text)
{

    const std::string title
        = crLf({"    TITLE PAGE  ",
                "  ==============", "PROJECT IDENTIFICATION:  ", "Title:          Harbour dike",
                "Project Number: P-17", "Designer:       A. Engineer",
                "Description:    ", "Sand fill", " ", "File path and name:  /home/a/dike.Vdx", " ",
                "Design Philosophy and Program Developed by:"});
    ASSERT_EQ(text.compare(0, title.size(), title), 0) << text;
    // Four credit lines indented by 17 blanks, then the section end.
    const std::vector<std::string> lines = test::crLfLines(text);
    for (int i = 12; i < 16; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(lines[static_cast<size_t>(i)].substr(0, 17), std::string(17, ' '));
        EXPECT_NE(lines[static_cast<size_t>(i)][17], ' ');
    }
    const size_t inputStart = text.find("    INPUT DATA\r\n");
    ASSERT_NE(inputStart, std::string::npos);
    EXPECT_EQ(text.substr(inputStart - kSectionEnd.size(), kSectionEnd.size()), kSectionEnd);
}

// Everything from the input data on, for two layers, a given strength and the
// tube consolidated by Option 1.
void expectInputResultsAndConsolidatedTube(const std::string &text)
{
    const size_t inputStart = text.find("    INPUT DATA\r\n");
    ASSERT_NE(inputStart, std::string::npos);
    const std::string rest
        = crLf({"    INPUT DATA", "  ================", " ",
                "Circumference of tube                                10.00 [m]",
                "Unit weight of lower layer of slurry                 12.00 [kN/m \xB3]",
                "Unit weight of upper layer of slurry                 11.00 [kN/m \xB3]",
                "Unit weight of fluid outside tube, lower layer       10.00 [kN/m \xB3]",
                "Unit weight of fluid outside tube, upper layer        0.00 [kN/m \xB3]",
                "Specified height of lower layer of slurry, Hin-L       1.0 [m]",
                "Specified height of outside lower fluid, Hout-L        2.0 [m]", " ",
                "GEOSYNTHETIC DESIGN PARAMETERS:",
                "1.  Reduction factor for installation damage,  RFid      1.00",
                "2.  Reduction factor for durability,  RFd                1.00",
                "3.  Reduction factor for creep,  RFc                     2.00",
                "4.  Reduction factor for seam strength, RFss, in tube's:",
                "                 axial (longtidual) direction            2.50",
                "                    circumeferntial direction            4.00",
                "Geosynthetic with ULTIMATE strength of 100.00 [kN/m] was specified."})
        + kSectionEnd
        + crLf({"    RESULTS",
                "  ==============",
                " ",
                "Results correspond to a circumference of tube of 10.0 [m] and",
                "     ULTIMATE geosynthetic strength of 100 [kN/m].",
                " ",
                "Geosynthetic in CIRCUMFERENTIAL direction:",
                "     Tensial force at WORKING conditions                20 [kN/m]",
                "     Required ULTIMATE strength                        100 [kN/m]",
                "Geosynthetic in AXIAL direction:",
                "     Tensial force at WORKING conditions                 5 [kN/m]",
                "     Required ULTIMATE strength                         40 [kN/m]",
                "Maximum height of tube,  H                             2.5 [m]",
                "Maximum width of tube,  W                              4.0 [m]",
                "(max. width is at height 1.2 [m] from base)",
                "Ratio    H / W                                       0.625",
                "Width of base of tube resting on foundation soil       2.0 [m]",
                "Cross-sectional area of lower layer of slurry          3.0 [m \xB2]",
                "Cross-sectional area of upper layer of slurry          4.5 [m \xB2]",
                "Total storage capacity of tube per unit length         7.5 [m \xB3/m]",
                "Net pumping pressure within tube at inlet             20.0 [kPa]"})
        + kSectionEnd
        + crLf({"    CONSOLIDATED TUBE", "  =======================", " ",
                "Unit weight of consolidated (saturated) fill          14.0 [kN/m \xB3]",
                "Consolidated cross-section area                        5.2 [m \xB2]",
                "Final height,  H                                       1.8 [m]"})
        + kSectionEnd;
    EXPECT_EQ(text.substr(inputStart), rest);
}

TEST(ResultsText, TwoLayersGivenStrengthWithConsolidatedTubeByteForByte)
{
    ProjectRecord record = solvedRecord();
    record.state.shapeShown = Shape::Option1;
    const std::string text = resultsText(record);
    expectTitlePage(text);
    expectInputResultsAndConsolidatedTube(text);
}

TEST(ResultsText, OneLayerGivenPressureEnglishAsianPacific)
{
    ProjectRecord record = solvedRecord();
    record.input.twoSlurryLayers = false;
    record.input.analysisType = AnalysisType::GivenPressure;
    record.input.pumpingPressure = 20.0;
    record.display.unitSystem = 1 ? UnitSystem::English : UnitSystem::SI;
    record.display.asianPacific = true;
    const std::string text = resultsText(record);
    const std::string input = crLf({
        "Circumference of tube                                32.81 [ft]",
        "Unit weight of slurry                                76.39 [lb/ft^3]",
        "Unit weight of fluid outside tube                    63.66 [lb/ft^3]",
        "Specified height of outside lower fluid, Hout-L        6.6 [ft]",
    });
    EXPECT_NE(text.find(input), std::string::npos) << text;
    EXPECT_TRUE(
        hasLineStartingWith(text, "Pumping pressure at inlet of 2.90 [psi] was specified."));
    EXPECT_TRUE(hasLineStartingWith(text, "     pumping pressure of 2.9 [psi]."));
    EXPECT_TRUE(hasLineStartingWith(text, "(max. width is at height 4.1 [ft] from base)"));
    const std::string areas
        = crLf({"Cross-sectional area of slurry                        80.7 [ft^2]",
                "Net pumping pressure within tube at inlet              2.9 [psi]"});
    EXPECT_NE(text.find(areas), std::string::npos) << text;
    EXPECT_FALSE(hasLineStartingWith(text, "Total storage capacity"));
    EXPECT_FALSE(hasLineStartingWith(text, "Specified height of lower layer of slurry"));
    EXPECT_FALSE(hasLineStartingWith(text, "    CONSOLIDATED TUBE"));
}

TEST(ResultsText, ObjectiveAndLayerVariants)
{
    struct Case
    {
        AnalysisType type;
        int twoLayers;
        bool english;
        test::TextPieces pieces;
        std::optional<Shape> shown = std::nullopt;
    };
    const std::vector<Case> cases = {
        {AnalysisType::GivenStrength,
         0,
         false,
         {{"Unit weight of layer of slurry                       12.00 [kN/m \xB3]\r\n\r\n"
           "Unit weight of fluid outside tube, lower layer",
           "Cross-sectional area of layer of slurry                3.0 [m \xB2]\r\n"
           "Total storage capacity of tube per unit length         7.5 [m \xB3/m]"},
          {"upper layer of slurry", "Hin-L"}}},
        {AnalysisType::GivenHeight,
         1,
         false,
         {{"Maximum height of 2.50 [m] was specified.", "     maximum tube height of 2.5 [m].",
           "Specified height of lower layer of slurry, Hin-L"},
          {"ULTIMATE strength of", "Pumping pressure at inlet of"}}},
        {AnalysisType::GivenHeight,
         1,
         true,
         {{"Maximum height of 8.20 [ft] was specified.", "     maximum tube height of 8.2 [ft].",
           "Results correspond to a circumference of tube of 32.8 [ft] and",
           // 20 and 100 kN/m circumferential, 5 and 40 kN/m axial at 68.519 lb/ft per kN/m
           "Geosynthetic in CIRCUMFERENTIAL direction:\r\n"
           "     Tensial force at WORKING conditions              1370 [lb/ft]\r\n"
           "     Required ULTIMATE strength                       6852 [lb/ft]",
           "Geosynthetic in AXIAL direction:\r\n"
           "     Tensial force at WORKING conditions               343 [lb/ft]\r\n"
           "     Required ULTIMATE strength                       2741 [lb/ft]",
           "Total storage capacity of tube per unit length        80.7 [ft \xB3/ft]",
           "Maximum width of tube,  W                             13.1 [ft]", // 4 m
           // 11 kN/m3 at 6.365627 lb/ft3 per kN/m3
           "Unit weight of upper layer of slurry                 70.02 [lb/ft \xB3]",
           "Width of base of tube resting on foundation soil       6.6 [ft]"},
          {}}},
        {AnalysisType::GivenStrength,
         1,
         true,
         {{"Geosynthetic with ULTIMATE strength of 6851.90 [lb/ft] was specified.",
           "     ULTIMATE geosynthetic strength of 6852 [lb/ft].",
           // 14 kN/m3 at 6.3656 lb/ft3 per kN/m3
           "Unit weight of consolidated (saturated) fill          89.1 [lb/ft \xB3]"},
          {}},
         Shape::Option1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.type) * 10 + c.twoLayers + (c.english ? 100 : 0));
        ProjectRecord record = solvedRecord();
        record.input.analysisType = c.type;
        record.input.twoSlurryLayers = c.twoLayers;
        record.display.unitSystem = c.english ? UnitSystem::English : UnitSystem::SI;
        if (c.shown)
            record.state.shapeShown = c.shown;
        test::expectPieces(resultsText(record), c.pieces);
    }
}

TEST(ResultsText, AirSentenceBelowTheAirLimitOnly)
{
    struct Case
    {
        double fluid;
        AnalysisType type;
        bool air;
    };
    const Case cases[] = {
        {0.0005, AnalysisType::GivenStrength, true}, {0.0006, AnalysisType::GivenStrength, false},
        {0.0, AnalysisType::GivenPressure, true},    {0.0006, AnalysisType::GivenPressure, false},
        {0.0005, AnalysisType::GivenHeight, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.fluid);
        ProjectRecord record = solvedRecord();
        record.input.fluidUnitWeightLower = c.fluid;
        record.input.analysisType = c.type;
        const std::string text = resultsText(record);
        EXPECT_EQ(
            hasLineStartingWith(text, "The surrounding exterior of the tube is described as air"),
            c.air);
        EXPECT_EQ(hasLineStartingWith(text, "Unit weight of fluid outside tube"), !c.air);
    }
}

TEST(ResultsText, DescriptionIsCutIntoPiecesOfSeventy)
{
    struct Case
    {
        size_t length;
        std::vector<size_t> pieces;
    };
    const Case cases[] = {
        {0, {}},
        {70, {70}},
        {71, {70, 1}},
        {560, {70, 70, 70, 70, 70, 70, 70, 70}},
        {600, {70, 70, 70, 70, 70, 70, 70, 70}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.length);
        ProjectRecord record = solvedRecord();
        std::string description;
        for (size_t i = 0; i < c.length; ++i)
            description += static_cast<char>('a' + i % 26);
        record.info.description = RecordText(description);
        const std::vector<std::string> lines = test::crLfLines(resultsText(record));
        ASSERT_EQ(lines[6], "Description:    ");
        size_t offset = 0;
        for (size_t i = 0; i < c.pieces.size(); ++i) {
            EXPECT_EQ(lines[7 + i], description.substr(offset, c.pieces[i]));
            offset += c.pieces[i];
        }
        EXPECT_EQ(lines[7 + c.pieces.size()], " ");
        EXPECT_EQ(lines[8 + c.pieces.size()], "File path and name:  /home/a/dike.Vdx");
    }
}

TEST(ResultsText, ConsolidatedSectionOnlyWhileAConsolidatedShapeIsShown)
{
    for (const std::optional<Shape> shape : test::kEveryShownShape) {
        SCOPED_TRACE(test::traceName(shape));
        ProjectRecord record = solvedRecord();
        record.state.shapeShown = shape;
        const bool shown = shape == Shape::Option1 || shape == Shape::Option2;
        EXPECT_EQ(hasLineStartingWith(resultsText(record), "    CONSOLIDATED TUBE"), shown);
    }
}

TEST(ResultsText, ZeroResultsAreWrittenWithTheSmallestDivisor)
{
    ProjectRecord record = solvedRecord();
    record.solution = TubeSolution {};
    record.solution.maxHeight = 0.001;
    const std::string text = resultsText(record);
    EXPECT_TRUE(
        hasLineStartingWith(text, "Ratio    H / W                                      10.000"))
        << text;
}

// The line under the results names the exact method and carries the notice of
// a missed objective; a converged classic run keeps the earlier texts.
TEST(ResultsText, SolutionMethodAndConvergenceNoticeUnderTheResults)
{
    const std::string pressureLine
        = "Net pumping pressure within tube at inlet             20.0 [kPa]";
    struct Case
    {
        SolutionMethod method;
        int warning;
        const char *line; // expected after the pressure line, or nullptr
    } cases[] = {
        {SolutionMethod::Classic, 0, nullptr},
        {SolutionMethod::Exact, 0, "Solution method: exact."},
        {SolutionMethod::Classic, 1,
         "NOT CONVERGED: the results may not correspond to input data."},
        {SolutionMethod::Exact, 1,
         "Solution method: exact.  NOT CONVERGED: the results may not correspond to input data."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.method) * 10 + c.warning);
        ProjectRecord record = solvedRecord();
        record.solution.method = c.method;
        record.solution.convergenceWarning = c.warning;
        const std::string text = resultsText(record);
        const std::string expected
            = crLf({pressureLine}) + (c.line ? crLf({c.line}) : std::string()) + kSectionEnd;
        EXPECT_NE(text.find(expected), std::string::npos) << text;
    }
}

TEST(ResultsText, SmallResultsKeepTwoSignificantDigits)
{
    ProjectRecord record = solvedRecord();
    record.solution.ultimateStrengthAxial = 0.0123;
    record.solution.baseWidth = 0.0042;
    const std::string text = resultsText(record);
    for (const char *line : {"     Required ULTIMATE strength                      0.012 [kN/m]",
                             "Width of base of tube resting on foundation soil    0.0042 [m]"})
        EXPECT_TRUE(hasLineStartingWith(text, line)) << line << "\n" << text;
}

TEST(ResultsText, FileIsWrittenAndAFailedWriteIsReported)
{
    const std::filesystem::path dir
        = std::filesystem::temp_directory_path() / "vendrix_results_text_test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "results.txt").string();
    const ProjectRecord record = solvedRecord();
    std::string error;
    ASSERT_TRUE(succeeds(writeResultsTextFile(path, record), error)) << error;
    std::ifstream in(path, std::ios::binary);
    std::stringstream contents;
    contents << in.rdbuf();
    EXPECT_EQ(contents.str(), resultsText(record));

    EXPECT_FALSE(
        succeeds(writeResultsTextFile((dir / "missing" / "results.txt").string(), record), error));
    EXPECT_FALSE(error.empty());
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace vendrix
