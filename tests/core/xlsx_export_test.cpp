// The workbook's creation stamp and its failures; its contents are read back by
// openpyxl in the whole-program tests.
#include "batch_test_support.h"
#include "report/workbook_file.h"
#include "report/xlsx_export.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

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

} // namespace
} // namespace vendrix
