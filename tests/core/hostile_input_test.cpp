#include "failure_test_support.h"
// Input that users and scripts really produce but that is not a project:
// special files, numbers that are not finite, files from later versions,
// outputs that are links or devices.
#include "engine/analysis_run.h"
#include "model/atomic_file.h"
#include "model/c_format.h"
#include "model/company_files.h"
#include "model/field_table.h"
#include "model/input_rules.h"
#include "model/project_file.h"
#include "number_parse_cases.h"
#include "post/consolidation.h"
#include "post/quantities.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace vendrix {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kDenormal = std::numeric_limits<double>::denorm_min();

class HostileFiles : public ::testing::Test
{
protected:
    void SetUp() override { m_started = std::chrono::steady_clock::now(); }
    void TearDown() override
    {
        // Nothing here may wait for a writer that never comes.
        EXPECT_LT(std::chrono::steady_clock::now() - m_started, std::chrono::seconds(5));
    }
    std::string path(const char *name) const { return m_scratch.file(name); }
    std::string fifo(const char *name) const
    {
        const std::string p = path(name);
        EXPECT_EQ(::mkfifo(p.c_str(), 0600), 0);
        return p;
    }
    int entries() const
    {
        int n = 0;
        for (const auto &entry : std::filesystem::directory_iterator(m_dir)) {
            (void)entry;
            ++n;
        }
        return n;
    }

    test::ScratchFolder m_scratch {"hostile"};
    const std::filesystem::path &m_dir = m_scratch.path();
    std::chrono::steady_clock::time_point m_started;
};

