#include "failure_test_support.h"
#include "model/atomic_file.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vendrix {
namespace {

TEST(AtomicFile, ReplacesTheTargetOnlyWhenEverythingWasWritten)
{
    const auto dir = std::filesystem::temp_directory_path() / "vendrix_atomic_test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "a.txt").string();
    std::string error;
    ASSERT_TRUE(succeeds(writeFileAtomically(path, "first"), error)) << error;
    ASSERT_TRUE(succeeds(writeFileAtomically(path, "second"), error)) << error;
    std::string bytes;
    ASSERT_TRUE(succeeds(readWholeFile(path, bytes), error));
    EXPECT_EQ(bytes, "second");

    // A target in a missing folder is reported and nothing is left behind.
    EXPECT_FALSE(succeeds(writeFileAtomically((dir / "missing" / "b.txt").string(), "x"), error));
    EXPECT_NE(error.find("missing"), std::string::npos);
    EXPECT_FALSE(succeeds(readWholeFile((dir / "none.txt").string(), bytes), error));
    // No temporaries beside the good file.
    int files = 0;
    for (const auto &entry : std::filesystem::directory_iterator(dir)) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1);
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace vendrix
