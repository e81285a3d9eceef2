// Bounds of the number fields, texts read from project files, file names and
// control characters on their way into the outputs.
#include "batch_test_support.h"
#include "failure_test_support.h"
#include "model/input_rules.h"
#include "model/project_file.h"
#include "post/quantities.h"
#include "report/cross_section_dxf.h"
#include "report/results_text.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace vendrix {
namespace {

using test::runBatch;

std::string fileText(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(NumberBounds, ValuesBeyondAFieldsBoundsAreRefusedWithTheirNumber)
{
    const struct
    {
        std::vector<std::string> sets;
        const char *refusal; // nullptr: within the bounds
    } cases[] = {
        {{"ultimateStrength=1e-320"}, "Error No.308"},
        {{"ultimateStrength=2e7"}, "Error No.308"},
        {{"rfCreep=1e308"}, "Error No.202"},
        {{"rfCreep=1000"}, nullptr},
        {{"fluidHeightLower=1e307"}, "Error No.111"},
        {{"fluidHeightLower=1e-320"}, "Error No.111"},
        {{"circumference=1e-9"}, "Error No.109"},
        {{"circumference=20000"}, "Error No.109"},
        {{"slurryUnitWeightLower=1000"}, "Error No.110"},
        {{"transportUnitWeight=500"}, "Error No.112"},
        {{"analysisType=2", "pumpingPressure=2e5"}, "Error No.310"},
        {{"analysisType=1", "desiredMaxHeight=1e-5"}, "Error No.309"},
        {{"tubeLength=2e6"}, "Error No.502"},
        {{"tubeLength=1e308"}, "Length of tube is too large"},
        // Rules that were there first keep their numbers.
        {{"circumference=0"}, "Error No.108"},
        {{"rfCreep=0.5"}, "Error No.201"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.sets.back());
        std::vector<std::string> args;
        for (const std::string &set : c.sets)
            args.insert(args.end(), {"--set", set});
        const test::BatchResult r = runBatch(args);
        if (!c.refusal) {
            EXPECT_EQ(r.status, 0) << r.err;
            continue;
        }
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find(c.refusal), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("inf"), std::string::npos) << r.err;
    }
    test::expectRefused({{{"--envelope-max-pressure", "1e-320"},
                          "--envelope-max-pressure takes a pressure in kPa"}});
    // The message gives the bounds in the unit shown.
    DisplaySettings english;
    english.unitSystem = UnitSystem::English;
    const auto failure = checkNumberBounds(FieldId::Circumference, 40000, english);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->messageText,
              "Circumference of tube should lie between 0.00328084 and 32808.4 ft.\n\nPlease "
              "correcet");
    EXPECT_EQ(failure->focusField, "circumference");
}

TEST(ProjectFileOpen, SubnormalNumbersAndOverlongTextsAreRefusedWithAMessage)
{
    test::ScratchFolder folder("opened_texts");
    const struct
    {
        const char *name;
        void (*change)(ProjectRecord &);
        const char *message;
    } cases[] = {
        {"subnormal", [](ProjectRecord &r) { r.input.fluidHeightLower = 4.9e-324; },
         "The value of fluidHeightLower in this file is too close to zero"},
        {"title", [](ProjectRecord &r) { r.info.title = RecordText(std::string(10000, 'T')); },
         "The text of title in this file is longer than its 40 characters"},
        {"designer",
         [](ProjectRecord &r) { r.info.designer = RecordText(std::string(100000, 'D')); },
         "The text of designer in this file is longer than its 200 characters"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ProjectRecord saved;
        c.change(saved);
        const std::string path = folder.file("long.Vdx");
        std::ofstream(path, std::ios::binary) << serializeProject(saved);
        ProjectRecord record;
        record.info.title = "kept";
        std::string message;
        EXPECT_FALSE(succeeds(openProjectFile(path, record), message));
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
        EXPECT_EQ(record.info.title, "kept");
        const test::BatchResult r = runBatch({path, "--dxf", folder.file("t.dxf")});
        EXPECT_EQ(r.status, 2);
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

TEST(FileNames, NonAsciiNamesAreShownAsTyped)
{
    test::ScratchFolder folder("names");
    const std::string missing = folder.file("pr\xC3\xB8jekt-missing.Vdx");
    const test::BatchResult r = runBatch({missing});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("pr\xC3\xB8jekt-missing.Vdx"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("\xC3\x83"), std::string::npos) << r.err;

    const std::string project = folder.file("pr\xC3\xB8jekt.Vdx");
    const std::string results = folder.file("results.txt");
    ASSERT_EQ(runBatch({"--save", project}).status, 0);
    ASSERT_EQ(runBatch({project, "--results", results}).status, 0);
    const std::string text = fileText(results);
    // The results text is Windows-1252: ø is the one byte F8.
    EXPECT_NE(text.find("pr\xF8jekt.Vdx\r\n"), std::string::npos);
    EXPECT_EQ(text.find("\xC3"), std::string::npos);
}

// Every byte below 0x20 is part of a CR LF line end.
void expectOnlyCrLfControls(const std::string &text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\r')
            EXPECT_EQ(text[i + 1], '\n') << "bare CR at " << i;
        else if (c == '\n')
            EXPECT_EQ(text[i - 1], '\r') << "bare LF at " << i;
        else
            EXPECT_TRUE(c >= 0x20 && c != 0x7f) << "control " << int(c) << " at " << i;
    }
}

TEST(OutputTexts, ControlCharactersAndCadCodesNeverActInAnOutput)
{
    const std::string controls = "A\x1b[31m\a\b\v\fB\rC\nD\x7f";
    ProjectRecord record;
    record.info.title = RecordText(controls);
    record.info.designer = RecordText(controls);
    record.info.description = RecordText(controls);
    expectOnlyCrLfControls(resultsText(record));
    record.display.currencyUnit = "\x1b$";
    expectOnlyCrLfControls(
        quantitiesText(record, computeQuantities(record, "1", 10), "Line 1\rLine 2\x1b\n"));

    // A CAD program reads %%d as a degree sign and ^2 as a control character.
    record.info.title = "Dike 45%%d %%c %%p 40 m^2 5%\r\n";
    record.state.shapeShown = Shape::AsFilled;
    for (bool warned : {false, true}) {
        SCOPED_TRACE(warned);
        record.solution.convergenceWarning = warned;
        const std::string dxf = crossSectionDxf(record);
        EXPECT_NE(dxf.find("  1\r\nDike 45%%%%%%d %%%%%%c %%%%%%p 40 m^ 2 5%  \r\n"),
                  std::string::npos);
        // The warning stands on the TEXT layer, as on the pictures and pages.
        const size_t at = dxf.find("numerical difficulties in converging");
        EXPECT_EQ(at != std::string::npos, warned);
        if (warned) {
            const size_t layer = dxf.rfind("  8\r\n", at);
            ASSERT_NE(layer, std::string::npos);
            EXPECT_EQ(dxf.substr(layer + 5, 6), "TEXT\r\n");
        }
    }
}

} // namespace
} // namespace vendrix
