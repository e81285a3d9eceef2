// The workbook: its creation stamp, its failures, and its contents read back
// by openpyxl.
#include "batch_test_support.h"
#include "report/workbook_file.h"
#include "report/xlsx_export.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace vendrix {
namespace {

TEST(XlsxExport, CreationTimeIsSourceDateEpochOrFixed)
{
    const std::time_t fixed = 315532800; // 1980-01-01, as the zip entries
    const struct
    {
        const char *epoch; // nullptr: unset
        std::time_t expected;
    } cases[] = {
        {nullptr, fixed},
        {"1700000000", 1700000000},
        {"", fixed},
        {"0", fixed}, // libxlsxwriter would stamp the current time
        {"-5", fixed},
        {"17e8", fixed},
        {"99999999999999999999", fixed},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.epoch ? c.epoch : "unset");
        if (c.epoch)
            ::setenv("SOURCE_DATE_EPOCH", c.epoch, 1);
        else
            ::unsetenv("SOURCE_DATE_EPOCH");
        EXPECT_EQ(workbookCreationTime(), c.expected);
    }
    ::unsetenv("SOURCE_DATE_EPOCH");
}

std::string contentOf(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

TEST(XlsxExport, FailuresLeaveTheFileAsItWas)
{
    test::ScratchFolder scratch("xlsx");
    const std::filesystem::path book = scratch.path() / "book.xlsx";
    ASSERT_EQ(writeXlsxFile(book, ProjectRecord {}), std::nullopt);
    const std::string written = contentOf(book);
    EXPECT_EQ(written.rfind("PK", 0), 0u) << "a zip archive";

    // An error of libxlsxwriter while the sheets are added.
    const auto refused = writeWorkbookFile(book, [](lxw_workbook *workbook) {
        return worksheet_write_number(workbook_add_worksheet(workbook, "A"), 1048576, 0, 1,
                                      nullptr);
    });
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->path, book);
    EXPECT_NE(refused->messageText.find("Cannot make the workbook \"%1\": "), std::string::npos)
        << refused->messageText;
    EXPECT_EQ(contentOf(book), written);

    // A folder this user may not write.
    std::filesystem::create_directory(scratch.path() / "locked");
    std::filesystem::permissions(scratch.path() / "locked",
                                 std::filesystem::perms::owner_read
                                     | std::filesystem::perms::owner_exec);
    if (::geteuid() != 0) {
        EXPECT_TRUE(writeXlsxFile(scratch.path() / "locked" / "book.xlsx", ProjectRecord {}));
    }
    std::filesystem::permissions(scratch.path() / "locked", std::filesystem::perms::owner_all);
}

TEST(XlsxExport, BatchReportsAWorkbookItCannotWrite)
{
    const test::BatchResult r = test::runBatch({"--xlsx", "/nonexistent-folder/a.xlsx", "--json"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.out.find("\"error\""), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("cannot write the workbook: "), std::string::npos) << r.err;
}

// Every number of the workbook, profile and results, against the JSON of the
// same run (tests/tools/xlsx_matches_json.py, with openpyxl), and its stamp.
TEST(XlsxExport, WorkbookReadBackHoldsTheNumbersOfTheJson)
{
    if (std::system("/usr/bin/python3 -c 'import openpyxl' 2>/dev/null") != 0)
        GTEST_SKIP() << "python3-openpyxl is not installed";
    const std::filesystem::path source
        = std::filesystem::path(VENDRIX_TEST_DATA_DIR).parent_path().parent_path();
    const std::string land = (source / "examples/dewatering-tube-on-land.Vdx").string();
    const std::string english = (source / "examples/given-pressure-english.Vdx").string();
    const struct
    {
        std::vector<std::string> arguments;
        const char *shape;
        const char *epoch;
        const char *created;
    } cases[] = {
        {{land}, "filled", "", "1980-01-01T00:00:00"},
        {{english}, "filled", "1700000000", "2023-11-14T22:13:20"},
        {{land, "--consolidate", "1", "--set", "consolidatedUnitWeight=14"}, "1", "", "1980-01-01"},
        {{english, "--consolidate", "2", "--set", "asianPacific=1"}, "2", "", "1980-01-01"},
    };
    test::ScratchFolder scratch("xlsx_read_back");
    const std::string book = scratch.file("run.xlsx"), json = scratch.file("run.json");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.back());
        ::setenv("SOURCE_DATE_EPOCH", c.epoch, 1);
        std::vector<std::string> arguments = c.arguments;
        arguments.insert(arguments.end(), {"--json", "--profile", "--xlsx", book});
        const test::BatchResult run = test::runBatch(arguments);
        ASSERT_EQ(run.status, 0) << run.err;
        std::ofstream(json) << run.out;
        const std::string command = "/usr/bin/python3 '"
            + (source / "tests/tools/xlsx_matches_json.py").string() + "' '" + book + "' '" + json
            + "' " + c.shape + " 2>&1";
        std::FILE *check = ::popen(command.c_str(), "r");
        ASSERT_NE(check, nullptr);
        std::string said;
        char buffer[4096];
        for (size_t n = 0; (n = std::fread(buffer, 1, sizeof buffer, check)) > 0;)
            said.append(buffer, n);
        EXPECT_EQ(::pclose(check), 0) << said;
        EXPECT_NE(said.find(c.created), std::string::npos) << said;
    }
    ::unsetenv("SOURCE_DATE_EPOCH");
}

} // namespace
} // namespace vendrix
