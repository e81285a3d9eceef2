#include "batch_test_support.h"
#include "cli/batch_command.h"
#include "failure_test_support.h"
#include "model/field_table.h"
#include "model/project_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace vendrix {
namespace {

using test::BatchResult;
using test::runBatch;

TEST(BatchCommand, InitialProjectPrintsTheResultLines)
{
    const BatchResult r = runBatch({});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Maximum height of tube,  H = 2.7 [m]\n"), std::string::npos);
    // Unit labels reach the terminal as UTF-8.
    EXPECT_NE(r.out.find("[m \xC2\xB2]"), std::string::npos);
    EXPECT_EQ(r.err, "");
}

TEST(BatchCommand, RefusedCallsExitWithStatusTwo)
{
    test::expectRefused({
        {{"--set", "nosuchfield=1"}, "unknown field \"nosuchfield\""},
        {{"--set", "circumference=ten"}, "not a plain decimal number"},
        {{"--set", "circumference"}, "NAME=VALUE"},
        {{"--set", "twoSlurryLayers=0.5"}, "takes 0 or 1"},
        {{"--set", "analysisType=Sideways"}, "analysisType takes"},
        {{"--bogus"}, "unknown option --bogus"},
        {{"--size", "12"}, "--size"},
        {{"--consolidate", "3"}, "--consolidate"},
        {{"--method", "fast"}, "--method takes exact or classic"},
        {{"/nonexistent/project.Vdx"}, "project.Vdx"},
        {{"--set", "slurryUnitWeightUpper=13"}, "Error No.103"},
        {{"--set", "rfCreep=0.5"}, "Error No.201"},
        {{"--set", "circumference=-4", "--set", "analysisType=2"},
         "Error No.108: Circumference of tube should be greater than zero."},
        {{"--set", "circumference=0"}, "Error No.108"},
        {{"--set", "foundationFriction=1.6"}, "Error No.606"},
        {{"--set", "waterLevelLoaded=1", "--set", "waterLevelProtected=2"}, "Error No.605"},
        {{"--image", "x.png"}, "not available"},
    });
}

TEST(BatchCommand, JsonHoldsEverySolutionScalarAndTheSolverCounts)
{
    const BatchResult r = runBatch({"--json", "--profile", "--set", "analysisType=GivenPressure"});
    ASSERT_EQ(r.status, 0);
    for (const char *key :
         {"\"solution\": {", "\"computedCircumference\": ", "\"inletPressure\": ",
          "\"totalArea\": ", "\"ultimateStrengthCircumferential\": ", "\"ultimateStrengthAxial\": ",
          "\"convergenceWarning\": 0",
          "\"maxHeight\": ", "\"maxWidth\": ", "\"heightAtMaxWidth\": ", "\"baseWidth\": ",
          "\"areaLowerSlurry\": ", "\"areaUpperSlurry\": ", "\"profileX\": [", "\"profileY\": [",
          "\"solver\": {", "\"passes\": ", "\"zones\": 3"}) {
        EXPECT_NE(r.out.find(key), std::string::npos) << key;
    }
    // 361 points in each profile: 360 separators per array.
    const size_t start = r.out.find("\"profileX\": [");
    const size_t end = r.out.find(']', start);
    EXPECT_EQ(std::count(r.out.begin() + static_cast<long>(start),
                         r.out.begin() + static_cast<long>(end), ','),
              360);
    EXPECT_EQ(r.out.find("nan"), std::string::npos);
}

// The exact method is the default and says so; --method classic keeps the
// earlier program's texts and searches.
TEST(BatchCommand, SolutionMethodInJsonAndText)
{
    const std::vector<std::string> design
        = {"--set", "analysisType=GivenHeight", "--set", "desiredMaxHeight=3.0"};
    auto with = [&](std::vector<std::string> extra) {
        std::vector<std::string> args = design;
        args.insert(args.end(), extra.begin(), extra.end());
        return runBatch(args);
    };
    BatchResult r = with({"--json"});
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"method\": \"exact\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"convergenceWarning\": 0"), std::string::npos);
    r = with({"--json", "--method", "classic"});
    EXPECT_NE(r.out.find("\"method\": \"classic\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"convergenceWarning\": 1"), std::string::npos);

    r = with({});
    EXPECT_NE(r.out.find("maximum tube height of 3.0 [m].\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Solution method: exact.\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("NOT CONVERGED"), std::string::npos);
    r = with({"--method", "classic"});
    EXPECT_EQ(r.out.find("Solution method"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("NOT CONVERGED: the results may not correspond to input data.\n"),
              std::string::npos)
        << r.out;
}

TEST(BatchCommand, RefusedRunPrintsTheRunsMessageAsJson)
{
    const BatchResult r
        = runBatch({"--json", "--set", "analysisType=1", "--set", "desiredMaxHeight=3.19"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(
        r.out.rfind("{\"error\": {\"number\": \"Error No.302\", \"message\": \"Maximum desired "
                    "height of tube should not exceed 3.18 [m]\\n",
                    0),
        0u)
        << r.out;
}

TEST(BatchCommand, SavesTheProjectAfterSetAndOpensItAgain)
{
    const auto dir = std::filesystem::temp_directory_path() / "vendrix_batch_test";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "dike.Vdx").string();
    BatchResult r = runBatch({"--set", "circumference=12.5", "--set", "title=D\xC3\xBCne", "--set",
                              "designWaveHeight=0.75", "--save", path});
    ASSERT_EQ(r.status, 0) << r.err;
    ProjectRecord record;
    std::string message;
    ASSERT_TRUE(succeeds(openProjectFile(path, record), message)) << message;
    EXPECT_EQ(record.input.circumference, 12.5);
    EXPECT_EQ(record.info.title, "D\xFCne"); // Windows-1252 in the file
    EXPECT_EQ(record.designCheck.designWaveHeight, 0.75);
    r = runBatch({path, "--json"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("\"computedCircumference\": 12."), std::string::npos) << r.out;
    std::filesystem::remove_all(dir);
}

TEST(BatchCommand, SetAppliesTheDialogsLayerAndLengthRules)
{
    const auto dir = std::filesystem::temp_directory_path() / "vendrix_batch_rules_test";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "one-layer.Vdx").string();
    // One layer: the upper unit weight follows the lower one, whatever was set.
    BatchResult r = runBatch({"--set", "slurryUnitWeightUpper=11.5", "--set", "twoSlurryLayers=0",
                              "--set", "slurryUnitWeightLower=13", "--save", path});
    ASSERT_EQ(r.status, 0) << r.err;
    ProjectRecord record;
    std::string message;
    ASSERT_TRUE(succeeds(openProjectFile(path, record), message)) << message;
    EXPECT_EQ(record.input.slurryUnitWeightUpper, 13);
    // Two layers keep both.
    r = runBatch({"--set", "slurryUnitWeightUpper=11.5", "--save", path});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_TRUE(succeeds(openProjectFile(path, record), message)) << message;
    EXPECT_EQ(record.input.slurryUnitWeightUpper, 11.5);

    struct Case
    {
        std::string assignment;
        const char *refusal; // nullptr = accepted
    };
    std::string umlauts;
    for (int i = 0; i < 40; ++i)
        umlauts += "\xC3\xBC"; // 40 characters, 80 bytes of UTF-8
    const Case cases[] = {
        {"title=" + std::string(40, 'W'), nullptr},
        {"title=" + umlauts, nullptr},
        {"title=" + std::string(41, 'W'), "Please enter no more than 40 characters."},
        {"companyName=" + std::string(101, 'a'), "Please enter no more than 100 characters."},
        {"companyCity=" + std::string(31, 'a'), "Please enter no more than 30 characters."},
        {"designer=" + std::string(200, 'a'), nullptr},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.assignment.substr(0, 14));
        r = runBatch({"--set", c.assignment, "--save", path});
        if (!c.refusal) {
            EXPECT_EQ(r.status, 0) << r.err;
            continue;
        }
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find(c.refusal), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    std::filesystem::remove_all(dir);
}

TEST(BatchCommand, HooksReceiveTheRecordPathAndSize)
{
    BatchHooks hooks;
    std::string seen;
    hooks.writeCrossSectionImage = [&](const ProjectRecord &record, const std::string &path, int w,
                                       int h) -> std::optional<Failure> {
        seen = path + " " + std::to_string(w) + "x" + std::to_string(h) + " "
            + std::to_string(record.solution.maxHeight > 0);
        return std::nullopt;
    };
    hooks.writeReportPdf = [](const ProjectRecord &, const std::string &, ReportPaper) {
        return std::optional<Failure>(Failure::plain("disk full"));
    };
    BatchResult r = runBatch({"--image", "a.png", "--size", "800x600"}, hooks);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(seen, "a.png 800x600 1");
    r = runBatch({"--pdf", "a.pdf"}, hooks);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("disk full"), std::string::npos);
}

TEST(BatchCommand, ConsolidationAndQuantities)
{
    BatchResult r = runBatch(
        {"--json", "--profile", "--consolidate", "1", "--set", "consolidatedUnitWeight=14"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"consolidation\": {\"consolidatedArea\": "), std::string::npos);
    EXPECT_NE(r.out.find("\"shapeY\": [0, "), std::string::npos);
    r = runBatch({"--json", "--consolidate", "2", "--set", "specificGravitySolids=0.9"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("Error No.402"), std::string::npos);

    const auto path = std::filesystem::temp_directory_path() / "vendrix_batch_quantities.txt";
    r = runBatch({"--quantities", path.string(), "--set", "costPerUnitArea=2", "--set",
                  "tubeLength=100", "--set", "englishUnits=1", "--set", "circumference=10"});
    ASSERT_EQ(r.status, 0) << r.err;
    std::FILE *file = std::fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    const std::string text = test::readAllAndClose(file);
    EXPECT_NE(text.find("Total storage capacity of tube is "), std::string::npos);
    EXPECT_NE(text.find("ft\xB2 / ft"), std::string::npos);
    std::filesystem::remove(path);

    const auto xls = std::filesystem::temp_directory_path() / "vendrix_batch_shape.xls";
    r = runBatch({"--consolidate", "2", "--xls", xls.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    file = std::fopen(xls.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    const std::string rectangle = test::readAllAndClose(file);
    EXPECT_EQ(std::count(rectangle.begin(), rectangle.end(), '\n'), 6);
    std::filesystem::remove(xls);
    r = runBatch({"--xls", "/nonexistent-folder/a.xls"});
    EXPECT_EQ(r.status, 2);
}

TEST(BatchCommand, ResultsTextFileIncludesTheConsolidatedTubeAfterConsolidating)
{
    const auto path = std::filesystem::temp_directory_path() / "vendrix_batch_results.txt";
    for (const char *option : {"", "1"}) {
        SCOPED_TRACE(option);
        std::vector<std::string> args = {"--results", path.string()};
        if (*option) {
            args.push_back("--consolidate");
            args.push_back(option);
        }
        const BatchResult r = runBatch(args);
        ASSERT_EQ(r.status, 0) << r.err;
        std::FILE *file = std::fopen(path.c_str(), "rb");
        ASSERT_NE(file, nullptr);
        const std::string text = test::readAllAndClose(file);
        EXPECT_EQ(text.rfind("    TITLE PAGE  \r\n", 0), 0u);
        EXPECT_EQ(text.find("    CONSOLIDATED TUBE") != std::string::npos, *option != 0);
    }
    std::filesystem::remove(path);
    const BatchResult r = runBatch({"--results", "/nonexistent-folder/r.txt"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("cannot write the results text file"), std::string::npos);
}

TEST(FieldTable, EveryFieldCanBeSetByName)
{
    for (const FieldEntry &entry : recordFields()) {
        SCOPED_TRACE(entry.name);
        ProjectRecord record;
        const char *value = entry.kind == FieldKind::Text ? "abc" : "1";
        const auto failure = setRecordField(record, entry.name, value);
        EXPECT_FALSE(failure) << failure->messageText;
    }
    ProjectRecord record;
    EXPECT_FALSE(setRecordField(record, "analysisType", "GivenHeight"));
    EXPECT_EQ(record.input.analysisType, AnalysisType::GivenHeight);
    EXPECT_TRUE(setRecordField(record, "circumference", "nan"));
    EXPECT_EQ(record.input.circumference, 10.0);
}

} // namespace
} // namespace vendrix

namespace vendrix {
namespace {

TEST(BatchCommand, HostileValuesEndWithStatusTwoAndNoNonNumber)
{
    const std::string quantities
        = (std::filesystem::temp_directory_path() / "vendrix_hostile_q.txt").string();
    const test::CallAndText cases[] = {
        {{""}, "project file name is empty"},
        {{"--results", ""}, "--results needs a value"},
        {{"--save", ""}, "--save needs a value"},
        {{"--size", " 100x 100"}, "--size"},
        {{"--size", "+100x100"}, "--size"},
        {{"--set", "circumference=0x1p3"}, "plain decimal"},
        {{"--set", "circumference= 12"}, "plain decimal"},
        {{"--set", "transportUnitWeight=1e-400"}, "plain decimal"},
        {{"--set", "twoSlurryLayers=7"}, "takes 0 or 1"},
        {{"--set", "transportUnitWeight=0"}, "transporting medium should be greater than zero"},
        {{"--set", "transportUnitWeight=4.9e-324"}, "transporting medium"},
        {{"--set", "transportUnitWeight=-4.9e-324"}, "transporting medium"},
        {{"--set", "tubeLength=-1", "--quantities", quantities}, "Error No.501"},
        {{"--set", "costPerUnitArea=-3", "--quantities", quantities}, "Error No.1100"},
        {{"--set", "costPerUnitArea=1e400", "--quantities", quantities}, "Error No.1100"},
        {{"--set", "costPerUnitArea=1" + std::string(400, '0'), "--quantities", quantities},
         "Cost per unit area is too large"},
        {{"--set", "tubeLength=1e308", "--quantities", quantities}, "Length of tube is too large"},
    };
    for (const test::CallAndText &c : cases) {
        SCOPED_TRACE(c.args.front() + " " + (c.args.size() > 1 ? c.args[1] : ""));
        for (const bool json : {false, true}) {
            std::vector<std::string> args = c.args;
            if (json)
                args.push_back("--json");
            const BatchResult r = runBatch(args);
            EXPECT_EQ(r.status, 2);
            const std::string shown = r.err + r.out;
            EXPECT_NE(shown.find(c.text), std::string::npos) << shown;
            for (const char *nonNumber : {"nan", "inf", "null"})
                EXPECT_EQ(shown.find(nonNumber), std::string::npos) << shown;
        }
        EXPECT_FALSE(std::filesystem::exists(quantities));
    }
    // The quantities' rules hold without --quantities too, and a large but
    // finite cost is written as a number.
    EXPECT_NE(runBatch({"--set", "tubeLength=-1"}).err.find("Error No.501"), std::string::npos);
    EXPECT_NE(runBatch({"--set", "tubeLength=1e308", "--json"}).out.find("Length of tube"),
              std::string::npos);
    const BatchResult big = runBatch(
        {"--set", "costPerUnitArea=1" + std::string(38, '0'), "--quantities", quantities});
    EXPECT_EQ(big.status, 0) << big.err;
    std::FILE *file = std::fopen(quantities.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    const std::string text = test::readAllAndClose(file);
    EXPECT_EQ(text.find("inf"), std::string::npos) << text;
    std::filesystem::remove(quantities);
}

} // namespace
} // namespace vendrix