TEST_F(HostileFiles, SpecialFilesAreNeverReadAsProjectsOrDataFiles)
{
    const std::string pipe = fifo("p.Vdx");
    ProjectRecord record;
    record.info.title = "kept";
    std::string message;
    EXPECT_FALSE(succeeds(openProjectFile(pipe, record), message));
    EXPECT_EQ(message, pipe + "\nThis is not a regular file and cannot be opened as a project.");
    EXPECT_EQ(record.info.title, "kept");

    // A company file that is a FIFO or a link to an endless device.
    const std::string data = path("data");
    std::filesystem::create_directories(data);
    ASSERT_EQ(::mkfifo(companyFilePath(data).c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", logoFilePath(data));
    CompanyData company {"Name", "", "", "", "", "", "", "", ""};
    std::FILE *diagnostics = std::tmpfile();
    EXPECT_FALSE(loadCompanyData(data, company, diagnostics));
    std::fclose(diagnostics);
    EXPECT_EQ(company.name, "Name");
    std::string logo = "unchanged";
    EXPECT_FALSE(loadLogoPath(data, logo));
    EXPECT_EQ(logo, "unchanged");

    std::string bytes;
    EXPECT_FALSE(succeeds(readWholeFile(pipe, bytes), message));
    EXPECT_NE(message.find("not a regular file"), std::string::npos);
}

TEST_F(HostileFiles, DataLinesAreBoundedByTheirCapacity)
{
    // A first line of a megabyte without a line feed fills only its field.
    std::ofstream(companyFilePath(m_dir.string()), std::ios::binary)
        << std::string(2 * 1024 * 1024, 'a');
    CompanyData company = {"x", "x", "x", "x", "x", "x", "x", "x", "x"};
    ASSERT_TRUE(loadCompanyData(m_dir.string(), company));
    EXPECT_EQ(company.name, std::string(100, 'a'));
    EXPECT_EQ(company.street1, "");
    EXPECT_EQ(company.email, "");

    std::string_view bytes = "abcdef\r\nxy\r";
    std::string line;
    ASSERT_TRUE(readDataLine(bytes, 3, line));
    EXPECT_EQ(line, "abc");
    ASSERT_TRUE(readDataLine(bytes, 3, line));
    EXPECT_EQ(line, "xy\r"); // a lone carriage return at the end stays
    EXPECT_FALSE(readDataLine(bytes, 3, line));
}

TEST_F(HostileFiles, OutputsNeverReplaceSpecialFiles)
{
    const std::string pipe = fifo("out.txt");
    std::string error;
    EXPECT_FALSE(succeeds(writeFileAtomically(pipe, "x"), error));
    EXPECT_NE(error.find("not a regular file"), std::string::npos);
    std::filesystem::create_directories(path("folder"));
    EXPECT_FALSE(succeeds(writeFileAtomically(path("folder"), "x"), error));
    struct stat status
    {
    };
    ASSERT_EQ(::lstat(pipe.c_str(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    EXPECT_EQ(entries(), 2); // no temporary left beside them

    // A link pointing to a FIFO is refused as the FIFO itself.
    std::filesystem::create_symlink("out.txt", path("to-pipe"));
    EXPECT_FALSE(succeeds(writeFileAtomically(path("to-pipe"), "x"), error));
}

TEST_F(HostileFiles, LinksAreFollowedAndStayLinks)
{
    std::filesystem::create_directories(path("real"));
    std::ofstream(path("real/target.txt")) << "old";
    ::chmod(path("real/target.txt").c_str(), 0640);
    // A relative link to a relative link.
    std::filesystem::create_symlink("real/target.txt", path("first"));
    std::filesystem::create_symlink("first", path("second"));
    // A link whose file does not exist yet: the file is created.
    std::filesystem::create_symlink(path("real/new.txt"), path("dangling"));
    std::string error;
    ASSERT_TRUE(succeeds(writeFileAtomically(path("second"), "new"), error)) << error;
    ASSERT_TRUE(succeeds(writeFileAtomically(path("dangling"), "made"), error)) << error;
    for (const char *link : {"first", "second", "dangling"})
        EXPECT_TRUE(std::filesystem::is_symlink(path(link))) << link;
    std::string bytes;
    ASSERT_TRUE(succeeds(readWholeFile(path("real/target.txt"), bytes), error));
    EXPECT_EQ(bytes, "new");
    ASSERT_TRUE(succeeds(readWholeFile(path("real/new.txt"), bytes), error));
    EXPECT_EQ(bytes, "made");
    struct stat status
    {
    };
    ASSERT_EQ(::stat(path("real/target.txt").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);

    // A loop of links is reported, not followed for ever.
    std::filesystem::create_symlink("loop-b", path("loop-a"));
    std::filesystem::create_symlink("loop-a", path("loop-b"));
    EXPECT_FALSE(succeeds(writeFileAtomically(path("loop-a"), "x"), error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(path("real")),
                            std::filesystem::directory_iterator()),
              2);
}

TEST(HostileProjects, NewerVersionsAndTrailingBytesAreRefused)
{
    ProjectRecord source;
    source.info.title = "Groin";
    std::string bytes = serializeProject(source);
    ProjectRecord record;
    std::string message;
    EXPECT_FALSE(succeeds(deserializeProject(bytes + "trailing", record), message));
    EXPECT_NE(message.find("not a Vendrix project, or damaged"), std::string::npos) << message;
    EXPECT_NE(record.info.title, "Groin");

    for (const int version : {13, 99}) {
        SCOPED_TRACE(version);
        std::string newer = bytes;
        for (int i = 0; i < 4; ++i)
            newer[static_cast<std::size_t>(i)] = static_cast<char>((version >> (8 * i)) & 0xFF);
        ProjectRecord kept;
        EXPECT_FALSE(succeeds(deserializeProject(newer, kept, "x.Vdx"), message));
        EXPECT_EQ(message,
                  "x.Vdx\nThis file was written by a newer version of Vendrix and cannot be "
                  "opened.");
        EXPECT_EQ(kept.info.title, ProjectRecord().info.title);
    }
}

TEST(HostileProjects, NumbersThatAreNotFiniteAreRefusedOnOpening)
{
    for (const FieldEntry &entry : recordFields()) {
        if (entry.kind != FieldKind::Number)
            continue;
        for (const double bad : {kNaN, kInf, -kInf}) {
            SCOPED_TRACE(std::string(entry.name) + " " + std::to_string(bad));
            ProjectRecord source;
            *entry.number(source) = bad;
            const std::string bytes = serializeProject(source);
            ProjectRecord record;
            record.info.title = "open project";
            std::string message;
            EXPECT_FALSE(succeeds(deserializeProject(bytes, record, "f.Vdx"), message));
            EXPECT_EQ(message,
                      "f.Vdx\nThe value of " + std::string(entry.name)
                          + " in this file is not a finite number; the file cannot be "
                            "opened.");
            EXPECT_EQ(record.info.title, "open project");
        }
    }
}

TEST(HostileProjects, RulesFailOnNaN)
{
    // Each rule of the stored inputs, given a NaN in the value it checks.
    struct Case
    {
        const char *field;
        const char *number;
    };
    const Case cases[] = {
        {"transportUnitWeight", ""},
        {"slurryUnitWeightLower", "Error No.101"},
        {"slurryUnitWeightUpper", "Error No.102"},
        {"fluidUnitWeightLower", "Error No.104"},
        {"fluidUnitWeightUpper", "Error No.104"},
        {"slurryHeightLower", "Error No.107"},
        {"fluidHeightLower", "Error No.107"},
        {"rfCreep", "Error No.201"},
        {"rfSeamAxial", "Error No.201"},
        {"ultimateStrength", "Error No.301"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.field);
        ProjectRecord record;
        record.input.twoSlurryLayers = true;
        *findRecordField(c.field)->number(record) = kNaN;
        const auto failure = checkStoredInputs(record);
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->errorNumberText(), c.number);
        EXPECT_EQ(failure->messageText.find("nan"), std::string::npos);
    }
    ProjectRecord record;
    record.input.analysisType = AnalysisType::GivenHeight;
    record.input.desiredMaxHeight = kNaN;
    EXPECT_EQ(checkStoredInputs(record)->errorNumberText(), "Error No.302");
    record.input.analysisType = AnalysisType::GivenPressure;
    record.input.pumpingPressure = kNaN;
    EXPECT_EQ(checkStoredInputs(record)->errorNumberText(), "Error No.304");
    EXPECT_TRUE(checkConsolidationData(record, kNaN, 14).has_value());
    EXPECT_TRUE(checkConsolidationData(record, 2.65, kNaN).has_value());
    EXPECT_TRUE(checkTubeLength(kNaN).has_value());
}

TEST(HostileProjects, TransportUnitWeightMustBePositiveAndNormal)
{
    for (const double weight : {0.0, -0.0, kDenormal, -kDenormal, -9.81, kNaN, kInf}) {
        SCOPED_TRACE(weight);
        const auto failure = checkTransportUnitWeight(weight);
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->messageText,
                  "Unit weight of transporting medium should be greater than zero.\n\nPlease "
                  "correcet");
        EXPECT_EQ(failure->focusField, "transportUnitWeight");
        ProjectRecord record;
        record.input.transportUnitWeight = weight;
        EXPECT_TRUE(checkStoredInputs(record).has_value());
        EXPECT_TRUE(checkConsolidationData(record, 2.65, 14).has_value());
    }
    EXPECT_FALSE(checkTransportUnitWeight(9.81).has_value());
    EXPECT_FALSE(checkTransportUnitWeight(std::numeric_limits<double>::min()).has_value());
}

TEST(HostileProjects, PostProcessingNeverPassesOnANonFiniteValue)
{
    ProjectRecord record;
    ASSERT_FALSE(runAnalysis(record).refused());
    computeConsolidationOption1(record);
    EXPECT_FALSE(checkConsolidationResult(record.consolidation).has_value());
    record.consolidation.shapeY[200] = kNaN;
    EXPECT_EQ(checkConsolidationResult(record.consolidation)->messageText, kNoFiniteConsolidation);

    // Costs beyond a float are fine; beyond a double they are refused, as are
    // lengths whose storage or cost overflows.
    struct Case
    {
        const char *cost;
        double length;
        const char *focus; // nullptr: accepted
    };
    const Case cases[] = {
        {"1e39", 100, nullptr},
        {"1e400", 100, "costPerUnitArea"},
        {"12", 1e308, "tubeLength"},
        {"1e300", 1e10, "tubeLength"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.cost);
        const Quantities q = computeQuantities(record, c.cost, c.length);
        const auto failure = checkQuantities(q);
        ASSERT_EQ(failure.has_value(), c.focus != nullptr);
        if (failure)
            EXPECT_EQ(failure->focusField, c.focus);
        else
            EXPECT_EQ(q.cost, std::strtod(c.cost, nullptr));
    }
}

TEST(HostileProjects, PlainDecimalNumbersOnly)
{
    const auto no = std::nullopt;
    test::expectNumbersRead(parsePlainDecimal,
                            {
                                {"12", 12},     {"-12.5", -12.5}, {"+.5", 0.5},
                                {"3.", 3},      {"1e-3", 0.001},  {"2E+2", 200},
                                {"0e-400", 0},  {"0.000", 0},     {"4.9e-324", kDenormal},
                                {"1e-400", no}, {"0x1p3", no},    {" 12", no},
                                {"12 ", no},    {"", no},         {".", no},
                                {"1e", no},     {"1e400", no},    {"inf", no},
                                {"nan", no},    {"1,5", no},      {"--1", no},
                                {"1.2.3", no},
                            });
}

} // namespace
} // namespace vendrix
