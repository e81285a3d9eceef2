// `vendrix run` as scripts use it: outputs that must not clobber each other or
// the project, one JSON object whatever happens, help, and standard output
// that cannot be written.
#include "batch_test_support.h"
#include "cli/batch_command.h"
#include "cli/batch_options.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace vendrix {
namespace {

using test::BatchResult;
using test::runBatch;

std::string fileBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Every refused call leaves the project as it was and writes no file at all,
// not even the outputs named before the one that is refused.
TEST(BatchScripting, OutputsNeverOverwriteTheProjectOrEachOther)
{
    const test::ScratchFolder scratch("batch_clash");
    const std::string project = scratch.file("mine.Vdx");
    ASSERT_EQ(runBatch({"--save", project}).status, 0);
    const std::string saved = fileBytes(project);
    std::filesystem::create_symlink(project, scratch.path() / "link.Vdx");
    const std::string out = scratch.file("same.out");
    const std::string a = scratch.file("a.txt");
    const std::string b = scratch.file("b.txt");
    const std::string spelled = (scratch.path() / "." / "a.txt").string();
    const std::vector<test::CallAndText> calls = {
        {{project, "--results", project}, "would overwrite the project"},
        {{project, "--xls", "x.xls", "--dxf", scratch.file("link.Vdx")},
         "would overwrite the project"},
        {{scratch.file("link.Vdx"), "--pdf", project}, "would overwrite the project"},
        {{"--csv", out, "--dxf", out}, "names the file of --dxf"},
        {{"--results", a, "--quantities", spelled}, "names the file of --results"},
        {{"--results", a, "--results", b}, "--results was given more than once"},
        {{"--results", a, "--image", scratch.file("x.jpg")},
         "--image takes a .png, .bmp or .svg file"},
        {{"--results", a, "--sketch", scratch.file("k.gif")}, "--sketch takes"},
    };
    test::expectRefused(calls, true);
    EXPECT_EQ(fileBytes(project), saved);
    for (const std::string &written : {out, a, b})
        EXPECT_FALSE(std::filesystem::exists(written)) << written;

    // Saving the project over itself writes a project, after it was read.
    const BatchResult again = runBatch({project, "--set", "title=Again", "--save", project});
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_NE(fileBytes(project).find("Again"), std::string::npos);
}

// With --json every outcome is one JSON object on standard output.
TEST(BatchScripting, JsonAnswersEveryRefusalWithOneErrorObject)
{
    const test::ScratchFolder scratch("batch_json");
    const struct
    {
        std::vector<std::string> args;
        const char *message;
    } calls[] = {
        {{"/nonexistent/project.Vdx"}, "Cannot find this file."},
        {{"--set", "circumference=ten"}, "not a plain decimal number"},
        {{"--bogus"}, "unknown option --bogus"},
        {{"--set", "transportUnitWeight=0"}, "transporting medium should be greater"},
        {{"--results", scratch.file("missing/r.txt")}, "cannot write the results text file"},
        {{"--pdf", scratch.file("r.pdf")}, "not available in this build"},
    };
    for (const auto &call : calls) {
        SCOPED_TRACE(call.args.front());
        std::vector<std::string> args = call.args;
        args.push_back("--json");
        const BatchResult r = runBatch(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out.rfind("{\"error\": {", 0), 0u) << r.out;
        EXPECT_EQ(r.out.find('\n'), r.out.size() - 1) << r.out;
        EXPECT_NE(r.out.find(call.message), std::string::npos) << r.out;
        EXPECT_EQ(r.out.find("\"solution\""), std::string::npos) << r.out;
        EXPECT_EQ(r.out.find("\"number\": \"\""), std::string::npos) << r.out;
    }
}

TEST(BatchScripting, HelpAndTheEnvelopeRangeAreReadStrictly)
{
    for (const std::vector<std::string> &args :
         std::vector<std::vector<std::string>> {{"--help"}, {"-h"}, {"--set", "x=1", "--help"}}) {
        SCOPED_TRACE(args.front());
        const BatchResult r = runBatch(args);
        EXPECT_EQ(r.status, 0);
        EXPECT_EQ(r.out, batchUsage());
        EXPECT_EQ(r.err, "");
    }
    std::vector<test::CallAndText> calls;
    for (const char *pressure : {"0x32", "0x1p5", " 50", "50 ", "50\n", "1e-320", "5000.5", "inf"})
        calls.push_back({{"--envelope-max-pressure", pressure},
                         "--envelope-max-pressure takes a pressure in kPa"});
    test::expectRefused(calls, true);
    EXPECT_EQ(runBatch({"--envelope-max-pressure", "5e1", "--json"}).status, 0);
}

// Results that never reach standard output are a failure, said on the error
// stream: a full device, and an output the shell closed.
TEST(BatchScripting, StandardOutputThatCannotBeWrittenIsAFailure)
{
    char run[] = "run";
    char json[] = "--json";
    char *argv[] = {run, json};
    std::FILE *err = std::tmpfile();
    std::FILE *full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    EXPECT_EQ(runBatchCommand(2, argv, {}, full, err), 2);
    std::fclose(full);

    std::FILE *closed = ::fdopen(::open("/dev/null", O_WRONLY), "w");
    ASSERT_NE(closed, nullptr);
    ::close(::fileno(closed));
    EXPECT_EQ(runBatchCommand(2, argv, {}, closed, err), 2);
    std::fclose(closed);
    const std::string said = test::readAllAndClose(err);
    EXPECT_NE(said.find("cannot write to standard output: No space left on device"),
              std::string::npos)
        << said;
    EXPECT_NE(said.find("cannot write to standard output: it is closed"), std::string::npos)
        << said;
}

} // namespace
} // namespace vendrix
