// Names and texts beyond ASCII: a path reaches the terminal and JSON in UTF-8
// as it was typed, and the Windows-1252 text files hold it in their own code.
#include "batch_test_support.h"
#include "model/failure.h"
#include "model/regular_file.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace vendrix {
namespace {

using test::runBatch;

const std::string kCafe = "caf\xC3\xA9"; // "café" in UTF-8

std::string readBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

TEST(FailureText, ThePathTakesItsMarkAndTheMessageBecomesUtf8)
{
    const struct
    {
        Failure failure;
        std::string utf8;
    } rows[] = {
        {Failure::aboutFile("Access to %1 was denied.", kCafe + ".Vdx"),
         "Access to " + kCafe + ".Vdx was denied."},
        {Failure::aboutFile("\"%1\" is too large", "/t/%1.Vdx"), "\"/t/%1.Vdx\" is too large"},
        {Failure::plain("kN/m \xB3 and 100%1"), "kN/m \xC2\xB3 and 100%1"},
        {Failure(302, "Height \xB3", "desiredMaxHeight"), "Height \xC2\xB3"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.utf8);
        EXPECT_EQ(failureTextUtf8(row.failure), row.utf8);
    }
}

// The terminal and --json name the file as typed, never its bytes read as
// Windows-1252 ("cafÃ©").
TEST(BatchCommand, MessagesNameNonAsciiFilesInUtf8)
{
    const test::ScratchFolder folder("non_ascii_messages");
    const std::string missing = folder.file("x") + kCafe + ".Vdx";
    const std::string unwritable = folder.file("none") + "/" + kCafe + ".txt";
    const struct
    {
        std::vector<std::string> args;
        std::string expected; // on stderr, or in the JSON error
    } rows[] = {
        {{missing}, missing + "\nCannot find this file."},
        {{"--results", unwritable}, "\"" + unwritable + "\""},
        {{"--pdf", kCafe + ".txt", "--results", kCafe + ".txt"},
         "--pdf \"" + kCafe + ".txt\" names the file of --results \"" + kCafe + ".txt\""},
        {{"--set", "title" + kCafe + "=x"}, "unknown field \"title" + kCafe + "\""},
    };
    for (const auto &row : rows) {
        for (const bool json : {false, true}) {
            SCOPED_TRACE(row.args.front() + (json ? " --json" : ""));
            std::vector<std::string> args = row.args;
            if (json)
                args.push_back("--json");
            const test::BatchResult r = runBatch(args);
            EXPECT_EQ(r.status, 2);
            const std::string &said = json ? r.out : r.err;
            std::string expected = row.expected;
            if (json) { // JSON escapes line breaks and quotes
                std::string escaped;
                for (const char c : expected)
                    escaped += c == '\n' ? std::string("\\n")
                        : c == '"'       ? std::string("\\\"")
                                         : std::string(1, c);
                expected = escaped;
            }
            EXPECT_NE(said.find(expected), std::string::npos) << said;
            EXPECT_EQ(said.find("\xC3\x83"), std::string::npos) << "encoded twice: " << said;
        }
    }
}

// A project saved as café.Vdx: the results text file (Windows-1252) shows the
// path and the title in its own code, one byte for "é".
TEST(BatchCommand, ResultsTextHeaderHoldsANonAsciiPathAndTitle)
{
    const test::ScratchFolder folder("non_ascii_results");
    const std::string project = folder.file("") + kCafe + ".Vdx";
    const std::string results = folder.file("results.txt");
    const test::BatchResult r
        = runBatch({"--set", "title=" + kCafe, "--save", project, "--results", results});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string text = readBytes(results);
    EXPECT_NE(text.find("Title:          caf\xE9\r\n"), std::string::npos) << text;
    const std::string cp1252Project = project.substr(0, project.size() - 6) + "\xE9.Vdx";
    EXPECT_NE(text.find("File path and name:  " + cp1252Project), std::string::npos) << text;

    // Opened again, the project's path is its own name.
    const test::BatchResult reopened = runBatch({project, "--results", results});
    ASSERT_EQ(reopened.status, 0) << reopened.err;
    EXPECT_NE(readBytes(results).find(cp1252Project), std::string::npos);
}

} // namespace
} // namespace vendrix
