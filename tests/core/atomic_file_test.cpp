#include "failure_test_support.h"
#include "model/atomic_file.h"
#include "model/regular_file.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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
    // A new file gets the usual mode of a new document, not the temporary's 0600.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat created
    {
    };
    ASSERT_EQ(::stat(path.c_str(), &created), 0);
    EXPECT_EQ(created.st_mode & 07777, 0666 & ~mask);
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

int filesIn(const std::filesystem::path &dir)
{
    int files = 0;
    for (const auto &entry : std::filesystem::directory_iterator(dir)) {
        (void)entry;
        ++files;
    }
    return files;
}

// Names up to the longest a folder takes are written like any other, and the
// folder that refuses the temporary file is named even behind a link.
TEST(AtomicFile, LongNamesAndTheRefusingFolder)
{
    const test::ScratchFolder scratch("atomic_names");
    std::string error;
    for (const std::size_t length : {248u, 249u, 255u}) {
        SCOPED_TRACE(length);
        const std::string path = (scratch.path() / std::string(length, 'n')).string();
        ASSERT_TRUE(succeeds(writeFileAtomically(path, "long"), error)) << error;
        std::string bytes;
        ASSERT_TRUE(succeeds(readWholeFile(path, bytes), error));
        EXPECT_EQ(bytes, "long");
        std::filesystem::remove(path);
        EXPECT_EQ(filesIn(scratch.path()), 0);
    }
    const auto elsewhere = scratch.path() / "elsewhere";
    std::filesystem::create_symlink(elsewhere / "report.pdf", scratch.path() / "link.pdf");
    EXPECT_FALSE(succeeds(writeFileAtomically(scratch.file("link.pdf"), "x"), error));
    EXPECT_NE(error.find("link.pdf"), std::string::npos) << error;
    EXPECT_NE(error.find("\"" + elsewhere.string() + "\""), std::string::npos) << error;

    // A chain of 39 links is followed to the file it ends in; one of 40 is refused.
    std::filesystem::path chain = scratch.path() / "end.txt";
    for (int length = 1; length <= 40; ++length) {
        const auto link = scratch.path() / ("link" + std::to_string(length));
        std::filesystem::create_symlink(chain, link);
        chain = link;
    }
    const std::string longest = (scratch.path() / "link39").string();
    ASSERT_TRUE(succeeds(writeFileAtomically(longest, "via 39 links"), error)) << error;
    std::string bytes;
    ASSERT_TRUE(succeeds(readWholeFile(scratch.file("end.txt"), bytes), error));
    EXPECT_EQ(bytes, "via 39 links");
    EXPECT_FALSE(succeeds(writeFileAtomically(chain.string(), "x"), error));
    EXPECT_NE(error.find("Cannot follow"), std::string::npos) << error;
}

// A read keeps at most the bytes asked for and says whether there were more.
TEST(RegularFile, ReadsAtMostTheBytesAsked)
{
    std::string content(100000, 'a');
    for (std::size_t i = 0; i < content.size(); ++i)
        content[i] = char('a' + i % 26);
    for (const std::size_t most :
         {std::size_t(30), std::size_t(70000), std::size_t(99999), std::size_t(100000)}) {
        SCOPED_TRACE(most);
        std::FILE *file = std::tmpfile();
        ASSERT_NE(file, nullptr);
        std::fwrite(content.data(), 1, content.size(), file);
        std::rewind(file);
        std::string bytes = "old";
        bool truncated = false;
        EXPECT_TRUE(readOpenFile(file, bytes, most, truncated));
        std::fclose(file);
        EXPECT_EQ(bytes, content.substr(0, most));
        EXPECT_EQ(truncated, most < content.size());
    }
}

// What the shell's `>` could not write is not replaced; a replaced file keeps
// its mode, owner and group. Run as root, the refusal is tried by a child that
// has given up root.
TEST(AtomicFile, ReplacesOnlyWhatTheUserMayWriteAndKeepsItsAttributes)
{
    const test::ScratchFolder scratch("atomic_owner");
    const std::string locked = scratch.file("locked.txt");
    std::string error;
    ASSERT_TRUE(succeeds(writeFileAtomically(locked, "kept"), error)) << error;
    ::chmod(scratch.path().c_str(), 0777);
    ::chmod(locked.c_str(), 0444);
    // Through a link, the message names the file that refuses.
    const std::string via = scratch.file("via.txt");
    std::filesystem::create_symlink(locked, via);
    if (::geteuid() == 0) {
        const uid_t nobody = 65534;
        ASSERT_EQ(::chown(locked.c_str(), nobody, nobody), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            const bool dropped = ::setgid(nobody) == 0 && ::setuid(nobody) == 0;
            const auto refused = writeFileAtomically(via, "replaced");
            ::_exit(dropped && refused
                            && failureTextUtf8(*refused).find(locked) != std::string::npos
                        ? 0
                        : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        std::string bytes;
        ASSERT_TRUE(succeeds(readWholeFile(locked, bytes), error));
        EXPECT_EQ(bytes, "kept");

        // Root replaces it, as with `>`, and gives it back to its owner.
        ASSERT_EQ(::chown(locked.c_str(), 12345, 12346), 0);
        ::chmod(locked.c_str(), 0640);
        ASSERT_TRUE(succeeds(writeFileAtomically(locked, "root's"), error)) << error;
        struct stat after
        {
        };
        ASSERT_EQ(::stat(locked.c_str(), &after), 0);
        EXPECT_EQ(after.st_uid, 12345u);
        EXPECT_EQ(after.st_gid, 12346u);
        EXPECT_EQ(after.st_mode & 07777, 0640u);
    } else {
        EXPECT_FALSE(succeeds(writeFileAtomically(via, "replaced"), error));
        EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
        EXPECT_NE(error.find(locked), std::string::npos) << error;
        std::string bytes;
        ASSERT_TRUE(succeeds(readWholeFile(locked, bytes), error));
        EXPECT_EQ(bytes, "kept");
    }
    EXPECT_EQ(filesIn(scratch.path()), 2);
}

} // namespace
} // namespace vendrix
